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

// One call of a pick list, as read from the fuzzer's bytes.
struct ListCall {
  int kind;  // PickList, KeyPickList, MultiPickList, KeyMultiPickList
  BasedArray<std::string> items;
  BasedArray<std::int16_t> flags;
  int sortOrder;
  WindowRec window;
  std::string title;
  std::uint8_t scrollBar;
  ColorAttr barColor, markColor;
  std::string mark;
};

// Flags mostly of the items' bounds, sometimes fewer or one lower; mostly 0.
BasedArray<std::int16_t> FuzzFlags(FuzzBytes& in, int lower, int count) {
  const int flagCount = in.Byte() % 8 == 0 ? in.In(0, count + 1) : count;
  const int flagLower = in.Byte() % 8 == 0 ? std::max(lower, INT32_MIN + 1) - 1 : lower;
  std::vector<std::int16_t> flagValues;
  for (int i = 0; i < flagCount; ++i)
    flagValues.push_back(static_cast<std::int16_t>(in.Byte() % 3 == 0 ? in.In(-2, 2) : 0));
  return BasedArray<std::int16_t>(flagLower, flagValues);
}

// Any colours and frame, held to positions near the screen.
WindowRec FuzzWindow(FuzzBytes& in) {
  WindowRec window{};
  for (std::uint8_t* field = &window.Top; field <= &window.TitleColor; ++field)
    *field = in.Byte();
  window.Top %= 32;
  window.Left %= 100;
  window.Bottom %= 40;
  if (in.Flag()) window.Right = 0;  // automatic width
  return window;
}

// The arguments in the order the bytes give them (the committed corpus relies on it).
ListCall FuzzCall(FuzzBytes& in) {
  const int kind = in.Byte() % 4;
  const int count = in.Byte() % 8 == 0 ? in.In(0, 400) : in.In(0, 30);
  const int lower = fuzz::FuzzLowerBound(in, count + 2);
  BasedArray<std::string> items = fuzz::FuzzTexts(in, lower, count, 30);
  BasedArray<std::int16_t> flags = FuzzFlags(in, lower, count);
  const int sortOrder = in.In(-1, 1);
  const WindowRec window = FuzzWindow(in);
  std::string title = in.Text(20);
  const std::uint8_t scrollBar = in.Byte() % 3;
  const ColorAttr barColor = in.Byte(), markColor = in.Byte();
  std::string mark = in.Text(3);
  return {.kind = kind,
          .items = std::move(items),
          .flags = std::move(flags),
          .sortOrder = sortOrder,
          .window = window,
          .title = std::move(title),
          .scrollBar = scrollBar,
          .barColor = barColor,
          .markColor = markColor,
          .mark = std::move(mark)};
}

// Runs the call; a list that returns leaves the screen as it found it, one
// still waiting has drawn only in its window and shadow.
void RunCall(ListCall& c, HeadlessConsole& console, FuzzBytes& in) {
  fuzz::UseFuzzMouse(in);
  fuzz::QueueFuzzInput(console, in);
  const std::vector<Cell> before = fuzz::Screen();
  try {
    if (c.kind < 2) {
      const std::int32_t result =
          c.kind == 0
              ? PickList(c.items, c.sortOrder, c.window, c.title, c.scrollBar, c.barColor)
              : KeyPickList(c.items, c.sortOrder, c.window, c.title, c.scrollBar, c.barColor);
      if (result != -1 && !c.items.Contains(result))
        FuzzFail("a pick list result outside the items");
    } else if (c.kind == 2) {
      MultiPickList(c.items, c.flags, c.sortOrder, c.window, c.title, c.scrollBar, c.barColor,
                    c.markColor, c.mark);
    } else {
      KeyMultiPickList(c.items, c.flags, c.sortOrder, c.window, c.title, c.scrollBar, c.barColor,
                       c.markColor, c.mark);
    }
    fuzz::ExpectScreen(before, "a pick list");
  } catch (const HeadlessInputExhausted&) {
    const WindowRec drawn = DrawnWindow(c.window, c.items);
    const SaveArea area = WindowSaveArea(drawn);
    fuzz::ExpectOnlyInside(
        before,
        {{area.top, area.left, area.top + area.rows - 1, area.left + area.cols - 1},
         fuzz::TitleSpill(drawn),
         fuzz::CloseBoxSpill(drawn)},
        "a pick list");
  }
}

// Only -1 or 0 written, and nothing at all into flags of other bounds.
void CheckFlags(const ListCall& c, const BasedArray<std::int16_t>& flagsBefore) {
  const BasedArray<std::int16_t>& flags = c.flags;
  const bool matched = flags.LBound() == c.items.LBound() && flags.Count() == c.items.Count();
  for (int i = flags.LBound(); i <= flags.UBound(); ++i) {
    if (flags[i] == flagsBefore[i]) continue;
    if (!matched) FuzzFail("flags of other bounds than the items were written");
    if (flags[i] != 0 && flags[i] != -1) FuzzFail("a flag written other than -1 or 0");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  HeadlessConsole& console = fuzz::UseFuzzScreen(in);
  ListCall call = FuzzCall(in);
  const BasedArray<std::int16_t> flagsBefore = call.flags;
  RunCall(call, console, in);
  CheckFlags(call, flagsBefore);
  return 0;
}
