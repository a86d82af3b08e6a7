#include "support/LoanBookFiles.h"
#include "support/ScriptedUser.h"
#include "support/StartupSandbox.h"
#include "support/WindowTestSupport.h"

#include "control/StartUpController.h"
#include "control/SystemController.h"
#include "support/TestProgram.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"

#include <QProcess>
#include <QTest>

namespace {

const QString BusyText
    = QStringLiteral("Файл базы данных занят другой программой. Закройте её или повторите попытку позже.");

// A second program holding the book's exclusive lock for as long as it lives.
class TLockHolder
{
public:
    explicit TLockHolder(const QString& fileName)
    {
        m_process.start(QStringLiteral(VARNEL_BIN_DIR "/LockHolder"), { fileName });
        m_process.waitForStarted();
        QByteArray output;
        while (!output.contains("locked") && m_process.waitForReadyRead(30000))
            output += m_process.readAllStandardOutput();
        m_locked = output.contains("locked");
    }
    ~TLockHolder() { Release(); }

    bool Locked() const { return m_locked; }
    void Release()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished(30000);
    }

private:
    QProcess m_process;
    bool m_locked = false;
};

void StartTool(QProcess& process, const QStringList& arguments)
{
    process.start(QStringLiteral(VARNEL_BIN_DIR "/varnel-tool"), arguments);
}

}

// A loan book that another program holds locked is a loan book in use, not a
// foreign file: the start-up, check and index say that it is busy.
class TestBusyLoanBook : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStartupSandbox> m_sandbox;
    std::unique_ptr<TTestProgram> m_program;

private slots:
    void init()
    {
        m_sandbox = std::make_unique<TStartupSandbox>();
        m_program = std::make_unique<TTestProgram>();
    }
    void cleanup()
    {
        m_program.reset();
        m_sandbox.reset();
    }

    void startUpSaysTheBookIsBusy()
    {
        const QString book = LoanBookFiles::Good(m_sandbox->Dir());
        m_sandbox->StoreConnectionString(book);
        TLockHolder other(book);
        QVERIFY(other.Locked());
        m_program->StartUp.SetBusyTimeout(200);
        TScriptedUser user;

        QVERIFY(!m_program->StartUp.ConnectToDatabase(cmStoredSettings, QString()));
        QCOMPARE(user.Kinds(), QStringList{QStringLiteral("error")});
        QCOMPARE(user.Shown()[0].Text,
                 QStringLiteral("Возникла ошибка: \r\n«") + BusyText + QStringLiteral("» (EDatabaseBusyException)"));
    }

    void checkAndIndexSayTheBookIsBusy()
    {
        const QString book = LoanBookFiles::Good(m_sandbox->Dir());
        TLockHolder other(book);
        QVERIFY(other.Locked());
        // Both wait out the busy timeout at the same time.
        QProcess check;
        QProcess index;
        StartTool(check, { QStringLiteral("check"), book });
        StartTool(index, { QStringLiteral("index"), book, QStringLiteral("--today"), QStringLiteral("2009-05-10") });
        for (QProcess* tool : { &check, &index }) {
            QVERIFY(tool->waitForFinished(60000));
            QCOMPARE(tool->exitCode(), 1);
            QCOMPARE(QString::fromUtf8(tool->readAllStandardError()).trimmed(), BusyText);
        }

        other.Release();
        StartTool(check, { QStringLiteral("check"), book });
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(check.exitCode(), 0);
    }

    // The window's look for other programs' writes neither waits for nor
    // complains about a write in progress; it sees it once it is committed.
    void watchLooksAgainAfterAWriteInProgress()
    {
        const QString book = LoanBookFiles::Good(m_sandbox->Dir());
        m_sandbox->StoreConnectionString(book);
        QVERIFY(m_program->StartUp.ConnectToDatabase(cmStoredSettings, QString()));
        TSystemController controller(m_program->Parts, nullptr, nullptr);
        {
            TSQLiteConnection writer;
            writer.SetFileName(book);
            writer.Execute(QStringLiteral("INSERT INTO Debtors (Surname) VALUES ('Abramov')"));
        }
        TScriptedUser user;
        {
            TLockHolder other(book);
            QVERIFY(other.Locked());
            controller.CheckBookWrittenElsewhere();
            QCOMPARE(controller.DebtorsList()->RowCount(), 0);
        }
        controller.CheckBookWrittenElsewhere();
        QCOMPARE(controller.DebtorsList()->RowCount(), 1);
        QCOMPARE(user.Kinds(), QStringList());
    }
};

VARNEL_TEST_MAIN(TestBusyLoanBook)
#include "TestBusyLoanBook.moc"
