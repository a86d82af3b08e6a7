#include "support/WindowTestSupport.h"

#include "PaymentsBook.h"

#include "ui/ResultSetGrid.h"
#include "ui/ResultSetTableModel.h"

#include <QHeaderView>
#include <QTableView>

namespace {
const QStringList PaymentTitles = {"Код платежа", "Дата платежа", "Платёж, руб", "Опережение, руб", "Итого, руб"};

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

    void showsTheVisibleColumnsInOrderUnderTheirCaptions()
    {
        TShownPayments shown(*m_book);
        TResultSet* payments = shown.Payments.get();
        const TResultSetTableModel& model = shown.Model;
        QCOMPARE(Titles(model), PaymentTitles);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.ResultSetColumn(1), payments->ColumnIndex(QStringLiteral("PaymentDate")));
        QCOMPARE(model.ResultSetColumn(5), -1);
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
        TResultSet* payments = shown.Payments.get();
        const TResultSetTableModel& model = shown.Model;
        payments->Column(QStringLiteral("PaymentSum")).SetMoneyMark(true);
        QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("888,49\u00a0₽"));
        payments->Column(QStringLiteral("PaymentDate")).SetVisible(false);
        payments->Column(QStringLiteral("Total")).SetCaption(QStringLiteral("Всего"));
        QCOMPARE(Titles(model), QStringList({"Код платежа", "Платёж, руб", "Опережение, руб", "Всего"}));
    }

    void keepsTheSelectedRowAndTheCurrentRowInStep()
    {
        RecordThreePayments();
        TShownPayments shown(*m_book);
        QTableView& grid = shown.Grid;
        TResultSet* payments = shown.Payments.get();
        QCOMPARE(SelectedRows(grid), QList<int>({0}));

        grid.selectRow(2);
        QCOMPARE(payments->CurrentRow(), 2);
        payments->Prior();
        QCOMPARE(SelectedRows(grid), QList<int>({1}));
        QCOMPARE(grid.currentIndex().row(), 1);
        QTest::keyClick(&grid, Qt::Key_Up);
        QCOMPARE(payments->CurrentRow(), 0);
        QCOMPARE(payments->Integer(QStringLiteral("PaymentID")), 1);
        // Ctrl+click on the selected row leaves it selected: it is still current.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          grid.visualRect(shown.Model.index(0, 0)).center());
        QCOMPARE(SelectedRows(grid), QList<int>({0}));
        QCOMPARE(payments->CurrentRow(), 0);
    }

    void followsClosingAndOpening()
    {
        RecordThreePayments();
        TShownPayments shown(*m_book);
        const TResultSetTableModel& model = shown.Model;
        shown.Grid.selectRow(2);

        shown.Payments->Close();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(Titles(model), PaymentTitles);
        QVERIFY(SelectedRows(shown.Grid).isEmpty());

        m_book->AddPayment(DateTime::FromYMD(2009, 5, 15), "100");
        shown.Payments->Open();
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(RowTexts(model, 3).first(), QStringLiteral("4"));
        QCOMPARE(SelectedRows(shown.Grid), QList<int>({0}));
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
            const int characters = shown.Payments->Column(shown.Model.ResultSetColumn(section)).DisplayWidth();
            QVERIFY(header->sectionSize(section) >= characters * digit);
            QVERIFY(header->sectionSize(section) >= header->sectionSizeHint(section));
        }
        QVERIFY(header->sectionSize(1) > header->sectionSize(0));
    }
};

VARNEL_TEST_MAIN(TestResultSetTableModel)
#include "TestResultSetTableModel.moc"
