#pragma once
// The working state of a template field and the steps TemplateField is built
// from.

#include <string>
#include <string_view>

#include "console/types.h"
#include "entry/field_editing.h"
#include "entry/field_rec.h"

namespace tarvana::internal {

struct TemplateFieldState {
  FieldRec* field = nullptr;
  std::string templ;
  std::string given;  // the value at the start, for Ctrl-Backspace
  std::string value;  // the working value, one character per template position
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

// Prints the prompt and the field and returns the state; mode 0 or a template
// without slots comes back done, with Enter as its exit key.
TemplateFieldState StartTemplateField(FieldRec& field, std::string_view prompt,
                                      std::string_view templ, const std::string& value,
                                      std::string_view exitKeys);
// Acts on one key; kEnded sets done and exitKey.
FieldStep StepTemplateField(TemplateFieldState& state, const KeyCode& key);
// Draws the working value in the state's colour.
void DrawTemplateField(TemplateFieldState& state);
// Puts the (low) cursor on its position.
void ShowTemplateCursor(const TemplateFieldState& state);
// Draws the field in its normal colour and hides the cursor.
void FinishTemplateField(TemplateFieldState& state);

}  // namespace tarvana::internal
