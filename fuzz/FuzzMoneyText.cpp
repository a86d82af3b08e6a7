// Money text as typed into an amount field, given on the command line or read
// from a money column: reading never overflows, and what it reads is written
// back as a text that reads as the same amount.
#include "domain/Exception.h"
#include "domain/Money.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<Money> money = Money::Parse(text);
    if (!money)
        return 0;
    if (Money::Parse(money->ToText()) != money || Money::Parse(money->ToFixedText()) != money)
        std::abort();
    try {
        // The sign changes without wrapping round, or raises.
        if (-(-*money) != *money)
            std::abort();
    } catch (const Exception&) {
    }
    return 0;
}
