#include "MoneyInWords.h"

#include <QStringList>

#include <array>
#include <cstdlib>

namespace {

using TDigitWords = std::array<const char*, 10>;

const TDigitWords Hundreds { "", "сто ", "двести ", "триста ", "четыреста ",
                             "пятьсот ", "шестьсот ", "семьсот ", "восемьсот ", "девятьсот " };
const TDigitWords Tens { "", "десять ", "двадцать ", "тридцать ", "сорок ",
                         "пятьдесят ", "шестьдесят ", "семьдесят ", "восемьдесят ", "девяносто " };
const TDigitWords TeenStems { "", "один", "две", "три", "четыр", "пят", "шест", "сем", "восем", "девят" };
const TDigitWords MasculineUnits { "", "один ", "два ", "три ", "четыре ",
                                   "пять ", "шесть ", "семь ", "восемь ", "девять " };
const TDigitWords FeminineUnits { "", "одна ", "две ", "три ", "четыре ",
                                  "пять ", "шесть ", "семь ", "восемь ", "девять " };

struct TGroup
{
    TWordGender Gender;
    const char* Scale;
};

// Groups of three digits from the right: units, thousands, millions...
constexpr std::array<TGroup, 6> Groups { { { TWordGender::Masculine, "" },
                                           { TWordGender::Feminine, "тысяч" },
                                           { TWordGender::Masculine, "миллион" },
                                           { TWordGender::Masculine, "миллиард" },
                                           { TWordGender::Masculine, "триллион" },
                                           { TWordGender::Masculine, "квадриллион" } } };

// Endings by the ending digit 0..9.
using TEndings = std::array<const char*, 10>;
const TEndings MasculineScaleEndings { "ов ", " ", "а ", "а ", "а ", "ов ", "ов ", "ов ", "ов ", "ов " };
const TEndings FeminineScaleEndings { " ", "а ", "и ", "и ", "и ", " ", " ", " ", " ", " " };
const TEndings RoubleEndings { "ей", "ь", "я", "я", "я", "ей", "ей", "ей", "ей", "ей" };
const TEndings KopeckEndings { "ек", "йка", "йки", "йки", "йки", "ек", "ек", "ек", "ек", "ек" };

int Digit(QChar c)
{
    return c.isDigit() ? c.digitValue() : 0;
}

QString Word(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString Ending(const TEndings& endings, const QString& digits)
{
    return Word(endings[std::size_t(Digit(EndingDigit(digits)))]);
}

}

QChar EndingDigit(const QString& digits)
{
    if (digits.isEmpty())
        return QLatin1Char('0');
    if (digits.size() >= 2 && digits.at(digits.size() - 2) == QLatin1Char('1'))
        return QLatin1Char('0');
    return digits.back();
}

QString TripletToWords(QChar hundreds, QChar tens, QChar units, TWordGender gender)
{
    QString words = Word(Hundreds[std::size_t(Digit(hundreds))]);
    const int unit = Digit(units);
    if (Digit(tens) == 1 && unit != 0)
        return words + Word(TeenStems[std::size_t(unit)]) + QStringLiteral("надцать ");
    const TDigitWords& unitWords = gender == TWordGender::Feminine ? FeminineUnits : MasculineUnits;
    return words + Word(Tens[std::size_t(Digit(tens))]) + Word(unitWords[std::size_t(unit)]);
}

QString NumberToWords(const QString& digits)
{
    QString s = digits;
    const bool negative = s.startsWith(QLatin1Char('-'));
    if (negative)
        s.remove(0, 1);
    QString text;
    const qsizetype groupCount = std::min<qsizetype>((s.size() + 2) / 3, qsizetype(Groups.size()));
    for (qsizetype i = 0; i < groupCount; ++i) {
        const qsizetype end = s.size() - 3 * i;
        const QString group = s.mid(std::max<qsizetype>(end - 3, 0), std::min<qsizetype>(end, 3))
                                  .rightJustified(3, QLatin1Char('0'));
        const TGroup& kind = Groups[std::size_t(i)];
        if (i > 0 && group != QLatin1String("000")) {
            const TEndings& endings = kind.Gender == TWordGender::Feminine ? FeminineScaleEndings : MasculineScaleEndings;
            text.prepend(Word(kind.Scale) + Ending(endings, group));
        }
        text.prepend(TripletToWords(group.at(0), group.at(1), group.at(2), kind.Gender));
    }
    if (text.isEmpty())
        text = QStringLiteral("ноль");
    if (negative)
        text.prepend(QStringLiteral("минус "));
    return text;
}

QString MoneyToWords(Money amount)
{
    const std::int64_t kopecks = amount.WholeKopecks();
    const QString roubles = (kopecks < 0 ? QStringLiteral("-") : QString()) + QString::number(std::llabs(kopecks) / 100);
    const QString cents = QString::number(std::llabs(kopecks) % 100).rightJustified(2, QLatin1Char('0'));
    // Every number word ends in a blank: one blank before the rouble word, not two.
    QString text = NumberToWords(roubles).trimmed() + QStringLiteral(" рубл") + Ending(RoubleEndings, roubles) + QLatin1Char(' ')
        + cents + QStringLiteral(" копе") + Ending(KopeckEndings, cents);
    text[0] = text.at(0).toUpper();
    return text;
}
