#include "menu_example.h"

#include <vector>

#include <tarvana/tarvana.h>

namespace examples {

using namespace tarvana;

std::string RunMenuExample() {
  // Each entry: its text, its hot-key letter, a help line for the bottom
  // rows, and whether it is enabled.
  const std::vector<ui::MenuEntry> entries = {
      {"Pick a Colour", 'P', "Choose a colour from a list"},
      {"About", 'A', "About this example"},
      {"Quit", 'Q', "Leave the example"},
  };
  ui::MenuOptions menu{.title = "Example", .row = 4, .col = 30, .helpRow = 24};
  const std::vector<std::string> colours = {
      "Black",     "Blue",          "Green",     "Cyan",       "Red",         "Magenta",
      "Brown",     "Light Grey",    "Dark Grey", "Light Blue", "Light Green", "Light Cyan",
      "Light Red", "Light Magenta", "Yellow",    "White"};
  // Shown sorted; the answer is the index into `colours` all the same.
  const ui::ListOptions list{
      .title = "Colours", .row = 6, .col = 46, .rows = 10, .order = ui::SortOrder::kAscending};

  std::string picked;
  SetColor(15, 1);
  ClearScreen();
  for (;;) {
    ClearBox(25, 1, 25, 80, ui::schemes::kBlue.text);  // StatusLine writes over the old text
    StatusLine(picked.empty() ? "No colour picked yet" : "You picked " + picked);
    const auto entry = ui::ShowMenu(entries, menu);
    if (!entry || *entry == 2) return picked;  // Esc, a click outside, or Quit
    menu.initial = *entry;
    if (*entry == 0) {
      if (const auto colour = ui::PickOne(colours, list)) picked = colours[*colour];
    } else {
      ui::ShowMessage(
          "This example shows a menu, a pick list\nand a message box.\n\n"
          "Press any key to go back to the menu.",
          {.title = "About"});
    }
  }
}

}  // namespace examples
