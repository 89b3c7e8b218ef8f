// The pick list on the headless console: opening, sorting, paging figures,
// arrows, the scroll bar, type-ahead, clicks and the keyboard-only twin.

#include "picklist/pick_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "console/screen_save.h"
#include "picklist/multi_pick_list.h"
#include "picklist/picklist_test_support.h"
#include "runtime/cp437_case.h"

namespace tarvana {
namespace {

using namespace picklist_test;
using internal::CompareFolded;
using internal::DisplayOrder;
using internal::ListStep;
using test_support::ColumnText;
using test_support::ScreenText;

constexpr unsigned char kHorizontal = 196;  // frame style 1's bottom line

class PickListTest : public PickListFixture {
 protected:
  // An open list of the animals, driven by the step function.
  void OpenAnimals(int sortOrder, std::uint8_t style = 1, WindowRec w = AnimalWindow()) {
    ASSERT_TRUE(internal::OpenList(view, animals, sortOrder, w, "Animals", style, kBar));
  }
  // Top, current and row of the view, as one value to compare.
  std::vector<long long> State() const { return {view.top, view.current, view.row}; }
  // Steps through every queued input that yields a KeyCode.
  void StepQueued() {
    while (KeyWaiting())
      Step(view, InKey());
  }

  BasedArray<std::string> animals = Animals();
  ListView view;
};

TEST(PickListSort, OrdersTheIndexArrayNotTheItems) {
  const BasedArray<std::string> items(5, {"pear", "Apple", "fig", "apple", "Fig", "banana"});
  EXPECT_EQ(DisplayOrder(items, 1), (std::vector<std::int32_t>{6, 8, 10, 7, 9, 5}))
      << "ascending, equal items in array order";
  EXPECT_EQ(DisplayOrder(items, -3), (std::vector<std::int32_t>{5, 7, 9, 10, 6, 8}));
  EXPECT_EQ(DisplayOrder(items, 0), (std::vector<std::int32_t>{5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(items[5], "pear") << "the caller's array is untouched";
}

TEST(PickListSort, LongItemsBeyondTheEightByteKey) {
  const BasedArray<std::string> items(1, {"Prefix12-zeta", "prefix12-Alpha", "PREFIX12",
                                          "prefix12-beta", std::string("Prefix12\0", 9)});
  EXPECT_EQ(DisplayOrder(items, 1), (std::vector<std::int32_t>{3, 5, 2, 4, 1}));
}

TEST(PickListSort, AgreesWithAStableSortOfTheTexts) {
  // Few letters, long shared beginnings, NULs and empty items: runs of equal
  // keys eight, sixteen and more bytes deep, and texts that differ only in
  // trailing NULs.
  std::mt19937 random(3);
  const std::string letters("aAb \0", 5);
  for (int round = 0; round < 20; ++round) {
    const std::string stem(random() % 24, 'x');
    std::vector<std::string> texts;
    for (int i = 0; i < 300; ++i) {
      std::string t = random() % 4 ? stem.substr(0, random() % (stem.size() + 1)) : "";
      for (int n = random() % 12; n > 0; --n)
        t += letters[random() % letters.size()];
      texts.push_back(t);
    }
    const BasedArray<std::string> items(-7, texts);
    for (const int sortOrder : {1, -1}) {
      std::vector<std::int32_t> expected(texts.size());
      std::iota(expected.begin(), expected.end(), -7);
      std::stable_sort(expected.begin(), expected.end(), [&](std::int32_t a, std::int32_t b) {
        const int c = CompareFolded(items[a], items[b]);
        return sortOrder > 0 ? c < 0 : c > 0;
      });
      std::vector<unsigned char> firsts;
      ASSERT_EQ(DisplayOrder(items, sortOrder, &firsts), expected)
          << "round " << round << ", sort order " << sortOrder;
      for (size_t k = 0; k < expected.size(); ++k) {
        const std::string& t = items[expected[k]];
        ASSERT_EQ(firsts[k], t.empty() ? 0 : UpperChar(static_cast<unsigned char>(t[0])))
            << "round " << round << ", display item " << k;
      }
    }
  }
}

TEST_F(PickListTest, OpensSortedWithAutomaticWidth) {
  ASSERT_TRUE(Waits([&] { PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar); }));
  // Right = 20 + 12 ("Hippopotamus") + 3.
  EXPECT_EQ(ReadCell(8, 35), 191) << "top-right corner at column 35";
  EXPECT_EQ(ReadCell(22, 35), 217);
  EXPECT_NE(ScreenText(8, 20, 16).find(" Animals "), std::string::npos);
  EXPECT_EQ(ScreenText(9, 21, 14), " Aardvark     ");
  EXPECT_EQ(ScreenText(21, 21, 14), " Falcon       ");
  for (int col = 21; col <= 34; ++col) {
    EXPECT_EQ(ReadCellColor(9, col), kBar) << col;
    EXPECT_EQ(ReadCellColor(10, col), 0x1F) << col;
  }
  EXPECT_EQ(ReadCell(22, 33), kHorizontal) << "no up arrow on the first page";
  EXPECT_EQ(ReadCell(22, 34), 25) << "down arrow";
  EXPECT_EQ(ReadCellColor(22, 34), 0x1E);
  EXPECT_EQ(ReadCell(9, 35), 219) << "thumb on the first track row";
  EXPECT_EQ(ReadCellColor(9, 35), kBar);
  for (int row = 10; row <= 21; ++row)
    EXPECT_EQ(ReadCell(row, 35), 177) << row;
  EXPECT_EQ(ReadCellColor(10, 35), 0x1E);
  EXPECT_EQ(animals[1], "Elephant");
}

TEST_F(PickListTest, SortedResultsAreTheCallersIndices) {
  console->QueueKeys("Enter");
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 34) << "Aardvark";
  console->QueueKeys("Enter");
  EXPECT_EQ(PickList(animals, -1, AnimalWindow(), "Animals", 1, kBar), 8) << "Woodpecker";
  console->QueueKeys("Enter");
  EXPECT_EQ(PickList(animals, 0, AnimalWindow(), "Animals", 1, kBar), 1) << "Elephant";
  console->QueueKeys("Down Down Enter");
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 7) << "Beaver";
  const BasedArray<std::string> shifted(-2, {"b", "c", "a"});
  console->QueueKeys("Enter");
  EXPECT_EQ(PickList(shifted, 1, AnimalWindow(), "Shifted", 0, kBar), 0) << "any lower bound";
}

TEST_F(PickListTest, EscReturnsMinusOneAndLeavesTheScreenAsItWas) {
  std::vector<Cell> before;
  ReadScreenBlock(before);
  console->QueueKeys("Down PgDn G Esc");
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), -1);
  std::vector<Cell> after;
  ReadScreenBlock(after);
  EXPECT_TRUE(after == before);
  // The bar colour is left current, as the demonstrations rely on.
  Locate(25, 1);
  PrintText("x");
  EXPECT_EQ(ReadCellColor(25, 1), kBar);
  console->QueueClick(12, 25, 2);  // the right button cancels too
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), -1);
}

