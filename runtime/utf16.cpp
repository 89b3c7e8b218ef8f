#include "runtime/utf16.h"

#include "runtime/utf8.h"

namespace tarvana {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 character at the front of text and removes it; overlong
// forms, surrogates and values past U+10FFFF are malformed (one byte consumed).
char32_t TakeUtf8(std::string_view& text) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  size_t length = 1;
  char32_t u = lead;
  char32_t minimum = 0;
  if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, u = lead & 0x07, minimum = 0x10000;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, u = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, u = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0x80) {
    text.remove_prefix(1);
    return kReplacement;
  }
  for (size_t i = 1; i < length; ++i) {
    if (i >= text.size() || (byte(i) & 0xC0) != 0x80) {
      text.remove_prefix(1);
      return kReplacement;
    }
    u = (u << 6) | (byte(i) & 0x3F);
  }
  if (u < minimum || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) {
    text.remove_prefix(1);
    return kReplacement;
  }
  text.remove_prefix(length);
  return u;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const char32_t u = TakeUtf8(utf8);
    if (u >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((u - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((u - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(u);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t u = utf16[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      u = 0x10000 + ((u - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      u = kReplacement;
    }
    AppendUtf8(out, u);
  }
  return out;
}

}  // namespace tarvana
