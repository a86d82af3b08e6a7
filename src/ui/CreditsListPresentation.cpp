#include "CreditsListPresentation.h"

#include "DisplayFormats.h"
#include "ReportListLines.h"

#include "domain/CreditsList.h"

#include <QScopeGuard>
#include <QStringList>
#include <QTreeWidget>

namespace {
constexpr int CreditRole = Qt::UserRole;
// As many characters as the credit dialog lets a contract number have.
constexpr int ContractNumberMaxLength = 20;
const QString PaidOffState = QStringLiteral("Погашен");
const QString ActiveState = QStringLiteral("Активный");
}

void SetupCreditsListColumns(QTreeWidget* list, const std::array<int, CreditsListColumnCount>& widths,
                             int leftAlignedColumns)
{
    if (!list)
        return;
    list->setColumnCount(CreditsListColumnCount);
    list->setHeaderLabels({QStringLiteral("Код"), QStringLiteral("№ договора"), QStringLiteral("Дата договора"),
                           QStringLiteral("Сумма"), QStringLiteral("Всего платежей"),
                           QStringLiteral("Просрочек всего"), QStringLiteral("Акт. просрочек"),
                           QStringLiteral("Состояние")});
    for (int column = 0; column < CreditsListColumnCount; ++column) {
        const Qt::Alignment horizontal = column < leftAlignedColumns ? Qt::AlignLeft : Qt::AlignRight;
        list->headerItem()->setTextAlignment(column, horizontal | Qt::AlignVCenter);
    }
    // What each column can hold: IDs of up to seven digits, contract numbers
    // of up to twenty characters, counters of up to four digits.
    SetColumnWidths(list, widths,
                    {WidestTextOf(7), WidestTextOf(ContractNumberMaxLength), WidestDateText(), WidestAmountText(),
                     WidestAmountText(), WidestTextOf(4), WidestTextOf(4), ActiveState});
}

void FillCreditsList(const TCreditsList* credits, QTreeWidget* list)
{
    if (!credits || !list)
        return;
    list->setUpdatesEnabled(false);
    const auto resume = qScopeGuard([list] { list->setUpdatesEnabled(true); });
    list->clear();
    for (const auto& credit : *credits) {
        auto* line = new QTreeWidgetItem;
        line->setData(0, CreditRole, QVariant::fromValue<const TCredit*>(credit.get()));
        const QStringList texts{FormatWholeNumber(credit->GetID()),
                                credit->ContractNumber,
                                FormatShortDate(credit->ContractDate),
                                FormatMoney(credit->CreditSize),
                                FormatMoney(credit->PaymentsSum),
                                FormatWholeNumber(credit->DelayCount),
                                FormatWholeNumber(credit->ActiveDelayCount),
                                credit->IsPaidOff() ? PaidOffState : ActiveState};
        SetLineTexts(list, line, texts);
        list->addTopLevelItem(line);
        PaintCreditLine(list, line);
    }
}

void PaintCreditLine(QTreeWidget* list, QTreeWidgetItem* line)
{
    const TCredit* credit = CreditOfLine(line);
    if (!list || !credit)
        return;
    std::optional<QColor> colour; // none: the list's normal text colour
    if (credit->IsPaidOff())
        colour = QColor(192, 192, 192);
    else if (credit->ActiveDelayCount != 0)
        colour = QColor(255, 0, 0);
    SetLineLook(list, line, colour, credit->DelayCount >= 2);
}

const TCredit* CreditOfLine(const QTreeWidgetItem* line)
{
    return line ? line->data(0, CreditRole).value<const TCredit*>() : nullptr;
}
