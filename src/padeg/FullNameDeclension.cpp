#include "FullNameDeclension.h"

#include <vector>

namespace {

struct TWordSpan
{
    std::size_t Start;
    std::size_t Length;
};

std::vector<TWordSpan> WordsOf(const std::u32string& text)
{
    std::vector<TWordSpan> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == U' ')
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != U' ')
            ++i;
        if (i > start)
            words.push_back({ start, i - start });
    }
    return words;
}

std::u32string WordAt(const std::u32string& text, const std::vector<TWordSpan>& words, std::size_t index)
{
    return index < words.size() ? text.substr(words[index].Start, words[index].Length) : std::u32string();
}

}

TNameSex SexOfFullName(const std::u32string& fullName)
{
    const std::vector<TWordSpan> words = WordsOf(fullName);
    TNameSex sex = SexOfPatronymic(WordAt(fullName, words, 2));
    if (sex == TNameSex::Unknown)
        sex = SexOfName(WordAt(fullName, words, 1));
    if (sex == TNameSex::Unknown)
        sex = SexOfSurname(WordAt(fullName, words, 0));
    return sex;
}

std::u32string DeclineFullName(const std::u32string& fullName, int grammaticalCase)
{
    const std::vector<TWordSpan> words = WordsOf(fullName);
    const TNameSex sex = SexOfFullName(fullName);
    constexpr TNamePart parts[] = { TNamePart::Surname, TNamePart::Name, TNamePart::Patronymic };
    std::u32string result;
    std::size_t copied = 0;
    for (std::size_t i = 0; i < words.size() && i < std::size(parts); ++i) {
        result += fullName.substr(copied, words[i].Start - copied);
        result += DeclineNameWord(WordAt(fullName, words, i), parts[i], sex, grammaticalCase);
        copied = words[i].Start + words[i].Length;
    }
    result += fullName.substr(copied);
    return result;
}
