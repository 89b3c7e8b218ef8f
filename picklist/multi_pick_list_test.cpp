// The multi-pick list: flags by the caller's index, the mark and the mark
// colour, toggling with Enter and clicks, and the keyboard-only twin.

#include "picklist/multi_pick_list.h"

#include <gtest/gtest.h>

#include "picklist/picklist_test_support.h"

namespace tarvana {
namespace {

using namespace picklist_test;
using test_support::ScreenText;

constexpr ColorAttr kMarkColor = 30;  // yellow on blue
constexpr ColorAttr kFill = 31;
constexpr ColorAttr kMultiBar = 113;
constexpr char kMark[] = "\xFB";

// The multi-pick demonstration's window: rows 11 to 22, 10 interior rows.
WindowRec MultiWindow() {
  return {11, 20, 22, 0, 1, 2, 0, 2, 7, 31, 30, 27};
}

class MultiPickListTest : public PickListFixture {
 protected:
  void Run(int sortOrder = 1) {
    MultiPickList(animals, flags, sortOrder, MultiWindow(), "Animals", 1, kMultiBar, kMarkColor,
                  kMark);
  }
  // Opens the list and leaves it waiting, as the queued input leaves it.
  void RunUntilWaiting(int sortOrder = 1) {
    ASSERT_TRUE(Waits([&] { Run(sortOrder); }));
  }
  void Open(int sortOrder = 1) {
    view.flags = &flags;
    view.markColor = kMarkColor;
    view.mark = kMark;
    ASSERT_TRUE(
        internal::OpenList(view, animals, sortOrder, MultiWindow(), "Animals", 1, kMultiBar));
  }
  // Colour of every interior cell of view row r, or 0 when they differ.
  static int RowColour(int r) {
    const int row = 11 + r;
    const ColorAttr first = ReadCellColor(row, 21);
    for (int col = 22; col <= 34; ++col)
      if (ReadCellColor(row, col) != first) return 0;
    return first;
  }
  int SelectedCount() const {
    int n = 0;
    for (std::int16_t f : flags)
      n += f != 0;
    return n;
  }