TEST_F(PickListTest, FortyFivePagingFigures) {
  // Unsorted, so display positions are the array's: 13 rows, items 1 to 45.
  OpenAnimals(0);
  EXPECT_EQ(view.pageSize, 13);
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1}));
  Step(view, PgUp());
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1})) << "PgUp on the first page does nothing";
  for (int i = 0; i < 4; ++i)
    Step(view, Down());
  EXPECT_EQ(State(), (std::vector<long long>{1, 5, 5}));
  Step(view, PgDn());
  EXPECT_EQ(State(), (std::vector<long long>{14, 18, 5})) << "items 14 to 26, bar on the same row";
  const WindowRec w = view.win;
  EXPECT_EQ(RowItem(w, 35, 1), animals[14]);
  EXPECT_EQ(RowItem(w, 35, 13), animals[26]);
  EXPECT_EQ(BarRow(w), 5);
  Step(view, PgDn());
  EXPECT_EQ(State(), (std::vector<long long>{27, 31, 5}));
  Step(view, PgDn());
  EXPECT_EQ(State(), (std::vector<long long>{33, 37, 5})) << "last page: items 33 to 45";
  EXPECT_EQ(RowItem(w, 35, 1), animals[33]);
  EXPECT_EQ(RowItem(w, 35, 13), animals[45]);
  const int beeps = console->Beeps();
  Step(view, PgDn());
  EXPECT_EQ(State(), (std::vector<long long>{33, 37, 5})) << "PgDn on the last page does nothing";
  EXPECT_EQ(console->Beeps(), beeps) << "...silently";
  Step(view, End());
  EXPECT_EQ(State(), (std::vector<long long>{33, 45, 13})) << "End: row 13, item 45";
  EXPECT_EQ(BarRow(w), 13);
  Step(view, Down());
  EXPECT_EQ(State(), (std::vector<long long>{33, 45, 13})) << "Down on the last item";
  Step(view, PgUp());
  EXPECT_EQ(State(), (std::vector<long long>{20, 32, 13}));
  Step(view, PgUp());
  EXPECT_EQ(State(), (std::vector<long long>{7, 19, 13}));
  Step(view, PgUp());
  EXPECT_EQ(State(), (std::vector<long long>{1, 13, 13})) << "passing F stops at the first page";
  Step(view, Home());
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1}));
  Step(view, Up());
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1})) << "Up on the first item";
  for (int i = 0; i < 13; ++i)
    Step(view, Down());
  EXPECT_EQ(State(), (std::vector<long long>{2, 14, 13})) << "Down on row 13 scrolls one line";
  for (int i = 0; i < 13; ++i)
    Step(view, Up());
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1})) << "Up on row 1 scrolls back";
  EXPECT_EQ(console->Beeps(), beeps);
}

