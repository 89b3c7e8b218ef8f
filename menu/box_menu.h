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
// cancel. A help row of 0 (or one off the screen) shows no help line; a help
// text is cut at the screen's right edge. Without drawing anything, and
// leaving choice and window unchanged, it also returns -2 when there are no
// entries, when the hot-key, help or disabled array lacks an element for an
// entry of items, or when the box would not lie wholly on the screen.
int BoxMenu(const BasedArray<std::string>& items, const BasedArray<std::uint8_t>& hotKeys,
            const BasedArray<std::string>& helpTexts, const BasedArray<std::uint8_t>& disabled,
            std::uint8_t& choice, WindowRec& window, std::string_view title, int helpRow,
            ColorAttr hotKeyColor, ColorAttr disabledColor, ColorAttr helpColor,
            ColorAttr barColor);

}  // namespace tarvana
