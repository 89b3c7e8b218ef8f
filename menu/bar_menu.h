#pragma once
// The bar menu: a one-row menu with hot keys, disabled entries, a help line
// and mouse clicks.

#include <cstdint>
#include <string>

#include "console/types.h"
#include "runtime/based_array.h"

namespace tarvana {

// Fills barRow with the normal colour, lays the entries out from column 2 two
// columns apart, hides the cursor, lets the user choose with Left, Right,
// Home, End, Enter, a hot key or a click, and leaves the screen as it found
// it (the cursor stays hidden). Returns the entry chosen, -1 when cancelled
// (Esc, right click, left click off the bar row) or -2 when no enabled entry
// lies at or after `choice`; `choice` is in/out as for BoxMenu. Help lines as
// for BoxMenu. Without drawing anything, and leaving choice unchanged, it also
// returns -2 when there are no entries, when the hot-key, help or disabled
// array lacks an element for an entry of items, when barRow is off the
// screen, or when the entries do not fit on the row.
int BarMenu(const BasedArray<std::string>& items, const BasedArray<std::uint8_t>& hotKeys,
            const BasedArray<std::string>& helpTexts, const BasedArray<std::uint8_t>& disabled,
            int barRow, int helpRow, std::uint8_t& choice, ColorAttr highlightColor,
            ColorAttr normalColor, ColorAttr hotKeyColor, ColorAttr disabledColor,
            ColorAttr helpColor);

}  // namespace tarvana
