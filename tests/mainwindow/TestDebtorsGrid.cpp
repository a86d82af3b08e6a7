#include "support/WindowTestSupport.h"

#include "data/LoanBookFile.h"
#include "sqlite/ResultSet.h"
#include "sqlite/SQLiteConnection.h"
#include "mainwindow/DebtorsGridModel.h"
#include "ui/ResultSetGrid.h"

#include <QFont>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(std::optional<qint64>)

// The debtors grid: every cell of a row in the row's look.
class TestDebtorsGrid : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<TSQLiteConnection> m_connection;

private slots:
    void initTestCase()
    {
        const QString fileName = m_dir.filePath(QStringLiteral("book.s3db"));
        CreateLoanBookFile(fileName);
        m_connection = std::make_unique<TSQLiteConnection>();
        m_connection->SetFileName(fileName);
    }
    void cleanupTestCase() { m_connection.reset(); }

    void rowLook_data()
    {
        QTest::addColumn<qint64>("delayCount");
        QTest::addColumn<std::optional<qint64>>("activeDelayCount");
        QTest::addColumn<bool>("red");
        QTest::addColumn<bool>("bold");
        QTest::newRow("never late") << qint64(0) << std::optional<qint64>(0) << false << false;
        QTest::newRow("one past overdue") << qint64(1) << std::optional<qint64>(0) << false << false;
        QTest::newRow("one open overdue") << qint64(1) << std::optional<qint64>(1) << true << false;
        QTest::newRow("two past overdue") << qint64(2) << std::optional<qint64>(0) << false << true;
        QTest::newRow("three, two open") << qint64(3) << std::optional<qint64>(2) << true << true;
        QTest::newRow("open count unknown") << qint64(2) << std::optional<qint64>() << false << true;
    }
    void rowLook()
    {
        QFETCH(qint64, delayCount);
        QFETCH(std::optional<qint64>, activeDelayCount);
        QFETCH(bool, red);
        QFETCH(bool, bold);
        QCOMPARE(DebtorRowLook(delayCount, activeDelayCount), (TDebtorRowLook{red, bold}));
    }

    // The model reads the counters of each row of the list and paints all its cells alike.
    void everyCellOfARowInTheRowsLook()
    {
        TResultSet list(*m_connection,
                        {QStringLiteral("select 1 as DebtorID, 'Иванов' as Surname, 2 as DelayCount, 0 as ActiveDelayCount"),
                         QStringLiteral("union all select 2, 'Петров', 1, 1"),
                         QStringLiteral("union all select 3, 'Сидоров', 3, NULL"),
                         QStringLiteral("union all select 4, 'Фёдоров', 0, 0")});
        TDebtorsGridModel model;
        model.SetResultSet(&list);
        QCOMPARE(model.rowCount(), 4);
        const QList<std::pair<QColor, bool>> expected{
            {Qt::black, true}, {Qt::red, false}, {Qt::black, true}, {Qt::black, false}};
        for (int row = 0; row < model.rowCount(); ++row)
            for (int column = 0; column < model.columnCount(); ++column) {
                const QModelIndex cell = model.index(row, column);
                QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), expected[row].first);
                QCOMPARE(cell.data(Qt::FontRole).value<QFont>().bold(), expected[row].second);
            }
        // The texts are those of the plain result-set grid.
        QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("Петров"));
        QCOMPARE(model.DebtorID(2), 3);
        QCOMPARE(model.RowOfDebtor(3), 2);
        QCOMPARE(model.RowOfDebtor(9), -1);
    }

    // The list's columns in the list's order, under the window's captions and widths.
    void theListsColumnsUnderTheirCaptions()
    {
        TResultSet list(*m_connection, {QStringLiteral("SELECT DebtorID, Surname, Name, PatronymicName, DelayCount, "
                                                       "ActiveDelayCount FROM Debtors")});
        TDebtorsGridModel model;
        model.SetResultSet(&list);
        QStringList captions;
        QList<int> widths;
        for (int section = 0; section < model.columnCount(); ++section) {
            captions << model.headerData(section, Qt::Horizontal).toString();
            widths << model.DisplayWidth(section);
        }
        QCOMPARE(captions, QStringList({"Код", "Фамилия", "Имя", "Отчество", "Просрочек всего", "Активных просрочек"}));
        QCOMPARE(widths, QList<int>({0, 25, 25, 25, 20, 20}));
    }
};

VARNEL_TEST_MAIN(TestDebtorsGrid)

#include "TestDebtorsGrid.moc"
