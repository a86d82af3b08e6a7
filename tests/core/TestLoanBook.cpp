// The loan book's operations over a real file: the totals each one keeps,
// its refusal of a decision the book no longer matches (another program
// writes between the clerk's look and the operation), and nothing written
// when it fails half-way.

#include "domain/BookChangedException.h"
#include "core/LoanBook.h"
#include "domain/PaymentRules.h"
#include "support/ClockPin.h"
#include "support/DataTestSupport.h"
#include "support/SampleRecords.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"

#include <QTest>

#include <functional>

using namespace DataTest;

namespace {

Money M(const char* text)
{
    return Money::FromText(QString::fromLatin1(text));
}

TDebtor SampleDebtor(const QString& surname = QStringLiteral("Аксёнова"))
{
    TDebtor debtor;
    debtor.Surname = surname;
    debtor.SetName(QStringLiteral("Ирина"));
    debtor.PatronymicName = QStringLiteral("Семёновна");
    debtor.Telephone = QStringLiteral("+7 (912) 000-00-00");
    debtor.PassportSeries = QStringLiteral("57 04");
    debtor.PassportNumber = QStringLiteral("123456");
    return debtor;
}

// A book with one debtor and the worked example's credit, as two programs
// see it: ours and another one on the same file.
struct TTwoPrograms
{
    TBook book;
    TLoanBook ours { *book.facade };
    std::unique_ptr<TDataAccessFacade> otherFacade = OpenFacade(book.path);
    TLoanBook other { *otherFacade };
    TDebtor debtor = SampleDebtor();
    TCredit credit = Sample::WorkedExampleCredit();
    TPaymentSchedule schedule;
    TCreditPicture pictureSeen;

    TTwoPrograms()
    {
        ours.AddDebtor(debtor);
        credit.ContractNumber = QStringLiteral("К-1");
        ours.AddCredit(debtor.GetID(), credit, schedule);
    }
    TCreditPicture Seen() { return ours.SeeCredit(credit.GetID()); }
    QByteArray Content() const { return DumpContent(book.path); }
};

// What every operation keeps: a credit's total is its schedule's sum, its
// paid total the sum of its payments, and nothing outlives its owner.
void VerifyStoredTotals(const TBook& book)
{
    QCOMPARE(book.Raw("SELECT Count(*) FROM Credits c WHERE Abs(c.FullMustBePaymentSum - "
                      "(SELECT IfNull(Sum(Annua), 0) FROM PaymentSchedule s WHERE s.CreditID = c.CreditID)) > 0.00001"),
             QByteArray("0"));
    QCOMPARE(book.Raw("SELECT Count(*) FROM Credits c WHERE Abs(IfNull(c.PaymentsSum, 0) - "
                      "(SELECT IfNull(Sum(PaymentSum), 0) FROM PaymentHistory p WHERE p.CreditID = c.CreditID)) > 0.00001"),
             QByteArray("0"));
    QCOMPARE(book.Raw("SELECT (SELECT Count(*) FROM Credits WHERE DebtorID NOT IN (SELECT DebtorID FROM Debtors)) "
                      "+ (SELECT Count(*) FROM PaymentSchedule WHERE CreditID NOT IN (SELECT CreditID FROM Credits)) "
                      "+ (SELECT Count(*) FROM PaymentHistory WHERE CreditID NOT IN (SELECT CreditID FROM Credits))"),
             QByteArray("0"));
}

using TStep = std::function<void(TTwoPrograms&)>;

}

class TestLoanBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PinLocale(); }

    void operationsKeepTheTotals_data()
    {
        QTest::addColumn<TStep>("operation");
        QTest::addColumn<QByteArray>("check");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("new credit with its schedule")
            << TStep([](TTwoPrograms&) {})
            << QByteArray("SELECT (SELECT Count(*) FROM PaymentSchedule) || ' ' || FullMustBePaymentSum FROM Credits")
            << QByteArray("12 10661.8548");
        QTest::newRow("payment kept for the next instalments")
            << TStep([](TTwoPrograms& t) { t.ours.RecordPayment(t.Seen(), M("2000"), false); })
            << QByteArray("SELECT PaymentSum || ' ' || AheadSum FROM PaymentHistory") << QByteArray("2000 0");
        QTest::newRow("payment that rebuilds the schedule")
            << TStep([](TTwoPrograms& t) { t.ours.RecordPayment(t.Seen(), M("3776.98"), true); })
            << QByteArray("SELECT PaymentSum || ' ' || AheadSum || ' ' || (SELECT Count(*) FROM PaymentSchedule) "
                          "FROM PaymentHistory")
            << QByteArray("1776.9758 2000.0042 12");
        QTest::newRow("respite")
            << TStep([](TTwoPrograms& t) { t.ours.GrantRespite(t.Seen(), t.schedule.Items(3)->GetID()); })
            << QByteArray("SELECT Annua = CreditPercents FROM PaymentSchedule ORDER BY PaymentDate LIMIT 1 OFFSET 3")
            << QByteArray("1");
        QTest::newRow("latest payment cancelled")
            << TStep([](TTwoPrograms& t) {
                   t.ours.RecordPayment(t.Seen(), M("900"), false);
                   const TPaymentHistoryItem second = t.ours.RecordPayment(t.Seen(), M("100"), false);
                   t.ours.CancelLatestPayment(t.credit.GetID(), second.GetID());
               })
            << QByteArray("SELECT PaymentsSum FROM Credits") << QByteArray("900");
        QTest::newRow("credit deleted with its rows")
            << TStep([](TTwoPrograms& t) {
                   t.ours.RecordPayment(t.Seen(), M("900"), false);
                   t.ours.DeleteCredit(t.Seen());
               })
            << QByteArray("SELECT ((SELECT Count(*) FROM Credits) + (SELECT Count(*) FROM PaymentSchedule) "
                          "+ (SELECT Count(*) FROM PaymentHistory)) || ' ' || (SELECT Count(*) FROM Debtors)")
            << QByteArray("0 1");
        QTest::newRow("debtor deleted with everything of his")
            << TStep([](TTwoPrograms& t) {
                   TCredit second = Sample::WorkedExampleCredit();
                   second.ContractNumber = QStringLiteral("К-2");
                   TPaymentSchedule rows;
                   t.ours.AddCredit(t.debtor.GetID(), second, rows);
                   t.ours.RecordPayment(t.Seen(), M("900"), false);
                   t.ours.DeleteDebtor(t.debtor);
               })
            << QByteArray("SELECT (SELECT Count(*) FROM Debtors) + (SELECT Count(*) FROM Credits) "
                          "+ (SELECT Count(*) FROM PaymentSchedule) + (SELECT Count(*) FROM PaymentHistory)")
            << QByteArray("0");
        QTest::newRow("debtor's details changed")
            << TStep([](TTwoPrograms& t) {
                   TDebtor changed = t.debtor;
                   changed.Telephone = QStringLiteral("+7 (912) 111-11-11");
                   t.ours.ChangeDebtor(t.debtor, changed);
               })
            << QByteArray("SELECT Telephone FROM Debtors") << QByteArray("+7 (912) 111-11-11");
    }

    void operationsKeepTheTotals()
    {
        QFETCH(TStep, operation);
        QFETCH(QByteArray, check);
        QFETCH(QByteArray, expected);
        const TClockPin clock(DateTime(QDate(2009, 3, 1), QTime(10, 0)));
        TTwoPrograms t;
        operation(t);
        QCOMPARE(t.book.Raw(check), expected);
        VerifyStoredTotals(t.book);
    }

    // Another program changes the book after our clerk looked and before the
    // decision is stored: nothing of it is written.
    void staleDecisionWritesNothing_data()
    {
        QTest::addColumn<TStep>("otherProgram");
        QTest::addColumn<TStep>("ourDecision");

        const TStep payWithRebuild = [](TTwoPrograms& t) {
            t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("3000"), true);
        };
        const TStep pay = [](TTwoPrograms& t) {
            t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("500"), false);
        };
        QTest::newRow("both rebuild the same credit") << payWithRebuild << TStep();
        QTest::newRow("respite after a rebuild elsewhere") << payWithRebuild << TStep([](TTwoPrograms& t) {
            t.ours.GrantRespite(t.pictureSeen, t.schedule.Items(5)->GetID());
        });
        QTest::newRow("payment after a respite elsewhere")
            << TStep([](TTwoPrograms& t) {
                   t.other.GrantRespite(t.other.SeeCredit(t.credit.GetID()), t.schedule.Items(4)->GetID());
               })
            << TStep([](TTwoPrograms& t) { t.ours.RecordPayment(t.pictureSeen, M("100"), false); });
        QTest::newRow("rebuild after a payment elsewhere") << pay << TStep();
        QTest::newRow("credit repaid elsewhere")
            << TStep([](TTwoPrograms& t) {
                   t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("10661.85"), false);
               })
            << TStep([](TTwoPrograms& t) { t.ours.RecordPayment(t.pictureSeen, M("888.49"), false); });
        QTest::newRow("credit deleted elsewhere")
            << TStep([](TTwoPrograms& t) { t.other.DeleteCredit(t.other.SeeCredit(t.credit.GetID())); })
            << TStep([](TTwoPrograms& t) { t.ours.RecordPayment(t.pictureSeen, M("100"), false); });
        QTest::newRow("credit's key taken by another contract")
            << TStep([](TTwoPrograms& t) {
                   RawExec(t.book.path, "UPDATE Credits SET ContractNumber = 'К-99'");
               })
            << TStep([](TTwoPrograms& t) { t.ours.OpenPayment(TCreditPicture::Of(t.debtor.GetID(), t.credit)); });
        QTest::newRow("payment cancelled on a credit deleted elsewhere")
            << TStep([](TTwoPrograms& t) {
                   t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("500"), false);
                   t.other.DeleteCredit(t.other.SeeCredit(t.credit.GetID()));
               })
            // The payment our clerk was shown: the only one, the first of a new book.
            << TStep([](TTwoPrograms& t) { t.ours.CancelLatestPayment(t.credit.GetID(), 1); });
        QTest::newRow("credit deleted after a payment elsewhere")
            << pay << TStep([](TTwoPrograms& t) { t.ours.DeleteCredit(t.pictureSeen); });
        QTest::newRow("telephone changed elsewhere")
            << TStep([](TTwoPrograms& t) {
                   TDebtor changed = t.debtor;
                   changed.Telephone = QStringLiteral("+7 (912) 222-22-22");
                   t.other.ChangeDebtor(t.debtor, changed);
               })
            << TStep([](TTwoPrograms& t) {
                   TDebtor changed = t.debtor;
                   changed.Flat = QStringLiteral("12");
                   t.ours.ChangeDebtor(t.debtor, changed);
               });
        QTest::newRow("debtor deleted elsewhere")
            << TStep([](TTwoPrograms& t) { t.other.DeleteDebtor(t.debtor); })
            << TStep([](TTwoPrograms& t) {
                   TCredit more = Sample::WorkedExampleCredit();
                   more.ContractNumber = QStringLiteral("К-3");
                   TPaymentSchedule rows;
                   t.ours.AddCredit(t.debtor.GetID(), more, rows);
               });
    }

    void staleDecisionWritesNothing()
    {
        QFETCH(TStep, otherProgram);
        QFETCH(TStep, ourDecision);
        const TClockPin clock(DateTime(QDate(2009, 3, 1), QTime(10, 0)));
        TTwoPrograms t;
        t.pictureSeen = t.Seen();
        otherProgram(t);
        const QByteArray before = t.Content();
        const TStep decision = ourDecision ? ourDecision : TStep([](TTwoPrograms& u) {
            u.ours.RecordPayment(u.pictureSeen, M("3000"), true);
        });
        QVERIFY_THROWS_EXCEPTION(EBookChangedException, decision(t));
        QCOMPARE(t.Content(), before);
        VerifyStoredTotals(t.book);
    }

    // Two clerks pay the same credit, neither rebuilding: both payments stand.
    void paymentsOnOneCreditBothStand()
    {
        const TClockPin clock(DateTime(QDate(2009, 3, 1), QTime(10, 0)));
        TTwoPrograms t;
        const TCreditPicture ourLook = t.Seen();
        const TPaymentHistoryItem theirs = t.other.RecordPayment(t.other.SeeCredit(t.credit.GetID()), M("500"), false);
        const TPaymentHistoryItem ours = t.ours.RecordPayment(ourLook, M("700"), false);
        QVERIFY(ours.GetID() > theirs.GetID());
        QCOMPARE(t.book.Raw("SELECT PaymentsSum FROM Credits"), QByteArray("1200"));
        VerifyStoredTotals(t.book);
    }

    void refusedInputWritesNothing_data()
    {
        QTest::addColumn<TStep>("operation");
        QTest::addColumn<QString>("message");

        const auto pay = [](const char* amount) {
            return TStep([amount](TTwoPrograms& t) { t.ours.RecordPayment(t.Seen(), M(amount), false); });
        };
        QTest::newRow("nothing paid") << pay("0") << PaymentRules::AboveZeroMessage();
        QTest::newRow("part of a kopeck") << pay("10.001") << PaymentRules::KopecksMessage();
        QTest::newRow("above the debt") << pay("10661.87") << PaymentRules::AboveDebtMessage();
        QTest::newRow("credit without a month") << TStep([](TTwoPrograms& t) {
            TCredit terms = Sample::WorkedExampleCredit();
            terms.ContractNumber = QStringLiteral("К-5");
            terms.CreditPeriod = 0;
            TPaymentSchedule rows;
            t.ours.AddCredit(t.debtor.GetID(), terms, rows);
        }) << QStringLiteral("Срок кредита: от 1 до 1200 месяцев.");
        QTest::newRow("debtor without a surname") << TStep([](TTwoPrograms& t) {
            TDebtor nameless = SampleDebtor(QStringLiteral("  "));
            t.ours.AddDebtor(nameless);
        }) << QStringLiteral("Введите фамилию.");
    }

    void refusedInputWritesNothing()
    {
        QFETCH(TStep, operation);
        QFETCH(QString, message);
        const TClockPin clock(DateTime(QDate(2009, 3, 1), QTime(10, 0)));
        TTwoPrograms t;
        const QByteArray before = t.Content();
        try {
            operation(t);
            QFAIL("refused input was taken");
        } catch (const Exception& refused) {
            QCOMPARE(refused.Message(), message);
        }
        QCOMPARE(t.Content(), before);
    }

    // A write that fails after the first rows of an operation are written
    // takes those rows back too.
    void failureHalfWayWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("failingTable");
        QTest::addColumn<TStep>("operation");

        QTest::newRow("payment after its rebuild")
            << QByteArray("PaymentHistory")
            << TStep([](TTwoPrograms& t) { t.ours.RecordPayment(t.Seen(), M("3000"), true); });
        QTest::newRow("credit before its schedule")
            << QByteArray("PaymentSchedule") << TStep([](TTwoPrograms& t) {
                   TCredit more = Sample::WorkedExampleCredit();
                   more.ContractNumber = QStringLiteral("К-4");
                   TPaymentSchedule rows;
                   t.ours.AddCredit(t.debtor.GetID(), more, rows);
               });
        QTest::newRow("debtor after his credits")
            << QByteArray("Debtors") << TStep([](TTwoPrograms& t) { t.ours.DeleteDebtor(t.debtor); });
    }

    void failureHalfWayWritesNothing()
    {
        QFETCH(QByteArray, failingTable);
        QFETCH(TStep, operation);
        const TClockPin clock(DateTime(QDate(2009, 3, 1), QTime(10, 0)));
        TTwoPrograms t;
        t.ours.RecordPayment(t.Seen(), M("100"), false);
        for (const char* event : { "INSERT", "DELETE" })
            RawExec(t.book.path, "CREATE TRIGGER Injected" + QByteArray(event) + " BEFORE " + event + " ON "
                                     + failingTable + " BEGIN SELECT RAISE(ABORT, 'disk gone'); END");
        const QByteArray before = t.Content();
        QVERIFY_THROWS_EXCEPTION(Exception, operation(t));
        QCOMPARE(t.Content(), before);
    }
};

QTEST_GUILESS_MAIN(TestLoanBook)
#include "TestLoanBook.moc"
