#include "LastDatabaseCommand.h"

#include "ToolOptions.h"

#include "settings/SimpleSettingsManager.h"

#include <QFileInfo>

namespace {

// Only reads: a missing entry is not written back as an empty one.
QString StoredDatabase(TSimpleSettingsManager& settings)
{
    const QString value = settings.GetSetting(TSimpleSettingsManager::ConnectionStringSection,
                                              TSimpleSettingsManager::ConnectionStringIdent, QString());
    settings.DiscardChanges();
    return value;
}

}

void TLastDatabaseCommand::ReadOptions(TToolOptions& options)
{
    m_fileName = options.Files().value(0);
}

int TLastDatabaseCommand::Execute(QTextStream& out, QTextStream& err)
{
    {
        TSimpleSettingsManager settings;
        if (const QString problem = settings.FileProblem(); !problem.isEmpty()) {
            err << QStringLiteral("Настройки Varnel не прочитаны: %1").arg(problem) << '\n';
            return ecFailure;
        }
    }
    if (m_fileName.isEmpty()) {
        TSimpleSettingsManager settings;
        if (!QFileInfo::exists(settings.FileName())) {
            err << QStringLiteral("Настроек Varnel ещё нет: %1").arg(settings.FileName()) << '\n';
            return ecFailure;
        }
        out << StoredDatabase(settings) << '\n';
        return ecSuccess;
    }

    {
        TSimpleSettingsManager settings;
        settings.SetSettingValue(TSimpleSettingsManager::ConnectionStringSection,
                                 TSimpleSettingsManager::ConnectionStringIdent, m_fileName);
        settings.SaveSettings();
    }
    // The store says nothing when it cannot write: read the file again to know.
    TSimpleSettingsManager written;
    if (StoredDatabase(written) != m_fileName) {
        err << QStringLiteral("Настройки Varnel записать не удалось: %1").arg(written.FileName()) << '\n';
        return ecFailure;
    }
    return ecSuccess;
}
