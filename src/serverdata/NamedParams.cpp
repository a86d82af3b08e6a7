#include "NamedParams.h"

#include "sqlite/ValueForms.h"

#include <QDateTime>

namespace {

bool StartsName(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool InName(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

const QVariant* FindValue(const TQueryParams& params, const QString& name)
{
    for (const auto& [given, value] : params)
        if (given == name)
            return &value;
    return nullptr;
}

}

std::optional<QString> ServerParamText(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return ValueForms::RealToText(value.toDouble());
    case QMetaType::Bool:
        return ValueForms::FlagToText(value.toBool());
    case QMetaType::QDate:
        return ValueForms::DateTimeToText(DateTime(value.toDate()));
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        return ValueForms::DateTimeToText(DateTime(moment.date(), moment.time()));
    }
    default: {
        const QString text = value.toString();
        if (text.isEmpty())
            return std::nullopt; // as the file stores an empty text
        return text;
    }
    }
}

TServerStatement ToServerStatement(const QString& sql, const TQueryParams& params)
{
    TServerStatement statement;
    statement.Sql.reserve(sql.size());
    QStringList names;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            statement.Sql += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            statement.Sql += c;
            continue;
        }
        const bool cast = (i > 0 && sql[i - 1] == QLatin1Char(':'))
                          || (i + 1 < sql.size() && sql[i + 1] == QLatin1Char(':'));
        if (c != QLatin1Char(':') || cast || i + 1 >= sql.size() || !StartsName(sql[i + 1])) {
            statement.Sql += c;
            continue;
        }
        qsizetype end = i + 1;
        while (end < sql.size() && InName(sql[end]))
            ++end;
        const QString name = sql.mid(i + 1, end - i - 1);
        qsizetype number = names.indexOf(name);
        if (number < 0) {
            names << name;
            number = names.size() - 1;
            const QVariant* value = FindValue(params, name);
            statement.Params.push_back(value ? ServerParamText(*value) : std::nullopt);
        }
        statement.Sql += QLatin1Char('$') + QString::number(number + 1);
        i = end - 1;
    }
    return statement;
}
