#include "ToolOptions.h"

#include "domain/DateTime.h"
#include "domain/Money.h"

#include <QRegularExpression>

TToolOptions::TToolOptions(const QStringList& arguments, const QStringList& known)
{
    for (int i = 0; i < arguments.size() && m_error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--"))) {
            Refuse(QStringLiteral("Лишний аргумент: %1").arg(argument));
            break;
        }
        QString name = argument.mid(2);
        QString value;
        if (const int equals = name.indexOf(QLatin1Char('=')); equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i]; // taken as it is: a negative amount starts with "-"
        } else {
            Refuse(QStringLiteral("Не задано значение параметра --%1").arg(name));
            break;
        }
        if (!known.contains(name))
            Refuse(QStringLiteral("Неизвестный параметр: --%1").arg(name));
        else if (m_values.contains(name))
            Refuse(QStringLiteral("Параметр --%1 задан дважды").arg(name));
        else
            m_values.insert(name, value);
    }
}

void TToolOptions::Refuse(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = reason;
}

std::optional<QString> TToolOptions::Text(const QString& name, bool required)
{
    if (!m_error.isEmpty())
        return std::nullopt;
    if (!m_values.contains(name)) {
        if (required)
            Refuse(QStringLiteral("Не задан параметр --%1").arg(name));
        return std::nullopt;
    }
    return m_values.value(name);
}

void TToolOptions::RefuseValue(const QString& name, const QString& text)
{
    Refuse(QStringLiteral("Неверное значение параметра --%1: %2").arg(name, text));
}

void TToolOptions::Read(const QString& name, int& value, bool required)
{
    const std::optional<QString> given = Text(name, required);
    if (!given)
        return;
    const QString& text = *given;
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        value = number;
    else
        RefuseValue(name, text);
}

void TToolOptions::Read(const QString& name, Money& value, bool required)
{
    const std::optional<QString> given = Text(name, required);
    if (!given)
        return;
    const QString& text = *given;
    if (const auto amount = Money::Parse(text))
        value = *amount;
    else
        RefuseValue(name, text);
}

void TToolOptions::Read(const QString& name, DateTime& value, bool required)
{
    const std::optional<QString> given = Text(name, required);
    if (!given)
        return;
    const QString& text = *given;
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    const QDate date = match.hasMatch()
        ? QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt())
        : QDate();
    if (date.isValid())
        value = DateTime(date);
    else
        RefuseValue(name, text);
}
