#include "support/WindowTestSupport.h"

#include "PaymentsBook.h"

#include "ui/ResultSetGrid.h"
#include "ui/ResultSetTableModel.h"

#include <QHeaderView>
#include <QTableView>

namespace {
const QStringList PaymentTitles = {"Код платежа", "Дата платежа", "Платёж, руб", "Опережение, руб", "Итого, руб"};
const std::vector<TGridColumn> PaymentColumns = {{"PaymentID", PaymentTitles[0], 12},
                                                 {"PaymentDate", PaymentTitles[1], 20},
                                                 {"PaymentSum", PaymentTitles[2], 15},
                                                 {"AheadSum", PaymentTitles[3], 15},
                                                 {"Total", PaymentTitles[4], 15}};

QStringList Titles(const QAbstractItemModel& model)
{
    QStringList titles;
    for (int column = 0; column < model.columnCount(); ++column)
        titles << model.headerData(column, Qt::Horizontal).toString();
    return titles;
}

QStringList RowTexts(const QAbstractItemModel& model, int row)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.index(row, column).data().toString();
    return texts;
}

QList<int> SelectedRows(const QTableView& grid)
{
    QList<int> rows;
    for (const QModelIndex& index : grid.selectionModel()->selectedRows())
        rows << index.row();
    return rows;
}

// The payments recorded so far, in a grid that selects whole rows.
struct TShownPayments
{
    explicit TShownPayments(TPaymentsBook& book)
        : Payments(book.Payments())
    {
        Grid.setSelectionBehavior(QAbstractItemView::SelectRows);
        Model.ShowColumns(PaymentColumns);
        Model.SetResultSet(Payments.get());
    }

    std::unique_ptr<TResultSet> Payments;
    QTableView Grid;
    TResultSetTableModel Model;
    TResultSetGrid Shown { &Grid, &Model };
};
}

class TestResultSetTableModel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TPaymentsBook> m_book;

    // Three payments: one in the afternoon, one on a whole day with an amount
    // paid ahead, one whose ahead part is missing in the file.
    void RecordThreePayments()
    {
        m_book->AddPayment(DateTime::FromYMD(2009, 2, 15, 14, 30, 5, 250), "888.4879");
        m_book->AddPayment(DateTime::FromYMD(2009, 3, 15), "5000", "111.5121");
        const int third = m_book->AddPayment(DateTime::FromYMD(2009, 4, 15, 9, 5), "1234.5");
        m_book->facade->Connection().Execute(
            QStringLiteral("UPDATE PaymentHistory SET AheadSum = NULL WHERE PaymentID = %1").arg(third));
    }

