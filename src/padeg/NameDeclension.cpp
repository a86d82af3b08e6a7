#include "NameDeclension.h"

#include "NameLexicon.h"
#include "NameWord.h"

#include <array>
#include <string_view>

namespace {

using std::u32string;
using std::u32string_view;

// How a word changes: Cut letters at its end give way to the ending of the
// case (genitive, dative, accusative, instrumental, prepositional).
struct TForms
{
    int Cut = -1; // -1: the word does not change
    std::array<u32string, 5> Endings {};
};

const TForms Unchanged {};

bool IsOneOf(char32_t c, u32string_view letters)
{
    return c != U'\0' && letters.find(c) != u32string_view::npos;
}

constexpr u32string_view Vowels = U"аеёиоуыэюя";
constexpr u32string_view Velars = U"кгх";
constexpr u32string_view Hushings = U"жшчщ";

bool IsConsonant(char32_t c)
{
    return c >= U'а' && c <= U'я' && !IsOneOf(c, Vowels) && c != U'ь' && c != U'ъ' && c != U'й';
}

int VowelCount(const TNameWord& word)
{
    int count = 0;
    for (char32_t c : word.Lower())
        count += IsOneOf(c, Vowels) ? 1 : 0;
    return count;
}

// Foreign-looking endings that no Russian case changes: Шевченко, Дурново,
// Гёте, Руставели, Седых, Черных.
bool HasUnchangingEnding(const TNameWord& word)
{
    for (u32string_view ending : { U"о", U"е", U"ё", U"и", U"у", U"ю", U"э", U"ы", U"их", U"ых" }) {
        if (word.EndsWith(ending))
            return true;
    }
    return false;
}

// No Russian word of the -а declension has the -а after a vowel, so such names
// stay as they are: Гарсиа, Гамсахурдиа, Пессоа, Франсуа.
bool HasAAfterVowel(const TNameWord& word)
{
    return (word.EndsWith(U"а") && IsOneOf(word.LowerFromEnd(2), Vowels))
        || (word.EndsWith(U"ия") && IsOneOf(word.LowerFromEnd(3), Vowels));
}

// Surnames that keep their -а/-я: those above and foreign ones stressed on it (Дюма, Золя).
bool KeepsFinalA(const TNameWord& word)
{
    return HasAAfterVowel(word) || NameLexicon::IsStressedForeignSurname(word.Lower());
}

// Words in -а/-я: Анна, Ольга, Маша, Дарья, Мария, Никита, Глинка.
TForms FirstDeclension(const TNameWord& word)
{
    const char32_t before = word.LowerFromEnd(2);
    if (word.EndsWith(U"а")) {
        const bool softGenitive = IsOneOf(before, Velars) || IsOneOf(before, Hushings);
        const bool softInstrumental = IsOneOf(before, Hushings) || before == U'ц';
        return { 1, { softGenitive ? U"и" : U"ы", U"е", U"у", softInstrumental ? U"ей" : U"ой", U"е" } };
    }
    if (before == U'и')
        return { 1, { U"и", U"и", U"ю", U"ей", U"и" } };
    return { 1, { U"и", U"е", U"ю", U"ей", U"е" } };
}

// Masculine words ending in a consonant, -й or -ь: Иван, Андрей, Василий, Игорь, Гоголь.
TForms SecondDeclension(const TNameWord& word)
{
    const char32_t last = word.LowerFromEnd(1);
    if (last == U'й')
        return { 1, { U"я", U"ю", U"я", U"ем", word.LowerFromEnd(2) == U'и' ? U"и" : U"е" } };
    if (last == U'ь')
        return { 1, { U"я", U"ю", U"я", U"ем", U"е" } };
    // After ж, ш, ч, щ and ц an unstressed ending is -ем (Бабичем, Шульцем); the
    // -ец that keeps its е is stressed (Кузнецом, Швецом).
    const bool soft = IsOneOf(last, Hushings) || (last == U'ц' && !word.EndsWith(U"ец"));
    return { 0, { U"а", U"у", U"а", soft ? U"ем" : U"ом", U"е" } };
}

// Feminine names in -ь: Любовь, Нинель.
const TForms ThirdDeclension { 1, { U"и", U"и", U"ь", U"ью", U"и" } };

// A fleeting vowel before the last consonant, as in the nouns the surnames come
// from: Кравец → Кравца, Коломиец → Коломийца, Стрелец → Стрельца, Заяц →
// Зайца, Соловей → Соловья. The е stays where dropping it would leave no vowel
// or a cluster: Швец, Кузнец, Мудрец. After ц the instrumental is -ом under
// stress and -ем without; the ending is mostly stressed (Кравцом, Бойцом),
// not after a longer stem in a vowel (Коломийцем) nor in a few listed words
// (Пальцем, Немцем).
bool FleetingVowel(const TNameWord& word, TForms& forms)
{
    if (word.EndsWith(U"аяц")) {
        forms = { 2, { U"йца", U"йцу", U"йца", U"йцем", U"йце" } };
        return true;
    }
    if (word.EndsWith(U"ец") && VowelCount(word) >= 2) {
        const char32_t third = word.LowerFromEnd(3);
        u32string stem;
        if (IsOneOf(third, Vowels))
            stem = U"й";
        else if (third == U'л')
            stem = U"ь";
        else if (!IsConsonant(third) || !IsOneOf(word.LowerFromEnd(4), Vowels))
            return false;
        const bool stressed = !(stem == U"й" && VowelCount(word) > 2) && !NameLexicon::IsUnstressedEc(word.Lower());
        forms = { 2, { stem + U"ца", stem + U"цу", stem + U"ца", stem + (stressed ? U"цом" : U"цем"), stem + U"це" } };
        return true;
    }
    if (word.Length() >= 5 && (word.EndsWith(U"вей") || word.EndsWith(U"бей")) && IsOneOf(word.LowerFromEnd(4), Vowels)) {
        forms = { 2, { U"ья", U"ью", U"ья", U"ьем", U"ье" } };
        return true;
    }
    return false;
}

// Foreign surnames in -ин are plain nouns (Дарвином, Чаплином, Болдуином); the
// Russian ones are possessives (Пушкиным, and Цаплин, Саблин alike). A vowel
// before -ин, or -рвин/-двин, is foreign to Russian possessives; the rest
// are listed.
bool IsForeignIn(const TNameWord& word)
{
    if (!word.EndsWith(U"ин"))
        return false;
    if (NameLexicon::IsForeignSurnameInIn(word.Lower()) || word.Lower().find(U'э') != u32string::npos)
        return true;
    return IsOneOf(word.LowerFromEnd(3), Vowels) || word.EndsWith(U"рвин") || word.EndsWith(U"двин");
}

TForms MaleSurname(const TNameWord& word)
{
    if (HasUnchangingEnding(word) || KeepsFinalA(word))
        return Unchanged;
    // Adjectives: Чайковский, Трубецкой, Толстой, Горький, Рыжий, Белый; a
    // stem of one letter makes a noun instead (Цой → Цоя, Ной → Ноя), as do
    // a few listed words (Прибой → Прибоя).
    if ((word.EndsWith(U"ой") || word.EndsWith(U"ый")) && word.Length() > 3 && !NameLexicon::IsNounInOy(word.Lower())) {
        const char32_t before = word.LowerFromEnd(3);
        const bool soft = IsOneOf(before, Velars) || IsOneOf(before, Hushings);
        return { 2, { U"ого", U"ому", U"ого", soft ? U"им" : U"ым", U"ом" } };
    }
    if (word.EndsWith(U"ий") && word.Length() > 3) {
        const char32_t before = word.LowerFromEnd(3);
        if (IsOneOf(before, Velars))
            return { 2, { U"ого", U"ому", U"ого", U"им", U"ом" } };
        return { 2, { U"его", U"ему", U"его", U"им", U"ем" } };
    }
    // Possessive surnames: Иванов, Андреев, Королёв, Пушкин, Птицын.
    for (u32string_view ending : { U"ов", U"ев", U"ёв", U"ин", U"ын" }) {
        if (word.EndsWith(ending) && word.Length() > 3)
            return { 0, { U"а", U"у", U"а", IsForeignIn(word) ? U"ом" : U"ым", U"е" } };
    }
    if (word.EndsWith(U"а") || word.EndsWith(U"я"))
        return FirstDeclension(word);
    TForms forms;
    if (FleetingVowel(word, forms))
        return forms;
    return SecondDeclension(word);
}

TForms FemaleSurname(const TNameWord& word)
{
    if (HasUnchangingEnding(word) || KeepsFinalA(word))
        return Unchanged;
    for (u32string_view ending : { U"ова", U"ева", U"ёва", U"ина", U"ына" }) {
        if (word.EndsWith(ending) && word.Length() > 3)
            return { 1, { U"ой", U"ой", U"у", U"ой", U"ой" } };
    }
    if (word.EndsWith(U"ая") && word.Length() > 3)
        return { 2, { U"ой", U"ой", U"ую", U"ой", U"ой" } };
    if (word.EndsWith(U"яя") && word.Length() > 3)
        return { 2, { U"ей", U"ей", U"юю", U"ей", U"ей" } };
    if (word.EndsWith(U"а") || word.EndsWith(U"я"))
        return FirstDeclension(word);
    // Consonant-final surnames stay as they are for women: Кравец, Гоголь.
    return Unchanged;
}

TForms MaleName(const TNameWord& word)
{
    // Names that lose or change a vowel of the stem.
    if (word.Lower() == U"лев")
        return { 2, { U"ьва", U"ьву", U"ьва", U"ьвом", U"ьве" } };
    if (word.Lower() == U"павел")
        return { 2, { U"ла", U"лу", U"ла", U"лом", U"ле" } };
    if (word.Lower() == U"пётр")
        return { 3, { U"етра", U"етру", U"етра", U"етром", U"етре" } };
    if (HasAAfterVowel(word))
        return Unchanged;
    if (word.EndsWith(U"а") || word.EndsWith(U"я"))
        return FirstDeclension(word);
    if (HasUnchangingEnding(word))
        return Unchanged;
    return SecondDeclension(word);
}

TForms FemaleName(const TNameWord& word)
{
    if (HasAAfterVowel(word))
        return Unchanged;
    if (word.EndsWith(U"а") || word.EndsWith(U"я"))
        return FirstDeclension(word);
    if (word.EndsWith(U"ь"))
        return ThirdDeclension;
    // Кармен, Ирэн, Нелли: foreign names that do not change.
    return Unchanged;
}

TForms Patronymic(const TNameWord& word)
{
    if (word.EndsWith(U"ич") || word.EndsWith(U"ыч"))
        return { 0, { U"а", U"у", U"а", NameLexicon::IsStressedPatronymic(word.Lower()) ? U"ом" : U"ем", U"е" } };
    if (word.EndsWith(U"на"))
        return { 1, { U"ы", U"е", U"у", U"ой", U"е" } };
    // Оглы, Кызы and the like.
    return Unchanged;
}

TForms FormsOf(const TNameWord& word, TNamePart part, TNameSex sex)
{
    const bool female = sex == TNameSex::Female;
    switch (part) {
    case TNamePart::Surname:
        return female ? FemaleSurname(word) : MaleSurname(word);
    case TNamePart::Name:
        return female ? FemaleName(word) : MaleName(word);
    case TNamePart::Patronymic:
        return Patronymic(word);
    }
    return Unchanged;
}

u32string DeclinePlainWord(const u32string& text, TNamePart part, TNameSex sex, int grammaticalCase)
{
    const TNameWord word(text);
    // Only Russian words change; initials, numbers and signs stay as typed.
    const char32_t last = word.LowerFromEnd(1);
    if (!((last >= U'а' && last <= U'я') || last == U'ё'))
        return text;
    const TForms forms = FormsOf(word, part, sex);
    if (forms.Cut < 0 || grammaticalCase == NominativeCase || word.Length() <= forms.Cut)
        return text;
    return word.Replaced(forms.Cut, forms.Endings[std::size_t(grammaticalCase - 2)]);
}

bool EndsWithAny(const u32string& text, std::initializer_list<u32string_view> endings)
{
    const TNameWord word(text);
    for (u32string_view ending : endings) {
        if (word.EndsWith(ending))
            return true;
    }
    return false;
}

}

