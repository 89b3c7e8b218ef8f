#include "entry/calc_field.h"

#include "console/console.h"
#include "entry/calc_field_state.h"

namespace tarvana {
namespace internal {
namespace {

std::string Aligned(std::string_view value, int length) {
  const size_t first = value.find_first_not_of(' ');
  if (first == std::string_view::npos) return RightAlign("", length);
  const size_t last = value.find_last_not_of(' ');
  return RightAlign(value.substr(first, last - first + 1), length);
}

int Length(const CalcFieldState& s) {
  return s.field->Length;
}

bool HasPoint(const std::string& text) {
  return text.find('.') != std::string::npos;
}

FieldStep Refuse() {
  Beep();
  return FieldStep::kRefused;
}

FieldStep DropLast(CalcFieldState& s) {
  if (s.text.empty()) return Refuse();
  if (s.text.back() == '.') s.point = false;
  s.text = " " + s.text.substr(0, s.text.size() - 1);
  s.field->Changed = -1;
  return FieldStep::kEdited;
}

FieldStep TypeCharacter(CalcFieldState& s, char ch) {
  static constexpr std::string_view kAccepted = "0123456789.";
  if (kAccepted.find(ch) == std::string_view::npos) return Refuse();
  // The first character starts a new number, which may then take a point.
  if (s.firstKey) {
    s.text = RightAlign("0", Length(s));
    s.point = false;
  }
  if (ch == '.' && s.point) return Refuse();
  // The lone "0" shown for an empty number gives way like a blank.
  const bool full = s.text.empty() || (s.text[0] != ' ' && s.text != RightAlign("0", Length(s)));
  if (full) return Refuse();
  if (ch == '.') s.point = true;
  s.text = s.text.substr(1) + ch;
  for (char& c : s.text) {
    if (c == ' ') continue;
    if (c != '0') break;
    c = ' ';
  }
  s.field->Changed = -1;
  return FieldStep::kEdited;
}

FieldStep ActOnKey(CalcFieldState& s, const KeyCode& key) {
  if (key.size() == 2 && key[0] == '\0')
    return IsExtendedKey(key, scan::kDel) ? DropLast(s) : FieldStep::kIgnored;
  if (key.size() != 1) return FieldStep::kIgnored;
  switch (key[0]) {
    case kBackspace:
      return DropLast(s);
    case kCtrlY:
      s.text.assign(Length(s), ' ');
      s.point = false;
      s.field->Changed = -1;
      return FieldStep::kEdited;
    case kCtrlBackspace:
      s.text = Aligned(s.given, Length(s));
      s.point = HasPoint(s.text);
      s.field->Changed = 0;
      return FieldStep::kEdited;
    default:
      if (!IsTypedCharacter(key)) return Refuse();
      return TypeCharacter(s, key[0]);
  }
}

}  // namespace

CalcFieldState StartCalcField(FieldRec& field, std::string_view prompt, std::string& value,
                              std::string_view exitKeys) {
  CalcFieldState s;
  s.field = &field;
  s.exitKeys = std::string(exitKeys);
  s.fieldCol = ShowPrompt(field, prompt);
  s.color = field.EditMode == 0 ? field.NormalColor : field.EditColor;
  if (value.empty()) value = "0";
  s.given = value;
  s.text = Aligned(value, Length(s));
  s.point = HasPoint(s.text);
  field.Changed = 0;
  DrawCalcField(s);
  if (field.EditMode == 0) {
    s.done = true;
    s.exitKey = kEnterKey;
  }
  return s;
}

FieldStep StepCalcField(CalcFieldState& s, const KeyCode& key) {
  if (const auto ending = EndingStep(s, key)) return *ending;
  const FieldStep step = ActOnKey(s, key);
  s.firstKey = false;
  if (step != FieldStep::kEdited) return step;
  const bool zero = s.text.find_first_of("123456789") == std::string::npos;
  if (key != "." && !HasPoint(s.text) && zero) s.text = RightAlign("0", Length(s));
  DrawCalcField(s);
  return step;
}

void DrawCalcField(const CalcFieldState& s) {
  DrawAt(s.field->Row, s.fieldCol, s.text, s.color);
}

void ShowCalcCursor(const CalcFieldState& s) {
  Locate(s.field->Row, s.fieldCol + Length(s) - 1);
  SetCursor(-1);
}

void FinishCalcField(const CalcFieldState& s) {
  DrawAt(s.field->Row, s.fieldCol, s.text, s.field->NormalColor);
}

}  // namespace internal

KeyCode CalcField(FieldRec& field, std::string_view prompt, std::string& value,
                  std::string_view exitKeys) {
  using namespace internal;
  if (!FieldFits(field, prompt.size(), field.Length)) return {};
  CalcFieldState s = StartCalcField(field, prompt, value, exitKeys);
  if (s.done) return s.exitKey;
  while (!s.done) {
    ShowCalcCursor(s);
    StepCalcField(s, WaitKey());
  }
  value = s.text;
  FinishCalcField(s);
  return s.exitKey;
}

}  // namespace tarvana
