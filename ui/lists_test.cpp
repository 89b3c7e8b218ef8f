// The modern pick lists on the headless console: the frame and scroll bar,
// type-ahead near the end of the list.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/headless.h"
#include "testing/headless_test_support.h"
#include "ui/lists.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::ColumnText;
using tarvana::test_support::HeadlessTest;
using tarvana::test_support::ScreenText;

class UiListsTest : public HeadlessTest {};

// "Item 1" .. "Item n": six cells each, so a list at column 5 is 10 columns
// wide and its right frame is column 14.
std::vector<std::string> Items(int n) {
  std::vector<std::string> items;
  for (int i = 1; i <= n; ++i)
    items.push_back("Item " + std::to_string(i));
  return items;
}

// Runs a list until the input queued runs out, and looks at the screen while
// it is still open.
template <class Fn>
void LookWhileOpen(HeadlessConsole& console, Fn open, std::function<void()> look) {
  ClearScreen();
  console.OnExhausted(std::move(look));
  EXPECT_THROW(open(), HeadlessInputExhausted);
  console.OnExhausted(nullptr);
}

TEST_F(UiListsTest, ListsWhoseItemsFitKeepTheirRightFrame) {
  const struct {
    int count;
    int rows;
    const char* rightColumn;  // rows 4 to 3 + shown
  } cases[] = {
      {3, 0, "\xB3\xB3\xB3"},
      {5, 5, "\xB3\xB3\xB3\xB3\xB3"},
      {6, 5, "\xDB\xB1\xB1\xB1\xB1"},  // too many: the thumb and the track
  };
  for (const auto& c : cases) {
    const std::vector<std::string> items = Items(c.count);
    const ListOptions options{.row = 3, .col = 5, .rows = c.rows};
    const std::string expected = c.rightColumn;
    const int bottom = 3 + static_cast<int>(expected.size());
    LookWhileOpen(
        *console, [&] { PickOne(items, options); },
        [&] {
          EXPECT_EQ(ColumnText(14, 4, bottom), expected) << "PickOne of " << c.count;
          EXPECT_EQ(ReadCell(bottom + 1, 14), 0xD9) << "PickOne of " << c.count;
        });
    LookWhileOpen(
        *console, [&] { PickMany(items, {}, options); },
        [&] { EXPECT_EQ(ColumnText(14, 4, bottom), expected) << "PickMany of " << c.count; });
  }
}

TEST_F(UiListsTest, PickOneTypedToAnItemNearTheEndHighlightsAShownRow) {
  // Ten items, five rows (4 to 8): Elder is one page from the end.
  const std::vector<std::string> items = {"Apple", "Banana", "Cherry", "Date", "Elder",
                                          "Fig",   "Grape",  "Hazel",  "Kiwi", "Lime"};
  const ListOptions options{.row = 3, .col = 5, .rows = 5};
  const ColorAttr bar = options.scheme.bar;
  const struct {
    const char* typed;
    const char* barColumn;  // rows 3 to 9, '#' in the bar's colour
    const char* barText;
    std::size_t index;
  } cases[] = {
      {"e", ".#.....", " Elder  ", 4},
      {"f", ".#.....", " Fig    ", 5},
      {"k", "....#..", " Kiwi   ", 8},
  };
  for (const auto& c : cases) {
    console->QueueKeys(c.typed);
    LookWhileOpen(
        *console, [&] { PickOne(items, options); },
        [&] {
          std::string barColumn;
          for (int row = 3; row <= 9; ++row)
            barColumn += ReadCellColor(row, 6) == bar ? '#' : '.';
          EXPECT_EQ(barColumn, c.barColumn) << c.typed;
          const int barRow = 3 + static_cast<int>(barColumn.find('#'));
          EXPECT_EQ(ScreenText(barRow, 6, 8), c.barText) << c.typed;
        });
    console->QueueKeys(std::string(c.typed) + " Enter");
    EXPECT_EQ(PickOne(items, options), c.index) << c.typed;
  }
}

}  // namespace
}  // namespace tarvana::ui
