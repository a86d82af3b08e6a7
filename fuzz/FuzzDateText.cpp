// Date text: a date argument (yyyy-mm-dd) and a date-time column of the file.
// Whatever reads is inside the calendar and writes back as the same value.
#include "sqlite/ValueForms.h"
#include "domain/DateTime.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Expect(bool condition)
{
    if (!condition)
        std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    if (const std::optional<DateTime> day = DateTime::ParseDay(text)) {
        Expect(DateTime::InCalendar(day->Date()));
        Expect(ValueForms::DateTimeToText(*day, true).left(10) == text);
    }

    const DateTime stored = ValueForms::DateTimeFromText(text);
    Expect(DateTime::InCalendar(stored.Date()));
    const QString written = ValueForms::DateTimeToText(stored);
    Expect(written.size() == 23);
    Expect(ValueForms::DateTimeFromText(written) == stored);
    return 0;
}
