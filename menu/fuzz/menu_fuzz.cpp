// libFuzzer target: the box menu and the bar menu with arbitrary entries,
// parallel arrays of arbitrary bounds, windows, rows and colours, fed
// arbitrary keys and clicks on the headless console. A menu that returns
// gives -2 (choice unchanged), -1 or an enabled entry and leaves the screen as
// it found it; one still waiting when the input runs out has drawn only in its
// box (and shadow) or bar row, and on its help row.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "console/screen_save.h"
#include "menu/bar_menu.h"
#include "menu/box_menu.h"
#include "testing/fuzz_support.h"

namespace {

using namespace tarvana;
using fuzz::Area;
using fuzz::FuzzBytes;
using fuzz::FuzzFail;

template <class T>
BasedArray<T> Bytes(FuzzBytes& in, int lower, int count) {
  std::vector<T> values;
  for (int i = 0; i < count; ++i)
    values.push_back(static_cast<T>(in.Byte() % 4 == 0 ? in.Byte() : 0));
  return BasedArray<T>(lower, std::move(values));
}

// An array's lower bound: the items' own, or shifted by a little.
int Shifted(FuzzBytes& in, int lower, int count) {
  const int shift = in.Byte() % 8 == 0 ? in.In(-1, 1) : 0;
  if ((shift > 0 && lower >= INT32_MAX - count) || (shift < 0 && lower <= INT32_MIN + 1))
    return lower;
  return lower + shift;
}

void CheckResult(int result, const BasedArray<std::string>& items,
                 const BasedArray<std::uint8_t>& disabled, std::uint8_t choiceBefore,
                 std::uint8_t choice, const std::vector<Cell>& before, const char* who) {
  // In arrays numbered below 0, -2 and -1 may also be entries chosen.
  if (result == -2 && !items.Contains(-2)) {
    if (choice != choiceBefore) FuzzFail(std::string(who) + ": -2 changed the choice");
  } else if (result != -1 && result != -2) {
    if (!items.Contains(result)) FuzzFail(std::string(who) + ": a result outside the entries");
    if (!disabled.Contains(result) || disabled[result] != 0)
      FuzzFail(std::string(who) + ": a disabled entry was chosen");
  }
  fuzz::ExpectScreen(before, who);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  HeadlessConsole& console = fuzz::UseFuzzScreen(in);
  const bool bar = in.Flag();
  const int count = in.In(0, 12);
  // Room for the longest array (13) one place further up.
  const int lower = fuzz::FuzzLowerBound(in, 14);
  const BasedArray<std::string> items = fuzz::FuzzTexts(in, lower, count, 40);
  // The other arrays usually match the items; sometimes they are shorter,
  // longer or start elsewhere.
  const auto otherCount = [&] { return in.Byte() % 8 == 0 ? in.In(0, 13) : count; };
  const int hotCount = otherCount(), helpCount = otherCount(), disabledCount = otherCount();
  const BasedArray<std::uint8_t> hotKeys =
      Bytes<std::uint8_t>(in, Shifted(in, lower, hotCount), hotCount);
  const BasedArray<std::string> help =
      fuzz::FuzzTexts(in, Shifted(in, lower, helpCount), helpCount, 100);
  const BasedArray<std::uint8_t> disabled =
      Bytes<std::uint8_t>(in, Shifted(in, lower, disabledCount), disabledCount);
  std::uint8_t choice = in.Byte();
  const int helpRow = in.Byte() % 4 == 0 ? in.Byte() : ScreenHeight();
  WindowRec window{};
  for (std::uint8_t* field = &window.Top; field <= &window.TitleColor; ++field)
    *field = in.Byte();
  // Mostly near the screen, where a box can fit.
  window.Top %= 32;
  window.Left %= 100;
  const int barRow = in.Byte() % 32;
  const std::string title = in.Text(30);
  const ColorAttr colors[] = {in.Byte(), in.Byte(), in.Byte(), in.Byte(), in.Byte()};

  fuzz::UseFuzzMouse(in);
  fuzz::QueueFuzzInput(console, in);
  const std::vector<Cell> before = fuzz::Screen();
  const std::uint8_t choiceBefore = choice;
  const Area helpLine{helpRow, 1, helpRow, ScreenWidth()};
  try {
    if (bar) {
      const int result = BarMenu(items, hotKeys, help, disabled, barRow, helpRow, choice, colors[0],
                                 colors[1], colors[2], colors[3], colors[4]);
      CheckResult(result, items, disabled, choiceBefore, choice, before, "BarMenu");
    } else {
      const int result = BoxMenu(items, hotKeys, help, disabled, choice, window, title, helpRow,
                                 colors[0], colors[1], colors[2], colors[3]);
      CheckResult(result, items, disabled, choiceBefore, choice, before, "BoxMenu");
    }
  } catch (const HeadlessInputExhausted&) {
    if (bar) {
      fuzz::ExpectOnlyInside(before, {{barRow, 1, barRow, ScreenWidth()}, helpLine}, "BarMenu");
    } else {
      const SaveArea box = WindowSaveArea(window);
      fuzz::ExpectOnlyInside(before,
                             {{box.top, box.left, box.top + box.rows - 1, box.left + box.cols - 1},
                              helpLine,
                              fuzz::TitleSpill(window),
                              fuzz::CloseBoxSpill(window)},
                             "BoxMenu");
    }
  }
  return 0;
}
