// The Windows console's records as the toolbox's keys and mouse events, the
// rectangles a new screen changed and the console cells and text that show
// it: tables of records as the console API fills them, through the KeyCode
// translation.

#include "console/console_api.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "console/key_translate.h"
#include "console/screen.h"

namespace tarvana {
namespace {

using namespace consoleApi;

// The KeyCodes that a key event's records translate to, in hex for messages.
std::string KeysOf(const ConsoleKeyEvent& event) {
  std::vector<InputRecord> records;
  ConsoleKeyState state;
  MapConsoleKeyEvent(event, state, records);
  MouseState mouse;
  std::string out;
  for (const InputRecord& r : records) {
    const KeyCode key = TranslateRecord(r, mouse);
    out += out.empty() ? "" : " ";
    for (unsigned char c : key) {
      static const char* hex = "0123456789ABCDEF";
      out += hex[c >> 4];
      out += hex[c & 15];
    }
    if (key.empty()) out += "-";
  }
  return out;
}

TEST(ConsoleApiKeys, RecordsBecomeTheKeysOfAPc) {
  struct Case {
    const char* what;
    ConsoleKeyEvent event;
    const char* keys;  // KeyCodes in hex, one per record; "-" a record with no key; "" none
  } cases[] = {
      {"a", {true, 1, 'A', 30, u'a', 0}, "61"},
      {"A with Shift", {true, 1, 'A', 30, u'A', kShift}, "41"},
      {"Enter", {true, 1, 0x0D, 28, u'\r', 0}, "0D"},
      {"Esc", {true, 1, 0x1B, 1, 27, 0}, "1B"},
      {"Esc with no character", {true, 1, 0x1B, 1, 0, 0}, "1B"},
      {"Backspace", {true, 1, 0x08, 14, 8, 0}, "08"},
      {"Tab", {true, 1, 0x09, 15, u'\t', 0}, "09"},
      {"Shift+Tab", {true, 1, 0x09, 15, u'\t', kShift}, "000F"},
      {"Alt+L", {true, 1, 'L', 38, u'l', kLeftAlt}, "0026"},
      {"right Alt+X", {true, 1, 'X', 45, u'x', kRightAlt}, "002D"},
      {"AltGr+Q types @", {true, 1, 'Q', 16, u'@', kRightAlt | kLeftCtrl}, "40"},
      {"Ctrl+Y", {true, 1, 'Y', 21, 25, kLeftCtrl}, "19"},
      {"Ctrl+C is a key", {true, 1, 'C', 46, 3, kRightCtrl}, "03"},
      {"F1", {true, 1, 0x70, 59, 0, 0}, "003B"},
      {"F10", {true, 1, 0x79, 68, 0, 0}, "0044"},
      {"F11", {true, 1, 0x7A, 87, 0, 0}, "0057"},
      {"F12", {true, 1, 0x7B, 88, 0, 0}, "0058"},
      {"F12 with no scan code", {true, 1, 0x7B, 0, 0, 0}, "0058"},
      {"Up (enhanced)", {true, 1, 0x26, 72, 0, 0x100}, "0048"},
      {"Home", {true, 1, 0x24, 71, 0, 0}, "0047"},
      {"End", {true, 1, 0x23, 79, 0, 0}, "004F"},
      {"PgDn", {true, 1, 0x22, 81, 0, 0}, "0051"},
      {"Del", {true, 1, 0x2E, 83, 0, 0}, "0053"},
      {"e acute in code page 437", {true, 1, 0, 0, u'\u00E9', 0}, "82"},
      {"box corner", {true, 1, 0, 0, u'\u2554', 0}, "C9"},
      {"a character 437 lacks: its stand-in", {true, 1, 0, 0, u'\u20AC', 0}, "45"},
      {"a character with no stand-in", {true, 1, 0, 0, u'\u4E2D', 0}, "-"},
      {"Shift alone", {true, 1, 0x10, 42, 0, kShift}, "-"},
      {"key release", {false, 1, 'A', 30, u'a', 0}, ""},
      {"a key with no key (wine's Home)", {true, 1, 0, 0, 0, 0}, ""},
      {"repeated three times", {true, 3, 0x28, 80, 0, 0}, "0050 0050 0050"},
      {"a with no scan code", {true, 1, 0, 0, u'a', 0}, "61"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(KeysOf(c.event), c.keys) << c.what;
}

// Each record as its kind (K key, U unshowable), code page 437 byte and
// typed text, in hex.
std::string RecordsOf(std::initializer_list<ConsoleKeyEvent> events) {
  std::vector<InputRecord> records;
  ConsoleKeyState state;
  for (const ConsoleKeyEvent& e : events)
    MapConsoleKeyEvent(e, state, records);
  std::string out;
  for (const InputRecord& r : records) {
    char one[32];
    std::snprintf(one, sizeof one, "%s%c%02X+%X", out.empty() ? "" : " ",
                  r.kind == InputRecord::Kind::kUnshowable ? 'U' : 'K', r.key.ch,
                  static_cast<unsigned>(r.key.text));
    out += one;
  }
  return out;
}

TEST(ConsoleApiKeys, CharactersOfAnyScriptCarryTheirText) {
  const auto typed = [](char16_t u, std::uint32_t state = 0) {
    return ConsoleKeyEvent{true, 1, 0xE7, 0, u, state};  // VK_PACKET, as typed or pasted text
  };
  auto released = typed(0);
  released.keyDown = false;
  const ConsoleKeyEvent high = typed(0xD83D), low = typed(0xDE00);  // U+1F600
  auto lowTwice = low;
  lowTwice.repeatCount = 2;
  auto highReleased = high, lowReleased = low;
  highReleased.keyDown = lowReleased.keyDown = false;
  struct Case {
    const char* what;
    std::initializer_list<ConsoleKeyEvent> events;
    const char* records;
  } cases[] = {
      {"in code page 437: today's record, no text", {typed(u'\u00E9')}, "K82+0"},
      {"a stand-in keeps the text", {typed(u'\u0151')}, "K6F+151"},
      {"AltGr+E types the euro",
       {{true, 1, 'E', 18, u'\u20AC', kRightAlt | kLeftCtrl}},
       "K45+20AC"},
      {"no stand-in: unshowable", {typed(u'\u4E2D')}, "U00+4E2D"},
      {"a surrogate pair is one character", {high, low}, "U00+1F600"},
      {"releases between the halves", {high, highReleased, low, lowReleased}, "U00+1F600"},
      {"a repeated pair", {high, lowTwice}, "U00+1F600 U00+1F600"},
      {"a low half alone", {low}, "U00+FFFD"},
      {"a high half before a letter", {high, typed(u'a')}, "U00+FFFD K61+0"},
      {"a high half before another pair", {high, high, low}, "U00+FFFD U00+1F600"},
      {"a high half before a key with no character",
       {high, {true, 1, 0x70, 59, 0, 0}},
       "U00+FFFD K00+0"},
      {"a high half still waiting", {high}, ""},
      {"a release alone", {released}, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RecordsOf(c.events), c.records) << c.what;
}

TEST(ConsoleApiMouse, PressReleaseDoubleClickAndMoves) {
  MouseState state;
  state.on = true;
  state.buttonMask = 7;
  state.eventMask = 15;
  struct Case {
    const char* what;
    ConsoleMouseEvent event;
    KeyCode key;
    int row, col;  // 1-based position after the event
  } cases[] = {
      {"left press", {9, 4, 1, 0, 0}, MouseKey(mouse::kPressed, 1), 5, 10},
      {"left release", {9, 4, 0, 0, 0}, MouseKey(mouse::kReleased, 1), 5, 10},
      {"double click", {2, 1, 1, 0, kDoubleClick}, MouseKey(mouse::kDoubleClick, 1), 2, 3},
      {"release after it", {2, 1, 0, 0, 0}, MouseKey(mouse::kReleased, 1), 2, 3},
      {"right press", {0, 0, 2, kShift, 0}, MouseKey(mouse::kPressed, 2), 1, 1},
      {"middle press too", {0, 0, 6, 0, 0}, MouseKey(mouse::kPressed, 4), 1, 1},
      {"both released", {0, 0, 0, 0, 0}, MouseKey(mouse::kReleased, 2), 1, 1},
      {"move", {79, 24, 0, 0, kMouseMoved}, MouseKey(mouse::kMoved, 0), 25, 80},
      {"wheel: no button changes", {5, 5, 0x00780000, 0, kMouseWheeled}, KeyCode(), 25, 80},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TranslateRecord(MapConsoleMouseEvent(c.event), state), c.key) << c.what;
    EXPECT_EQ(state.row, c.row) << c.what;
    EXPECT_EQ(state.col, c.col) << c.what;
  }
}

TEST(ConsoleApiOutput, ChangedRectanglesCoverEveryChangeAndNothingElse) {
  constexpr int kCols = 6, kRows = 4;
  const std::vector<Cell> blank(kCols * kRows);
  auto with = [&](std::initializer_list<std::pair<int, int>> cells) {
    std::vector<Cell> s = blank;
    for (auto [row, col] : cells)
      s[row * kCols + col].ch = 'x';
    return s;
  };
  struct Case {
    const char* what;
    std::vector<Cell> shown, now;
    std::vector<CellRect> rects;
  } cases[] = {
      {"nothing changed", blank, blank, {}},
      {"one cell", blank, with({{2, 3}}), {{2, 3, 2, 3}}},
      {"two cells of a row", blank, with({{1, 1}, {1, 4}}), {{1, 1, 1, 4}}},
      {"adjacent rows join", blank, with({{0, 5}, {1, 0}}), {{0, 0, 1, 5}}},
      {"a gap splits", blank, with({{0, 2}, {2, 2}}), {{0, 2, 0, 2}, {2, 2, 2, 2}}},
      {"colour alone counts",
       blank,
       [&] {
         auto s = blank;
         s[kCols * 3].attr = 0x1E;
         return s;
       }(),
       {{3, 0, 3, 0}}},
      {"new size: everything", {}, blank, {{0, 0, kRows - 1, kCols - 1}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChangedRects(c.shown, c.now, kCols), c.rects) << c.what;
}

TEST(ConsoleApiOutput, WideClustersKeepBothCellsTogether) {
  constexpr int kCols = 6;
  std::vector<Cell> blank(kCols * 2);
  const auto wideAt = [&](int row, int col) {
    std::vector<Cell> s = blank;
    s[row * kCols + col] = {'?', 7, cell_flag::kWideFirst, 0x4E2D};
    s[row * kCols + col + 1] = {' ', 7, cell_flag::kContinuation, 0};
    return s;
  };
  auto otherWide = wideAt(0, 2);
  otherWide[2].text = 0x6587;
  struct Case {
    const char* what;
    std::vector<Cell> shown, now;
    std::vector<CellRect> rects;
  } cases[] = {
      {"a new pair", blank, wideAt(0, 2), {{0, 2, 0, 3}}},
      {"a new character in the first cell only", wideAt(0, 2), otherWide, {{0, 2, 0, 3}}},
      {"the pair's cells, now blank", wideAt(1, 4), blank, {{1, 4, 1, 5}}},
      {"a pair moved by a cell", wideAt(0, 1), wideAt(0, 2), {{0, 1, 0, 3}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ChangedRects(c.shown, c.now, kCols), c.rects) << c.what;
}

// The console cells of a row as UTF-16 in hex, "<" marking a leading and ">"
// a trailing cell of a wide character, then "/attributes" in hex where the
// colour is not 07.
std::string CharInfosOf(const Cell* row, int cols) {
  std::string out;
  for (int col = 0; col < cols; ++col) {
    const ConsoleCharInfo c = ConsoleCharOfCell(row, cols, col);
    char one[24];
    const unsigned half = c.attributes & (consoleApi::kLeadingByte | consoleApi::kTrailingByte);
    const unsigned attr = c.attributes & 0xFF;
    std::snprintf(one, sizeof one, "%s%04X%s", col ? " " : "", static_cast<unsigned>(c.ch),
                  half == consoleApi::kLeadingByte    ? "<"
                  : half == consoleApi::kTrailingByte ? ">"
                  : half                              ? "<>"
                                                      : "");
    out += one;
    if (attr != 7 || c.attributes > 0x3FF) {
      std::snprintf(one, sizeof one, "/%X", static_cast<unsigned>(c.attributes));
      out += one;
    }
  }
  return out;
}

TEST(ConsoleApiOutput, CellsBecomeTheConsolesCharacterCells) {
  struct Case {
    const char* what;
    const char* utf8;  // printed from column 1 of a 4-column screen
    const char* cells;
  } cases[] = {
      {"code page 437 glyphs", "A\xE2\x95\x94\xE2\x98\xBA ", "0041 2554 263A 0020"},
      {"a letter code page 437 lacks", "\xD0\x96", "0416 0020 0020 0020"},
      {"a wide character: both cells", "\xE4\xB8\xAD!", "4E2D< 4E2D> 0021 0020"},
      {"a wide character outside the BMP: its stand-in twice", "\xF0\x9F\x98\x80",
       "003F 003F 0020 0020"},
      {"narrow outside the BMP: its stand-in", "\xF0\x9D\x90\x80x", "003F 0078 0020 0020"},
      {"a letter with a mark: its first scalar", "e\xCC\x81", "0065 0020 0020 0020"},
      {"an emoji sequence outside the BMP: stand-ins", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD",
       "003F 003F 0020 0020"},
      {"a wide text-style symbol as emoji", "\xE2\x98\xBA\xEF\xB8\x8F", "263A< 263A> 0020 0020"},
  };
  for (const Case& c : cases) {
    Screen screen(4, 1);
    screen.PrintUtf8(c.utf8);
    EXPECT_EQ(CharInfosOf(screen.Cells().data(), 4), c.cells) << c.what;
  }
}

TEST(ConsoleApiOutput, BrokenPairsShowTheirStandIns) {
  const Cell wide{'?', 0x1E, cell_flag::kWideFirst, 0x4E2D};
  const Cell continuation{' ', 0x1E, cell_flag::kContinuation, 0};
  const Cell a{'a', 0x1E};
  struct Case {
    const char* what;
    std::vector<Cell> row;
    const char* cells;
  } cases[] = {
      {"a pair in its colour", {wide, continuation}, "4E2D</11E 4E2D>/21E"},
      {"a first half at the end of the row", {a, wide}, "0061/1E 003F/1E"},
      {"a first half before a plain cell", {wide, a}, "003F/1E 0061/1E"},
      {"a second half alone", {continuation, a}, "0020/1E 0061/1E"},
      {"a second half after a second half",
       {wide, continuation, continuation},
       "4E2D</11E 4E2D>/21E 0020/1E"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CharInfosOf(c.row.data(), static_cast<int>(c.row.size())), c.cells) << c.what;
}

TEST(ConsoleApiOutput, ClustersTheCellsCannotHoldAreText) {
  const auto texts = [](const char* utf8, CellRect r) {
    Screen screen(8, 2);
    screen.PrintUtf8(utf8);
    std::string out;
    for (const ConsoleText& t : ConsoleTextsIn(screen.Cells(), 8, r)) {
      char one[40];
      std::snprintf(one, sizeof one, "%s%d,%d w%d a%X:", out.empty() ? "" : " ", t.row, t.col,
                    t.width, t.attr);
      out += one;
      for (char16_t u : t.text) {
        std::snprintf(one, sizeof one, "%04X", static_cast<unsigned>(u));
        out += one;
      }
    }
    return out;
  };
  const CellRect all{0, 0, 1, 7};
  struct Case {
    const char* what;
    const char* utf8;  // printed from row 1 column 1 of an 8 by 2 screen
    CellRect rect;
    const char* texts;  // row,col width attr: UTF-16
  } cases[] = {
      {"nothing beyond the cells", "A\xD0\x96\xE4\xB8\xAD", all, ""},
      {"a wide emoji", "a\xF0\x9F\x98\x80", all, "0,1 w2 a7:D83DDE00"},
      {"two in a row are one text", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", all,
       "0,0 w4 a7:D83DDE00D83DDE00"},
      {"a letter with its mark", "xe\xCC\x81", all, "0,1 w1 a7:00650301"},
      {"on the next row", "1234567\xF0\x9F\x98\x80", all, "1,0 w2 a7:D83DDE00"},
      {"in the last column: none",
       "123456\xF0\x9F\x98\x80"
       "1234567\xF0\x9D\x90\x80",
       all, ""},
      {"outside the rectangle", "a\xF0\x9F\x98\x80", {0, 3, 1, 7}, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(texts(c.utf8, c.rect), c.texts) << c.what;
}

}  // namespace
}  // namespace tarvana
