#include "WordsCommand.h"

#include "ToolOptions.h"

#include "reports/MoneyInWords.h"

void TWordsCommand::ReadOptions(TToolOptions& options)
{
    const QString text = options.RequireFile(QStringLiteral("Не задана сумма."));
    if (!options.Error().isEmpty())
        return;
    // Digits with "." or ",": the amount is read exactly, never through a binary fraction.
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::optional<Money> amount = Money::Parse(plain);
    if (!amount)
        options.Refuse(QStringLiteral("Неверная сумма: %1").arg(text));
    else
        m_amount = *amount;
}

int TWordsCommand::Execute(QTextStream& out, QTextStream& /*err*/)
{
    out << MoneyToWords(m_amount) << '\n';
    return ecSuccess;
}