TEST_F(PickListTest, EndAndHomeFromTheMiddle) {
  OpenAnimals(0);
  Step(view, PgDn());
  Step(view, Down());
  Step(view, End());
  EXPECT_EQ(State(), (std::vector<long long>{33, 45, 13}));
  Step(view, Home());
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1}));
  Step(view, Down());
  Step(view, End());
  Step(view, Up());
  Step(view, Home());
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1}));
}

TEST_F(PickListTest, ArrowsComeAndGo) {
  OpenAnimals(1);
  const auto up = [] { return ReadCell(22, 33); };
  const auto down = [] { return ReadCell(22, 34); };
  EXPECT_EQ(up(), kHorizontal);
  EXPECT_EQ(down(), 25);
  for (int i = 0; i < 12; ++i)
    Step(view, Down());
  EXPECT_EQ(up(), kHorizontal) << "the first item is still in view";
  Step(view, Down());
  EXPECT_EQ(up(), 24) << "the first item scrolled out";
  EXPECT_EQ(ReadCellColor(22, 33), 0x1E);
  Step(view, Up());
  EXPECT_EQ(up(), 24);
  for (int i = 0; i < 12; ++i)
    Step(view, Up());
  EXPECT_EQ(up(), kHorizontal) << "back in view: the frame character again";
  Step(view, End());
  EXPECT_EQ(up(), 24);
  EXPECT_EQ(down(), kHorizontal) << "the last item is in view";
  for (int i = 0; i < 12; ++i)
    Step(view, Up());
  EXPECT_EQ(down(), kHorizontal) << "row 1 of the last page";
  Step(view, Up());
  EXPECT_EQ(down(), 25) << "the last item scrolled out";
  EXPECT_EQ(ReadCell(22, 20), 192) << "corners untouched";
  EXPECT_EQ(ReadCell(22, 35), 217);
}

