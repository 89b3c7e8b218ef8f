#pragma once
// Template fields: a field laid out by a template in which the codes 1-10 are
// slots for one character of that field type's class and every other
// character is a literal shown as it is, such as CHR(1) CHR(1) "/" CHR(1)
// CHR(1) "/19" CHR(1) CHR(1) for a date.

#include <string>
#include <string_view>

#include "console/types.h"
#include "entry/field_rec.h"

namespace tarvana {

// Prints the prompt and edits value, which holds one character for every
// template position, literals included (an empty value starts as the blank
// template: "0" in slots 1-4, a space in slots 5-10). The cursor starts on
// the first slot, typing overwrites and skips the literals; modes 1-2 stop on
// the last slot, 3-4 rest one position past it, 5-6 end with Enter when it is
// passed. Keys: Left, Right, Home, End, Del and Backspace (blank a slot),
// Ctrl-Y (all blank), Ctrl-Backspace (the value given, unchanged). An exit
// key or completion writes value. field.Changed: 0 unchanged, 1 after a typed
// character, -1 after a deletion. Mode 0, or a template without slots, only
// draws and returns Enter. The cursor is hidden on return; mouse events are
// ignored. A field whose prompt and template would not lie on the screen is
// not drawn: an empty KeyCode comes back at once and nothing is changed.
KeyCode TemplateField(FieldRec& field, std::string_view prompt, std::string_view templ,
                      std::string& value, std::string_view exitKeys);

// Draws a template field at (field.Row, fieldCol) in the current colour: the
// value's characters in the slots, the template's elsewhere. An empty value is
// first replaced by the blank template, and one of another length is cut or
// completed from it, so that value always fits the template afterwards.
void DrawTemplate(const FieldRec& field, int fieldCol, std::string_view templ, std::string& value);

// The 1-based position of the template's last slot (code 1-10), or 0.
int LastSlot(std::string_view templ);

}  // namespace tarvana
