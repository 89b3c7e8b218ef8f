#include "entry/template_field.h"

#include "console/console.h"
#include "entry/template_field_state.h"
#include "runtime/cp437_case.h"

namespace tarvana {
namespace internal {
namespace {

// The slot code (1-10) at a template position, or 0 for a literal or a
// position past the template's end.
int SlotCode(std::string_view templ, int pos) {
  if (pos < 0 || pos >= static_cast<int>(templ.size())) return 0;
  const int code = static_cast<unsigned char>(templ[pos]);
  return code >= 1 && code <= 10 ? code : 0;
}

char BlankOf(int slotCode) {
  return slotCode >= 1 && slotCode <= 4 ? '0' : ' ';
}

// Makes value one character per template position: an empty one becomes the
// blank template, a longer one is cut, a shorter one is completed from it.
void FitValue(std::string_view templ, std::string& value) {
  const std::string blank = BlankTemplateValue(templ);
  if (value.size() > blank.size()) value.resize(blank.size());
  value += blank.substr(value.size());
}

std::string DisplayOf(std::string_view templ, const std::string& value) {
  std::string shown(templ);
  for (size_t i = 0; i < shown.size(); ++i)
    if (SlotCode(templ, static_cast<int>(i)) != 0) shown[i] = value[i];
  return shown;
}

FieldStep Refuse() {
  Beep();
  return FieldStep::kRefused;
}

// Back to the previous slot; at the template's start the cursor stays and the
// key is refused.
bool PreviousSlot(TemplateFieldState& s) {
  const int from = s.pos;
  for (;;) {
    if (s.pos == 0) {
      s.pos = from;
      Beep();
      return false;
    }
    --s.pos;
    if (SlotCode(s.templ, s.pos) != 0) return true;
  }
}

void NextSlot(TemplateFieldState& s) {
  const bool mayPassLast = !StopsOnLastCell(s.field->EditMode);
  while (s.pos < s.limit) {
    ++s.pos;
    if (SlotCode(s.templ, s.pos) != 0 || (mayPassLast && s.pos >= s.limit)) return;
  }
}

FieldStep BlankSlot(TemplateFieldState& s) {
  s.value[s.pos] = BlankOf(SlotCode(s.templ, s.pos));
  s.field->Changed = -1;
  return FieldStep::kEdited;
}

FieldStep TypeCharacter(TemplateFieldState& s, unsigned char ch) {
  const int code = SlotCode(s.templ, s.pos);
  if (code == field_type::kUpperLetters) ch = UpperChar(ch);
  const std::string charClass = FieldCharClass(code);
  if (!charClass.empty() && charClass.find(static_cast<char>(ch)) == std::string::npos)
    return Refuse();
  if (FirstKeyEmpties(s.field->EditMode) && s.firstKey) {
    s.value = BlankTemplateValue(s.templ);
    s.pos = s.firstSlot;
  }
  // Past the last slot (modes 3 and 4) there is nothing to type over.
  if (SlotCode(s.templ, s.pos) == 0) return Refuse();
  s.value[s.pos] = static_cast<char>(ch);
  NextSlot(s);
  s.field->Changed = 1;
  return FieldStep::kEdited;
}

// Acts on a key that is not an exit key; the caller redraws after kMoved and
// kEdited.
FieldStep ActOnKey(TemplateFieldState& s, const KeyCode& key) {
  const int mode = s.field->EditMode;
  if (key.size() == 2 && key[0] == '\0') {
    switch (static_cast<std::uint8_t>(key[1])) {
      case scan::kLeft:
        return PreviousSlot(s) ? FieldStep::kMoved : FieldStep::kRefused;
      case scan::kRight:
        if (s.pos >= s.limit) return Refuse();
        NextSlot(s);
        return FieldStep::kMoved;
      case scan::kHome:
        s.pos = s.firstSlot;
        return FieldStep::kMoved;
      case scan::kEnd:
        s.pos = CompletesWhenFull(mode) ? s.limit - 1 : s.limit;
        return FieldStep::kMoved;
      case scan::kDel:
        if (SlotCode(s.templ, s.pos) == 0) return Refuse();
        return BlankSlot(s);
      default:
        return FieldStep::kIgnored;
    }
  }
  if (key.size() != 1) return FieldStep::kIgnored;
  switch (key[0]) {
    case kBackspace:
      if (!PreviousSlot(s)) return FieldStep::kRefused;
      return BlankSlot(s);
    case kCtrlY:
      s.value = BlankTemplateValue(s.templ);
      s.pos = s.firstSlot;
      s.field->Changed = -1;
      return FieldStep::kEdited;
    case kCtrlBackspace:
      s.value = s.given;
      FitValue(s.templ, s.value);
      s.pos = s.firstSlot;
      s.field->Changed = 0;
      return FieldStep::kEdited;
    default:
      if (!IsTypedCharacter(key)) return Refuse();
      return TypeCharacter(s, static_cast<unsigned char>(key[0]));
  }
}

}  // namespace

std::string BlankTemplateValue(std::string_view templ) {
  std::string blank(templ);
  for (size_t i = 0; i < blank.size(); ++i)
    if (const int code = SlotCode(templ, static_cast<int>(i)); code != 0) blank[i] = BlankOf(code);
  return blank;
}

TemplateFieldState StartTemplateField(FieldRec& field, std::string_view prompt,
                                      std::string_view templ, const std::string& value,
                                      std::string_view exitKeys) {
  TemplateFieldState s;
  s.field = &field;
  s.templ = std::string(templ);
  s.given = value;
  s.value = value;
  s.exitKeys = std::string(exitKeys);
  s.fieldCol = ShowPrompt(field, prompt);
  s.color = field.EditMode == 0 ? field.NormalColor : field.EditColor;
  field.Changed = 0;
  const int last = LastSlot(templ);
  while (s.firstSlot < last && SlotCode(templ, s.firstSlot) == 0)
    ++s.firstSlot;
  s.pos = s.firstSlot;
  s.limit = StopsOnLastCell(field.EditMode) || field.EditMode == 0 ? last - 1 : last;
  DrawTemplateField(s);
  if (field.EditMode == 0 || last == 0) {
    s.done = true;
    s.exitKey = kEnterKey;
  }
  return s;
}

FieldStep StepTemplateField(TemplateFieldState& s, const KeyCode& key) {
  if (const auto ending = EndingStep(s, key)) return *ending;
  const FieldStep step = ActOnKey(s, key);
  s.firstKey = key.size() == 1 && key[0] == kCtrlBackspace;
  if (step != FieldStep::kMoved && step != FieldStep::kEdited) return step;
  DrawTemplateField(s);
  if (CompletesWhenFull(s.field->EditMode) && s.pos == s.limit) {
    s.done = true;
    s.exitKey = kEnterKey;
    return FieldStep::kEnded;
  }
  if (s.pos > s.limit) s.pos = s.limit;
  return step;
}

void DrawTemplateField(TemplateFieldState& s) {
  FitValue(s.templ, s.value);
  DrawAt(s.field->Row, s.fieldCol, DisplayOf(s.templ, s.value), s.color);
}

void ShowTemplateCursor(const TemplateFieldState& s) {
  Locate(s.field->Row, s.fieldCol + s.pos);
  SetCursor(10);
}

void FinishTemplateField(TemplateFieldState& s) {
  s.color = s.field->NormalColor;
  DrawTemplateField(s);
}

}  // namespace internal

KeyCode TemplateField(FieldRec& field, std::string_view prompt, std::string_view templ,
                      std::string& value, std::string_view exitKeys) {
  using namespace internal;
  if (!FieldFits(field, prompt.size(), static_cast<std::int64_t>(templ.size()))) return {};
  TemplateFieldState s = StartTemplateField(field, prompt, templ, value, exitKeys);
  if (s.done) return s.exitKey;
  while (!s.done) {
    ShowTemplateCursor(s);
    StepTemplateField(s, WaitKey());
  }
  value = s.value;
  FinishTemplateField(s);
  return s.exitKey;
}

void DrawTemplate(const FieldRec& field, int fieldCol, std::string_view templ, std::string& value) {
  using namespace internal;
  FitValue(templ, value);
  SetCursor(0);
  Locate(field.Row, fieldCol);
  PrintText(DisplayOf(templ, value));
}

int LastSlot(std::string_view templ) {
  for (int i = static_cast<int>(templ.size()); i >= 1; --i)
    if (internal::SlotCode(templ, i - 1) != 0) return i;
  return 0;
}

}  // namespace tarvana