TEST_F(PickListTest, ArrowsReadTheFrameCharacterOfAnyStyle) {
  WindowRec w = AnimalWindow();
  w.Frame = 2;  // double lines: 205
  OpenAnimals(1, 1, w);
  EXPECT_EQ(ReadCell(22, 33), 205);
  Step(view, End());
  EXPECT_EQ(ReadCell(22, 34), 205);
}

TEST_F(PickListTest, AMoveWithinThePageRecoloursTwoRows) {
  OpenAnimals(1, 0);
  std::vector<Cell> before;
  ReadScreenBlock(before);
  Step(view, Down());
  std::vector<Cell> after;
  ReadScreenBlock(after);
  int changed = 0;
  for (size_t i = 0; i < after.size(); ++i)
    if (!(after[i] == before[i])) {
      ++changed;
      const int row = static_cast<int>(i) / 80 + 1;
      EXPECT_TRUE(row == 9 || row == 10) << row;
      EXPECT_EQ(after[i].ch, before[i].ch) << "only colours change";
    }
  EXPECT_EQ(changed, 2 * 14);
}

TEST_F(PickListTest, TypeAheadFoldsCase) {
  for (const char* key : {"c", "C"}) {
    console->QueueKeys(key);
    console->QueueKeys("Enter");
    EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 9) << key << ": Cat";
  }
  console->QueueKeys("c h i p Enter");
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 26) << "Chipmunk";
}

TEST_F(PickListTest, TypeAheadShowsThePrefixAndJumps) {
  OpenAnimals(1);
  Step(view, "g");
  EXPECT_EQ(ScreenText(22, 21, 1), "G");
  EXPECT_EQ(ReadCellColor(22, 21), 0x1E);
  EXPECT_EQ(State(), (std::vector<long long>{16, 16, 1})) << "Gazelle on the first row";
  Step(view, "i");
  EXPECT_EQ(ScreenText(22, 21, 2), "GI");
  EXPECT_EQ(State(), (std::vector<long long>{17, 17, 1})) << "Giraffe";
  EXPECT_EQ(RowItem(view.win, 35, 1), "Giraffe");
  Step(view, "W");
  EXPECT_EQ(ReadCell(22, 21), kHorizontal) << "GIW matches nothing: the prefix is erased";
  EXPECT_EQ(ReadCell(22, 23), kHorizontal);
  EXPECT_EQ(State(), (std::vector<long long>{17, 17, 1})) << "and nothing moves";
  Step(view, "W");
  EXPECT_EQ(State(), (std::vector<long long>{33, 41, 9}))
      << "a new search: Weasel, on the last page";
  EXPECT_EQ(BarRow(view.win), 9);
  std::int32_t chosen = 0;
  EXPECT_EQ(Step(view, "\r", &chosen), ListStep::kChosen);
  EXPECT_EQ(chosen, 28);
}

TEST_F(PickListTest, TypeAheadNearTheEndKeepsTheFoundItemOnAShownRow) {
  // Ten items, five rows (9 to 13): Elder is one page from the end, Fig heads
  // the last page.
  const BasedArray<std::string> items(
      1, {"Apple", "Banana", "Cherry", "Date", "Elder", "Fig", "Grape", "Hazel", "Kiwi", "Lime"});
  const WindowRec w{8, 20, 14, 40, 1, 2, 0, 0, 0x07, 0x1F, 0x1E, 0x1B};
  const struct {
    const char* typed;
    const char* firstRow;
    int barRow;
    std::int32_t index;
  } cases[] = {
      {"d", "Date", 1, 4}, {"e", "Elder", 1, 5}, {"f", "Fig", 1, 6},
      {"h", "Fig", 3, 8},  {"l", "Fig", 5, 10},
  };
  for (const auto& c : cases) {
    console->QueueKeys(c.typed);
    ASSERT_TRUE(Waits([&] { PickList(items, 0, w, "", 1, kBar); })) << c.typed;
    EXPECT_EQ(RowItem(w, w.Right, 1), c.firstRow) << c.typed;
    EXPECT_EQ(BarRow(w), c.barRow) << c.typed;
    EXPECT_EQ(RowItem(w, w.Right, c.barRow), items[c.index]) << c.typed;
    console->QueueKeys(std::string(c.typed) + " Enter");
    EXPECT_EQ(PickList(items, 0, w, "", 1, kBar), c.index) << c.typed;
  }
}

