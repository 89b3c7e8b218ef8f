#include "console/console.h"
#include "demo/screens.h"
#include "menu/bar_menu.h"
#include "menu/box_menu.h"

namespace tarvana::demo {
namespace {

struct SampleMenu {
  BasedArray<std::string> items;
  BasedArray<std::uint8_t> hotKeys{1, {1, 1, 1, 1, 1, 1, 1}};
  BasedArray<std::string> help{
      1,
      {"File menu (save, shell, print, etc.)", "Editing menu (cut, copy, paste, etc.)",
       "Search menu (find, replace, repeat search, etc.)",
       "Run menu (run, trace into, reset program, etc.)",
       "Compile menu (compile, find error, get info, etc.)",
       "IDE Options menu (compiler, linker, directories, etc.)",
       "Debug menu (evaluate, watches, break points, etc.)"}};
  BasedArray<std::uint8_t> disabled{1, {0, 0, 0, 1, 0, 0, 0}};
};

// The explanation both menu screens print from row 16, with their own first
// two lines and last line.
void PrintExplanation(const char* first, const char* second, const char* last) {
  SetColor(0, 7);
  ClearScreen();
  Locate(16, 1);
  for (const char* line :
       {first, second, "  selection and help messages attached to each menu choice.  As the",
        "  highlight bar is positioned on a choice, the help message is displayed",
        "  on the line of your choice.  (Of course, the help messages may be turned",
        "  off.)  The Run menu option has been disabled for this example.", "", last}) {
    PrintText(line);
    NewLine();
  }
}

// Shows the menu until it is cancelled, reporting each choice on reportRow.
template <class ShowMenu>
void ReportChoices(const SampleMenu& menu, int reportRow, ShowMenu show) {
  int last = 0;
  for (;;) {
    std::uint8_t choice = static_cast<std::uint8_t>(last == 0 ? 1 : last);
    last = show(choice);
    if (last == -1) return;
    Locate(reportRow, 1);
    PrintText(std::string(70, ' '));
    Locate(reportRow, 1);
    PrintText("You selected " + menu.items[last]);
  }
}

}  // namespace

void RunBarMenuDemo() {
  PrintExplanation("  One of the two menu systems included in the Tarvana Toolbox is the Bar",
                   "  Menu Unit.  It displays dynamic bar menus, complete with key letter",
                   "  This bar menu is similar to the one in the Corvel/DOS IDE.");
  SampleMenu menu;
  menu.items =
      BasedArray<std::string>(1, {"File", "Edit", "Search", "Run", "Compile", "Options", "Debug"});
  ReportChoices(menu, 10, [&](std::uint8_t& choice) {
    return BarMenu(menu.items, menu.hotKeys, menu.help, menu.disabled, 1, 25, choice, 0x5E, 0x1E,
                   0x1B, 0x10, 0x71);
  });
}

void RunBoxMenuDemo() {
  PrintExplanation("  One of the two menu systems included in the Tarvana Toolbox is the Box",
                   "  Menu Unit.  It displays dynamic box menus, complete with key letter",
                   "  This box menu has similar choices to the menu in the Corvel/DOS IDE.");
  SampleMenu menu;
  menu.items = BasedArray<std::string>(1, {"File Menu", "Edit Menu", "Search Menu", "Run Menu",
                                           "Compile Menu", "Options Menu", "Debug Menu"});
  WindowRec window{5, 10, 0, 0, 15, 2, 0, 6, 0x70, 0x1F, 0x1E, 0x1B};
  ReportChoices(menu, 1, [&](std::uint8_t& choice) {
    return BoxMenu(menu.items, menu.hotKeys, menu.help, menu.disabled, choice, window, "Box Menu",
                   25, 0x1B, 0x10, 0x71, 0x5E);
  });
}

}  // namespace tarvana::demo
