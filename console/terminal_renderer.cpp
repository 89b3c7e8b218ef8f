#include "console/terminal_renderer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <functional>
#include <numeric>

#include "console/cp437.h"

namespace tarvana {
namespace {

constexpr std::uint32_t kUnknown = 0x10000;  // no character and colour packs to this
constexpr int kDosToAnsi[8] = {0, 4, 2, 6, 1, 5, 3, 7};

struct Glyph {
  char bytes[4];
  int size;
};

const std::array<Glyph, 256>& Glyphs() {
  static const std::array<Glyph, 256> table = [] {
    std::array<Glyph, 256> t{};
    for (int ch = 0; ch < 256; ++ch) {
      std::string utf8;
      AppendUtf8(utf8, Cp437ToUnicode(static_cast<unsigned char>(ch)));
      std::copy(utf8.begin(), utf8.end(), t[ch].bytes);
      t[ch].size = static_cast<int>(utf8.size());
    }
    return t;
  }();
  return table;
}

// Bytes 0 and 32 both show a blank, so they count as the same picture.
bool IsBlank(std::uint8_t ch) {
  return ch == ' ' || ch == 0;
}
std::uint32_t Pack(Cell c) {
  return (IsBlank(c.ch) ? ' ' : c.ch) | std::uint32_t{c.attr} << 8;
}

int Digits(int n) {
  return n < 10 ? 1 : n < 100 ? 2 : n < 1000 ? 3 : n < 10000 ? 4 : 5;
}

void AppendNumber(std::string& out, int n) {
  char buf[12];
  out.append(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

// A control sequence with one parameter whose default is 1 (cursor moves,
// erase counts): the 1 is left out.
int CsiCost(int n) {
  return n == 1 ? 3 : 3 + Digits(n);
}
void AppendCsi(std::string& out, int n, char final) {
  out += "\x1b[";
  if (n != 1) AppendNumber(out, n);
  out += final;
}

int CupCost(int row, int col) {
  return 3 + (row == 1 ? 0 : Digits(row)) + (col == 1 ? 0 : 1 + Digits(col));
}
void AppendCup(std::string& out, int row, int col) {
  out += "\x1b[";
  if (row != 1) AppendNumber(out, row);
  if (col != 1) {
    out += ';';
    AppendNumber(out, col);
  }
  out += 'H';
}

// How the cursor gets to its row, then to its column.
enum class Vertical { kStay, kLineFeeds, kDown, kUp, kAbsolute };
enum class Horizontal {
  kStay,
  kBridge,
  kRight,
  kBackspaces,
  kLeft,
  kReturn,
  kReturnRight,
  kAbsolute
};

// The colour that most blank cells have: clearing the screen in it leaves
// the fewest cells to draw.
int MostCommonBlankAttr(const std::vector<Cell>& cells) {
  std::array<int, 256> count{};
  for (const Cell& c : cells)
    if (IsBlank(c.ch)) ++count[c.attr];
  const auto best = std::max_element(count.begin(), count.end());
  return *best == 0 ? 0x07 : static_cast<int>(best - count.begin());
}

}  // namespace

int AnsiColorIndex(int dosColor) {
  return kDosToAnsi[dosColor & 7] + (dosColor & 8);
}
int SgrForeground(int dosColor) {
  return (dosColor & 8 ? 90 : 30) + kDosToAnsi[dosColor & 7];
}
int SgrBackground(int dosColor) {
  return (dosColor & 8 ? 100 : 40) + kDosToAnsi[dosColor & 7];
}

void TerminalRenderer::Render(const Screen& screen, int termCols, int termRows, std::string& out) {
  if (!valid_ || screen.Width() != cols_ || screen.Height() != rows_ || termCols != termCols_ ||
      termRows != termRows_)
    Redraw(screen, termCols, termRows, out);
  cells_ = screen.Cells().data();
  if (PackScreen(screen) > 0) {
    ScrollIfCheaper(out);
    for (int row = 1; row <= rows_; ++row)
      if (differ_[row]) RenderRow(row, out);
  }
  PlaceCursor(screen, out);
  cells_ = nullptr;
}

void TerminalRenderer::Redraw(const Screen& screen, int termCols, int termRows, std::string& out) {
  cols_ = screen.Width();
  rows_ = screen.Height();
  termCols_ = termCols;
  termRows_ = termRows;
  out += "\x1b[H";
  curRow_ = curCol_ = 1;
  pen_ = -1;
  const size_t count = static_cast<size_t>(cols_) * rows_;
  if (termCols == cols_ && termRows == rows_) {
    const int attr = MostCommonBlankAttr(screen.Cells());
    SetPen(attr, out);
    out += "\x1b[2J";
    front_.assign(count, Pack(Cell{' ', static_cast<ColorAttr>(attr)}));
  } else {
    // The margin beyond the screen keeps the terminal's own colours.
    out += "\x1b[0m\x1b[2J";
    front_.assign(count, kUnknown);
  }
  frontHashValid_.assign(rows_ + 1, false);
  packedStamp_.assign(rows_ + 1, 0);
  cursorVisible_ = -1;
  cursorShape_ = -1;
  valid_ = true;
}

std::uint64_t TerminalRenderer::RowHash(const std::uint32_t* row) const {
  std::uint64_t h = 14695981039346656037ULL;  // FNV-1a
  for (int c = 0; c < cols_; ++c)
    h = (h ^ row[c]) * 1099511628211ULL;
  return h;
}

int TerminalRenderer::PackScreen(const Screen& screen) {
  packed_.resize(static_cast<size_t>(cols_) * rows_);
  differ_.assign(rows_ + 1, 0);
  int changedRows = 0;
  for (int r = 1; r <= rows_; ++r) {
    // A row unchanged since it was shown costs nothing.
    if (packedStamp_[r] == screen.RowStamp(r)) continue;
    packedStamp_[r] = screen.RowStamp(r);
    for (size_t i = static_cast<size_t>(r - 1) * cols_, end = i + cols_; i < end; ++i)
      differ_[r] += (packed_[i] = Pack(cells_[i])) != front_[i];
    changedRows += differ_[r] > 0;
  }
  return changedRows;
}

void TerminalRenderer::ScrollIfCheaper(std::string& out) {
  // A scroll region spans the terminal's width, so only a screen as wide.
  if (termCols_ != cols_ || rows_ < 2) return;
  if (std::count_if(differ_.begin() + 1, differ_.end(), [](int d) { return d > 0; }) < 2) return;
  differFromBlank_.assign(rows_ + 1, -1);
  backHash_.resize(rows_ + 1);
  frontHash_.resize(rows_ + 1);
  frontHashValid_.resize(rows_ + 1, false);
  for (int r = 1; r <= rows_; ++r) {
    const size_t start = static_cast<size_t>(r - 1) * cols_;
    if (!frontHashValid_[r]) {
      frontHash_[r] = RowHash(front_.data() + start);
      frontHashValid_[r] = true;
    }
    backHash_[r] = differ_[r] ? RowHash(packed_.data() + start) : frontHash_[r];
  }
  // Only shifts that bring some changed row its new content are worth a look.
  std::vector<bool>& candidate = candidateShift_;
  candidate.assign(2 * rows_, false);
  bool anyCandidate = false;
  for (int r = 1; r <= rows_; ++r) {
    if (!differ_[r]) continue;
    for (int f = 1; f <= rows_; ++f)
      if (f != r && backHash_[r] == frontHash_[f]) anyCandidate = candidate[f - r + rows_] = true;
  }
  if (!anyCandidate) return;

  auto sameRow = [&](int backRow, int frontRow) {
    if (backHash_[backRow] != frontHash_[frontRow]) return false;
    const auto* back =
        (differ_[backRow] ? packed_ : front_).data() + static_cast<size_t>(backRow - 1) * cols_;
    return std::equal(back, back + cols_,
                      front_.data() + static_cast<size_t>(frontRow - 1) * cols_);
  };
  // Scrolling brings in blank lines in the pen's colour: the cells of a row
  // that differ from such a line.
  const std::uint32_t blank = pen_ < 0 ? kUnknown : Pack(Cell{' ', static_cast<ColorAttr>(pen_)});
  auto differFromBlank = [&](int r) {
    if (differFromBlank_[r] < 0) {
      const auto* row = packed_.data() + static_cast<size_t>(r - 1) * cols_;
      differFromBlank_[r] = static_cast<int>(cols_ - std::count(row, row + cols_, blank));
    }
    return differFromBlank_[r];
  };
  // Bytes of the scroll itself; a band short of the whole terminal needs a
  // scroll region, which also sends the cursor home.
  auto overhead = [&](int top, int bottom, int shift) {
    if (top == 1 && bottom == termRows_) return CsiCost(shift);
    return 4 + Digits(top) + Digits(bottom) + CsiCost(shift) + 3 + 4;
  };
  int bestGain = 0, bestShift = 0, bestTop = 0, bestBottom = 0;
  // shift > 0: the lines moved up (row r shows what row r + shift showed).
  for (int shift = 1 - rows_; shift < rows_; ++shift) {
    if (!candidate[shift + rows_]) continue;
    const int last = std::min(rows_, rows_ - shift);
    for (int r = std::max(1, 1 - shift); r <= last;) {
      if (!sameRow(r, r + shift)) {
        ++r;
        continue;
      }
      const int first = r;
      int gain = 0;
      for (; r <= last && sameRow(r, r + shift); ++r)
        gain += differ_[r];
      const int top = shift > 0 ? first : first + shift;
      const int bottom = shift > 0 ? r - 1 + shift : r - 1;
      const int freshTop = shift > 0 ? r : top;
      for (int f = freshTop; f < freshTop + std::abs(shift); ++f)
        gain += differ_[f] - differFromBlank(f);
      gain -= overhead(top, bottom, std::abs(shift));
      if (gain > bestGain) {
        bestGain = gain;
        bestShift = shift;
        bestTop = top;
        bestBottom = bottom;
      }
    }
  }
  if (bestShift == 0) return;

  const int n = std::abs(bestShift);
  const bool region = !(bestTop == 1 && bestBottom == termRows_);
  if (region) {
    out += "\x1b[";
    AppendNumber(out, bestTop);
    out += ';';
    AppendNumber(out, bestBottom);
    out += 'r';
  }
  AppendCsi(out, n, bestShift > 0 ? 'S' : 'T');
  if (region) {
    out += "\x1b[r";
    curRow_ = curCol_ = 1;
  }
  // The front buffer follows: the band's lines move, blank ones come in.
  const auto rowStart = [&](int r) { return front_.begin() + static_cast<size_t>(r - 1) * cols_; };
  if (bestShift > 0) {
    std::copy(rowStart(bestTop + n), rowStart(bestBottom + 1), rowStart(bestTop));
    std::fill(rowStart(bestBottom + 1 - n), rowStart(bestBottom + 1), blank);
  } else {
    std::copy_backward(rowStart(bestTop), rowStart(bestBottom + 1 - n), rowStart(bestBottom + 1));
    std::fill(rowStart(bestTop), rowStart(bestTop + n), blank);
  }
  std::fill(frontHashValid_.begin() + bestTop, frontHashValid_.begin() + bestBottom + 1, false);
  for (int r = bestTop; r <= bestBottom; ++r) {
    const size_t start = static_cast<size_t>(r - 1) * cols_;
    differ_[r] = static_cast<int>(
        std::inner_product(packed_.begin() + start, packed_.begin() + start + cols_,
                           front_.begin() + start, 0, std::plus<>(), std::not_equal_to<>()));
  }
}

void TerminalRenderer::RenderRow(int row, std::string& out) {
  const Cell* cells = cells_ + static_cast<size_t>(row - 1) * cols_;
  const std::uint32_t* back = packed_.data() + static_cast<size_t>(row - 1) * cols_;
  std::uint32_t* front = front_.data() + static_cast<size_t>(row - 1) * cols_;
  const Glyph* glyphs = Glyphs().data();
  int c = 0;  // 0-based column
  while (c < cols_) {
    const Cell cell = cells[c];
    const std::uint32_t packed = back[c];
    if (front[c] == packed) {
      ++c;
      continue;
    }
    frontHashValid_[row] = false;
    if (IsBlank(cell.ch)) {
      // A run of the same blank may be erased in one go instead of written.
      int end = c, lastChanged = c;
      while (end < cols_ && back[end] == packed) {
        if (front[end] != packed) lastChanged = end;
        ++end;
      }
      const int span = lastChanged - c + 1;
      const bool toLineEnd = end == cols_ && cols_ == termCols_;
      // Erasing leaves the cursor at the start of the run: count the move past it.
      const bool eraseLine = toLineEnd && span > 3;
      const bool eraseChars = !eraseLine && span > CsiCost(span) + 4;
      if (eraseLine || eraseChars) {
        MoveTo(row, c + 1, out);
        SetPen(cell.attr, out);
        if (eraseLine) {
          out += "\x1b[K";
          lastChanged = cols_ - 1;
        } else {
          AppendCsi(out, span, 'X');
        }
        std::fill(front + c, front + lastChanged + 1, packed);
        c = lastChanged + 1;
        continue;
      }
    }
    MoveTo(row, c + 1, out);
    SetPen(cell.attr, out);
    const Glyph& g = glyphs[cell.ch];
    out.append(g.bytes, g.size);
    front[c] = packed;
    ++c;
    // Without autowrap the cursor stays in the last column; leave it unknown
    // rather than rely on that.
    curCol_ = c == termCols_ ? 0 : c + 1;
  }
}

int TerminalRenderer::BridgeCost(int row, int fromCol, int toCol, int limit) const {
  // Re-sending unchanged cells that already have the pen's colour moves the
  // cursor over them.
  const size_t base = static_cast<size_t>(row - 1) * cols_;
  const Glyph* glyphs = Glyphs().data();
  int cost = 0;
  for (int c = fromCol; c < toCol && cost < limit; ++c) {
    const Cell cell = cells_[base + c - 1];
    if (cell.attr != pen_ || front_[base + c - 1] != packed_[base + c - 1]) return INT_MAX;
    cost += glyphs[cell.ch].size;
  }
  return cost < limit ? cost : INT_MAX;
}

void TerminalRenderer::MoveTo(int row, int col, std::string& out) {
  if (curRow_ == row && curCol_ == col) return;
  int best = CupCost(row, col);
  bool cup = true;
  Vertical vertical = Vertical::kStay;
  Horizontal horizontal = Horizontal::kStay;
  if (curRow_ != 0) {
    int vCost = 0;
    Vertical v = Vertical::kStay;
    const int dr = row - curRow_;
    if (dr != 0) {
      vCost = CsiCost(row);
      v = Vertical::kAbsolute;
      const int relative = CsiCost(std::abs(dr));
      if (relative < vCost) {
        vCost = relative;
        v = dr > 0 ? Vertical::kDown : Vertical::kUp;
      }
      if (dr > 0 && dr <= vCost) {
        vCost = dr;
        v = Vertical::kLineFeeds;
      }
    }
    // The column: absolute, from a carriage return, or relative when known.
    int hCost = CsiCost(col);
    Horizontal h = Horizontal::kAbsolute;
    const int fromReturn = col == 1 ? 1 : 1 + CsiCost(col - 1);
    if (fromReturn < hCost) {
      hCost = fromReturn;
      h = col == 1 ? Horizontal::kReturn : Horizontal::kReturnRight;
    }
    if (curCol_ != 0) {
      const int dc = col - curCol_;
      if (dc == 0) {
        hCost = 0;
        h = Horizontal::kStay;
      } else if (dc > 0) {
        if (CsiCost(dc) < hCost) {
          hCost = CsiCost(dc);
          h = Horizontal::kRight;
        }
        if (dr == 0) {
          const int bridge = BridgeCost(row, curCol_, col, hCost);
          if (bridge < hCost) {
            hCost = bridge;
            h = Horizontal::kBridge;
          }
        }
      } else {
        if (-dc < hCost) {
          hCost = -dc;
          h = Horizontal::kBackspaces;
        }
        if (CsiCost(-dc) < hCost) {
          hCost = CsiCost(-dc);
          h = Horizontal::kLeft;
        }
      }
    }
    if (vCost + hCost < best) {
      best = vCost + hCost;
      cup = false;
      vertical = v;
      horizontal = h;
    }
  }
  if (cup) {
    AppendCup(out, row, col);
  } else {
    switch (vertical) {
      case Vertical::kStay:
        break;
      case Vertical::kLineFeeds:
        out.append(row - curRow_, '\n');
        break;
      case Vertical::kDown:
        AppendCsi(out, row - curRow_, 'B');
        break;
      case Vertical::kUp:
        AppendCsi(out, curRow_ - row, 'A');
        break;
      case Vertical::kAbsolute:
        AppendCsi(out, row, 'd');
        break;
    }
    switch (horizontal) {
      case Horizontal::kStay:
        break;
      case Horizontal::kBridge: {
        const Cell* cells = cells_ + static_cast<size_t>(row - 1) * cols_;
        for (int c = curCol_; c < col; ++c) {
          const Glyph& g = Glyphs()[cells[c - 1].ch];
          out.append(g.bytes, g.size);
        }
        break;
      }
      case Horizontal::kRight:
        AppendCsi(out, col - curCol_, 'C');
        break;
      case Horizontal::kBackspaces:
        out.append(curCol_ - col, '\b');
        break;
      case Horizontal::kLeft:
        AppendCsi(out, curCol_ - col, 'D');
        break;
      case Horizontal::kReturn:
        out += '\r';
        break;
      case Horizontal::kReturnRight:
        out += '\r';
        AppendCsi(out, col - 1, 'C');
        break;
      case Horizontal::kAbsolute:
        AppendCsi(out, col, 'G');
        break;
    }
  }
  curRow_ = row;
  curCol_ = col;
}

void TerminalRenderer::SetPen(int attr, std::string& out) {
  if (pen_ == attr) return;
  const int fg = attr & 15, bg = attr >> 4;
  const bool fgChanged = pen_ < 0 || (pen_ & 15) != fg;
  const bool bgChanged = pen_ < 0 || (pen_ >> 4) != bg;
  // From an unknown pen, reset bold, reverse and the like first.
  out += pen_ < 0 ? "\x1b[0;" : "\x1b[";
  if (fgChanged) AppendNumber(out, SgrForeground(fg));
  if (fgChanged && bgChanged) out += ';';
  if (bgChanged) AppendNumber(out, SgrBackground(bg));
  out += 'm';
  pen_ = attr;
}

void TerminalRenderer::PlaceCursor(const Screen& screen, std::string& out) {
  if (!screen.CursorVisible()) {
    if (cursorVisible_ != 0) out += "\x1b[?25l";
    cursorVisible_ = 0;
    return;
  }
  // Below half a cell the cursor is an underline, otherwise a block.
  const int shape = screen.CursorHeight() < 50 ? 4 : 2;
  if (cursorShape_ != shape) {
    out += "\x1b[";
    AppendNumber(out, shape);
    out += " q";
    cursorShape_ = shape;
  }
  MoveTo(screen.CursorRow(), screen.CursorCol(), out);
  if (cursorVisible_ != 1) out += "\x1b[?25h";
  cursorVisible_ = 1;
}

}  // namespace tarvana
