// A menu that acts on the entry chosen, until Quit or Esc.
#include <vector>

#include <tarvana/tarvana.h>

int main() {
  using namespace tarvana;
  Session session;  // takes the terminal; gives it back at the end of main
  const std::vector<ui::MenuEntry> entries = {
      {"Say hello", 'S', "Shows a greeting"},
      {"What time is it?", 'W', "Shows the clock"},
      {"Quit", 'Q', "Leaves the program"},
  };
  ui::MenuOptions options{.title = "Hello"};
  while (const auto choice = ui::ShowMenu(entries, options)) {
    options.initial = *choice;
    if (*choice == 0) ui::ShowMessage("Hello, world!");
    if (*choice == 1) ui::ShowMessage("It is " + ClockTime() + ".");
    if (*choice == 2) break;
  }
}
