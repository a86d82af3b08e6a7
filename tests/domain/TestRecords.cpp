#include "domain/Company.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentScheduleItem.h"
#include "support/SampleRecords.h"

#include <QTest>

#include <type_traits>

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void newRecordsAreNotStored()
    {
        QCOMPARE(TDebtor().GetID(), -1);
        QCOMPARE(TCredit().GetID(), -1);
        QCOMPARE(TPaymentScheduleItem().GetID(), -1);
        QCOMPARE(TPaymentHistoryItem().GetID(), -1);
        static_assert(!std::is_base_of_v<TSimpleIDObject, TCompany>, "a company has no ID");

        const TDebtor debtor;
        QVERIFY(debtor.GetName().isEmpty() && debtor.Surname.isEmpty() && debtor.City.isEmpty());
        const TPaymentScheduleItem row;
        QVERIFY(!row.WasDelay && !row.ActiveDelay && !row.Modified && !row.Deleted);
        QVERIFY(row.PaymentDate.IsZero());
    }

    void assignCopiesEverythingOrNothing()
    {
        TCredit credit = Sample::WorkedExampleCredit();
        credit.SetID(5);
        credit.ContractNumber = QStringLiteral("К-17");
        credit.PaymentsSum = Money::FromText(QStringLiteral("888.4879"));
        credit.DelayCount = 2;
        credit.ActiveDelayCount = 1;
        credit.FullMustBePaymentSum = Money::FromText(QStringLiteral("10661.8548"));

        TCredit copy;
        copy.Assign(&credit);
        QCOMPARE(copy.GetID(), 5);
        QCOMPARE(copy.ContractNumber, credit.ContractNumber);
        QCOMPARE(copy.ContractDate, credit.ContractDate);
        QCOMPARE(copy.PaymentsSum, credit.PaymentsSum);
        QCOMPARE(copy.ActiveDelayCount, 1);
        QCOMPARE(copy.FullMustBePaymentSum, credit.FullMustBePaymentSum);

        copy.Assign(nullptr); // no source: not even the ID changes
        QCOMPARE(copy.GetID(), 5);
        QCOMPARE(copy.CreditPeriod, 12);

        TPaymentScheduleItem row;
        row.SetID(101);
        row.Deleted = true;
        row.WasDelay = true;
        row.MustBePaymentSum = Money::FromUnits(7);
        TPaymentScheduleItem rowCopy;
        rowCopy.Assign(&row);
        QCOMPARE(rowCopy.GetID(), 101);
        QVERIFY(rowCopy.Deleted && rowCopy.WasDelay && !rowCopy.Modified);
        QCOMPARE(rowCopy.MustBePaymentSum, row.MustBePaymentSum);
    }

    void isPaidOff_data()
    {
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<bool>("paidOff");
        QTest::newRow("a kopeck left") << "0.01" << false;
        QTest::newRow("less than a kopeck") << "0.0099" << true;
        QTest::newRow("nothing") << "0" << true;
        QTest::newRow("overpaid") << "-0.0001" << true;
        QTest::newRow("a whole instalment") << "888.4879" << false;
    }
    void isPaidOff()
    {
        QFETCH(QString, remaining);
        QFETCH(bool, paidOff);
        TCredit credit;
        credit.PaymentsSum = Money::FromText(QStringLiteral("2665.4637"));
        credit.FullMustBePaymentSum = credit.PaymentsSum + Money::FromText(remaining);
        QCOMPARE(credit.RemainingDebt(), Money::FromText(remaining));
        QCOMPARE(credit.IsPaidOff(), paidOff);
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "TestRecords.moc"
