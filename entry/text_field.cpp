#include "entry/text_field.h"

#include <algorithm>

#include "console/console.h"
#include "entry/text_field_state.h"
#include "runtime/cp437_case.h"

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

// Redraws after a change or a move and applies the mode's cursor limit; true
// when a field of mode 5 or 6 has filled up and so completed.
bool Redraw(TextFieldState& s) {
  const FieldRec& f = *s.field;
  if (TextSize(s) > Length(s)) s.text.resize(Length(s));
  DrawTextField(s);
  if (f.Mask == 0) s.pos = 0;
  if (CompletesWhenFull(f.EditMode) && s.pos == Length(s)) {
    s.done = true;
    s.exitKey = kEnterKey;
    return true;
  }
  const int limit = StopsOnLastCell(f.EditMode) ? std::max(Length(s) - 1, 0) : Length(s);
  s.pos = std::min(s.pos, limit);
  return false;
}

FieldStep Refuse() {
  Beep();
  return FieldStep::kRefused;
}

FieldStep TypeCharacter(TextFieldState& s, unsigned char ch) {
  FieldRec& f = *s.field;
  if (f.FieldType == field_type::kUpperLetters) ch = UpperChar(ch);
  if (!s.charClass.empty() && s.charClass.find(static_cast<char>(ch)) == std::string::npos)
    return Refuse();
  if (FirstKeyEmpties(f.EditMode) && s.firstKey) {
    s.text.clear();
    s.pos = 0;
  }
  const char c = static_cast<char>(ch);
  const bool full = TextSize(s) >= Length(s);
  if (*s.insertMode != 0) {
    if (full) return Refuse();
    // A blank display shows no cursor position, so characters go to the end.
    if (f.Mask == 0)
      s.text += c;
    else
      s.text.insert(static_cast<size_t>(s.pos), 1, c);
  } else if (s.pos < TextSize(s) && f.Mask != 0) {
    s.text[s.pos] = c;
  } else {
    if (full) return Refuse();
    s.text += c;
  }
  ++s.pos;
  f.Changed = -1;
  return FieldStep::kEdited;
}

// Acts on a key that is not an exit key; the caller redraws after kMoved and
// kEdited.
FieldStep ActOnKey(TextFieldState& s, const KeyCode& key) {
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
        s.text.erase(static_cast<size_t>(s.pos), 1);
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
      s.text.erase(static_cast<size_t>(--s.pos), 1);
      f.Changed = -1;
      return FieldStep::kEdited;
    case kCtrlT: {
      if (s.pos >= TextSize(s)) return Refuse();
      const size_t space = s.text.find(' ', static_cast<size_t>(s.pos));
      s.text.erase(static_cast<size_t>(s.pos),
                   space == std::string::npos ? std::string::npos : space - s.pos + 1);
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
      return TypeCharacter(s, static_cast<unsigned char>(key[0]));
  }
}

}  // namespace

TextFieldState StartTextField(FieldRec& field, std::string_view prompt, const std::string& value,
                              std::string_view exitKeys, int cursorPos, std::int16_t& insertMode) {
  TextFieldState s;
  s.field = &field;
  s.insertMode = &insertMode;
  s.given = value;
  s.exitKeys = std::string(exitKeys);
  s.fieldCol = ShowPrompt(field, prompt);
  field.Changed = 0;
  if (field.FieldType == field_type::kLabel) {
    s.done = true;
    s.exitKey = kEnterKey;
    return s;
  }
  s.color = DisplayOnly(field) ? field.NormalColor : field.EditColor;
  s.text = value.substr(0, field.Length);
  s.charClass = FieldCharClass(field.FieldType);
  // The cursor starts on a cell it could have reached by moving.
  s.pos = std::clamp(cursorPos, 0, TextSize(s));
  if (StopsOnLastCell(field.EditMode)) s.pos = std::min(s.pos, std::max(Length(s) - 1, 0));
  DrawTextField(s);
  if (field.Mask == 0) s.pos = 0;
  if (DisplayOnly(field)) {
    s.done = true;
    s.exitKey = kEnterKey;
  }
  return s;
}

FieldStep StepTextField(TextFieldState& s, const KeyCode& key) {
  if (const auto ending = EndingStep(s, key)) return *ending;
  if (IsExtendedKey(key, scan::kIns)) {
    // Only the cursor's height shows the new mode; the field is not redrawn.
    *s.insertMode = *s.insertMode != 0 ? 0 : -1;
    s.firstKey = false;
    return FieldStep::kMoved;
  }
  const FieldStep step = ActOnKey(s, key);
  s.firstKey = false;
  if ((step == FieldStep::kMoved || step == FieldStep::kEdited) && Redraw(s))
    return FieldStep::kEnded;
  return step;
}

void DrawTextField(const TextFieldState& s) {
  const FieldRec& f = *s.field;
  std::string shown;
  if (f.Mask == -1)
    shown = s.text;
  else if (f.Mask != 0)
    shown.assign(s.text.size(), static_cast<char>(f.Mask));
  shown.resize(std::max<size_t>(shown.size(), f.Length), ' ');
  DrawAt(f.Row, s.fieldCol, shown, s.color);
}

void ShowTextFieldCursor(const TextFieldState& s) {
  Locate(s.field->Row, s.fieldCol + s.pos);
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
  value = s.text;
  cursorPos = static_cast<std::uint8_t>(s.pos);
  FinishTextField(s);
  return s.exitKey;
}

}  // namespace tarvana
