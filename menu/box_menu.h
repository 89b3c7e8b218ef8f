#pragma once
// The box menu: a self-sizing framed menu with a highlight bar, hot keys,
// disabled entries, a help line and mouse clicks.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"
#include "runtime/based_array.h"

namespace tarvana {

// Shows the menu with its top-left corner at window.Top, window.Left (Bottom
// and Right are computed and written back), lets the user choose, and leaves
// the screen as it found it. Returns the entry chosen (Enter, hot key or
// click), -1 when cancelled (Esc, right click, left click outside the box) or
// -2 when no enabled entry lies at or after `choice`. `choice` gives the entry
// highlighted first and receives the entry chosen, or the one highlighted on
// cancel. A help row of 0 shows no help line.
int BoxMenu(const BasedArray<std::string>& items, const BasedArray<std::uint8_t>& hotKeys,
            const BasedArray<std::string>& helpTexts, const BasedArray<std::uint8_t>& disabled,
            std::uint8_t& choice, WindowRec& window, std::string_view title, int helpRow,
            ColorAttr hotKeyColor, ColorAttr disabledColor, ColorAttr helpColor,
            ColorAttr barColor);

}  // namespace tarvana
