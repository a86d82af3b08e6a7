#include "NameWord.h"

char32_t LowerLetter(char32_t c)
{
    if (c >= U'А' && c <= U'Я')
        return c + 0x20;
    if (c == U'Ё')
        return U'ё';
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    return c;
}

char32_t CapitalLetter(char32_t c)
{
    if (c >= U'а' && c <= U'я')
        return c - 0x20;
    if (c == U'ё')
        return U'Ё';
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    return c;
}

TNameWord::TNameWord(std::u32string text)
    : m_text(std::move(text))
{
    int letters = 0;
    int capitals = 0;
    for (char32_t c : m_text) {
        const char32_t lower = LowerLetter(c);
        m_lower.push_back(lower);
        if (CapitalLetter(c) != lower) {
            ++letters;
            if (c != lower)
                ++capitals;
        }
    }
    // A single capital letter says nothing about the case of the rest.
    m_allCapitals = letters > 1 && capitals == letters;
}

bool TNameWord::EndsWith(std::u32string_view lowerEnding) const
{
    return m_lower.size() >= lowerEnding.size()
        && std::u32string_view(m_lower).substr(m_lower.size() - lowerEnding.size()) == lowerEnding;
}

char32_t TNameWord::LowerFromEnd(int position) const
{
    return position >= 1 && position <= Length() ? m_lower[m_lower.size() - std::size_t(position)] : U'\0';
}

std::u32string TNameWord::Replaced(int count, std::u32string_view lowerEnding) const
{
    return m_text.substr(0, m_text.size() - std::size_t(count)) + InWordCase(lowerEnding);
}

std::u32string TNameWord::InWordCase(std::u32string_view lowerText) const
{
    std::u32string result(lowerText);
    if (m_allCapitals) {
        for (char32_t& c : result)
            c = CapitalLetter(c);
    }
    return result;
}
