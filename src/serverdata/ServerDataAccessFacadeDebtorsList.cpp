#include "ServerDataAccessFacade.h"

#include <iterator>

TFilterCondition TServerDataAccessFacade::DebtorsNameCondition(const QString& typed) const
{
    static const char* const Columns[] = { "Surname", "Name", "PatronymicName" };
    constexpr int ColumnCount = int(std::size(Columns));
    QStringList words = typed.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    // A patronymic of two words ("Алиев оглы") is typed as it is written.
    if (words.size() > ColumnCount)
        words = words.mid(0, ColumnCount - 1) << words.mid(ColumnCount - 1).join(QLatin1Char(' '));
    // Both sides folded alike: small letters (the book's ICU collation's,
    // whatever the server's locale), Ё as Е. The typed words are bound
    // values, never part of the SQL.
    TFilterCondition condition;
    for (int i = 0; i < words.size(); ++i) {
        const QString column = QString::fromLatin1(Columns[i]);
        if (i > 0)
            condition.Text += QStringLiteral(" AND ");
        condition.Text += QStringLiteral("starts_with(replace(lower(%1 COLLATE RussianNames), 'ё', 'е'), "
                                         "replace(lower(:%1Prefix::text COLLATE RussianNames), 'ё', 'е'))")
                              .arg(column);
        condition.Params.append({ column + QStringLiteral("Prefix"), words[i] });
    }
    return condition;
}

TFilterCondition TServerDataAccessFacade::ProbableDefaultersCondition() const
{
    return { QStringLiteral("ActiveDelayCount > 0"), {} };
}
