#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class PaymentsHistoryForm;
}

class IPaymentHistoryReportInterface;
class TCredit;
class TDebtor;
class TResultSet;
class TResultSetTableModel;

// The payments of one credit, from which the whole history or the order of
// one payment is printed. The payments come as the caller's result set; the
// dialog leaves it open where the user left its current row.
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

private slots:
    void PrintHistoryActionExecute();
    void PrintOrderActionExecute();

private:
    void OpenWideEnough();

    std::unique_ptr<Ui::PaymentsHistoryForm> m_ui;
    TResultSetTableModel* m_payments; // a child of the form
    IPaymentHistoryReportInterface* m_reportInterface = nullptr;
};