TEST_F(PickListTest, TypingTheCurrentItemsLetterStaysAndTwiceLooksFurther) {
  OpenAnimals(1);
  Step(view, Down());  // Antelope
  Step(view, "a");
  EXPECT_EQ(view.current, 2) << "Antelope already starts with A";
  Step(view, "a");
  EXPECT_EQ(view.current, 1) << "AA: Aardvark, found from the first item";
  EXPECT_EQ(ScreenText(22, 21, 2), "AA");
}

TEST_F(PickListTest, SearchStartsAtTheCurrentItemAndWraps) {
  OpenAnimals(1);
  Step(view, "g");  // Gazelle, 16
  Step(view, Down());
  Step(view, "g");
  EXPECT_EQ(view.current, 17) << "Giraffe: from the current item on";
  Step(view, End());
  Step(view, "g");
  EXPECT_EQ(view.current, 16) << "wrapped to Gazelle";
}

TEST_F(PickListTest, BackspaceAndArrowsEndTheSearch) {
  OpenAnimals(1);
  const int beeps = console->Beeps();
  Step(view, "g");
  Step(view, "\b");
  EXPECT_EQ(ReadCell(22, 21), kHorizontal) << "Backspace erases the prefix";
  Step(view, "o");
  EXPECT_EQ(view.current, 30) << "O starts anew: Ocelot, not GO (Goat)";
  Step(view, Home());
  Step(view, "g");
  Step(view, Down());
  EXPECT_EQ(ReadCell(22, 21), kHorizontal) << "an arrow erases the prefix";
  EXPECT_EQ(view.current, 17);
  Step(view, "o");
  EXPECT_EQ(view.current, 30) << "Ocelot again";
  Step(view, "t");
  EXPECT_EQ(view.current, 31) << "OT: Otter";
  Step(view, ExtendedKey(scan::kF1));
  EXPECT_EQ(ReadCell(22, 21), kHorizontal) << "any extended key ends the search";
  EXPECT_EQ(console->Beeps(), beeps + 1) << "...and F1 beeps";
  Step(view, "t");
  EXPECT_EQ(view.current, 39) << "Tiger";
  Step(view, "\b");
  Step(view, "\b");
  EXPECT_EQ(console->Beeps(), beeps + 1) << "Backspace does not beep";
}

TEST_F(PickListTest, KeysWithoutMeaningBeep) {
  OpenAnimals(1);
  const int beeps = console->Beeps();
  Step(view, "\t");
  Step(view, ExtendedKey(scan::kLeft));
  Step(view, KeyCode(1, '\x7f'));
  EXPECT_EQ(console->Beeps(), beeps + 3);
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1}));
}

TEST_F(PickListTest, ClicksMoveTheBarAndChoose) {
  console->QueueClick(12, 25);  // row 4: Cat
  console->QueueClick(12, 25);  // again: chosen
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 9);
  console->QueueClick(11, 34);  // last interior column, row 3: Beaver
  console->QueueKeys("Enter");
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 7);
  console->QueueClick(9, 25);  // the current row at once
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 34);
}

TEST_F(PickListTest, ClicksOnTheFrameOrOutsideAreIgnored) {
  for (auto [row, col] : {std::pair{8, 25}, {22, 25}, {12, 20}, {12, 36}, {3, 3}, {24, 25}}) {
    console->QueueClick(row, col);
  }
  console->QueueKeys("Enter");
  const int beeps = console->Beeps();
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 0, kBar), 34);
  EXPECT_EQ(console->Beeps(), beeps);
  console->QueueClick(12, 35);  // the right frame, no scroll bar
  console->QueueKeys("Enter");
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 0, kBar), 34);
}

