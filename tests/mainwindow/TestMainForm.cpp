#include "support/LoanBookFiles.h"
#include "support/ScriptedUser.h"
#include "support/StartupSandbox.h"
#include "support/WindowTestSupport.h"

#include "mainwindow/MainForm.h"
#include "support/TestProgram.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

namespace {
// Counts the requests to end the program.
class TQuitSpy : public QObject
{
public:
    int count = 0;
    TQuitSpy() { qApp->installEventFilter(this); }
    ~TQuitSpy() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == qApp && event->type() == QEvent::Quit)
            ++count;
        return false;
    }
};

// How the program start went, seen from outside.
struct TStartOutcome
{
    bool shown = false;
    bool maximised = false;
    QString databasePanel;
    int exitCode = -1;
};
}

// The main window's first show, run in the message loop as the program runs it.
class TestMainForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStartupSandbox> m_sandbox;

    QDir Dir() const { return m_sandbox->Dir(); }
    // Shows the window as main() does, then, once the start is over (the
    // overdue indexing of a new book included) and if the window appeared,
    // chooses "Выход".
    TStartOutcome Start(TMainForm& form)
    {
        TStartOutcome outcome;
        QTimer::singleShot(0, &form, &QWidget::show);
        std::function<void()> look = [&] {
            if (QApplication::activeModalWidget()) {
                QTimer::singleShot(10, &form, look);
                return;
            }
            outcome.shown = form.isVisible();
            outcome.maximised = form.isMaximized();
            outcome.databasePanel = form.DatabasePanelText();
            if (outcome.shown)
                form.findChild<QAction*>(QStringLiteral("ExitAction"))->trigger();
        };
        QTimer::singleShot(0, &form, look);
        outcome.exitCode = QCoreApplication::exec();
        return outcome;
    }

private slots:
    void init() { m_sandbox = std::make_unique<TStartupSandbox>(); }
    void cleanup() { m_sandbox.reset(); }

    void createdHiddenAndMaximised()
    {
        TTestProgram program;
        TMainForm form(program.Parts);
        QCOMPARE(form.windowTitle(), QStringLiteral("Varnel"));
        QVERIFY(!form.isVisible());
        QVERIFY(form.windowState().testFlag(Qt::WindowMaximized));
    }

    void start_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("shown");
        QTest::newRow("last book") << "GOOD" << QStringList() << true;
        QTest::newRow("first start, a book chosen") << "" << QStringList{"GOOD"} << true;
        QTest::newRow("first start, cancelled") << "" << QStringList{"cancel", "no"} << false;
        QTest::newRow("last book gone, no") << "GONE" << QStringList{"no"} << false;
        QTest::newRow("last book gone, another chosen") << "GONE" << QStringList{"yes", "GOOD"} << true;
    }
    void start()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, steps);
        QFETCH(bool, shown);
        const QString book = LoanBookFiles::Good(Dir());
        const QString gone = Dir().filePath(QStringLiteral("gone.s3db"));
        stored.replace(QStringLiteral("GOOD"), book).replace(QStringLiteral("GONE"), gone);
        if (!stored.isEmpty())
            m_sandbox->StoreConnectionString(stored);
        steps.replaceInStrings(QStringLiteral("GOOD"), book);
        TScriptedUser user;
        user.Play(steps);
        TQuitSpy quit;
        auto program = std::make_unique<TTestProgram>();
        auto form = std::make_unique<TMainForm>(program->Parts);

        const TStartOutcome outcome = Start(*form);
        QCOMPARE(outcome.shown, shown);
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(quit.count, 1);
        QCOMPARE(user.Unused(), 0);
        QVERIFY2(!user.Kinds().join(' ').contains(QStringLiteral("unexpected")), qPrintable(user.Kinds().join(' ')));
        if (shown) {
            QVERIFY(outcome.maximised);
            QCOMPARE(outcome.databasePanel, QStringLiteral("База: ") + book);
        }
        // The program ends: the window, then the parts (the settings file is written).
        form.reset();
        program.reset();
        QCOMPARE(m_sandbox->StoredConnectionString().toString(), shown ? book : stored);
    }

    void laterShowsDoNotConnectAgain()
    {
        const QString book = LoanBookFiles::Good(Dir());
        m_sandbox->StoreConnectionString(book);
        TScriptedUser user;
        TTestProgram program;
        TMainForm form(program.Parts);
        form.show();
        QVERIFY(form.isVisible());
        // Were the start-up run again, the vanished book would be questioned.
        QVERIFY(QFile::remove(book));
        form.hide();
        form.show();
        QVERIFY(form.isVisible());
        QCOMPARE(user.Kinds(), QStringList());
    }
};

VARNEL_TEST_MAIN(TestMainForm)

#include "TestMainForm.moc"
