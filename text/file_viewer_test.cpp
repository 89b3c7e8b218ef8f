// The file viewer on the headless console: what a page shows, every key, the
// mouse on the scroll bar, the line-number prompt, and files that cannot be
// shown.

#include "text/file_viewer.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "console/console.h"
#include "testing/headless_test_support.h"
#include "testing/screen_golden.h"
#include "text/file_viewer_state.h"
#include "text/view_test_files.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::NumberedLines;
using test_support::ScreenMatchesGolden;
using test_support::ScreenText;
using test_support::ViewTestFiles;

// The demonstration's viewer window: 20 text rows from row 3, 73 columns from
// column 4, the scroll bar on column 78.
const WindowRec kWindow{2, 2, 23, 78, 1, 2, 0, 6, 112, 31, 30, 27};
constexpr int kUpArrowCol = 75, kDownArrowCol = 76;
constexpr char kBottomLine = '\xC4';
const std::string kMarker = "<End of File>";

std::string LineText(int n) {
  return "Line " + std::to_string(n);
}

class FileViewerTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    UseMouse();
  }
  void UseMouse() { test_support::EnableClicks(); }
  // A fresh console, with the mouse on.
  void FreshConsole() {
    console = &UseHeadlessConsole(80, 25);
    UseMouse();
  }

  // Opens a viewer to drive key by key.
  int Open(const std::string& path, int tabWidth = 8, bool mouse = true) {
    view.reset();
    view.emplace();
    return OpenFileView(*view, path, kWindow, tabWidth, 1, mouse);
  }
  // Hands the named keys (or typed text, or a click) to the open viewer.
  ViewStep Press(std::string_view names) {
    console->QueueKeys(names);
    return Drain();
  }
  ViewStep Type(std::string_view text) {
    console->QueueText(text);
    return Drain();
  }
  ViewStep Click(int row, int col, int button = mouse::kLeft) {
    console->QueueClick(row, col, button);
    return Drain();
  }
  ViewStep Drain() {
    ViewStep did = ViewStep::kRefused;
    for (KeyCode key = InKey(); !key.empty(); key = InKey())
      did = StepFileView(*view, key);
    return did;
  }

  // Runs ViewFile (or KeyViewFile) over the queued input to its end.
  int RunToEnd(const std::string& path, bool keyOnly = false) {
    return keyOnly ? KeyViewFile(path, kWindow, 8, 1) : ViewFile(path, kWindow, 8, 1);
  }

  // Text row r (1-20) of the page, trailing blanks removed.
  std::string PageRow(int r) {
    std::string text = ScreenText(2 + r, 4, 73);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
  }
  bool UpArrow() { return ReadCell(23, kUpArrowCol) == 24; }
  bool DownArrow() { return ReadCell(23, kDownArrowCol) == 25; }
  int ThumbRow() {
    for (int row = 3; row <= 22; ++row)
      if (ReadCell(row, 78) == 219) return row;
    return 0;
  }
  static std::vector<Cell> Screen() {
    std::vector<Cell> cells;
    ReadScreenBlock(cells);
    return cells;
  }

  ViewTestFiles files;
  std::optional<FileView> view;
};

TEST_F(FileViewerTest, ShortFileShowsTheEndMarkerAndScrollsUpToIt) {
  ASSERT_EQ(Open(files.Write("ten.txt", NumberedLines(10))), 0);
  for (int r = 1; r <= 10; ++r)
    EXPECT_EQ(PageRow(r), LineText(r));
  EXPECT_EQ(PageRow(11), kMarker);
  for (int r = 12; r <= 20; ++r)
    EXPECT_EQ(PageRow(r), "") << "row " << r;
  EXPECT_EQ(ScreenText(23, kUpArrowCol, 2), std::string(2, kBottomLine)) << "no arrows";

  for (int down = 1; down <= 12; ++down) {
    EXPECT_EQ(Press("Down"), ViewStep::kDrawn);
    const int top = std::min(down + 1, 11);
    EXPECT_EQ(PageRow(1), top == 11 ? kMarker : LineText(top)) << "after Down " << down;
    EXPECT_EQ(PageRow(12 - top), kMarker);
    EXPECT_TRUE(UpArrow());
    EXPECT_FALSE(DownArrow());
  }
  EXPECT_EQ(console->Beeps(), 0) << "the limits stop silently";
}

