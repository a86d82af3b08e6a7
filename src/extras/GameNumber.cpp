#include "GameNumber.h"

#include "GameMoveRefusedException.h"

#include <limits>

int ReadGameNumber(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        throw EGameMoveRefusedException(QStringLiteral("Введите число."));
    qint64 value = 0;
    for (const QChar c : digits) {
        // Pasted text reaches the field unfiltered.
        if (c < u'0' || c > u'9')
            throw EGameMoveRefusedException(QStringLiteral("Введите число."));
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            throw EGameMoveRefusedException(QStringLiteral("Слишком большое число."));
    }
    return static_cast<int>(value);
}
