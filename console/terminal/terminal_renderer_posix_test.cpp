// The renderer against a terminal emulator: whatever the screen model holds,
// the bytes it sends must make the terminal show exactly that.

#include "console/terminal/terminal_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "console/cell_text.h"
#include "console/cp437.h"
#include "console/terminal/narrow_glyphs.h"
#include "testing/terminal_emulator.h"

namespace tarvana {
namespace {

using test_support::EmulatorOptions;
using test_support::TerminalEmulator;

// A kind of terminal: what the renderer is told it can do, and the emulator
// set up to behave so.
struct TerminalKind {
  std::string name;
  TerminalCaps caps;
  EmulatorOptions emulator;
  bool autowrapStaysOn = false;  // the terminal ignores the request to turn it off
};

// The kinds side by side read better as one table than split across helpers.
std::vector<TerminalKind> TerminalKinds() {
  using Charset = EmulatorOptions::Charset;
  std::vector<TerminalKind> kinds;
  const TerminalCaps xterm = XtermCaps();
  kinds.push_back({"xterm", xterm, {}});
  kinds.push_back({"xterm ignoring autowrap off", xterm, {}, true});
  TerminalCaps c = xterm;
  c.colors = 16;
  kinds.push_back({"16 colours (xterm-16color)", c, {.colors = 16}});
  c = xterm;
  c.colors = 1 << 24;
  kinds.push_back({"direct colours", c, {.colors = 1 << 24}});
  c = xterm;
  c.colors = 8;
  c.backColorErase = false;
  c.encoding = TextEncoding::kAscii;
  kinds.push_back({"8 colours, no bce, ASCII locale",
                   c,
                   {.charset = Charset::kSevenBit, .backColorErase = false, .colors = 8}});
  c = xterm;
  c.colors = 8;
  c.scrollUp = c.scrollDown = false;
  c.cursorShape = false;
  c.encoding = TextEncoding::kLatin1;
  kinds.push_back(
      {"Linux console in a Latin-1 locale", c, {.charset = Charset::kLatin1, .colors = 8}});
  c = xterm;
  c.backColorErase = false;
  c.eraseChars = false;
  kinds.push_back({"GNU screen", c, {.backColorErase = false}});
  c = xterm;
  c.indexedColors = true;
  kinds.push_back({"colours only as 256-colour indexes", c, {}});
  c = xterm;
  c.scrollDownByInsertingLines = true;
  kinds.push_back({"scrolling down by inserting lines", c, {}});
  c = xterm;
  c.colors = 0;
  c.backColorErase = false;
  c.columnAddress = c.rowAddress = c.eraseChars = false;
  c.scrollUp = c.scrollDown = c.insertLines = c.deleteLines = false;
  c.cursorShape = false;
  c.hideCursor = c.showCursor = "";
  c.autoMarginsOff = c.autoMarginsOn = "";
  c.enterAlternateScreen = c.leaveAlternateScreen = "";
  c.acsChars = "``aaffggjjkkllmmnnooppqqrrssttuuvvwwxxyyzz{{||}}~~";
  c.acsEnable = "\x1b(B\x1b)0";
  c.acsOn = "\x0e";
  c.acsOff = "\x0f";
  c.encoding = TextEncoding::kAscii;
  kinds.push_back(
      {"vt100",
       c,
       {.charset = Charset::kSevenBit, .backColorErase = false, .colors = 0, .altScreen = false}});
  c = xterm;
  c.colors = 0;
  c.backColorErase = false;
  c.cursorShape = false;
  c.autoMarginsOff = c.autoMarginsOn = "";
  // The alternate screen's first form, the cursor saved and restored (ESC 7, ESC 8).
  c.enterAlternateScreen = "\0337\x1b[?47h";
  c.leaveAlternateScreen = "\x1b[2J\x1b[?47l\0338";
  c.acsEnable = "\x1b)0";
  c.acsOn = "\x0e";
  c.acsOff = "\x0f";
  c.encoding = TextEncoding::kAscii;
  kinds.push_back({"xterm-mono in the C locale",
                   c,
                   {.charset = Charset::kSevenBit, .backColorErase = false, .colors = 0}});
  c = xterm;
  c.columnAddress = c.rowAddress = c.relativeMoves = c.backspace = c.lineFeed = false;
  c.eraseDisplay = c.eraseLine = c.eraseChars = false;
  c.scrollRegion = c.scrollUp = c.scrollDown = c.insertLines = c.deleteLines = false;
  kinds.push_back({"cursor addressing alone", c, {}});
  c = xterm;
  c.autoMarginsOff = c.autoMarginsOn = "";
  c.eatsNewline = false;
  kinds.push_back({"wrapping at once, autowrap kept", c, {.eatsNewline = false}});
  // The same, with what cons25 lacks besides.
  c.colors = 8;
  c.columnAddress = false;
  c.cursorShape = false;
  c.enterAlternateScreen = c.leaveAlternateScreen = "";
  c.acsChars = c.acsEnable = c.acsOn = c.acsOff = "";
  c.encoding = TextEncoding::kAscii;
  kinds.push_back({"cons25 in the C locale: wrapping at once, no alternate screen or set",
                   c,
                   {.charset = Charset::kSevenBit,
                    .colors = 8,
                    .eatsNewline = false,
                    .altScreen = false,
                    .alternateCharset = false}});
  c = xterm;
  c.eatsNewline = false;
  kinds.push_back({"wrapping at once, autowrap turned off", c, {.eatsNewline = false}});
  c = xterm;
  c.autoMargins = c.eatsNewline = false;
  c.autoMarginsOff = c.autoMarginsOn = "";
  kinds.push_back({"no auto-margins", c, {.autoMargins = false, .eatsNewline = false}});
  return kinds;
}

// What libvterm shows for a character of the VT100 alternate set.
char32_t DecGraphic(char c) {
  static const std::map<char, char32_t> graphics = {
      {'a', U'\u2592'}, {'j', U'\u2518'}, {'k', U'\u2510'}, {'l', U'\u250C'},
      {'m', U'\u2514'}, {'n', U'\u253C'}, {'q', U'\u2500'}, {'t', U'\u251C'},
      {'u', U'\u2524'}, {'v', U'\u2534'}, {'w', U'\u252C'}, {'x', U'\u2502'}};
  const auto it = graphics.find(c);
  return it == graphics.end() ? U'?' : it->second;
}

// The sixteen text-mode colours (DOS order) as a VGA shows them, and each
// one's place in a terminal's ANSI palette: the looks expected below are
// worked out from these, never from the renderer.
constexpr int kVgaRgb[16][3] = {{0, 0, 0},     {0, 0, 170},    {0, 170, 0},    {0, 170, 170},
                                {170, 0, 0},   {170, 0, 170},  {170, 85, 0},   {170, 170, 170},
                                {85, 85, 85},  {85, 85, 255},  {85, 255, 85},  {85, 255, 255},
                                {255, 85, 85}, {255, 85, 255}, {255, 255, 85}, {255, 255, 255}};
constexpr int kAnsiOfDos[16] = {0, 4, 2, 6, 1, 5, 3, 7, 8, 12, 10, 14, 9, 13, 11, 15};

double Brightness(int dos) {
  const int* rgb = kVgaRgb[dos];
  return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2];
}

// How a terminal with this many colours shows an attribute, as the emulator
// reads it back (ch unused). Sixteen or more: the colours themselves. Eight:
// bright foregrounds through bold (shown bright), backgrounds dark. None:
// bold for a bright foreground, reverse video where the background is the
// brighter, so light bars stay light.
test_support::EmulatedCell LookOn(int colors, int attr) {
  const int fg = attr & 15, bg = attr >> 4;
  test_support::EmulatedCell look;
  if (colors >= 16) {
    look.fg = kAnsiOfDos[fg];
    look.bg = kAnsiOfDos[bg];
  } else if (colors >= 8) {
    look.fg = kAnsiOfDos[fg];
    look.bg = kAnsiOfDos[bg & 7];
    look.bold = fg >= 8;
  } else {
    look.bold = fg >= 8;
    look.reverse = Brightness(bg) > Brightness(fg);
  }
  return look;
}

// A cell as a failure message shows it.
std::string Describe(const test_support::EmulatedCell& cell) {
  return "char " + std::to_string(static_cast<std::uint32_t>(cell.ch)) + " fg " +
         std::to_string(cell.fg) + " bg " + std::to_string(cell.bg) + (cell.bold ? " bold" : "") +
         (cell.reverse ? " reverse" : "");
}

// The character a model cell must show as on the terminal, and the
// attribute it shows in (blocks on a narrow terminal: a space in swapped
// colours).
std::pair<char32_t, int> Expected(Cell cell, const TerminalCaps& caps) {
  if (caps.encoding == TextEncoding::kUtf8) return {Cp437ToUnicode(cell.ch), cell.attr};
  const NarrowGlyph g = NarrowGlyphOf(cell.ch, caps);
  if (g.inverse) return {U' ', (cell.attr >> 4 | cell.attr << 4) & 0xFF};
  const auto byte = static_cast<unsigned char>(g.byte);
  return {g.acs ? DecGraphic(g.byte) : char32_t{byte}, cell.attr};
}

// What a cell that holds text or is half of a wide pair must show as: its
// cluster on a Unicode terminal (nothing of its own for the covered second
// cell of a pair), else the plain cell whose glyph stands in for it; an
// orphan half shows its stand-in or a blank. A terminal that wraps at once
// would split a cluster of several scalars ending in its last column, so
// that shows its stand-in too.
struct TextWant {
  enum { kPlain, kText, kCovered } kind = kPlain;
  std::string text;
  Cell plain;
};
TextWant TextWantAt(const Screen& screen, int row, int col, const TerminalCaps& caps,
                    bool wrapsAtOnce) {
  const Cell cell = screen.At(row, col);
  const bool utf8 = caps.encoding == TextEncoding::kUtf8;
  const auto split = [&](char32_t text, int lastCol) {
    return wrapsAtOnce && (text & kStoredClusterBit) && lastCol == screen.Width();
  };
  if (cell.flags & cell_flag::kContinuation) {
    const bool headed = col > 1 && (screen.At(row, col - 1).flags & cell_flag::kWideFirst);
    if (!headed) return {TextWant::kPlain, "", Cell{' ', cell.attr}};
    const Cell head = screen.At(row, col - 1);
    if (utf8 && !split(head.text, col)) return {TextWant::kCovered, "", head};
    return {TextWant::kPlain, "", Cell{head.ch, head.attr}};
  }
  const bool orphan =
      (cell.flags & cell_flag::kWideFirst) &&
      (col == screen.Width() || !(screen.At(row, col + 1).flags & cell_flag::kContinuation));
  const bool wide = cell.flags & cell_flag::kWideFirst;
  if (utf8 && cell.text != 0 && !orphan && !split(cell.text, wide ? col + 1 : col))
    return {TextWant::kText, CellTextUtf8(cell.text), cell};
  return {TextWant::kPlain, "", Cell{cell.ch, cell.attr}};
}

// Every cell of the model must show on the terminal with its glyph and look;
// a blank shows only its background. A terminal that wraps at once, with
// autowrap left on, cannot have its bottom-right cell written.
void ExpectTerminalShows(const TerminalEmulator& term, const Screen& screen,
                         const TerminalKind& kind, const std::string& context) {
  const TerminalCaps& caps = kind.caps;
  const bool bottomRightUnwritable = kind.emulator.autoMargins && !kind.emulator.eatsNewline &&
                                     (caps.autoMarginsOff.empty() || kind.autowrapStaysOn);
  int mismatches = 0;
  for (int row = 1; row <= screen.Height(); ++row)
    for (int col = 1; col <= screen.Width(); ++col) {
      if (bottomRightUnwritable && row == term.Rows() && col == term.Cols()) continue;
      Cell cell = screen.At(row, col);
      const auto shown = term.CellAt(row, col);
      if (cell.flags != 0 || cell.text != 0) {
        const TextWant want = TextWantAt(screen, row, col, caps, bottomRightUnwritable);
        // Covered by its head on a terminal that has the cluster wide, blank on
        // one that has it narrow; the head's look is checked with the head.
        if (want.kind == TextWant::kCovered) {
          const std::string text = term.CellText(row, col);
          if (text != "" && text != " ") {
            ADD_FAILURE() << context << ": cell " << row << "," << col
                          << " is covered by its head, terminal shows " << text;
            if (++mismatches == 5) return;
          }
          continue;
        }
        if (want.kind == TextWant::kText) {
          const test_support::EmulatedCell look = LookOn(kind.emulator.colors, cell.attr);
          if (term.CellText(row, col) != want.text || shown.bg != look.bg || shown.fg != look.fg ||
              shown.reverse != look.reverse || shown.bold != look.bold) {
            ADD_FAILURE() << context << ": cell " << row << "," << col << " wants text "
                          << want.text << " in " << Describe(look) << ", terminal shows "
                          << term.CellText(row, col) << " " << Describe(shown);
            if (++mismatches == 5) return;
          }
          continue;
        }
        cell = want.plain;
      }
      const auto [glyph, attr] = Expected(cell, caps);
      const test_support::EmulatedCell look = LookOn(kind.emulator.colors, attr);
      const bool blank = glyph == U' ';
      if (shown.ch != glyph || shown.bg != look.bg || shown.reverse != look.reverse ||
          (!blank && (shown.fg != look.fg || shown.bold != look.bold))) {
        test_support::EmulatedCell want = look;
        want.ch = glyph;
        ADD_FAILURE() << context << ": cell " << row << "," << col << " model ch " << int(cell.ch)
                      << " attr " << int(cell.attr) << ": wants " << Describe(want)
                      << ", terminal shows " << Describe(shown);
        if (++mismatches == 5) return;
      }
    }
  if (screen.CursorVisible()) {
    EXPECT_TRUE(term.CursorVisible()) << context;
    EXPECT_EQ(term.CursorRow(), screen.CursorRow()) << context;
    EXPECT_EQ(term.CursorCol(), screen.CursorCol()) << context;
    if (caps.cursorShape) {
      EXPECT_EQ(term.CursorShape(), screen.CursorHeight() < 50 ? 2 : 1) << context;
    }
  } else if (!caps.hideCursor.empty()) {
    EXPECT_FALSE(term.CursorVisible()) << context;
  }
}

// An SGR sequence selects colours only in the form and number the terminal has.
void ExpectColoursTheTerminalHas(std::string_view sgr, const TerminalCaps& caps,
                                 const std::string& context) {
  std::vector<int> params;
  for (size_t at = 0; at < sgr.size() - 1;) {
    const size_t end = std::min(sgr.find(';', at), sgr.size() - 1);
    params.push_back(std::stoi(std::string(sgr.substr(at, end - at))));
    at = end + 1;
  }
  for (size_t k = 0; k < params.size(); ++k) {
    const int p = params[k];
    if (p == 38 || p == 48) {
      EXPECT_TRUE(caps.indexedColors) << context << ": SGR " << sgr;
      k += 2;
      continue;
    }
    const bool normal = (p >= 30 && p <= 37) || (p >= 40 && p <= 47);
    const bool bright = (p >= 90 && p <= 97) || (p >= 100 && p <= 107);
    if (normal) {
      EXPECT_TRUE(caps.colors >= 8 && !caps.indexedColors) << context << ": SGR " << sgr;
    }
    if (bright) {
      EXPECT_TRUE(caps.colors >= 16 && !caps.indexedColors) << context << ": SGR " << sgr;
    }
  }
}

// The bytes hold only what the terminal has: no control a terminal of the
// encoding could misread, and no control sequence it lacks.
void ExpectOnlyWhatTheTerminalHas(std::string_view bytes, const TerminalCaps& caps,
                                  const std::string& context) {
  const struct {
    char final;
    bool allowed;
  } finals[] = {
      {'G', caps.columnAddress}, {'d', caps.rowAddress},
      {'A', caps.relativeMoves}, {'B', caps.relativeMoves},
      {'C', caps.relativeMoves}, {'D', caps.relativeMoves},
      {'J', caps.eraseDisplay},  {'K', caps.eraseLine},
      {'X', caps.eraseChars},    {'r', caps.scrollRegion},
      {'S', caps.scrollUp},      {'T', caps.scrollDown && !caps.scrollDownByInsertingLines},
      {'L', caps.insertLines},   {'M', caps.deleteLines},
      {'q', caps.cursorShape},   {'m', caps.sgr}};
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    const bool misread = caps.encoding == TextEncoding::kAscii    ? b >= 0x80
                         : caps.encoding == TextEncoding::kLatin1 ? b >= 0x80 && b < 0xA0
                                                                  : false;
    ASSERT_FALSE(misread) << context << ": byte " << int(b) << " at " << i;
    if (b != 0x1b || i + 1 >= bytes.size() || bytes[i + 1] != '[') continue;
    size_t end = i + 2;
    while (end < bytes.size() && !(bytes[end] >= 0x40 && bytes[end] <= 0x7E))
      ++end;
    ASSERT_LT(end, bytes.size()) << context << ": unfinished sequence";
    const std::string_view sequence = bytes.substr(i + 2, end - i - 1);
    for (const auto& f : finals) {
      if (bytes[end] == f.final) {
        EXPECT_TRUE(f.allowed) << context << ": sends CSI " << sequence;
      }
    }
    if (bytes[end] == 'm') ExpectColoursTheTerminalHas(sequence, caps, context);
    i = end;
  }
}

