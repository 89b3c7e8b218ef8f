#include "menu_example.h"

#include "tarvana.h"

namespace examples {

using namespace tarvana;

std::string RunMenuExample() {
  // A menu is four parallel arrays indexed from 1: the texts, the position of
  // each hot-key letter, a help line for each entry and the disabled flags.
  const BasedArray<std::string> items(1, {"Pick a Colour", "About", "Quit"});
  const BasedArray<std::uint8_t> hotKeys(1, {1, 1, 1});
  const BasedArray<std::string> help(
      1, {"Choose a colour from a list", "About this example", "Leave the example"});
  const BasedArray<std::uint8_t> disabled(1, 3);
  // Top and Left place the menu; BoxMenu computes Bottom and Right. The
  // fields: frame style, title position, close box, shadow type, then the
  // shadow, fill, frame and title colours (background * 16 + foreground).
  WindowRec menuWindow{4, 30, 0, 0, 1, 2, 0, 6, 0x70, 0x1F, 0x1E, 0x1B};

  const BasedArray<std::string> colours(
      1,
      {"Black", "Blue", "Green", "Cyan", "Red", "Magenta", "Brown", "Light Grey", "Dark Grey",
       "Light Blue", "Light Green", "Light Cyan", "Light Red", "Light Magenta", "Yellow", "White"});
  // Right = 0 lets the list size itself to its longest item.
  const WindowRec listWindow{6, 46, 17, 0, 2, 2, 0, 6, 0x70, 0x1F, 0x1E, 0x1B};
  // Top = 0 centres the dialog box on the screen.
  const WindowRec dialogWindow{0, 0, 0, 0, 1, 2, 0, 6, 0x70, 0x3F, 0x3E, 0x3F};

  std::string picked;
  std::uint8_t choice = 1;
  SetColor(15, 1);
  ClearScreen();
  for (;;) {
    ClearBox(25, 1, 25, 80, 0x1F);  // StatusLine writes over the old text without clearing
    StatusLine(picked.empty() ? "No colour picked yet" : "You picked " + picked);
    const int entry = BoxMenu(items, hotKeys, help, disabled, choice, menuWindow, "Example", 24,
                              0x1E, 0x18, 0x1F, 0x71);
    if (entry == 1) {
      // PickList answers with the caller's index, -1 when cancelled; the
      // colours are shown sorted, the array itself is never changed.
      const std::int32_t index = PickList(colours, 1, listWindow, "Colours", 1, 0x71);
      if (index != -1) picked = colours[index];
    } else if (entry == 2) {
      const BasedArray<std::string> about(
          1, {"This example shows a box menu, a pick list", "and a dialog box.", "",
              "Press any key to go back to the menu."});
      DialogBox(about, dialogWindow, "About", 0);
    } else {
      return picked;  // Quit, Esc or a click outside the menu
    }
  }
}

}  // namespace examples
