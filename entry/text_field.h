#pragma once
// The free text field: a prompt and a field of fixed width edited with the
// keyboard, with a character class, insert and overwrite, word deletion and a
// masked display.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"
#include "entry/field_rec.h"

namespace tarvana {

// Prints the prompt at field.Row, field.Col and edits value in the Length
// cells after it until a key of exitKeys ends the editing (value receives the
// text) or a full field of mode 5 or 6 completes (Enter). Keys: Left, Right,
// Home, End, Del, Ins (toggles insertMode, which the caller keeps), Ctrl-Y
// (clear), Backspace, Ctrl-T (delete to and with the next space),
// Ctrl-Backspace (the text given, unchanged). A label (type 255) prints only
// its prompt; a display-only field (mode or type 0) is drawn; both return
// Enter at once and leave value and cursorPos alone. field.Changed is 0 when
// the call leaves the text as given, -1 after a change; cursorPos gives the
// starting cursor cell and receives the last one. The cursor is hidden on
// return. Mouse events are ignored. A field whose prompt and cells would not
// lie on the screen is not drawn: an empty KeyCode comes back at once and
// nothing is changed.
KeyCode TextField(FieldRec& field, std::string_view prompt, std::string& value,
                  std::string_view exitKeys, std::uint8_t& cursorPos, std::int16_t& insertMode);

}  // namespace tarvana