std::string Render(TerminalRenderer& renderer, const Screen& screen, TerminalEmulator& term) {
  std::string bytes;
  renderer.Render(screen, term.Cols(), term.Rows(), bytes);
  term.Feed(bytes);
  return bytes;
}

// A pop-up's saved block, written back at a later step.
struct PopUp {
  int top = 0, left = 0, rows = 0, cols = 0;
  std::vector<Cell> under;
};

// The terminal as the backend leaves it on taking it over.
void TakeOver(TerminalEmulator& term, const TerminalKind& kind) {
  TerminalCaps caps = kind.caps;
  if (kind.autowrapStaysOn) caps.autoMarginsOff.clear();
  term.Feed(EnterFullScreenSequence(caps));
}

// The random steps draw their numbers in a fixed order (a call's last
// argument first, as the recorded frames' bytes were made), whatever order a
// compiler evaluates a call's arguments in.
template <class Pick>
void RandomColor(Screen& screen, Pick& pick) {
  const int bg = pick(0, 15);
  screen.SetColor(pick(0, 15), bg);
}

template <class Pick>
void RandomLocate(Screen& screen, Pick& pick) {
  const int col = pick(1, screen.Width());
  screen.Locate(pick(1, screen.Height()), col);
}

// A band of whole rows moved up or down, new text coming in, as a list or
// viewer scrolls.
template <class Pick>
void ScrollBand(Screen& screen, Pick& pick) {
  const int top = pick(1, screen.Height() - 1), bottom = pick(top + 1, screen.Height());
  const int shift = pick(1, bottom - top) * (pick(0, 1) ? 1 : -1);
  const int w = screen.Width();
  std::vector<Cell> band(static_cast<size_t>(bottom - top + 1) * w);
  screen.ReadRect(band.data(), top, 1, bottom - top + 1, w);
  for (int r = top; r <= bottom; ++r) {
    const int from = r + shift;
    for (int c = 1; c <= w; ++c)
      screen.At(r, c) = from >= top && from <= bottom
                            ? band[static_cast<size_t>(from - top) * w + c - 1]
                            : Cell{static_cast<std::uint8_t>(pick(0, 2) ? ' ' : pick(33, 126)),
                                   static_cast<ColorAttr>(pick(0, 3) ? 0x1F : pick(0, 255))};
  }
}

