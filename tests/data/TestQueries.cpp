#include "support/ClockPin.h"
#include "support/DataTestSupport.h"
#include "support/SampleRecords.h"

#include "data/DataExceptions.h"
#include "sqlite/ResultSet.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"

namespace {

DateTime Day(int year, int month, int day)
{
    return DateTime::FromYMD(year, month, day);
}

QStringList ColumnNames(const TResultSet& result)
{
    QStringList names;
    for (int i = 0; i < result.ColumnCount(); ++i)
        names << result.ColumnName(i);
    return names;
}

// One column of every row, as text.
QStringList Values(const TResultSet& result, const QString& column)
{
    QStringList values;
    for (int row = 0; row < result.RowCount(); ++row)
        values << result.Text(row, result.ColumnIndex(column));
    return values;
}

QString DayKey(const DateTime& day)
{
    return day.Date().toString(QStringLiteral("yyyy-MM-dd 00:00:00.000"));
}

}

class TestQueries : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataTest::TBook> m_book;

    TDataAccessFacade& Facade() { return *m_book->facade; }
    void Raw(const QByteArray& sql) { DataTest::RawExec(m_book->path, sql); }

    int AddDebtor(const QString& surname, const QString& name = QStringLiteral("Иван"))
    {
        TDebtor debtor;
        debtor.Surname = surname;
        debtor.SetName(name);
        debtor.PatronymicName = QStringLiteral("Петрович");
        Facade().InsertDebtor(debtor);
        return debtor.GetID();
    }
    int AddCredit(int debtorID, const DateTime& contractDate = Day(2009, 1, 20))
    {
        TCredit credit = Sample::WorkedExampleCredit();
        credit.ContractNumber = QStringLiteral("К-%1").arg(debtorID);
        credit.ContractDate = contractDate;
        credit.FullMustBePaymentSum = Money::FromText(QStringLiteral("10661.8548"));
        Facade().InsertCredit(debtorID, credit);
        return credit.GetID();
    }
    // Rows due on those days, each with the given instalment and running total.
    void AddRows(int creditID, const QList<DateTime>& dues, const char* mustBePaymentSum = "888.4879",
                 const char* annua = "888.4879")
    {
        TPaymentSchedule schedule;
        for (const DateTime& due : dues)
            schedule.Add(DataTest::ScheduleRow(due, mustBePaymentSum, annua));
        Facade().InsertPaymentSchedule(creditID, schedule);
    }
    int AddPayment(int creditID, const DateTime& moment, const char* sum, const char* ahead = "0")
    {
        TPaymentHistoryItem payment;
        payment.PaymentDate = moment;
        payment.PaymentSum = Money::FromText(QString::fromLatin1(sum));
        payment.AheadSum = Money::FromText(QString::fromLatin1(ahead));
        Facade().InsertPayment(creditID, payment);
        return payment.GetID();
    }
    // A debtor with open overdue instalments, as the indexing would leave it.
    int AddDefaulter(const QString& surname, const QList<DateTime>& dues)
    {
        const int debtorID = AddDebtor(surname);
        AddRows(AddCredit(debtorID), dues);
        Raw("UPDATE Debtors SET ActiveDelayCount = 1 WHERE DebtorID = " + QByteArray::number(debtorID));
        return debtorID;
    }

