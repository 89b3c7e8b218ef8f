#pragma once
// The calculator field: a right-aligned number that fills from the right.

#include <string>
#include <string_view>

#include "console/types.h"
#include "entry/field_rec.h"

namespace tarvana {

// Prints the prompt and edits value, shown right-aligned in field.Length
// cells with the cursor on the last one. Digits and one "." enter on the
// right and push the number left (leading zeros are blanked; an all-zero
// number shows "0"); the first character typed starts a new number. Del and
// Backspace drop the last character, Ctrl-Y clears to 0, Ctrl-Backspace brings
// back the value given. An exit key of exitKeys stores the field, leading
// spaces included, in value and ends the call. An empty value becomes "0" at
// the start. field.Changed: 0 unchanged, -1 after a change. Mode 0 only draws
// and returns Enter. The cursor is hidden on return; mouse events are ignored.
// A field whose prompt and cells would not lie on the screen is not drawn: an
// empty KeyCode comes back at once and nothing is changed.
KeyCode CalcField(FieldRec& field, std::string_view prompt, std::string& value,
                  std::string_view exitKeys);

}  // namespace tarvana
