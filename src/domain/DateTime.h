#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <compare>
#include <optional>

// A naive local date with a time of day at millisecond resolution. The zero
// value is 30 December 1899 00:00, which is also what an unreadable stored
// date turns into.
//
// Every date lies within 0001-01-01 .. 9999-12-31: the file writes years with
// four digits and compares dates as texts, so a fifth digit or a sign would
// sort wrongly and read back as the zero date. Whatever would leave that
// calendar raises instead.
class DateTime
{
public:
    DateTime(); // the zero value
    // An invalid date gives the zero value; a date outside the calendar raises.
    explicit DateTime(const QDate& date, const QTime& time = QTime(0, 0));
    static DateTime FromYMD(int year, int month, int day, int hour = 0, int minute = 0,
                            int second = 0, int msec = 0);
    // Raises when the parts do not make a real date or time.
    static DateTime Checked(int year, int month, int day, int hour = 0, int minute = 0,
                            int second = 0, int msec = 0);
    static QDate ZeroDate();
    static QDate FirstDate() { return QDate(1, 1, 1); }
    static QDate LastDate() { return QDate(9999, 12, 31); }
    static bool InCalendar(const QDate& date) { return date >= FirstDate() && date <= LastDate(); }
    // A whole day written yyyy-mm-dd with ASCII digits (no sign, no blanks),
    // inside the calendar; nothing for any other text.
    static std::optional<DateTime> ParseDay(QStringView text);

    QDate Date() const { return m_date; }
    QTime Time() const { return QTime::fromMSecsSinceStartOfDay(m_msecOfDay); }
    int MSecOfDay() const { return m_msecOfDay; }
    bool IsZero() const;

    // The same moment with the time of day dropped.
    DateTime DayOnly() const { return DateTime(m_date); }
    // Same day number `months` months later (or earlier), lowered to the last day of a shorter month.
    DateTime AddMonths(int months) const;
    DateTime AddDays(qint64 days) const;
    // Whole days from this date to other (time of day ignored).
    qint64 DaysTo(const DateTime& other) const { return m_date.daysTo(other.m_date); }
    // Milliseconds from this moment to other.
    qint64 MSecsTo(const DateTime& other) const;

    bool operator==(const DateTime& o) const = default;
    std::strong_ordering operator<=>(const DateTime& o) const;

private:
    // The date itself when it lies inside the calendar; raises otherwise.
    static QDate InsideCalendar(const QDate& date);

    QDate m_date;
    int m_msecOfDay = 0;
};