TEST_F(FileViewerTest, FirstPageLooksRight) {
  // A relative name keeps the title the same from run to run.
  const std::filesystem::path home = std::filesystem::current_path();
  files.Write("ten.txt", std::string("\tTabbed\n") + NumberedLines(9));
  std::filesystem::current_path(files.Dir());
  const int opened = Open("ten.txt");
  std::filesystem::current_path(home);
  ASSERT_EQ(opened, 0);
  EXPECT_TRUE(ScreenMatchesGolden("text/testdata/viewer_first_page.txt"));
}

TEST_F(FileViewerTest, EndAndHomeOnALongFile) {
  ASSERT_EQ(Open(files.Write("long.txt", NumberedLines(1000))), 0);
  EXPECT_EQ(ThumbRow(), 3);
  Press("End");
  EXPECT_EQ(PageRow(1), kMarker);
  EXPECT_EQ(PageRow(2), "");
  EXPECT_TRUE(UpArrow());
  EXPECT_FALSE(DownArrow());
  EXPECT_EQ(ThumbRow(), 22);

  Press("Up");
  EXPECT_EQ(PageRow(1), LineText(1000));
  EXPECT_FALSE(DownArrow()) << "the end marker is on the page";
  Press("Home");
  EXPECT_EQ(PageRow(1), LineText(1));
  EXPECT_EQ(PageRow(20), LineText(20));
  EXPECT_FALSE(UpArrow());
  EXPECT_TRUE(DownArrow());
  EXPECT_EQ(ThumbRow(), 3);
}

TEST_F(FileViewerTest, EveryMovingKey) {
  const std::string path = files.Write("long.txt", NumberedLines(1000));
  struct Case {
    const char* keys;
    int top;  // 1001 is the end marker
  };
  const Case cases[] = {
      {"Down", 2},
      {"Down Down Up", 2},
      {"Up", 1},
      {"PgDn", 21},
      {"PgDn PgDn PgUp", 21},
      {"PgUp", 1},
      {"End PgUp", 981},
      {"End Up Up", 999},
      {"End PgDn", 1001},
      {"End Down", 1001},
      {"End Home Down", 2},
      {"PgDn PgDn PgDn Up", 60},
      {"End PgUp PgUp PgUp PgUp PgUp PgUp Up Up", 879},
      {"End PgUp PgUp Down Down PgDn PgDn PgDn", 1001},
  };
  for (const Case& c : cases) {
    FreshConsole();
    ASSERT_EQ(Open(path), 0);
    Press(c.keys);
    EXPECT_EQ(PageRow(1), c.top == 1001 ? kMarker : LineText(c.top)) << c.keys;
    for (int r = 2; r <= 20 && c.top + r - 1 <= 1000; ++r)
      ASSERT_EQ(PageRow(r), LineText(c.top + r - 1)) << c.keys << " row " << r;
    EXPECT_EQ(UpArrow(), c.top > 1) << c.keys;
    EXPECT_EQ(DownArrow(), c.top + 20 <= 1001) << c.keys;
    EXPECT_EQ(console->Beeps(), 0) << c.keys;
  }
}

TEST_F(FileViewerTest, RightAndLeftScrollByTenColumns) {
  std::string line;
  for (int i = 1; i <= 200; ++i)
    line += static_cast<char>('!' + i % 90);
  ASSERT_EQ(Open(files.Write("wide.txt", line + "\nshort\n")), 0);
  Press("Right Right Right");
  EXPECT_EQ(PageRow(1), line.substr(30, 73));
  EXPECT_EQ(PageRow(2), "") << "a shorter line scrolls away";
  EXPECT_EQ(PageRow(3), "") << "so does the end marker";

  Press("Left Left Left Left");
  EXPECT_EQ(PageRow(1), line.substr(0, 73));
  EXPECT_EQ(PageRow(2), "short");

  for (int i = 0; i < 20; ++i)
    Press("Right");
  EXPECT_EQ(PageRow(1), "") << "no limit to the right";
  Press("Left");
  EXPECT_EQ(PageRow(1), line.substr(190));
  EXPECT_EQ(console->Beeps(), 0);
}

