// The Windows console backend on a real console: records written into the
// console's input come out as the right KeyCodes, a presented screen reads
// back cell for cell, and the user's buffer and input mode come back. These
// need a console: under wine there is one only in a terminal, so ctest runs
// them again in a pseudo-terminal (console.WindowsBackendInAConsole).

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>

#include "console/cp437.h"
#include "console/input_record.h"
#include "console/key_translate.h"
#include "console/screen.h"
#include "console/terminal_backend.h"

namespace tarvana {
namespace {

class WindowsConsoleBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    DWORD mode;
    if (!GetConsoleMode(in, &mode)) GTEST_SKIP() << "no console here";
    FlushConsoleInputBuffer(in);
  }

  void Inject(std::initializer_list<INPUT_RECORD> records) {
    for (const INPUT_RECORD& r : records) {
      DWORD written = 0;
      ASSERT_TRUE(WriteConsoleInputW(in, &r, 1, &written));
    }
  }

  // The KeyCodes of everything waiting, through the backend.
  std::vector<KeyCode> Keys(ConsoleBackend& backend, MouseState& mouse) {
    std::deque<InputRecord> queue;
    backend.ReadInput(queue, 0);
    std::vector<KeyCode> keys;
    for (const InputRecord& r : queue)
      if (KeyCode k = TranslateRecord(r, mouse); !k.empty()) keys.push_back(k);
    return keys;
  }

  // The cells of the screen buffer the console shows now, row by row.
  std::vector<CHAR_INFO> ShownCells(SHORT cols, SHORT rows) {
    std::vector<CHAR_INFO> cells(static_cast<size_t>(cols) * rows);
    HANDLE shown =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(shown, INVALID_HANDLE_VALUE);
    SMALL_RECT all{0, 0, static_cast<SHORT>(cols - 1), static_cast<SHORT>(rows - 1)};
    EXPECT_TRUE(ReadConsoleOutputW(shown, cells.data(), COORD{cols, rows}, COORD{0, 0}, &all));
    CloseHandle(shown);
    return cells;
  }

  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
};

INPUT_RECORD Key(WORD vk, WORD scan, wchar_t ch, DWORD state = 0) {
  INPUT_RECORD r{};
  r.EventType = KEY_EVENT;
  r.Event.KeyEvent = {TRUE, 1, vk, scan, {}, state};
  r.Event.KeyEvent.uChar.UnicodeChar = ch;
  return r;
}

INPUT_RECORD Mouse(SHORT x, SHORT y, DWORD buttons, DWORD flags = 0) {
  INPUT_RECORD r{};
  r.EventType = MOUSE_EVENT;
  r.Event.MouseEvent = {{x, y}, buttons, 0, flags};
  return r;
}

TEST_F(WindowsConsoleBackend, InjectedRecordsBecomeKeyCodes) {
  auto backend = MakeTerminalBackend();
  backend->SetMouseReporting(true);
  MouseState mouse;
  mouse.on = true;
  mouse.buttonMask = 7;
  mouse.eventMask = 15;
  Inject({Key('A', 30, L'a'), Key('L', 38, L'l', LEFT_ALT_PRESSED),
          Key(VK_TAB, 15, L'\t', SHIFT_PRESSED), Key(VK_F11, 87, 0), Key(VK_F12, 88, 0),
          Key('C', 46, 3, LEFT_CTRL_PRESSED), Mouse(9, 4, FROM_LEFT_1ST_BUTTON_PRESSED),
          Mouse(9, 4, 0), Mouse(9, 4, FROM_LEFT_1ST_BUTTON_PRESSED, DOUBLE_CLICK)});
  const std::vector<KeyCode> expected = {"a",
                                         ExtendedKey(38),
                                         ExtendedKey(scan::kBackTab),
                                         ExtendedKey(scan::kF11),
                                         ExtendedKey(scan::kF12),
                                         "\x03",
                                         MouseKey(mouse::kPressed, 1),
                                         MouseKey(mouse::kReleased, 1),
                                         MouseKey(mouse::kDoubleClick, 1)};
  EXPECT_EQ(Keys(*backend, mouse), expected);
  EXPECT_EQ(mouse.row, 5);
  EXPECT_EQ(mouse.col, 10);

  EXPECT_TRUE(Keys(*backend, mouse).empty()) << "nothing is left";
  std::deque<InputRecord> none;
  backend->ReadInput(none, 30);
  for (const InputRecord& r : none)
    EXPECT_TRUE(TranslateRecord(r, mouse).empty()) << "a wait with a time limit ends with no key";
}

