#include "entry/entry_screen.h"

#include <cstdint>

#include "entry/entry_navigation.h"
#include "entry/field_editing.h"
#include "entry/template_field.h"
#include "entry/text_field.h"

namespace tarvana {
namespace internal {

const std::string kNavigationKeys = std::string("\r\t") + ExtendedKey(scan::kUp) +
                                    ExtendedKey(scan::kDown) + ExtendedKey(scan::kBackTab);

namespace {

bool PassedOver(const FieldRec& field) {
  return field.FieldType == field_type::kDisplayOnly || field.FieldType == field_type::kLabel;
}

// Moves one field forward or back, wrapping, until a field that is not passed
// over; a table of nothing but such fields is gone round once.
void MoveBy(const BasedArray<FieldRec>& fields, std::int16_t& current, int step) {
  for (int tries = 0; tries < fields.Count(); ++tries) {
    int next = current + step;
    if (next > fields.UBound()) next = fields.LBound();
    if (next < fields.LBound()) next = fields.UBound();
    current = static_cast<std::int16_t>(next);
    if (!PassedOver(fields[current])) return;
  }
}

struct Form {
  BasedArray<FieldRec>& fields;
  const BasedArray<std::string>& prompts;
  BasedArray<std::string>& values;
  const BasedArray<std::string>& templates;
};

KeyCode EditField(Form& form, int i, std::string_view exitKeys, std::int16_t& insertMode) {
  FieldRec& field = form.fields[i];
  if (field.FieldType == field_type::kTemplate)
    return TemplateField(field, form.prompts[i], form.templates[i], form.values[i], exitKeys);
  std::uint8_t cursor = 0;  // every visit starts on the field's first cell
  return TextField(field, form.prompts[i], form.values[i], exitKeys, cursor, insertMode);
}

// Each field drawn by its editor in mode 0: the prompt, and the field in its
// normal colour.
void DrawForm(Form& form) {
  for (int i = form.fields.LBound(); i <= form.fields.UBound(); ++i) {
    FieldRec& field = form.fields[i];
    const std::uint8_t mode = field.EditMode;
    field.EditMode = 0;
    std::int16_t overwrite = 0;
    EditField(form, i, kNavigationKeys, overwrite);
    field.EditMode = mode;
  }
}

// True when the form waits for a key, or ends, somewhere: without such a field
// navigation would go round for ever.
bool CanStop(const Form& form) {
  for (int i = form.fields.LBound(); i <= form.fields.UBound(); ++i) {
    const FieldRec& field = form.fields[i];
    if (field.FieldType == field_type::kStopMarker) return true;
    if (PassedOver(field) || field.EditMode == 0) continue;
    if (field.FieldType != field_type::kTemplate || LastSlot(form.templates[i]) != 0) return true;
  }
  return false;
}

bool CoversFields(const BasedArray<std::string>& array, const BasedArray<FieldRec>& fields) {
  return array.Contains(fields.LBound()) && array.Contains(fields.UBound());
}

// Every field's prompt and cells lie on the screen (as each editor needs).
bool FormFits(const Form& form) {
  for (int i = form.fields.LBound(); i <= form.fields.UBound(); ++i) {
    const FieldRec& field = form.fields[i];
    const std::int64_t cells = field.FieldType == field_type::kLabel      ? 0
                               : field.FieldType == field_type::kTemplate ? form.templates[i].size()
                                                                          : field.Length;
    if (!FieldFits(field, form.prompts[i].size(), cells)) return false;
  }
  return true;
}

}  // namespace

EntryMove StepEntryScreen(const BasedArray<FieldRec>& fields, std::int16_t& current,
                          const KeyCode& key) {
  if (key == "\r" || key == "\t" || IsExtendedKey(key, scan::kDown)) {
    MoveBy(fields, current, 1);
    return EntryMove::kMoved;
  }
  if (IsExtendedKey(key, scan::kUp) || IsExtendedKey(key, scan::kBackTab)) {
    MoveBy(fields, current, -1);
    return EntryMove::kMoved;
  }
  return EntryMove::kEnded;
}

}  // namespace internal

KeyCode EntryScreen(BasedArray<FieldRec>& fields, const BasedArray<std::string>& prompts,
                    BasedArray<std::string>& values, const BasedArray<std::string>& templates,
                    std::int16_t& current, std::string_view extraExitKeys, std::int16_t showFirst,
                    std::int16_t& insertMode, std::int16_t& anyChanged) {
  using namespace internal;
  // `current` is 16 bits, so the field numbers must be too.
  if (fields.Empty() || fields.LBound() < INT16_MIN || fields.UBound() > INT16_MAX ||
      !CoversFields(prompts, fields) || !CoversFields(values, fields) ||
      !CoversFields(templates, fields))
    return {};
  Form form{fields, prompts, values, templates};
  if (!FormFits(form)) return {};
  if (!fields.Contains(current)) current = static_cast<std::int16_t>(fields.LBound());
  if (showFirst != 0) DrawForm(form);
  if (!CanStop(form)) return {};

  const std::string exitKeys = kNavigationKeys + std::string(extraExitKeys);
  for (;;) {
    FieldRec& field = fields[current];
    if (field.FieldType == field_type::kStopMarker) return KeyCode(1, '\xFF');
    // A field stays changed once any visit has changed it.
    const std::int16_t changedBefore = field.Changed;
    KeyCode key = EditField(form, current, exitKeys, insertMode);
    if (field.Changed == 0) field.Changed = changedBefore;
    if (field.Changed != 0) {
      anyChanged = -1;
      if (field.ExitOnChange != 0) key = KeyCode(1, '\xFE');
    }
    if (StepEntryScreen(fields, current, key) == EntryMove::kEnded) return key;
  }
}

}  // namespace tarvana
