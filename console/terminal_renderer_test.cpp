// The renderer against a terminal emulator: whatever the screen model holds,
// the bytes it sends must make the terminal show exactly that.

#include "console/terminal_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "console/cp437.h"
#include "testing/terminal_emulator.h"

namespace tarvana {
namespace {

using testing::TerminalEmulator;

// Every cell of the model must show on the terminal with its glyph and colours.
void ExpectTerminalShows(const TerminalEmulator& term, const Screen& screen,
                         const std::string& context) {
  int mismatches = 0;
  for (int row = 1; row <= screen.Height(); ++row)
    for (int col = 1; col <= screen.Width(); ++col) {
      const Cell cell = screen.At(row, col);
      const auto shown = term.CellAt(row, col);
      const char32_t glyph = Cp437ToUnicode(cell.ch);
      const int fg = AnsiColorIndex(cell.attr & 15), bg = AnsiColorIndex(cell.attr >> 4);
      if (shown.ch != glyph || shown.fg != fg || shown.bg != bg) {
        ADD_FAILURE() << context << ": cell " << row << "," << col << " model ch " << int(cell.ch)
                      << " attr " << int(cell.attr) << " (U+" << std::hex << uint32_t{glyph}
                      << " fg " << std::dec << fg << " bg " << bg << "), terminal U+" << std::hex
                      << uint32_t{shown.ch} << std::dec << " fg " << shown.fg << " bg " << shown.bg;
        if (++mismatches == 5) return;
      }
    }
  if (screen.CursorVisible()) {
    EXPECT_TRUE(term.CursorVisible()) << context;
    EXPECT_EQ(term.CursorRow(), screen.CursorRow()) << context;
    EXPECT_EQ(term.CursorCol(), screen.CursorCol()) << context;
    EXPECT_EQ(term.CursorShape(), screen.CursorHeight() < 50 ? 2 : 1) << context;
  } else {
    EXPECT_FALSE(term.CursorVisible()) << context;
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

// One random drawing step of the kinds the toolbox does: text, clears, blocks
// of cells, recoloured runs, pop-ups, cursor changes and scrolling.
void RandomStep(Screen& screen, std::mt19937& random, PopUp& popUp) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  switch (pick(0, 11)) {
    case 0:
      screen.SetColor(pick(0, 15), pick(0, 15));
      screen.ClearScreen();
      break;
    case 1:
    case 2:
    case 3: {
      screen.SetColor(pick(0, 15), pick(0, 15));
      screen.Locate(pick(1, screen.Height()), pick(1, screen.Width()));
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
      screen.WriteRect(block.data(), pick(1, screen.Height()), pick(1, screen.Width()), rows, cols);
      break;
    }
    case 5:
      // In screen order, so a run may go on into the next row.
      screen.Recolor(pick(1, screen.Height()), pick(1, screen.Width()), pick(1, 120),
                     static_cast<ColorAttr>(pick(0, 255)));
      break;
    case 6:
      screen.SetCursor(pick(-1, 120));
      break;
    case 7:
      screen.Locate(pick(1, screen.Height()), pick(1, screen.Width()));
      break;
    case 8:
      screen.Locate(screen.Height(), pick(1, screen.Width()));
      screen.NewLine();
      break;
    case 9: {
      // A band of whole rows moved up or down, new text coming in, as a
      // list or viewer scrolls.
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
      break;
    }
    case 10:
      if (popUp.under.empty()) {
        popUp = {pick(1, screen.Height()), pick(1, screen.Width()), pick(1, 12), pick(1, 40), {}};
        popUp.under.resize(static_cast<size_t>(popUp.rows) * popUp.cols);
        screen.ReadRect(popUp.under.data(), popUp.top, popUp.left, popUp.rows, popUp.cols);
        screen.SetColor(pick(0, 15), pick(0, 15));
        const int width = std::min(popUp.cols, screen.Width() - popUp.left + 1);
        for (int r = popUp.top; r < popUp.top + popUp.rows && r <= screen.Height(); ++r) {
          screen.Locate(r, popUp.left);
          screen.PrintText(std::string(width, '\xB1'));
        }
      } else {
        screen.WriteRect(popUp.under.data(), popUp.top, popUp.left, popUp.rows, popUp.cols);
        popUp.under.clear();
      }
      break;
    default:
      screen.At(pick(1, screen.Height()), pick(1, screen.Width())) =
          Cell{static_cast<std::uint8_t>(pick(0, 255)), static_cast<ColorAttr>(pick(0, 255))};
      break;
  }
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

TEST(TerminalRendererTest, ShowsEveryGlyphInEveryColour) {
  Screen screen(80, 25);
  for (int i = 0; i < 80 * 25; ++i)
    screen.Cells()[i] = Cell{static_cast<std::uint8_t>(i % 256), static_cast<ColorAttr>(i / 7)};
  screen.SetCursor(0);
  TerminalEmulator term(80, 25);
  term.Feed("\x1b[?7l");
  TerminalRenderer renderer;
  Render(renderer, screen, term);
  ExpectTerminalShows(term, screen, "first frame");
}

TEST(TerminalRendererTest, RandomUpdatesKeepTheTerminalEqualToTheModel) {
  // With autowrap off (as full screen sets it) and on (a terminal that
  // ignored the request): neither may wrap or scroll.
  for (const bool autowrap : {false, true}) {
    std::mt19937 random(autowrap ? 7 : 11);
    Screen screen(80, 25);
    TerminalEmulator term(80, 25);
    if (!autowrap) term.Feed("\x1b[?7l");
    TerminalRenderer renderer;
    PopUp popUp;
    for (int frame = 0; frame < 400; ++frame) {
      for (int steps = std::uniform_int_distribution<int>(1, 4)(random); steps > 0; --steps)
        RandomStep(screen, random, popUp);
      Render(renderer, screen, term);
      ExpectTerminalShows(
          term, screen, "autowrap " + std::to_string(autowrap) + " frame " + std::to_string(frame));
      if (::testing::Test::HasFailure()) return;
    }
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
      ExpectTerminalShows(term, screen, context + " frame " + std::to_string(frame));
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
    ExpectTerminalShows(term, screen, c.what);
  }
}

}  // namespace
}  // namespace tarvana
