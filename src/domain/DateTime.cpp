#include "DateTime.h"

#include "Exception.h"

DateTime::DateTime()
    : m_date(ZeroDate())
{
}

DateTime::DateTime(const QDate& date, const QTime& time)
    : m_date(date.isValid() ? date : ZeroDate())
    , m_msecOfDay(time.isValid() ? time.msecsSinceStartOfDay() : 0)
{
}

QDate DateTime::ZeroDate()
{
    return QDate(1899, 12, 30);
}

DateTime DateTime::FromYMD(int year, int month, int day, int hour, int minute, int second, int msec)
{
    return DateTime(QDate(year, month, day), QTime(hour, minute, second, msec));
}

DateTime DateTime::Checked(int year, int month, int day, int hour, int minute, int second, int msec)
{
    const QDate date(year, month, day);
    const QTime time(hour, minute, second, msec);
    if (!date.isValid() || !time.isValid())
        throw Exception(QStringLiteral("Неверная дата: %1-%2-%3")
                            .arg(year, 4, 10, QLatin1Char('0'))
                            .arg(month, 2, 10, QLatin1Char('0'))
                            .arg(day, 2, 10, QLatin1Char('0')));
    return DateTime(date, time);
}

bool DateTime::IsZero() const
{
    return m_date == ZeroDate() && m_msecOfDay == 0;
}

DateTime DateTime::AddMonths(int months) const
{
    // QDate::addMonths already clamps the day to the end of a shorter month.
    DateTime result = *this;
    result.m_date = m_date.addMonths(months);
    return result;
}

DateTime DateTime::AddDays(qint64 days) const
{
    DateTime result = *this;
    result.m_date = m_date.addDays(days);
    return result;
}

qint64 DateTime::MSecsTo(const DateTime& other) const
{
    return m_date.daysTo(other.m_date) * 86400000LL + (other.m_msecOfDay - m_msecOfDay);
}

std::strong_ordering DateTime::operator<=>(const DateTime& o) const
{
    if (const auto c = m_date.toJulianDay() <=> o.m_date.toJulianDay(); c != 0)
        return c;
    return m_msecOfDay <=> o.m_msecOfDay;
}