// A pop-up opened over what it covers, or closed with that given back.
template <class Pick>
void OpenOrClosePopUp(Screen& screen, Pick& pick, PopUp& popUp) {
  if (popUp.under.empty()) {
    popUp = {pick(1, screen.Height()), pick(1, screen.Width()), pick(1, 12), pick(1, 40), {}};
    popUp.under.resize(static_cast<size_t>(popUp.rows) * popUp.cols);
    screen.ReadRect(popUp.under.data(), popUp.top, popUp.left, popUp.rows, popUp.cols);
    RandomColor(screen, pick);
    const int width = std::min(popUp.cols, screen.Width() - popUp.left + 1);
    for (int r = popUp.top; r < popUp.top + popUp.rows && r <= screen.Height(); ++r) {
      screen.Locate(r, popUp.left);
      screen.PrintText(std::string(width, '\xB1'));
    }
  } else {
    screen.WriteRect(popUp.under.data(), popUp.top, popUp.left, popUp.rows, popUp.cols);
    popUp.under.clear();
  }
}

// One random drawing step of the kinds the toolbox does: text, clears, blocks
// of cells, recoloured runs, pop-ups, cursor changes and scrolling.
void RandomStep(Screen& screen, std::mt19937& random, PopUp& popUp) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  switch (pick(0, 11)) {
    case 0:
      RandomColor(screen, pick);
      screen.ClearScreen();
      break;
    case 1:
    case 2:
    case 3: {
      RandomColor(screen, pick);
      RandomLocate(screen, pick);
      std::string text(pick(1, 100), ' ');
      for (char& c : text)
        c = static_cast<char>(pick(0, 3) == 0 ? pick(0, 255) : pick(32, 90));
      screen.PrintText(text);
      break;
    }
    case 4: {
      const int rows = pick(1, 10), cols = pick(1, 30);
      std::vector<Cell> block(static_cast<size_t>(rows) * cols);
      const auto attr = static_cast<ColorAttr>(pick(0, 255));
      for (Cell& c : block)
        c = Cell{static_cast<std::uint8_t>(pick(0, 4) ? ' ' : 176), attr};
      const int left = pick(1, screen.Width());
      const int top = pick(1, screen.Height());
      screen.WriteRect(block.data(), top, left, rows, cols);
      break;
    }
    case 5: {
      // In screen order, so a run may go on into the next row.
      const auto attr = static_cast<ColorAttr>(pick(0, 255));
      const int count = pick(1, 120);
      const int col = pick(1, screen.Width());
      screen.Recolor(pick(1, screen.Height()), col, count, attr);
      break;
    }
    case 6:
      screen.SetCursor(pick(-1, 120));
      break;
    case 7:
      RandomLocate(screen, pick);
      break;
    case 8:
      screen.Locate(screen.Height(), pick(1, screen.Width()));
      screen.NewLine();
      break;
    case 9:
      ScrollBand(screen, pick);
      break;
    case 10:
      OpenOrClosePopUp(screen, pick, popUp);
      break;
    default: {
      const int col = pick(1, screen.Width());
      const int row = pick(1, screen.Height());
      const Cell cell{static_cast<std::uint8_t>(pick(0, 255)),
                      static_cast<ColorAttr>(pick(0, 255))};
      screen.At(row, col) = cell;
      break;
    }
  }
}

