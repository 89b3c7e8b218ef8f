#pragma once
// The character set of the user's locale, which decides how text goes to the
// terminal and how typed bytes are read.

#include <string_view>

#include "console/terminal/terminal_caps.h"

namespace tarvana {

// The encoding of a character set name as nl_langinfo(CODESET) gives it
// ("UTF-8", "ISO-8859-1", "ANSI_X3.4-1968"); anything else counts as ASCII.
TextEncoding EncodingOfCodeset(std::string_view codeset);
// The encoding a locale name implies ("C.UTF-8", "de_DE.iso88591", "C"),
// for a locale that is not installed: ASCII unless the name says otherwise.
TextEncoding EncodingOfLocaleName(std::string_view name);
// The locale's encoding as the environment sets it (LC_ALL, LC_CTYPE, LANG),
// found without changing the program's own locale.
TextEncoding DetectTextEncoding();

}  // namespace tarvana
