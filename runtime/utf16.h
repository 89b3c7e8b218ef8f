#pragma once
// UTF-8 and UTF-16, for system interfaces whose names and text are UTF-16
// (the Windows console and file system).

#include <string>
#include <string_view>

namespace tarvana {

// The UTF-16 form of a UTF-8 text; a malformed sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// The UTF-8 form of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace tarvana
