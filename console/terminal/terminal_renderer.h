#pragma once
// Turning the screen model into the bytes that bring a terminal's picture up to
// date. Keeps what the terminal shows (the front buffer, cursor, pen and
// character set) and sends only what differs, with the cheapest cursor moves
// and colour changes the terminal's capabilities allow. Pure: no terminal is
// touched, so it is tested against a terminal emulator.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "console/screen.h"
#include "console/terminal/terminal_caps.h"

namespace tarvana {

// The terminal's palette index (0-15, ANSI order) of a text-mode colour
// (0-15, DOS order: blue and red, cyan and brown are swapped).
int AnsiColorIndex(int dosColor);
// The SGR parameters that select a text-mode colour: 30-37 or 90-97 for the
// foreground, 40-47 or 100-107 for the background.
int SgrForeground(int dosColor);
int SgrBackground(int dosColor);

// How a colour attribute shows on a terminal: palette indexes (-1: the
// terminal's default colour), bold and reverse video.
struct CellLook {
  int fg = -1;
  int bg = -1;
  bool bold = false;
  bool reverse = false;
  bool operator==(const CellLook&) const = default;
};
// With 16 colours or more, the colours themselves. With 8, bright foregrounds
// as bold in the normal colour and bright backgrounds as their normal colour.
// Without colour, reverse video where the background is lighter than the
// foreground (light bars and dialogs) and bold where the foreground is bright.
CellLook LookOf(ColorAttr attr, const TerminalCaps& caps);

class TerminalRenderer {
 public:
  explicit TerminalRenderer(const TerminalCaps& caps = XtermCaps());

  // Forgets what the terminal shows; the next Render clears it and draws all.
  void Invalidate() { valid_ = false; }

  // Appends to out what turns the terminal's picture into the screen's, drawn
  // from the terminal's top-left corner; the terminal is termCols by termRows
  // and at least as large as the screen. Works with autowrap on or off: after
  // the last column is written, the column is set again (carriage return or
  // absolute move) before more text, so nothing wraps or scrolls.
  void Render(const Screen& screen, int termCols, int termRows, std::string& out);

 private:
  struct Glyph {
    char bytes[4];
    std::uint8_t size;
    bool acs;  // in the alternate character set
  };
  // How a band of rows moves on the terminal: scroll sequences (CSI S, T) or
  // deleting and inserting lines at its top (CSI M, L), in a scroll region
  // when the band is not the whole terminal.
  struct ScrollPlan {
    bool lineEdit = false;
    bool region = false;
    int cost = 0;  // bytes, including a cursor move afterwards; kNever when impossible
  };
  // A band that scrolling brings lines moved by shift rows (> 0: up) into
  // place, and how.
  struct ScrollChoice {
    int shift = 0;  // 0: no scroll pays
    int top = 0, bottom = 0;
    ScrollPlan plan;
  };
  // How the cursor gets to its row, then to its column, each with its cost in
  // bytes; or one absolute move (cup) when that is cheapest.
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
  struct RowMove {
    Vertical how = Vertical::kStay;
    int cost = 0;
  };
  struct ColumnMove {
    Horizontal how = Horizontal::kAbsolute;
    int cost = 0;
  };
  struct CursorMove {
    bool absolute = true;
    RowMove row;
    ColumnMove column;
  };

  // What a cell shows, packed: the shown byte, the look attr << 8, and for
  // a cell sent as Unicode text flag bits and the cell's text << 32.
  using Look = std::uint64_t;

  void Redraw(const Screen& screen, int termCols, int termRows, std::string& out);
  Look Pack(Cell c) const;
  // The look of the cell at column i (0-based) of a row that holds text or
  // is half of a wide pair: orphan halves show their stand-in or a blank.
  Look PackText(const Cell* row, int i) const;
  // Whether a cluster of several scalars ending before column end (0-based)
  // would be split: a terminal that wraps at once moves on after the last
  // column, so the marks after a base there land on the next row. Such a
  // cluster shows its stand-in.
  bool SplitsAtEdge(char32_t text, int end) const;
  // The columns [first, last) of a row.
  struct Span {
    int first = 0, last = 0;
  };
  // Fills packed_, differ_ and drawn_ from the screen's changed rows; returns
  // the rows that differ.
  int PackScreen(const Screen& screen);
  // The columns from the first to the last cell in which a screen row differs
  // from the same row as packed; empty when it does not.
  Span ChangedColumns(const Cell* now, const Cell* before) const;
  // Scrolls a band of rows on the terminal when the screen shows the band's
  // lines moved up or down and that is cheaper than drawing them again.
  void ScrollIfCheaper(std::string& out);
  // Marks in candidateShift_ the shifts that bring some changed row its new
  // content; false when there is none.
  bool MarkCandidateShifts();
  // Whether the screen's row backRow shows what the terminal's frontRow does.
  bool SameRow(int backRow, int frontRow) const;
  std::uint64_t RowSum(const Look* row) const;
  // The cells of a screen row that differ from a scrolled-in line of blank.
  int DifferFromBlank(int row, Look blank);
  // The scroll that saves the most bytes among the candidate shifts.
  ScrollChoice BestScroll(Look blank);
  ScrollPlan PlanScroll(int top, int bottom, int lines, bool up) const;
  // Sends the scroll's bytes.
  void EmitScroll(const ScrollChoice& scroll, std::string& out);
  // Makes the front buffer and differ_ follow the scroll.
  void ScrollFront(const ScrollChoice& scroll, Look blank);
  // Draws the cells of drawn_[row] that differ from the front buffer.
  void RenderRow(int row, std::string& out);
  // An erase of the changed blanks from column c (0-based) of a row on: to
  // the line's end or of so many cells; 0 cells where writing them costs no
  // more, or an erase would not show the blank.
  struct Erase {
    int cells = 0;
    bool toLineEnd = false;
  };
  Erase PlanErase(const Look* back, const Look* front, int c) const;
  // Sends the text cell at column c (0-based) of a row, both cells of a wide
  // pair; returns the column after what was sent.
  int PutText(int row, int c, int end, std::string& out);
  // Where the cursor is after a glyph ends before column next (0-based).
  void AfterGlyph(int next);
  // Moves the cursor to (row, col). Mostly it is there already: that check is
  // inline, the move is not.
  void MoveTo(int row, int col, std::string& out) {
    if (curRow_ != row || curCol_ != col) MoveCursor(row, col, out);
  }
  void MoveCursor(int row, int col, std::string& out);
  // The cheapest way from the cursor to (row, col), known or not.
  CursorMove PlanMove(int row, int col) const;
  RowMove PlanRowMove(int row) const;
  ColumnMove PlanColumnMove(int row, int col) const;
  void EmitRowMove(Vertical how, int row, std::string& out) const;
  void EmitColumnMove(Horizontal how, int row, int col, std::string& out);
  // Bytes that re-send the cells fromCol..toCol-1 of a row to move the cursor
  // over them; kNever when that is not possible or not cheaper than limit.
  int BridgeCost(int row, int fromCol, int toCol, int limit) const;
  // Glyphs gathered and appended to the frame in one piece (appended one by
  // one they cost more than the glyphs), the character set switched on the
  // way. The cursor and pen are set; one run at a time (they share
  // glyphBytes_).
  class GlyphRun {
   public:
    GlyphRun(TerminalRenderer& renderer, std::string& out) : renderer_(renderer), out_(out) {}
    void Put(std::uint8_t ch);
    // Appends what was gathered; due before anything else is appended.
    void End() {
      out_.append(renderer_.glyphBytes_.data(), used_);
      used_ = 0;
    }

