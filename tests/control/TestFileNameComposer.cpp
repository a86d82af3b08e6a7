#include "control/ApplicationDataFileNameComposer.h"
#include "control/SimpleSettingsManager.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QTest>

namespace {
// The settings composer exactly as the start-up makes it.
void MakeSettingsComposer(TFileNameComposer& composer)
{
    composer.SetCompanyName(QStringLiteral("Tolvik"));
    composer.SetProductName(QStringLiteral("Varnel"));
    composer.SetVersion(QStringLiteral("1.0"));
    composer.SetJustFileName(QStringLiteral("Settings.ini"));
}

// A composer whose base folder is given directly.
class TFixedBaseComposer : public TFileNameComposer
{
public:
    QString base;

protected:
    QString GetBaseFolder() const override { return base; }
};
}

class TestFileNameComposer : public QObject
{
    Q_OBJECT

private slots:
    void settingsFileUnderApplicationData_data()
    {
        QTest::addColumn<QByteArray>("appData");
        QTest::addColumn<QByteArray>("configHome");
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("fileName");
        const QByteArray unset;
        QTest::newRow("APPDATA") << QByteArray("/users/x/AppData/Roaming") << QByteArray("/cfg") << QByteArray("/h")
                                 << "/users/x/AppData/Roaming/Tolvik/Varnel/1.0/Settings.ini";
        QTest::newRow("APPDATA with separator") << QByteArray("/users/x/AppData/Roaming/") << unset << QByteArray("/h")
                                                << "/users/x/AppData/Roaming/Tolvik/Varnel/1.0/Settings.ini";
        QTest::newRow("configuration folder") << unset << QByteArray("/cfg") << QByteArray("/h")
                                              << "/cfg/Tolvik/Varnel/1.0/Settings.ini";
        QTest::newRow("empty APPDATA") << QByteArray("") << QByteArray("/cfg/") << QByteArray("/h")
                                       << "/cfg/Tolvik/Varnel/1.0/Settings.ini";
        QTest::newRow("home") << unset << unset << QByteArray("/home/anna")
                              << "/home/anna/.config/Tolvik/Varnel/1.0/Settings.ini";
        QTest::newRow("Cyrillic") << QByteArray("/дом/Анна") << unset << QByteArray("/h")
                                  << QStringLiteral("/дом/Анна/Tolvik/Varnel/1.0/Settings.ini");
    }
    void settingsFileUnderApplicationData()
    {
        QFETCH(QByteArray, appData);
        QFETCH(QByteArray, configHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, fileName);
        TTestEnvironment a("APPDATA", appData), c("XDG_CONFIG_HOME", configHome), h("HOME", home);
        TApplicationDataFileNameComposer composer;
        MakeSettingsComposer(composer);
        TSimpleSettingsManager settings;
        settings.SetFileNameComposer(&composer);
        QCOMPARE(settings.ComposeFileName(), fileName);
        QCOMPARE(settings.GetSettingsFolder(), fileName.chopped(QStringLiteral("Settings.ini").size()));
    }

    void emptyBaseMeansProgramFolder()
    {
        TFixedBaseComposer composer;
        MakeSettingsComposer(composer);
        QCOMPARE(composer.GetFolder(), QCoreApplication::applicationDirPath() + "/Tolvik/Varnel/1.0/");
    }

    void emptyPartsAreLeftOut()
    {
        TFixedBaseComposer composer;
        composer.base = QStringLiteral("/base");
        composer.SetProductName(QStringLiteral("Varnel/"));
        QCOMPARE(composer.GetFolder(), QStringLiteral("/base/Varnel/"));
    }

    void withoutComposerTheStoredNameIsUsed()
    {
        TSimpleSettingsManager settings;
        settings.SetFileName(QStringLiteral("/somewhere/Settings.ini"));
        QCOMPARE(settings.ComposeFileName(), QStringLiteral("/somewhere/Settings.ini"));
        QCOMPARE(settings.GetSettingsFolder(), QStringLiteral("/somewhere/"));
        settings.SetFileName(QString());
    }

    void composerFreedBeforeTheStore()
    {
        TSimpleSettingsManager settings;
        {
            TFixedBaseComposer composer;
            composer.base = QStringLiteral("/base");
            settings.SetFileNameComposer(&composer);
            QCOMPARE(settings.GetFileNameComposer(), &composer);
        }
        QCOMPARE(settings.GetFileNameComposer(), nullptr);
        QVERIFY(settings.ComposeFileName().isEmpty());
    }
};

QTEST_MAIN(TestFileNameComposer)
#include "TestFileNameComposer.moc"
