#pragma once
// The working state of a calculator field and the steps CalcField is built
// from.

#include <string>
#include <string_view>

#include "console/types.h"
#include "entry/field_editing.h"
#include "entry/field_rec.h"

namespace tarvana::internal {

struct CalcFieldState {
  FieldRec* field = nullptr;
  std::string given;  // the value at the start, for Ctrl-Backspace
  std::string text;   // exactly Length characters, right-aligned
  std::string exitKeys;
  ColorAttr color = 0;
  int fieldCol = 0;
  bool point = false;  // the text holds a decimal point
  bool firstKey = true;
  bool done = false;
  KeyCode exitKey;
};

// Prints the prompt and the field and returns the state (an empty value is
// made "0" first); mode 0 comes back done, with Enter as its exit key.
CalcFieldState StartCalcField(FieldRec& field, std::string_view prompt, std::string& value,
                              std::string_view exitKeys);
// Acts on one key; kEnded sets done and exitKey.
FieldStep StepCalcField(CalcFieldState& state, const KeyCode& key);
// Draws the text in the state's colour.
void DrawCalcField(const CalcFieldState& state);
// Shows the cursor, keeping its height, on the field's last cell.
void ShowCalcCursor(const CalcFieldState& state);
// Draws the field in its normal colour and hides the cursor.
void FinishCalcField(const CalcFieldState& state);

}  // namespace tarvana::internal
