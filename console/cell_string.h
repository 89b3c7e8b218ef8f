#pragma once
// Text as the screen cells it takes, made once from code page 437 bytes or
// from UTF-8, so that a widget measures, cuts, pads and draws text of any
// script one way. A wide cluster is two cells, kWideFirst then kContinuation;
// the cells carry no colour (the printer gives them its own). Cells made from
// code page 437 bytes are exactly those PrintText writes for the bytes.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/types.h"

namespace tarvana {

class CellString {
 public:
  CellString() = default;
  // A cell per byte, each its code page 437 glyph.
  static CellString FromCp437(std::string_view cp437);
  // The cells PrintUtf8 shows for the text, a wide cluster as a pair.
  static CellString FromUtf8(std::string_view utf8);
  // Cells copied as they are; a wide half without its partner becomes a
  // space, so that every CellString holds whole clusters.
  static CellString FromCells(std::span<const Cell> cells);

  int Width() const { return static_cast<int>(cells_.size()); }
  bool Empty() const { return cells_.empty(); }
  std::span<const Cell> Cells() const { return cells_; }
  const Cell& operator[](int i) const { return cells_[static_cast<std::size_t>(i)]; }
  // The byte each cell shows to code page 437 readers: its glyph or stand-in
  // (a space for the second half of a wide cluster).
  std::string ToCp437() const;
  // The clusters as UTF-8: code page 437 glyphs as their Unicode characters.
  std::string ToUtf8() const;
  // The first scalar of cell i, case-folded (0 for a wide cluster's second
  // half): what hot keys, answers and type-ahead compare.
  char32_t FoldedScalar(int i) const;

  // The count cells from first (cut to the string); a wide cluster cut in
  // two by either end leaves a space for its half.
  CellString Slice(int first, int count) const;
  // The longest start of whole clusters within width cells.
  CellString Cut(int width) const;
  // Cut to width, then spaces until exactly width cells.
  CellString Padded(int width) const;
  void Append(const CellString& more);
  void AppendSpaces(int count);

  friend bool operator==(const CellString&, const CellString&) = default;

 private:
  std::vector<Cell> cells_;
};

}  // namespace tarvana
