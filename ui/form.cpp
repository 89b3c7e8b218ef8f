#include "ui/form.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/cp437_best_fit.h"
#include "console/text_input.h"
#include "console/unicode_text.h"
#include "datetime/dates.h"
#include "entry/calc_field.h"
#include "entry/decimal_field.h"
#include "entry/entry_navigation.h"
#include "entry/field_editing.h"
#include "entry/template_field_state.h"
#include "entry/text_field_state.h"
#include "runtime/unicode/grapheme.h"
#include "ui/placement.h"
#include "ui/popup.h"

namespace tarvana::ui {
namespace {

using tarvana::internal::DrawAt;
using tarvana::internal::FitTemplateValue;
using tarvana::internal::RightAlign;

const KeyCode kEsc = "\x1b";
const KeyCode kF10 = ExtendedKey(scan::kF10);
const std::string kDatePattern = "##-##-####";
const std::string kHint = "Enter: next   F10: done   Esc: cancel";
// The template editor's slot codes: each is the field type whose characters
// the slot takes.
constexpr char kDigitSlot = field_type::kDigits;
constexpr char kLetterSlot = field_type::kUpperLetters;
constexpr char kAnySlot = field_type::kAnyCharacter;

// The most clusters a text field holds (or its value given, when longer):
// a value wider than the field scrolls sideways.
constexpr int kTextCapacity = 1000;

// One field's working copy: the field record and what its editor reads and
// writes: UTF-8, but code page 437 digits for a number. The label is drawn by
// the form, in any script; the field follows it.
struct Slot {
  const FormField* field = nullptr;
  FieldRec rec;
  CellString label;             // padded to the labels' width and a blank
  std::string templ;            // template and date fields
  std::string value;            // all but decimal fields
  std::string original;         // the value given, as the editor first holds it
  std::string whole, fraction;  // decimal fields
  int textCursor = 0;           // text and upper-case fields, in clusters
  int capacity = 0;             // text and upper-case fields
};

std::string Trim(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A pattern's '#', 'A' and '?' as the template editor's slot codes.
std::string EditorTemplate(std::string_view pattern) {
  std::string marked(pattern);
  for (char& c : marked)
    c = c == '#' ? kDigitSlot : c == 'A' ? kLetterSlot : c == '?' ? kAnySlot : c;
  return marked;
}

// The kinds whose editor holds UTF-8 text of any script.
bool EditsUtf8(FieldKind kind) {
  return kind != FieldKind::kDecimal && kind != FieldKind::kCalculator;
}

int Cells(const FormField& f) {
  switch (f.kind) {
    case FieldKind::kTemplate:
      return tarvana::internal::TemplateCells(EditorTemplate(f.pattern), true);
    case FieldKind::kDate:
      return static_cast<int>(kDatePattern.size());
    case FieldKind::kDecimal:
      return f.width + (f.decimals > 0 ? 1 + f.decimals : 0);
    default:
      return f.width;
  }
}

void CheckField(const FormField& f, std::size_t i) {
  const std::string name = "fields[" + std::to_string(i) + "]";
  const bool sized = f.kind != FieldKind::kTemplate && f.kind != FieldKind::kDate;
  if (sized && (f.width < (f.kind == FieldKind::kDecimal ? 0 : 1) || f.width > 99))
    internal::Refuse("FillForm", name + ".width " + std::to_string(f.width) + " is outside 1-99");
  if (f.kind == FieldKind::kDecimal &&
      (f.decimals < 0 || f.decimals > 99 || f.width + f.decimals == 0))
    internal::Refuse("FillForm", name + ".decimals " + std::to_string(f.decimals) +
                                     " is outside 0-99 or leaves no digits");
  if (f.kind != FieldKind::kTemplate) return;
  if (f.pattern.empty() || Utf8Length(f.pattern) > 99)
    internal::Refuse("FillForm", name + ".pattern is empty or longer than 99");
  // Control codes mark the editor's typing places, so they cannot stand as
  // themselves; without a place to type the field never ends.
  if (std::any_of(f.pattern.begin(), f.pattern.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 32; }))
    internal::Refuse("FillForm", name + ".pattern holds a control character");
  if (f.pattern.find_first_of("#A?") == std::string::npos)
    internal::Refuse("FillForm", name + ".pattern has no '#', 'A' or '?' to type in");
}

Slot MakeSlot(const FormField& f, int labelWidth, int row, int col, const Scheme& s) {
  Slot slot;
  slot.field = &f;
  slot.label = CellString::FromUtf8(f.label).Padded(labelWidth + 1);
  FieldRec& r = slot.rec;
  r.Row = static_cast<std::uint8_t>(row);
  r.Col = static_cast<std::uint8_t>(col + slot.label.Width());
  r.Length = static_cast<std::uint8_t>(std::max(f.width, 0));
  r.FieldType = f.kind == FieldKind::kUpperCase    ? field_type::kUpperLetters
                : f.kind == FieldKind::kCalculator ? field_type::kUnsignedDecimal
                                                   : field_type::kAnyCharacter;
  r.PromptColor = s.text;
  r.NormalColor = s.field;
  r.EditColor = s.editing;
  const std::string value = EditsUtf8(f.kind) ? f.value : Utf8ToCp437(f.value);
  if (f.kind == FieldKind::kText || f.kind == FieldKind::kUpperCase)
    slot.capacity = std::max<int>(kTextCapacity, CellString::FromUtf8(f.value).Width());
  if (f.kind == FieldKind::kDecimal) {
    const std::size_t point = value.find('.');
    slot.whole = Trim(value.substr(0, point));
    slot.fraction = point == std::string::npos ? "" : value.substr(point + 1);
  } else {
    slot.value = value;
  }
  if (f.kind == FieldKind::kTemplate) slot.templ = EditorTemplate(f.pattern);
  if (f.kind == FieldKind::kDate) slot.templ = EditorTemplate(kDatePattern);
  // The template editor completes a value to its template; the first value
  // it holds is the one given.
  if (!slot.templ.empty()) slot.value = FitTemplateValue(slot.templ, slot.value, true);
  if (f.kind == FieldKind::kCalculator && slot.value.empty()) slot.value = "0";
  slot.original = slot.value + slot.whole + "." + slot.fraction;
  return slot;
}

// Edits the field (display-only mode: draws it) with its low-level editor.
KeyCode Edit(Slot& slot, std::uint8_t mode, std::string_view exitKeys, std::int16_t& insertMode) {
  FieldRec& r = slot.rec;
  r.EditMode = mode;
  switch (slot.field->kind) {
    case FieldKind::kTemplate:
    case FieldKind::kDate:
      return tarvana::internal::Utf8TemplateField(r, "", slot.templ, slot.value, exitKeys);
    case FieldKind::kCalculator:
      return CalcField(r, "", slot.value, exitKeys);
    case FieldKind::kDecimal:
      if (mode == edit_mode::kDisplayOnly) {
        // The decimal editor always edits; drawn as it shows a number.
        const int at = r.Col;
        DrawAt(r.Row, at, RightAlign(slot.whole, slot.field->width), r.NormalColor);
        if (slot.field->decimals > 0) {
          std::string fraction = slot.fraction;
          fraction.resize(static_cast<std::size_t>(slot.field->decimals), ' ');
          DrawAt(r.Row, at + slot.field->width, ".", r.NormalColor);
          DrawAt(r.Row, at + slot.field->width + 1, fraction, r.NormalColor);
        }
        return tarvana::internal::kEnterKey;
      }
      return DecimalField(r, "", static_cast<std::int16_t>(slot.field->width),
                          static_cast<std::int16_t>(slot.field->decimals), slot.whole,
                          slot.fraction, exitKeys);
    default:
      // Text and upper-case fields: drawn when left from their start; edited
      // where the cursor was left.
      if (mode == edit_mode::kDisplayOnly) slot.textCursor = 0;
      return tarvana::internal::Utf8TextField(r, "", slot.value, exitKeys, slot.textCursor,
                                              insertMode, slot.capacity);
  }
}

bool BlankDate(std::string_view value) {
  return value.find_first_not_of("0 -") == std::string_view::npos;
}

// The field's value as UTF-8: the value given when the editor holds it
// unchanged, so that a template's value completed to its pattern, or a number
// as its editor keeps it, comes back as it was given.
std::string Value(const Slot& slot) {
  const FormField& f = *slot.field;
  if (slot.value + slot.whole + "." + slot.fraction == slot.original) return f.value;
  switch (f.kind) {
    case FieldKind::kDecimal: {
      const std::string whole = Trim(slot.whole), fraction = Trim(slot.fraction);
      if (whole.empty() && fraction.empty()) return "";
      return (whole.empty() ? "0" : whole) + (f.decimals > 0 ? "." + fraction : "");
    }
    case FieldKind::kCalculator:
      return Trim(slot.value);
    case FieldKind::kDate:
      return BlankDate(slot.value) ? "" : slot.value;
    default:
      return slot.value;
  }
}

// The message that refuses the field's value, or "" when it passes.
std::string Refusal(const Slot& slot) {
  const std::string value = Value(slot);
  if (slot.field->kind == FieldKind::kDate && !value.empty()) {
    int month = 0, day = 0, year = 0;
    SplitDate(value, month, day, year);
    if (value.size() != kDatePattern.size() || month < 1 || month > 12 || year < 1 || day < 1 ||
        day > DaysInMonth(month, year))
      return "Not a date: enter it as MM-DD-YYYY";
  }
  return slot.field->validator ? slot.field->validator(value) : "";
}

// The form on the screen: its window, the fields' working copies and the
// message rows below a blank row; it grows when a message needs more rows.
class FormWindow {
 public:
  FormWindow(std::span<const FormField> fields, int labelWidth, int width,
             const FormOptions& options)
      : n_(static_cast<int>(fields.size())), width_(width), options_(options), recs_(0, n_ - 1) {
    popup_.emplace(n_ + 1 + messageRows_, width_, options.title, options.scheme, options.row,
                   options.col);
    for (int i = 0; i < n_; ++i)
      slots_.push_back(
          MakeSlot(fields[i], labelWidth, popup_->Top() + i, popup_->Left() + 1, options.scheme));
    PlaceFields();
    ShowMessage("");
  }