u32string DeclineNameWord(const u32string& word, TNamePart part, TNameSex sex, int grammaticalCase)
{
    // Римский-Корсаков, Анна-Мария: every part changes on its own, except a
    // surname's leading particle (Тер-Петросян, Бонч-Бруевич, Кара-Мурза).
    u32string result;
    std::size_t start = 0;
    while (true) {
        const std::size_t hyphen = word.find(U'-', start);
        const u32string piece = word.substr(start, hyphen == u32string::npos ? u32string::npos : hyphen - start);
        const bool particle = part == TNamePart::Surname && hyphen != u32string::npos && IsSurnameParticle(piece);
        result += particle ? piece : DeclinePlainWord(piece, part, sex, grammaticalCase);
        if (hyphen == u32string::npos)
            break;
        result += U'-';
        start = hyphen + 1;
    }
    return result;
}

TNameSex SexOfPatronymic(const u32string& patronymic)
{
    if (EndsWithAny(patronymic, { U"ич", U"ыч", U"оглы", U"улы" }))
        return TNameSex::Male;
    if (EndsWithAny(patronymic, { U"на", U"кызы", U"гызы" }))
        return TNameSex::Female;
    return TNameSex::Unknown;
}

bool IsSurnameParticle(const u32string& word)
{
    return NameLexicon::IsSurnameParticle(TNameWord(word).Lower());
}