TEST_F(PickListTest, OtherButtonsBeepAndPressesAreIgnored) {
  SetMouse(mouse::kLeft | mouse::kRight | mouse::kMiddle, mouse::kReleased | mouse::kPressed);
  console->QueueClick(12, 25, 4);  // middle: press ignored, release beeps
  console->QueueClick(12, 25, 1);  // left: press ignored, release moves to Cat
  console->QueueKeys("Enter");
  const int beeps = console->Beeps();
  EXPECT_EQ(PickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 9);
  EXPECT_EQ(console->Beeps(), beeps + 1);
}

TEST_F(PickListTest, MouseLeavesThePrefixAlone) {
  OpenAnimals(1);
  Step(view, "c");              // Cat (4): T = 4, the bar on row 1
  console->QueueClick(10, 25);  // row 2
  StepQueued();
  EXPECT_EQ(view.current, 5) << "Chicken";
  EXPECT_EQ(ScreenText(22, 21, 1), "C") << "the prefix stays";
  Step(view, "o");
  EXPECT_EQ(view.current, 7) << "CO: Cougar, the search went on";
}

TEST_F(PickListTest, ClickBelowTheLastItemOfAShortList) {
  const BasedArray<std::string> five = NumberedItems(5);
  console->QueueClick(16, 25);  // row 8: no item there
  console->QueueClick(21, 25);
  console->QueueKeys("Enter");
  const int beeps = console->Beeps();
  EXPECT_EQ(PickList(five, 0, AnimalWindow(), "Five", 1, kBar), 1);
  EXPECT_EQ(console->Beeps(), beeps);
}

TEST_F(PickListTest, WindowTallerThanTheList) {
  const BasedArray<std::string> five = NumberedItems(5);
  ASSERT_TRUE(internal::OpenList(view, five, 0, AnimalWindow(), "Five", 1, kBar));
  EXPECT_EQ(view.pageSize, 5);
  for (int i = 0; i < 9; ++i)
    Step(view, Down());
  EXPECT_EQ(State(), (std::vector<long long>{1, 5, 5})) << "Down stops on the last item";
  Step(view, PgDn());
  EXPECT_EQ(State(), (std::vector<long long>{1, 5, 5}));
  Step(view, "I");
  Step(view, "\b");
  Step(view, "i");
  EXPECT_EQ(State(), (std::vector<long long>{1, 5, 5})) << "the current item matches";
  EXPECT_EQ(ReadCell(22, 28), kHorizontal) << "no arrows";
  EXPECT_EQ(ReadCell(22, 29), kHorizontal);
  for (int row = 14; row <= 21; ++row)
    EXPECT_EQ(ScreenText(row, 21, 9), std::string(9, ' ')) << "row " << row << " stays blank";
  Step(view, Home());
  Step(view, "4");
  EXPECT_EQ(view.current, 1) << "no item starts with 4";
  Step(view, "I");
  Step(view, "t");
  Step(view, "e");
  Step(view, "m");
  Step(view, " ");
  Step(view, "0");
  Step(view, "4");
  EXPECT_EQ(State(), (std::vector<long long>{1, 4, 4})) << "the space is part of the prefix";
}

