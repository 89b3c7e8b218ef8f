#pragma once
// The working state of a template field and the steps TemplateField is built
// from.

#include <string>
#include <string_view>
#include <vector>

#include "console/types.h"
#include "entry/field_editing.h"
#include "entry/field_rec.h"

namespace tarvana::internal {

// The positions of a template or of its value, a slot (one of the codes
// 1-10) or a literal each: code page 437 bytes, each a cell; or, for the
// modern layer's forms, UTF-8 grapheme clusters, a literal taking the cells
// its cluster takes and a slot one cell. Equal to the text that joins them.
struct TemplateText : std::vector<std::string> {
  bool operator==(std::string_view text) const { return JoinCharacters(*this) == text; }
};

struct TemplateFieldState {
  FieldRec* field = nullptr;
  TemplateText templ;
  TemplateText given;  // the value at the start, for Ctrl-Backspace
  TemplateText value;  // the working value, one character per template position
  bool utf8 = false;
  std::string exitKeys;
  ColorAttr color = 0;
  int fieldCol = 0;
  int pos = 0;  // 0-based template position of the cursor
  int firstSlot = 0;
  int limit = 0;  // the furthest position the cursor may take
  bool firstKey = true;
  bool done = false;
  KeyCode exitKey;
};

// The value of a template with every slot blank.
std::string BlankTemplateValue(std::string_view templ);
// The cells a template takes on the screen; utf8 takes it as UTF-8 clusters.
int TemplateCells(std::string_view templ, bool utf8);
// value made one character per position of templ, as the editor first holds
// it (see DrawTemplate); utf8 takes both as UTF-8 clusters, and then the
// value's literals become the template's and a slot holding a character that
// does not take exactly one cell is blank.
std::string FitTemplateValue(std::string_view templ, std::string_view value, bool utf8);

// Prints the prompt and the field and returns the state; mode 0 or a template
// without slots comes back done, with Enter as its exit key. utf8 makes the
// template and the value UTF-8 clusters.
TemplateFieldState StartTemplateField(FieldRec& field, std::string_view prompt,
                                      std::string_view templ, const std::string& value,
                                      std::string_view exitKeys, bool utf8 = false);
// Acts on one key; kEnded sets done and exitKey. typed is the character a key
// types as UTF-8 (InputEvent::text), which a UTF-8 slot takes whole.
FieldStep StepTemplateField(TemplateFieldState& state, const KeyCode& key,
                            std::string_view typed = {});
// Draws the working value in the state's colour.
void DrawTemplateField(TemplateFieldState& state);
// Puts the (low) cursor on its position.
void ShowTemplateCursor(const TemplateFieldState& state);
// Draws the field in its normal colour and hides the cursor.
void FinishTemplateField(TemplateFieldState& state);

// TemplateField over a UTF-8 template and value, for the modern layer's
// forms: the template's literals of any script are shown as they are (a wide
// one in two cells), and each slot is one cell that takes one character typed
// of its class: a slot of code 6 (upper-case letters) a letter of any script,
// upper-cased, or a space; a slot of code 8 any character. A character that
// does not take exactly one cell (a wide one, a mark alone) is refused with a
// beep. value receives the text, its literals the template's.
KeyCode Utf8TemplateField(FieldRec& field, std::string_view prompt, std::string_view templ,
                          std::string& value, std::string_view exitKeys);

}  // namespace tarvana::internal
