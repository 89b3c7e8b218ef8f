#include "console/terminal/terminal_renderer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <numeric>
#include <string_view>

#include "console/cell_text.h"
#include "console/cp437.h"
#include "console/terminal/narrow_glyphs.h"

namespace tarvana {
namespace {

using Look = std::uint64_t;
constexpr Look kUnknown = 0x10000;  // no character and colour packs to this
// A cell sent as its Unicode text (kept in the look's top half), the head of
// a wide pair, and the second cell of a pair, which its head covers (its
// look is the head's with this bit: either half changing changes both).
constexpr Look kTextLook = 0x20000;
constexpr Look kWideLook = 0x40000;
constexpr Look kCoveredLook = 0x80000;
constexpr int kDosToAnsi[8] = {0, 4, 2, 6, 1, 5, 3, 7};
// The cost of what cannot be done; sums of a few stay far from overflow.
constexpr int kNever = 1 << 24;
// Brightness of the sixteen text-mode colours on a VGA screen (luma, 0-255).
constexpr int kLuma[16] = {0,  19,  100, 119, 51,  70,  101, 170,
                           85, 104, 185, 204, 136, 155, 236, 255};

// Bytes 0 and 32 both show a blank, so they count as the same picture.
bool IsBlank(std::uint8_t ch) {
  return ch == ' ' || ch == 0;
}
Look PackBlank(int attr) {
  return ' ' | static_cast<Look>(attr) << 8;
}
bool PackedBlank(Look packed) {
  return (packed & 0xFF) == ' ';
}
ColorAttr Swapped(ColorAttr attr) {
  return static_cast<ColorAttr>((attr >> 4) | (attr << 4));
}

int Digits(int n) {
  return n < 10 ? 1 : n < 100 ? 2 : n < 1000 ? 3 : n < 10000 ? 4 : 5;
}

// A control sequence put together in place and appended whole: appended to
// the frame piece by piece it costs several times as much. Every sequence
// made here is far shorter than the room.
class Sequence {
 public:
  Sequence& operator<<(std::string_view text) {
    const size_t n = std::min(text.size(), kRoom - size_);
    std::memcpy(bytes_ + size_, text.data(), n);
    size_ += n;
    return *this;
  }
  Sequence& operator<<(char c) {
    if (size_ < kRoom) bytes_[size_++] = c;
    return *this;
  }
  Sequence& operator<<(int n) {
    size_ = static_cast<size_t>(std::to_chars(bytes_ + size_, bytes_ + kRoom, n).ptr - bytes_);
    return *this;
  }
  void AppendTo(std::string& out) const { out.append(bytes_, size_); }

