#pragma once
// The entry screen: a whole form of data entry fields edited one at a time.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"
#include "entry/field_rec.h"
#include "runtime/based_array.h"

namespace tarvana {

// Runs a form of four parallel arrays over one index range: the fields, their
// prompts, their values (read and written) and, for fields of type 9, their
// templates. Fields are edited with TemplateField (type 9) or TextField from
// `current` on; Enter, Tab and Down go to the next field, Up and Shift+Tab to
// the previous one, wrapping at both ends and passing over display-only
// fields and labels (types 0 and 255). Any key of extraExitKeys ends the form
// and is returned, with `current` on the field where it was pressed and the
// text typed so far stored. Also returned: CHR(254) when a changed field with
// ExitOnChange is left, CHR(255) when navigation reaches a stop marker (type
// 254). A non-zero showFirst draws every field first (clearing the Changed
// flags); otherwise Changed accumulates over visits. insertMode is used and
// kept by every text field; anyChanged is set to -1 when a field is left
// changed and is never cleared here. A `current` outside the range starts on
// the first field. An empty KeyCode comes back at once, with nothing drawn,
// when the arrays do not share the field table's range (which must lie within
// 16-bit numbers) or when a field's prompt and cells would not lie on the
// screen; and when no field could ever take a key.
KeyCode EntryScreen(BasedArray<FieldRec>& fields, const BasedArray<std::string>& prompts,
                    BasedArray<std::string>& values, const BasedArray<std::string>& templates,
                    std::int16_t& current, std::string_view extraExitKeys, std::int16_t showFirst,
                    std::int16_t& insertMode, std::int16_t& anyChanged);

}  // namespace tarvana
