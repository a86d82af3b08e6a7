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
    UseSingleBorder(this);
    for (QLineEdit* field : {m_ui->DebtorIDEdit, m_ui->DebtorNameEdit})
        ShowAsPlainText(field);
    QTreeWidget* list = m_ui->CreditListView;
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
    m_ui->DebtorIDEdit->setText(FormatWholeNumber(debtor->GetID()));
    m_ui->DebtorNameEdit->setText(DebtorFullName(*debtor));
    m_ui->DebtorNameEdit->setCursorPosition(0);
    FillCreditsList(credits, m_ui->CreditListView);
    if (index != -1 && credits->IsValidIndex(index))
        m_ui->CreditListView->setCurrentItem(m_ui->CreditListView->topLevelItem(index));
    m_ui->InfoLabel->clear();
    return exec() == QDialog::Accepted;
}

int TCreditSelectForm::SelectedIndex() const
{
    const QList<QTreeWidgetItem*> selected = m_ui->CreditListView->selectedItems();
    return selected.isEmpty() ? -1 : m_ui->CreditListView->indexOfTopLevelItem(selected.first());
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
    const int index = SelectedIndex();
    if (index != -1) {
        const TCredit* credit = CreditOfLine(m_ui->CreditListView->topLevelItem(index));
        if (credit && !credit->IsPaidOff()) {
            accept();
            return;
        }
        m_ui->InfoLabel->setText(QStringLiteral("Кредит уже погашен"));
    }
    ShakeWithDisabled(m_ui->OkButton);
}