TEST_F(FileViewerTest, TabsExpandToTheTabWidth) {
  struct Case {
    const char* line;
    int width;
    const char* expanded;
  };
  const Case cases[] = {
      {"a\tb", 8, "a       b"},
      {"\t", 4, "    "},
      {"abcd\tx", 4, "abcd    x"},
      {"ab\t\tc", 3, "ab    c"},
      {"a\tb", 1, "a b"},
      {"a\tb", -1, "a\tb"},
      {"a\tb", 0, "a\tb"},
      {"no tab", 8, "no tab"},
      {"", 8, ""},
      {"abcdefgh\t|", 8, "abcdefgh        |"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ExpandTabs(c.line, c.width), c.expanded) << c.line << " width " << c.width;

  const std::string path = files.Write("tabs.txt", "a\tb\n\tx\n");
  ASSERT_EQ(Open(path, 8), 0);
  EXPECT_EQ(PageRow(1), "a       b");
  EXPECT_EQ(PageRow(2), "        x");
  ASSERT_EQ(Open(path, -1), 0);
  EXPECT_EQ(PageRow(1), "a\tb") << "tab width -1 shows the tab character";
}

TEST_F(FileViewerTest, AltLGoesToALine) {
  const std::string path = files.Write("hundred.txt", NumberedLines(100));
  struct Case {
    const char* typed;
    std::string top;
  };
  const Case cases[] = {
      {"120", kMarker},          {"50", LineText(50)},
      {"101", kMarker},          {"100", LineText(100)},
      {"0", LineText(1)},        {"-5", LineText(1)},
      {"abc", LineText(1)},      {"", LineText(1)},
      {" 7 lines", LineText(7)}, {"99999999999999999999999", kMarker},
  };
  for (const Case& c : cases) {
    FreshConsole();
    ASSERT_EQ(Open(path), 0);
    Press("PgDn");
    EXPECT_EQ(Press("Alt+L"), ViewStep::kTyping);
    Type(c.typed);
    EXPECT_EQ(Press("Enter"), ViewStep::kDrawn);
    EXPECT_EQ(PageRow(1), c.top) << c.typed;
    EXPECT_EQ(ScreenText(23, 4, 71), std::string(71, kBottomLine)) << c.typed;
    EXPECT_EQ(ReadCell(23, 77), static_cast<unsigned char>(kBottomLine)) << c.typed;
  }
}

TEST_F(FileViewerTest, AltLBeforeTheEndIsKnown) {
  const std::string path = files.Write("big.txt", NumberedLines(200000));
  struct Case {
    const char* keys;
    std::string top;
  };
  const Case cases[] = {
      {"Alt+L 1 5 0 0 0 0 Enter", LineText(150000)},
      {"Alt+L 2 0 0 0 0 1 Enter", kMarker},
      {"Alt+L 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 Enter", kMarker},
      {"PgDn PgDn Alt+L 4 0 Enter", LineText(40)},
  };
  for (const Case& c : cases) {
    FreshConsole();
    ASSERT_EQ(Open(path), 0);
    ASSERT_FALSE(view->file.EndKnown()) << "the file is larger than the first read";
    Press(c.keys);
    EXPECT_EQ(PageRow(1), c.top) << c.keys;
    EXPECT_EQ(UpArrow(), true) << c.keys;
  }
}

TEST_F(FileViewerTest, LineNumberInputStopsAtTheRightFrame) {
  ASSERT_EQ(Open(files.Write("hundred.txt", NumberedLines(100))), 0);
  const std::vector<Cell> opened = Screen();
  Press("Alt+L");
  EXPECT_EQ(ScreenText(23, 4, 13), "Line number? ");
  EXPECT_EQ(ReadCellColor(23, 4), 30);
  EXPECT_EQ(CursorRow(), 23);
  EXPECT_EQ(CursorCol(), 17);

  // 61 characters fit between the prompt and the right frame; more beep.
  EXPECT_EQ(Type(std::string(70, '9')), ViewStep::kRefused);
  EXPECT_EQ(ScreenText(23, 17, 61), std::string(61, '9'));
  EXPECT_EQ(ReadCellColor(23, 77), 30);
  EXPECT_EQ(ReadCell(23, 78), 217) << "the corner stays";
  EXPECT_EQ(console->Beeps(), 9);
  const std::vector<Cell> typed = Screen();
  EXPECT_TRUE(std::equal(typed.begin() + 23 * 80, typed.end(), opened.begin() + 23 * 80))
      << "nothing wrapped onto the rows below";

  Press("Enter");
  EXPECT_EQ(PageRow(1), kMarker);
  EXPECT_EQ(ScreenText(23, 3, 76),
            std::string(72, kBottomLine) + '\x18' + kBottomLine + kBottomLine + '\xD9');

  // Backspace takes characters back; other keys go nowhere while typing.
  Press("Alt+L 4 5 6 Backspace Backspace Down Esc F1");
  EXPECT_EQ(ScreenText(23, 17, 3), "4  ");
  Press("2 Enter");
  EXPECT_EQ(PageRow(1), LineText(42));
  EXPECT_EQ(console->Beeps(), 9);
}

TEST_F(FileViewerTest, ClicksOnTheScrollBarPage) {
  ASSERT_EQ(Open(files.Write("long.txt", NumberedLines(1000))), 0);
  EXPECT_EQ(Click(3, 78), ViewStep::kRefused) << "on the thumb";
  EXPECT_EQ(console->Beeps(), 1);
  EXPECT_EQ(PageRow(1), LineText(1));

  EXPECT_EQ(Click(12, 78), ViewStep::kDrawn);
  EXPECT_EQ(PageRow(1), LineText(21));

  Press("End");
  EXPECT_EQ(Click(12, 78), ViewStep::kDrawn) << "above the thumb, now at the bottom";
  EXPECT_EQ(PageRow(1), LineText(981));

  for (const auto& [row, col] : {std::pair{12, 40}, {2, 78}, {23, 78}, {12, 77}})
    EXPECT_EQ(Click(row, col), ViewStep::kRefused) << row << "," << col;
  EXPECT_EQ(console->Beeps(), 5);
  EXPECT_EQ(PageRow(1), LineText(981));
  EXPECT_EQ(Click(12, 12, mouse::kRight), ViewStep::kClosed);
}

TEST_F(FileViewerTest, TheWheelScrollsThreeLinesATurn) {
  ASSERT_EQ(Open(files.Write("long.txt", NumberedLines(1000))), 0);
  const auto turn = [&](int wheel) {
    InputEvent e;
    e.kind = InputEvent::Kind::kWheel;
    e.wheel = wheel;
    return StepFileView(*view, e);
  };
  EXPECT_EQ(turn(1), ViewStep::kDrawn);
  EXPECT_EQ(turn(1), ViewStep::kDrawn);
  EXPECT_EQ(PageRow(1), LineText(7));
  turn(-1);
  EXPECT_EQ(PageRow(1), LineText(4));
  turn(-1);
  turn(-1);
  EXPECT_EQ(PageRow(1), LineText(1)) << "held at the first line";
  ASSERT_EQ(Open(files.Write("long.txt", NumberedLines(1000)), 8, false), 0);
  EXPECT_EQ(turn(1), ViewStep::kRefused) << "KeyViewFile knows no mouse";
}

TEST_F(FileViewerTest, EscAndTheRightButtonCloseAndRestoreTheScreen) {
  const std::string path = files.Write("long.txt", NumberedLines(1000));
  for (int row = 1; row <= 25; ++row) {
    SetColor(row % 16, row % 8);
    Locate(row, 1);
    PrintText(std::string(80, static_cast<char>('A' + row)));
  }
  const std::vector<Cell> before = Screen();
  console->QueueKeys("PgDn Right End Alt+L 5 Enter Esc");
  EXPECT_EQ(RunToEnd(path), 0);
  EXPECT_TRUE(Screen() == before);
  EXPECT_EQ(console->Queued(), 0u);

  console->QueueKeys("PgDn");
  console->QueueClick(10, 10, mouse::kRight);
  EXPECT_EQ(RunToEnd(path), 0);
  EXPECT_TRUE(Screen() == before);
  EXPECT_EQ(console->Queued(), 0u);
}

TEST_F(FileViewerTest, KeyViewFileBeepsOnTheMouse) {
  const std::string path = files.Write("long.txt", NumberedLines(1000));
  console->QueueClick(12, 78);
  console->QueueClick(12, 78, mouse::kRight);
  console->QueueKeys("Down");
  try {
    RunToEnd(path, true);
    FAIL() << "closed on a click";
  } catch (const HeadlessInputExhausted&) {
  }
  EXPECT_EQ(console->Beeps(), 2);
  EXPECT_EQ(PageRow(1), LineText(2));
  console->QueueKeys("Esc");
  EXPECT_EQ(RunToEnd(path, true), 0);
}

TEST_F(FileViewerTest, KeysWithoutMeaningBeepAndChangeNothing) {
  ASSERT_EQ(Open(files.Write("ten.txt", NumberedLines(10))), 0);
  const std::vector<Cell> opened = Screen();
  for (const char* key : {"x", "Enter", "F1", "Ins", "Tab", "Ctrl+Y"})
    EXPECT_EQ(Press(key), ViewStep::kRefused) << key;
  EXPECT_EQ(console->Beeps(), 6);
  EXPECT_TRUE(Screen() == opened);
}

TEST_F(FileViewerTest, LineEndsAndLastLines) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"crlf", "one\r\ntwo\r\n", {"one", "two", kMarker}},
      {"no final line end", "one\ntwo", {"one", "two", kMarker}},
      {"lone cr", "a\rb\n", {"a\rb", kMarker}},
      {"only a line end", "\n", {"", kMarker}},
      {"blank lines", "\r\n\r\nx", {"", "", "x", kMarker}},
  };
  for (const Case& c : cases) {
    FreshConsole();
    ASSERT_EQ(Open(files.Write("f.txt", c.text)), 0) << c.name;
    for (std::size_t r = 0; r < c.rows.size(); ++r)
      EXPECT_EQ(PageRow(r + 1), c.rows[r]) << c.name << " row " << r + 1;
    EXPECT_EQ(PageRow(c.rows.size() + 1), "") << c.name;
  }
}