// A random step as above, or Unicode text printed over the screen: wide,
// combined, Cyrillic and emoji clusters among ASCII.
void RandomUnicodeStep(Screen& screen, std::mt19937& random, PopUp& popUp) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  if (pick(0, 2) != 0) return RandomStep(screen, random, popUp);
  static const char* const pieces[] = {"\u6F22\u5B57",         "e\u0301", "\u041F\u0440\u0438",
                                       "\U0001F600\U0001F97A", "ab ",     "\u00E9t\u00E9"};
  screen.SetColor(pick(0, 15), pick(0, 15));
  screen.Locate(pick(1, screen.Height()), pick(1, screen.Width()));
  std::string text;
  for (int n = pick(1, 12); n > 0; --n)
    text += pieces[pick(0, static_cast<int>(std::size(pieces)) - 1)];
  screen.PrintUtf8(text);
}

TEST(TerminalRendererTest, MapsDosColoursToTheAnsiPalette) {
  struct Case {
    int dos, ansi, fg, bg;
  };
  const Case cases[] = {
      {0, 0, 30, 40},   {1, 4, 34, 44},    {2, 2, 32, 42},    {3, 6, 36, 46},
      {4, 1, 31, 41},   {5, 5, 35, 45},    {6, 3, 33, 43},    {7, 7, 37, 47},
      {8, 8, 90, 100},  {9, 12, 94, 104},  {10, 10, 92, 102}, {11, 14, 96, 106},
      {12, 9, 91, 101}, {13, 13, 95, 105}, {14, 11, 93, 103}, {15, 15, 97, 107},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnsiColorIndex(c.dos), c.ansi) << "DOS colour " << c.dos;
    EXPECT_EQ(SgrForeground(c.dos), c.fg) << "DOS colour " << c.dos;
    EXPECT_EQ(SgrBackground(c.dos), c.bg) << "DOS colour " << c.dos;
  }
}

