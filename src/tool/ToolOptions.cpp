#include "ToolOptions.h"

#include "domain/DateTime.h"
#include "domain/Money.h"

TToolOptions::TToolOptions(const QStringList& arguments, const QStringList& known, int fileCount,
                           const QStringList& flags)
{
    for (int i = 0; i < arguments.size() && m_error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        // Parameter names begin with a letter: "--5" is a (bad) value, for the command to judge.
        const bool named = argument.startsWith(QLatin1String("--")) && argument.size() > 2 && argument.at(2).isLetter();
        if (!named) {
            if (m_files.size() < fileCount) {
                m_files << argument;
                continue;
            }
            Refuse(QStringLiteral("Лишний аргумент: %1").arg(argument));
            break;
        }
        QString name = argument.mid(2);
        QString value;
        const bool flag = flags.contains(name);
        if (flag) {
            // given, without a value
        } else if (const int equals = name.indexOf(QLatin1Char('=')); equals >= 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i]; // taken as it is: a negative amount starts with "-"
        } else {
            Refuse(QStringLiteral("Не задано значение параметра --%1").arg(name));
            break;
        }
        if (!flag && flags.contains(name))
            Refuse(QStringLiteral("Параметр --%1 задаётся без значения").arg(name));
        else if (!known.contains(name) && !flags.contains(name))
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

QString TToolOptions::RequireFile(const QString& reasonWhenMissing)
{
    if (m_files.isEmpty())
        Refuse(reasonWhenMissing);
    return m_files.value(0);
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

template <typename T, typename Reader>
void TToolOptions::ReadWith(const QString& name, T& value, bool required, Reader read)
{
    const std::optional<QString> text = Text(name, required);
    if (!text)
        return;
    if (const auto result = read(*text))
        value = *result;
    else
        Refuse(QStringLiteral("Неверное значение параметра --%1: %2").arg(name, *text));
}

void TToolOptions::Read(const QString& name, int& value, bool required)
{
    ReadWith(name, value, required, [](const QString& text) -> std::optional<int> {
        bool ok = false;
        const int number = text.toInt(&ok);
        return ok ? std::optional<int>(number) : std::nullopt;
    });
}

void TToolOptions::Read(const QString& name, Money& value, bool required)
{
    ReadWith(name, value, required, &Money::Parse);
}

void TToolOptions::Read(const QString& name, DateTime& value, bool required)
{
    // A sign or a fifth year digit is no date the file could hold.
    ReadWith(name, value, required, [](const QString& text) { return DateTime::ParseDay(text); });
}

void TToolOptions::Read(const QString& name, QString& value, bool required)
{
    ReadWith(name, value, required, [](const QString& text) { return std::optional<QString>(text); });
}
