#include "support/DataTestSupport.h"

#include "sqlite/ResultSet.h"
#include "sqlite/ResultSetExceptions.h"
#include "sqlite/SQLiteExceptions.h"
#include "domain/Debtor.h"

#include <limits>

Q_DECLARE_METATYPE(TQueryParams)

namespace {

// Five debtors, inserted out of name order.
const char* const FiveDebtors =
    "INSERT INTO Debtors (Surname, Name, ActiveDelayCount) VALUES ('Smirnov', 'Ivan', 2), ('Alekseev', 'Petr', 0),"
    " ('Kuznetsov', 'Oleg', NULL), ('Borisov', 'Anton', 1), ('Petrov', 'Ilya', 0)";

const QStringList NamesInOrder { QStringLiteral("SELECT DebtorID, Surname, Name, ActiveDelayCount FROM Debtors"),
                                 QStringLiteral("ORDER BY Surname") };

QStringList Column(TResultSet& result, const QString& name)
{
    QStringList values;
    for (int row = 0; row < result.RowCount(); ++row)
        values << result.Text(row, result.ColumnIndex(name));
    return values;
}

}

class TestResultSet : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataTest::TBook> m_book;

    std::unique_ptr<TResultSet> Open(const QStringList& lines, const TQueryParams& params = {})
    {
        return std::make_unique<TResultSet>(m_book->facade->Connection(), lines, params);
    }

