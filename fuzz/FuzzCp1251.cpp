// The Windows-1251 text of the file: any bytes decode, and encode back to the
// same bytes; any text either encodes to bytes that decode to it or is refused.
#include "sqlite/Cp1251Codec.h"
#include "sqlite/SQLiteExceptions.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const QByteArray raw(bytes, qsizetype(size));
    if (Cp1251::Encode(Cp1251::Decode(raw)) != raw)
        std::abort();

    // The same bytes read as UTF-16 text, as the program's strings hold it.
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * 2);
    try {
        if (Cp1251::Decode(Cp1251::Encode(text)) != text)
            std::abort();
    } catch (const ETextEncodingException&) {
    }
    return 0;
}
