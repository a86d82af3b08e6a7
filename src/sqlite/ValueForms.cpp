#include "ValueForms.h"

namespace ValueForms {

QString IntegerToText(qint64 value)
{
    return QString::number(value);
}

qint64 IntegerFromText(const QString& text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

QString DateTimeToText(const DateTime& value, bool dayOnly)
{
    const QDate date = value.Date();
    if (dayOnly)
        return QString::asprintf("%04d-%02d-%02d 00:00:00.000", date.year(), date.month(), date.day());
    const QTime time = value.Time();
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d.%03d", date.year(), date.month(), date.day(), time.hour(),
                             time.minute(), time.second(), time.msec());
}

namespace {

// One number at 1-based character positions [first, first + count); false when it is not one.
bool Part(QStringView text, int first, int count, int& value)
{
    const QStringView part = text.mid(first - 1, count);
    if (part.isEmpty())
        return false;
    value = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return true;
}

}

DateTime DateTimeFromText(const QString& text)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
    const int length = int(text.size());
    if (!Part(text, 1, 4, year) || !Part(text, 6, 2, month) || !Part(text, 9, 2, day))
        return DateTime();
    if (length > 10 && (!Part(text, 12, 2, hour) || !Part(text, 15, 2, minute)))
        return DateTime();
    if (length > 16 && !Part(text, 18, 2, second))
        return DateTime();
    if (length >= 20 && !Part(text, 21, 3, msec))
        return DateTime();
    const QDate date(year, month, day);
    const QTime time(hour, minute, second, msec);
    if (!date.isValid() || !time.isValid())
        return DateTime();
    return DateTime(date, time);
}

QString RealToText(double value)
{
    // QString::number ignores the user's locale: "." and no grouping.
    return QString::number(value, 'g', 15);
}

}
