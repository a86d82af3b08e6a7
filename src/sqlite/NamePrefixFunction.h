#pragma once

// The SQL function NamePrefixNoCase(text, prefix): 1 when the text begins with
// the prefix, letters compared without regard to case (Cyrillic and Latin)
// and Ё as Е, 0 otherwise and for NULL. SQLite's own
// Upper() and LIKE fold Latin letters only, and the file's text is
// Windows-1251, so the comparison is made here on those bytes.
//
// Registered for every connection the process opens from then on; calling
// it again changes nothing.
void RegisterNamePrefixFunction();
