#include "form_example.h"

#include <vector>

#include <tarvana/console/console.h>
#include <tarvana/tools/prompt_utils.h>
#include <tarvana/ui/form.h>

namespace examples {

using namespace tarvana;

bool RunFormExample(Contact& contact) {
  // Each field: its label, its kind, its width, and the value it starts with.
  // In a template, '#' takes a digit; every other character is shown as it is.
  const std::vector<ui::FormField> fields = {
      {.label = "Name", .width = 30, .value = contact.name},
      {.label = "E-mail",
       .width = 30,
       .value = contact.email,
       .validator =
           [](const std::string& email) {
             return email.find('@') == std::string::npos ? "An e-mail address holds an @" : "";
           }},
      {.label = "Phone",
       .kind = ui::FieldKind::kTemplate,
       .value = contact.phone,
       .pattern = "(###) ###-####"},
      {.label = "Member (Y/N)",
       .kind = ui::FieldKind::kUpperCase,
       .width = 1,
       .value = contact.member,
       .validator =
           [](const std::string& answer) {
             return answer == "Y" || answer == "N" ? "" : "Y or N";
           }},
  };
  SetColor(15, 1);
  ClearScreen();
  StatusLine("Tab or Enter: next field   F10: save   Esc: cancel");
  const auto values = ui::FillForm(fields, {.title = "Contact details"});
  if (!values) return false;
  contact = {(*values)[0], (*values)[1], (*values)[2], (*values)[3]};
  return true;
}

}  // namespace examples
