// The multi-pick pick list demonstration (main-menu entry "Multi-Pick Pick
// List"). The selections live in DemoData::picked and outlive a visit.

#include "console/console.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "picklist/multi_pick_list.h"
#include "runtime/number_format.h"

namespace tarvana::demo {
namespace {

constexpr int kNameColumns[4] = {1, 20, 40, 60};

// Clears the screen in the colour the list left (its bar colour) and lists
// the selected animals four to a row; returns how many there are.
int ReportSelection(const DemoData& data) {
  ClearScreen();
  int count = 0;
  for (int i = data.animals.LBound(); i <= data.animals.UBound(); ++i) {
    if (data.picked[i] == 0) continue;
    Locate(CursorRow(), kNameColumns[count % 4]);
    PrintText(data.animals[i]);
    ++count;
    if (count % 4 == 0) NewLine();
  }
  NewLine();
  NewLine();
  PrintText("You selected" + PrintedNumber(count, kSingleDigits) +
            (count == 1 ? "animal." : "animals."));
  NewLine();
  NewLine();
  return count;
}

}  // namespace

void RunMultiPickDemo(DemoData& data) {
  StartScreen();
  Locate(1, 1);
  PrintLines({"  A Multi-Pick Pick List is a very powerful interface tool.  It allows you",
              "  to present a list of options to the user.  He or she can select all, some,",
              "  one, or none of the options.  These lists are ideal for selecting multiple",
              "  database records for inclusion in reports or searches, choosing program",
              "  configuration options, etc.  Each item in the list can begin selected or",
              "  unselected; just click on the item with the left mouse button or highlight",
              "  it and press the Enter key to toggle the selected state.  In addition to",
              "  the cursor keys, you can type a portion of a word in the list and jump",
              "  directly to that word.  Give it a try now:"});
  const WindowRec window{11, 20, 22, 0, 1, 2, 0, 2, 7, 31, 30, 27};
  for (;;) {
    MultiPickList(data.animals, data.picked, 1, window, "Animals", 1, 113, 30, "\xFB");
    ReportSelection(data);
    SetColor(0, 16);  // black, keeping the background
    PrintLines({"  Press Esc to return to the main menu, or any other key to display the multi-",
                "  pick pick list again (leaving the selected animals marked as selected)."});
    if (WaitKey() == "\x1b") break;
  }
}

}  // namespace tarvana::demo
