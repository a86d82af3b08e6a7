#include "FullNameDeclension.h"

#include "NameWord.h"

#include <algorithm>
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

// A Russian patronymic proper, not Оглы or Кызы.
bool IsPatronymic(const std::u32string& text)
{
    const TNameWord word(text);
    return word.EndsWith(U"ич") || word.EndsWith(U"ыч") || word.EndsWith(U"вна") || word.EndsWith(U"чна");
}

// How many leading words make the surname: two for "Де Ниро Анна Петровна",
// "Ван Дамм Жан" and "Мухаммед Али Ахмед Ильич", one otherwise ("Ван Иван
// Петрович" is a Chinese surname).
std::size_t SurnameWordCount(const std::u32string& text, const std::vector<TWordSpan>& words)
{
    if (words.size() >= 4 && IsPatronymic(WordAt(text, words, 3)) && !IsPatronymic(WordAt(text, words, 2)))
        return 2;
    if (words.size() >= 3 && IsSurnameParticle(WordAt(text, words, 0)) && !IsPatronymic(WordAt(text, words, 2)))
        return 2;
    return 1;
}

// The part each word plays; words past the patronymic (Оглы, Кызы) play none.
std::vector<TNamePart> PartsOf(const std::u32string& text, const std::vector<TWordSpan>& words)
{
    std::vector<TNamePart> parts(SurnameWordCount(text, words), TNamePart::Surname);
    parts.push_back(TNamePart::Name);
    parts.push_back(TNamePart::Patronymic);
    parts.resize(std::min(parts.size(), words.size()));
    return parts;
}

TNameSex SexOf(const std::u32string& text, const std::vector<TWordSpan>& words, const std::vector<TNamePart>& parts)
{
    // The patronymic, then a name that tells (Анна, Никита), then the surname.
    TNameSex fromName = TNameSex::Unknown;
    TNameSex fromSurname = TNameSex::Unknown;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::u32string word = WordAt(text, words, i);
        if (parts[i] == TNamePart::Patronymic) {
            const TNameSex sex = SexOfPatronymic(word);
            if (sex != TNameSex::Unknown)
                return sex;
        } else if (parts[i] == TNamePart::Name) {
            fromName = SexOfName(word);
        } else if (fromSurname == TNameSex::Unknown && !IsSurnameParticle(word)) {
            fromSurname = SexOfSurname(word);
        }
    }
    if (fromName != TNameSex::Unknown)
        return fromName;
    if (fromSurname != TNameSex::Unknown)
        return fromSurname;
    // A name that tells nothing by itself: a man's, as most such names are.
    return parts.size() > 1 ? TNameSex::Male : TNameSex::Unknown;
}

}

TNameSex SexOfFullName(const std::u32string& fullName)
{
    const std::vector<TWordSpan> words = WordsOf(fullName);
    return SexOf(fullName, words, PartsOf(fullName, words));
}

std::u32string DeclineFullName(const std::u32string& fullName, int grammaticalCase)
{
    const std::vector<TWordSpan> words = WordsOf(fullName);
    const std::vector<TNamePart> parts = PartsOf(fullName, words);
    const TNameSex sex = SexOf(fullName, words, parts);
    std::u32string result;
    std::size_t copied = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::u32string word = WordAt(fullName, words, i);
        const bool particle = parts[i] == TNamePart::Surname && i + 1 < parts.size()
            && parts[i + 1] == TNamePart::Surname && IsSurnameParticle(word);
        result += fullName.substr(copied, words[i].Start - copied);
        result += particle ? word : DeclineNameWord(word, parts[i], sex, grammaticalCase);
        copied = words[i].Start + words[i].Length;
    }
    result += fullName.substr(copied);
    return result;
}
