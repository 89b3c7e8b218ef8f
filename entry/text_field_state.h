#pragma once
// The working state of a text field and the steps TextField is built from.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "console/types.h"
#include "entry/field_editing.h"
#include "entry/field_rec.h"

namespace tarvana::internal {

// The text is a list of characters: code page 437 bytes, each a cell, at
// most Length of them; or, for the modern layer's forms, UTF-8 grapheme
// clusters, each as typed, at most `capacity` of them, shown from `scroll`
// cells on when the text is wider than the field.
struct TextFieldState {
  FieldRec* field = nullptr;
  std::int16_t* insertMode = nullptr;  // the caller's flag, toggled by Ins
  std::vector<std::string> given;      // the value at the start, for Ctrl-Backspace
  std::vector<std::string> text;       // the working text
  bool utf8 = false;
  int capacity = 0;
  int scroll = 0;
  std::string charClass;
  std::string exitKeys;
  ColorAttr color = 0;  // the field's colour while the call runs
  int fieldCol = 0;
  int pos = 0;  // the cursor: the characters before it
  bool firstKey = true;
  bool done = false;
  KeyCode exitKey;
};

// Prints the prompt and the field and returns the state; a label or a
// display-only field comes back done, with Enter as its exit key.
// utf8 makes the text UTF-8 clusters, at most capacity of them.
TextFieldState StartTextField(FieldRec& field, std::string_view prompt, const std::string& value,
                              std::string_view exitKeys, int cursorPos, std::int16_t& insertMode,
                              bool utf8 = false, int capacity = 0);
// Acts on one key; kEnded sets done and exitKey. typed is the character a
// key types as UTF-8 (InputEvent::text), which a UTF-8 text takes whole.
FieldStep StepTextField(TextFieldState& state, const KeyCode& key, std::string_view typed = {});
// The text as one string.
std::string TextFieldValue(const TextFieldState& state);
// Draws the text in the state's colour by the field's mask.
void DrawTextField(const TextFieldState& state);
// Puts the cursor on its cell, full height in insert mode, low in overwrite.
void ShowTextFieldCursor(const TextFieldState& state);
// Draws the field in its normal colour and hides the cursor.
void FinishTextField(const TextFieldState& state);

// TextField over UTF-8 text, for the modern layer's forms: any character can
// be typed and is kept as typed (a field of type 6 takes letters of any
// script, upper-cased by the simple mapping, spaces, and the marks typed
// after a letter; others are refused with a beep); the cursor, Del and
// Backspace go by cluster; a text wider than the field scrolls sideways by
// cells. value holds at most capacity clusters; cursorPos is in clusters.
KeyCode Utf8TextField(FieldRec& field, std::string_view prompt, std::string& value,
                      std::string_view exitKeys, int& cursorPos, std::int16_t& insertMode,
                      int capacity);

}  // namespace tarvana::internal