// What a user sees of some attributes on terminals of each colour depth,
// worked out by hand: light bars stay light on a monochrome terminal, bright
// backgrounds stay bright from 16 colours up.
TEST(TerminalRendererTest, ShowsAttributesAsEachColourDepthCan) {
  struct Shown {
    int fg, bg;
    bool bold, reverse;
  };
  const struct {
    int attr;
    Shown full, eight, mono;  // full: 16, 256 and direct colours
  } cases[] = {
      {0x07, {7, 0, false, false}, {7, 0, false, false}, {-1, -1, false, false}},
      {0x1F, {15, 4, false, false}, {15, 4, true, false}, {-1, -1, true, false}},
      {0x70, {0, 7, false, false}, {0, 7, false, false}, {-1, -1, false, true}},
      {0xCE, {11, 9, false, false}, {11, 1, true, false}, {-1, -1, true, false}},
      {0xF1, {4, 15, false, false}, {4, 7, false, false}, {-1, -1, false, true}},
      {0x78, {8, 7, false, false}, {8, 7, true, false}, {-1, -1, true, true}},
      {0x3E, {11, 6, false, false}, {11, 6, true, false}, {-1, -1, true, false}},
  };
  for (const int colors : {0, 8, 16, 256, 1 << 24}) {
    TerminalCaps caps = XtermCaps();
    caps.colors = colors;
    Screen screen(10, 2);
    for (size_t i = 0; i < std::size(cases); ++i)
      screen.At(1, static_cast<int>(i) + 1) = Cell{'X', static_cast<ColorAttr>(cases[i].attr)};
    screen.SetCursor(0);
    TerminalEmulator term(10, 2, {.colors = colors});
    TerminalRenderer renderer(caps);
    Render(renderer, screen, term);
    for (size_t i = 0; i < std::size(cases); ++i) {
      const Shown& want = colors >= 16  ? cases[i].full
                          : colors >= 8 ? cases[i].eight
                                        : cases[i].mono;
      const auto shown = term.CellAt(1, static_cast<int>(i) + 1);
      EXPECT_EQ(Describe(shown), Describe({U'X', want.fg, want.bg, want.bold, want.reverse}))
          << colors << " colours, attribute 0x" << std::hex << cases[i].attr;
    }
  }
}