private slots:
    void initTestCase() { DataTest::PinLocale(); }
    void init()
    {
        m_book = std::make_unique<DataTest::TBook>();
        DataTest::RawExec(m_book->path, FiveDebtors);
    }
    void cleanup() { m_book.reset(); }

    void columnsAreNamedAsTheResultNamesThem_data()
    {
        QTest::addColumn<QString>("select");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("table.column without alias") << "SELECT Debtors.DebtorID, Debtors.Surname FROM Debtors"
                                                    << QStringList { "DebtorID", "Surname" };
        QTest::newRow("alias") << "SELECT Debtors.Surname AS Family, IfNull(ActiveDelayCount, 0) + 1 as Total FROM Debtors"
                               << QStringList { "Family", "Total" };
        QTest::newRow("star over a join") << "SELECT * FROM CompanyInfo, QDBVersion"
                                          << QStringList { "CompanyName", "BossName", "DBType", "MajorVersion",
                                                           "MinorVersion", "ReleaseVersion", "BuildVersion" };
    }
    void columnsAreNamedAsTheResultNamesThem()
    {
        QFETCH(QString, select);
        QFETCH(QStringList, names);
        auto result = Open({ select });
        QStringList actual;
        for (int i = 0; i < result->ColumnCount(); ++i)
            actual << result->ColumnName(i);
        QCOMPARE(actual, names);
    }

    void theFirstOfTwoEqualNamesWins_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::newRow("as written") << "Marker";
        QTest::newRow("other letter case") << "mARKER";
    }
    void theFirstOfTwoEqualNamesWins()
    {
        QFETCH(QString, asked);
        auto result = Open({ QStringLiteral("SELECT 'first' AS Marker, 'second' AS marker") });
        QCOMPARE(result->ColumnCount(), 2);
        QCOMPARE(result->ColumnIndex(asked), 0);
        QCOMPARE(result->Text(0, asked), QStringLiteral("first"));
    }

    void aMissingColumnIsAnErrorNamingIt()
    {
        auto result = Open(NamesInOrder);
        QCOMPARE(result->FindColumn(QStringLiteral("Nothing")), -1);
        try {
            result->Text(0, QStringLiteral("Nothing"));
            QFAIL("no error");
        } catch (const EFieldNotFoundException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Поле «Nothing» не найдено."));
        }
    }

    void valuesReadInTheFormsOfTheFile()
    {
        DataTest::RawExec(m_book->path, "INSERT INTO PaymentHistory (CreditID, PaymentDate, PaymentSum, AheadSum) "
                                        "VALUES (1, '2009-05-14 13:45:07.250', '1234.5', NULL)");
        auto result = Open({ QStringLiteral("SELECT CreditID, PaymentDate, PaymentSum, AheadSum FROM PaymentHistory") });
        QCOMPARE(result->Integer(0, QStringLiteral("CreditID")), 1);
        QCOMPARE(result->DateTimeValue(0, QStringLiteral("PaymentDate")), DateTime::FromYMD(2009, 5, 14, 13, 45, 7, 250));
        QCOMPARE(result->MoneyValue(0, QStringLiteral("PaymentSum")), Money::FromUnits(12345000));
        QCOMPARE(result->Value(0, QStringLiteral("PaymentSum")), QVariant(1234.5)); // stored as a real by CURRENCY
        QVERIFY(result->IsNull(0, QStringLiteral("AheadSum")));
        QCOMPARE(result->Text(0, QStringLiteral("AheadSum")), QString());
        QCOMPARE(result->MoneyValue(0, QStringLiteral("AheadSum")), Money());
        QVERIFY(!result->Value(0, QStringLiteral("AheadSum")).isValid());
    }

    void integersReadAsSQLiteWritesThem()
    {
        auto result = Open({ QStringLiteral("SELECT -42 AS Negative, 9223372036854775807 AS Largest, '007' AS Code") });
        QCOMPARE(result->Text(0, QStringLiteral("Negative")), QStringLiteral("-42"));
        QCOMPARE(result->Integer(0, QStringLiteral("Largest")), std::numeric_limits<qint64>::max());
        QCOMPARE(result->Text(0, QStringLiteral("Largest")), QStringLiteral("9223372036854775807"));
        QCOMPARE(result->Value(0, QStringLiteral("Negative")), QVariant(qlonglong(-42)));
        QCOMPARE(result->Text(0, QStringLiteral("Code")), QStringLiteral("007")); // text stays text
    }

    void aSetOpenedAfterABiggerOneReadsOnlyItsOwnRows()
    {
        // The storage of a closed set serves the next one; nothing of it may show through.
        QStringList surnames;
        {
            auto all = Open(NamesInOrder);
            surnames = Column(*all, QStringLiteral("Surname"));
        }
        auto one = Open({ QStringLiteral("SELECT Surname FROM Debtors WHERE Name = 'Oleg'") });
        QCOMPARE(one->RowCount(), 1);
        QCOMPARE(Column(*one, QStringLiteral("Surname")), QStringList { QStringLiteral("Kuznetsov") });
        auto again = Open(NamesInOrder);
        QCOMPARE(Column(*again, QStringLiteral("Surname")), surnames);
        QCOMPARE(Column(*one, QStringLiteral("Surname")), QStringList { QStringLiteral("Kuznetsov") });
    }

    void windows1251TextReadsBackAsWritten()
    {
        TDebtor debtor;
        debtor.Surname = QStringLiteral("Щёголев-Ъ «№»");
        m_book->facade->InsertDebtor(debtor);
        auto result = Open({ QStringLiteral("SELECT Surname FROM Debtors WHERE DebtorID = :ID") },
                           { { QStringLiteral("ID"), debtor.GetID() } });
        QCOMPARE(result->Text(0, QStringLiteral("Surname")), debtor.Surname);
    }

    void findRowGivesTheFirstMatchingRow_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<int>("row"); // -1: not found
        QTest::newRow("an ID") << "DebtorID" << qint64(4) << 1;
        QTest::newRow("first of several") << "ActiveDelayCount" << qint64(0) << 0;
        QTest::newRow("a null is no number") << "ActiveDelayCount" << qint64(5) << -1;
        QTest::newRow("none") << "DebtorID" << qint64(99) << -1;
    }
    void findRowGivesTheFirstMatchingRow()
    {
        QFETCH(QString, column);
        QFETCH(qint64, value);
        QFETCH(int, row);
        auto result = Open(NamesInOrder);
        QCOMPARE(result->FindRow(result->ColumnIndex(column), value), row);
    }

    void anEmptySetReadsEmpty()
    {
        auto result = Open({ QStringLiteral("SELECT DebtorID, Surname FROM Debtors WHERE DebtorID < 0") });
        result->Close();
        result->Open();
        QVERIFY(result->IsEmpty());
        QCOMPARE(result->Integer(0, QStringLiteral("DebtorID")), 0);
        QCOMPARE(result->Text(0, QStringLiteral("Surname")), QString());
        QCOMPARE(result->DateTimeValue(0, QStringLiteral("Surname")), DateTime());
        QCOMPARE(result->FindRow(0, 1), -1);
    }

    void itIsASnapshotUntilReopened()
    {
        auto result = Open(NamesInOrder);
        // Another statement writes while the set is open: no lock stands in its way.
        DataTest::RawExec(m_book->path, "UPDATE Debtors SET Surname = 'Zuev' WHERE Surname = 'Alekseev'");
        QCOMPARE(result->Text(0, 1), QStringLiteral("Alekseev"));
        result->Close();
        QCOMPARE(result->RowCount(), 0);
        result->Open();
        QCOMPARE(result->Text(0, 1), QStringLiteral("Borisov"));
        QCOMPARE(result->Text(4, 1), QStringLiteral("Zuev"));
    }

    void theFilterNarrowsTheStatementOnReopen_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<TQueryParams>("params");
        QTest::addColumn<QStringList>("surnames");
        QTest::newRow("likely defaulters") << "ActiveDelayCount > 0" << TQueryParams()
                                           << QStringList { "Borisov", "Smirnov" };
        QTest::newRow("typed text as a value")
            << "SubStr(Upper(Surname), 1, :Length) = :Text"
            << TQueryParams { { "Length", 2 }, { "Text", QStringLiteral("PE") } } << QStringList { "Petrov" };
        QTest::newRow("a quote stays a character") << "Surname = :Text"
                                                   << TQueryParams { { "Text", QStringLiteral("P\" OR \"1\"=\"1") } }
                                                   << QStringList();
        QTest::newRow("no condition") << "" << TQueryParams()
                                      << QStringList { "Alekseev", "Borisov", "Kuznetsov", "Petrov", "Smirnov" };
    }
    void theFilterNarrowsTheStatementOnReopen()
    {
        QFETCH(QString, condition);
        QFETCH(TQueryParams, params);
        QFETCH(QStringList, surnames);
        auto result = Open(NamesInOrder);
        result->SetFiltered(true);
        result->SetFilter(condition, params);
        QVERIFY(!result->IsOpen() || condition.isEmpty());
        result->Open();
        QCOMPARE(Column(*result, QStringLiteral("Surname")), surnames); // order of the statement kept
        result->SetFiltered(false);
        result->Open();
        QCOMPARE(result->RowCount(), 5);
    }

    void theSameConditionAgainKeepsTheSetOpen()
    {
        auto result = Open(NamesInOrder);
        result->SetFiltered(true);
        result->SetFilter(QStringLiteral("ActiveDelayCount > 0"));
        result->Open();
        result->SetFilter(QStringLiteral("ActiveDelayCount > 0"));
        QVERIFY(result->IsOpen());
        QCOMPARE(result->RowCount(), 2);
    }

    void aFailingFilterLeavesTheSetClosedAndUsable()
    {
        auto result = Open(NamesInOrder);
        result->SetFiltered(true);
        result->SetFilter(QStringLiteral("NoSuchColumn > 0"));
        QVERIFY_THROWS_EXCEPTION(EDatabaseException, result->Open());
        QVERIFY(!result->IsOpen());
        QVERIFY(result->IsEmpty());
        result->SetFilter(QString());
        result->Open();
        QCOMPARE(result->RowCount(), 5);
    }
};

QTEST_GUILESS_MAIN(TestResultSet)
#include "TestResultSet.moc"
