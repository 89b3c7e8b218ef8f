// libFuzzer target: the pick lists (PickList, KeyPickList, MultiPickList and
// KeyMultiPickList) with arbitrary items, flag arrays of arbitrary bounds,
// sort orders, windows and scroll bars, fed arbitrary keys and clicks on the
// headless console. A list that returns gives -1 or one of the caller's
// indices, leaves the screen as it found it, and writes no flag but -1 or 0
// (none at all into flags of other bounds); one still waiting when the input
// runs out has drawn only in its window and shadow.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "console/screen_save.h"
#include "picklist/multi_pick_list.h"
#include "picklist/pick_list.h"
#include "testing/fuzz_support.h"

namespace {

using namespace tarvana;
using fuzz::FuzzBytes;
using fuzz::FuzzFail;

// The list's window as drawn: automatic width as the list works it out.
WindowRec DrawnWindow(WindowRec window, const BasedArray<std::string>& items) {
  if (window.Right != 0) return window;
  std::size_t longest = 0;
  for (const std::string& item : items)
    longest = std::max(longest, item.size());
  window.Right = static_cast<std::uint8_t>(
      std::min<std::size_t>(window.Left + longest + 3, std::min(ScreenWidth(), 255)));
  return window;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  HeadlessConsole& console = fuzz::UseFuzzScreen(in);
  const int kind = in.Byte() % 4;  // PickList, KeyPickList, MultiPickList, KeyMultiPickList
  const int count = in.Byte() % 8 == 0 ? in.In(0, 400) : in.In(0, 30);
  const int lower = fuzz::FuzzLowerBound(in, count + 2);
  const BasedArray<std::string> items = fuzz::FuzzTexts(in, lower, count, 30);
  const int flagCount = in.Byte() % 8 == 0 ? in.In(0, count + 1) : count;
  const int flagLower = in.Byte() % 8 == 0 ? std::max(lower, INT32_MIN + 1) - 1 : lower;
  std::vector<std::int16_t> flagValues;
  for (int i = 0; i < flagCount; ++i)
    flagValues.push_back(static_cast<std::int16_t>(in.Byte() % 3 == 0 ? in.In(-2, 2) : 0));
  BasedArray<std::int16_t> flags(flagLower, flagValues);
  const int sortOrder = in.In(-1, 1);
  WindowRec window{};
  for (std::uint8_t* field = &window.Top; field <= &window.TitleColor; ++field)
    *field = in.Byte();
  window.Top %= 32;
  window.Left %= 100;
  window.Bottom %= 40;
  if (in.Flag()) window.Right = 0;  // automatic width
  const std::string title = in.Text(20);
  const std::uint8_t scrollBar = in.Byte() % 3;
  const ColorAttr barColor = in.Byte(), markColor = in.Byte();
  const std::string mark = in.Text(3);
  fuzz::UseFuzzMouse(in);
  fuzz::QueueFuzzInput(console, in);

  const std::vector<Cell> before = fuzz::Screen();
  const BasedArray<std::int16_t> flagsBefore = flags;
  try {
    if (kind < 2) {
      const std::int32_t result =
          kind == 0 ? PickList(items, sortOrder, window, title, scrollBar, barColor)
                    : KeyPickList(items, sortOrder, window, title, scrollBar, barColor);
      if (result != -1 && !items.Contains(result)) FuzzFail("a pick list result outside the items");
    } else if (kind == 2) {
      MultiPickList(items, flags, sortOrder, window, title, scrollBar, barColor, markColor, mark);
    } else {
      KeyMultiPickList(items, flags, sortOrder, window, title, scrollBar, barColor, markColor,
                       mark);
    }
    fuzz::ExpectScreen(before, "a pick list");
  } catch (const HeadlessInputExhausted&) {
    const WindowRec drawn = DrawnWindow(window, items);
    const SaveArea area = WindowSaveArea(drawn);
    fuzz::ExpectOnlyInside(
        before,
        {{area.top, area.left, area.top + area.rows - 1, area.left + area.cols - 1},
         fuzz::TitleSpill(drawn),
         fuzz::CloseBoxSpill(drawn)},
        "a pick list");
  }
  const bool matched = flags.LBound() == items.LBound() && flags.Count() == items.Count();
  for (int i = flags.LBound(); i <= flags.UBound(); ++i) {
    if (flags[i] == flagsBefore[i]) continue;
    if (!matched) FuzzFail("flags of other bounds than the items were written");
    if (flags[i] != 0 && flags[i] != -1) FuzzFail("a flag written other than -1 or 0");
  }
  return 0;
}