TEST(TerminalRendererTest, ShowsEveryGlyphInEveryColour) {
  Screen screen(80, 25);
  for (int i = 0; i < 80 * 25; ++i)
    screen.Cells()[i] = Cell{static_cast<std::uint8_t>(i % 256), static_cast<ColorAttr>(i / 7)};
  screen.SetCursor(0);
  for (const TerminalKind& kind : TerminalKinds()) {
    TerminalEmulator term(80, 25, kind.emulator);
    TakeOver(term, kind);
    TerminalRenderer renderer(kind.caps);
    ExpectOnlyWhatTheTerminalHas(Render(renderer, screen, term), kind.caps, kind.name);
    ExpectTerminalShows(term, screen, kind, kind.name);
    EXPECT_EQ(term.AltScreen(), kind.emulator.altScreen && !kind.caps.enterAlternateScreen.empty())
        << kind.name;
  }
}

// Random frames of steps on every kind of terminal, each kind from its own
// seed: after each frame the terminal shows the model, and nothing it lacks
// was sent.
void ExpectRandomFramesShown(int seed, int frames, void (*step)(Screen&, std::mt19937&, PopUp&)) {
  for (const TerminalKind& kind : TerminalKinds()) {
    std::mt19937 random(seed++);
    Screen screen(80, 25);
    TerminalEmulator term(80, 25, kind.emulator);
    TakeOver(term, kind);
    TerminalRenderer renderer(kind.caps);
    PopUp popUp;
    for (int frame = 0; frame < frames; ++frame) {
      for (int steps = std::uniform_int_distribution<int>(1, 4)(random); steps > 0; --steps)
        step(screen, random, popUp);
      const std::string context = kind.name + " frame " + std::to_string(frame);
      ExpectOnlyWhatTheTerminalHas(Render(renderer, screen, term), kind.caps, context);
      ExpectTerminalShows(term, screen, kind, context);
      if (::testing::Test::HasFailure()) return;
    }
  }
}

TEST(TerminalRendererTest, RandomUpdatesKeepTheTerminalEqualToTheModel) {
  // Every kind of terminal, with autowrap off (as full screen sets it) and on
  // (a terminal that ignored the request or cannot turn it off): nothing may
  // wrap or scroll, and what is not there is never sent.
  ExpectRandomFramesShown(7, 400, RandomStep);
}

// A screen without text cells goes out byte for byte as it did before cells
// could hold text: the bytes of the first random frames on every kind of
// terminal, folded into one FNV-1a hash taken from the renderer of then.
TEST(TerminalRendererTest, PlainScreensSendTheSameBytesAsBefore) {
  std::uint64_t hash = 14695981039346656037ULL;
  int seed = 7;
  for (const TerminalKind& kind : TerminalKinds()) {
    std::mt19937 random(seed++);
    Screen screen(80, 25);
    TerminalEmulator term(80, 25, kind.emulator);
    TerminalRenderer renderer(kind.caps);
    PopUp popUp;
    for (int frame = 0; frame < 60; ++frame) {
      for (int steps = std::uniform_int_distribution<int>(1, 4)(random); steps > 0; --steps)
        RandomStep(screen, random, popUp);
      for (const char b : Render(renderer, screen, term))
        hash = (hash ^ static_cast<unsigned char>(b)) * 1099511628211ULL;
    }
  }
  EXPECT_EQ(hash, 5676866384571107753ULL);
}

TEST(TerminalRendererTest, RandomUnicodeUpdatesKeepTheTerminalEqualToTheModel) {
  ExpectRandomFramesShown(11, 200, RandomUnicodeStep);
}

