#include "control/ConnectorNotSuportedException.h"
#include "control/CustomStartupController.h"
#include "control/IStartupSettingsVisitor.h"
#include "control/SQLiteDBConnector.h"
#include "control/SQLiteDBConnectorConfigurator.h"
#include "data/DBVersionChecker.h"
#include "domain/Exception.h"

#include <QTest>
#include <functional>

// Outside the anonymous namespace: its name appears in a message.
class TForeignConnector : public TCustomDBConnector
{
public:
    void Reset() override {}
    bool Connect() override { return true; }
};

namespace {
class EDiskFullException : public Exception
{
public:
    using Exception::Exception;
};

// Opens or fails as told; counts its calls.
class TScriptedConnector : public TCustomDBConnector
{
public:
    std::function<bool()> onConnect = [] { return true; };
    int resets = 0;
    int connects = 0;

    void Reset() override { ++resets; }
    bool Connect() override
    {
        ++connects;
        return onConnect();
    }
};

class TScriptedConfigurator : public TCustomDBConnectorConfigurator
{
public:
    TScriptedConfigurator() : TCustomDBConnectorConfigurator(nullptr) {}
    std::function<void()> onSave = [] {};
    QStringList calls;

    void LoadSettings(TCustomDBConnector&) override { calls << QStringLiteral("load"); }
    void SaveSettings(TCustomDBConnector&) override
    {
        calls << QStringLiteral("save");
        onSave();
    }
};

class TFixedChecker : public IDBVersionChecker
{
public:
    bool answer = true;
    bool VerifyDBVersion(const TDBVersion&, std::optional<TDBVersion>&) override { return answer; }
};

// Records what the algorithm asked and answers as told.
class TRecordingController : public TCustomStartupController
{
public:
    QStringList calls;
    bool answerFailure = false;

protected:
    void ShowConnectionError(const Exception& error) override { calls << QStringLiteral("error: ") + error.Message(); }
    bool AcceptConnection() override
    {
        calls << QStringLiteral("accept");
        return true;
    }
    bool AskReconnectAfterFailure() override
    {
        calls << QStringLiteral("failure?");
        const bool answer = answerFailure;
        answerFailure = false;
        return answer;
    }
    bool AskReconnectAfterVersionMismatch(const TDBVersion&, const std::optional<TDBVersion>&) override
    {
        calls << QStringLiteral("mismatch?");
        return false;
    }
};

class TRecordingVisitor : public IStartupSettingsVisitor
{
public:
    QString stored = QStringLiteral("/books/stored.s3db");
    void ReadConnectionString(QString& value) override { value = stored; }
    void WriteConnectionString(const QString& value) override { stored = value; }
};
}

// The connect-and-ask algorithm and the configurator, apart from files and dialogs.
class TestStartupConnect : public QObject
{
    Q_OBJECT

    const TDBVersion m_expected = RequiredDBVersion();

private slots:
    void withoutConnectorNothingHappens()
    {
        TRecordingController controller;
        QVERIFY(!controller.Connect(cmStoredSettings, nullptr, nullptr, nullptr, m_expected));
        QCOMPARE(controller.calls, QStringList());
    }

    void storedSettingsAreLoadedOnlyAtStart_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("configuratorCalls");
        QTest::addColumn<int>("resets");
        QTest::newRow("stored settings") << int(cmStoredSettings) << QStringList{"load", "save"} << 1;
        QTest::newRow("reconfigure") << int(cmReconfigure) << QStringList{"save"} << 1;
        QTest::newRow("given file") << int(cmGivenFile) << QStringList{"save"} << 0;
    }
    void storedSettingsAreLoadedOnlyAtStart()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, configuratorCalls);
        QFETCH(int, resets);
        TRecordingController controller;
        TScriptedConnector connector;
        TScriptedConfigurator configurator;
        TFixedChecker checker;

        QVERIFY(controller.Connect(TConnectMode(mode), &connector, &configurator, &checker, m_expected));
        QCOMPARE(configurator.calls, configuratorCalls);
        QCOMPARE(connector.resets, resets);
        QCOMPARE(controller.calls, QStringList{"accept"});
    }

    void failedOpenOfAGivenFileAsksNothing()
    {
        TRecordingController controller;
        TScriptedConnector connector;
        connector.onConnect = [] { return false; };

        QVERIFY(!controller.Connect(cmGivenFile, &connector, nullptr, nullptr, m_expected));
        QCOMPARE(controller.calls, QStringList());
    }

    void yesAfterAFailureStartsOverAsReconfigure()
    {
        TRecordingController controller;
        controller.answerFailure = true;
        TScriptedConnector connector;
        connector.onConnect = [&connector] { return connector.connects > 1; };
        TScriptedConfigurator configurator;

        QVERIFY(controller.Connect(cmStoredSettings, &connector, &configurator, nullptr, m_expected));
        QCOMPARE(controller.calls, (QStringList{"failure?", "accept"}));
        QCOMPARE(configurator.calls, (QStringList{"load", "save"}));
        QCOMPARE(connector.resets, 2);
    }

    void errorWhileConnectingFailsWithoutAQuestion()
    {
        TRecordingController controller;
        TScriptedConnector connector;
        connector.onConnect = []() -> bool { throw EDiskFullException(QStringLiteral("Диск переполнен")); };

        QVERIFY(!controller.Connect(cmStoredSettings, &connector, nullptr, nullptr, m_expected));
        QCOMPARE(controller.calls, QStringList{"error: Диск переполнен"});
    }

    void errorWhileStoringKeepsTheAcceptedConnection()
    {
        TRecordingController controller;
        TScriptedConnector connector;
        TScriptedConfigurator configurator;
        configurator.onSave = [] { throw EDiskFullException(QStringLiteral("Диск переполнен")); };

        QVERIFY(controller.Connect(cmReconfigure, &connector, &configurator, nullptr, m_expected));
        QCOMPARE(controller.calls, (QStringList{"accept", "error: Диск переполнен"}));
    }

    void configuratorKeepsTheConnectionsFileName()
    {
        TSQLiteConnection* noConnection = nullptr;
        TSQLiteDBConnector connector(noConnection, nullptr);
        TRecordingVisitor visitor;
        TSQLiteDBConnectorConfigurator configurator(&visitor);

        configurator.LoadSettings(connector);
        QCOMPARE(connector.ConnectionString(), visitor.stored);
        // Without a connection there is no file name to keep.
        configurator.SaveSettings(connector);
        QCOMPARE(visitor.stored, QStringLiteral("/books/stored.s3db"));
    }

    void configuratorRefusesForeignConnectors_data()
    {
        QTest::addColumn<bool>("withVisitor");
        QTest::newRow("with settings") << true;
        QTest::newRow("without settings") << false;
    }
    void configuratorRefusesForeignConnectors()
    {
        QFETCH(bool, withVisitor);
        TRecordingVisitor visitor;
        TSQLiteDBConnectorConfigurator configurator(withVisitor ? &visitor : nullptr);
        TForeignConnector connector;
        const QString text = QStringLiteral(
            "Способ подключения «TForeignConnector» не поддерживается настройщиком "
            "«TSQLiteDBConnectorConfigurator».");

        for (const auto& call : {&TSQLiteDBConnectorConfigurator::LoadSettings,
                                 &TSQLiteDBConnectorConfigurator::SaveSettings}) {
            try {
                (configurator.*call)(connector);
                QFAIL("a foreign connector was taken");
            } catch (const EConnectorNotSuportedException& error) {
                QCOMPARE(error.Message(), text);
            }
        }
    }
};

QTEST_MAIN(TestStartupConnect)
#include "TestStartupConnect.moc"
