#pragma once
// The working state of a text field and the steps TextField is built from.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"
#include "entry/field_editing.h"
#include "entry/field_rec.h"

namespace tarvana::internal {

struct TextFieldState {
  FieldRec* field = nullptr;
  std::int16_t* insertMode = nullptr;  // the caller's flag, toggled by Ins
  std::string given;                   // the value at the start, for Ctrl-Backspace
  std::string text;                    // the working text, at most Length characters
  std::string charClass;
  std::string exitKeys;
  ColorAttr color = 0;  // the field's colour while the call runs
  int fieldCol = 0;
  int pos = 0;  // 0-based cursor cell
  bool firstKey = true;
  bool done = false;
  KeyCode exitKey;
};

// Prints the prompt and the field and returns the state; a label or a
// display-only field comes back done, with Enter as its exit key.
TextFieldState StartTextField(FieldRec& field, std::string_view prompt, const std::string& value,
                              std::string_view exitKeys, int cursorPos, std::int16_t& insertMode);
// Acts on one key; kEnded sets done and exitKey.
FieldStep StepTextField(TextFieldState& state, const KeyCode& key);
// Draws the text in the state's colour by the field's mask.
void DrawTextField(const TextFieldState& state);
// Puts the cursor on its cell, full height in insert mode, low in overwrite.
void ShowTextFieldCursor(const TextFieldState& state);
// Draws the field in its normal colour and hides the cursor.
void FinishTextField(const TextFieldState& state);

}  // namespace tarvana::internal