// Unicode text on every kind of terminal: its clusters where the terminal
// takes UTF-8, stand-ins one a cell elsewhere, and what follows each cluster
// in its own cell. The cursor is left after the text, so it is checked too.
TEST(TerminalRendererTest, ShowsUnicodeTextOnEveryKindOfTerminal) {
  struct Case {
    const char* what;
    void (*draw)(Screen&);
    void (*change)(Screen&);  // then shown again; may be null
  };
  const Case cases[] = {
      {"CJK", [](Screen& s) { s.PrintUtf8("\u6F22\u5B57ab"); }, nullptr},
      {"a combining mark", [](Screen& s) { s.PrintUtf8("xe\u0301y"); }, nullptr},
      {"Cyrillic", [](Screen& s) { s.PrintUtf8("\u041F\u0440\u0438\u0432\u0435\u0442!"); },
       nullptr},
      {"a wide cluster at the next-to-last column",
       [](Screen& s) {
         s.Locate(2, 19);
         s.PrintUtf8("\u6F22z");
       },
       nullptr},
      // U+1F97A is narrow to libvterm, wide to the model.
      {"emoji", [](Screen& s) { s.PrintUtf8("\U0001F97Aab\U0001F600c"); }, nullptr},
      {"half a wide cluster overwritten", [](Screen& s) { s.PrintUtf8("\u6F22\u5B57ab"); },
       [](Screen& s) {
         s.At(1, 2) = Cell{'X', 0x1E};  // the first one's second half
         s.At(1, 3) = Cell{'Y', 0x1E};  // the second one's first half
       }},
      {"a window restore that orphans halves", [](Screen& s) { s.PrintText("abcdef"); },
       [](Screen& s) {
         std::vector<Cell> under(2);
         s.ReadRect(under.data(), 1, 3, 1, 2);
         s.Locate(1, 2);
         s.PrintUtf8("\u6F22\u5B57");
         s.WriteRect(under.data(), 1, 3, 1, 2);
       }},
  };
  for (const TerminalKind& kind : TerminalKinds())
    for (const Case& c : cases) {
      const std::string context = kind.name + ": " + c.what;
      Screen screen(20, 4);
      screen.SetColor(14, 1);
      screen.ClearScreen();
      c.draw(screen);
      TerminalEmulator term(20, 4, kind.emulator);
      TakeOver(term, kind);
      TerminalRenderer renderer(kind.caps);
      ExpectOnlyWhatTheTerminalHas(Render(renderer, screen, term), kind.caps, context);
      ExpectTerminalShows(term, screen, kind, context);
      if (c.change) {
        c.change(screen);
        ExpectOnlyWhatTheTerminalHas(Render(renderer, screen, term), kind.caps, context);
        ExpectTerminalShows(term, screen, kind, context + ", changed");
      }
    }
}

// libvterm has the CJK clusters wide, as the model does: each covers its
// second cell, which holds nothing of its own.
TEST(TerminalRendererTest, WideClustersCoverTheirSecondCell) {
  Screen screen(20, 4);
  screen.PrintUtf8("\u6F22\u5B57");
  TerminalEmulator term(20, 4);
  TerminalRenderer renderer;
  Render(renderer, screen, term);
  for (const int col : {1, 3}) {
    EXPECT_EQ(term.CellWidth(1, col), 2) << "column " << col;
    EXPECT_EQ(term.CellText(1, col + 1), "") << "column " << col + 1;
  }
}

TEST(TerminalRendererTest, RedrawsInFullAfterAResizeAndOnALargerTerminal) {
  struct Case {
    int cols, rows, termCols, termRows;
  };
  const Case cases[] = {
      {80, 25, 80, 25}, {40, 10, 40, 10}, {80, 25, 100, 30}, {80, 25, 80, 30}, {132, 43, 132, 43}};
  std::mt19937 random(3);
  Screen screen(80, 25);
  TerminalRenderer renderer;
  PopUp popUp;
  for (const Case& c : cases) {
    const std::string context = std::to_string(c.cols) + "x" + std::to_string(c.rows) + " on " +
                                std::to_string(c.termCols) + "x" + std::to_string(c.termRows);
    screen.Resize(c.cols, c.rows);
    TerminalEmulator term(c.termCols, c.termRows);
    term.Feed("\x1b[?7lleft over from before\x1b[44m\x1b[2J");
    renderer.Invalidate();
    for (int frame = 0; frame < 150; ++frame) {
      RandomStep(screen, random, popUp);
      Render(renderer, screen, term);
      ExpectTerminalShows(term, screen, TerminalKinds()[0],
                          context + " frame " + std::to_string(frame));
      if (::testing::Test::HasFailure()) return;
    }
    // The margin beyond the screen is blank in the terminal's own colours.
    for (int row = 1; row <= c.termRows; ++row)
      for (int col = 1; col <= c.termCols; ++col) {
        if (row <= c.rows && col <= c.cols) continue;
        const auto cell = term.CellAt(row, col);
        EXPECT_TRUE(cell.ch == U' ' && cell.bg == -1) << context << " margin " << row << "," << col;
      }
  }
}

TEST(TerminalRendererTest, SendsNothingForAnUnchangedFrame) {
  for (const int cursorMode : {0, -1, 80}) {
    Screen screen(80, 25);
    screen.SetColor(15, 1);
    screen.ClearScreen();
    screen.Locate(5, 10);
    screen.PrintText("Tarvana");
    screen.SetCursor(cursorMode);
    TerminalEmulator term(80, 25);
    TerminalRenderer renderer;
    Render(renderer, screen, term);
    EXPECT_EQ(Render(renderer, screen, term), "") << "cursor mode " << cursorMode;
  }
}

TEST(TerminalRendererTest, SmallChangesSendFewBytes) {
  struct Case {
    const char* what;
    void (*change)(Screen&);
    size_t maxBytes;
  };
  const Case cases[] = {
      {"one character", [](Screen& s) { s.At(12, 40).ch = 'X'; }, 10},
      {"one colour", [](Screen& s) { s.At(12, 40).attr = 0x4E; }, 20},
      {"a recoloured run of 20 cells",
       [](Screen& s) {
         for (int col = 30; col < 50; ++col)
           s.At(12, col).attr = 0x70;
       },
       40},
      {"the whole screen scrolled up a line",
       [](Screen& s) {
         s.Locate(25, 1);
         s.NewLine();
         s.PrintText("a new line");
       },
       30},
      {"rows 5 to 20 scrolled down a line",
       [](Screen& s) {
         std::vector<Cell> band(15 * 80);
         s.ReadRect(band.data(), 5, 1, 15, 80);
         s.WriteRect(band.data(), 6, 1, 15, 80);
         s.Locate(5, 1);
         s.PrintText("a new line in between");
       },
       60},
      {"two cells apart on one row",
       [](Screen& s) {
         s.At(3, 10).ch = 'a';
         s.At(3, 13).ch = 'b';
       },
       14},
  };
  for (const Case& c : cases) {
    Screen screen(80, 25);
    screen.SetColor(7, 1);
    screen.ClearScreen();
    for (int row = 1; row <= 25; ++row) {
      screen.Locate(row, 1);
      screen.PrintText("Row " + std::to_string(row) + ": some text on a row of the screen");
    }
    screen.SetCursor(0);
    TerminalEmulator term(80, 25);
    term.Feed("\x1b[?7l");
    TerminalRenderer renderer;
    Render(renderer, screen, term);
    c.change(screen);
    const std::string bytes = Render(renderer, screen, term);
    EXPECT_LE(bytes.size(), c.maxBytes) << c.what;
    EXPECT_GT(bytes.size(), 0u) << c.what;
    ExpectTerminalShows(term, screen, TerminalKinds()[0], c.what);
  }
}

