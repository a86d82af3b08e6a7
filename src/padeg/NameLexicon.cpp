#include "NameLexicon.h"

#include <algorithm>
#include <initializer_list>

namespace NameLexicon {

namespace {

bool IsIn(std::u32string_view lower, std::initializer_list<std::u32string_view> words)
{
    return std::find(words.begin(), words.end(), lower) != words.end();
}

}

bool IsStressedForeignSurname(std::u32string_view lower)
{
    return IsIn(lower, { U"дюма", U"тома", U"дега", U"золя", U"петипа", U"ферма", U"тальма", U"труайя", U"люка" });
}

bool IsForeignSurnameInIn(std::u32string_view lower)
{
    return IsIn(lower, { U"мартин", U"кевин", U"кронин", U"ирвин", U"бастин", U"остин", U"дастин", U"гриффин",
                         U"калвин", U"келвин", U"кельвин", U"франклин", U"чаплин", U"маклин",
                         U"гоблин", U"хартлин", U"дублин", U"мерлин", U"берлин", U"робин", U"олвин", U"элвин" });
}

bool IsUnstressedEc(std::u32string_view lower)
{
    return IsIn(lower, { U"палец", U"немец", U"перец", U"ранец", U"танец", U"глянец", U"сланец", U"румянец", U"горец",
                         U"старец", U"агнец", U"кормилец", U"страдалец", U"владелец", U"пришелец", U"умелец",
                         U"торговец", U"японец", U"испанец", U"младенец", U"посланец" });
}

bool IsNounInOy(std::u32string_view lower)
{
    return IsIn(lower, { U"прибой", U"герой", U"конвой", U"разбой", U"покой", U"настой", U"отбой", U"застой", U"забой",
                         U"изгой", U"устой", U"запой", U"постой", U"надой", U"удой", U"перегной", U"сухостой",
                         U"водопой", U"зной", U"слой", U"строй", U"крой", U"рой", U"гной", U"хвой", U"привой" });
}

bool IsMaleNameInA(std::u32string_view lower)
{
    return IsIn(lower, { U"никита", U"илья", U"кузьма", U"фома", U"лука", U"савва", U"данила", U"гаврила", U"добрыня",
                         U"иона", U"вавила", U"мина", U"фока", U"сила", U"ерёма", U"ерема", U"еремея", U"иеремия",
                         U"захария", U"исайя", U"илия", U"мустафа", U"муса", U"иса", U"хамза", U"абдулла",
                         U"дима", U"миша", U"паша", U"ваня", U"петя", U"коля", U"вася", U"федя", U"гриша", U"лёша",
                         U"леша", U"алёша", U"алеша", U"серёжа", U"сережа", U"витя", U"толя", U"костя", U"юра",
                         U"боря", U"вова", U"володя", U"гоша", U"жора", U"сеня", U"стёпа", U"степа", U"митя",
                         U"яша", U"гена", U"рома", U"лёва", U"лева", U"лёня", U"леня", U"тёма", U"тема", U"вадя",
                         U"дёма", U"сёма", U"фима", U"кеша", U"гера", U"аркаша", U"илюша", U"андрюша", U"тимоша",
                         U"ероха", U"веня", U"франсуа" });
}

bool IsNameOfEitherSex(std::u32string_view lower)
{
    return IsIn(lower, { U"саша", U"женя", U"валя", U"шура", U"слава", U"сева", U"стася", U"тоша", U"никола" });
}

bool IsFemaleNameWithoutA(std::u32string_view lower)
{
    return IsIn(lower, { U"любовь", U"нинель", U"адель", U"ассоль", U"жизель", U"рахиль", U"эсфирь", U"юдифь",
                         U"руфь", U"айгуль", U"гузель", U"асель", U"изабель", U"кармен", U"ирэн", U"нелли",
                         U"элли", U"мэри", U"элис", U"жаклин", U"эдит", U"рут", U"ингрид", U"гульнар",
                         U"айсулу", U"натали", U"софи", U"мари", U"катрин", U"элен", U"рокси" });
}

bool IsSurnameParticle(std::u32string_view lower)
{
    return IsIn(lower, { U"бонч", U"тер", U"сент", U"сен", U"кара", U"ибн", U"бен", U"аль", U"эль", U"абу", U"ван",
                         U"фон", U"дер", U"де", U"ди", U"дю", U"да", U"дель", U"ла", U"ле", U"лё", U"мак", U"о",
                         U"грум", U"шах" });
}

bool IsStressedPatronymic(std::u32string_view lower)
{
    return IsIn(lower, { U"ильич", U"кузьмич", U"лукич", U"фомич", U"еремич", U"ерёмич" });
}

}
