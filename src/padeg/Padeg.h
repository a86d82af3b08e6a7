#pragma once

// The name-declension library's C interface. Text is zero-terminated
// Windows-1251; the library keeps no state between calls.

#include <stdint.h>

#if defined(_WIN32)
#define PADEG_API __declspec(dllexport)
#define PADEG_CALL __stdcall
#else
#define PADEG_API __attribute__((visibility("default")))
#define PADEG_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Result codes of GetFIOPadegFSAS.
enum {
    PADEG_OK = 0,
    PADEG_BAD_CASE = -1,
    PADEG_BAD_SEX = -2,
    PADEG_BUFFER_TOO_SMALL = -3
};

// Declines "Surname Name Patronymic" (any of the parts may be missing from the
// right) to case 1..6: nominative, genitive, dative, accusative, instrumental,
// prepositional. The sex is told from the patronymic, else from the name,
// else from the surname. *bufferSize gives the room in buffer; on success it
// comes back as the length of the result, which is zero-terminated when room
// is left for that.
PADEG_API int32_t PADEG_CALL GetFIOPadegFSAS(const char* fio, int32_t padeg, char* buffer, int32_t* bufferSize);

// 1 male, 2 female, 0 unknown; told from the patronymic (the last word given).
PADEG_API int32_t PADEG_CALL GetSex(const char* patronymic);

#ifdef __cplusplus
}
#endif
