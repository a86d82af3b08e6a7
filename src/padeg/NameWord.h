#pragma once

#include <string>
#include <string_view>

// One word of a name as written, with its letters compared in lower case.
// Endings put on it follow the word's letter case: a word written all in
// capitals gets capital endings, any other word small ones; the letters
// that stay are never touched, so capitals and ё stay as written.
class TNameWord
{
public:
    explicit TNameWord(std::u32string text);

    const std::u32string& Text() const { return m_text; }
    const std::u32string& Lower() const { return m_lower; }
    int Length() const { return int(m_text.size()); }
    bool EndsWith(std::u32string_view lowerEnding) const;
    // The lower-case letter counted from the end (1 is the last); 0 before the start.
    char32_t LowerFromEnd(int position) const;

    // Drops count letters at the end and puts the ending in their place.
    std::u32string Replaced(int count, std::u32string_view lowerEnding) const;

private:
    std::u32string InWordCase(std::u32string_view lowerText) const;

    std::u32string m_text;
    std::u32string m_lower;
    bool m_allCapitals = false;
};

char32_t LowerLetter(char32_t c);
char32_t CapitalLetter(char32_t c);
