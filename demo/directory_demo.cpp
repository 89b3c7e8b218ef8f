// The directory pick list demonstration (main-menu entry "Directory Pick
// List").

#include <string>

#include "console/console.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "picklist/dir_pick_list.h"

namespace tarvana::demo {

void RunDirectoryDemo() {
  StartScreen();
  Locate(3, 1);
  PrintLines({"  This tool creates a Pick List of the files from a directory with a",
              "  given file specifier (such as *.TXT).  This demonstration will now",
              "  create a list of all the normal and read-only files in the current",
              "  directory.  The name of the file you select will be displayed at the",
              "  bottom of the screen.  To return to the menu, press the Esc key or",
              "  click the right mouse button."});
  // Kept across the loop: a lowered bottom row stays lowered.
  WindowRec window{10, 10, 22, 0, 2, 2, 0, 2, 7, 31, 30, 27};
  std::string name;
  do {
    name = DirPickList(window, "Files", 1, "*.*", 0, 63, "\xB3", 113, 15);
    SetColor(0, 7);
    Locate(25, 2);
    // The whole name comes back, so a long one is cut at the screen's edge
    // rather than scrolling the screen.
    const std::string report = "File selected: " + name + std::string(20, ' ');
    PrintText(report.substr(0, ScreenWidth() - 1));
  } while (!name.empty());
}

}  // namespace tarvana::demo
