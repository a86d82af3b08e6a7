#pragma once

#include <QList>
#include <QString>

class QWidget;

// Marks an input field whose content its form refused: a pale red background
// and the reason as its tool tip, so that the clerk sees which field to mend
// and why. Any input control can be marked (edits, date pickers, lists). The
// mark stays until it is cleared; the field's own look and tool tip then come
// back. Nothing happens without a field.
void MarkFieldAtFault(QWidget* field, const QString& reason);
void ClearFieldFault(QWidget* field);
bool IsFieldAtFault(const QWidget* field);
// The reason given with the mark; empty for a field not marked.
QString FieldFaultReason(const QWidget* field);

// One refused field and why.
struct TFieldFault
{
    QWidget* Field = nullptr;
    QString Reason;
};

// Marks exactly the faulty fields among the form's fields and clears the
// others; the first fault in the list comes first in the form's own order.
void ShowFieldFaults(const QList<QWidget*>& fields, const QList<TFieldFault>& faults);

// The form's verdict followed by what is wrong with the first faulty field:
// "Данные кредита введены неверно. Введите номер договора."
QString FaultsMessage(const QString& verdict, const QList<TFieldFault>& faults);
// Puts the focus, with its text selected, into the first marked field of the
// form's fields, so that the clerk mends it by simply typing.
void FocusFirstFault(const QList<QWidget*>& fields);
