#include "CopyCommand.h"

#include "BookCopy.h"
#include "ToolOptions.h"

void TCopyCommand::ReadOptions(TToolOptions& options)
{
    if (options.Files().size() != 2)
        options.Refuse(QStringLiteral("Нужны две книги: откуда и куда копировать (файл или адрес postgresql://)."));
    m_from = options.Files().value(0);
    m_to = options.Files().value(1);
}

int TCopyCommand::Execute(QTextStream& out, QTextStream& /*err*/)
{
    out << CopyLoanBook(m_from, m_to) << Qt::endl;
    return ecSuccess;
}
