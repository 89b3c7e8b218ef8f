#include "text/view_utf8.h"

#include <algorithm>

#include "runtime/unicode/grapheme.h"
#include "runtime/unicode/utf8_decode.h"

namespace tarvana {
namespace {

// The most bytes of a cluster that are kept; the rest of a longer one (a pile
// of marks) is left out, since the screen keeps each distinct cluster for
// good. Every cluster in use (emoji sequences, tag flags, conjuncts) is
// shorter.
constexpr std::size_t kMaxClusterBytes = 64;

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The cells of a piece of a line without tabs. When a cluster is too long,
// each cluster is made into cells on its own, so that a shortened one cannot
// join the next into another long one.
CellString PieceCells(std::string_view piece) {
  std::size_t pos = 0;
  while (pos < piece.size()) {
    const std::size_t end = NextClusterEnd(piece, pos);
    if (end - pos > kMaxClusterBytes) break;
    pos = end;
  }
  if (pos == piece.size()) return CellString::FromUtf8(piece);
  CellString cells = CellString::FromUtf8(piece.substr(0, pos));
  while (pos < piece.size()) {
    const std::size_t end = NextClusterEnd(piece, pos);
    std::size_t keep = std::min(end, pos + kMaxClusterBytes);
    while (keep < end && IsContinuation(piece[keep]))
      --keep;
    cells.Append(CellString::FromUtf8(piece.substr(pos, keep - pos)));
    pos = end;
  }
  return cells;
}

}  // namespace

bool IsUtf8Head(std::string_view head, bool more) {
  bool high = false;
  for (std::size_t pos = 0; pos < head.size();) {
    if (static_cast<unsigned char>(head[pos]) < 0x80) {
      ++pos;
      continue;
    }
    high = true;
    const std::size_t at = pos;
    bool wellFormed = false;
    DecodeUtf8(head, pos, &wellFormed);
    // A maximal subpart that starts with a lead byte and runs to the end is
    // the start of a sequence the probe cut.
    const unsigned char lead = static_cast<unsigned char>(head[at]);
    if (!wellFormed && !(more && pos == head.size() && lead >= 0xC2 && lead <= 0xF4)) return false;
  }
  return high;
}

CellString Utf8ViewLine(std::string_view line, int tabWidth, int cellLimit) {
  CellString cells;
  for (std::size_t pos = 0; cells.Width() <= cellLimit;) {
    // A tab byte is always a character and a cluster of its own.
    const std::size_t tab = tabWidth >= 1 ? line.find('\t', pos) : std::string_view::npos;
    cells.Append(PieceCells(line.substr(pos, tab - pos)));
    if (tab == std::string_view::npos) break;
    const int blanks = tabWidth - cells.Width() % tabWidth;
    cells.AppendSpaces(std::min(blanks, std::max(0, cellLimit + 1 - cells.Width())));
    pos = tab + 1;
  }
  return cells.Width() > cellLimit ? cells.Cut(cellLimit) : cells;
}

}  // namespace tarvana
