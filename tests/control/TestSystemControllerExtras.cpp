#include "../extras/UrlCatcher.h"
#include "support/StartupSandbox.h"
#include "support/WindowTestSupport.h"

#include "control/SystemController.h"
#include "support/TestProgram.h"
#include "data/DataAccessFacade.h"
#include "data/LoanBookFile.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Credit.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/RandomGenerator.h"
#include "extras/AboutForm.h"
#include "extras/GameForm.h"
#include "ui/ModalDialogs.h"

#include <QLineEdit>
#include <QUrlQuery>

namespace {
// Hands out the numbers it was given, in order.
class TScriptedRandom : public IRandomGenerator
{
public:
    explicit TScriptedRandom(QList<int> numbers) : m_numbers(std::move(numbers)) {}
    int Random(int range) override
    {
        const int number = m_numbers.isEmpty() ? 0 : m_numbers.takeFirst();
        return number < range ? number : 0;
    }

private:
    QList<int> m_numbers;
};

// A loan book behind the program's facade and a controller over it. The
// debtors get IDs 1, 2, ... in the order of creditCounts, each with that many
// credits; -1 stands for a debtor deleted again, a gap in the IDs.
class TBookWithController
{
public:
    explicit TBookWithController(const QList<int>& creditCounts)
    {
        const QString path = m_sandbox.Dir().filePath(QStringLiteral("book.s3db"));
        CreateLoanBookFile(path);
        m_program = std::make_unique<TTestProgram>();
        m_program->UseFile(path);
        TDataAccessFacade* facade = &m_program->Facade();
        int number = 0;
        for (const int count : creditCounts) {
            ++number;
            TDebtor debtor;
            debtor.Surname = QStringLiteral("Должник%1").arg(number);
            debtor.SetName(QStringLiteral("Иван"));
            debtor.PatronymicName = QStringLiteral("Петрович");
            debtor.Region = QStringLiteral("Московская обл.");
            debtor.City = QStringLiteral("Москва");
            debtor.Street = QStringLiteral("Тверская");
            debtor.Building = QString::number(number);
            facade->InsertDebtor(debtor);
            for (int i = 0; i < count; ++i) {
                TCredit credit;
                credit.CreditSize = Money::FromUnits((number * 1000 + i) * Money::UnitsPerRouble);
                credit.CreditPeriod = 12;
                credit.ContractDate = DateTime::FromYMD(2009, 2, 15);
                facade->InsertCredit(debtor.GetID(), credit);
            }
            if (count < 0)
                facade->DeleteDebtor(debtor.GetID());
        }
        m_controller = std::make_unique<TSystemController>(m_program->Parts, nullptr, nullptr);
    }
    ~TBookWithController()
    {
        m_controller.reset();
    }

    TSystemController& Controller() { return *m_controller; }

    // The ID of the debtor's credit at that place.
    int CreditID(int debtorID, int index)
    {
        TCreditsList credits;
        m_program->Facade().LoadDebtorCredits(debtorID, credits);
        return credits.Items(index)->GetID();
    }

private:
    TStartupSandbox m_sandbox;
    std::unique_ptr<TTestProgram> m_program;
    std::unique_ptr<TSystemController> m_controller;
};

int Male(const QString&)
{
    return 1;
}
}

class TestSystemControllerExtras : public QObject
{
    Q_OBJECT

private slots:
    void PicksARandomCredit_data()
    {
        QTest::addColumn<QList<int>>("creditCounts");
        QTest::addColumn<QList<int>>("draws"); // the first ID, then the credit's place
        QTest::addColumn<int>("debtorID");     // 0: none found
        QTest::addColumn<int>("creditIndex");
        QTest::newRow("drawn debtor") << QList<int>{1, -1, 0, 2} << QList<int>{1, 0} << 1 << 0;
        QTest::newRow("from ID 0 to the first") << QList<int>{1, -1, 0, 2} << QList<int>{0, 0} << 1 << 0;
        QTest::newRow("over a gap and a debtor without credits") << QList<int>{1, -1, 0, 2} << QList<int>{2, 1} << 4 << 1;
        QTest::newRow("past the last ID from the first on") << QList<int>{2, 0, 0} << QList<int>{2, 1} << 1 << 1;
        QTest::newRow("no debtor") << QList<int>{} << QList<int>{0} << 0 << 0;
        QTest::newRow("debtors without credits") << QList<int>{0, 0, -1, 0} << QList<int>{1} << 0 << 0;
    }

    void PicksARandomCredit()
    {
        QFETCH(QList<int>, creditCounts);
        QFETCH(QList<int>, draws);
        QFETCH(int, debtorID);
        QFETCH(int, creditIndex);
        TBookWithController book(creditCounts);
        TScriptedRandom random(draws);
        book.Controller().SetRandomGenerator(&random);
        TDebtor debtor;
        TCredit credit;
        QCOMPARE(book.Controller().PickRandomCredit(debtor, credit), debtorID != 0);
        if (debtorID == 0)
            return;
        QCOMPARE(debtor.GetID(), debtorID);
        QCOMPARE(debtor.Surname, QStringLiteral("Должник%1").arg(debtorID));
        QCOMPARE(debtor.City, QStringLiteral("Москва"));
        QCOMPARE(credit.GetID(), book.CreditID(debtorID, creditIndex));
        QCOMPARE(credit.CreditSize, Money::FromUnits((debtorID * 1000 + creditIndex) * Money::UnitsPerRouble));
    }


    void PlaysTheGameOnTheBook()
    {
        TBookWithController book({1});
        book.Controller().SetNameSexFunction(Male);
        QString task;
        const TSeamAnswer play(SetModalHandler, [&task](QDialog& dialog) {
            auto* game = qobject_cast<TGameForm*>(&dialog);
            if (!game)
                return int(QDialog::Rejected);
            auto* edit = Find<QLineEdit>(game, "GameEdit");
            TypeText(edit, QStringLiteral("100"));
            PressEnter(edit);
            task = LabelText(game, "TaskLabel");
            return int(QDialog::Rejected);
        });
        book.Controller().PlayGame();
        QCOMPARE(task, QStringLiteral("15.02.2009 года Должник1 Иван взял кредит.\nУгадайте сумму кредита."));
    }

    void OpensTheCurrentDebtorOnTheMap()
    {
        TBookWithController book({0});
        TUrlCatcher browser;
        book.Controller().OpenDebtorOnMap();
        QCOMPARE(browser.Opened.size(), 1);
        QCOMPARE(QUrlQuery(browser.Opened.first()).queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded),
                 QStringLiteral("Московская обл., Москва, Тверская, 1"));
    }

    void NoMapWithoutADebtor()
    {
        TBookWithController book({});
        TUrlCatcher browser;
        QVERIFY(!RaisedMessage([&] { book.Controller().OpenDebtorOnMap(); }).isEmpty());
        QVERIFY(browser.Opened.isEmpty());
    }

    void ShowsAbout()
    {
        TBookWithController book({});
        QString version;
        const TSeamAnswer about(SetModalHandler, [&version](QDialog& dialog) {
            if (qobject_cast<TAboutForm*>(&dialog)) {
                dialog.show();
                version = Find<QLineEdit>(&dialog, "VersionEdit")->text();
            }
            return int(QDialog::Accepted);
        });
        book.Controller().ShowAbout();
        QCOMPARE(version, QApplication::applicationVersion());
        QVERIFY(!version.isEmpty());
    }
};

VARNEL_TEST_MAIN(TestSystemControllerExtras)
#include "TestSystemControllerExtras.moc"