TEST_F(FileViewerTest, FilesThatCannotBeShownDrawNothing) {
  const std::string locked = files.Write("locked.txt", "secret\n");
  std::filesystem::permissions(locked, std::filesystem::perms::none);
  struct Case {
    std::string path;
    int result;
  };
  std::vector<Case> cases = {
      {files.Path("missing.txt"), -1},
      {files.Dir(), -1},
      {"/dev/null", -1},
      {"", -1},
      {files.Write("empty.txt", ""), -2},
      {files.Path("empty.txt") + std::string(1, '\0'), -1},
  };
  // Root, and Windows (where no permission forbids reading), read it all the same.
  if (!std::ifstream(locked)) cases.push_back({locked, -1});
#ifndef _WIN32
  // Reading a FIFO would wait for, or take, another program's output.
  if (mkfifo(files.Path("fifo").c_str(), 0600) == 0) cases.push_back({files.Path("fifo"), -1});
#endif
  for (const Case& c : cases) {
    FreshConsole();
    console->QueueKeys("Esc");
    const std::vector<Cell> before = Screen();
    EXPECT_EQ(RunToEnd(c.path), c.result) << c.path;
    EXPECT_EQ(KeyViewFile(c.path, kWindow, 8, 1), c.result) << c.path;
    EXPECT_TRUE(Screen() == before) << c.path;
    EXPECT_EQ(console->Queued(), 1u) << "no key read";
  }
}