 private:
  static constexpr size_t kRoom = 48;
  char bytes_[kRoom];
  size_t size_ = 0;
};

// A control sequence with one parameter whose default is 1 (cursor moves,
// erase counts): the 1 is left out.
int CsiCost(int n) {
  return n == 1 ? 3 : 3 + Digits(n);
}
void AppendCsi(std::string& out, int n, char final) {
  Sequence seq;
  seq << "\x1b[";
  if (n != 1) seq << n;
  (seq << final).AppendTo(out);
}

int CupCost(int row, int col) {
  return 3 + (row == 1 ? 0 : Digits(row)) + (col == 1 ? 0 : 1 + Digits(col));
}
void AppendCup(std::string& out, int row, int col) {
  Sequence seq;
  seq << "\x1b[";
  if (row != 1) seq << row;
  if (col != 1) seq << ';' << col;
  (seq << 'H').AppendTo(out);
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

CellLook LookOf(ColorAttr attr, const TerminalCaps& caps) {
  const int fg = attr & 15, bg = attr >> 4;
  CellLook look;
  if (!caps.sgr) return look;
  if (caps.colors >= 16) {
    look.fg = AnsiColorIndex(fg);
    look.bg = AnsiColorIndex(bg);
  } else if (caps.colors >= 8) {
    look.fg = AnsiColorIndex(fg & 7);
    look.bg = AnsiColorIndex(bg & 7);
    look.bold = caps.bold && fg >= 8;
  } else {
    look.reverse = caps.reverse && kLuma[bg] > kLuma[fg];
    look.bold = caps.bold && fg >= 8;
  }
  return look;
}

TerminalRenderer::TerminalRenderer(const TerminalCaps& caps) : caps_(caps) {
  const bool narrow = caps.encoding != TextEncoding::kUtf8;
  for (int ch = 0; ch < 256; ++ch) {
    Glyph& g = glyphs_[ch];
    g = Glyph{};
    const auto c = static_cast<std::uint8_t>(ch);
    shown_[ch] = IsBlank(c) ? ' ' : c;
    swapped_[ch] = false;
    if (!narrow) {
      std::string utf8;
      AppendUtf8(utf8, Cp437ToUnicode(c));
      std::copy(utf8.begin(), utf8.end(), g.bytes);
      g.size = static_cast<std::uint8_t>(utf8.size());
      continue;
    }
    const NarrowGlyph n = NarrowGlyphOf(c, caps);
    g.bytes[0] = n.byte;
    g.size = 1;
    g.acs = n.acs;
    swapped_[ch] = n.inverse;
    if (n.inverse || (n.byte == ' ' && !n.acs)) shown_[ch] = ' ';
  }
  for (int attr = 0; attr < 256; ++attr) {
    looks_[attr] = LookOf(static_cast<ColorAttr>(attr), caps);
    lookAttr_[attr] = static_cast<std::uint8_t>(attr);
    for (int same = 0; same < attr; ++same)
      if (looks_[same] == looks_[attr]) {
        lookAttr_[attr] = static_cast<std::uint8_t>(same);
        break;
      }
  }
  for (int index = 0; index < 16; ++index) {
    const auto colour = [&](int normal, int bright, int indexed) {
      return caps.indexedColors ? std::to_string(indexed) + ";5;" + std::to_string(index)
                                : std::to_string(index < 8 ? normal + index : bright + index - 8);
    };
    sgrColours_[index] = {colour(30, 90, 38), colour(40, 100, 48)};
  }
  acsBySgr_ = caps.acsOn.starts_with("\x1b[") && caps.acsOn.ends_with('m');
  wrapsAtOnce_ = caps.autoMargins && caps.autoMarginsOff.empty() && !caps.eatsNewline;
}

TerminalRenderer::Look TerminalRenderer::Pack(Cell c) const {
  const ColorAttr attr = swapped_[c.ch] ? Swapped(c.attr) : c.attr;
  return shown_[c.ch] | Look{lookAttr_[attr]} << 8;
}

TerminalRenderer::Look TerminalRenderer::PackText(const Cell* row, int i) const {
  const Cell c = row[i];
  const bool utf8 = caps_.encoding == TextEncoding::kUtf8;
  const auto textLook = [&](Cell head) {
    return Look{lookAttr_[head.attr]} << 8 | kTextLook | Look{head.text} << 32;
  };
  if (c.flags & cell_flag::kContinuation) {
    const bool headed = i > 0 && (row[i - 1].flags & cell_flag::kWideFirst) &&
                        !(row[i - 1].flags & cell_flag::kContinuation);
    if (!headed) return Pack(Cell{' ', c.attr});
    // Without Unicode the pair is its stand-in twice, so the columns stay right.
    if (!utf8 || row[i - 1].text == 0 || SplitsAtEdge(row[i - 1].text, i + 1))
      return Pack(Cell{row[i - 1].ch, row[i - 1].attr});
    return textLook(row[i - 1]) | kWideLook | kCoveredLook;
  }
  if (!utf8 || c.text == 0) return Pack(c);
  if (!(c.flags & cell_flag::kWideFirst))
    return SplitsAtEdge(c.text, i + 1) ? Pack(c) : textLook(c);
  const bool covered = i + 1 < cols_ && (row[i + 1].flags & cell_flag::kContinuation);
  return covered && !SplitsAtEdge(c.text, i + 2) ? textLook(c) | kWideLook : Pack(c);
}

bool TerminalRenderer::SplitsAtEdge(char32_t text, int end) const {
  return wrapsAtOnce_ && (text & kStoredClusterBit) && end >= termCols_;
}

bool TerminalRenderer::EraseShows(int attr) const {
  const CellLook& look = looks_[attr];
  if (look.reverse) return false;
  return look.bg < 0 || caps_.backColorErase;
}

TerminalRenderer::Look TerminalRenderer::ErasedCell() const {
  return pen_ >= 0 && EraseShows(pen_) ? PackBlank(pen_) : kUnknown;
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
  // The character set as the terminal starts: normal.
  if (std::any_of(glyphs_.begin(), glyphs_.end(), [](const Glyph& g) { return g.acs; }))
    out += caps_.acsOff;
  acs_ = false;
  const size_t count = static_cast<size_t>(cols_) * rows_;
  // The colour that most blank cells have: clearing the screen in it leaves
  // the fewest cells to draw.
  std::array<int, 256> blanks{};
  for (const Cell& c : screen.Cells())
    if (const Look p = Pack(c); PackedBlank(p)) ++blanks[p >> 8];
  const int most =
      static_cast<int>(std::max_element(blanks.begin(), blanks.end()) - blanks.begin());
  const int attr = blanks[most] == 0 ? lookAttr_[0x07] : most;
  if (termCols == cols_ && termRows == rows_ && caps_.eraseDisplay && EraseShows(attr)) {
    SetPen(attr, out);
    out += "\x1b[2J";
    front_.assign(count, PackBlank(attr));
  } else {
    // The margin beyond the screen keeps the terminal's own colours.
    if (caps_.sgr) out += "\x1b[0m";
    if (caps_.eraseDisplay) out += "\x1b[2J";
    front_.assign(count, kUnknown);
  }
  frontSum_.resize(rows_ + 1);
  for (int r = 1; r <= rows_; ++r)
    frontSum_[r] = RowSum(front_.data() + static_cast<size_t>(r - 1) * cols_);
  // Every row is packed whole next, onto zeros that sum to nothing.
  packed_.assign(count, 0);
  packedSum_.assign(rows_ + 1, 0);
  packedCells_.resize(count);
  packedStamp_.assign(rows_ + 1, 0);
  cursorVisible_ = -1;
  cursorShape_ = -1;
  valid_ = true;
}

std::uint64_t TerminalRenderer::RowSum(const Look* row) const {
  return std::accumulate(row, row + cols_, std::uint64_t{0});
}

int TerminalRenderer::PackScreen(const Screen& screen) {
  differ_.assign(rows_ + 1, 0);
  drawn_.assign(rows_ + 1, Span{});
  int changedRows = 0;
  for (int r = 1; r <= rows_; ++r) {
    // A row unchanged since it was shown costs nothing.
    if (packedStamp_[r] == screen.RowStamp(r)) continue;
    const size_t start = static_cast<size_t>(r - 1) * cols_;
    const Cell* row = cells_ + start;
    Cell* before = packedCells_.data() + start;
    // Of a row packed before, only the cells that changed since are packed
    // again, with one on each side (a wide pair's halves pack together): the
    // rest still show as packed, and the terminal shows them so.
    Span span{0, cols_};
    if (packedStamp_[r] != 0) {
      span = ChangedColumns(row, before);
      if (span.first < span.last)
        span = {std::max(span.first - 1, 0), std::min(span.last + 1, cols_)};
    }
    packedStamp_[r] = screen.RowStamp(r);
    Look* packed = packed_.data() + start;
    const Look* front = front_.data() + start;
    int differ = 0;
    std::uint64_t sum = packedSum_[r];
    for (int i = span.first; i < span.last; ++i) {
      const Cell c = row[i];
      Look look;
      // Most cells are plain: the call for text cells is kept out of the way.
      if ((c.flags | c.text) == 0) [[likely]]
        look = Pack(c);
      else
        look = PackText(row, i);
      sum += look - packed[i];
      packed[i] = look;
      differ += look != front[i];
    }
    packedSum_[r] = sum;
    std::copy(row + span.first, row + span.last, before + span.first);
    differ_[r] = differ;
    drawn_[r] = span;
    changedRows += differ > 0;
  }
  return changedRows;
}

TerminalRenderer::Span TerminalRenderer::ChangedColumns(const Cell* now, const Cell* before) const {
  // Blocks of unchanged cells are passed over by memcmp (cells have no
  // padding), several times faster than cell by cell.
  constexpr int kBlock = 8;
  const auto sameBlock = [&](int from) {
    return std::memcmp(now + from, before + from, kBlock * sizeof(Cell)) == 0;
  };
  int first = 0, last = cols_;
  while (last - first >= kBlock && sameBlock(first))
    first += kBlock;
  while (first < last && now[first] == before[first])
    ++first;
  while (last - first >= kBlock && sameBlock(last - kBlock))
    last -= kBlock;
  while (last > first && now[last - 1] == before[last - 1])
    --last;
  return {first, last};
}

TerminalRenderer::ScrollPlan TerminalRenderer::PlanScroll(int top, int bottom, int lines,
                                                          bool up) const {
  // A band short of the whole terminal needs a scroll region, which also
  // sends the cursor home: count a move back.
  const bool whole = top == 1 && bottom == termRows_;
  const int region = caps_.scrollRegion ? 4 + Digits(top) + Digits(bottom) + 3 + 4 : kNever;
  ScrollPlan best;
  best.cost = kNever;
  if (up ? caps_.scrollUp : caps_.scrollDown && !caps_.scrollDownByInsertingLines) {
    best.region = !whole;
    best.cost = (whole ? 0 : region) + CsiCost(lines);
  }
  // Deleting or inserting lines moves everything below the cursor, so only a
  // band reaching the bottom goes without a region; the cursor is lost after.
  if (up ? caps_.deleteLines : caps_.insertLines) {
    ScrollPlan edit;
    edit.lineEdit = true;
    edit.region = bottom != termRows_;
    edit.cost = (edit.region ? region : 0) + CupCost(top, 1) + CsiCost(lines) + 4;
    if (edit.cost < best.cost) best = edit;
  }
  return best;
}

void TerminalRenderer::ScrollIfCheaper(std::string& out) {
  // A scroll region spans the terminal's width, so only a screen as wide.
  if (termCols_ != cols_ || rows_ < 2) return;
  if (std::count_if(differ_.begin() + 1, differ_.end(), [](int d) { return d > 0; }) < 2) return;
  if (!MarkCandidateShifts()) return;
  differFromBlank_.assign(rows_ + 1, -1);
  // Scrolling brings in blank lines in the pen's colour (or, without
  // background-colour erase, the terminal's).
  const Look blank = ErasedCell();
  const ScrollChoice best = BestScroll(blank);
  if (best.shift == 0) return;
  EmitScroll(best, out);
  ScrollFront(best, blank);
}

bool TerminalRenderer::MarkCandidateShifts() {
  candidateShift_.assign(2 * rows_, false);
  bool anyCandidate = false;
  for (int r = 1; r <= rows_; ++r) {
    if (!differ_[r]) continue;
    // Only rows of the same sum can show the same.
    const auto first = frontSum_.begin() + 1, last = frontSum_.end();
    for (auto same = std::find(first, last, packedSum_[r]); same != last;
         same = std::find(same + 1, last, packedSum_[r])) {
      const int f = static_cast<int>(same - frontSum_.begin());
      if (f != r && SameRow(r, f)) anyCandidate = candidateShift_[f - r + rows_] = true;
    }
  }
  return anyCandidate;
}

bool TerminalRenderer::SameRow(int backRow, int frontRow) const {
  const bool packed = differ_[backRow] > 0;
  // Rows whose sums differ differ: most rows are ruled out at once.
  if ((packed ? packedSum_ : frontSum_)[backRow] != frontSum_[frontRow]) return false;
  const auto* back = (packed ? packed_ : front_).data() + static_cast<size_t>(backRow - 1) * cols_;
  return std::equal(back, back + cols_, front_.data() + static_cast<size_t>(frontRow - 1) * cols_);
}

int TerminalRenderer::DifferFromBlank(int row, Look blank) {
  if (differFromBlank_[row] < 0) {
    const auto* cells = packed_.data() + static_cast<size_t>(row - 1) * cols_;
    differFromBlank_[row] = static_cast<int>(cols_ - std::count(cells, cells + cols_, blank));
  }
  return differFromBlank_[row];
}

TerminalRenderer::ScrollChoice TerminalRenderer::BestScroll(Look blank) {
  ScrollChoice best;
  int bestGain = 0;
  // shift > 0: the lines moved up (row r shows what row r + shift showed).
  for (int shift = 1 - rows_; shift < rows_; ++shift) {
    if (!candidateShift_[shift + rows_]) continue;
    const int last = std::min(rows_, rows_ - shift);
    for (int r = std::max(1, 1 - shift); r <= last;) {
      if (!SameRow(r, r + shift)) {
        ++r;
        continue;
      }
      // Rows first .. r - 1 come into place: they cost nothing to draw, the
      // lines scrolled in cost what differs from a blank line.
      const int first = r;
      int gain = 0;
      for (; r <= last && SameRow(r, r + shift); ++r)
        gain += differ_[r];
      const int top = shift > 0 ? first : first + shift;
      const int bottom = shift > 0 ? r - 1 + shift : r - 1;
      const int freshTop = shift > 0 ? r : top;
      for (int f = freshTop; f < freshTop + std::abs(shift); ++f)
        gain += differ_[f] - DifferFromBlank(f, blank);
      const ScrollPlan plan = PlanScroll(top, bottom, std::abs(shift), shift > 0);
      gain -= plan.cost;
      if (gain > bestGain) {
        bestGain = gain;
        best = {shift, top, bottom, plan};
      }
    }
  }
  return best;
}

void TerminalRenderer::EmitScroll(const ScrollChoice& scroll, std::string& out) {
  const int n = std::abs(scroll.shift);
  if (scroll.plan.region) {
    (Sequence() << "\x1b[" << scroll.top << ';' << scroll.bottom << 'r').AppendTo(out);
    curRow_ = curCol_ = 1;
  }
  if (scroll.plan.lineEdit) {
    MoveTo(scroll.top, 1, out);
    AppendCsi(out, n, scroll.shift > 0 ? 'M' : 'L');
    curRow_ = curCol_ = 0;
  } else {
    AppendCsi(out, n, scroll.shift > 0 ? 'S' : 'T');
  }
  if (scroll.plan.region) {
    out += "\x1b[r";
    curRow_ = curCol_ = 1;
  }
}

void TerminalRenderer::ScrollFront(const ScrollChoice& scroll, Look blank) {
  // The band's lines move, blank ones come in.
  const int n = std::abs(scroll.shift), top = scroll.top, bottom = scroll.bottom;
  const auto rowStart = [&](int r) { return front_.begin() + static_cast<size_t>(r - 1) * cols_; };
  if (scroll.shift > 0) {
    std::copy(rowStart(top + n), rowStart(bottom + 1), rowStart(top));
    std::fill(rowStart(bottom + 1 - n), rowStart(bottom + 1), blank);
  } else {
    std::copy_backward(rowStart(top), rowStart(bottom + 1 - n), rowStart(bottom + 1));
    std::fill(rowStart(top), rowStart(top + n), blank);
  }
  for (int r = top; r <= bottom; ++r) {
    const size_t start = static_cast<size_t>(r - 1) * cols_;
    drawn_[r] = {0, cols_};
    frontSum_[r] = RowSum(front_.data() + start);
    differ_[r] = static_cast<int>(
        std::inner_product(packed_.begin() + start, packed_.begin() + start + cols_,
                           front_.begin() + start, 0, std::plus<>(), std::not_equal_to<>()));
  }
}

inline void TerminalRenderer::GlyphRun::Put(std::uint8_t ch) {
  const Glyph& g = renderer_.glyphs_[ch];
  // A space is a space in either character set.
  if (g.acs != renderer_.acs_ && ch != ' ') {
    End();
    out_ += g.acs ? renderer_.caps_.acsOn : renderer_.caps_.acsOff;
    renderer_.acs_ = g.acs;
  } else if (used_ + sizeof g.bytes > renderer_.glyphBytes_.size()) {
    End();
  }
  std::memcpy(renderer_.glyphBytes_.data() + used_, g.bytes, sizeof g.bytes);
  used_ += g.size;
}

void TerminalRenderer::RenderRow(int row, std::string& out) {
  const Look* back = packed_.data() + static_cast<size_t>(row - 1) * cols_;
  Look* front = front_.data() + static_cast<size_t>(row - 1) * cols_;
  // Writing the bottom-right cell of a terminal that wraps at once would
  // scroll the whole screen: that cell is left as it is.
  const int end = wrapsAtOnce_ && row == termRows_ && cols_ == termCols_ ? cols_ - 1 : cols_;
  // Beyond the cells packed anew the terminal shows the row already.
  const int stop = std::min(drawn_[row].last, end);
  int c = drawn_[row].first;  // 0-based column
  Erase erase;                // when it has cells: planned at column c, by the run before
  while (c < stop) {
    const Look packed = back[c];
    if (front[c] == packed) {
      ++c;
      continue;
    }
    if (packed & kTextLook) {
      // Always onwards, even were a pair's halves ever packed apart.
      c = std::max(PutText(row, c, end, out), c + 1);
      continue;
    }
    const int attr = static_cast<int>(packed >> 8);
    MoveTo(row, c + 1, out);
    SetPen(attr, out);
    if (erase.cells == 0) erase = PlanErase(back, front, c);
    if (erase.cells > 0) {
      if (erase.toLineEnd)
        out += "\x1b[K";
      else
        AppendCsi(out, erase.cells, 'X');
      std::fill(front + c, front + c + erase.cells, packed);
      c += erase.cells;
      erase = {};
      continue;
    }
    // The changed cells from here in the same colour go out together, the
    // cursor being there already, up to a blank that starts an erase (one
    // after the same blank cannot: its erase would be shorter).
    GlyphRun glyphs(*this, out);
    do {
      glyphs.Put(static_cast<std::uint8_t>(back[c]));
      front[c] = back[c];
      ++c;
    } while (c < stop && front[c] != back[c] && back[c] >> 8 == static_cast<Look>(attr) &&
             (!PackedBlank(back[c]) || back[c] == back[c - 1] ||
              (erase = PlanErase(back, front, c)).cells == 0));
    glyphs.End();
    AfterGlyph(c);
  }
  // The row now shows the packed one, short of cells that cannot be drawn.
  frontSum_[row] = std::equal(front, front + cols_, back) ? packedSum_[row] : RowSum(front);
}

TerminalRenderer::Erase TerminalRenderer::PlanErase(const Look* back, const Look* front,
                                                    int c) const {
  const Look blank = back[c];
  if (!PackedBlank(blank) || !EraseShows(static_cast<int>(blank >> 8))) return {};
  // A run of the same blank may be erased in one go instead of written.
  int runEnd = c, lastChanged = c;
  while (runEnd < cols_ && back[runEnd] == blank) {
    if (front[runEnd] != blank) lastChanged = runEnd;
    ++runEnd;
  }
  const int span = lastChanged - c + 1;
  const bool toLineEnd = runEnd == cols_ && cols_ == termCols_;
  // Erasing leaves the cursor at the start of the run: count the move past it.
  if (caps_.eraseLine && toLineEnd && span > 3) return {cols_ - c, true};
  if (caps_.eraseChars && span > CsiCost(span) + 4) return {span, false};
  return {};
}

void TerminalRenderer::AfterGlyph(int next) {
  if (next < termCols_) {
    curCol_ = next + 1;
  } else if (wrapsAtOnce_) {
    curRow_ = curCol_ = 0;  // on the next row, or scrolled: not relied on
  } else {
    // Without autowrap the cursor stays in the last column; with a delayed
    // wrap it waits there. Leave it unknown rather than rely on either.
    curCol_ = 0;
  }
}

int TerminalRenderer::PutText(int row, int c, int end, std::string& out) {
  const Look* back = packed_.data() + static_cast<size_t>(row - 1) * cols_;
  Look* front = front_.data() + static_cast<size_t>(row - 1) * cols_;
  // A covered cell goes out with its head, which comes first.
  if (back[c] & kCoveredLook) --c;
  const Look look = back[c];
  const bool wide = look & kWideLook;
  const Cell cell = cells_[static_cast<size_t>(row - 1) * cols_ + c];
  const int attr = static_cast<int>(look >> 8 & 0xFF);
  if (wide && c + 1 >= end) {
    // The covered cell is the bottom-right one, which cannot be written: the
    // head shows its stand-in alone.
    const Look standIn = Pack(cell);
    MoveTo(row, c + 1, out);
    SetPen(static_cast<int>(standIn >> 8), out);
    PutGlyphs(&standIn, 1, out);
    front[c] = standIn;
    AfterGlyph(c + 1);
    return c + 1;
  }
  SetPen(attr, out);
  if (acs_) {
    out += caps_.acsOff;
    acs_ = false;
  }
  if (wide) {
    // A blank first in the covered cell: a terminal that thinks the cluster
    // narrow leaves it, one that thinks it wide draws over it.
    MoveTo(row, c + 2, out);
    out += ' ';
    AfterGlyph(c + 2);
  }
  MoveTo(row, c + 1, out);
  out += CellTextUtf8(cell.text);
  front[c] = look;
  if (wide) front[c + 1] = back[c + 1];
  // Terminals disagree on the widths of clusters: the column after one is
  // not known. One scalar takes at most two columns, so short of the last
  // ones the row is.
  curCol_ = 0;
  if ((cell.text & kStoredClusterBit) || c + 2 >= termCols_) curRow_ = 0;
  return c + (wide ? 2 : 1);
}

void TerminalRenderer::PutGlyphs(const Look* cells, int count, std::string& out) {
  GlyphRun glyphs(*this, out);
  for (int i = 0; i < count; ++i)
    glyphs.Put(static_cast<std::uint8_t>(cells[i]));
  glyphs.End();
}

int TerminalRenderer::BridgeCost(int row, int fromCol, int toCol, int limit) const {
  // Re-sending unchanged cells that already have the pen's colour (and the
  // character set's) moves the cursor over them.
  const size_t base = static_cast<size_t>(row - 1) * cols_;
  int cost = 0;
  for (int c = fromCol; c < toCol && cost < limit; ++c) {
    const Look packed = packed_[base + c - 1];
    const auto ch = static_cast<std::uint8_t>(packed);
    // Text cells have flag bits above the attr, so they are never re-sent.
    if (static_cast<int>(packed >> 8) != pen_ || front_[base + c - 1] != packed) return kNever;
    if (glyphs_[ch].acs != acs_ && ch != ' ') return kNever;
    cost += glyphs_[ch].size;
  }
  return cost < limit ? cost : kNever;
}

void TerminalRenderer::MoveCursor(int row, int col, std::string& out) {
  const CursorMove move = PlanMove(row, col);
  if (move.absolute) {
    AppendCup(out, row, col);
  } else {
    EmitRowMove(move.row.how, row, out);
    EmitColumnMove(move.column.how, row, col, out);
  }
  curRow_ = row;
  curCol_ = col;
}

// The steps of MoveCursor are inline, as it was when whole: it runs for
// every cursor move.
inline TerminalRenderer::CursorMove TerminalRenderer::PlanMove(int row, int col) const {
  CursorMove move;
  // From an unknown row only the absolute move gets there.
  if (curRow_ == 0) return move;
  move.row = PlanRowMove(row);
  move.column = PlanColumnMove(row, col);
  move.absolute = move.row.cost + move.column.cost >= CupCost(row, col);
  return move;
}

inline TerminalRenderer::RowMove TerminalRenderer::PlanRowMove(int row) const {
  RowMove move;
  const int dr = row - curRow_;
  if (dr == 0) return move;
  move.cost = kNever;
  if (caps_.rowAddress) move = {Vertical::kAbsolute, CsiCost(row)};
  if (caps_.relativeMoves && CsiCost(std::abs(dr)) < move.cost)
    move = {dr > 0 ? Vertical::kDown : Vertical::kUp, CsiCost(std::abs(dr))};
  if (caps_.lineFeed && dr > 0 && dr <= move.cost) move = {Vertical::kLineFeeds, dr};
  return move;
}

inline TerminalRenderer::ColumnMove TerminalRenderer::PlanColumnMove(int row, int col) const {
  // The column: absolute, from a carriage return, or relative when known.
  ColumnMove move{Horizontal::kAbsolute, kNever};
  if (caps_.columnAddress) move.cost = CsiCost(col);
  const int fromReturn = col == 1 ? 1 : caps_.relativeMoves ? 1 + CsiCost(col - 1) : kNever;
  if (fromReturn < move.cost)
    move = {col == 1 ? Horizontal::kReturn : Horizontal::kReturnRight, fromReturn};
  if (curCol_ == 0) return move;
  const int dc = col - curCol_;
  if (dc == 0) return {Horizontal::kStay, 0};
  if (dc > 0) {
    if (caps_.relativeMoves && CsiCost(dc) < move.cost) move = {Horizontal::kRight, CsiCost(dc)};
    // Cells are re-sent only along the cursor's own row.
    if (row == curRow_) {
      const int bridge = BridgeCost(row, curCol_, col, move.cost);
      if (bridge < move.cost) move = {Horizontal::kBridge, bridge};
    }
  } else {
    if (caps_.backspace && -dc < move.cost) move = {Horizontal::kBackspaces, -dc};
    if (caps_.relativeMoves && CsiCost(-dc) < move.cost) move = {Horizontal::kLeft, CsiCost(-dc)};
  }
  return move;
}

inline void TerminalRenderer::EmitRowMove(Vertical how, int row, std::string& out) const {
  switch (how) {
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
}

inline void TerminalRenderer::EmitColumnMove(Horizontal how, int row, int col, std::string& out) {
  switch (how) {
    case Horizontal::kStay:
      break;
    case Horizontal::kBridge: {
      const Look* packed = packed_.data() + static_cast<size_t>(row - 1) * cols_;
      PutGlyphs(packed + curCol_ - 1, col - curCol_, out);
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

void TerminalRenderer::ChangePen(int attr, std::string& out) {
  if (!caps_.sgr) {
    pen_ = attr;
    return;
  }
  const CellLook& to = looks_[attr];
  const CellLook from = pen_ < 0 ? CellLook{} : looks_[pen_];
  // From an unknown pen, and to take bold or reverse away, reset first.
  const bool reset = pen_ < 0 || (from.bold && !to.bold) || (from.reverse && !to.reverse);
  Sequence seq;
  seq << (reset ? "\x1b[0" : "\x1b[");
  bool first = !reset;
  const auto parameter = [&](std::string_view text) {
    if (!first) seq << ';';
    first = false;
    seq << text;
  };
  if (to.bold && (reset || !from.bold)) parameter("1");
  if (to.reverse && (reset || !from.reverse)) parameter("7");
  if (to.fg >= 0 && (reset || to.fg != from.fg)) parameter(sgrColours_[to.fg].fg);
  if (to.bg >= 0 && (reset || to.bg != from.bg)) parameter(sgrColours_[to.bg].bg);
  (seq << 'm').AppendTo(out);
  pen_ = attr;
  // An alternate set that is an SGR font ends with SGR 0.
  if (reset && acsBySgr_) acs_ = false;
}

void TerminalRenderer::PlaceCursor(const Screen& screen, std::string& out) {
  if (!screen.CursorVisible()) {
    if (cursorVisible_ != 0) out += caps_.hideCursor;
    cursorVisible_ = 0;
    return;
  }
  // Below half a cell the cursor is an underline, otherwise a block.
  const int shape = screen.CursorHeight() < 50 ? 4 : 2;
  if (caps_.cursorShape && cursorShape_ != shape) {
    (Sequence() << "\x1b[" << shape << " q").AppendTo(out);
    cursorShape_ = shape;
  }
  MoveTo(screen.CursorRow(), screen.CursorCol(), out);
  if (cursorVisible_ != 1) out += caps_.showCursor;
  cursorVisible_ = 1;
}

}  // namespace tarvana
