#include "DataCommandsSupport.h"
#include "ToolCommand.h"

#include "data/DBVersion.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"

#include <QFileInfo>
#include <QTextStream>

namespace DataCommands {

void PrintOut(const QString& text)
{
    QTextStream(stdout) << text << Qt::endl;
}

void PrintError(const QString& text)
{
    QTextStream(stderr) << text << Qt::endl;
}

int WrongArguments(const QString& reason)
{
    PrintError(reason);
    return ecUsage;
}

bool ConnectChecked(TDataAccessFacade& facade, const QString& fileName)
{
    if (!QFileInfo(fileName.trimmed()).isFile()) {
        PrintError(QStringLiteral("Файл «%1» не существует.").arg(fileName.trimmed()));
        return false;
    }
    facade.Connection().Close();
    facade.Connection().SetFileName(fileName);
    facade.Connection().Open();
    IDBVersionRef found;
    if (facade.VerifyDBVersion(RequiredDBVersion(), found))
        return true;
    PrintError(found ? DescribeVersion(found.get())
                     : QStringLiteral("Не найдена информация о типе и версии базы данных."));
    return false;
}

}
