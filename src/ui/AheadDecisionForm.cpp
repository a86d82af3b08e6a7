#include "AheadDecisionForm.h"

#include "DisplayFormats.h"
#include "FormLook.h"
#include "ReportListLines.h"
#include "domain/Credit.h"
#include "domain/Exception.h"
#include "domain/PaymentScheduleItem.h"
#include "domain/ScheduleRecalculation.h"
#include "ui_AheadDecisionForm.h"
#include "RequiredArgument.h"

#include <QHeaderView>
#include <optional>
#include <vector>

Q_DECLARE_METATYPE(const TPaymentScheduleItem*)

namespace {
const QColor Olive(128, 128, 0);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QColor Orange(255, 128, 0);

struct TColumn
{
    const char* caption;
    int width;
    Qt::Alignment alignment;
};
const TColumn Columns[] = {
    {"Дата выплаты", 64, Qt::AlignLeft},
    {"Остаток", 100, Qt::AlignRight},
    {"Контр. сумма", 100, Qt::AlignLeft},
    {"Аннуитет", 100, Qt::AlignLeft},
};

void SetUpList(QTreeWidget* list)
{
    QStringList captions;
    std::vector<int> widths;
    for (const TColumn& column : Columns) {
        captions << QString::fromUtf8(column.caption);
        widths.push_back(column.width);
    }
    list->setHeaderLabels(captions);
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    for (int i = 0; i < list->columnCount(); ++i)
        list->headerItem()->setTextAlignment(i, Columns[i].alignment | Qt::AlignVCenter);
    const QString widestMoney = FormatMoney(Money::FromReal(999999.99));
    SetColumnWidths(list, widths,
                    {FormatShortDate(DateTime::FromYMD(2000, 12, 28)), widestMoney, widestMoney, widestMoney});
    // Room for every column beside the vertical scroll bar: no horizontal one.
    list->setMinimumWidth(ColumnsRoom(list));
}

// A line's colour tells how its instalment compares with the same month of
// the other schedule; equal ones keep the list's own colour (none here).
std::optional<QColor> LineColor(const TPaymentSchedule& own, const TPaymentSchedule& other, int index)
{
    if (index >= own.Count() || index >= other.Count())
        return Red;
    const Money mine = own.Items(index)->Annua;
    const Money theirs = other.Items(index)->Annua;
    if (mine > theirs)
        return Olive;
    if (mine < theirs)
        return Green;
    return std::nullopt;
}
}

TAheadDecisionForm::TAheadDecisionForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AheadDecisionForm>())
{
    m_ui->setupUi(this);
    ShowAsPlainText(m_ui->AheadEdit);
    SetTextColor(m_ui->AheadEdit, Green);
    SetTextColor(m_ui->CloseWarningLabel, Orange);
    m_ui->CloseWarningLabel->setVisible(false);
    SetUpList(m_ui->OldListView);
    SetUpList(m_ui->NewListView);
    FixFormSize(this, QSize(794, 505));

    connect(m_ui->JustLeaveRadioButton, &QRadioButton::clicked, this, &TAheadDecisionForm::BuildPreview);
    connect(m_ui->ReduceAnnuaRadioButton, &QRadioButton::clicked, this, &TAheadDecisionForm::BuildPreview);
    connect(m_ui->OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

TAheadDecisionForm::~TAheadDecisionForm() = default;

bool TAheadDecisionForm::Execute(const TCredit* credit, const TPaymentScheduleItem* row,
                                 const TPaymentSchedule* schedule, Money ahead)
{
    RequireArgument(credit, QStringLiteral("Кредит не задан."));
    RequireArgument(row, QStringLiteral("Элемент графика не задан."));
    RequireArgument(schedule, QStringLiteral("График выплат не задан."));
    m_credit = credit;
    m_row = row;
    m_schedule = schedule;
    m_ahead = ahead;
    m_ui->AheadEdit->setText(FormatMoney(ahead));
    m_ui->CloseWarningLabel->setVisible(row->Balance - ahead < Money::Kopeck);
    BuildPreview();
    if (exec() != QDialog::Accepted)
        return false;
    BuildPreview();
    return true;
}

TAheadDecision TAheadDecisionForm::Choice() const
{
    const QRadioButton* reduce = m_ui->ReduceAnnuaRadioButton;
    return reduce->isChecked() && reduce->isEnabled() ? adReduceAnnua : adJustLeave;
}

void TAheadDecisionForm::BuildPreview()
{
    if (!m_schedule)
        return;
    // Built aside first: when the rebuild is refused, what was shown stays.
    TPaymentSchedule result;
    TPaymentSchedule preview;
    if (Choice() == adReduceAnnua) {
        ApplyAheadPayment(m_credit, m_row, m_schedule, m_ahead, &result);
        preview.AssignFrom(&result);
        preview.RemoveDeleted();
        m_resultSchedule = std::move(result);
    } else {
        preview.AssignFrom(m_schedule);
    }
    m_previewSchedule = std::move(preview);
    FillList(m_ui->OldListView, *m_schedule, m_previewSchedule);
    FillList(m_ui->NewListView, m_previewSchedule, *m_schedule);
}

void TAheadDecisionForm::FillList(QTreeWidget* list, const TPaymentSchedule& own, const TPaymentSchedule& other)
{
    list->setUpdatesEnabled(false);
    list->clear();
    QList<QTreeWidgetItem*> lines;
    for (int i = 0; i < own.Count(); ++i) {
        const TPaymentScheduleItem* row = own.Items(i);
        auto* line = new QTreeWidgetItem;
        SetLineTexts(list, line,
                     {FormatShortDate(row->PaymentDate), FormatMoney(row->Balance), FormatMoney(row->MustBePaymentSum),
                      FormatMoney(row->Annua)});
        SetLineLook(list, line, LineColor(own, other, i), false);
        line->setData(0, Qt::UserRole, QVariant::fromValue(row));
        lines << line;
    }
    list->addTopLevelItems(lines);
    list->setUpdatesEnabled(true);
}
