#pragma once
// The multi-pick list: a pick list in which the user selects any number of
// items, each with a flag in the caller's array; and its keyboard-only twin.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"
#include "runtime/based_array.h"

namespace tarvana {

// Shows items like PickList (sorting, sizing, paging, scroll bar, type-ahead
// and clicks alike) with each item's selection flag: flags[i] belongs to the
// caller's item i whatever the display order, and non-zero means selected.
// Selected rows are drawn in markColor from frame to frame with mark before
// the text. Enter, or a left click on the highlighted row, toggles the item
// (writing -1 or 0) and moves the bar down one item; Esc or the right button
// closes the list, leaving the screen as it was found and barColor as the
// current colour. flags must have the bounds of items; nothing else is
// written.
void MultiPickList(const BasedArray<std::string>& items, BasedArray<std::int16_t>& flags,
                   int sortOrder, const WindowRec& window, std::string_view title,
                   std::uint8_t scrollBarStyle, ColorAttr barColor, ColorAttr markColor,
                   std::string_view mark);

// MultiPickList read from the keyboard only: every mouse event beeps and moves
// nothing. Each call keeps its own working state.
void KeyMultiPickList(const BasedArray<std::string>& items, BasedArray<std::int16_t>& flags,
                      int sortOrder, const WindowRec& window, std::string_view title,
                      std::uint8_t scrollBarStyle, ColorAttr barColor, ColorAttr markColor,
                      std::string_view mark);

}  // namespace tarvana
