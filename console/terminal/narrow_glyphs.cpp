#include "console/terminal/narrow_glyphs.h"

#include "console/cp437.h"

namespace tarvana {
namespace {

// The ASCII stand-ins of bytes 0-31, and 128-255 in rows of sixteen: letters
// without their accents, lines as + - = |, shades and blocks as : and #.
constexpr std::string_view kLowStandIns = " oo*****#oo????*><|!PS=|^v><L-^v";
constexpr std::string_view kHighStandIns =
    "CueaaaaceeeiiiAA"
    "EaAooouuyOUcLYPf"
    "aiounNao?--?"
    "?!<>"
    ":##|++++++|+++++"
    "++++-++++++++=++"
    "+++++++++++#####"
    "aBGpSsutFOOd8fen"
    "=+><||/~o..vn2# ";
static_assert(kLowStandIns.size() == 32 && kHighStandIns.size() == 128);

// The VT100 alternate-set names of the shades and lines 176-218: double and
// mixed lines become single ones, the shades the checker board.
constexpr std::string_view kLineAcs = "aaaxuuukkuxkjjjkmvwtqnttmlvwtqnvvwwmmllnnjl";
static_assert(kLineAcs.size() == 218 - 176 + 1);

// The alternate-set name of a character, or 0: lines, shades, arrows and
// triangles (which only some terminals' sets have).
char AcsName(std::uint8_t ch) {
  if (ch >= 176 && ch <= 218) return kLineAcs[ch - 176];
  switch (ch) {
    case 16:  // right-pointing triangle
    case 26:  // right arrow
      return '+';
    case 17:
    case 27:
      return ',';
    case 24:
    case 30:
      return '-';
    case 25:
    case 31:
      return '.';
    default:
      return 0;
  }
}

bool IsBlock(std::uint8_t ch) {
  return ch >= 219 && ch <= 223;
}

// A byte a terminal shows as a character in this encoding.
bool Printable(unsigned char b, TextEncoding encoding) {
  return (b >= 0x20 && b < 0x7F) || (encoding == TextEncoding::kLatin1 && b >= 0xA0);
}

// The byte the terminal's alternate set shows for a VT100 name, or 0.
char AcsByte(char name, const TerminalCaps& caps) {
  const std::string& pairs = caps.acsChars;
  for (size_t i = 0; i + 1 < pairs.size(); i += 2)
    if (pairs[i] == name && Printable(static_cast<unsigned char>(pairs[i + 1]), caps.encoding))
      return pairs[i + 1];
  return 0;
}

// The character as itself or as Latin-1, or 0 when neither shows it.
char DirectByte(std::uint8_t ch, TextEncoding encoding) {
  if (ch >= 0x20 && ch < 0x7F) return static_cast<char>(ch);
  const char32_t u = Cp437ToUnicode(ch);
  if (encoding == TextEncoding::kLatin1 && u >= 0xA0 && u <= 0xFF) return static_cast<char>(u);
  return 0;
}

}  // namespace

char AsciiStandIn(std::uint8_t ch) {
  if (ch < 32) return kLowStandIns[ch];
  if (ch == 127) return '^';
  if (ch >= 128) return kHighStandIns[ch - 128];
  return static_cast<char>(ch);
}

NarrowGlyph NarrowGlyphOf(std::uint8_t ch, const TerminalCaps& caps) {
  NarrowGlyph g;
  if (IsBlock(ch) && (caps.colors >= 8 || caps.reverse)) {
    g.inverse = true;
    return g;
  }
  if (const char name = AcsName(ch); name != 0) {
    if (const char byte = AcsByte(name, caps); byte != 0) {
      g.byte = byte;
      g.acs = true;
      return g;
    }
  }
  const char direct = DirectByte(ch, caps.encoding);
  g.byte = direct != 0 ? direct : AsciiStandIn(ch);
  return g;
}

std::string Cp437ToTerminalText(std::string_view cp437, TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return Cp437ToUtf8(cp437);
  std::string out;
  out.reserve(cp437.size());
  for (char c : cp437) {
    const auto ch = static_cast<std::uint8_t>(c);
    const char direct = DirectByte(ch, encoding);
    out += direct != 0 ? direct : AsciiStandIn(ch);
  }
  return out;
}

}  // namespace tarvana
