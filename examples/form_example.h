#pragma once
// Example: a contact form built from field descriptions.

#include <string>

namespace examples {

struct Contact {
  std::string name;
  std::string email;
  std::string phone;   // as the template shows it: "(555) 014-2300"
  std::string member;  // "Y" or "N" (typed in either case)
};

// Shows the form filled from contact and lets the user edit it. F10 saves:
// contact receives the edited values and the result is true. Esc cancels:
// contact is left as it was and the result is false.
bool RunFormExample(Contact& contact);

}  // namespace examples