// A backend whose terminal fills lines scrolled in by CSI T with the default
// background (xterm.js) asks for scrolling down by inserting lines: a list
// moving down a line then goes out as CSI L, and the terminal shows the model.
TEST(TerminalRendererTest, ScrollsDownByInsertingLinesWhenAskedTo) {
  for (const bool wholeScreen : {true, false}) {
    const std::string context = wholeScreen ? "whole screen" : "rows 5 to 20";
    const int top = wholeScreen ? 1 : 5, bottom = wholeScreen ? 25 : 20;
    Screen screen(80, 25);
    screen.SetColor(14, 1);
    screen.ClearScreen();
    for (int row = 1; row <= 25; ++row) {
      screen.Locate(row, 1);
      screen.PrintText("Row " + std::to_string(row) + ": a line of a list");
    }
    screen.SetCursor(0);
    TerminalCaps caps = XtermCaps();
    caps.scrollDownByInsertingLines = true;
    TerminalEmulator term(80, 25);
    term.Feed(EnterFullScreenSequence(caps));
    TerminalRenderer renderer(caps);
    Render(renderer, screen, term);
    std::vector<Cell> band(static_cast<size_t>(bottom - top) * 80);
    screen.ReadRect(band.data(), top, 1, bottom - top, 80);
    screen.WriteRect(band.data(), top + 1, 1, bottom - top, 80);
    screen.SetColor(15, 3);  // the new line in a colour of its own
    screen.Locate(top, 1);
    screen.PrintText(std::string(80, ' '));
    screen.Locate(top, 1);
    screen.PrintText("a new line");
    const std::string bytes = Render(renderer, screen, term);
    EXPECT_NE(bytes.find("\x1b[L"), std::string::npos) << context;
    EXPECT_EQ(bytes.find('T'), std::string::npos) << context;
    ExpectTerminalShows(term, screen, {"xterm.js", caps, {}}, context);
  }
}

// The terminal models the kinds above are checked on behave as those
// terminals do.
TEST(TerminalRendererTest, TerminalModelsBehaveAsTheirKinds) {
  const struct {
    const char* what;
    EmulatorOptions options;
    const char* bytes;
    int row, col;
    test_support::EmulatedCell shows;
    bool altScreen = false;
  } cases[] = {
      {"a delayed wrap keeps the bottom-right cell", {}, "\x1b[25;79HAB", 25, 80, {U'B'}},
      {"a wrap at once scrolls from the bottom-right cell",
       {.eatsNewline = false},
       "\x1b[25;79HAB",
       24,
       80,
       {U'B'}},
      {"a wrap at once goes on at once", {.eatsNewline = false}, "\x1b[1;80HA\rB", 2, 1, {U'B'}},
      {"autowrap turned off", {.eatsNewline = false}, "\x1b[?7l\x1b[25;79HABC", 25, 80, {U'C'}},
      {"no auto-margins, even when asked",
       {.autoMargins = false, .eatsNewline = false},
       "\x1b[?7h\x1b[1;80HAB",
       1,
       80,
       {U'B'}},
      {"16 colours: a bright background", {.colors = 16}, "\x1b[101mX", 1, 1, {U'X', -1, 9}},
      {"16 colours: no indexes", {.colors = 16}, "\x1b[41;38;5;200mX", 1, 1, {U'X', -1, 1}},
      {"8 colours: no bright background", {.colors = 8}, "\x1b[41m\x1b[101mX", 1, 1, {U'X', -1, 1}},
      {"monochrome", {.colors = 0}, "\x1b[31;44;7mX", 1, 1, {U'X', -1, -1, false, true}},
      {"the alternate set", {}, "\x1b(0q", 1, 1, {U'\u2500'}},
      {"no alternate set", {.alternateCharset = false}, "\x1b(0q", 1, 1, {U'q'}},
      {"the alternate screen, first form", {}, "\x1b[?47hX", 1, 1, {U'X'}, true},
      {"no alternate screen", {.altScreen = false}, "\x1b[?1049hX", 1, 1, {U'X'}, false},
  };
  for (const auto& c : cases) {
    TerminalEmulator term(80, 25, c.options);
    term.Feed(c.bytes);
    EXPECT_EQ(Describe(term.CellAt(c.row, c.col)), Describe(c.shows)) << c.what;
    EXPECT_EQ(term.AltScreen(), c.altScreen) << c.what;
  }
}

}  // namespace
}  // namespace tarvana
