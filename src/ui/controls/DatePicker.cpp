#include "DatePicker.h"

#include <QLocale>

TDatePicker::TDatePicker(QWidget* parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
}

bool TDatePicker::focusNextPrevChild(bool next)
{
    // The date edit's own version moves between its sections first.
    return QWidget::focusNextPrevChild(next);
}
