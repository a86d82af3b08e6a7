#include "FieldFault.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {
const char* const ReasonProperty = "varnelFaultReason";
const char* const OwnPaletteProperty = "varnelFaultOwnPalette";
const char* const OwnToolTipProperty = "varnelFaultOwnToolTip";
// Pale enough for the text to stay readable in any colour a form gives it.
const QColor FaultBackground(255, 214, 214);
}

void MarkFieldAtFault(QWidget* field, const QString& reason)
{
    if (!field)
        return;
    if (!IsFieldAtFault(field)) {
        // The palette as the field had it, with what it set itself, so that
        // clearing gives back exactly its own look.
        field->setProperty(OwnPaletteProperty, QVariant::fromValue(field->palette()));
        field->setProperty(OwnToolTipProperty, field->toolTip());
        QPalette look = field->palette();
        look.setColor(QPalette::Base, FaultBackground);
        field->setPalette(look);
    }
    field->setProperty(ReasonProperty, reason);
    field->setToolTip(reason);
}

void ClearFieldFault(QWidget* field)
{
    if (!field || !IsFieldAtFault(field))
        return;
    field->setPalette(field->property(OwnPaletteProperty).value<QPalette>());
    field->setToolTip(field->property(OwnToolTipProperty).toString());
    for (const char* name : {ReasonProperty, OwnPaletteProperty, OwnToolTipProperty})
        field->setProperty(name, QVariant());
}

bool IsFieldAtFault(const QWidget* field)
{
    return field && field->property(OwnPaletteProperty).isValid();
}

QString FieldFaultReason(const QWidget* field)
{
    return field ? field->property(ReasonProperty).toString() : QString();
}

void ShowFieldFaults(const QList<QWidget*>& fields, const QList<TFieldFault>& faults)
{
    for (QWidget* field : fields) {
        const auto fault = std::find_if(faults.begin(), faults.end(),
                                        [field](const TFieldFault& candidate) { return candidate.Field == field; });
        if (fault == faults.end())
            ClearFieldFault(field);
        else
            MarkFieldAtFault(field, fault->Reason);
    }
}

QString FaultsMessage(const QString& verdict, const QList<TFieldFault>& faults)
{
    return faults.isEmpty() ? verdict : verdict + QLatin1Char(' ') + faults.first().Reason;
}

void FocusFirstFault(const QList<QWidget*>& fields)
{
    const auto first = std::find_if(fields.begin(), fields.end(), IsFieldAtFault);
    if (first != fields.end())
        (*first)->setFocus(Qt::TabFocusReason);
}
