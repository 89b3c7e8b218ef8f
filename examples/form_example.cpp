#include "form_example.h"

#include "tarvana.h"

namespace examples {

using namespace tarvana;

namespace {

FieldRec Field(int row, int col, int length, std::uint8_t type) {
  FieldRec field;
  field.Row = static_cast<std::uint8_t>(row);
  field.Col = static_cast<std::uint8_t>(col);  // where the prompt starts
  field.Length = static_cast<std::uint8_t>(length);
  field.FieldType = type;
  field.EditMode = 3;  // typing first replaces the text; the cursor may rest past the end
  field.Mask = -1;     // show the text itself
  field.PromptColor = 0x1F;
  field.NormalColor = 0x70;
  field.EditColor = 0x4F;
  return field;
}

}  // namespace

bool RunFormExample(Contact& contact) {
  // Four parallel arrays over one index range: the fields, their prompts,
  // their values and, for template fields (type 9), their templates. In a
  // template the codes 1-10 are slots taking one character of that field
  // type's class (1: digits); everything else is shown as it is.
  BasedArray<FieldRec> fields(1, 5);
  BasedArray<std::string> prompts(1, 5), values(1, 5), templates(1, 5);
  fields[1] = Field(3, 5, 0, field_type::kLabel);
  prompts[1] = "Contact details.  Tab or Enter: next field, F10: save, Esc: cancel.";
  fields[2] = Field(6, 5, 30, field_type::kAnyCharacter);
  prompts[2] = "Name:    ";
  values[2] = contact.name;
  fields[3] = Field(8, 5, 30, field_type::kAnyCharacter);
  prompts[3] = "E-mail:  ";
  values[3] = contact.email;
  fields[4] = Field(10, 5, 0, field_type::kTemplate);
  prompts[4] = "Phone:   ";
  templates[4] = "(\1\1\1) \1\1\1-\1\1\1\1";
  values[4] = contact.phone;
  fields[5] = Field(12, 5, 1, field_type::kYesNo);
  prompts[5] = "Member (Y/N): ";
  values[5] = contact.member;

  SetColor(15, 1);
  ClearScreen();
  StatusLine("F10 Save   Esc Cancel");
  std::int16_t current = 2, insertMode = -1, anyChanged = 0;
  const std::string exitKeys = std::string("\x1b") + ExtendedKey(scan::kF10);
  const KeyCode key = EntryScreen(fields, prompts, values, templates, current, exitKeys,
                                  /*showFirst=*/-1, insertMode, anyChanged);
  if (key != ExtendedKey(scan::kF10)) return false;
  contact = {values[2], values[3], values[4], values[5]};
  return true;
}

}  // namespace examples
