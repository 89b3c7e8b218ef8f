#include "console/console.h"
#include "demo/demo.h"
#include "demo/screens.h"
#include "menu/box_menu.h"
#include "tools/dialog.h"

namespace tarvana::demo {
namespace {

const WindowRec kDialogWindow{0, 0, 0, 0, 1, 2, 0, 2, 7, 31, 30, 27};

struct MainMenu {
  BasedArray<std::string> items{
      1,
      {"Bar Menu", "Box Menu", "Calendars", "Conversion Tools", "Data Entry", "Date Tools",
       "Dialog Boxes", "Directory Pick List", "File Viewer", "Internal Tools",
       "Multi-Pick Pick List", "Pick List", "Screen Tools", "Windowing Tools"}};
  BasedArray<std::uint8_t> hotKeys{1, {2, 1, 1, 3, 6, 1, 6, 16, 6, 1, 1, 1, 1, 1}};
  BasedArray<std::string> help{
      1,
      {"Sample Bar Menu", "Sample Box Menu (you're using a Box Menu now)",
       "Calendars and Date Selection", "Conversion Tools",
       "Individual Data Entry Fields and Data Entry Screens", "Date Tools", "Sample Dialog Box",
       "Choose a File from a Pick List", "View a File", "DOS and BIOS Internal Tools",
       "Use a Multiple-Pick Pick List", "Use a Pick List", "Fancy Screen Handling Tools",
       "Powerful Windowing Tools"}};
  BasedArray<std::uint8_t> disabled{1, 14};
  WindowRec window{2, 28, 0, 0, 3, 2, 0, 2, 7, 31, 30, 27};
};

const BasedArray<std::string> kQuitMessage(1,
                                           {"Are you sure you want to quit?", "",
                                            "Press Y or Esc to Quit, any other key to continue."});

BasedArray<std::string> SampleDialogMessage() {
  return BasedArray<std::string>(1,
                                 {"This is a sample Dialog Box.  The box frame is",
                                  "dynamically sized to accomodate the longest line",
                                  "in the message.  Each line is centered within the",
                                  "box, and the box may be automatically centered on",
                                  "the screen or placed in a specific location.", "",
                                  "You can even include blank lines and any ASCII",
                                  std::string("character (like ") + '\xF0' + ") in your message."});
}

// Runs the demonstration screen of a menu entry; entries whose screens are
// not part of this build return straight to the menu.
void RunEntry(int entry, DemoData& data) {
  switch (entry) {
    case 8:
      RunDirectoryDemo();
      break;
    case 11:
      RunMultiPickDemo(data);
      break;
    case 12:
      RunPickListDemo(data);
      break;
    case 1:
      RunBarMenuDemo();
      break;
    case 2:
      RunBoxMenuDemo();
      break;
    case 5:
      RunDataEntryDemo();
      break;
    case 3:
      RunCalendarsDemo();
      break;
    case 4:
      RunConversionsDemo();
      break;
    case 6:
      RunDateToolsDemo();
      break;
    case 10:
      RunInternalToolsDemo();
      break;
    case 13:
      RunScreenToolsDemo();
      break;
    case 7:
      DialogBox(SampleDialogMessage(), kDialogWindow, "Sample Dialog Box", 0);
      break;
    case 9:
      RunFileViewerDemo();
      break;
    case 14:
      RunWindowingDemo();
      break;
    default:
      break;
  }
}

}  // namespace

void RunMainMenu(DemoData& data) {
  ShowTitleScreen();
  MainMenu menu;
  int lastResult = 0;
  std::uint8_t choice = 1;
  for (bool quit = false; !quit;) {
    SetColor(0, 7);
    ClearScreen();
    if (lastResult >= 0) choice = static_cast<std::uint8_t>(lastResult == 0 ? 1 : lastResult);
    lastResult = BoxMenu(menu.items, menu.hotKeys, menu.help, menu.disabled, choice, menu.window,
                         "Demo Main Menu", 25, 30, 16, 127, 113);
    if (lastResult == -1) {
      const KeyCode key = DialogWait(kQuitMessage, kDialogWindow, "Confirm Quitting");
      quit = key == "Y" || key == "y" || key == "\x1b";
    } else {
      RunEntry(lastResult, data);
    }
  }
}

}  // namespace tarvana::demo
