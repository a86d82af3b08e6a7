#include "../extras/UrlCatcher.h"
#include "support/StartupSandbox.h"
#include "support/WindowTestSupport.h"

#include "control/SystemController.h"
#include "data/DataAccessFacade.h"
#include "demo/DemoLoanBook.h"
#include "domain/Clock.h"
#include "domain/Debtor.h"
#include "extras/AboutForm.h"
#include "extras/DebtorMapAddress.h"
#include "extras/Game.h"
#include "extras/GameForm.h"
#include "mainwindow/MainForm.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QUrlQuery>

namespace {
// Where the pictures of the screen go when asked for (VARNEL_SCREENSHOTS=folder).
void SaveScreen(const QWidget& window, const QString& name)
{
    const QString folder = qEnvironmentVariable("VARNEL_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QCoreApplication::processEvents();
    window.screen()->grabWindow(0).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

void Enter(TGameForm* game, const QString& text)
{
    auto* edit = Find<QLineEdit>(game, "GameEdit");
    edit->clear();
    TypeText(edit, text);
    PressEnter(edit);
}
}

// The extras reached from the real main window on a demo loan book: the game
// from "Развлечения", the map from the details' pop-up menu, the About box
// from "Помощь".
class TestExtrasOnDemoBook : public QObject
{
    Q_OBJECT

    std::unique_ptr<TStartupSandbox> m_sandbox;
    TFixedClock m_clock{DateTime::FromYMD(2026, 12, 10, 10, 30)};
    std::unique_ptr<TTestProgram> m_program;
    TMainForm* m_form = nullptr;

    void Trigger(const char* action) { Find<QAction>(m_form, action)->trigger(); }

private slots:
    void initTestCase()
    {
        Clock::SetClock(&m_clock);
        m_sandbox = std::make_unique<TStartupSandbox>();
        const QString book = m_sandbox->Dir().filePath(QStringLiteral("demo.s3db"));
        TDemoLoanBook(TDemoLoanBook::DefaultDebtors, 20091).Create(book);
        m_sandbox->StoreConnectionString(book);
        m_program = std::make_unique<TTestProgram>();
        m_form = new TMainForm(m_program->Parts);
        m_form->show();
        QVERIFY(m_form->Controller());
    }
    void cleanupTestCase()
    {
        delete m_form;
        m_program.reset();
        m_sandbox.reset();
        Clock::SetClock(nullptr);
    }

    // Two turns: a guess on the mark doubles the bet, one far off loses it.
    void PlaysTheGame()
    {
        QStringList scores;
        QStringList tasks;
        WhenOpen<TGameForm>([&](TGameForm* game) {
            SaveScreen(*game, QStringLiteral("game-1-start"));
            Enter(game, QStringLiteral("300"));
            tasks << LabelText(game, "TaskLabel");
            SaveScreen(*game, QStringLiteral("game-2-riddle"));
            const qint64 roubles = game->Game()->CreditSize().Units() / Money::UnitsPerRouble;
            Enter(game, QString::number(roubles));
            scores << LabelText(game, "ScoreLabel");
            tasks << LabelText(game, "TaskLabel");
            SaveScreen(*game, QStringLiteral("game-3-won"));
            PressEnter(Find<QLineEdit>(game, "GameEdit"));
            Enter(game, QStringLiteral("500"));
            SaveScreen(*game, QStringLiteral("game-4-riddle"));
            Enter(game, QString::number(roubles * 3 + 1000));
            scores << LabelText(game, "ScoreLabel");
            SaveScreen(*game, QStringLiteral("game-5-lost"));
            QTest::mouseClick(Find<QPushButton>(game, "CloseButton"), Qt::LeftButton);
        });
        Trigger("PlayGameAction");
        QCOMPARE(scores, (QStringList{QStringLiteral("Счёт: 1300"), QStringLiteral("Счёт: 800")}));
        QCOMPARE(tasks.size(), 2);
        QVERIFY2(tasks[0].contains(QStringLiteral(" года ")) && tasks[0].contains(QStringLiteral("кредит.")),
                 qPrintable(tasks[0]));
        QVERIFY2(tasks[1].contains(QStringLiteral("Вы ошиблись на 0,0%.")), qPrintable(tasks[1]));
    }

    void ShowsTheDebtorOnTheMap()
    {
        auto* grid = Find<QTableView>(m_form, "DBGrid1");
        grid->setCurrentIndex(grid->model()->index(3, 1));
        const int debtorID = m_form->Controller()->CurrentDebtorID();
        TDebtor debtor;
        debtor.SetID(debtorID);
        m_program->Facade().LoadDebtor(debtor);
        TUrlCatcher browser;
        Trigger("OpenMapAction");
        QCOMPARE(browser.Opened.size(), 1);
        QCOMPARE(QUrlQuery(browser.Opened.first()).queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded),
                 DebtorMapAddress(debtor));
    }

    void ShowsAbout()
    {
        QString version;
        WhenOpen<TAboutForm>([&](TAboutForm* about) {
            version = Find<QLineEdit>(about, "VersionEdit")->text();
            SaveScreen(*about, QStringLiteral("about"));
            QTest::keyClick(about, Qt::Key_Return);
        });
        Trigger("ShowAboutFormAction");
        QCOMPARE(version, QApplication::applicationVersion());
    }
};

VARNEL_TEST_MAIN(TestExtrasOnDemoBook)
#include "TestExtrasOnDemoBook.moc"
