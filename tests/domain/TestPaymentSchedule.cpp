#include "domain/PaymentSchedule.h"

#include <QTest>

namespace {

// Rows with the given IDs and instalments 1, 2, 3, ...
void Fill(TPaymentSchedule& schedule, const QList<int>& ids)
{
    for (int i = 0; i < ids.size(); ++i) {
        auto row = std::make_unique<TPaymentScheduleItem>();
        row->SetID(ids[i]);
        row->Annua = Money::FromText(QString::number(i + 1));
        row->Balance = Money::FromText(QString::number(100 - i));
        row->PaymentDate = DateTime::FromYMD(2009, 2 + i, 15);
        row->MustBePaymentSum = Money::FromUnits(i);
        row->ActiveDelay = i == 1;
        schedule.Add(std::move(row));
    }
}

QList<int> IDs(const TPaymentSchedule& schedule)
{
    QList<int> ids;
    for (const auto& row : schedule)
        ids << row->GetID();
    return ids;
}

}

class TestPaymentSchedule : public QObject
{
    Q_OBJECT

private slots:
    void assignFromMakesAnIndependentCopy()
    {
        TPaymentSchedule source;
        Fill(source, {101, 102, 103});
        source.Items(2)->Deleted = true;
        TPaymentSchedule copy;
        Fill(copy, {7});
        copy.AssignFrom(&source);
        QCOMPARE(IDs(copy), IDs(source));
        for (int i = 0; i < source.Count(); ++i) {
            const TPaymentScheduleItem* a = copy.Items(i);
            const TPaymentScheduleItem* b = source.Items(i);
            QVERIFY(a != b);
            QCOMPARE(a->Annua, b->Annua);
            QCOMPARE(a->Balance, b->Balance);
            QCOMPARE(a->PaymentDate, b->PaymentDate);
            QCOMPARE(a->MustBePaymentSum, b->MustBePaymentSum);
            QCOMPARE(a->ActiveDelay, b->ActiveDelay);
            QCOMPARE(a->Deleted, b->Deleted);
        }
        copy.Items(0)->Annua = Money::FromUnits(1);
        copy.Items(0)->Deleted = true;
        QCOMPARE(source.Items(0)->Annua.ToText(), QStringLiteral("1"));
        QVERIFY(!source.Items(0)->Deleted);

        copy.AssignFrom(nullptr);
        QCOMPARE(copy.Count(), 3);
        copy.AssignFrom(&copy); // onto itself: nothing is lost
        QCOMPARE(IDs(copy), (QList<int>{101, 102, 103}));
    }

    void appendCopiesKeepsTheExistingRows()
    {
        TPaymentSchedule schedule;
        Fill(schedule, {101, 102});
        TPaymentSchedule added;
        Fill(added, {-1, -1});
        schedule.AppendCopies(&added);
        schedule.AppendCopies(&schedule); // its own rows, each once
        QCOMPARE(IDs(schedule), (QList<int>{101, 102, -1, -1, 101, 102, -1, -1}));
    }

    void indexOfID_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("index");
        QTest::newRow("stored row") << 102 << 1;
        QTest::newRow("first new row") << -1 << 2;
        QTest::newRow("absent") << 999 << -1;
    }
    void indexOfID()
    {
        QFETCH(int, id);
        QFETCH(int, index);
        TPaymentSchedule schedule;
        Fill(schedule, {101, 102, -1, -1});
        QCOMPARE(schedule.IndexOfID(id), index);
    }

    void markDeletedFrom_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<bool>>("deleted");
        QTest::newRow("from the second") << 1 << QList<bool>{false, true, true};
        QTest::newRow("all") << 0 << QList<bool>{true, true, true};
        QTest::newRow("at the end") << 3 << QList<bool>{false, false, false};
        QTest::newRow("beyond the end") << 7 << QList<bool>{false, false, false};
    }
    void markDeletedFrom()
    {
        QFETCH(int, position);
        QFETCH(QList<bool>, deleted);
        TPaymentSchedule schedule;
        Fill(schedule, {101, 102, 103});
        schedule.MarkDeletedFrom(position);
        for (int i = 0; i < schedule.Count(); ++i)
            QCOMPARE(schedule.Items(i)->Deleted, deleted[i]);
    }

    void deletedRowsCountNowhere()
    {
        TPaymentSchedule schedule;
        QCOMPARE(schedule.SumOfAnnua(), Money());
        Fill(schedule, {101, 102, 103, 104});
        QCOMPARE(schedule.SumOfAnnua().ToText(), QStringLiteral("10"));
        schedule.RemoveDeleted(); // nothing flagged: nothing goes
        QCOMPARE(schedule.Count(), 4);

        schedule.Items(1)->Deleted = true;
        schedule.Items(3)->Deleted = true;
        QCOMPARE(schedule.SumOfAnnua().ToText(), QStringLiteral("4"));
        schedule.RemoveDeleted();
        QCOMPARE(IDs(schedule), (QList<int>{101, 103}));
        QCOMPARE(schedule.SumOfAnnua().ToText(), QStringLiteral("4"));
    }

    void badPositionsAreReported()
    {
        TPaymentSchedule schedule;
        Fill(schedule, {101});
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, schedule.Items(1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, schedule.Delete(-1));
        QCOMPARE(schedule.Count(), 1);
        QVERIFY(schedule.IsValidIndex(0));
        QVERIFY(!schedule.IsValidIndex(1));
        QVERIFY(!schedule.IsValidIndex(-1));
    }
};

QTEST_APPLESS_MAIN(TestPaymentSchedule)
#include "TestPaymentSchedule.moc"