  BasedArray<std::string> animals = Animals();
  BasedArray<std::int16_t> flags{1, 45};
  ListView view;
};

TEST_F(MultiPickListTest, EscAtOnceWritesNothing) {
  flags[9] = 7;  // any non-zero value means selected and is left as it is
  console->QueueKeys("Esc");
  std::vector<Cell> before;
  ReadScreenBlock(before);
  Run();
  std::vector<Cell> after;
  ReadScreenBlock(after);
  EXPECT_TRUE(after == before);
  EXPECT_EQ(flags[9], 7);
  EXPECT_EQ(SelectedCount(), 1);
  console->QueueKeys("Down PgDn Up c Esc");
  Run();
  EXPECT_EQ(flags[9], 7);
  EXPECT_EQ(SelectedCount(), 1);
}

TEST_F(MultiPickListTest, EnterTogglesTheCallersFlagAndMovesDown) {
  console->QueueKeys("Enter Esc");
  Run();
  EXPECT_EQ(flags[34], -1) << "sorted: the first shown is Aardvark, the caller's 34";
  EXPECT_EQ(SelectedCount(), 1);
  console->QueueKeys("Enter Enter Esc");
  Run();
  EXPECT_EQ(flags[34], 0) << "toggled back";
  EXPECT_EQ(flags[20], -1) << "and Antelope, the next one";
  console->QueueKeys("Enter Esc");
  Run(0);
  EXPECT_EQ(flags[1], -1) << "unsorted: Elephant";
}

TEST_F(MultiPickListTest, SelectedRowsCarryTheMarkAndTheirColour) {
  flags[9] = -1;  // Cat, display row 4
  flags[34] = 1;  // Aardvark, row 1 (under the bar)
  RunUntilWaiting();
  EXPECT_EQ(ReadCell(15, 21), 0xFB) << "the mark in the first interior column";
  EXPECT_EQ(ScreenText(15, 22, 4), "Cat ");
  EXPECT_EQ(RowColour(4), kMarkColor) << "from frame to frame";
  EXPECT_EQ(ReadCell(12, 21), 0xFB);
  EXPECT_EQ(RowColour(1), kMultiBar) << "the bar covers the selected row";
  EXPECT_EQ(ReadCell(13, 21), ' ');
  EXPECT_EQ(ScreenText(13, 22, 8), "Antelope");
  EXPECT_EQ(RowColour(2), kFill);
}

TEST_F(MultiPickListTest, MovingOffARowLeavesItsOwnColour) {
  flags[34] = -1;  // Aardvark
  Open();
  Step(view, Down());
  EXPECT_EQ(RowColour(1), kMarkColor) << "off a selected row: the mark colour";
  EXPECT_EQ(RowColour(2), kMultiBar);
  Step(view, Down());
  EXPECT_EQ(RowColour(2), kFill) << "off an unselected row: the interior colour";
  Step(view, "A");
  EXPECT_EQ(RowColour(1), kMultiBar) << "A from Beaver wraps to Aardvark";
  EXPECT_EQ(RowColour(3), kFill);
}

TEST_F(MultiPickListTest, ItemsThatBeginSelectedToggleOff) {
  flags[9] = -1;  // Cat, display 4
  Open();
  for (int i = 0; i < 3; ++i)
    Step(view, Down());
  Step(view, "\r");
  EXPECT_EQ(flags[9], 0);
  EXPECT_EQ(ReadCell(15, 21), ' ') << "no mark";
  EXPECT_EQ(RowColour(4), kFill);
  EXPECT_EQ(RowColour(5), kMultiBar) << "the bar moved on to Chicken";
  EXPECT_EQ(view.current, 5);
}

TEST_F(MultiPickListTest, EnterOnTheLastItemStays) {
  Open();
  Step(view, End());
  Step(view, "\r");
  EXPECT_EQ(flags[8], -1) << "Woodpecker";
  EXPECT_EQ(view.current, 45);
  EXPECT_EQ(view.row, 10);
  EXPECT_EQ(RowColour(10), kMultiBar);
  EXPECT_EQ(ReadCell(21, 21), 0xFB);
  Step(view, "\r");
  EXPECT_EQ(flags[8], 0);
  EXPECT_EQ(ReadCell(21, 21), ' ');
}

TEST_F(MultiPickListTest, EnterOnTheLastVisibleRowScrollsOneLine) {
  Open();
  for (int i = 0; i < 9; ++i)
    Step(view, Down());
  ASSERT_EQ(view.row, 10);
  ASSERT_EQ(view.current, 10);  // Dolphin
  Step(view, "\r");
  EXPECT_EQ(flags[40], -1) << "Dolphin";
  EXPECT_EQ(view.top, 2);
  EXPECT_EQ(view.current, 11) << "Eagle";
  EXPECT_EQ(view.row, 10);
  EXPECT_EQ(ScreenText(20, 21, 8),
            "\xFB"
            "Dolphin")
      << "the toggled row moved up";
  EXPECT_EQ(RowColour(9), kMarkColor);
  EXPECT_EQ(ReadCell(22, 33), 24) << "the up arrow";
}

TEST_F(MultiPickListTest, ToggleEndsTheSearch) {
  Open();
  Step(view, "c");   // Cat
  Step(view, "\r");  // toggles Cat, moves to Chicken
  EXPECT_EQ(flags[9], -1);
  EXPECT_EQ(ReadCell(22, 21), 196) << "the prefix is erased";
  Step(view, "o");
  EXPECT_EQ(view.current, 30) << "O anew: Ocelot, not CO (Cougar)";
}

TEST_F(MultiPickListTest, ClicksToggleTheCurrentRowAndMoveOtherwise) {
  console->QueueClick(15, 25);     // row 4: Cat, moves only
  console->QueueClick(15, 25);     // now current: toggles and moves down
  console->QueueClick(17, 25);     // row 6: Chipmunk, moves only
  console->QueueClick(20, 40);     // outside: ignored
  console->QueueClick(12, 25, 2);  // right button: closes
  Run();
  EXPECT_EQ(flags[9], -1);
  EXPECT_EQ(SelectedCount(), 1);
  console->QueueClick(12, 25);  // the current row at once: Aardvark
  console->QueueKeys("Enter");  // Antelope
  console->QueueClick(12, 25);  // Aardvark again, not current: moves only
  console->QueueKeys("Esc");
  Run();
  EXPECT_EQ(flags[34], -1);
  EXPECT_EQ(flags[20], -1);
  EXPECT_EQ(SelectedCount(), 3);
}

TEST_F(MultiPickListTest, SelectionsSurviveBetweenCalls) {
  console->QueueKeys("w Enter Esc");
  Run();
  EXPECT_EQ(flags[28], -1) << "Weasel";
  console->QueueKeys("w");
  RunUntilWaiting();
  // Weasel (41) is on the last page: T = 36, row 6.
  EXPECT_EQ(ReadCell(17, 21), 0xFB);
  EXPECT_EQ(ScreenText(17, 22, 6), "Weasel");
}

TEST_F(MultiPickListTest, KeyMultiPickListBeepsOnTheMouse) {
  console->QueueClick(12, 25);
  console->QueueKeys("Down Enter Esc");
  const int beeps = console->Beeps();
  KeyMultiPickList(animals, flags, 1, MultiWindow(), "Animals", 1, kMultiBar, kMarkColor, kMark);
  EXPECT_EQ(console->Beeps(), beeps + 1);
  EXPECT_EQ(flags[20], -1) << "Antelope";
  EXPECT_EQ(SelectedCount(), 1);
}

TEST_F(MultiPickListTest, LongerMarksAndCutItemsStayInside) {
  WindowRec w = MultiWindow();
  w.Right = 28;  // W = 7
  flags[34] = -1;
  view.flags = &flags;
  view.markColor = kMarkColor;
  view.mark = ">>";
  ASSERT_TRUE(internal::OpenList(view, animals, 1, w, "", 0, kMultiBar));
  EXPECT_EQ(ScreenText(12, 20, 9), "\xB3>>Aardv\xB3");
  EXPECT_EQ(ScreenText(13, 20, 9), "\xB3 Antelo\xB3");
}

TEST_F(MultiPickListTest, MismatchedFlagsAreLeftAlone) {
  BasedArray<std::int16_t> short_flags(1, 44);
  std::vector<Cell> before;
  ReadScreenBlock(before);
  MultiPickList(animals, short_flags, 1, MultiWindow(), "", 1, kMultiBar, kMarkColor, kMark);
  std::vector<Cell> after;
  ReadScreenBlock(after);
  EXPECT_TRUE(after == before);
}

}  // namespace
}  // namespace tarvana
