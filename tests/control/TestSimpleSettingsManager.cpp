#include "control/ApplicationDataFileNameComposer.h"
#include "control/SimpleSettingsManager.h"
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

// Each test has its own application-data folder and its own store, composed
// the way the start-up does it.
class TestSimpleSettingsManager : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TTestEnvironment> m_appData;
    std::unique_ptr<TApplicationDataFileNameComposer> m_composer;
    QString m_fileName;

    std::unique_ptr<TSimpleSettingsManager> NewStore()
    {
        auto store = std::make_unique<TSimpleSettingsManager>();
        store->SetFileNameComposer(m_composer.get());
        return store;
    }
    QString ConnectionString(TSimpleSettingsManager& store)
    {
        return store.GetSetting(Section, Key, QString()).Value();
    }
    void PrepareFile(const QByteArray& content)
    {
        QDir().mkpath(QFileInfo(m_fileName).absolutePath());
        WriteAll(m_fileName, content);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_appData = std::make_unique<TTestEnvironment>("APPDATA", m_dir->path().toUtf8());
        m_composer = std::make_unique<TApplicationDataFileNameComposer>();
        m_composer->SetCompanyName(QStringLiteral("Tolvik"));
        m_composer->SetProductName(QStringLiteral("Varnel"));
        m_composer->SetVersion(QStringLiteral("1.0"));
        m_composer->SetJustFileName(QStringLiteral("Settings.ini"));
        m_fileName = m_dir->path() + QStringLiteral("/Tolvik/Varnel/1.0/Settings.ini");
    }
    void cleanup()
    {
        m_composer.reset();
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
        QCOMPARE(store->GetSetting(QStringLiteral("Window"), QStringLiteral("Width"), QStringLiteral("800")).Value(),
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
        QCOMPARE(store->GetSetting(Section, QStringLiteral("connectionstring"), QStringLiteral("d")).Value(),
                 QStringLiteral("d"));
        QCOMPARE(ConnectionString(*store), QStringLiteral("/data/a.s3db"));
    }

    void notificationsOnAddAndOnChange()
    {
        auto store = NewStore();
        int added = 0;
        QStringList changes;
        store->SetOnChange([&](TSettingsList&) { ++added; });
        store->SetOnSettingChange([&](TSettingsList&, ISetting& s) { changes << s.Ident() + "=" + s.Value(); });

        ISetting& setting = store->GetSetting(Section, Key, QStringLiteral("/a"));
        QCOMPARE(&store->GetSetting(Section, Key, QStringLiteral("/other default")), &setting);
        QCOMPARE(setting.Value(), QStringLiteral("/a"));
        QCOMPARE(added, 1);
        store->SetSettingValue(Section, Key, QStringLiteral("/a"));
        store->SetSettingValue(Section, Key, QStringLiteral("/b"));
        store->SetSettingValue(Section, Key, QStringLiteral("/B"));
        QCOMPARE(changes, (QStringList{"ConnectionString=/b", "ConnectionString=/B"}));
        QCOMPARE(added, 1);
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
        QCOMPARE(store->GetSetting(Section, Key, QStringLiteral("/d")).Value(), QStringLiteral("/d"));
    }

    void singleInstanceWritesWhenFreed()
    {
        TSimpleSettingsManager& store = SettingsManager();
        QCOMPARE(&SettingsManager(), &store);
        store.SetFileNameComposer(m_composer.get());
        store.SetSettingValue(Section, Key, QStringLiteral("/data/single.s3db"));
        FreeSettingsManager();
        QCOMPARE(ValueInFile(m_fileName, Section + "/" + Key), QStringLiteral("/data/single.s3db"));

        SettingsManager().SetFileNameComposer(m_composer.get());
        QCOMPARE(ConnectionString(SettingsManager()), QStringLiteral("/data/single.s3db"));
        FreeSettingsManager();
    }
};

QTEST_MAIN(TestSimpleSettingsManager)
#include "TestSimpleSettingsManager.moc"
