#include "ReportValueFormat.h"

#include "sqlite/ValueForms.h"
#include "domain/DateTime.h"

#include <QLocale>

namespace {

// The stored date forms begin with "yyyy-mm-dd".
bool LooksLikeStoredDate(const QString& value)
{
    return value.size() >= 10 && value.at(4) == QLatin1Char('-') && value.at(7) == QLatin1Char('-');
}

}

std::optional<Money> ReadReportMoney(const QString& value)
{
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (std::optional<Money> money = Money::Parse(trimmed))
        return money;
    QString plain = trimmed;
    plain.replace(QLocale().decimalPoint(), QStringLiteral("."));
    return Money::Parse(plain);
}

QString FormatReportValue(const QString& value, TReportValueFormat format)
{
    switch (format) {
    case TReportValueFormat::Text:
        return value;
    case TReportValueFormat::Money:
    case TReportValueFormat::Amount: {
        const std::optional<Money> money = ReadReportMoney(value);
        if (!money)
            return value;
        const double roubles = static_cast<double>(money->WholeKopecks()) / 100.0;
        return format == TReportValueFormat::Money ? QLocale().toCurrencyString(roubles, QString(), 2)
                                                   : QLocale().toString(roubles, 'f', 2);
    }
    case TReportValueFormat::Date:
    case TReportValueFormat::DateTime: {
        if (!LooksLikeStoredDate(value))
            return value;
        const DateTime date = ValueForms::DateTimeFromText(value);
        QString text = QLocale().toString(date.Date(), QLocale::ShortFormat);
        if (format == TReportValueFormat::DateTime)
            text += QLatin1Char(' ') + date.Time().toString(QStringLiteral("HH:mm"));
        return text;
    }
    case TReportValueFormat::Integer: {
        bool ok = false;
        const double number = value.trimmed().toDouble(&ok);
        return ok ? QString::number(qint64(number)) : value;
    }
    }
    return value;
}
