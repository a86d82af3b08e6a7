#pragma once

#include <string_view>

// The few words whose declension their spelling does not tell (mostly where
// the stress decides), all in lower case. The rules in NameDeclension.cpp
// cover everything else.
namespace NameLexicon {

// Foreign surnames stressed on the final -а/-я, which do not change: Дюма, Золя.
bool IsStressedForeignSurname(std::u32string_view lower);

// Foreign surnames in -ин whose instrumental is -ином, not the Russian -иным: Дарвин.
bool IsForeignSurnameInIn(std::u32string_view lower);

// Words in -ец stressed before the ending, so -цем rather than -цом: Палец, Немец.
bool IsUnstressedEc(std::u32string_view lower);

// Nouns in -ой, not adjectives: Прибой → Прибоя, Герой → Героя.
bool IsNounInOy(std::u32string_view lower);

// Men's names and their short forms in -а/-я: Никита, Илья, Дима.
bool IsMaleNameInA(std::u32string_view lower);

// Short names for both men and women: Саша, Женя, Валя.
bool IsNameOfEitherSex(std::u32string_view lower);

// Women's names not in -а/-я: Любовь, Нинель, Кармен, Нелли.
bool IsFemaleNameWithoutA(std::u32string_view lower);

// First words of a surname that never change: "Тер-Петросян", "Бонч-Бруевич",
// "Де Ниро", "Ван Дамм".
bool IsSurnameParticle(std::u32string_view lower);

// Patronymics stressed on -ич, so -ичом: Ильич, Кузьмич.
bool IsStressedPatronymic(std::u32string_view lower);

}