private slots:
    void init() { m_book = std::make_unique<TPaymentsBook>(); }
    void cleanup() { m_book.reset(); }

    void showsTheGivenColumnsInOrderUnderTheirCaptions()
    {
        TShownPayments shown(*m_book);
        TResultSet* payments = shown.Payments.get();
        const TResultSetTableModel& model = shown.Model;
        QCOMPARE(Titles(model), PaymentTitles);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.ResultSetColumn(1), payments->ColumnIndex(QStringLiteral("PaymentDate")));
        QCOMPARE(model.ResultSetColumn(5), -1);
        // None given: every column of the set under its name.
        TResultSetTableModel plain;
        plain.SetResultSet(payments);
        QCOMPARE(plain.columnCount(), payments->ColumnCount());
        QCOMPARE(Titles(plain).first(), QStringLiteral("PaymentID"));
    }

    void showsValuesAsTheLocaleWritesThem()
    {
        RecordThreePayments();
        TShownPayments shown(*m_book);
        const TResultSetTableModel& model = shown.Model;
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(RowTexts(model, 0), QStringList({"1", "15.02.2009 14:30", "888,4879", "0", "888,4879"}));
        QCOMPARE(RowTexts(model, 1), QStringList({"2", "15.03.2009", "5000", "111,5121", "5111,5121"}));
        QCOMPARE(RowTexts(model, 2), QStringList({"3", "15.04.2009 09:05", "1234,5", "", "1234,5"}));
        // Numbers to the right, dates to the left.
        const auto alignment = [&](int column) {
            return model.index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
        };
        QCOMPARE(alignment(0), Qt::AlignRight);
        QCOMPARE(alignment(1), Qt::AlignLeft);
        QCOMPARE(alignment(4), Qt::AlignRight);
    }

    void followsChangesOfThePresentation()
    {
        RecordThreePayments();
        TShownPayments shown(*m_book);
        TResultSetTableModel& model = shown.Model;
        model.ShowAsMoney({QStringLiteral("PaymentSum")});
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("888,49\u00a0₽"));
        model.ShowColumns({{"PaymentID", PaymentTitles[0], 12}, {"PaymentSum", PaymentTitles[2], 15},
                           {"AheadSum", PaymentTitles[3], 15}, {"Total", QStringLiteral("Всего"), 15},
                           {"NoSuchColumn", QStringLiteral("Нет"), 5}});
        QCOMPARE(Titles(model), QStringList({"Код платежа", "Платёж, руб", "Опережение, руб", "Всего"}));
    }

    // The row the user moves to is the one selected; one that would leave
    // none selected keeps it.
    void theCurrentRowStaysSelected()
    {
        RecordThreePayments();
        TShownPayments shown(*m_book);
        QTableView& grid = shown.Grid;
        QVERIFY(SelectedRows(grid).isEmpty());
        QCOMPARE(shown.Shown.SelectedRow(), -1);

        shown.Shown.SelectRow(2);
        QCOMPARE(SelectedRows(grid), QList<int>({2}));
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(shown.Shown.SelectedRow(), 1);
        QCOMPARE(SelectedRows(grid), QList<int>({1}));
        // Ctrl+click on the selected row leaves it selected: it is still current.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          grid.visualRect(shown.Model.index(1, 0)).center());
        QCOMPARE(SelectedRows(grid), QList<int>({1}));
        shown.Shown.SelectRow(3); // not there
        QVERIFY(SelectedRows(grid).isEmpty());
    }

    void showsTheSetAnewWhenHandedOverAgain()
    {
        RecordThreePayments();
        TShownPayments shown(*m_book);
        const TResultSetTableModel& model = shown.Model;
        shown.Shown.SelectRow(2);

        m_book->AddPayment(DateTime::FromYMD(2009, 5, 15), "100");
        shown.Payments->Close();
        shown.Payments->Open();
        shown.Model.SetResultSet(shown.Payments.get());
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(Titles(model), PaymentTitles);
        QCOMPARE(RowTexts(model, 3).first(), QStringLiteral("4"));
        QVERIFY(SelectedRows(shown.Grid).isEmpty());
    }

    void aFreedSetLeavesAnEmptyTable()
    {
        RecordThreePayments();
        TShownPayments shown(*m_book);
        shown.Payments.reset();
        QCOMPARE(shown.Model.ResultSet(), nullptr);
        QCOMPARE(shown.Model.rowCount(), 0);
        QCOMPARE(shown.Model.columnCount(), 0);
    }

    void columnsAreAsWideAsTheirDisplayWidthsAndTitles()
    {
        TShownPayments shown(*m_book);
        const int digit = shown.Grid.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        QHeaderView* header = shown.Grid.horizontalHeader();
        for (int section = 0; section < shown.Model.columnCount(); ++section) {
            const int characters = shown.Model.DisplayWidth(section);
            QCOMPARE(characters, PaymentColumns.at(std::size_t(section)).Width);
            QVERIFY(header->sectionSize(section) >= characters * digit);
            QVERIFY(header->sectionSize(section) >= header->sectionSizeHint(section));
        }
        QVERIFY(header->sectionSize(1) > header->sectionSize(0));
    }
};

VARNEL_TEST_MAIN(TestResultSetTableModel)
#include "TestResultSetTableModel.moc"
