#include "DataCommandsSupport.h"

#include "data/DBVersion.h"
#include "data/DataAccessFacade.h"
#include "data/SQLiteConnection.h"

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

int Usage(const QString& usage)
{
    PrintError(QStringLiteral("Использование: varnel-tool ") + usage);
    return 2;
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
