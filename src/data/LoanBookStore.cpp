#include "LoanBookStore.h"

#include "domain/Clock.h"

#include <cstdlib>
#include <iterator>

bool ILoanBookStore::IndexingDue(const DateTime& last, int hours)
{
    const qint64 wholeHours = std::llabs(last.MSecsTo(Clock::Now())) / (3600 * 1000);
    return wholeHours > hours;
}

TFilterCondition ILoanBookStore::ProbableDefaultersCondition() const
{
    return { QStringLiteral("ActiveDelayCount > 0"), {} };
}

TFilterCondition ILoanBookStore::NamePrefixCondition(const QString& typed, const QString& comparison)
{
    static const char* const Columns[] = { "Surname", "Name", "PatronymicName" };
    constexpr int ColumnCount = int(std::size(Columns));
    QStringList words = typed.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    // A patronymic of two words ("Алиев оглы") is typed as it is written.
    if (words.size() > ColumnCount)
        words = words.mid(0, ColumnCount - 1) << words.mid(ColumnCount - 1).join(QLatin1Char(' '));
    TFilterCondition condition;
    for (int i = 0; i < words.size(); ++i) {
        const QString column = QString::fromLatin1(Columns[i]);
        if (i > 0)
            condition.Text += QStringLiteral(" AND ");
        condition.Text += comparison.arg(column);
        condition.Params.append({ column + QStringLiteral("Prefix"), words[i] });
    }
    return condition;
}
