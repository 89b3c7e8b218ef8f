// A list kept on the screen by a program that owns the loop: events handed to
// it one at a time, keys it has no use for left to the program.

#include "ui/list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "console/screen_save.h"
#include "testing/headless_test_support.h"
#include "testing/input_records.h"
#include "ui/menus.h"
#include "ui/text.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::HeadlessTest;
using tarvana::test_support::RowUtf8;

class ListTest : public HeadlessTest {};

TEST_F(ListTest, AProgramKeepsAListActiveBesideItsOwnKeys) {
  const ScreenSave before = SaveScreen();
  {
    List list({"Buy milk", "Call Anna", "Fix the bike"}, {.title = "To do"});
    const struct {
      const char* key;
      ListResult result;
      std::size_t current;
    } steps[] = {
        {"Down", ListResult::kHandled, 1},         {"F2", ListResult::kNotForTheList, 1},
        {"Ctrl+N", ListResult::kNotForTheList, 1}, {"f", ListResult::kHandled, 2},
        {"Enter", ListResult::kChosen, 2},         {"Up", ListResult::kHandled, 1},
        {"Esc", ListResult::kCancelled, 1},
    };
    for (const auto& s : steps) {
      console->QueueKeys(s.key);
      EXPECT_EQ(list.Handle(WaitKeyEvent()), s.result) << s.key;
      EXPECT_EQ(list.Current(), s.current) << s.key;
      Print(25, 1, "status: item " + std::to_string(list.Current()), 0x70);  // beside it
    }
    EXPECT_EQ(console->Beeps(), 0) << "the program's own keys are not refused";
    // Drawn over, then drawn again.
    for (int row = 1; row <= 24; ++row)
      Print(row, 1, std::string(80, 'x'), 0x07);
    list.Draw();
    std::string shown;
    for (int row = 1; row <= 24; ++row)
      shown += RowUtf8(row) + "\n";
    for (const char* text : {"To do", "Buy milk", "Call Anna", "Fix the bike"})
      EXPECT_NE(shown.find(text), std::string::npos) << text << " in\n" << shown;
  }
  EXPECT_TRUE(SaveScreen().Cells() == before.Cells()) << "the screen comes back";
}

TEST_F(ListTest, AChecklistKeptOnTheScreenGivesItsMarks) {
  List list = List::Checklist({"a", "b", "c"}, {1});
  console->QueueKeys("Space Down Down Space");
  for (int i = 0; i < 4; ++i)
    list.Handle(WaitKeyEvent());
  EXPECT_EQ(list.Marked(), (std::vector<std::size_t>{0, 1, 2}));
  List moved = std::move(list);
  console->QueueKeys("Space Enter");
  EXPECT_EQ(moved.Handle(WaitKeyEvent()), ListResult::kHandled);
  EXPECT_EQ(moved.Handle(WaitKeyEvent()), ListResult::kChosen);
  EXPECT_EQ(moved.Marked(), (std::vector<std::size_t>{0, 1}));
}

// A turn of the wheel moves the highlight of the lists and menus, and the
// loops that know no wheel never see it.
TEST_F(ListTest, TheWheelMovesListsAndMenusAndNothingElse) {
  const auto wheel = [&](bool up) {
    console->QueueRecord(
        test_support::M(0, 10, 40, test_support::kWheel | (up ? test_support::kWheelUp : 0)));
  };
  wheel(false);
  wheel(false);
  wheel(true);
  console->QueueKeys("Enter");
  EXPECT_EQ(PickOne({"a", "b", "c", "d"}), 1u);
  wheel(false);
  console->QueueKeys("Enter");
  EXPECT_EQ(ShowMenu({{"Open", 'O'}, {"Save", 'S'}, {"Quit", 'Q'}}), 1u);
  wheel(false);
  console->QueueKeys("Enter");
  EXPECT_EQ(WaitKey(), "\r") << "the low-level reader passes over the wheel";
  EXPECT_EQ(console->Beeps(), 0);
  wheel(true);
  const InputEvent e = WaitEvent();
  EXPECT_EQ(e.Name(), "wheel up at 11,41");
}

}  // namespace
}  // namespace tarvana::ui
