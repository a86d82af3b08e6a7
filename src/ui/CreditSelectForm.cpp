#include "CreditSelectForm.h"

#include "ui_CreditSelectForm.h"

#include "CreditsListPresentation.h"
#include "DisplayFormats.h"
#include "FormLook.h"
#include "ReportListLines.h"
#include "RequiredArgument.h"

#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"

TCreditSelectForm::TCreditSelectForm(QWidget* parent)
    : THeadShakeForm(parent)
    , m_ui(std::make_unique<Ui::TCreditSelectForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    UseSingleBorder(this);
    for (QLineEdit* field : {m_ui->DebtorIDEdit, m_ui->DebtorNameEdit})
        ShowAsPlainText(field);
    QTreeWidget* list = m_ui->CreditListView;
    KeepSelectionVisible(list);
    SetupCreditsListColumns(list, {50, 100, 100, 100, 100, 100, 100, 100}, 3);
    // Fixed size, but wide enough for every column in the font at hand.
    list->setMinimumWidth(ColumnsRoom(list));
    FixFormSize(this, QSize(793, 329));

    connect(list, &QTreeWidget::itemSelectionChanged, this, &TCreditSelectForm::CreditListViewChange);
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, &TCreditSelectForm::CreditListViewChange);
    connect(list, &QTreeWidget::itemDoubleClicked, this, &TCreditSelectForm::OkActionExecute);
    connect(m_ui->OkButton, &QPushButton::clicked, this, &TCreditSelectForm::OkActionExecute);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TCreditSelectForm::~TCreditSelectForm() = default;

bool TCreditSelectForm::Execute(TCreditsList* credits, TDebtor* debtor, int index)
{
    RequireArgument(credits, QStringLiteral("Список кредитов не задан."));
    RequireArgument(debtor, QStringLiteral("Должник не задан."));
    m_credits = credits;
    m_ui->DebtorIDEdit->setText(FormatWholeNumber(debtor->GetID()));
    m_ui->DebtorNameEdit->setText(DebtorFullName(*debtor));
    m_ui->DebtorNameEdit->setCursorPosition(0);
    QTreeWidget* list = m_ui->CreditListView;
    FillCreditsList(credits, list);
    PutRepaidLast();
    // The dialog opens on a credit that can take the payment: the one asked
    // for when it can, else the first one open; Enter then takes it.
    QTreeWidgetItem* start = nullptr;
    if (index != -1 && credits->IsValidIndex(index) && !credits->Items(index)->IsPaidOff())
        start = LineOf(credits->Items(index));
    for (int line = 0; !start && line < list->topLevelItemCount(); ++line) {
        const TCredit* credit = CreditOfLine(list->topLevelItem(line));
        if (credit && !credit->IsPaidOff())
            start = list->topLevelItem(line);
    }
    if (start)
        list->setCurrentItem(start);
    list->setFocus();
    m_ui->InfoLabel->clear();
    return exec() == QDialog::Accepted;
}

void TCreditSelectForm::PutRepaidLast()
{
    // Repaid credits cannot take a payment: they stay in view, below the open ones.
    QTreeWidget* list = m_ui->CreditListView;
    QList<QTreeWidgetItem*> repaid;
    for (int line = list->topLevelItemCount() - 1; line >= 0; --line) {
        const TCredit* credit = CreditOfLine(list->topLevelItem(line));
        if (credit && credit->IsPaidOff())
            repaid.prepend(list->takeTopLevelItem(line));
    }
    list->addTopLevelItems(repaid);
}

QTreeWidgetItem* TCreditSelectForm::LineOf(const TCredit* credit) const
{
    QTreeWidget* list = m_ui->CreditListView;
    for (int line = 0; line < list->topLevelItemCount(); ++line)
        if (CreditOfLine(list->topLevelItem(line)) == credit)
            return list->topLevelItem(line);
    return nullptr;
}

int TCreditSelectForm::SelectedIndex() const
{
    const QList<QTreeWidgetItem*> selected = m_ui->CreditListView->selectedItems();
    if (selected.isEmpty() || !m_credits)
        return -1;
    // Lines are not in list order: the credit tells its place.
    const TCredit* credit = CreditOfLine(selected.first());
    for (int i = 0; i < m_credits->Count(); ++i)
        if (m_credits->Items(i) == credit)
            return i;
    return -1;
}

void TCreditSelectForm::CreditListViewChange()
{
    m_ui->InfoLabel->clear();
}

void TCreditSelectForm::OkActionExecute()
{
    // A double click arriving during a shake must not close the dialog.
    if (!m_ui->OkButton->isEnabled())
        return;
    const QList<QTreeWidgetItem*> selected = m_ui->CreditListView->selectedItems();
    if (!selected.isEmpty()) {
        const TCredit* credit = CreditOfLine(selected.first());
        if (credit && !credit->IsPaidOff()) {
            accept();
            return;
        }
        m_ui->InfoLabel->setText(QStringLiteral("Кредит уже погашен"));
    }
    ShakeWithDisabled(m_ui->OkButton);
}
