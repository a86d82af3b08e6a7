#pragma once

#include <QDateEdit>

// A date field with one Tab stop: Tab leaves it at once instead of stepping
// through day, month and year, so tabbing on and typing never rewrites the
// date unseen. The parts are reached with the arrow keys, the mouse and the
// calendar. Dates show in the locale's short format with the full year.
class TDatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit TDatePicker(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
};
