#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PaymentsHistoryForm;
}

class IPaymentCancelInterface;
class IPaymentHistoryReportInterface;
class TCredit;
class TDebtor;
class TResultSet;
class TResultSetGrid;
class TResultSetTableModel;

// The payments of one credit, from which the whole history or the order of
// one payment is printed. The payments come as the caller's result set,
// shown with the latest payment selected.
class TPaymentsHistoryForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPaymentsHistoryForm(QWidget* parent = nullptr);
    ~TPaymentsHistoryForm() override;

    // Shows the payments modally until the user closes the window. Without a
    // report interface nothing is printed. Nothing is owned.
    void Execute(const TDebtor* debtor, const TCredit* credit, IPaymentHistoryReportInterface* reportInterface,
                 TResultSet* dataSet);
    // Where "Отменить платёж" takes the latest payment back; without one the
    // button stays disabled. Borrowed.
    void SetCancelInterface(IPaymentCancelInterface* cancelInterface) { m_cancelInterface = cancelInterface; }

private slots:
    void PrintHistoryActionExecute();
    void PrintOrderActionExecute();
    void CancelPaymentActionExecute();

private:
    // The row of the payment recorded last, -1 when there is none.
    static int LatestPaymentRow(const TResultSet& payments);
    void OpenWideEnough();
    void UpdateCancelPaymentButton();

    std::unique_ptr<Ui::PaymentsHistoryForm> m_ui;
    TResultSetTableModel* m_payments; // a child of the form
    TResultSetGrid* m_paymentsGrid;   // a child of the form
    IPaymentHistoryReportInterface* m_reportInterface = nullptr;
    IPaymentCancelInterface* m_cancelInterface = nullptr;
    int m_creditID = -1;
};
