#include "DataCommands.h"
#include "DataCommandsSupport.h"

#include "data/LoanBookFile.h"
#include "domain/Exception.h"

int RunCreateCommand(const QStringList& args)
{
    if (args.size() != 1)
        return DataCommands::WrongArguments(QStringLiteral("Нужен ровно один файл базы данных."));
    try {
        CreateLoanBookFile(args.at(0));
    } catch (const Exception& error) {
        DataCommands::PrintError(error.Message());
        return 1;
    }
    return 0;
}
