#include "DataAccessFacade.h"

#include "sqlite/Cp1251Codec.h"
#include "sqlite/SQLiteExceptions.h"

#include <iterator>

TFilterCondition TDataAccessFacade::DebtorsNameCondition(const QString& typed) const
{
    static const char* const Columns[] = { "Surname", "Name", "PatronymicName" };
    constexpr int ColumnCount = int(std::size(Columns));
    QStringList words = typed.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    // A patronymic of two words ("Алиев оглы") is typed as it is written.
    if (words.size() > ColumnCount)
        words = words.mid(0, ColumnCount - 1) << words.mid(ColumnCount - 1).join(QLatin1Char(' '));
    try {
        Cp1251::Encode(words.join(QString()));
    } catch (const ETextEncodingException&) {
        // No stored name can hold a character the file's encoding lacks.
        return { QStringLiteral("0"), {} };
    }
    // The typed words are bound values: quotes or SQL in them never reach the statement.
    TFilterCondition condition;
    for (int i = 0; i < words.size(); ++i) {
        const QString column = QString::fromLatin1(Columns[i]);
        if (i > 0)
            condition.Text += QStringLiteral(" AND ");
        condition.Text += QStringLiteral("NamePrefixNoCase(%1, :%1Prefix)").arg(column);
        condition.Params.append({ column + QStringLiteral("Prefix"), words[i] });
    }
    return condition;
}

TFilterCondition TDataAccessFacade::ProbableDefaultersCondition() const
{
    return { QStringLiteral("ActiveDelayCount > 0"), {} };
}