   private:
    TerminalRenderer& renderer_;
    std::string& out_;
    std::size_t used_ = 0;
  };
  // Sends the glyphs of count packed cells; the cursor and pen are set.
  void PutGlyphs(const Look* cells, int count, std::string& out);
  // Sets the pen to the look attr; as with MoveTo, only the check is inline.
  void SetPen(int attr, std::string& out) {
    if (pen_ != attr) ChangePen(attr, out);
  }
  void ChangePen(int attr, std::string& out);
  // Whether an erase in the pen attr shows that attr's blank; without
  // background-colour erase only the terminal's default colours do.
  bool EraseShows(int attr) const;
  // What an erase or a scrolled-in line leaves in the front buffer.
  Look ErasedCell() const;
  void PlaceCursor(const Screen& screen, std::string& out);

  TerminalCaps caps_;
  std::array<Glyph, 256> glyphs_;
  // Per character: what the cell shows (stand-ins and blanks folded) and
  // whether it is drawn as a space in swapped colours.
  std::array<std::uint8_t, 256> shown_;
  std::array<bool, 256> swapped_;
  // Per attribute: the lowest attribute that looks the same, and its look.
  std::array<std::uint8_t, 256> lookAttr_;
  std::array<CellLook, 256> looks_;
  // Per palette colour, the SGR parameters that select it as the foreground
  // and as the background.
  struct SgrColour {
    std::string fg, bg;
  };
  std::array<SgrColour, 16> sgrColours_;
  bool acsBySgr_ = false;  // the alternate set is an SGR font, which SGR 0 ends
  // The terminal wraps at the last column and moves the cursor at once, so
  // the bottom-right cell cannot be written without scrolling.
  bool wrapsAtOnce_ = false;

  bool valid_ = false;
  int cols_ = 0;
  int rows_ = 0;
  int termCols_ = 0;
  int termRows_ = 0;
  // Cells as the terminal shows them (their looks), kUnknown where the
  // terminal's content is not known.
  std::vector<Look> front_;
  // Per row (1-based), the sums of the looks of the front buffer's row and of
  // the packed one: rows whose sums differ differ.
  std::vector<std::uint64_t> frontSum_, packedSum_;
  const Cell* cells_ = nullptr;  // the screen being rendered, during Render
  // The screen packed like the front buffer; work space kept to save
  // allocations: per row (1-based) the cells that differ from the front
  // buffer and from a blank line (-1: not counted yet).
  std::vector<Look> packed_;
  std::vector<int> differ_, differFromBlank_;
  // Per row (1-based), the columns to draw this frame: those packed anew, or
  // all of a row that a scroll moved.
  std::vector<Span> drawn_;
  std::vector<bool> candidateShift_;  // by shift + rows
  // Where the one GlyphRun at a time gathers its bytes: outside the run, so
  // that writing them cannot touch the run's count, which then stays in a
  // register.
  std::array<char, 64> glyphBytes_;
  int curRow_ = 0;  // 1-based terminal cursor; 0 when not known
  int curCol_ = 0;
  int pen_ = -1;      // look attr of the terminal's pen, -1 when not known
  bool acs_ = false;  // the alternate character set is on
  int cursorVisible_ = -1;
  int cursorShape_ = -1;
  // Per row (1-based), the screen's row stamp when the row was last packed:
  // while it is the same, packed_ and front_ still hold the row. 0: none.
  std::vector<std::uint64_t> packedStamp_;
  // The screen's cells as last packed.
  std::vector<Cell> packedCells_;
};

}  // namespace tarvana