TEST_F(PickListTest, ScrollBarClicksAboveAndBelowTheThumb) {
  OpenAnimals(0, 1);
  EXPECT_EQ(ReadCell(9, 35), 219);
  SetMouse(true);
  console->QueueClick(15, 35);  // below the thumb
  StepQueued();
  EXPECT_EQ(State(), (std::vector<long long>{14, 14, 1})) << "PgDn";
  // floor(13 * 13 / 45 - 0.05) = 3.
  EXPECT_EQ(ReadCell(12, 35), 219);
  EXPECT_EQ(ReadCell(9, 35), 177);
  console->QueueClick(12, 35);  // on the thumb
  StepQueued();
  EXPECT_EQ(view.top, 14) << "nothing";
  console->QueueClick(10, 35);  // above
  StepQueued();
  EXPECT_EQ(State(), (std::vector<long long>{1, 1, 1})) << "PgUp";
  console->QueueClick(8, 35);  // the corner above the track
  console->QueueClick(22, 35);
  console->QueueKeys("Down");
  StepQueued();
  EXPECT_EQ(State(), (std::vector<long long>{1, 2, 2})) << "corner clicks ignored";
}

TEST_F(PickListTest, ScrollBarStyleTwoHasALongerThumb) {
  OpenAnimals(0, 2);
  // floor(13 * 13 / 45) = 3 cells: rows 9 to 11.
  EXPECT_EQ(ColumnText(35, 9, 13), "\xDB\xDB\xDB\xB1\xB1");
  SetMouse(true);
  console->QueueClick(11, 35);  // the thumb's last cell: nothing
  StepQueued();
  EXPECT_EQ(view.top, 1);
  console->QueueClick(12, 35);  // just below: PgDn
  StepQueued();
  EXPECT_EQ(view.top, 14);
  EXPECT_EQ(ColumnText(35, 9, 15), "\xB1\xB1\xB1\xDB\xDB\xDB\xB1");
  Step(view, End());
  EXPECT_EQ(ColumnText(35, 19, 21), "\xB1\xB1\xDB") << "the thumb stays on the track";
}

TEST_F(PickListTest, FixedWidthCutsLongItemsInsideTheInterior) {
  WindowRec w = AnimalWindow();
  w.Right = 28;  // W = 7
  OpenAnimals(1, 0, w);
  EXPECT_TRUE(view.cut);
  EXPECT_EQ(ScreenText(9, 21, 7), " Aardva");
  Step(view, "h");
  Step(view, "i");
  EXPECT_EQ(ScreenText(view.win.Top + view.row, 20, 9), "\xB3 Hippop\xB3");
  EXPECT_EQ(ReadCell(view.win.Top + view.row, 28), 179) << "the right frame stays";
  WindowRec wide = AnimalWindow();
  wide.Right = 60;
  ListView other;
  ASSERT_TRUE(internal::OpenList(other, animals, 1, wide, "", 0, kBar));
  EXPECT_FALSE(other.cut);
  EXPECT_EQ(other.width, 39);
}

TEST_F(PickListTest, LongPrefixStaysClearOfTheArrows) {
  const BasedArray<std::string> items(1, {"abcdefghij", "b", "c"});
  WindowRec w = AnimalWindow();
  w.Right = 27;  // W = 6: the prefix shows at most 4 cells
  ASSERT_TRUE(internal::OpenList(view, items, 0, w, "", 0, kBar));
  for (const char* c : {"a", "b", "c", "d", "e", "f"})
    Step(view, c);
  EXPECT_EQ(ScreenText(22, 21, 6), "ABCD\xC4\xC4");
  Step(view, Down());
  EXPECT_EQ(ScreenText(22, 21, 6), std::string(6, '\xC4'));
}

TEST_F(PickListTest, LargeListsHaveThirtyTwoBitIndices) {
  std::vector<std::string> texts;
  for (int i = 0; i < 70000; ++i)
    texts.push_back("n" + std::to_string(100000 + i));
  const BasedArray<std::string> items(40000, std::move(texts));
  console->QueueKeys("End Enter");
  EXPECT_EQ(PickList(items, 0, AnimalWindow(), "Big", 1, kBar), 109999);
  console->QueueKeys("End Enter");
  EXPECT_EQ(PickList(items, -1, AnimalWindow(), "Big", 1, kBar), 40000);
  console->QueueText("N16");
  console->QueueKeys("Enter");
  EXPECT_EQ(PickList(items, 1, AnimalWindow(), "Big", 1, kBar), 40000 + 60000);
}

