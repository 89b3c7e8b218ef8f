#pragma once
// Helpers for the pick-list tests: the 45 sample animals, the demonstration's
// window, a list driven step by step, and readers of the drawn view.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "picklist/list_view.h"
#include "testing/headless_test_support.h"

namespace tarvana::picklist_test {

using internal::ListView;

// The demonstration's animals in their index order, from 1.
inline BasedArray<std::string> Animals() {
  return BasedArray<std::string>(
      1, {"Elephant",   "Cow",    "Pig",       "Horse",   "Hippopotamus", "Giraffe",  "Beaver",
          "Woodpecker", "Cat",    "Dog",       "Lion",    "Tiger",        "Panther",  "Rhinocerous",
          "Leopard",    "Cougar", "Wolverine", "Otter",   "Wildebeast",   "Antelope", "Gazelle",
          "Squirrel",   "Hawk",   "Eagle",     "Ocelot",  "Chipmunk",     "Fox",      "Weasel",
          "Lizard",     "Goat",   "Falcon",    "Chicken", "Sheep",        "Aardvark", "Toucan",
          "Kiwi",       "Gnu",    "Shark",     "Whale",   "Dolphin",      "Hamster",  "Mouse",
          "Rat",        "Ferret", "Guinea Pig"});
}

// The pick list demonstration's window: 13 interior rows (9 to 21), automatic
// width (Right becomes 35 for "Hippopotamus").
inline WindowRec AnimalWindow() {
  return {8, 20, 22, 0, 1, 2, 0, 2, 0x07, 0x1F, 0x1E, 0x1B};
}
inline constexpr ColorAttr kBar = 0x71;

// "Item 01" .. "Item NN", unsorted tests read positions off these.
inline BasedArray<std::string> NumberedItems(int n, int lower = 1) {
  std::vector<std::string> items;
  for (int i = 1; i <= n; ++i)
    items.push_back("Item " + std::string(i < 10 ? "0" : "") + std::to_string(i));
  return BasedArray<std::string>(lower, std::move(items));
}

class PickListFixture : public test_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetColor(0, 7);
    ClearScreen();
    Locate(1, 1);
    PrintText("Text under the list");
    Locate(24, 1);
    PrintText("More text under the list");
    SetMouse(mouse::kLeft | mouse::kRight, mouse::kReleased);
    SetMouse(true);
  }

  // The interior text of view row r (after the blank or mark), trimmed.
  static std::string RowItem(const WindowRec& w, int right, int r) {
    std::string text = test_support::ScreenText(w.Top + r, w.Left + 2, right - w.Left - 2);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
  }
  // The view row whose first interior cell has the bar colour, or 0.
  static int BarRow(const WindowRec& w, ColorAttr bar = kBar) {
    for (int r = 1; r < w.Bottom - w.Top; ++r)
      if (ReadCellColor(w.Top + r, w.Left + 1) == bar) return r;
    return 0;
  }
  // Runs fn; true when it waited for input that was not queued, leaving the
  // open list on the screen.
  template <class Fn>
  static bool Waits(Fn fn) {
    try {
      fn();
      return false;
    } catch (const HeadlessInputExhausted&) {
      return true;
    }
  }
};

// Acts on one KeyCode through the list's own reader and step.
inline internal::ListStep Step(ListView& v, const KeyCode& key, std::int32_t* chosen = nullptr,
                               bool withMouse = true) {
  std::int32_t c = -1;
  const auto step = internal::StepList(v, internal::ReadListInput(v, key, withMouse), c);
  if (chosen) *chosen = c;
  return step;
}

inline KeyCode Up() {
  return ExtendedKey(scan::kUp);
}
inline KeyCode Down() {
  return ExtendedKey(scan::kDown);
}
inline KeyCode PgUp() {
  return ExtendedKey(scan::kPgUp);
}
inline KeyCode PgDn() {
  return ExtendedKey(scan::kPgDn);
}
inline KeyCode Home() {
  return ExtendedKey(scan::kHome);
}
inline KeyCode End() {
  return ExtendedKey(scan::kEnd);
}

}  // namespace tarvana::picklist_test