TEST_F(WindowsConsoleBackend, APresentedScreenReadsBackCellForCell) {
  auto backend = MakeTerminalBackend();
  backend->SetFullScreen(true);
  Screen screen(80, 25);
  screen.SetColor(14, 1);
  screen.Locate(3, 4);
  screen.PrintText("Tarvana \xC9\xCD\xBB \x01");
  backend->Present(screen);
  screen.Locate(25, 70);
  screen.SetColor(0, 7);
  screen.PrintText("end");
  backend->Present(screen);

  const std::vector<CHAR_INFO> cells = ShownCells(80, 25);
  int wrong = 0;
  for (int row = 1; row <= 25; ++row) {
    for (int col = 1; col <= 80; ++col) {
      const Cell& want = screen.At(row, col);
      const CHAR_INFO& got = cells[(row - 1) * 80 + (col - 1)];
      if (got.Char.UnicodeChar != static_cast<WCHAR>(Cp437ToUnicode(want.ch)) ||
          got.Attributes != want.attr) {
        EXPECT_LT(++wrong, 5) << "row " << row << " col " << col;
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  HANDLE shown =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(shown, INVALID_HANDLE_VALUE);
  CONSOLE_SCREEN_BUFFER_INFO info;
  ASSERT_TRUE(GetConsoleScreenBufferInfo(shown, &info));
  EXPECT_EQ(info.dwCursorPosition.X, 72);
  EXPECT_EQ(info.dwCursorPosition.Y, 24);
  CloseHandle(shown);
}

// The console holds exactly the attributes drawn, whatever a terminal shows
// of them: wine writes a light-grey foreground to its terminal as a colour
// reset, so grey-on-grey cells and those after them show on black there,
// while the buffer keeps them. Row 1 is a row of the windowing screen's last
// window; row 2 on, every attribute in turn.
TEST_F(WindowsConsoleBackend, EveryAttributeReadsBackAsDrawn) {
  struct Run {
    const char* what;
    ColorAttr attr;
    std::uint8_t ch;
    wchar_t shown;
    int count;
  };
  const Run windowRow[] = {
      {"black-on-grey background", 0x70, ' ', L' ', 2},
      {"attribute shadow", 0x07, 'x', L'x', 1},
      {"white-on-grey frame", 0x7F, 0xB3, L'\x2502', 1},
      {"grey-on-grey interior", 0x77, ' ', L' ', 12},
      {"yellow-on-grey title letter", 0x7E, 'D', L'D', 1},
      {"block shadow", 0x70, 0xDB, L'\x2588', 1},
      {"black-on-grey background after the window", 0x70, ' ', L' ', 3},
      {"grey-on-grey after grey-on-black", 0x77, ' ', L' ', 2},
      {"grey-on-black after grey-on-grey", 0x07, ' ', L' ', 2},
  };
  auto backend = MakeTerminalBackend();
  backend->SetFullScreen(true);
  Screen screen(80, 25);
  int col = 1;
  for (const Run& run : windowRow)
    for (int i = 0; i < run.count; ++i)
      screen.At(1, col++) = Cell{run.ch, run.attr};
  for (int attr = 0; attr < 256; ++attr)
    screen.At(2 + attr / 80, 1 + attr % 80) = Cell{'A', static_cast<ColorAttr>(attr)};
  backend->Present(screen);

  const std::vector<CHAR_INFO> cells = ShownCells(80, 25);
  col = 1;
  for (const Run& run : windowRow) {
    for (int i = 0; i < run.count; ++i, ++col) {
      const CHAR_INFO& got = cells[col - 1];
      EXPECT_EQ(got.Attributes, static_cast<int>(run.attr)) << run.what << " at column " << col;
      EXPECT_EQ(got.Char.UnicodeChar, run.shown) << run.what << " at column " << col;
    }
  }
  std::ostringstream wrong;
  for (int attr = 0; attr < 256; ++attr) {
    const CHAR_INFO& got = cells[80 + attr];
    if (got.Attributes != attr || got.Char.UnicodeChar != L'A')
      wrong << std::hex << " 0x" << attr << " read back as 0x" << got.Attributes << ";";
  }
  EXPECT_EQ(wrong.str(), "") << "attributes not kept";
}

// Characters of any script through the console's records: a surrogate pair
// is one character, and each record keeps the character typed.
TEST_F(WindowsConsoleBackend, TypedCharactersOfAnyScriptKeepTheirText) {
  auto backend = MakeTerminalBackend();
  INPUT_RECORD highUp = Key(VK_PACKET, 0, 0xD83D), lowUp = Key(VK_PACKET, 0, 0xDE00);
  highUp.Event.KeyEvent.bKeyDown = lowUp.Event.KeyEvent.bKeyDown = FALSE;
  Inject({Key(VK_PACKET, 0, 0xD83D), highUp, Key(VK_PACKET, 0, 0xDE00), lowUp,
          Key('E', 18, 0x20AC, RIGHT_ALT_PRESSED | LEFT_CTRL_PRESSED), Key(0, 0, 0x00E9),
          Key(0, 0, 0x4E2D)});
  std::deque<InputRecord> queue;
  backend->ReadInput(queue, 0);
  std::ostringstream got;
  for (const InputRecord& r : queue)
    got << (r.kind == InputRecord::Kind::kUnshowable ? "U" : "K") << std::hex << int{r.key.ch}
        << "+" << static_cast<unsigned>(r.key.text) << " ";
  EXPECT_EQ(got.str(), "U0+1f600 K45+20ac K82+0 U0+4e2d ");
}

// Text the console's cells cannot hold, as wine's console keeps it: one
// UTF-16 unit a cell, so a wide character outside the Basic Multilingual
// Plane is its two halves, while a cluster that wine lays out wider than the
// screen does (a letter with a mark, a narrow character outside the plane)
// keeps its stand-in, and so does one in the last column.
TEST_F(WindowsConsoleBackend, TextOfAnyScriptReadsBackAsTheConsoleHoldsIt) {
  auto backend = MakeTerminalBackend();
  backend->SetFullScreen(true);
  Screen screen(80, 25);
  screen.SetColor(14, 1);
  screen.PrintUtf8(
      "\xD0\x96\xE4\xB8\xAD\xF0\x9F\x98\x80 e\xCC\x81 \xF0\x9D\x90\x80 "
      "\xF0\x9F\x98\x80\xF0\x9F\x98\x80.");
  screen.Locate(2, 79);
  screen.PrintUtf8("\xF0\x9F\x98\x80");
  backend->Present(screen);

  std::vector<CHAR_INFO> cells = ShownCells(80, 25);
  const auto row = [&](int r, int from, int count) {
    std::ostringstream out;
    for (int col = from; col < from + count; ++col) {
      const CHAR_INFO& c = cells[r * 80 + col];
      out << std::hex << static_cast<unsigned>(c.Char.UnicodeChar) << "/" << c.Attributes << " ";
    }
    return out.str();
  };
  EXPECT_EQ(row(0, 0, 15),
            "416/1e 4e2d/11e 4e2d/21e d83d/1e de00/1e 20/1e 65/1e 20/1e 3f/1e 20/1e "
            "d83d/1e de00/1e d83d/1e de00/1e 2e/1e ");
  EXPECT_EQ(row(1, 78, 2), "3f/1e 3f/1e ");

  // A frame that changes cells on both sides of the text writes it again.
  screen.Locate(1, 1);
  screen.PrintText("Z");
  screen.Locate(1, 16);
  screen.PrintText("!");
  backend->Present(screen);
  cells = ShownCells(80, 25);
  EXPECT_EQ(row(0, 0, 1) + row(0, 3, 2) + row(0, 15, 1), "5a/1e d83d/1e de00/1e 21/1e ");
}

TEST_F(WindowsConsoleBackend, TheUsersBufferAndInputModeComeBack) {
  HANDLE user = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(user, INVALID_HANDLE_VALUE);
  DWORD modeBefore = 0;
  ASSERT_TRUE(GetConsoleMode(in, &modeBefore));
  CHAR_INFO mark{};
  mark.Char.UnicodeChar = L'M';
  mark.Attributes = 0x4F;
  SMALL_RECT at{0, 0, 0, 0};
  ASSERT_TRUE(WriteConsoleOutputW(user, &mark, COORD{1, 1}, COORD{0, 0}, &at));
  {
    auto backend = MakeTerminalBackend();
    backend->SetMouseReporting(true);
    backend->SetFullScreen(true);
    Screen screen(80, 25);
    backend->Present(screen);
  }
  DWORD modeAfter = 0;
  ASSERT_TRUE(GetConsoleMode(in, &modeAfter));
  EXPECT_EQ(modeAfter, modeBefore);
  HANDLE active =
      CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(active, INVALID_HANDLE_VALUE);
  CHAR_INFO back{};
  SMALL_RECT from{0, 0, 0, 0};
  ASSERT_TRUE(ReadConsoleOutputW(active, &back, COORD{1, 1}, COORD{0, 0}, &from));
  EXPECT_EQ(back.Char.UnicodeChar, L'M') << "the user's buffer is active again";
  EXPECT_EQ(back.Attributes, 0x4F);
  CloseHandle(active);
  CloseHandle(user);
}

}  // namespace
}  // namespace tarvana