  Slot& At(int i) { return slots_[static_cast<std::size_t>(i)]; }
  BasedArray<FieldRec>& Records() { return recs_; }
  std::int16_t& InsertMode() { return insertMode_; }

  // The first field that refuses its value, with its message; -1 when all pass.
  int FirstRefusal(std::string& error) const {
    for (int i = 0; i < n_; ++i)
      if (!(error = Refusal(slots_[static_cast<std::size_t>(i)])).empty()) return i;
    return -1;
  }

  std::vector<std::string> Values() const {
    std::vector<std::string> values;
    for (const Slot& slot : slots_)
      values.push_back(Value(slot));
    return values;
  }

  // The hint, or an error wrapped over as many rows as it needs; only a screen
  // too short for the whole message cuts it.
  void ShowMessage(const std::string& error) {
    const int cells = width_ - 2;
    std::vector<std::string> lines =
        error.empty() ? std::vector<std::string>{kHint} : internal::WrapLines(error, cells);
    const int room = std::max(messageRows_, std::min(ScreenHeight(), 255) - 2 - (n_ + 1));
    if (static_cast<int>(lines.size()) > room) lines.resize(static_cast<std::size_t>(room));
    if (static_cast<int>(lines.size()) > messageRows_) Grow(static_cast<int>(lines.size()));
    const Scheme& s = options_.scheme;
    for (int k = 0; k < messageRows_; ++k) {
      const bool shown = k < static_cast<int>(lines.size());
      const std::string text = shown ? lines[static_cast<std::size_t>(k)] : "";
      DrawAt(popup_->Top() + n_ + 1 + k, popup_->Left() + 1,
             CellString::FromUtf8(text).Padded(cells), shown && !error.empty() ? s.error : s.text);
    }
  }

