#include "support/WindowTestSupport.h"

#include "PaymentsBook.h"

#include "ui/PaymentCancelInterface.h"
#include "ui/PaymentHistoryReportInterface.h"
#include "ui/PaymentsHistoryForm.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {
// What the dialog asked to print.
class TFakeReports : public IPaymentHistoryReportInterface
{
public:
    QList<TResultSet*> Histories;
    QList<const QStringList*> HistoryParams;
    QList<int> Orders;

    void PrintPaymentHistory(TResultSet* resultSet, const QStringList* params) override
    {
        Histories << resultSet;
        HistoryParams << params;
    }
    void PrintPaymentOrder(int paymentID) override { Orders << paymentID; }
};

// Takes the latest payment back as the controller would, when told to.
class TFakeCancel : public IPaymentCancelInterface
{
public:
    TFakeCancel(TPaymentsBook& book, bool answer) : m_book(book), m_answer(answer) {}
    QList<int> Asked;

    bool CancelLatestPayment(int creditID) override
    {
        Asked << creditID;
        if (!m_answer)
            return false;
        TPaymentHistoryItem latest;
        m_book.facade->LoadLatestPayment(creditID, latest, nullptr);
        m_book.facade->DeletePayment(latest.GetID());
        return true;
    }

private:
    TPaymentsBook& m_book;
    bool m_answer;
};

QTableView* Grid(QWidget* form)
{
    return Find<QTableView>(form, "PaymentsGrid");
}

QPushButton* Button(QWidget* form, const char* name)
{
    return Find<QPushButton>(form, name);
}

QString FieldText(QWidget* form, const char* name)
{
    return Find<QLineEdit>(form, name)->text();
}

QStringList Titles(QTableView* grid)
{
    QStringList titles;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        titles << grid->model()->headerData(column, Qt::Horizontal).toString();
    return titles;
}

