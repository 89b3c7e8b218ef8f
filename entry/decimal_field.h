#pragma once
// A number with a fixed count of whole and decimal digits, entered as two
// text fields with a decimal point between them.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"
#include "entry/field_rec.h"

namespace tarvana {

// Edits wholeText (wholeDigits cells of digits and "-", after the prompt) and
// then decimalText (decimalDigits digits after a "."), both in overwrite
// mode; either count may be 0. Typing "." or Enter in the whole part, or
// filling it, moves on to the decimals and shows the whole part right-aligned;
// any other exit key of exitKeys ends the call there. Filling the decimals
// ends it with Enter. Returns the last exit key; wholeText comes back without
// leading spaces and field.Changed is -1 when either part changed, else 0.
// With no digits at all nothing is edited and Enter is returned. When the
// prompt, the whole part, the point and the decimals would not lie on the
// screen nothing is drawn or changed and an empty KeyCode comes back.
KeyCode DecimalField(FieldRec& field, std::string_view prompt, std::int16_t wholeDigits,
                     std::int16_t decimalDigits, std::string& wholeText, std::string& decimalText,
                     std::string_view exitKeys);

}  // namespace tarvana