private slots:
    void initTestCase() { DataTest::PinLocale(); }
    void init() { m_book = std::make_unique<DataTest::TBook>(); }
    void cleanup() { m_book.reset(); }

    void anEmptyBookGivesEmptyResultsAndZeroSums()
    {
        auto statistics = Facade().OpenStatisticsQuery();
        QCOMPARE(statistics->RowCount(), 1);
        QCOMPARE(statistics->Integer(0, QStringLiteral("CreditsCount")), 0);
        QCOMPARE(statistics->Integer(0, QStringLiteral("DebtorsCount")), 0);
        for (const char* column : { "CreditsSumm", "PaymentsSumm", "MinContractDate", "MaxContractDate", "MinPaymentDate" })
            QVERIFY2(statistics->IsNull(0, QLatin1String(column)), column);
        QCOMPARE(Facade().GetMonthPaymentForecast(5, 2009), Money());
        QCOMPARE(Facade().GetMonthPaymentsTotal(5, 2009), Money());
        QVERIFY(Facade().OpenDebtorsListQuery()->IsEmpty());
        QVERIFY(Facade().OpenDebtorsForDateQuery(Day(2009, 5, 15))->IsEmpty());
        QVERIFY(Facade().OpenInsolventQuery(Day(2009, 5, 15))->IsEmpty());
        QVERIFY(Facade().OpenPaymentsForDateQuery(Day(2009, 5, 15))->IsEmpty());
    }

    void statisticsSumUpTheBook()
    {
        const int first = AddCredit(AddDebtor(QStringLiteral("Иванов")), Day(2009, 1, 20));
        AddRows(first, { Day(2009, 2, 15), Day(2010, 1, 15) });
        const int second = AddCredit(AddDebtor(QStringLiteral("Петров")), Day(2008, 11, 3));
        AddRows(second, { Day(2009, 12, 10) });
        AddPayment(first, Day(2009, 2, 14), "888.4879");
        auto statistics = Facade().OpenStatisticsQuery();
        QCOMPARE(statistics->Integer(0, QStringLiteral("CreditsCount")), 2);
        QCOMPARE(statistics->Integer(0, QStringLiteral("DebtorsCount")), 2);
        QCOMPARE(statistics->MoneyValue(0, QStringLiteral("CreditsSumm")), Money::FromText(QStringLiteral("20000")));
        QCOMPARE(statistics->MoneyValue(0, QStringLiteral("PaymentsSumm")), Money::FromText(QStringLiteral("888.4879")));
        QCOMPARE(statistics->DateTimeValue(0, QStringLiteral("MinContractDate")), Day(2008, 11, 3));
        QCOMPARE(statistics->DateTimeValue(0, QStringLiteral("MaxContractDate")), Day(2009, 1, 20));
        // Named "Min", it has always carried the latest due date.
        QCOMPARE(statistics->DateTimeValue(0, QStringLiteral("MinPaymentDate")), Day(2010, 1, 15));
    }

    void resultsNameTheirColumnsForTheTemplates_data()
    {
        QTest::addColumn<int>("query");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("debtors list") << 0
                                      << QStringList { "DebtorID", "Surname", "Name", "PatronymicName", "DelayCount",
                                                       "ActiveDelayCount" };
        const QStringList debtorsSchedule { "DebtorID", "CreditID",         "PaymentsSum", "Name",          "Surname",
                                            "PatronymicName", "Telephone",   "Region",      "District",      "City",
                                            "Street",   "Building",         "Flat",        "MustBePaymentSum", "PayingOff",
                                            "CreditPercents", "Annua",      "PaymentDate", "ContractNumber", "DueDate" };
        QTest::newRow("debtors for a date") << 1 << debtorsSchedule;
        QTest::newRow("defaulters") << 2 << debtorsSchedule;
        const QStringList payments { "PaymentID", "CreditID", "PaymentDate", "PaymentSum",     "AheadSum",
                                     "Total",     "DebtorID", "Name",        "Surname",        "PatronymicName",
                                     "CreditID",  "ContractNumber", "ContractDate", "CreditSize", "FullMustBePaymentSum" };
        QTest::newRow("payments for a date") << 3 << payments;
        QTest::newRow("credit payments") << 4 << payments;
        QTest::newRow("payment order") << 5
                                       << QStringList { "PaymentID", "CreditID", "PaymentDate", "PaymentSum",
                                                        "OrderNumber", "Total", "Surname", "Name", "PatronymicName",
                                                        "CompanyName", "AheadSum", "ContractNumber", "ContractDate" };
        QTest::newRow("credit schedule") << 6
                                         << QStringList { "DebtorID", "Name", "Surname", "PatronymicName", "CreditID",
                                                          "ContractNumber", "ContractDate", "CreditSize",
                                                          "FullMustBePaymentSum", "PaymentsSum", "PaymentDate",
                                                          "Balance", "MustBePaymentSum", "PayingOff", "CreditPercents",
                                                          "Annua", "WasDelay" };
        QTest::newRow("statistics") << 7
                                    << QStringList { "CreditsCount", "CreditsSumm", "PaymentsSumm", "MinContractDate",
                                                     "MaxContractDate", "MinPaymentDate", "DebtorsCount" };
    }
    void resultsNameTheirColumnsForTheTemplates()
    {
        QFETCH(int, query);
        QFETCH(QStringList, names);
        const int creditID = AddCredit(AddDebtor(QStringLiteral("Иванов")));
        const int paymentID = AddPayment(creditID, Day(2009, 2, 15), "100");
        const DateTime day = Day(2009, 2, 15);
        std::unique_ptr<TResultSet> result;
        switch (query) {
        case 0: result = Facade().OpenDebtorsListQuery(); break;
        case 1: result = Facade().OpenDebtorsForDateQuery(day); break;
        case 2: result = Facade().OpenInsolventQuery(day); break;
        case 3: result = Facade().OpenPaymentsForDateQuery(day); break;
        case 4: result = Facade().OpenCreditPaymentsQuery(creditID); break;
        case 5: result = Facade().OpenPaymentOrderQuery(paymentID); break;
        case 6: result = Facade().OpenCreditScheduleQuery(creditID); break;
        default: result = Facade().OpenStatisticsQuery(); break;
        }
        QCOMPARE(ColumnNames(*result), names);
    }

    void theDebtorsListIsInNameOrderAndFilters()
    {
        AddDebtor(QStringLiteral("Петров"), QStringLiteral("Олег"));
        AddDebtor(QStringLiteral("Иванов"), QStringLiteral("Сергей"));
        AddDebtor(QStringLiteral("Иванов"), QStringLiteral("Анна"));
        Raw("UPDATE Debtors SET ActiveDelayCount = 2 WHERE DebtorID IN (1, 2)");
        auto list = Facade().OpenDebtorsListQuery();
        QCOMPARE(Values(*list, QStringLiteral("DebtorID")), QStringList({ "3", "2", "1" }));
        list->SetFiltered(true);
        list->SetFilter(QStringLiteral("ActiveDelayCount > 0"));
        list->Open();
        QCOMPARE(Values(*list, QStringLiteral("DebtorID")), QStringList({ "2", "1" }));
    }

    // Names in the Russian alphabet's order wherever a list is ordered by
    // name: Ё beside Е (and after it only where all else is equal), small
    // letters beside capitals.
    void namesAreInRussianOrder_data()
    {
        QTest::addColumn<QString>("query");
        QTest::newRow("debtors list") << "list";
        QTest::newRow("all defaulters") << "defaulters";
        QTest::newRow("payments of a day") << "payments";
    }
    void namesAreInRussianOrder()
    {
        QFETCH(QString, query);
        const QStringList sorted { "абрамов", "Ёжиков", "Ежов", "Елкин", "Ёлкин", "Жуков", "Яковлев" };
        for (const QString& surname : { sorted[6], sorted[4], sorted[5], sorted[2], sorted[0], sorted[3], sorted[1] })
            AddPayment(AddCredit(AddDefaulter(surname, { Day(2009, 5, 10) })), Day(2009, 5, 10), "100");
        std::unique_ptr<TResultSet> result;
        if (query == QStringLiteral("list"))
            result = Facade().OpenDebtorsListQuery();
        else if (query == QStringLiteral("defaulters"))
            result = Facade().OpenInsolventQuery(Day(2009, 5, 15));
        else
            result = Facade().OpenPaymentsForDateQuery(Day(2009, 5, 10));
        QCOMPARE(Values(*result, QStringLiteral("Surname")), sorted);
    }

    void aRowDueOnTheChosenDayWhateverItsTime_data()
    {
        QTest::addColumn<DateTime>("chosen");
        QTest::addColumn<int>("rows");
        QTest::newRow("midnight") << Day(2009, 5, 15) << 1;
        QTest::newRow("afternoon") << DateTime::FromYMD(2009, 5, 15, 13, 45, 7, 250) << 1;
        QTest::newRow("last millisecond") << DateTime::FromYMD(2009, 5, 15, 23, 59, 59, 999) << 1;
        QTest::newRow("the day before") << DateTime::FromYMD(2009, 5, 14, 23, 59, 59, 999) << 0;
        QTest::newRow("the day after") << Day(2009, 5, 16) << 0;
    }
    void aRowDueOnTheChosenDayWhateverItsTime()
    {
        QFETCH(DateTime, chosen);
        QFETCH(int, rows);
        AddRows(AddCredit(AddDebtor(QStringLiteral("Иванов"))), { Day(2009, 4, 15), Day(2009, 5, 15), Day(2009, 6, 15) });
        auto result = Facade().OpenDebtorsForDateQuery(chosen);
        QCOMPARE(result->RowCount(), rows);
        if (rows)
            QCOMPARE(result->Text(0, QStringLiteral("PaymentDate")), DayKey(Day(2009, 5, 15)));
    }

    void defaultersAreListedForTheMonthUpToTheDay_data()
    {
        QTest::addColumn<DateTime>("asOf");
        QTest::addColumn<QList<DateTime>>("dues");
        QTest::addColumn<QList<DateTime>>("listed");
        QTest::newRow("15 May") << Day(2009, 5, 15)
                                << QList<DateTime> { Day(2009, 4, 15), Day(2009, 4, 16), Day(2009, 5, 15), Day(2009, 5, 16) }
                                << QList<DateTime> { Day(2009, 4, 16), Day(2009, 5, 15) };
        QTest::newRow("31 March") << Day(2009, 3, 31)
                                  << QList<DateTime> { Day(2009, 2, 28), Day(2009, 3, 1), Day(2009, 3, 31) }
                                  << QList<DateTime> { Day(2009, 3, 1), Day(2009, 3, 31) };
        QTest::newRow("31 March of a leap year") << Day(2008, 3, 31)
                                                 << QList<DateTime> { Day(2008, 2, 28), Day(2008, 2, 29), Day(2008, 3, 1) }
                                                 << QList<DateTime> { Day(2008, 3, 1) };
        QTest::newRow("time of day of the argument ignored")
            << DateTime::FromYMD(2009, 5, 15, 18, 0) << QList<DateTime> { Day(2009, 5, 15) }
            << QList<DateTime> { Day(2009, 5, 15) };
    }
    void defaultersAreListedForTheMonthUpToTheDay()
    {
        QFETCH(DateTime, asOf);
        QFETCH(QList<DateTime>, dues);
        QFETCH(QList<DateTime>, listed);
        AddDefaulter(QStringLiteral("Сидоров"), dues);
        // Paid up: only the month's rows are listed.
        Raw("UPDATE Credits SET PaymentsSum = '100000'");
        QStringList expected;
        for (const DateTime& due : listed)
            expected << DayKey(due);
        QStringList actual = Values(*Facade().OpenInsolventQuery(asOf), QStringLiteral("PaymentDate"));
        actual.sort();
        QCOMPARE(actual, expected);
    }

    // A defaulter whose open instalments are months old is listed with each
    // of them, under the contract they belong to; covered and future rows are not.
    void everyUncoveredDueRowOfADefaulterIsListed_data()
    {
        QTest::addColumn<QByteArray>("paid");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("nothing paid")
            << QByteArray("0") << QStringList { DayKey(Day(2009, 1, 15)), DayKey(Day(2009, 2, 15)), DayKey(Day(2009, 3, 15)) };
        QTest::newRow("first covered") << QByteArray("900") << QStringList { DayKey(Day(2009, 2, 15)), DayKey(Day(2009, 3, 15)) };
        QTest::newRow("all covered") << QByteArray("5000") << QStringList {};
    }
    void everyUncoveredDueRowOfADefaulterIsListed()
    {
        QFETCH(QByteArray, paid);
        QFETCH(QStringList, listed);
        const int debtorID = AddDefaulter(QStringLiteral("Сидоров"), {});
        const int creditID = AddCredit(debtorID);
        TPaymentSchedule schedule;
        const char* totals[] = { "888.4879", "1776.9758", "2665.4637", "3553.9516" };
        const QList<DateTime> dues { Day(2009, 1, 15), Day(2009, 2, 15), Day(2009, 3, 15), Day(2009, 6, 15) };
        for (int row = 0; row < dues.size(); ++row)
            schedule.Add(DataTest::ScheduleRow(dues.at(row), totals[row], "888.4879"));
        Facade().InsertPaymentSchedule(creditID, schedule);
        Raw("UPDATE Credits SET PaymentsSum = '" + paid + "' WHERE CreditID = " + QByteArray::number(creditID));
        auto defaulters = Facade().OpenInsolventQuery(Day(2009, 5, 20));
        QCOMPARE(Values(*defaulters, QStringLiteral("PaymentDate")), listed);
        for (const QString& contract : Values(*defaulters, QStringLiteral("ContractNumber")))
            QCOMPARE(contract, QStringLiteral("К-%1").arg(debtorID));
    }

    void onlyDebtorsWithOpenOverduesAreDefaulters_data()
    {
        QTest::addColumn<QByteArray>("activeDelayCount");
        QTest::addColumn<bool>("listed");
        QTest::newRow("empty") << QByteArray("NULL") << false;
        QTest::newRow("zero") << QByteArray("0") << false;
        QTest::newRow("one") << QByteArray("1") << true;
    }
    void onlyDebtorsWithOpenOverduesAreDefaulters()
    {
        QFETCH(QByteArray, activeDelayCount);
        QFETCH(bool, listed);
        const int debtorID = AddDefaulter(QStringLiteral("Сидоров"), { Day(2009, 5, 10) });
        Raw("UPDATE Debtors SET ActiveDelayCount = " + activeDelayCount + " WHERE DebtorID = " + QByteArray::number(debtorID));
        QCOMPARE(Facade().OpenInsolventQuery(Day(2009, 5, 15))->RowCount(), listed ? 1 : 0);
    }

    void defaultersAreOrderedBySurname()
    {
        AddDefaulter(QStringLiteral("Сидоров"), { Day(2009, 5, 10) });
        AddDefaulter(QStringLiteral("Алексеев"), { Day(2009, 5, 11) });
        QCOMPARE(Values(*Facade().OpenInsolventQuery(Day(2009, 5, 15)), QStringLiteral("Surname")),
                 QStringList({ "Алексеев", "Сидоров" }));
    }

    // The shortfall is compared in whole ten-thousandths: in binary floating point
    // 2665.4637 - 2665.4537 falls just short of 0.01 and the kopeck would be lost.
    void aShortfallOfOneKopeckMakesADefaulter_data()
    {
        QTest::addColumn<QString>("paid");
        QTest::addColumn<bool>("listed");
        QTest::newRow("short by 0.01") << "2665.4537" << true;
        QTest::newRow("short by 0.0099") << "2665.4538" << false;
        QTest::newRow("paid in full") << "2665.4637" << false;
    }
    void aShortfallOfOneKopeckMakesADefaulter()
    {
        QFETCH(QString, paid);
        QFETCH(bool, listed);
        const TClockPin clock(DateTime::FromYMD(2009, 5, 12, 10, 0));
        const int creditID = AddCredit(AddDebtor(QStringLiteral("Сидоров")));
        AddRows(creditID, { Day(2009, 5, 10) }, "2665.4637");
        AddPayment(creditID, DateTime::FromYMD(2009, 5, 9, 12, 0), paid.toLatin1().constData());
        Facade().UpdateSchedulesDelay();
        QCOMPARE(Facade().OpenInsolventQuery(Day(2009, 5, 12))->RowCount(), listed ? 1 : 0);
    }

    void paymentsOfTheChosenDayToTheLastMillisecond()
    {
        const int ivanov = AddCredit(AddDebtor(QStringLiteral("Иванов")));
        const int alekseev = AddCredit(AddDebtor(QStringLiteral("Алексеев")));
        AddPayment(ivanov, DateTime::FromYMD(2009, 5, 13, 23, 59, 59, 999), "1");
        const int first = AddPayment(ivanov, Day(2009, 5, 14), "2");
        const int last = AddPayment(alekseev, DateTime::FromYMD(2009, 5, 14, 23, 59, 59, 999), "3");
        AddPayment(alekseev, Day(2009, 5, 15), "4");
        auto payments = Facade().OpenPaymentsForDateQuery(DateTime::FromYMD(2009, 5, 14, 12, 30));
        QCOMPARE(Values(*payments, QStringLiteral("PaymentID")),
                 QStringList({ QString::number(last), QString::number(first) })); // by surname
    }

    void monthSumsCountTheWholeMonth_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("forecast");
        QTest::addColumn<QString>("taken");
        // Rows due (instalment): 30.04 (1), 01.05 (10), 31.05 (100), 01.06 (1000), 29.02.2008 (10000).
        // Payments (sum + ahead): 30.04 23:59:59.999 (1), 01.05 00:00 (10 + 5), 31.05 21:30 (100),
        // 01.06 00:00 (1000), 29.02.2008 23:59:59.999 (10000).
        QTest::newRow("May") << 5 << 2009 << "110" << "115";
        QTest::newRow("June") << 6 << 2009 << "1000" << "1000";
        QTest::newRow("February of a leap year") << 2 << 2008 << "10000" << "10000";
        QTest::newRow("a month without anything") << 7 << 2009 << "0" << "0";
    }
    void monthSumsCountTheWholeMonth()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, forecast);
        QFETCH(QString, taken);
        const int creditID = AddCredit(AddDebtor(QStringLiteral("Иванов")));
        const struct
        {
            DateTime Due;
            const char* Annua;
            DateTime Paid;
            const char* Ahead;
        } months[] = {
            { Day(2009, 4, 30), "1", DateTime::FromYMD(2009, 4, 30, 23, 59, 59, 999), "0" },
            { Day(2009, 5, 1), "10", Day(2009, 5, 1), "5" },
            { Day(2009, 5, 31), "100", DateTime::FromYMD(2009, 5, 31, 21, 30), "0" },
            { Day(2009, 6, 1), "1000", Day(2009, 6, 1), "0" },
            { Day(2008, 2, 29), "10000", DateTime::FromYMD(2008, 2, 29, 23, 59, 59, 999), "0" },
        };
        for (const auto& m : months) {
            AddRows(creditID, { m.Due }, m.Annua, m.Annua);
            AddPayment(creditID, m.Paid, m.Annua, m.Ahead);
        }
        QCOMPARE(Facade().GetMonthPaymentForecast(month, year), Money::FromText(forecast));
        QCOMPARE(Facade().GetMonthPaymentsTotal(month, year), Money::FromText(taken));
    }

    void monthBounds_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("lastDay"); // 0: not a month
        QTest::newRow("January") << 1 << 2009 << 31;
        QTest::newRow("April") << 4 << 2009 << 30;
        QTest::newRow("February") << 2 << 2009 << 28;
        QTest::newRow("February of a leap year") << 2 << 2008 << 29;
        QTest::newRow("February 1900") << 2 << 1900 << 28;
        QTest::newRow("February 2000") << 2 << 2000 << 29;
        QTest::newRow("December 9999") << 12 << 9999 << 31;
        QTest::newRow("month 0") << 0 << 2009 << 0;
        QTest::newRow("month 13") << 13 << 2009 << 0;
        QTest::newRow("year 0") << 5 << 0 << 0;
        QTest::newRow("year 10000") << 5 << 10000 << 0;
        QTest::newRow("year -1") << 5 << -1 << 0;
    }
    void monthBounds()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, lastDay);
        DateTime first;
        DateTime last;
        if (lastDay == 0) {
            QVERIFY_THROWS_EXCEPTION(Exception, TDataAccessFacade::GetMonthBounds(month, year, first, last));
            QVERIFY_THROWS_EXCEPTION(Exception, Facade().GetMonthPaymentForecast(month, year));
            QVERIFY_THROWS_EXCEPTION(Exception, Facade().GetMonthPaymentsTotal(month, year));
            return;
        }
        TDataAccessFacade::GetMonthBounds(month, year, first, last);
        QCOMPARE(first, Day(year, month, 1));
        QCOMPARE(last, Day(year, month, lastDay));
    }

    void theTotalOfAPaymentTakesInWhatWasPaidAhead_data()
    {
        QTest::addColumn<QByteArray>("ahead");
        QTest::addColumn<QString>("total");
        QTest::newRow("without") << QByteArray("NULL") << "100.5";
        QTest::newRow("zero") << QByteArray("0") << "100.5";
        QTest::newRow("ahead") << QByteArray("49.5") << "150";
    }
    void theTotalOfAPaymentTakesInWhatWasPaidAhead()
    {
        QFETCH(QByteArray, ahead);
        QFETCH(QString, total);
        const int creditID = AddCredit(AddDebtor(QStringLiteral("Иванов")));
        const int paymentID = AddPayment(creditID, Day(2009, 2, 15), "100.5");
        Raw("UPDATE PaymentHistory SET AheadSum = " + ahead);
        QCOMPARE(Facade().OpenPaymentOrderQuery(paymentID)->MoneyValue(0, QStringLiteral("Total")), Money::FromText(total));
        QCOMPARE(Facade().OpenCreditPaymentsQuery(creditID)->MoneyValue(0, QStringLiteral("Total")), Money::FromText(total));
    }

    void everyCompanyRowRepeatsTheStatementAndTheOrder_data()
    {
        QTest::addColumn<QByteArray>("companies");
        QTest::addColumn<int>("rows");
        QTest::newRow("none") << QByteArray("DELETE FROM CompanyInfo") << 0;
        QTest::newRow("one") << QByteArray("SELECT 1") << 1;
        QTest::newRow("two") << QByteArray("INSERT INTO CompanyInfo (CompanyName) VALUES ('Second')") << 2;
    }
    void everyCompanyRowRepeatsTheStatementAndTheOrder()
    {
        QFETCH(QByteArray, companies);
        QFETCH(int, rows);
        const int debtorID = AddDebtor(QStringLiteral("Иванов"));
        const int paymentID = AddPayment(AddCredit(debtorID), Day(2009, 2, 15), "100");
        Raw(companies);
        auto statement = Facade().OpenDebtorStatementQuery(debtorID);
        QCOMPARE(statement->RowCount(), rows);
        QCOMPARE(Facade().OpenPaymentOrderQuery(paymentID)->RowCount(), rows);
        if (rows)
            QCOMPARE(statement->Text(0, QStringLiteral("Surname")), QStringLiteral("Иванов"));
    }

    void aStatementForAMissingDebtorIsEmpty()
    {
        AddDebtor(QStringLiteral("Иванов"));
        QVERIFY(Facade().OpenDebtorStatementQuery(999)->IsEmpty());
    }

    void aMissingCreditIsAnError_data()
    {
        QTest::addColumn<bool>("schedule");
        QTest::newRow("schedule") << true;
        QTest::newRow("payments") << false;
    }
    void aMissingCreditIsAnError()
    {
        QFETCH(bool, schedule);
        AddCredit(AddDebtor(QStringLiteral("Иванов")));
        try {
            if (schedule)
                Facade().OpenCreditScheduleQuery(999);
            else
                Facade().OpenCreditPaymentsQuery(999);
            QFAIL("no error");
        } catch (const ECreditNotExistsException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Кредит 999 не существует."));
        }
    }

    void aLegacyBookAnswersEveryQuery()
    {
        QTemporaryDir dir;
        auto facade = DataTest::OpenFacade(DataTest::CopyFixture(dir, QStringLiteral("legacy-loanbook.s3db")));
        const QByteArray before = DataTest::DumpContent(facade->Connection().FileName());
        QCOMPARE(facade->OpenDebtorsListQuery()->RowCount(), 3);
        auto schedule = facade->OpenCreditScheduleQuery(1);
        QCOMPARE(schedule->RowCount(), 12);
        QCOMPARE(schedule->Text(0, QStringLiteral("Surname")), QStringLiteral("Иванов"));
        QCOMPARE(facade->OpenCreditPaymentsQuery(1)->RowCount(), 2);
        QCOMPARE(facade->OpenDebtorStatementQuery(1)->Text(0, QStringLiteral("CompanyName")), QStringLiteral("ООО «Ромашка»"));
        QCOMPARE(facade->OpenStatisticsQuery()->Integer(0, QStringLiteral("CreditsCount")), 3);
        // Its short date form (2009-02-05) is read by position.
        QCOMPARE(facade->OpenStatisticsQuery()->DateTimeValue(0, QStringLiteral("MaxContractDate")), Day(2009, 3, 1));
        QVERIFY(facade->GetMonthPaymentForecast(3, 2009) > Money());
        QVERIFY(facade->OpenInsolventQuery(Day(2009, 5, 10))->IsEmpty()); // nobody is overdue there
        QCOMPARE(facade->OpenPaymentsForDateQuery(Day(2009, 2, 14))->RowCount(), 1);
        QCOMPARE(DataTest::DumpContent(facade->Connection().FileName()), before);
    }
};

QTEST_GUILESS_MAIN(TestQueries)
#include "TestQueries.moc"
