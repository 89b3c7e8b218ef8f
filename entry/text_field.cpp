#include "entry/text_field.h"

#include <algorithm>
#include <optional>

#include "console/cell_string.h"
#include "console/console.h"
#include "console/cp437.h"
#include "console/input_event.h"
#include "entry/text_field_state.h"
#include "runtime/cp437_case.h"
#include "runtime/unicode/grapheme.h"

namespace tarvana {
namespace internal {
namespace {

bool DisplayOnly(const FieldRec& field) {
  return field.EditMode == 0 || field.FieldType == field_type::kDisplayOnly;
}

int Length(const TextFieldState& s) {
  return s.field->Length;
}
int TextSize(const TextFieldState& s) {
  return static_cast<int>(s.text.size());
}
// The most characters the text holds.
int Capacity(const TextFieldState& s) {
  return s.utf8 ? s.capacity : Length(s);
}

int CellsBefore(const TextFieldState& s, int pos) {
  int cells = 0;
  for (int i = 0; i < pos && i < TextSize(s); ++i)
    cells += CharacterCells(s.text[static_cast<std::size_t>(i)], s.utf8);
  return cells;
}

// A UTF-8 text cut into clusters again after an edit (a mark typed joins the
// character before it), the cursor kept after the same bytes.
void Resegment(TextFieldState& s) {
  if (!s.utf8) return;
  std::size_t before = 0;
  for (int i = 0; i < s.pos; ++i)
    before += s.text[static_cast<std::size_t>(i)].size();
  s.text = SplitCharacters(TextFieldValue(s), true);
  std::size_t at = 0;
  s.pos = 0;
  while (s.pos < TextSize(s) && at + s.text[static_cast<std::size_t>(s.pos)].size() <= before)
    at += s.text[static_cast<std::size_t>(s.pos++)].size();
}

// Keeps the cursor's cluster within the field: a UTF-8 text scrolls sideways.
void FollowCursor(TextFieldState& s) {
  if (!s.utf8) return;
  const int at = CellsBefore(s, s.pos);
  const int cells = s.pos < TextSize(s) ? CharacterCells(s.text[s.pos], s.utf8) : 1;
  if (at < s.scroll) s.scroll = at;
  if (at + cells > s.scroll + Length(s)) s.scroll = at + cells - Length(s);
  s.scroll = std::max(s.scroll, 0);
}

// Redraws after a change or a move and applies the mode's cursor limit; true
// when a field of mode 5 or 6 has filled up and so completed.
bool Redraw(TextFieldState& s) {
  const FieldRec& f = *s.field;
  if (TextSize(s) > Capacity(s)) s.text.resize(Capacity(s));
  FollowCursor(s);
  DrawTextField(s);
  if (f.Mask == 0) s.pos = 0;
  if (CompletesWhenFull(f.EditMode) && s.pos == Capacity(s)) {
    s.done = true;
    s.exitKey = kEnterKey;
    return true;
  }
  const int limit = StopsOnLastCell(f.EditMode) ? std::max(Capacity(s) - 1, 0) : Capacity(s);
  s.pos = std::min(s.pos, limit);
  return false;
}

FieldStep Refuse() {
  Beep();
  return FieldStep::kRefused;
}

// True when c, typed after the character before the cursor, joins it into one
// cluster (a mark after its letter) and that character begins with a letter.
bool JoinsLetterBefore(const TextFieldState& s, const std::string& c) {
  if (s.pos == 0 || (FirstKeyEmpties(s.field->EditMode) && s.firstKey)) return false;
  const std::string& before = s.text[static_cast<std::size_t>(s.pos - 1)];
  return BeginsWithLetter(before) && NextClusterEnd(before + c, 0) == before.size() + c.size();
}

// The character the key types into the text, or nullopt when the field takes
// no such character. A UTF-8 text takes the character typed (typed), or the
// key's glyph; an upper-case one takes letters of any script, upper-cased,
// spaces, and marks that join the letter before them.
std::optional<std::string> TypedCharacter(const TextFieldState& s, unsigned char ch,
                                          std::string_view typed) {
  if (!s.utf8) {
    if (s.field->FieldType == field_type::kUpperLetters) ch = UpperChar(ch);
    if (!s.charClass.empty() && s.charClass.find(static_cast<char>(ch)) == std::string::npos)
      return std::nullopt;
    return std::string(1, static_cast<char>(ch));
  }
  const std::string c =
      !typed.empty() ? std::string(typed) : Cp437ToUtf8(std::string(1, static_cast<char>(ch)));
  if (s.field->FieldType == field_type::kUpperLetters && JoinsLetterBefore(s, c)) return c;
  return Utf8Typed(s.field->FieldType, c);
}

FieldStep TypeCharacter(TextFieldState& s, unsigned char ch, std::string_view typed) {
  FieldRec& f = *s.field;
  const std::optional<std::string> typedCharacter = TypedCharacter(s, ch, typed);
  if (!typedCharacter) return Refuse();
  if (FirstKeyEmpties(f.EditMode) && s.firstKey) {
    s.text.clear();
    s.pos = 0;
  }
  const std::string& c = *typedCharacter;
  const bool full = TextSize(s) >= Capacity(s);
  if (*s.insertMode != 0) {
    if (full) return Refuse();
    // A blank display shows no cursor position, so characters go to the end.
    if (f.Mask == 0)
      s.text.push_back(c);
    else
      s.text.insert(s.text.begin() + s.pos, c);
  } else if (s.pos < TextSize(s) && f.Mask != 0) {
    s.text[static_cast<std::size_t>(s.pos)] = c;
  } else {
    if (full) return Refuse();
    s.text.push_back(c);
  }
  ++s.pos;
  Resegment(s);
  f.Changed = -1;
  return FieldStep::kEdited;
}

// Acts on a key that is not an exit key; the caller redraws after kMoved and
// kEdited.
FieldStep ActOnKey(TextFieldState& s, const KeyCode& key, std::string_view typed) {
  FieldRec& f = *s.field;
  if (key.size() == 2 && key[0] == '\0') {
    switch (static_cast<std::uint8_t>(key[1])) {
      case scan::kLeft:
        if (s.pos == 0) return Refuse();
        --s.pos;
        return FieldStep::kMoved;
      case scan::kRight:
        if (s.pos >= TextSize(s)) return Refuse();
        ++s.pos;
        return FieldStep::kMoved;
      case scan::kHome:
        s.pos = 0;
        return FieldStep::kMoved;
      case scan::kEnd:
        s.pos = TextSize(s);
        return FieldStep::kMoved;
      case scan::kDel:
        if (s.pos >= TextSize(s)) return Refuse();
        s.text.erase(s.text.begin() + s.pos);
        Resegment(s);
        f.Changed = -1;
        return FieldStep::kEdited;
      default:
        return FieldStep::kIgnored;
    }
  }
  if (key.size() != 1) return FieldStep::kIgnored;
  switch (key[0]) {
    case kCtrlY:
      s.text.clear();
      s.pos = 0;
      f.Changed = -1;
      return FieldStep::kEdited;
    case kBackspace:
      if (s.pos == 0) return Refuse();
      s.text.erase(s.text.begin() + --s.pos);
      Resegment(s);
      f.Changed = -1;
      return FieldStep::kEdited;
    case kCtrlT: {
      if (s.pos >= TextSize(s)) return Refuse();
      const auto from = s.text.begin() + s.pos;
      const auto space = std::find(from, s.text.end(), " ");
      s.text.erase(from, space == s.text.end() ? space : space + 1);
      Resegment(s);
      f.Changed = -1;
      return FieldStep::kEdited;
    }
    case kCtrlBackspace:
      s.text = s.given;
      s.pos = 0;
      f.Changed = 0;
      return FieldStep::kEdited;
    default:
      if (!IsTypedCharacter(key)) return Refuse();
      return TypeCharacter(s, static_cast<unsigned char>(key[0]), typed);
  }
}

}  // namespace

TextFieldState StartTextField(FieldRec& field, std::string_view prompt, const std::string& value,
                              std::string_view exitKeys, int cursorPos, std::int16_t& insertMode,
                              bool utf8, int capacity) {
  TextFieldState s;
  s.field = &field;
  s.insertMode = &insertMode;
  s.utf8 = utf8;
  s.capacity = std::max(capacity, 0);
  s.given = SplitCharacters(value, utf8);
  s.exitKeys = std::string(exitKeys);
  s.fieldCol = ShowPrompt(field, prompt);
  field.Changed = 0;
  if (field.FieldType == field_type::kLabel) {
    s.done = true;
    s.exitKey = kEnterKey;
    return s;
  }
  s.color = DisplayOnly(field) ? field.NormalColor : field.EditColor;
  s.text = s.given;
  if (TextSize(s) > Capacity(s)) s.text.resize(Capacity(s));
  s.charClass = FieldCharClass(field.FieldType);
  // The cursor starts on a cell it could have reached by moving.
  s.pos = std::clamp(cursorPos, 0, TextSize(s));
  if (StopsOnLastCell(field.EditMode)) s.pos = std::min(s.pos, std::max(Capacity(s) - 1, 0));
  FollowCursor(s);
  DrawTextField(s);
  if (field.Mask == 0) s.pos = 0;
  if (DisplayOnly(field)) {
    s.done = true;
    s.exitKey = kEnterKey;
  }
  return s;
}

FieldStep StepTextField(TextFieldState& s, const KeyCode& key, std::string_view typed) {
  if (const auto ending = EndingStep(s, key)) return *ending;
  if (IsExtendedKey(key, scan::kIns)) {
    // Only the cursor's height shows the new mode; the field is not redrawn.
    *s.insertMode = *s.insertMode != 0 ? 0 : -1;
    s.firstKey = false;
    return FieldStep::kMoved;
  }
  const FieldStep step = ActOnKey(s, key, typed);
  s.firstKey = false;
  if ((step == FieldStep::kMoved || step == FieldStep::kEdited) && Redraw(s))
    return FieldStep::kEnded;
  return step;
}

std::string TextFieldValue(const TextFieldState& s) {
  return JoinCharacters(s.text);
}

void DrawTextField(const TextFieldState& s) {
  const FieldRec& f = *s.field;
  if (s.utf8) {
    const std::string mask(1, static_cast<char>(f.Mask));
    CellString cells;
    for (const std::string& c : s.text)
      if (f.Mask != 0)
        cells.Append(f.Mask == -1 ? CellString::FromUtf8(c) : CellString::FromCp437(mask));
    DrawAt(f.Row, s.fieldCol, cells.Slice(s.scroll, f.Length).Padded(f.Length), s.color);
    return;
  }
  std::string shown;
  if (f.Mask == -1)
    shown = TextFieldValue(s);
  else if (f.Mask != 0)
    shown.assign(s.text.size(), static_cast<char>(f.Mask));
  shown.resize(std::max<size_t>(shown.size(), f.Length), ' ');
  DrawAt(f.Row, s.fieldCol, shown, s.color);
}

void ShowTextFieldCursor(const TextFieldState& s) {
  Locate(s.field->Row, s.fieldCol + (s.utf8 ? CellsBefore(s, s.pos) - s.scroll : s.pos));
  SetCursor(*s.insertMode != 0 ? 100 : 10);
}

void FinishTextField(const TextFieldState& s) {
  TextFieldState shown = s;
  shown.color = s.field->NormalColor;
  DrawTextField(shown);
}

}  // namespace internal

KeyCode TextField(FieldRec& field, std::string_view prompt, std::string& value,
                  std::string_view exitKeys, std::uint8_t& cursorPos, std::int16_t& insertMode) {
  using namespace internal;
  if (!FieldFits(field, prompt.size(), field.FieldType == field_type::kLabel ? 0 : field.Length))
    return {};
  TextFieldState s = StartTextField(field, prompt, value, exitKeys, cursorPos, insertMode);
  if (s.done) return s.exitKey;
  while (!s.done) {
    ShowTextFieldCursor(s);
    StepTextField(s, WaitKey());
  }
  value = TextFieldValue(s);
  cursorPos = static_cast<std::uint8_t>(s.pos);
  FinishTextField(s);
  return s.exitKey;
}

namespace internal {

KeyCode Utf8TextField(FieldRec& field, std::string_view prompt, std::string& value,
                      std::string_view exitKeys, int& cursorPos, std::int16_t& insertMode,
                      int capacity) {
  if (!FieldFits(field, prompt.size(), field.FieldType == field_type::kLabel ? 0 : field.Length))
    return {};
  TextFieldState s =
      StartTextField(field, prompt, value, exitKeys, cursorPos, insertMode, true, capacity);
  if (s.done) return s.exitKey;
  while (!s.done) {
    ShowTextFieldCursor(s);
    const InputEvent event = WaitKeyEvent();
    StepTextField(s, event.key, event.text);
  }
  value = TextFieldValue(s);
  cursorPos = s.pos;
  FinishTextField(s);
  return s.exitKey;
}

}  // namespace internal

}  // namespace tarvana
