#include "runtime/unicode/utf8_decode.h"

#include "runtime/utf8.h"

namespace tarvana {
namespace {

struct Decoded {
  char32_t scalar;
  std::size_t length;  // bytes of the sequence, or of the maximal subpart
  bool wellFormed;
};

// The sequence at utf8[pos] (pos < utf8.size()), by the table of well-formed
// byte sequences: the lead byte fixes the length and the second byte's range.
Decoded Decode(std::string_view utf8, std::size_t pos) {
  const unsigned char lead = utf8[pos];
  if (lead < 0x80) return {lead, 1, true};
  std::size_t need;
  char32_t scalar;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 2;
    scalar = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 3;
    scalar = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 4;
    scalar = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return {kReplacementCharacter, 1, false};  // C0, C1, F5..FF, or a continuation byte
  }
  for (std::size_t i = 1; i < need; ++i) {
    if (pos + i >= utf8.size()) return {kReplacementCharacter, i, false};
    const unsigned char byte = utf8[pos + i];
    if (byte < low || byte > high) return {kReplacementCharacter, i, false};
    scalar = (scalar << 6) | (byte & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  return {scalar, need, true};
}

}  // namespace

char32_t internal::DecodeUtf8Rest(std::string_view utf8, std::size_t& pos, bool* wellFormed) {
  const Decoded d = Decode(utf8, pos);
  pos += d.length;
  if (wellFormed) *wellFormed = d.wellFormed;
  return d.scalar;
}

std::string MakeValidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) {
    const Decoded d = Decode(bytes, pos);
    if (d.wellFormed)
      out.append(bytes.substr(pos, d.length));
    else
      AppendUtf8(out, kReplacementCharacter);
    pos += d.length;
  }
  return out;
}

}  // namespace tarvana
