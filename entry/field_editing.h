#pragma once
// What the field editors share: the answer of a step, the rules packed into an
// edit mode, the editing keys, and printing a field's prompt. Shared with the
// modern layer's form, which draws its fields and labels with them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/cell_string.h"
#include "console/types.h"
#include "entry/field_rec.h"

namespace tarvana::internal {

// What one key did to a field being edited.
enum class FieldStep {
  kIgnored,  // nothing (a mouse event or a key the field has no use for)
  kRefused,  // beeped; text and cursor as they were
  kMoved,    // the cursor moved or changed its shape; the text is the same
  kEdited,   // the text changed
  kEnded,    // an exit key, or the field completed itself with Enter
};

// The start every editor's step shares: once the editing has ended, and for
// an empty key or a mouse event, the step is ignored; an exit key ends the
// editing and is kept. Otherwise there is no step yet (nullopt).
template <class EditorState>
std::optional<FieldStep> EndingStep(EditorState& s, const KeyCode& key) {
  if (s.done || key.empty() || IsMouseKey(key)) return FieldStep::kIgnored;
  if (IsExitKey(key, s.exitKeys) == 0) return std::nullopt;
  s.done = true;
  s.exitKey = key;
  return FieldStep::kEnded;
}

// One-byte editing keys.
inline constexpr char kBackspace = 8;
inline constexpr char kCtrlT = 20;
inline constexpr char kCtrlY = 25;
inline constexpr char kCtrlBackspace = 127;
inline const KeyCode kEnterKey = "\r";

// The odd modes 1, 3 and 5: the first accepted character empties the field.
inline bool FirstKeyEmpties(int mode) {
  return mode == 1 || mode == 3 || mode == 5;
}
// Modes 1 and 2: the cursor stops on the field's last cell.
inline bool StopsOnLastCell(int mode) {
  return mode == 1 || mode == 2;
}
// Modes 5 and 6: the field ends the editing by itself when it is full.
inline bool CompletesWhenFull(int mode) {
  return mode == 5 || mode == 6;
}

// A key that may enter a field's text: one byte that is not a control code.
inline bool IsTypedCharacter(const KeyCode& key) {
  return key.size() == 1 && static_cast<unsigned char>(key[0]) >= 32;
}

// The characters of a field's text: a byte each, or UTF-8 grapheme clusters.
std::vector<std::string> SplitCharacters(std::string_view text, bool utf8);
// The characters joined into one string.
std::string JoinCharacters(const std::vector<std::string>& characters);
// The cells a character takes: one for a byte, a UTF-8 cluster's as the
// screen shows it.
int CharacterCells(const std::string& character, bool utf8);
// What a UTF-8 field or slot of fieldType takes of a character typed:
// kUpperLetters a letter of any script, its first code point upper-cased by
// the simple mapping (the marks after it kept), or a space; a type with a
// character class (FieldCharClass) one of its characters; any other type any
// character. nullopt for a character it refuses.
std::optional<std::string> Utf8Typed(int fieldType, std::string_view typed);
// True when utf8 begins with a letter of any script.
bool BeginsWithLetter(std::string_view utf8);

// text in width cells: spaces on the left, or its last width characters.
std::string RightAlign(std::string_view text, int width);

// True when the prompt and `cells` cells after it, on row field.Row from
// column field.Col, lie on the screen; a field that draws nothing (no prompt
// and no cells) fits anywhere. The editors draw nothing and return an empty
// KeyCode for a field that does not fit.
bool FieldFits(const FieldRec& field, std::size_t promptLength, std::int64_t cells);

// Hides the cursor and prints the prompt at the field's row and column in its
// prompt colour; returns the field's first column.
int ShowPrompt(const FieldRec& field, std::string_view prompt);

// Hides the cursor and prints text at (row, col) in colour.
void DrawAt(int row, int col, std::string_view text, ColorAttr color);
// The same for cells.
void DrawAt(int row, int col, const CellString& cells, ColorAttr color);

}  // namespace tarvana::internal
