#include "PaymentsHistoryForm.h"

#include "CellMarginDelegate.h"
#include "CreditPartiesFields.h"
#include "FormLook.h"
#include "PaymentCancelInterface.h"
#include "PaymentHistoryReportInterface.h"
#include "ResultSetGrid.h"
#include "ResultSetTableModel.h"
#include "ui_PaymentsHistoryForm.h"
#include "RequiredArgument.h"

#include "sqlite/ResultSet.h"
#include "domain/Credit.h"
#include "domain/Exception.h"

#include <QHeaderView>
#include <QLayout>
#include <QScrollBar>

namespace {
const QSize DesignedSize(529, 369);
const int MaxFieldWidth = 600;
const QString PaymentIDField = QStringLiteral("PaymentID");
}

TPaymentsHistoryForm::TPaymentsHistoryForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::PaymentsHistoryForm>())
    , m_payments(new TResultSetTableModel(this))
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    // A sizeable window: the grid takes whatever room the user gives it.
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (QLineEdit* field : {m_ui->DebtorIDEdit, m_ui->DebtorNameEdit, m_ui->CreditIDEdit, m_ui->ContractNumberEdit,
                             m_ui->ContractDateEdit})
        ShowAsPlainText(field);
    // The selected payment stays marked while a button has the focus.
    KeepSelectionVisible(m_ui->PaymentsGrid);
    TCellMarginDelegate::Install(m_ui->PaymentsGrid);
    // Of the payments set only these, in this order; the amounts read as money, like every amount on screen.
    m_payments->ShowColumns({{PaymentIDField, QStringLiteral("Код платежа"), 12},
                             {QStringLiteral("PaymentDate"), QStringLiteral("Дата платежа"), 20},
                             {QStringLiteral("PaymentSum"), QStringLiteral("Платёж, руб"), 15},
                             {QStringLiteral("AheadSum"), QStringLiteral("Опережение, руб"), 15},
                             {QStringLiteral("Total"), QStringLiteral("Итого, руб"), 15}});
    m_payments->ShowAsMoney({QStringLiteral("PaymentSum"), QStringLiteral("AheadSum"), QStringLiteral("Total")});
    m_paymentsGrid = new TResultSetGrid(m_ui->PaymentsGrid, m_payments, this);

    connect(m_ui->PrintHistoryButton, &QPushButton::clicked, this, &TPaymentsHistoryForm::PrintHistoryActionExecute);
    connect(m_ui->PrintOrderButton, &QPushButton::clicked, this, &TPaymentsHistoryForm::PrintOrderActionExecute);
    connect(m_ui->CancelPaymentButton, &QPushButton::clicked, this,
            &TPaymentsHistoryForm::CancelPaymentActionExecute);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TPaymentsHistoryForm::~TPaymentsHistoryForm() = default;

void TPaymentsHistoryForm::Execute(const TDebtor* debtor, const TCredit* credit,
                                   IPaymentHistoryReportInterface* reportInterface, TResultSet* dataSet)
{
    RequireArgument(debtor, QStringLiteral("Должник не задан."));
    RequireArgument(credit, QStringLiteral("Кредит не задан."));
    RequireArgument(dataSet, QStringLiteral("История платежей не задана."));
    m_reportInterface = reportInterface;
    m_ui->PrintHistoryButton->setEnabled(reportInterface != nullptr);
    m_creditID = credit->GetID();

    ShowCreditParties(*m_ui, *debtor, *credit, MaxFieldWidth);
    m_payments->SetResultSet(dataSet);
    m_paymentsGrid->SelectRow(LatestPaymentRow(*dataSet));
    UpdateCancelPaymentButton();
    OpenWideEnough();
    m_ui->PaymentsGrid->setFocus();

    exec();
    // Nothing of the caller's is kept once the window is closed.
    m_payments->SetResultSet(nullptr);
    m_reportInterface = nullptr;
}

int TPaymentsHistoryForm::LatestPaymentRow(const TResultSet& payments)
{
    // The payment a clerk comes for is mostly the last one (its order to
    // print again): the one recorded last, whatever order the rows come in.
    const int idColumn = payments.FindColumn(PaymentIDField);
    if (idColumn < 0)
        return -1;
    int latest = -1;
    for (int row = 0; row < payments.RowCount(); ++row)
        if (latest < 0 || payments.Integer(row, idColumn) > payments.Integer(latest, idColumn))
            latest = row;
    return latest;
}

void TPaymentsHistoryForm::OpenWideEnough()
{
    // The layout settles the window's minimum and the grid's width now, not
    // while the window is being shown.
    resize(DesignedSize.expandedTo(minimumSizeHint()));
    layout()->invalidate();
    layout()->activate();
    // Where the fonts of this machine make the columns wider than designed,
    // the window opens wide enough to show them all side by side.
    const QTableView* grid = m_ui->PaymentsGrid;
    const int needed = grid->horizontalHeader()->length() + 2 * grid->frameWidth()
        + grid->verticalScrollBar()->sizeHint().width();
    if (needed > grid->width())
        resize(width() + needed - grid->width(), height());
}

void TPaymentsHistoryForm::PrintHistoryActionExecute()
{
    if (m_reportInterface)
        m_reportInterface->PrintPaymentHistory(m_payments->ResultSet(), nullptr);
}

void TPaymentsHistoryForm::PrintOrderActionExecute()
{
    TResultSet* payments = m_payments->ResultSet();
    if (!m_reportInterface || !payments)
        return;
    // The payment of the grid's selected line; an empty history reads 0.
    m_reportInterface->PrintPaymentOrder(int(payments->Integer(m_paymentsGrid->SelectedRow(), PaymentIDField)));
}

void TPaymentsHistoryForm::UpdateCancelPaymentButton()
{
    const TResultSet* payments = m_payments->ResultSet();
    m_ui->CancelPaymentButton->setEnabled(m_cancelInterface && payments && !payments->IsEmpty());
}

void TPaymentsHistoryForm::CancelPaymentActionExecute()
{
    TResultSet* payments = m_payments->ResultSet();
    if (!m_cancelInterface || !payments || !m_cancelInterface->CancelLatestPayment(m_creditID))
        return;
    // The history as the book now holds it.
    payments->Close();
    payments->Open();
    m_payments->SetResultSet(payments);
    m_paymentsGrid->SelectRow(payments->RowCount() - 1);
    UpdateCancelPaymentButton();
    m_ui->PaymentsGrid->setFocus();
}
