#include "console/posix/locale_encoding.h"

#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace tarvana {
namespace {

// Lower case, without the separators that spellings of one name differ in.
std::string Folded(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c == '-' || c == '_' || c == '.') continue;
    out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  return out;
}

}  // namespace

TextEncoding EncodingOfCodeset(std::string_view codeset) {
  const std::string name = Folded(codeset);
  if (name == "utf8") return TextEncoding::kUtf8;
  if (name == "iso88591" || name == "latin1" || name == "l1") return TextEncoding::kLatin1;
  return TextEncoding::kAscii;
}

TextEncoding EncodingOfLocaleName(std::string_view name) {
  const size_t dot = name.find('.');
  if (dot == std::string_view::npos) return TextEncoding::kAscii;
  std::string_view codeset = name.substr(dot + 1);
  codeset = codeset.substr(0, codeset.find('@'));
  return EncodingOfCodeset(codeset);
}

TextEncoding DetectTextEncoding() {
  const char* current = std::setlocale(LC_CTYPE, nullptr);
  const std::string saved = current ? current : "C";
  if (std::setlocale(LC_CTYPE, "") != nullptr) {
    const TextEncoding encoding = EncodingOfCodeset(nl_langinfo(CODESET));
    std::setlocale(LC_CTYPE, saved.c_str());
    return encoding;
  }
  // The locale named is not installed: judge by its name, as the first of the
  // variables that is set gives it.
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"})
    if (const char* value = std::getenv(variable); value && *value)
      return EncodingOfLocaleName(value);
  return TextEncoding::kAscii;
}

}  // namespace tarvana
