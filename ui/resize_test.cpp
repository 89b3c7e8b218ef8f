// The modern layer's boxes follow the screen to a new size: re-centred,
// showing more or fewer rows, off the screen while it is too small, and the
// screen under them right once they close.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/screen_save.h"
#include "testing/headless_test_support.h"
#include "ui/list.h"
#include "ui/popup.h"
#include "ui/screen_size.h"
#include "ui/text.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::HeadlessTest;
using tarvana::test_support::RowUtf8;

class ResizeTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetFollowTerminalSize(true);
  }
  // Resizes the device and reads the event the program gets for it.
  void Resize(int cols, int rows) {
    console->QueueResize(cols, rows);
    ASSERT_EQ(WaitEvent().kind, InputEvent::Kind::kResize);
    ASSERT_EQ(ScreenSize().cols, cols);
    ASSERT_EQ(ScreenSize().rows, rows);
  }
};

// The first cell that is not a blank, row by row: a box's top-left corner on a
// blank screen. {0, 0} for a blank screen.
std::pair<int, int> Corner() {
  for (int row = 1; row <= ScreenHeight(); ++row)
    for (int col = 1; col <= ScreenWidth(); ++col)
      if (ReadCell(row, col) != ' ') return {row, col};
  return {0, 0};
}

std::string Screen() {
  std::string shown;
  for (int row = 1; row <= ScreenHeight(); ++row)
    shown += RowUtf8(row) + "\n";
  return shown;
}

bool Blank() {
  return Corner() == std::pair{0, 0};
}

TEST_F(ResizeTest, ACentredListIsCentredAgainAndShowsTheRowsThereIsRoomFor) {
  std::vector<std::string> items;
  for (int i = 1; i <= 30; ++i)
    items.push_back("item " + std::to_string(i));
  List list(items, {.title = "Items"});
  const auto [row, col] = Corner();
  const struct {
    int cols, rows;
    int shown;  // item rows in the box
  } sizes[] = {{100, 30, 15}, {60, 12, 10}, {80, 25, 15}};
  for (const auto& s : sizes) {
    Resize(s.cols, s.rows);
    const int height = s.shown + 2;
    const int expectRow = (s.rows - height) / 2 + 1;
    EXPECT_EQ(Corner().first, expectRow) << s.cols << "x" << s.rows << "\n" << Screen();
    EXPECT_EQ(Corner().second - col, (s.cols - 80) / 2) << s.cols << "x" << s.rows;
    EXPECT_NE(RowUtf8(expectRow + s.shown).find("item " + std::to_string(s.shown)),
              std::string::npos)
        << s.cols << "x" << s.rows << "\n"
        << Screen();
  }
  EXPECT_EQ(Corner(), (std::pair{row, col})) << "back at the first size, back in place";
  console->QueueKeys("Down Down");
  list.Handle(WaitKeyEvent());
  list.Handle(WaitKeyEvent());
  Resize(70, 20);
  EXPECT_EQ(list.Current(), 2u) << "the highlight is kept";
}

TEST_F(ResizeTest, TheScreenUnderNestedBoxesComesBackAfterTheyClose) {
  Print(1, 1, "a status line the program drew", 0x07);
  const ScreenSave before = SaveScreen();
  {
    Popup popup(5, 30, "Note");
    popup.Print(1, 1, "kept across the change");
    List list({"one", "two", "three"}, {.row = 3, .col = 60});
    Resize(72, 20);
    EXPECT_NE(Screen().find("kept across the change"), std::string::npos) << Screen();
    EXPECT_NE(Screen().find("three"), std::string::npos) << "moved left to fit\n" << Screen();
    Resize(80, 25);
  }
  EXPECT_TRUE(SaveScreen().Cells() == before.Cells()) << Screen();
}

TEST_F(ResizeTest, ABoxOffATooSmallScreenComesBackWhenItFits) {
  {
    Popup popup(10, 40, "Big");
    popup.Print(0, 0, "still here");
    Resize(30, 8);
    EXPECT_TRUE(Blank()) << "no half box on a screen too small\n" << Screen();
    popup.Print(1, 0, "not shown");
    Resize(80, 25);
    EXPECT_NE(Screen().find("still here"), std::string::npos) << Screen();
  }
  EXPECT_TRUE(Blank()) << Screen();
}

TEST_F(ResizeTest, AScreenThatDoesNotFollowKeepsItsSize) {
  SetFollowTerminalSize(false);
  Popup popup(3, 20);
  const auto corner = Corner();
  console->QueueResize(100, 30);
  EXPECT_EQ(WaitEvent().kind, InputEvent::Kind::kResize);
  EXPECT_EQ(ScreenSize().cols, 80);
  EXPECT_EQ(ScreenSize().rows, 25);
  EXPECT_EQ(Corner(), corner);
}

}  // namespace
}  // namespace tarvana::ui