 private:
  // The window opened again with `rows` message rows, its corner kept where
  // the taller window still fits.
  void Grow(int rows) {
    const int top = std::min(popup_->Top() - 1, ScreenHeight() - (n_ + 1 + rows + 2) + 1);
    const int left = popup_->Left() - 1;
    popup_.reset();
    popup_.emplace(n_ + 1 + rows, width_, options_.title, options_.scheme, top, left);
    messageRows_ = rows;
    PlaceFields();
  }

  // Each field on its row of the window, drawn with its value.
  void PlaceFields() {
    for (int i = 0; i < n_; ++i) {
      Slot& slot = At(i);
      slot.rec.Row = static_cast<std::uint8_t>(popup_->Top() + i);
      slot.rec.Col = static_cast<std::uint8_t>(popup_->Left() + 1 + slot.label.Width());
      recs_[i] = slot.rec;
      DrawAt(slot.rec.Row, popup_->Left() + 1, slot.label, options_.scheme.text);
      Edit(slot, edit_mode::kDisplayOnly, "", insertMode_);
    }
  }

  int n_;
  int width_;
  const FormOptions& options_;
  int messageRows_ = 1;
  std::optional<Popup> popup_;
  std::vector<Slot> slots_;
  BasedArray<FieldRec> recs_;
  std::int16_t insertMode_ = -1;
};

}  // namespace

std::optional<std::vector<std::string>> FillForm(ListOf<FormField> fields,
                                                 const FormOptions& options) {
  const internal::ShowOnReturn shown;
  if (fields.empty()) internal::Refuse("FillForm", "fields is empty");
  if (fields.size() > 200) internal::Refuse("FillForm", "fields holds more than 200 fields");
  int labelWidth = 0;
  int cells = 0;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    CheckField(fields[i], i);
    labelWidth = std::max(labelWidth, TextWidth(fields[i].label));
    cells = std::max(cells, Cells(fields[i]));
  }
  const int n = static_cast<int>(fields.size());
  const int width = std::max(labelWidth + 1 + cells + 2, static_cast<int>(kHint.size()) + 2);
  TextInputScope typing;
  FormWindow form(fields, labelWidth, width, options);

  const std::string exitKeys = tarvana::internal::kNavigationKeys + kEsc + kF10;
  std::int16_t current = 0;
  for (;;) {
    Slot& slot = form.At(current);
    // A character typed first replaces the value; any other key first keeps
    // it for editing.
    const KeyCode key = Edit(slot, edit_mode::kReplaceRestPastEnd, exitKeys, form.InsertMode());
    Edit(slot, edit_mode::kDisplayOnly, "", form.InsertMode());
    if (key == kEsc) return std::nullopt;
    std::string error = Refusal(slot);
    form.ShowMessage(error);
    if (!error.empty()) continue;  // the field stays open until it passes
    if (key == kF10 || (key == tarvana::internal::kEnterKey && current == n - 1)) {
      const int failing = form.FirstRefusal(error);
      if (failing < 0) return form.Values();
      form.ShowMessage(error);
      current = static_cast<std::int16_t>(failing);
      continue;
    }
    tarvana::internal::StepEntryScreen(form.Records(), current, key);
  }
}

}  // namespace tarvana::ui
