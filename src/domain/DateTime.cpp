#include "DateTime.h"

#include "Exception.h"

DateTime::DateTime()
    : m_date(ZeroDate())
{
}

DateTime::DateTime(const QDate& date, const QTime& time)
    : m_date(date.isValid() ? InsideCalendar(date) : ZeroDate())
    , m_msecOfDay(time.isValid() ? time.msecsSinceStartOfDay() : 0)
{
}

QDate DateTime::ZeroDate()
{
    return QDate(1899, 12, 30);
}

QDate DateTime::InsideCalendar(const QDate& date)
{
    if (!InCalendar(date))
        throw Exception(QStringLiteral("Дата выходит за пределы календаря (0001-01-01 — 9999-12-31)."));
    return date;
}

std::optional<DateTime> DateTime::ParseDay(QStringView text)
{
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return std::nullopt;
    int parts[3] = {};
    const int starts[3] = { 0, 5, 8 };
    const int lengths[3] = { 4, 2, 2 };
    for (int part = 0; part < 3; ++part) {
        for (int i = starts[part]; i < starts[part] + lengths[part]; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return std::nullopt;
            parts[part] = parts[part] * 10 + (c - u'0');
        }
    }
    // Four digits cannot leave the calendar; year 0 is no date at all.
    const QDate date(parts[0], parts[1], parts[2]);
    if (!date.isValid())
        return std::nullopt;
    return DateTime(date);
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
    result.m_date = InsideCalendar(m_date.addMonths(months));
    return result;
}

DateTime DateTime::AddDays(qint64 days) const
{
    DateTime result = *this;
    result.m_date = InsideCalendar(m_date.addDays(days));
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