TNameSex SexOfName(const u32string& name)
{
    const TNameWord word(name);
    if (NameLexicon::IsNameOfEitherSex(word.Lower()))
        return TNameSex::Unknown;
    if (NameLexicon::IsMaleNameInA(word.Lower()))
        return TNameSex::Male;
    if (NameLexicon::IsFemaleNameWithoutA(word.Lower()))
        return TNameSex::Female;
    if (word.EndsWith(U"а") || word.EndsWith(U"я"))
        return TNameSex::Female;
    // Mostly a man's name, but women's names end so too (Кармен, Нелли, Ирэн):
    // the caller asks the surname first.
    return TNameSex::Unknown;
}

TNameSex SexOfSurname(const u32string& surname)
{
    if (EndsWithAny(surname, { U"ова", U"ева", U"ёва", U"ина", U"ына", U"ая", U"яя" }))
        return TNameSex::Female;
    const TNameWord word(surname);
    const bool possessive = word.Length() > 3 && EndsWithAny(surname, { U"ов", U"ев", U"ёв", U"ин", U"ын" }) && !IsForeignIn(word);
    const bool adjective = word.Length() > 3 && EndsWithAny(surname, { U"ий", U"ый", U"ой" }) && !NameLexicon::IsNounInOy(word.Lower());
    // Other surnames are the same for men and women: Шевчук, Кравец, Гоголь.
    return possessive || adjective ? TNameSex::Male : TNameSex::Unknown;
}
