#include "DataCommands.h"
#include "DataCommandsSupport.h"

#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Exception.h"

int RunCheckCommand(const QStringList& args)
{
    if (args.size() != 1)
        return DataCommands::WrongArguments(QStringLiteral("Нужен ровно один файл базы данных."));
    TDataAccessFacade& facade = *GetDataAccessFacade();
    int code = 1;
    try {
        if (DataCommands::ConnectChecked(facade, args.at(0))) {
            DataCommands::PrintOut(QStringLiteral("ok"));
            code = 0;
        }
    } catch (const Exception& error) {
        DataCommands::PrintError(error.Message());
    }
    facade.Connection().Close();
    return code;
}
