#include "console/cell_string.h"

#include <algorithm>

#include "console/cell_text.h"
#include "console/cp437.h"
#include "console/cp437_best_fit.h"
#include "runtime/unicode/case_folding.h"
#include "runtime/unicode/code_point_properties.h"
#include "runtime/unicode/grapheme.h"
#include "runtime/unicode/text_width.h"
#include "runtime/unicode/utf8_decode.h"

namespace tarvana {
namespace {

using cell_flag::kContinuation;
using cell_flag::kWideFirst;

// The text as valid UTF-8 without bidirectional controls, which could
// reorder or hide what the screen shows.
std::string PrintableUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t c = DecodeUtf8(utf8, pos);
    if (!IsBidiControl(c)) AppendUtf8(out, c);
  }
  return out;
}

// The code page 437 byte whose glyph is c, control-code glyphs included;
// -1 for none.
int Cp437GlyphOf(char32_t c) {
  if (const int b = UnicodeToCp437(c); b >= 0) return b;
  for (int b = 0; b < 32; ++b)
    if (Cp437ToUnicode(static_cast<unsigned char>(b)) == c) return b;
  return Cp437ToUnicode(127) == c ? 127 : -1;
}

// The byte a code page 437 reader sees for a text cell whose first scalar is c.
std::uint8_t StandInByte(char32_t c) {
  const int b = BestFitCp437(c);
  return b >= 32 && b != 127 ? static_cast<std::uint8_t>(b) : '?';
}

Cell TextCell(std::string_view cluster, char32_t first) {
  return Cell{StandInByte(first), 0, 0, CellTextOfCluster(cluster)};
}

Cell Glyph(unsigned char ch) {
  return Cell{ch, 0};
}

}  // namespace

CellString CellString::FromCp437(std::string_view cp437) {
  CellString s;
  s.cells_.reserve(cp437.size());
  for (const char b : cp437)
    s.cells_.push_back(Glyph(static_cast<unsigned char>(b)));
  return s;
}

// Each cluster becomes cells as follows:
// - ill-formed bytes: U+FFFD for each maximal subpart;
// - C0 controls and DEL: their code page 437 glyphs, a cell each, as PrintText
//   shows the same bytes; C1 and every other control or format character
//   (U+200B, U+FEFF, ...): U+FFFD, so nothing invisible hides in the text;
// - bidirectional controls (U+202A-U+202E, U+2066-U+2069, U+200E, U+200F,
//   U+061C): left out, taking no cell;
// - a cluster that starts with a mark, taking no cell of its own: on U+25CC
//   DOTTED CIRCLE, one cell;
// - a character code page 437 has: its glyph; any other narrow cluster: a
//   text cell; a wide one: a text cell and its continuation.
CellString CellString::FromUtf8(std::string_view utf8) {
  const std::string text = PrintableUtf8(utf8);
  const std::string_view all = text;
  CellString s;
  s.cells_.reserve(all.size());
  for (std::size_t pos = 0; pos < all.size();) {
    const std::size_t end = NextClusterEnd(all, pos);
    const std::string_view cluster = all.substr(pos, end - pos);
    pos = end;
    std::size_t at = 0;
    const char32_t first = DecodeUtf8(cluster, at);
    if (first < 0x20 || first == 0x7F) {
      for (const char b : cluster)  // CR LF is one cluster of two cells
        s.cells_.push_back(Glyph(static_cast<unsigned char>(b)));
      continue;
    }
    if (GraphemeBreakOf(first) == GraphemeBreak::kControl) {
      s.cells_.push_back(TextCell("\xEF\xBF\xBD", kReplacementCharacter));
      continue;
    }
    const int width = ClusterWidth(cluster);
    if (width == 0) {
      s.cells_.push_back(TextCell("\xE2\x97\x8C" + std::string(cluster), 0x25CC));
    } else if (width == 1) {
      const int glyph = at == cluster.size() ? Cp437GlyphOf(first) : -1;
      s.cells_.push_back(glyph >= 0 ? Glyph(static_cast<unsigned char>(glyph))
                                    : TextCell(cluster, first));
    } else {
      Cell head = TextCell(cluster, first);
      head.flags = kWideFirst;
      s.cells_.push_back(head);
      s.cells_.push_back(Cell{' ', 0, kContinuation});
    }
  }
  return s;
}

CellString CellString::FromCells(std::span<const Cell> cells) {
  CellString s;
  s.cells_.assign(cells.begin(), cells.end());
  const std::size_t n = s.cells_.size();
  for (std::size_t i = 0; i < n; ++i) {
    Cell& c = s.cells_[i];
    const bool pairedHead =
        (c.flags & kWideFirst) && i + 1 < n && (s.cells_[i + 1].flags & kContinuation);
    const bool pairedTail = (c.flags & kContinuation) && i > 0 && (cells[i - 1].flags & kWideFirst);
    c.attr = 0;
    if ((c.flags & kWideFirst) && !pairedHead) c = Glyph(' ');
    if ((c.flags & kContinuation) && !pairedTail) c = Glyph(' ');
  }
  return s;
}

std::string CellString::ToCp437() const {
  std::string out;
  out.reserve(cells_.size());
  for (const Cell& c : cells_)
    out.push_back(static_cast<char>(c.ch));
  return out;
}

std::string CellString::ToUtf8() const {
  std::string out;
  out.reserve(cells_.size());
  for (const Cell& c : cells_) {
    if (c.flags & kContinuation) continue;
    if (c.text != 0)
      out += CellTextUtf8(c.text);
    else
      AppendUtf8(out, Cp437ToUnicode(c.ch));
  }
  return out;
}

char32_t CellString::FoldedScalar(int i) const {
  const Cell& c = (*this)[i];
  if (c.flags & kContinuation) return 0;
  if (c.text == 0) return SimpleCaseFold(Cp437ToUnicode(c.ch));
  const std::string cluster = CellTextUtf8(c.text);
  std::size_t at = 0;
  return cluster.empty() ? 0 : SimpleCaseFold(DecodeUtf8(cluster, at));
}

CellString CellString::Slice(int first, int count) const {
  const int begin = std::clamp(first, 0, Width());
  const int end = std::clamp(begin + std::max(count, 0), begin, Width());
  return FromCells(std::span<const Cell>(cells_).subspan(static_cast<std::size_t>(begin),
                                                         static_cast<std::size_t>(end - begin)));
}

CellString CellString::Cut(int width) const {
  int n = std::clamp(width, 0, Width());
  if (n > 0 && n < Width() && (cells_[static_cast<std::size_t>(n)].flags & kContinuation)) --n;
  CellString s;
  s.cells_.assign(cells_.begin(), cells_.begin() + n);
  return s;
}

CellString CellString::Padded(int width) const {
  CellString s = Cut(width);
  s.AppendSpaces(width - s.Width());
  return s;
}

void CellString::Append(const CellString& more) {
  cells_.insert(cells_.end(), more.cells_.begin(), more.cells_.end());
}

void CellString::AppendSpaces(int count) {
  if (count > 0) cells_.insert(cells_.end(), static_cast<std::size_t>(count), Glyph(' '));
}

}  // namespace tarvana
