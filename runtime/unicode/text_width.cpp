#include "runtime/unicode/text_width.h"

#include <algorithm>

#include "runtime/unicode/bmp_index.h"
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

// Walks text cluster by cluster with the cells each is shown in. A scalar
// that joins neither neighbour, as most text of any script is made of, is
// measured with one decode and one lookup; the rest go by the cluster rules.
class ShownClusters {
 public:
  explicit ShownClusters(std::string_view utf8) : utf8_(utf8) {}

  // The next cluster's end and cells; false at the end of the text.
  bool Next(std::size_t& end, int& cells) {
    if (pos_ >= utf8_.size()) return false;
    const std::size_t start = pos_;
    if (!ahead_) Decode();
    ahead_ = false;
    if (role_ == ScalarRole::kNarrow || role_ == ScalarRole::kWide) {
      const int plain = role_ == ScalarRole::kWide ? 2 : 1;
      pos_ = next_;
      // The scalar after it, decoded once: it is the next cluster's start
      // unless it joins this one.
      ahead_ = pos_ < utf8_.size();
      if (ahead_) Decode();
      if (!ahead_ || role_ != ScalarRole::kJoins) {
        end = pos_;
        cells = plain;
        return true;
      }
      ahead_ = false;
    }
    end = pos_ = NextClusterEnd(utf8_, start);
    cells = ShownWidth(utf8_.substr(start, end - start));
    return true;
  }

 private:
  // The role of the scalar at pos_ and where it ends.
  void Decode() {
    next_ = pos_;
    bool wellFormed = false;
    const char32_t c = DecodeUtf8(utf8_, next_, &wellFormed);
    role_ = !wellFormed                         ? ScalarRole::kComplex
            : c < internal::BmpIndex::kPlaneEnd ? static_cast<ScalarRole>(roles_(c))
                                                : ScalarRoleOf(c);
  }

  std::string_view utf8_;
  const internal::BmpIndex& roles_ = internal::ScalarRoleIndex();
  std::size_t pos_ = 0, next_ = 0;
  ScalarRole role_ = ScalarRole::kComplex;
  bool ahead_ = false;  // role_ and next_ are already those of the scalar at pos_
};

}  // namespace

int TextWidth(std::string_view utf8) {
  int width = 0, cells = 0;
  std::size_t end = 0;
  for (ShownClusters clusters(utf8); clusters.Next(end, cells);)
    width += cells;
  return width;
}

std::string_view CutToWidth(std::string_view utf8, int width) {
  int used = 0, cells = 0;
  std::size_t pos = 0, end = 0;
  for (ShownClusters clusters(utf8); clusters.Next(end, cells) && used + cells <= width;) {
    used += cells;
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
