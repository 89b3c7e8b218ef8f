#include "runtime/unicode/grapheme.h"

#include "runtime/unicode/code_point_properties.h"
#include "runtime/unicode/utf8_decode.h"

namespace tarvana {
namespace {

using GB = GraphemeBreak;

struct Scalar {
  GB kind;
  bool pictographic;
  bool wellFormed;
};

Scalar Read(std::string_view utf8, std::size_t& pos) {
  bool wellFormed;
  const char32_t c = DecodeUtf8(utf8, pos, &wellFormed);
  if (!wellFormed) return {GB::kOther, false, false};
  return {GraphemeBreakOf(c), IsExtendedPictographic(c), true};
}

// What the rules need to know of the cluster so far besides its last scalar.
struct Context {
  bool pictographicExtends = false;   // it ends in Extended_Pictographic Extend*
  bool zwjAfterPictographic = false;  // it ends in Extended_Pictographic Extend* ZWJ
  int regionalIndicators = 0;         // the regional indicators it ends with
};

void Append(Context& context, const Scalar& s) {
  context.zwjAfterPictographic = s.kind == GB::kZwj && context.pictographicExtends;
  context.pictographicExtends =
      s.pictographic || (s.kind == GB::kExtend && context.pictographicExtends);
  context.regionalIndicators =
      s.kind == GB::kRegionalIndicator ? context.regionalIndicators + 1 : 0;
}

bool IsControl(GB kind) {
  return kind == GB::kControl || kind == GB::kCR || kind == GB::kLF;
}

// Whether the rules GB3 to GB999 break between before and after.
bool Breaks(const Context& context, const Scalar& before, const Scalar& after) {
  const GB b = before.kind, a = after.kind;
  if (b == GB::kCR && a == GB::kLF) return false;  // GB3
  if (IsControl(b) || IsControl(a)) return true;   // GB4, GB5
  if (b == GB::kL && (a == GB::kL || a == GB::kV || a == GB::kLV || a == GB::kLVT))
    return false;                                                                   // GB6
  if ((b == GB::kLV || b == GB::kV) && (a == GB::kV || a == GB::kT)) return false;  // GB7
  if ((b == GB::kLVT || b == GB::kT) && a == GB::kT) return false;                  // GB8
  if (a == GB::kExtend || a == GB::kZwj) return false;                              // GB9
  if (a == GB::kSpacingMark) return false;                                          // GB9a
  if (b == GB::kPrepend) return false;                                              // GB9b
  if (context.zwjAfterPictographic && after.pictographic) return false;             // GB11
  if (b == GB::kRegionalIndicator && a == GB::kRegionalIndicator)
    return context.regionalIndicators % 2 == 0;  // GB12, GB13: in pairs
  return true;                                   // GB999
}

}  // namespace

std::size_t NextClusterEnd(std::string_view utf8, std::size_t pos) {
  if (pos >= utf8.size()) return utf8.size();
  // Two ASCII characters always break apart, but for CR LF.
  if (static_cast<unsigned char>(utf8[pos]) < 0x80 &&
      (pos + 1 == utf8.size() || (static_cast<unsigned char>(utf8[pos + 1]) < 0x80 &&
                                  !(utf8[pos] == '\r' && utf8[pos + 1] == '\n'))))
    return pos + 1;
  std::size_t end = pos;
  Scalar before = Read(utf8, end);
  if (!before.wellFormed) return end;
  Context context;
  Append(context, before);
  while (end < utf8.size()) {
    std::size_t next = end;
    const Scalar after = Read(utf8, next);
    if (!after.wellFormed || Breaks(context, before, after)) break;
    Append(context, after);
    before = after;
    end = next;
  }
  return end;
}

}  // namespace tarvana
