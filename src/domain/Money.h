#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

// An amount of roubles held as a whole number of ten-thousandths, so that
// sums and differences are exact. Every conversion from a real number rounds
// to the nearest ten-thousandth, ties to the even neighbour.
class Money
{
public:
    static constexpr std::int64_t UnitsPerRouble = 10000;
    static constexpr std::int64_t UnitsPerKopeck = UnitsPerRouble / 100;
    // The smallest amount that counts: a debt or an overpayment below it is none.
    static const Money Kopeck;

    constexpr Money() = default;

    static constexpr Money FromUnits(std::int64_t units) { Money m; m.m_units = units; return m; }
    // A real count of ten-thousandths, rounded to a whole one (ties to even).
    static Money FromRealUnits(long double units);
    // A real number of roubles, rounded to a ten-thousandth (ties to even).
    static Money FromReal(long double roubles);

    // The money text form of the loan-book file: "." as separator, no grouping,
    // the shortest form that shows the value exactly (1234.5, 100, 0.0001, -0.0003).
    QString ToText() const;
    // "." as separator, no grouping, always four decimals (1234.5000, -0.0003).
    QString ToFixedText() const;
    // Reads a decimal number ("." separator, optional sign and exponent), rounded
    // to four decimals with ties to even. Nothing when the text is no number.
    static std::optional<Money> Parse(const QString& text);
    // As Parse, but an empty or unreadable text gives 0.
    static Money FromText(const QString& text);

    constexpr std::int64_t Units() const { return m_units; }
    long double ToReal() const { return static_cast<long double>(m_units) / UnitsPerRouble; }
    double ToDouble() const { return static_cast<double>(m_units) / UnitsPerRouble; }
    // Whole kopecks, half a kopeck away from zero, counted exactly from the
    // ten-thousandths (100.005 is 10001 kopecks).
    constexpr std::int64_t WholeKopecks() const
    {
        constexpr std::int64_t unitsPerKopeck = UnitsPerRouble / 100;
        const std::int64_t rest = m_units % unitsPerKopeck;
        std::int64_t kopecks = m_units / unitsPerKopeck;
        if ((rest < 0 ? -rest : rest) * 2 >= unitsPerKopeck)
            kopecks += m_units < 0 ? -1 : 1;
        return kopecks;
    }

    // Exact; a result beyond the 64-bit range raises instead of wrapping round.
    constexpr Money operator+(Money o) const
    {
        std::int64_t sum = 0;
        if (__builtin_add_overflow(m_units, o.m_units, &sum))
            RaiseOutOfRange();
        return FromUnits(sum);
    }
    constexpr Money operator-(Money o) const
    {
        std::int64_t difference = 0;
        if (__builtin_sub_overflow(m_units, o.m_units, &difference))
            RaiseOutOfRange();
        return FromUnits(difference);
    }
    constexpr Money operator-() const { return Money() - *this; }
    constexpr Money& operator+=(Money o) { return *this = *this + o; }
    constexpr Money& operator-=(Money o) { return *this = *this - o; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    [[noreturn]] static void RaiseOutOfRange();

    std::int64_t m_units = 0;
};

inline constexpr Money Money::Kopeck = Money::FromUnits(Money::UnitsPerKopeck);
