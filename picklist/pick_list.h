#pragma once
// The pick list: an array of strings in a framed pop-up window, one item per
// row, from which the user picks one with the cursor keys, type-ahead search
// or the mouse; and its keyboard-only twin.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"
#include "runtime/based_array.h"

namespace tarvana {

// Shows items (at least one) in a window and returns the caller's index of the
// item chosen (Enter, or a left click on the highlighted row), or -1 when the
// user cancels (Esc or the right button). The caller's array is never changed;
// sortOrder > 0 shows it sorted ascending, < 0 descending, 0 in array order,
// comparing with a-z folded to A-Z. window gives Top, Left and Bottom; Right 0
// asks for automatic width (Left + longest item + 3, held at the screen's
// right edge), and a fixed Right cuts longer items at the right frame. A
// window that has no interior row and column or does not lie wholly on the
// screen opens nothing: -1 at once. The caller's record is not changed. A
// non-zero scrollBarStyle draws a scroll bar on the right frame whose clicks
// page the list; style 2 draws and clicks a longer thumb of floor(V * V / N)
// cells (V rows shown of N items, at least one cell). barColor colours the
// highlight and the thumb and is the current colour when the list returns.
// The screen is left as it was found. Lists may hold any number of items that
// an int indexes.
std::int32_t PickList(const BasedArray<std::string>& items, int sortOrder, const WindowRec& window,
                      std::string_view title, std::uint8_t scrollBarStyle, ColorAttr barColor);

// PickList read from the keyboard only: every mouse event beeps and moves
// nothing. Each call keeps its own working state.
std::int32_t KeyPickList(const BasedArray<std::string>& items, int sortOrder,
                         const WindowRec& window, std::string_view title,
                         std::uint8_t scrollBarStyle, ColorAttr barColor);

}  // namespace tarvana
