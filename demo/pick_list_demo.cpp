// The pick list demonstration (main-menu entry "Pick List").

#include <string>

#include "console/console.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "picklist/pick_list.h"

namespace tarvana::demo {

void RunPickListDemo(DemoData& data) {
  StartScreen();
  Locate(1, 1);
  PrintLines({"  A Pick List is a very powerful interface tool.  It allows you to present",
              "  a list of options to the user, reducing the typing the user must do.  They",
              "  can be used to select a database record, an option for an input field, or",
              "  any other situation where the user must pick one item from a list.  In",
              "  addition to the cursor keys, you can type a portion of a word in the list",
              "  and jump directly to that word.  Give it a try now:"});
  const WindowRec window{8, 20, 22, 0, 1, 2, 0, 2, 0x07, 0x1F, 0x1E, 0x1B};
  for (;;) {
    const std::int32_t chosen = PickList(data.animals, 1, window, "Animals", 1, 0x71);
    if (chosen == -1) break;
    // No colour is set: the report comes out in the list's bar colour.
    Locate(25, 3);
    PrintText("You selected " + data.animals[chosen] + std::string(20, ' '));
  }
}

}  // namespace tarvana::demo
