#pragma once

#include <QDateEdit>

// A date field with one Tab stop: Tab leaves it at once instead of stepping
// through day, month and year, so tabbing on and typing never rewrites the
// date unseen. The parts are reached with the arrow keys, the mouse and the
// calendar. Dates show in the locale's short format with the full year.
//
// A whole date can be typed, with or without separators ("10.12.2026" or
// "10122026"): a separator moves on to the next part unless the part before
// was already full, and nothing typed ever leaves the field. A day typed
// beyond the end of its month (29.02 of a year that is not leap, 31.04) is
// kept as typed rather than cut to the month's last day: the field then
// holds an impossible date, which its form refuses.
class TDatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit TDatePicker(QWidget* parent = nullptr);

    // The typed day does not exist in the month and year shown.
    bool IsImpossibleDate() const;
    // Says which date does not exist; empty while the date is possible.
    QString ImpossibleDateMessage() const;

signals:
    // Typing made the date impossible, or possible again.
    void ImpossibleDateChanged();

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void HandleKey(QKeyEvent* event);
    void TypeSeparator();
    // Puts the typed day back once the month and year have room for it.
    void KeepTypedDay();
    void TellImpossibleChange();

    bool m_typing = false;
    // The part before was filled by the last digit and the cursor moved on:
    // a separator typed now only confirms that move.
    bool m_movedOnByDigit = false;
    // The day as typed, while it is not what the date shows; 0 for none.
    int m_typedDay = 0;
    bool m_toldImpossible = false;
};