// Linux's /proc files read as 0 bytes long yet have contents, made as they
// are read: the viewer shows them like any file, up to the end marker.
TEST_F(FileViewerTest, FilesWhoseSizeReadsZeroAreShown) {
  int shown = 0;
  for (const char* path : {"/proc/version", "/proc/cpuinfo", "/proc/self/maps"}) {
    std::error_code error;
    if (std::filesystem::file_size(path, error) != 0 || error) continue;
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    if (lines.empty()) continue;
    FreshConsole();
    EXPECT_THROW(ViewFile(path, kWindow, -1, 1), HeadlessInputExhausted)
        << path << ": shown, waiting for a key";
    std::string first = lines[0].substr(0, 73);
    first.erase(first.find_last_not_of(' ') + 1);
    EXPECT_EQ(PageRow(1), first) << path;
    if (lines.size() < 20) {
      EXPECT_EQ(PageRow(lines.size() + 1), kMarker) << path;
    }
    ++shown;
  }
  if (shown == 0) GTEST_SKIP() << "no file here reads as 0 bytes long with contents";
}

// Windows that leave no row or column of text, or do not lie on the screen,
// are refused like a file that cannot be read: -1, nothing drawn, no key read.
TEST_F(FileViewerTest, WindowsThatCannotShowTextDrawNothing) {
  const std::string path = files.Write("ten.txt", NumberedLines(10));
  const struct {
    int top, left, bottom, right;
  } cases[] = {
      {10, 2, 10, 78},  // one row: the scroll bar's rows run backwards
      {10, 2, 11, 78},  // frame rows only
      {12, 2, 10, 78},  // rows swapped
      {2, 10, 23, 13},  // no text column
      {2, 78, 23, 2},   // columns swapped
      {0, 2, 23, 78},   // top frame above the screen
      {2, 2, 26, 78},   // bottom frame below it
      {2, 0, 23, 78},   // left frame left of it
      {2, 2, 23, 81},   // right frame right of it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.top << "," << c.left << " to " << c.bottom << "," << c.right);
    FreshConsole();
    console->QueueKeys("Esc");
    WindowRec w = kWindow;
    w.Top = c.top, w.Left = c.left, w.Bottom = c.bottom, w.Right = c.right;
    const std::vector<Cell> before = Screen();
    EXPECT_EQ(ViewFile(path, w, 8, 1), -1);
    EXPECT_EQ(KeyViewFile(path, w, 8, 0), -1);
    view.emplace();
    EXPECT_EQ(OpenFileView(*view, path, w, 8, 1, true), -1);
    EXPECT_TRUE(Screen() == before);
    EXPECT_EQ(console->Queued(), 1u) << "no key read";
  }
}

