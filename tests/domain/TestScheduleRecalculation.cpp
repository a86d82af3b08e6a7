#include "ScheduleRowData.h"

#include "domain/Credit.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"
#include "domain/ScheduleCalculation.h"
#include "domain/ScheduleRecalculation.h"
#include "support/SampleRecords.h"

#include <QLocale>
#include <QTest>

namespace {

enum class Change { Advance, Respite };

// The worked example, or a variant of it, as loaded from a loan book with its
// stored schedule (ScheduleIDs 101, 102, ...).
Sample::TStoredCredit Stored(int period = 12, int percent = 12)
{
    TCredit credit = Sample::WorkedExampleCredit();
    credit.SetID(5);
    credit.CreditPeriod = period;
    credit.YearPercent = percent;
    return Sample::TStoredCredit(101, credit);
}

TPaymentScheduleItem Pivot(int id)
{
    TPaymentScheduleItem pivot;
    pivot.SetID(id);
    return pivot;
}

void Apply(Change change, const Sample::TStoredCredit& stored, int pivotID, const QString& advance,
           TPaymentSchedule* target)
{
    const TPaymentScheduleItem pivot = Pivot(pivotID);
    if (change == Change::Advance)
        ApplyAheadPayment(&stored.Credit, &pivot, &stored.Schedule, Money::FromText(advance), target);
    else
        MakeRespite(&stored.Credit, &pivot, &stored.Schedule, target);
}

bool SameRow(const TPaymentScheduleItem* a, const TPaymentScheduleItem* b)
{
    return a->GetID() == b->GetID() && a->PayingOff == b->PayingOff
        && a->CreditPercents == b->CreditPercents && a->Annua == b->Annua
        && a->Balance == b->Balance && a->PaymentDate == b->PaymentDate
        && a->WasDelay == b->WasDelay && a->ActiveDelay == b->ActiveDelay
        && a->Modified == b->Modified && a->Deleted == b->Deleted
        && a->MustBePaymentSum == b->MustBePaymentSum;
}

// A target holding one row that no routine would make.
void FillWithMarker(TPaymentSchedule& target)
{
    target.Clear();
    auto marker = std::make_unique<TPaymentScheduleItem>();
    marker->SetID(4242);
    target.Add(std::move(marker));
}


// A schedule kept as plain rows by the chain test, changed by rule rather than
// by the routines: Owed is the principal still owed after the row's month,
// which an advance lowers and a respite raises; the months after a change are
// a fresh annuity of it.
struct TModelRow
{
    DateTime Due;
    Money Annua, PayingOff, Balance, Owed;
};

void RebuildModelAfter(QList<TModelRow>& rows, int p, const TCredit& terms)
{
    TCredit rest;
    rest.PaymentDay = terms.PaymentDay;
    rest.ContractDate = terms.ContractDate;
    rest.YearPercent = terms.YearPercent;
    rest.CreditPeriod = int(rows.size()) - p - 1;
    rest.CreditSize = rows[p].Owed;
    TPaymentSchedule fresh;
    BuildSchedule(&fresh, &rest, rows[p].Due);
    for (int i = 0; i < fresh.Count(); ++i) {
        const TPaymentScheduleItem* row = fresh.Items(i);
        rows[p + 1 + i] = { row->PaymentDate, row->Annua, row->PayingOff, row->Balance, row->Balance };
    }
}

// One step "advance ROW AMOUNT" or "respite ROW" (rows counted from 1) on the model.
void ApplyToModel(QList<TModelRow>& rows, const QString& step, const TCredit& terms)
{
    const QStringList words = step.split(QLatin1Char(' '));
    const int p = words[1].toInt() - 1;
    if (words[0] == QLatin1String("advance")) {
        rows[p].Owed -= Money::FromText(words[2]);
    } else {
        const Money principal = rows[p].PayingOff;
        rows[p].Annua -= principal;
        rows[p].PayingOff = Money();
        rows[p].Balance += principal;
        rows[p].Owed += principal;
    }
    RebuildModelAfter(rows, p, terms);
}

// The same step through the routines on the stored schedule, which is then
// written back as the loan book would: replaced rows gone, new rows with new IDs.
void ApplyToStored(Sample::TStoredCredit& stored, const QString& step, int& nextID)
{
    const QStringList words = step.split(QLatin1Char(' '));
    const Change change = words[0] == QLatin1String("advance") ? Change::Advance : Change::Respite;
    const int pivotID = stored.Schedule.Items(words[1].toInt() - 1)->GetID();
    TPaymentSchedule target;
    Apply(change, stored, pivotID, words.value(2), &target);
    target.RemoveDeleted();
    for (int i = 0; i < target.Count(); ++i) {
        TPaymentScheduleItem* row = target.Items(i);
        if (row->GetID() == -1)
            row->SetID(nextID++);
        row->Modified = false;
    }
    stored.Schedule.AssignFrom(&target);
}
}

