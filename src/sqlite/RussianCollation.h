#pragma once

// The collation Russian: names in the Russian alphabet's order, as a person
// looks them up. Letters compare without regard to case and Ё as Е; only
// where that finds two texts equal does Е come before Ё, and then the bytes
// decide. The bytes of Windows-1251 alone would put Ё before А and every
// small letter after every capital.
//
// Registered for every connection the process opens from then on; calling
// it again changes nothing. It lives in the statements only, never in the
// file's schema, so that earlier installations read the file as before.
void RegisterRussianCollation();
