#include "entry/template_field.h"

#include <optional>

#include "console/cell_string.h"
#include "console/console.h"
#include "console/cp437.h"
#include "console/input_event.h"
#include "entry/template_field_state.h"
#include "runtime/cp437_case.h"
#include "runtime/unicode/grapheme.h"
#include "runtime/unicode/text_width.h"

namespace tarvana {
namespace internal {
namespace {

using Positions = TemplateText;

Positions PositionsOf(std::string_view text, bool utf8) {
  return {SplitCharacters(text, utf8)};
}

int Size(const Positions& p) {
  return static_cast<int>(p.size());
}

// The slot code (1-10) at a template position, or 0 for a literal or a
// position past the template's end.
int SlotCode(const Positions& templ, int pos) {
  if (pos < 0 || pos >= Size(templ) || templ[pos].size() != 1) return 0;
  const int code = static_cast<unsigned char>(templ[pos][0]);
  return code >= 1 && code <= 10 ? code : 0;
}

std::string BlankOf(int slotCode) {
  return slotCode >= 1 && slotCode <= 4 ? "0" : " ";
}

Positions BlankValue(const Positions& templ) {
  Positions blank = templ;
  for (int i = 0; i < Size(blank); ++i)
    if (const int code = SlotCode(templ, i); code != 0) blank[i] = BlankOf(code);
  return blank;
}

// A UTF-8 slot holds one cluster of one cell.
bool FitsSlot(const std::string& c) {
  return ClusterWidth(c) == 1 && NextClusterEnd(c, 0) == c.size();
}

// Makes value one character per template position: an empty one becomes the
// blank template, a longer one is cut, a shorter one is completed from it. A
// UTF-8 value takes the template's literals, and a slot of it holding more or
// less than one cell is blank.
void FitValue(const Positions& templ, Positions& value, bool utf8) {
  const Positions blank = BlankValue(templ);
  if (value.size() > blank.size()) value.resize(blank.size());
  value.insert(value.end(), blank.begin() + Size(value), blank.end());
  if (!utf8) return;
  for (int i = 0; i < Size(value); ++i)
    if (SlotCode(templ, i) == 0 || !FitsSlot(value[i])) value[i] = blank[i];
}

Positions DisplayOf(const Positions& templ, const Positions& value) {
  Positions shown = templ;
  for (int i = 0; i < Size(shown); ++i)
    if (SlotCode(templ, i) != 0) shown[i] = value[i];
  return shown;
}

// The cells of the first `count` positions of a template or value.
int CellsBefore(const Positions& p, int count, bool utf8) {
  int cells = 0;
  for (int i = 0; i < count && i < Size(p); ++i)
    cells += CharacterCells(p[i], utf8);
  return cells;
}

// The 1-based position of the last slot, or 0.
int LastSlotOf(const Positions& templ) {
  for (int i = Size(templ); i >= 1; --i)
    if (SlotCode(templ, i - 1) != 0) return i;
  return 0;
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

// The character the key types into the slot at the cursor, or nullopt when
// the slot takes no such character. A UTF-8 slot takes the character typed
// (typed), or the key's glyph, when it takes one cell.
std::optional<std::string> TypedCharacter(const TemplateFieldState& s, unsigned char ch,
                                          std::string_view typed) {
  const int code = SlotCode(s.templ, s.pos);
  if (!s.utf8) {
    if (code == field_type::kUpperLetters) ch = UpperChar(ch);
    const std::string charClass = FieldCharClass(code);
    if (!charClass.empty() && charClass.find(static_cast<char>(ch)) == std::string::npos)
      return std::nullopt;
    return std::string(1, static_cast<char>(ch));
  }
  const std::optional<std::string> c =
      Utf8Typed(code, !typed.empty() ? typed : Cp437ToUtf8(std::string(1, static_cast<char>(ch))));
  if (c && !FitsSlot(*c)) return std::nullopt;
  return c;
}

FieldStep TypeCharacter(TemplateFieldState& s, unsigned char ch, std::string_view typed) {
  const std::optional<std::string> c = TypedCharacter(s, ch, typed);
  if (!c) return Refuse();
  if (FirstKeyEmpties(s.field->EditMode) && s.firstKey) {
    s.value = BlankValue(s.templ);
    s.pos = s.firstSlot;
  }
  // Past the last slot (modes 3 and 4) there is nothing to type over.
  if (SlotCode(s.templ, s.pos) == 0) return Refuse();
  s.value[s.pos] = *c;
  NextSlot(s);
  s.field->Changed = 1;
  return FieldStep::kEdited;
}

// Acts on a key that is not an exit key; the caller redraws after kMoved and
// kEdited.
FieldStep ActOnKey(TemplateFieldState& s, const KeyCode& key, std::string_view typed) {
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
      s.value = BlankValue(s.templ);
      s.pos = s.firstSlot;
      s.field->Changed = -1;
      return FieldStep::kEdited;
    case kCtrlBackspace:
      s.value = s.given;
      FitValue(s.templ, s.value, s.utf8);
      s.pos = s.firstSlot;
      s.field->Changed = 0;
      return FieldStep::kEdited;
    default:
      if (!IsTypedCharacter(key)) return Refuse();
      return TypeCharacter(s, static_cast<unsigned char>(key[0]), typed);
  }
}

// Edits until an exit key or completion; value receives the text.
KeyCode Run(TemplateFieldState& s, std::string& value) {
  while (!s.done) {
    ShowTemplateCursor(s);
    if (s.utf8) {
      const InputEvent event = WaitKeyEvent();
      StepTemplateField(s, event.key, event.text);
    } else {
      StepTemplateField(s, WaitKey());
    }
  }
  value = JoinCharacters(s.value);
  FinishTemplateField(s);
  return s.exitKey;
}

}  // namespace

std::string BlankTemplateValue(std::string_view templ) {
  return JoinCharacters(BlankValue(PositionsOf(templ, false)));
}

int TemplateCells(std::string_view templ, bool utf8) {
  const Positions positions = PositionsOf(templ, utf8);
  return CellsBefore(positions, Size(positions), utf8);
}

std::string FitTemplateValue(std::string_view templ, std::string_view value, bool utf8) {
  Positions fitted = PositionsOf(value, utf8);
  FitValue(PositionsOf(templ, utf8), fitted, utf8);
  return JoinCharacters(fitted);
}

TemplateFieldState StartTemplateField(FieldRec& field, std::string_view prompt,
                                      std::string_view templ, const std::string& value,
                                      std::string_view exitKeys, bool utf8) {
  TemplateFieldState s;
  s.field = &field;
  s.utf8 = utf8;
  s.templ = PositionsOf(templ, utf8);
  s.given = PositionsOf(value, utf8);
  s.value = s.given;
  s.exitKeys = std::string(exitKeys);
  s.fieldCol = ShowPrompt(field, prompt);
  s.color = field.EditMode == 0 ? field.NormalColor : field.EditColor;
  field.Changed = 0;
  const int last = LastSlotOf(s.templ);
  while (s.firstSlot < last && SlotCode(s.templ, s.firstSlot) == 0)
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

FieldStep StepTemplateField(TemplateFieldState& s, const KeyCode& key, std::string_view typed) {
  if (const auto ending = EndingStep(s, key)) return *ending;
  const FieldStep step = ActOnKey(s, key, typed);
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
  FitValue(s.templ, s.value, s.utf8);
  const Positions shown = DisplayOf(s.templ, s.value);
  if (!s.utf8) return DrawAt(s.field->Row, s.fieldCol, JoinCharacters(shown), s.color);
  // Position by position: a literal mark after a slot stays apart from the
  // slot's character.
  CellString cells;
  for (const std::string& c : shown)
    cells.Append(CellString::FromUtf8(c));
  DrawAt(s.field->Row, s.fieldCol, cells, s.color);
}

void ShowTemplateCursor(const TemplateFieldState& s) {
  Locate(s.field->Row, s.fieldCol + CellsBefore(s.templ, s.pos, s.utf8));
  SetCursor(10);
}

void FinishTemplateField(TemplateFieldState& s) {
  s.color = s.field->NormalColor;
  DrawTemplateField(s);
}

KeyCode Utf8TemplateField(FieldRec& field, std::string_view prompt, std::string_view templ,
                          std::string& value, std::string_view exitKeys) {
  if (!FieldFits(field, prompt.size(), TemplateCells(templ, true))) return {};
  TemplateFieldState s = StartTemplateField(field, prompt, templ, value, exitKeys, true);
  if (s.done) return s.exitKey;
  return Run(s, value);
}

}  // namespace internal

KeyCode TemplateField(FieldRec& field, std::string_view prompt, std::string_view templ,
                      std::string& value, std::string_view exitKeys) {
  using namespace internal;
  if (!FieldFits(field, prompt.size(), static_cast<std::int64_t>(templ.size()))) return {};
  TemplateFieldState s = StartTemplateField(field, prompt, templ, value, exitKeys);
  if (s.done) return s.exitKey;
  return Run(s, value);
}

void DrawTemplate(const FieldRec& field, int fieldCol, std::string_view templ, std::string& value) {
  using namespace internal;
  const Positions positions = PositionsOf(templ, false);
  Positions fitted = PositionsOf(value, false);
  FitValue(positions, fitted, false);
  value = JoinCharacters(fitted);
  SetCursor(0);
  Locate(field.Row, fieldCol);
  PrintText(JoinCharacters(DisplayOf(positions, fitted)));
}

int LastSlot(std::string_view templ) {
  return internal::LastSlotOf(internal::PositionsOf(templ, false));
}

}  // namespace tarvana