void ClickLine(QTableView* grid, int row)
{
    const QRect line = grid->visualRect(grid->model()->index(row, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
}
}

class TestPaymentsHistoryForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TPaymentsBook> m_book;

    // Opens the history of the book's credit and acts on the open dialog.
    void Show(TResultSet* payments, IPaymentHistoryReportInterface* reports,
              const std::function<void(TPaymentsHistoryForm*)>& act)
    {
        TPaymentsHistoryForm form;
        WhenOpen<TPaymentsHistoryForm>(act, &form);
        form.Execute(&m_book->Debtor, &m_book->Credit, reports, payments);
    }

    void RecordThreePayments()
    {
        m_book->AddPayment(DateTime::FromYMD(2009, 2, 15, 14, 30), "888.4879");
        m_book->AddPayment(DateTime::FromYMD(2009, 3, 14, 10, 0), "888.4879");
        m_book->AddPayment(DateTime::FromYMD(2009, 4, 15, 11, 0), "5000", "4111.5121");
    }

private slots:
    void init() { m_book = std::make_unique<TPaymentsBook>(); }
    void cleanup() { m_book.reset(); }

    void missingArgumentsAreRefusedInOrder_data()
    {
        QTest::addColumn<bool>("debtor");
        QTest::addColumn<bool>("credit");
        QTest::addColumn<bool>("payments");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << false << false << false << QStringLiteral("Должник не задан.");
        QTest::newRow("no debtor") << false << true << true << QStringLiteral("Должник не задан.");
        QTest::newRow("no credit") << true << false << false << QStringLiteral("Кредит не задан.");
        QTest::newRow("no payments") << true << true << false << QStringLiteral("История платежей не задана.");
    }
    void missingArgumentsAreRefusedInOrder()
    {
        QFETCH(bool, debtor);
        QFETCH(bool, credit);
        QFETCH(bool, payments);
        QFETCH(QString, message);
        auto history = m_book->Payments();
        TFakeReports reports;
        TPaymentsHistoryForm form;
        QCOMPARE(RaisedMessage([&] {
                     form.Execute(debtor ? &m_book->Debtor : nullptr, credit ? &m_book->Credit : nullptr, &reports,
                                  payments ? history.get() : nullptr);
                 }),
                 message);
        QVERIFY(!form.isVisible());
    }

    void showsTheDebtorTheCreditAndThePayments()
    {
        RecordThreePayments();
        auto history = m_book->Payments();
        Show(history.get(), nullptr, [&](TPaymentsHistoryForm* form) {
            QCOMPARE(FieldText(form, "DebtorIDEdit"), QString::number(m_book->Debtor.GetID()));
            QCOMPARE(FieldText(form, "DebtorNameEdit"), QStringLiteral("Иванов Пётр Сергеевич"));
            QCOMPARE(FieldText(form, "CreditIDEdit"), QString::number(m_book->Credit.GetID()));
            QCOMPARE(FieldText(form, "ContractNumberEdit"), QStringLiteral("К-2009/17"));
            QCOMPARE(FieldText(form, "ContractDateEdit"), QStringLiteral("15.01.2009"));
            QTableView* grid = Grid(form);
            QCOMPARE(grid->model()->rowCount(), 3);
            // Amounts in the money format, right-aligned under right-aligned captions.
            const QString nb = QStringLiteral("\u00A0");
            QCOMPARE(grid->model()->index(2, 2).data().toString(), "5" + nb + "000,00" + nb + "₽");
            QCOMPARE(grid->model()->index(2, 3).data().toString(), "4" + nb + "111,51" + nb + "₽");
            QCOMPARE(grid->model()->index(2, 4).data().toString(), "9" + nb + "111,51" + nb + "₽");
            for (const int column : {2, 3, 4}) {
                QVERIFY(grid->model()->index(2, column).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
                QVERIFY(grid->model()->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt()
                        & Qt::AlignRight);
            }
            QVERIFY(!(grid->model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignRight));
            QCOMPARE(grid->selectionModel()->selectedRows().size(), 1);
            QVERIFY(form->width() >= 529 && form->height() >= 369);
        });
    }

    void anEmptyHistoryShowsTheFiveTitlesAndOrdersPayment0()
    {
        auto history = m_book->Payments();
        TFakeReports reports;
        Show(history.get(), &reports, [&](TPaymentsHistoryForm* form) {
            QTableView* grid = Grid(form);
            QCOMPARE(grid->model()->rowCount(), 0);
            QCOMPARE(Titles(grid), QStringList({"Код платежа", "Дата платежа", "Платёж, руб", "Опережение, руб",
                                                "Итого, руб"}));
            QVERIFY(!grid->horizontalHeader()->isHidden());
            Button(form, "PrintOrderButton")->click();
        });
        QCOMPARE(reports.Orders, QList<int>({0}));
    }

    void theSelectedLinesPaymentIsOrdered()
    {
        RecordThreePayments();
        auto history = m_book->Payments();
        TFakeReports reports;
        Show(history.get(), &reports, [&](TPaymentsHistoryForm* form) {
            QTableView* grid = Grid(form);
            Button(form, "PrintOrderButton")->click();
            ClickLine(grid, 2);
            Button(form, "PrintOrderButton")->click();
            grid->setFocus();
            QTest::keyClick(grid, Qt::Key_Up);
            Button(form, "PrintOrderButton")->click();
        });
        // The dialog opens on the latest payment.
        QCOMPARE(reports.Orders, QList<int>({3, 3, 2}));
        QVERIFY(reports.Histories.isEmpty());
        // The caller's set stays open.
        QVERIFY(history->IsOpen());
    }

    void theWholeHistoryIsPrintedFromTheGivenSetWithoutParams()
    {
        RecordThreePayments();
        auto history = m_book->Payments();
        TFakeReports reports;
        Show(history.get(), &reports, [&](TPaymentsHistoryForm* form) {
            QVERIFY(Button(form, "PrintHistoryButton")->isEnabled());
            Button(form, "PrintHistoryButton")->click();
        });
        QCOMPARE(reports.Histories, QList<TResultSet*>({history.get()}));
        QCOMPARE(reports.HistoryParams, QList<const QStringList*>({nullptr}));
        QVERIFY(reports.Orders.isEmpty());
    }

    void withoutAReportInterfaceNothingPrints()
    {
        RecordThreePayments();
        auto history = m_book->Payments();
        Show(history.get(), nullptr, [&](TPaymentsHistoryForm* form) {
            QVERIFY(!Button(form, "PrintHistoryButton")->isEnabled());
            QVERIFY(Button(form, "PrintOrderButton")->isEnabled());
            Button(form, "PrintOrderButton")->click();
            QVERIFY(form->isVisible());
        });
    }

    void enterInTheGridPrintsNothing()
    {
        RecordThreePayments();
        auto history = m_book->Payments();
        TFakeReports reports;
        Show(history.get(), &reports, [&](TPaymentsHistoryForm* form) {
            PressEnter(Grid(form));
            QVERIFY(form->isVisible());
        });
        QVERIFY(reports.Orders.isEmpty() && reports.Histories.isEmpty());
    }

    // "Отменить платёж" asks the controller for the credit's latest payment;
    // a cancelled one leaves the history at once.
    void cancelPaymentAsksTheController_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<int>("rowsAfter");
        QTest::newRow("cancelled") << true << 1;
        QTest::newRow("not confirmed") << false << 2;
    }
    void cancelPaymentAsksTheController()
    {
        QFETCH(bool, cancelled);
        QFETCH(int, rowsAfter);
        m_book->AddPayment(DateTime::FromYMD(2009, 2, 15, 14, 30), "888.4879");
        m_book->AddPayment(DateTime::FromYMD(2009, 3, 14, 10, 0), "888.4879");
        auto history = m_book->Payments();
        TFakeCancel cancel(*m_book, cancelled);
        int rows = -1;
        bool stillEnabled = false;
        TPaymentsHistoryForm form;
        form.SetCancelInterface(&cancel);
        WhenOpen<TPaymentsHistoryForm>(
            [&](TPaymentsHistoryForm* open) {
                Button(open, "CancelPaymentButton")->click();
                rows = Grid(open)->model()->rowCount();
                stillEnabled = Button(open, "CancelPaymentButton")->isEnabled();
            },
            &form);
        form.Execute(&m_book->Debtor, &m_book->Credit, nullptr, history.get());
        QCOMPARE(cancel.Asked, QList<int>({m_book->Credit.GetID()}));
        QCOMPARE(rows, rowsAfter);
        QVERIFY(stillEnabled);
    }

    void cancelPaymentNeedsAPaymentAndAController()
    {
        TFakeCancel cancel(*m_book, true);
        auto empty = m_book->Payments();
        TPaymentsHistoryForm form;
        form.SetCancelInterface(&cancel);
        bool enabledOnEmpty = true;
        WhenOpen<TPaymentsHistoryForm>(
            [&](TPaymentsHistoryForm* open) { enabledOnEmpty = Button(open, "CancelPaymentButton")->isEnabled(); },
            &form);
        form.Execute(&m_book->Debtor, &m_book->Credit, nullptr, empty.get());
        QVERIFY(!enabledOnEmpty);

        m_book->AddPayment(DateTime::FromYMD(2009, 2, 15, 14, 30), "888.4879");
        auto history = m_book->Payments();
        bool enabledWithout = true;
        Show(history.get(), nullptr, [&](TPaymentsHistoryForm* open) {
            enabledWithout = Button(open, "CancelPaymentButton")->isEnabled();
        });
        QVERIFY(!enabledWithout);
        QVERIFY(cancel.Asked.isEmpty());
    }

    void closes_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Закрыть") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close button") << 2;
    }
    void closes()
    {
        QFETCH(int, way);
        auto history = m_book->Payments();
        bool closed = false;
        Show(history.get(), nullptr, [&](TPaymentsHistoryForm* form) {
            if (way == 0)
                Button(form, "CancelButton")->click();
            else if (way == 1)
                QTest::keyClick(Grid(form), Qt::Key_Escape);
            else
                form->close();
            closed = !form->isVisible();
        });
        QVERIFY(closed);
    }

    void theGridGrowsWithTheWindow()
    {
        auto history = m_book->Payments();
        Show(history.get(), nullptr, [&](TPaymentsHistoryForm* form) {
            QTableView* grid = Grid(form);
            const QSize before = grid->size();
            form->resize(form->size() + QSize(200, 150));
            QTRY_COMPARE(grid->size(), before + QSize(200, 150));
        });
    }
};

VARNEL_TEST_MAIN(TestPaymentsHistoryForm)
#include "TestPaymentsHistoryForm.moc"
