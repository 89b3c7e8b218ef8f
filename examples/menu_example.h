#pragma once
// Example: a menu whose entries open a pick list and a message box.

#include <string>

namespace examples {

// Runs the menu until "Quit" or Esc and returns the last colour picked from
// the list ("" when none was).
std::string RunMenuExample();

}  // namespace examples
