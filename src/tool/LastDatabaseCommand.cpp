#include "LastDatabaseCommand.h"

#include "ToolOptions.h"

#include "control/CustomSQLiteStartupController.h"
#include "control/ISetting.h"
#include "control/SettingsFileName.h"
#include "control/SimpleSettingsManager.h"

#include <QFileInfo>

namespace {

// Only reads: a missing entry is not written back as an empty one.
QString StoredDatabase(TSimpleSettingsManager& settings)
{
    const QString value = settings
                              .GetSetting(TCustomSQLiteStartupController::ConnectionStringSection,
                                          TCustomSQLiteStartupController::ConnectionStringIdent, QString())
                              .Value();
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
    // The composer outlives the store that borrows it.
    const std::unique_ptr<TCustomFileNameComposer> composer = CreateSettingsFileNameComposer();
    {
        TSimpleSettingsManager settings;
        settings.SetFileNameComposer(composer.get());
        if (const QString problem = settings.FileProblem(); !problem.isEmpty()) {
            err << QStringLiteral("Настройки Varnel не прочитаны: %1").arg(problem) << '\n';
            return ecFailure;
        }
    }
    if (m_fileName.isEmpty()) {
        TSimpleSettingsManager settings;
        settings.SetFileNameComposer(composer.get());
        if (!QFileInfo::exists(settings.ComposeFileName())) {
            err << QStringLiteral("Настроек Varnel ещё нет: %1").arg(settings.ComposeFileName()) << '\n';
            return ecFailure;
        }
        out << StoredDatabase(settings) << '\n';
        return ecSuccess;
    }

    {
        TSimpleSettingsManager settings;
        settings.SetFileNameComposer(composer.get());
        settings.SetSettingValue(TCustomSQLiteStartupController::ConnectionStringSection,
                                 TCustomSQLiteStartupController::ConnectionStringIdent, m_fileName);
        settings.SaveSettings();
    }
    // The store says nothing when it cannot write: read the file again to know.
    TSimpleSettingsManager written;
    written.SetFileNameComposer(composer.get());
    if (StoredDatabase(written) != m_fileName) {
        err << QStringLiteral("Настройки Varnel записать не удалось: %1").arg(written.ComposeFileName()) << '\n';
        return ecFailure;
    }
    return ecSuccess;
}