TEST_F(PickListTest, KeyPickListBeepsOnTheMouse) {
  console->QueueClick(12, 25);
  console->QueueClick(12, 25, 2);
  console->QueueKeys("Down Enter");
  const int beeps = console->Beeps();
  EXPECT_EQ(KeyPickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 20) << "Antelope";
  EXPECT_EQ(console->Beeps(), beeps + 2);
  console->QueueKeys("w Enter");
  EXPECT_EQ(KeyPickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), 28);
  console->QueueKeys("Esc");
  EXPECT_EQ(KeyPickList(animals, 1, AnimalWindow(), "Animals", 1, kBar), -1);
}

TEST_F(PickListTest, NothingToShowOpensNothing) {
  std::vector<Cell> before;
  ReadScreenBlock(before);
  EXPECT_EQ(PickList(BasedArray<std::string>(), 1, AnimalWindow(), "", 1, kBar), -1);
  WindowRec flat = AnimalWindow();
  flat.Bottom = flat.Top + 1;
  EXPECT_EQ(PickList(animals, 1, flat, "", 1, kBar), -1);
  std::vector<Cell> after;
  ReadScreenBlock(after);
  EXPECT_TRUE(after == before);
}

// Every list refuses such a window before it draws or reads a key.
TEST_F(PickListTest, WindowsWithoutAnInteriorOrOffTheScreenOpenNothing) {
  const struct {
    int top, left, bottom, right;
  } cases[] = {
      {8, 20, 8, 0},    // one row
      {22, 20, 8, 0},   // rows swapped
      {8, 20, 22, 21},  // fixed width without an interior column
      {8, 40, 22, 20},  // columns swapped
      {0, 20, 22, 0},   // top frame above the screen
      {8, 20, 26, 0},   // bottom frame below it
      {8, 0, 22, 0},    // left frame left of it
      {8, 20, 22, 81},  // fixed right frame right of it
      {8, 79, 22, 0},   // automatic width without room for a column
  };
  BasedArray<std::int16_t> flags(1, 45);
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.top << "," << c.left << " to " << c.bottom << "," << c.right);
    WindowRec w = AnimalWindow();
    w.Top = c.top, w.Left = c.left, w.Bottom = c.bottom, w.Right = c.right;
    std::vector<Cell> before, after;
    ReadScreenBlock(before);
    console->QueueKeys("Enter");
    EXPECT_EQ(PickList(animals, 1, w, "Animals", 1, kBar), -1);
    EXPECT_EQ(KeyPickList(animals, 1, w, "Animals", 1, kBar), -1);
    MultiPickList(animals, flags, 1, w, "Animals", 1, kBar, 0x4F, "\xFB");
    KeyMultiPickList(animals, flags, 1, w, "Animals", 1, kBar, 0x4F, "\xFB");
    ReadScreenBlock(after);
    EXPECT_TRUE(after == before);
    EXPECT_EQ(console->Queued(), 1u) << "no key read";
    InKey();
  }
}

TEST_F(PickListTest, AutomaticWidthStopsAtTheScreensRightEdge) {
  WindowRec w = AnimalWindow();
  w.Left = 70;  // "Hippopotamus" would need columns 70 to 85
  OpenAnimals(1, 1, w);
  EXPECT_EQ(view.win.Right, 80);
  EXPECT_TRUE(view.cut);
  Step(view, "h");
  Step(view, "i");
  EXPECT_EQ(ScreenText(view.win.Top + view.row, 70, 11), "\xB3 Hippopot\xB1");
  EXPECT_EQ(ReadCellColor(view.win.Top + view.row, 79), kBar);
  EXPECT_EQ(ReadCellColor(view.win.Top + view.row + 1, 1), 0x70) << "no highlight on the next row";
}

}  // namespace
}  // namespace tarvana
