#include "WordsCommand.h"

#include "ToolOptions.h"

#include "reports/MoneyInWords.h"

#include <QRegularExpression>

namespace {

// The largest amount a document states: twelve digits of roubles.
const Money LargestAmount = Money::FromUnits(999'999'999'999'99 * Money::UnitsPerKopeck);
const QString LargestAmountText = QStringLiteral("999 999 999 999,99");

// An amount as a clerk writes it: digits, thousands apart by blanks or no-break
// blanks if one likes, a comma or a point before at most four decimals, a minus
// in front. The amount is read exactly, never through a binary fraction.
std::optional<Money> ReadClerkAmount(const QString& text, QString& reason)
{
    static const QRegularExpression amount(QStringLiteral(
        "^(-?)(\\d{1,3}(?:[ \\x{00A0}\\x{202F}]\\d{3})+|\\d+)(?:[.,](\\d{1,4}))?$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = amount.match(trimmed);
    if (!match.hasMatch()) {
        static const QRegularExpression decimals(QStringLiteral("^-?[\\d \\x{00A0}\\x{202F}]+[.,]\\d{5,}$"));
        reason = decimals.match(trimmed).hasMatch()
            ? QStringLiteral("после запятой не больше четырёх цифр")
            : QStringLiteral("ожидаются цифры (тысячи можно отделить пробелом), запятая или точка перед копейками "
                             "и, для отрицательной суммы, минус впереди");
        return std::nullopt;
    }
    QString plain = match.captured(1) + match.captured(2);
    plain.remove(QRegularExpression(QStringLiteral("[ \\x{00A0}\\x{202F}]")));
    if (!match.captured(3).isEmpty())
        plain += QLatin1Char('.') + match.captured(3);
    const std::optional<Money> money = Money::Parse(plain);
    if (!money || *money > LargestAmount || *money < -LargestAmount) {
        reason = QStringLiteral("сумма по модулю не больше %1").arg(LargestAmountText);
        return std::nullopt;
    }
    return money;
}

}

void TWordsCommand::ReadOptions(TToolOptions& options)
{
    const QString text = options.RequireFile(QStringLiteral("Не задана сумма."));
    if (!options.Error().isEmpty())
        return;
    QString reason;
    if (const std::optional<Money> amount = ReadClerkAmount(text, reason))
        m_amount = *amount;
    else
        options.Refuse(QStringLiteral("Неверная сумма «%1»: %2").arg(text, reason));
}

int TWordsCommand::Execute(QTextStream& out, QTextStream& /*err*/)
{
    out << MoneyToWords(m_amount) << '\n';
    return ecSuccess;
}
