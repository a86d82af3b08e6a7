#include "DebtorDetailsTree.h"

#include "domain/Debtor.h"
#include "domain/PersonName.h"

#include <QScopeGuard>
#include <QTreeWidget>

#include <utility>
#include <vector>

namespace {

using TDetailLines = std::vector<std::pair<QString, QString>>; // format, value

void AddHeading(QTreeWidget* tree, const QString& caption, const TDetailLines& lines)
{
    auto* heading = new QTreeWidgetItem(tree, {caption});
    for (const auto& [format, value] : lines)
        if (!value.isEmpty()) {
            auto* line = new QTreeWidgetItem(heading, {format.arg(value)});
            // Long lines wrap in the narrow panel; the whole line also shows on hovering.
            line->setToolTip(0, line->text(0));
        }
    heading->setExpanded(heading->childCount() > 0);
}

}

void FillDebtorDetails(QTreeWidget* tree, const TDebtor& debtor)
{
    if (!tree)
        return;
    // One repaint for the whole rebuild.
    tree->setUpdatesEnabled(false);
    const auto resume = qScopeGuard([tree] { tree->setUpdatesEnabled(true); });
    tree->clear();
    AddHeading(tree, QStringLiteral("ФИО"),
               {{QStringLiteral("%1"), FullName(debtor.Surname, debtor.GetName(), debtor.PatronymicName)}});
    AddHeading(tree, QStringLiteral("Паспорт"),
               {{QStringLiteral("Серия: %1"), debtor.PassportSeries},
                {QStringLiteral("Номер: %1"), debtor.PassportNumber},
                {QStringLiteral("Выдан: %1"), debtor.PassportInfo}});
    AddHeading(tree, QStringLiteral("Адрес"),
               {{QStringLiteral("Индекс: %1"), debtor.PostCode},
                {QStringLiteral("Область/край: %1"), debtor.Region},
                {QStringLiteral("Район: %1"), debtor.District},
                {QStringLiteral("Город: %1"), debtor.City},
                {QStringLiteral("Улица: %1"), debtor.Street},
                {QStringLiteral("Дом: %1"), debtor.Building},
                {QStringLiteral("Квартира: %1"), debtor.Flat}});
    AddHeading(tree, QStringLiteral("Телефоны"), {{QStringLiteral("%1"), debtor.Telephone}});
}
