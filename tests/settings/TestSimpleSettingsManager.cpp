#include "settings/SimpleSettingsManager.h"
#include "support/TestEnvironment.h"
#include "TestFiles.h"

#include <QSettings>
#include <sys/stat.h>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Section = QStringLiteral("DataSourceConnectionString");
const QString Key = QStringLiteral("ConnectionString");

QString ValueInFile(const QString& fileName, const QString& key)
{
    return QSettings(fileName, QSettings::IniFormat).value(key).toString();
}
}

// Each test has its own application-data folder and its own store on the
// program's settings file there.
class TestSimpleSettingsManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TTestEnvironment> m_appData;
    QString m_fileName;

    std::unique_ptr<TSimpleSettingsManager> NewStore()
    {
        return std::make_unique<TSimpleSettingsManager>();
    }
    QString ConnectionString(TSimpleSettingsManager& store)
    {
        return store.GetSetting(Section, Key, QString());
    }
    void PrepareFile(const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(m_fileName).absolutePath());
        WriteAll(m_fileName, content);
    }

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
        QCOMPARE(TSimpleSettingsManager::ProgramFileName(), fileName);
        const TSimpleSettingsManager settings;
        QCOMPARE(settings.FileName(), fileName);
        QCOMPARE(settings.GetSettingsFolder(), fileName.chopped(QStringLiteral("Settings.ini").size()));
        QCOMPARE(TSimpleSettingsManager::ProgramFolder(), settings.GetSettingsFolder());
    }

    void givenFileNameIsUsed()
    {
        const TSimpleSettingsManager settings(QStringLiteral("/somewhere/Settings.ini"));
        QCOMPARE(settings.FileName(), QStringLiteral("/somewhere/Settings.ini"));
        QCOMPARE(settings.GetSettingsFolder(), QStringLiteral("/somewhere/"));
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_appData = std::make_unique<TTestEnvironment>("APPDATA", m_dir->path().toUtf8());
        m_fileName = m_dir->path() + QStringLiteral("/Tolvik/Varnel/1.0/Settings.ini");
    }
    void cleanup()
    {
        m_appData.reset();
        m_dir.reset();
    }

    void firstStartWritesTheDefaultAtExit()
    {
        auto store = NewStore();
        QVERIFY(ConnectionString(*store).isEmpty());
        QCOMPARE(store->FileName(), m_fileName);
        QVERIFY(!QFile::exists(m_fileName));

        store.reset();
        QVERIFY(QFile::exists(m_fileName));
        const QString text = QString::fromUtf8(ReadAll(m_fileName));
        QVERIFY2(text.contains(QStringLiteral("[DataSourceConnectionString]\nConnectionString=\n")), qPrintable(text));
    }

    // Reading or writing a pipe would wait for a partner for ever.
    void pipeInPlaceOfTheFileIsLeftAlone()
    {
        QDir().mkpath(QFileInfo(m_fileName).absolutePath());
        QCOMPARE(mkfifo(QFile::encodeName(m_fileName).constData(), 0600), 0);
        auto store = NewStore();
        QCOMPARE(ConnectionString(*store), QString());
        QCOMPARE(store->FileProblem(),
                 QStringLiteral("«%1» — не обычный файл (устройство, канал или сокет), его нельзя открыть.")
                     .arg(m_fileName));
        store->SetSettingValue(Section, Key, QStringLiteral("/books/a.s3db"));
        store.reset();
        QVERIFY(!QFileInfo(m_fileName).isFile());
    }

    void storedValueIsReadAndChangesWrittenAtExit()
    {
        PrepareFile("[DataSourceConnectionString]\nConnectionString=/data/old.s3db\n");
        auto store = NewStore();
        QCOMPARE(ConnectionString(*store), QStringLiteral("/data/old.s3db"));
        const QString path = QStringLiteral("/данные/Займы, 2024/книга.s3db");
        store->SetSettingValue(Section, Key, path);
        QCOMPARE(ConnectionString(*store), path);
        QCOMPARE(ValueInFile(m_fileName, Section + "/" + Key), QStringLiteral("/data/old.s3db"));

        store.reset();
        QVERIFY(ReadAll(m_fileName).contains(path.toUtf8().mid(0, 14)));
        QCOMPARE(ConnectionString(*NewStore()), path);
    }

    // Entries read and never changed are not written: what another program
    // (or the user) wrote meanwhile stays, like every other entry of the file.
    void untouchedEntriesAreNotRewritten_data()
    {
        QTest::addColumn<QString>("sameValueAgain");
        QTest::newRow("only read") << QString();
        QTest::newRow("same value set again") << QStringLiteral("/data/old.s3db");
    }
    void untouchedEntriesAreNotRewritten()
    {
        QFETCH(QString, sameValueAgain);
        PrepareFile("[DataSourceConnectionString]\nConnectionString=/data/old.s3db\n\n[Window]\nState=2\n");
        auto store = NewStore();
        QCOMPARE(ConnectionString(*store), QStringLiteral("/data/old.s3db"));
        if (!sameValueAgain.isNull())
            store->SetSettingValue(Section, Key, sameValueAgain);
        QCOMPARE(store->GetSetting(QStringLiteral("Window"), QStringLiteral("Width"), QStringLiteral("800")),
                 QStringLiteral("800"));
        PrepareFile("[DataSourceConnectionString]\nConnectionString=/data/elsewhere.s3db\n\n[Window]\nState=2\n");

        store.reset();
        QCOMPARE(ValueInFile(m_fileName, Section + "/" + Key), QStringLiteral("/data/elsewhere.s3db"));
        QCOMPARE(ValueInFile(m_fileName, QStringLiteral("Window/State")), QStringLiteral("2"));
        QCOMPARE(ValueInFile(m_fileName, QStringLiteral("Window/Width")), QStringLiteral("800"));
    }

    void fileWithNothingNewStaysUntouched()
    {
        const QByteArray content = "; kept by hand\n[DataSourceConnectionString]\nConnectionString=/data/a.s3db\n";
        PrepareFile(content);
        auto store = NewStore();
        QCOMPARE(ConnectionString(*store), QStringLiteral("/data/a.s3db"));
        store.reset();
        QCOMPARE(ReadAll(m_fileName), content);
    }

    void sectionsAndKeysAreCaseSensitive()
    {
        PrepareFile("[DataSourceConnectionString]\nConnectionString=/data/a.s3db\n");
        auto store = NewStore();
        QCOMPARE(store->GetSetting(Section, QStringLiteral("connectionstring"), QStringLiteral("d")),
                 QStringLiteral("d"));
        QCOMPARE(ConnectionString(*store), QStringLiteral("/data/a.s3db"));
    }

    void firstValueAskedForIsKept()
    {
        auto store = NewStore();
        QCOMPARE(store->GetSetting(Section, Key, QStringLiteral("/a")), QStringLiteral("/a"));
        QCOMPARE(store->GetSetting(Section, Key, QStringLiteral("/other default")), QStringLiteral("/a"));
        store->SetSettingValue(Section, Key, QStringLiteral("/B"));
        QCOMPARE(store->GetSetting(Section, Key, QStringLiteral("/b")), QStringLiteral("/B"));
    }

    void valueWithSeparatorsSurvivesTheRoundTrip()
    {
        const QString path = QStringLiteral("/data/a,b; c=d \"e\".s3db");
        auto store = NewStore();
        store->SetSettingValue(Section, Key, path);
        store.reset();
        QCOMPARE(ConnectionString(*NewStore()), path);
    }

    void unquotedCommaInHandWrittenFileIsKept()
    {
        PrepareFile("[DataSourceConnectionString]\nConnectionString=/data/a,b.s3db\n");
        QCOMPARE(ConnectionString(*NewStore()), QStringLiteral("/data/a,b.s3db"));
    }

    void unwritableFolderIsSwallowed()
    {
        // A file where the company folder should be: no folder can be made.
        WriteAll(m_dir->path() + QStringLiteral("/Tolvik"), "not a folder");
        auto store = NewStore();
        store->SetSettingValue(Section, Key, QStringLiteral("/data/a.s3db"));
        store.reset();
        QVERIFY(!QFile::exists(m_fileName));
    }

    void unreadableFileGivesTheDefault()
    {
        QDir().mkpath(m_fileName);
        auto store = NewStore();
        QCOMPARE(store->GetSetting(Section, Key, QStringLiteral("/d")), QStringLiteral("/d"));
    }
};

QTEST_MAIN(TestSimpleSettingsManager)
#include "TestSimpleSettingsManager.moc"
