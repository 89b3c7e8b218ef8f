#include "console/cp437_best_fit.h"

#include "console/cp437.h"

namespace tarvana {
namespace {

// Nearest ASCII letters of U+00C0-U+00FF (Latin-1 letters); '\0' where code
// page 437 holds the letter itself or there is no sensible letter.
constexpr std::string_view kLatin1Letters =
    "AAAAAAACEEEEIIII"   // U+00C0 À Á Â Ã Ä Å Æ Ç È É Ê Ë Ì Í Î Ï
    "DNOOOOOxOUUUUYPs"   // U+00D0 Ð Ñ Ò Ó Ô Õ Ö × Ø Ù Ú Û Ü Ý Þ ß
    "aaaaaaaceeeeiiii"   // U+00E0
    "dnooooo/ouuuuypy";  // U+00F0 ð ñ ò ó ô õ ö ÷ ø ù ú û ü ý þ ÿ

// Nearest ASCII letters of U+0100-U+017F (Latin Extended-A), in code order.
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNn"
    "OoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(kLatinExtendedA.size() == 0x80);

struct StandIn {
  char32_t from;
  unsigned char to;
};

// Symbols with a stand-in of the same meaning.
constexpr StandIn kSymbols[] = {
    {0x00A6, '|'},  {0x00A7, 'S'},  {0x00A8, '"'},  {0x00A9, 'c'},  {0x00AD, '-'},  {0x00AE, 'r'},
    {0x00AF, '-'},  {0x00B3, '3'},  {0x00B4, '\''}, {0x00B8, ','},  {0x00B9, '1'},  {0x00BE, '3'},
    {0x0192, 0x9F}, {0x02C6, '^'},  {0x02DC, '~'},  {0x2010, '-'},  {0x2011, '-'},  {0x2012, '-'},
    {0x2013, '-'},  {0x2014, '-'},  {0x2015, '-'},  {0x2018, '\''}, {0x2019, '\''}, {0x201A, ','},
    {0x201B, '\''}, {0x201C, '"'},  {0x201D, '"'},  {0x201E, '"'},  {0x2022, 0xF9}, {0x2026, '.'},
    {0x2030, '%'},  {0x2032, '\''}, {0x2033, '"'},  {0x2039, '<'},  {0x203A, '>'},  {0x2044, '/'},
    {0x20AC, 'E'},  {0x2122, 'T'},  {0x2190, '<'},  {0x2191, '^'},  {0x2192, '>'},  {0x2193, 'v'},
    {0x2212, '-'},  {0x2215, '/'},  {0x2217, '*'},  {0x2260, '#'},  {0x25CF, 0x09}, {0x2713, 0xFB},
    {0x2714, 0xFB}, {0x2715, 'x'},  {0x2717, 'x'},
};

}  // namespace

int BestFitCp437(char32_t u) {
  if (u < 32 || u == 127) return static_cast<int>(u);
  if (const int exact = UnicodeToCp437(u); exact >= 0) return exact;
  if (u >= 0xC0 && u <= 0xFF && kLatin1Letters[u - 0xC0] != '\0')
    return static_cast<unsigned char>(kLatin1Letters[u - 0xC0]);
  if (u >= 0x100 && u <= 0x17F) return static_cast<unsigned char>(kLatinExtendedA[u - 0x100]);
  for (const StandIn& s : kSymbols)
    if (s.from == u) return s.to;
  return -1;
}

char32_t NextUtf8(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char c = byte(pos);
  int need = 0;
  char32_t code = 0, min = 0;
  if (c < 0x80) {
    ++pos;
    return c;
  } else if (c >= 0xC2 && c <= 0xDF) {
    need = 1, code = c & 0x1F, min = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    need = 2, code = c & 0x0F, min = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    need = 3, code = c & 0x07, min = 0x10000;
  } else {
    ++pos;
    return 0xFFFD;
  }
  for (int i = 1; i <= need; ++i) {
    if (pos + i >= text.size() || (byte(pos + i) & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    code = (code << 6) | (byte(pos + i) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    ++pos;
    return 0xFFFD;
  }
  pos += need + 1;
  return code;
}

std::string Utf8ToCp437(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const int c = BestFitCp437(NextUtf8(utf8, pos));
    out += static_cast<char>(c < 0 ? '?' : c);
  }
  return out;
}

std::size_t Utf8Length(std::string_view utf8) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < utf8.size(); ++count)
    NextUtf8(utf8, pos);
  return count;
}

}  // namespace tarvana
