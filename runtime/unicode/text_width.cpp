#include "runtime/unicode/text_width.h"

#include <algorithm>

#include "runtime/unicode/code_point_properties.h"
#include "runtime/unicode/grapheme.h"
#include "runtime/unicode/utf8_decode.h"

namespace tarvana {

int ClusterWidth(std::string_view cluster) {
  if (cluster.empty()) return 0;
  if (cluster.size() == 1) return 1;  // ASCII, a control's stand-in, or one ill-formed byte
  std::size_t pos = 0;
  const char32_t base = DecodeUtf8(cluster, pos);
  const char32_t selector = pos < cluster.size() ? DecodeUtf8(cluster, pos) : 0;
  switch (WidthClassOf(base)) {
    case WidthClass::kZero:
      return 0;
    case WidthClass::kWide:
      return selector == 0xFE0E && HasEmojiPresentation(base) ? 1 : 2;
    case WidthClass::kNarrow:
      return selector == 0xFE0F && IsEmojiCapable(base) ? 2 : 1;
    case WidthClass::kControl:
      return 1;
  }
  return 1;
}

namespace {

// The cells the screen shows a cluster in: a mark alone on a dotted circle,
// a bidirectional control in none.
int ShownWidth(std::string_view cluster) {
  std::size_t pos = 0;
  if (!cluster.empty() && IsBidiControl(DecodeUtf8(cluster, pos))) return 0;
  return cluster.empty() ? 0 : std::max(ClusterWidth(cluster), 1);
}

}  // namespace

int TextWidth(std::string_view utf8) {
  int width = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t end = NextClusterEnd(utf8, pos);
    width += ShownWidth(utf8.substr(pos, end - pos));
    pos = end;
  }
  return width;
}

std::string_view CutToWidth(std::string_view utf8, int width) {
  int used = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t end = NextClusterEnd(utf8, pos);
    const int w = ShownWidth(utf8.substr(pos, end - pos));
    if (used + w > width) break;
    used += w;
    pos = end;
  }
  return utf8.substr(0, pos);
}

std::string PadToWidth(std::string_view utf8, int width) {
  std::string out(CutToWidth(utf8, width));
  const int used = TextWidth(out);
  if (width > used) out.append(width - used, ' ');
  return out;
}

}  // namespace tarvana