TEST_F(FileViewerTest, TheNarrowestWindowShowsOneCharacterAndKeepsItsFrame) {
  const WindowRec narrow{10, 10, 12, 14, 1, 0, 0, 0, 0, 31, 30, 27};  // 1 row, 1 column
  view.emplace();
  ASSERT_EQ(OpenFileView(*view, files.Write("t.txt", "abc\ndef\n"), narrow, 8, 1, true), 0);
  EXPECT_EQ(ScreenText(11, 10, 5), "\xB3 a \xDB") << "the thumb fills the one-row bar";
  EXPECT_EQ(ScreenText(12, 10, 5), "\xC0\xC4\x19\xC4\xD9") << "the down arrow";
  Press("Down Down Alt+L 1 Enter");
  EXPECT_EQ(ScreenText(11, 10, 5), "\xB3 a \xDB");
  EXPECT_EQ(ScreenText(12, 10, 5), "\xC0\xC4\x19\xC4\xD9") << "the frame read when it opened";
}

TEST_F(FileViewerTest, LinesPastSixteenBitNumbersAndTheRealEnd) {
  ASSERT_EQ(Open(files.Write("big.txt", NumberedLines(40000))), 0);
  Press("End Up");
  EXPECT_EQ(PageRow(1), LineText(40000));
  EXPECT_EQ(PageRow(2), kMarker);

  Press("Alt+L 3 2 7 6 7 Enter");
  EXPECT_EQ(PageRow(1), LineText(32767));
  EXPECT_EQ(PageRow(20), LineText(32786));
  EXPECT_TRUE(DownArrow());
}

TEST_F(FileViewerTest, PagesTallerThanFiftyLines) {
  console = &UseHeadlessConsole(100, 80);
  view.emplace();
  const WindowRec tall{1, 1, 80, 60, 1, 2, 0, 0, 0, 31, 30, 27};  // 78 text rows
  ASSERT_EQ(OpenFileView(*view, files.Write("long.txt", NumberedLines(300)), tall, 8, 1, true), 0);
  Press("PgDn PgDn Down");
  EXPECT_EQ(ScreenText(2, 3, 8), "Line 158");
  EXPECT_EQ(ScreenText(79, 3, 8), "Line 235");
  Press("End Up PgUp");
  EXPECT_EQ(ScreenText(2, 3, 8), "Line 222");
  EXPECT_EQ(ScreenText(79, 3, 8), "Line 299");
}

}  // namespace
}  // namespace tarvana
