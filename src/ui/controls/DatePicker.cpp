#include "DatePicker.h"

#include <QKeyEvent>
#include <QLocale>
#include <QScopedValueRollback>

namespace {
bool IsSeparator(const QKeyEvent* key)
{
    const QString text = key->text();
    return text.size() == 1 && text.front().isPrint() && !text.front().isLetterOrNumber()
        && !(key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
}

bool IsDigit(const QKeyEvent* key)
{
    const QString text = key->text();
    return text.size() == 1 && text.front() >= u'0' && text.front() <= u'9';
}
}

TDatePicker::TDatePicker(QWidget* parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    // A date set by the program, the calendar or the mouse wheel is the date.
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (m_typing)
            return;
        m_typedDay = 0;
        TellImpossibleChange();
    });
}

bool TDatePicker::IsImpossibleDate() const
{
    return m_typedDay > date().daysInMonth();
}

QString TDatePicker::ImpossibleDateMessage() const
{
    if (!IsImpossibleDate())
        return QString();
    // The locale's long month name is the one that follows a day ("февраля").
    // The field itself shows the month's last day meanwhile: the message says why.
    return QStringLiteral("Такой даты нет: %1 %2 %3 года, в этом месяце %4 дней.")
        .arg(m_typedDay)
        .arg(QLocale().monthName(date().month(), QLocale::LongFormat))
        .arg(date().year())
        .arg(date().daysInMonth());
}

bool TDatePicker::focusNextPrevChild(bool next)
{
    // The date edit's own version moves between its sections first.
    return QWidget::focusNextPrevChild(next);
}

void TDatePicker::keyPressEvent(QKeyEvent* event)
{
    {
        const QScopedValueRollback typing(m_typing, true);
        HandleKey(event);
    }
    TellImpossibleChange();
}

void TDatePicker::TellImpossibleChange()
{
    if (IsImpossibleDate() == m_toldImpossible)
        return;
    m_toldImpossible = IsImpossibleDate();
    emit ImpossibleDateChanged();
}

void TDatePicker::HandleKey(QKeyEvent* event)
{
    if (IsSeparator(event)) {
        TypeSeparator();
        event->accept();
        return;
    }
    const Section section = currentSection();
    const int sectionIndex = currentSectionIndex();
    QDateEdit::keyPressEvent(event);
    m_movedOnByDigit = IsDigit(event) && currentSectionIndex() != sectionIndex;
    if (section == DaySection) {
        bool ok = false;
        const int day = sectionText(DaySection).toInt(&ok);
        m_typedDay = ok ? day : 0;
    } else {
        KeepTypedDay();
    }
}

void TDatePicker::TypeSeparator()
{
    // After the last part a separator has nowhere to go; it never takes the
    // typing on to another field.
    if (!m_movedOnByDigit && currentSectionIndex() + 1 < sectionCount())
        QDateEdit::focusNextPrevChild(true);
    m_movedOnByDigit = false;
}

void TDatePicker::KeepTypedDay()
{
    if (m_typedDay == 0 || m_typedDay == date().day())
        return;
    // The date edit cuts a day too large for the month typed after it; the
    // day comes back when the month and year allow it, and until then the
    // date counts as impossible.
    if (m_typedDay <= date().daysInMonth()) {
        const Section section = currentSection();
        setDate(QDate(date().year(), date().month(), m_typedDay));
        setSelectedSection(section);
    }
}
