#include <sys/stat.h>

#include "console/console.h"
#include "console/screen_save.h"
#include "demo/demo.h"

namespace tarvana::demo {
namespace {

bool ListFilePresent() {
  struct stat st;
  return stat("TVTools.LST", &st) == 0 && S_ISREG(st.st_mode);
}

void PrintLine(const char* text) {
  PrintText(text);
  NewLine();
}

}  // namespace

int RunDemo() {
  if (!ListFilePresent()) {
    PrintLine("Unable to find TVTools.LST.  Please make sure it is in the default directory.");
    PrintLine("(This file is included with this demo program and is used in some of the");
    PrintLine("routine demonstrations, so it is required to use this program.)");
    PrintLine("");
    PrintLine("Press any key to exit.");
    WaitKey();
    return 0;
  }

  const int startCols = ScreenWidth(), startRows = ScreenHeight();
  const int startRow = CursorRow(), startCol = CursorCol();
  ScreenSave startScreen = SaveScreen();

  SetConsoleSize(80, 25);
  Pause(250);
  SetMouse(mouse::kLeft | mouse::kRight, mouse::kReleased);
  SetMouse(true);

  DemoData data = MakeDemoData();
  RunMainMenu(data);

  SetColor(7, 0);
  SetConsoleSize(startCols, startRows);
  RestoreScreen(startScreen);
  Locate(startRow, startCol);
  SetCursor(-1);
  LeaveFullScreen();
  NewLine();
  PrintText("Thank you for your interest in the Tarvana Toolbox!");
  NewLine();
  NewLine();
  PrintText("For a complete list of the functions and procedures in the Tarvana");
  NewLine();
  PrintText("Toolbox, please refer to the file TVTools.LST.");
  NewLine();
  return 0;
}

}  // namespace tarvana::demo
