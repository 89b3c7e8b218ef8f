#pragma once
// What the Unicode Character Database says of one code point, as far as a
// terminal cell needs it: how many cells it takes, how it joins clusters
// and whether it is a letter.

#include <cstdint>

namespace tarvana {

// How many cells a code point takes when it begins a cluster.
enum class WidthClass : std::uint8_t {
  kNarrow = 0,   // one cell; also ambiguous-width and most unassigned code points
  kZero = 1,     // no cell of its own: marks, format characters, Hangul medial and final jamo
  kWide = 2,     // two cells: East Asian wide and fullwidth, emoji shown as emoji
  kControl = 3,  // C0, DEL and C1 controls: nothing to draw, the caller shows a stand-in
};

// The Grapheme_Cluster_Break property (Unicode Standard Annex #29).
enum class GraphemeBreak : std::uint8_t {
  kOther = 0,
  kCR,
  kLF,
  kControl,
  kExtend,
  kZwj,
  kRegionalIndicator,
  kPrepend,
  kSpacingMark,
  kL,
  kV,
  kT,
  kLV,
  kLVT,
};

// The width class of c; anything past U+10FFFF is narrow.
WidthClass WidthClassOf(char32_t c);
// True when c may be shown as an emoji (Emoji or Extended_Pictographic), so that
// VARIATION SELECTOR-16 after it asks for the two-cell emoji form.
bool IsEmojiCapable(char32_t c);
// True when c is shown as an emoji unless VARIATION SELECTOR-15 asks for text.
bool HasEmojiPresentation(char32_t c);
// The Grapheme_Cluster_Break property of c; anything past U+10FFFF is Other.
GraphemeBreak GraphemeBreakOf(char32_t c);
// The Extended_Pictographic property of c (emoji-data.txt), which joins emoji
// sequences through ZERO WIDTH JOINER.
bool IsExtendedPictographic(char32_t c);
// How a scalar takes part in clusters, for measuring text at speed: most
// text of any script is scalars that are clusters of their own.
enum class ScalarRole : std::uint8_t {
  kComplex,  // the cluster rules decide (controls, emoji, Hangul jamo, Prepend, flags)
  kNarrow,   // Other: a cluster of its own unless a joining scalar follows; one cell
  kWide,     // the same, two cells
  kJoins,    // Extend, ZWJ or SpacingMark: joins the scalar before it
};
ScalarRole ScalarRoleOf(char32_t c);
namespace internal {
class BmpIndex;
// ScalarRoleOf's index, for loops that look up every scalar of a text: the
// roles of code points below BmpIndex::kPlaneEnd as its bytes.
const BmpIndex& ScalarRoleIndex();
}  // namespace internal
// True when c is a letter of any script: General_Category Lu, Ll, Lt, Lm or
// Lo ("A", "ж", "漢", the Hangul syllables); marks and digits are not.
bool IsLetter(char32_t c);
// The bidirectional controls (U+202A-U+202E, U+2066-U+2069, U+200E, U+200F,
// U+061C), which could reorder or hide what a terminal shows: the screen
// leaves them out.
bool IsBidiControl(char32_t c);

}  // namespace tarvana