Q_DECLARE_METATYPE(Change)

class TestScheduleRecalculation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    }

    // What the user sees: the target without its Deleted rows.
    void workedExamples_data()
    {
        QTest::addColumn<Change>("change");
        AddScheduleRowColumns();
        const auto row = [](const char* name, Change change, int n, QDate date, const char* annua,
                            const char* percents, const char* payingOff, const char* balance,
                            const char* mustBePaid) {
            QTest::newRow(name) << change << n << date << QString(annua) << QString(percents)
                                << QString(payingOff) << QString(balance) << QString(mustBePaid);
        };
        const Change a = Change::Advance;
        row("advance, row 1", a, 1, QDate(2009, 2, 15), "888.4879", "100.0000", "788.4879", "9211.5121", "888.4879");
        row("advance, row 2", a, 2, QDate(2009, 3, 15), "888.4879", "92.1151", "796.3728", "8415.1393", "1776.9758");
        row("advance, pivot", a, 3, QDate(2009, 4, 15), "888.4879", "84.1514", "804.3365", "7610.8028", "2665.4637");
        row("advance, row 4", a, 4, QDate(2009, 5, 15), "771.7475", "66.1080", "705.6395", "5905.1633", "3437.2112");
        row("advance, row 5", a, 5, QDate(2009, 6, 15), "771.7475", "59.0516", "712.6959", "5192.4674", "4208.9587");
        row("advance, row 12", a, 12, QDate(2010, 1, 15), "771.7475", "7.6411", "764.1064", "0.0001", "9611.1912");
        const Change r = Change::Respite;
        row("respite, row 2", r, 2, QDate(2009, 3, 15), "888.4879", "92.1151", "796.3728", "8415.1393", "1776.9758");
        row("respite, pivot", r, 3, QDate(2009, 4, 15), "84.1514", "84.1514", "0.0000", "8415.1393", "1861.1272");
        row("respite, row 4", r, 4, QDate(2009, 5, 15), "982.3864", "84.1514", "898.2350", "7516.9043", "2843.5136");
        row("respite, row 12", r, 12, QDate(2010, 1, 15), "982.3864", "9.7266", "972.6598", "0.0002", "10702.6048");
    }
    void workedExamples()
    {
        QFETCH(Change, change);
        QFETCH(int, row);
        const Sample::TStoredCredit stored = Stored();
        TPaymentSchedule target;
        Apply(change, stored, 103, QStringLiteral("1000"), &target);
        QCOMPARE(target.SumOfAnnua().ToFixedText(),
                 change == Change::Advance ? QStringLiteral("9611.1912") : QStringLiteral("10702.6048"));
        target.RemoveDeleted();
        QCOMPARE(target.Count(), 12);
        CompareScheduleRow(target.Items(row - 1));
    }

    // Changes of one credit one after another, at one row and on successive
    // rows: each advance lowers the debt once, a respite after an advance
    // keeps it. Compared row by row with the schedule changed by rule.
    void chainsOfChanges_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("sumOfAnnua");
        QTest::newRow("one advance (worked example)") << QStringList{"advance 3 1000"} << "9611.1912";
        QTest::newRow("two advances at one row")
            << QStringList{"advance 3 1000", "advance 3 500"} << "9085.8594";
        QTest::newRow("the same as one advance of their sum") << QStringList{"advance 3 1500"} << "9085.8594";
        QTest::newRow("three advances at one row")
            << QStringList{"advance 3 1000", "advance 3 500", "advance 3 250"} << "8823.1935";
        QTest::newRow("advance, then respite at that row")
            << QStringList{"advance 3 1000", "respite 3"} << "9651.9421";
        QTest::newRow("respite, then advance at that row")
            << QStringList{"respite 3", "advance 3 1000"} << "9651.9421";
        QTest::newRow("respite twice at one row") << QStringList{"respite 3", "respite 3"} << "10702.6048";
        QTest::newRow("advances on successive rows")
            << QStringList{"advance 3 1000", "advance 4 500", "advance 5 250"} << "8828.3307";
        QTest::newRow("advance, respite on the next row, advance on the one after")
            << QStringList{"advance 3 1000", "respite 4", "advance 5 300"} << "9331.1945";
        QTest::newRow("advance at the second-to-last row twice")
            << QStringList{"advance 11 100", "advance 11 50"} << "10510.3545";
    }
    void chainsOfChanges()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, sumOfAnnua);
        Sample::TStoredCredit stored = Stored();
        QList<TModelRow> model;
        for (const auto& row : stored.Schedule)
            model << TModelRow{ row->PaymentDate, row->Annua, row->PayingOff, row->Balance, row->Balance };
        int nextID = 201;
        for (const QString& step : steps) {
            ApplyToStored(stored, step, nextID);
            ApplyToModel(model, step, stored.Credit);
        }
        QCOMPARE(stored.Schedule.Count(), 12);
        Money modelSum;
        for (int i = 0; i < 12; ++i) {
            const TPaymentScheduleItem* row = stored.Schedule.Items(i);
            const QByteArray where = QByteArray("row ") + QByteArray::number(i + 1);
            QVERIFY2(row->PaymentDate == model[i].Due, where);
            QCOMPARE(row->Annua.ToFixedText(), model[i].Annua.ToFixedText());
            QCOMPARE(row->PayingOff.ToFixedText(), model[i].PayingOff.ToFixedText());
            QCOMPARE(row->Balance.ToFixedText(), model[i].Balance.ToFixedText());
            modelSum += model[i].Annua;
        }
        QCOMPARE(stored.Schedule.SumOfAnnua().ToFixedText(), modelSum.ToFixedText());
        QCOMPARE(stored.Schedule.SumOfAnnua().ToFixedText(), sumOfAnnua);
        QCOMPARE(stored.Schedule.Items(11)->MustBePaymentSum.ToFixedText(), sumOfAnnua);
    }

    // The layout the write-back relies on: kept rows, the replaced rows still
    // there flagged Deleted with their IDs and totals, then the new rows.
    void targetKeepsWhatTheWriteBackNeeds_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("pivotID");
        QTest::newRow("advance at row 3") << Change::Advance << 103;
        QTest::newRow("respite at row 3") << Change::Respite << 103;
        QTest::newRow("advance at the first row") << Change::Advance << 101;
        QTest::newRow("respite at the second-to-last row") << Change::Respite << 111;
    }
    void targetKeepsWhatTheWriteBackNeeds()
    {
        QFETCH(Change, change);
        QFETCH(int, pivotID);
        const Sample::TStoredCredit stored = Stored();
        TPaymentSchedule target;
        Apply(change, stored, pivotID, QStringLiteral("1000"), &target);

        const int b = pivotID - 101;
        const int after = 12 - b - 1;
        QCOMPARE(target.Count(), 12 + after);
        for (int i = 0; i < 12; ++i) {
            const TPaymentScheduleItem* row = target.Items(i);
            const TPaymentScheduleItem* storedRow = stored.Schedule.Items(i);
            QCOMPARE(row->GetID(), 101 + i);
            if (i < b) {
                QVERIFY2(SameRow(row, storedRow), "a row before the pivot changed");
            } else if (i == b) {
                QCOMPARE(row->Modified, change == Change::Respite);
                QVERIFY(!row->Deleted);
            } else {
                QVERIFY(row->Deleted);
                QCOMPARE(row->MustBePaymentSum, storedRow->MustBePaymentSum);
            }
        }
        for (int i = 12; i < target.Count(); ++i) {
            const TPaymentScheduleItem* row = target.Items(i);
            QCOMPARE(row->GetID(), -1);
            QVERIFY(!row->WasDelay && !row->ActiveDelay && !row->Modified && !row->Deleted);
            QCOMPARE(row->PaymentDate, target.Items(i - after)->PaymentDate);
        }
        // The credit is read, never written.
        QCOMPARE(stored.Credit.FullMustBePaymentSum.ToFixedText(), QStringLiteral("10661.8548"));
        QCOMPARE(stored.Credit.CreditPeriod, 12);
        target.RemoveDeleted();
        QCOMPARE(target.Count(), 12);
    }

    void advanceEdges_data()
    {
        QTest::addColumn<int>("pivotID");
        QTest::addColumn<QString>("advance");
        QTest::addColumn<QString>("annua");          // of every new row
        QTest::addColumn<QString>("firstPercents");  // of the first new row
        QTest::addColumn<QString>("lastBalance");
        QTest::addColumn<QString>("sumOfAnnua");
        QTest::newRow("worked example") << 103 << "1000" << "771.7475" << "66.1080" << "0.0001" << "9611.1912";
        // Paid up to the pivot's running total: nothing is left to pay.
        QTest::newRow("advance equal to the balance")
            << 103 << "7610.8028" << "0.0000" << "0.0000" << "0.0000" << "2665.4637";
        // The whole remaining debt with future interest paid at once.
        QTest::newRow("advance larger than the balance")
            << 103 << "7996.3911" << "-45.0137" << "-3.8559" << "-0.0001" << "2260.3404";
        // One month left: (879.6907 - advance) x 1.01.
        QTest::newRow("second-to-last, no advance")
            << 111 << "0" << "888.4876" << "8.7969" << "0.0000" << "10661.8545";
        QTest::newRow("second-to-last") << 111 << "100" << "787.4876" << "7.7969" << "0.0000" << "10560.8545";
        QTest::newRow("negative advance raises the balance")
            << 111 << "-100" << "989.4876" << "9.7969" << "0.0000" << "10762.8545";
    }
    void advanceEdges()
    {
        QFETCH(int, pivotID);
        QFETCH(QString, advance);
        QFETCH(QString, annua);
        QFETCH(QString, firstPercents);
        QFETCH(QString, lastBalance);
        QFETCH(QString, sumOfAnnua);
        const Sample::TStoredCredit stored = Stored();
        TPaymentSchedule target;
        Apply(Change::Advance, stored, pivotID, advance, &target);
        target.RemoveDeleted();
        const int b = pivotID - 101;
        for (int i = b + 1; i < target.Count(); ++i) {
            QCOMPARE(target.Items(i)->Annua.ToFixedText(), annua);
            QCOMPARE(target.Items(i)->PayingOff + target.Items(i)->CreditPercents, target.Items(i)->Annua);
        }
        QCOMPARE(target.Items(b + 1)->CreditPercents.ToFixedText(), firstPercents);
        QCOMPARE(target.Items(target.Count() - 1)->Balance.ToFixedText(), lastBalance);
        QCOMPARE(target.SumOfAnnua().ToFixedText(), sumOfAnnua);
        QCOMPARE(target.Items(target.Count() - 1)->MustBePaymentSum.ToFixedText(), sumOfAnnua);
    }

    // An interest-free credit is rebuilt in equal parts too, not to nothing.
    void interestFreeRebuild_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("annuas");
        QTest::addColumn<QString>("lastBalance");
        QTest::newRow("advance 1000 at row 1")
            << Change::Advance << QStringList{"2500", "2166.6667", "2166.6667", "2166.6667"} << "-0.0001";
        QTest::newRow("respite at row 1")
            << Change::Respite << QStringList{"0", "3333.3333", "3333.3333", "3333.3333"} << "0.0001";
    }
    void interestFreeRebuild()
    {
        QFETCH(Change, change);
        QFETCH(QStringList, annuas);
        QFETCH(QString, lastBalance);
        const Sample::TStoredCredit stored = Stored(4, 0);
        TPaymentSchedule target;
        Apply(change, stored, 101, QStringLiteral("1000"), &target);
        target.RemoveDeleted();
        QCOMPARE(target.Count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(target.Items(i)->Annua.ToText(), annuas[i]);
            QCOMPARE(target.Items(i)->CreditPercents, Money());
        }
        QCOMPARE(target.Items(3)->Balance.ToText(), lastBalance);
    }

    void failures_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("pivotID");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("targetUntouched"); // otherwise: a plain copy of the source
        const QString notFound = QStringLiteral("Строка не найдена в графике выплат.");
        const QString last = QStringLiteral("Нельзя делать опережение для последнего платежа.");
        QTest::newRow("advance, unknown row") << Change::Advance << 999 << notFound << false;
        QTest::newRow("advance, new row") << Change::Advance << -1 << notFound << false;
        QTest::newRow("advance, last row") << Change::Advance << 112 << last << false;
        QTest::newRow("respite, unknown row") << Change::Respite << 999 << notFound << true;
        QTest::newRow("respite, last row") << Change::Respite << 112 << last << false;
    }
    void failures()
    {
        QFETCH(Change, change);
        QFETCH(int, pivotID);
        QFETCH(QString, message);
        QFETCH(bool, targetUntouched);
        const Sample::TStoredCredit stored = Stored();
        TPaymentSchedule target;
        FillWithMarker(target);
        try {
            Apply(change, stored, pivotID, QStringLiteral("1000"), &target);
            QFAIL("no error raised");
        } catch (const Exception& e) {
            QCOMPARE(e.Message(), message);
        }
        if (targetUntouched) {
            QCOMPARE(target.Count(), 1);
            QCOMPARE(target.Items(0)->GetID(), 4242);
            return;
        }
        QCOMPARE(target.Count(), stored.Schedule.Count());
        for (int i = 0; i < target.Count(); ++i)
            QVERIFY2(SameRow(target.Items(i), stored.Schedule.Items(i)), "not a plain copy");
    }

    void missingArgumentsDoNothing()
    {
        const Sample::TStoredCredit stored = Stored();
        const TPaymentScheduleItem pivot = Pivot(103);
        const Money advance = Money::FromText(QStringLiteral("1000"));
        TPaymentSchedule target;
        FillWithMarker(target);
        ApplyAheadPayment(nullptr, &pivot, &stored.Schedule, advance, &target);
        ApplyAheadPayment(&stored.Credit, nullptr, &stored.Schedule, advance, &target);
        ApplyAheadPayment(&stored.Credit, &pivot, nullptr, advance, &target);
        ApplyAheadPayment(&stored.Credit, &pivot, &stored.Schedule, advance, nullptr);
        MakeRespite(nullptr, &pivot, &stored.Schedule, &target);
        MakeRespite(&stored.Credit, nullptr, &stored.Schedule, &target);
        MakeRespite(&stored.Credit, &pivot, nullptr, &target);
        MakeRespite(&stored.Credit, &pivot, &stored.Schedule, nullptr);
        QCOMPARE(target.Count(), 1);
        QCOMPARE(target.Items(0)->GetID(), 4242);
    }
};

QTEST_APPLESS_MAIN(TestScheduleRecalculation)
#include "TestScheduleRecalculation.moc"
