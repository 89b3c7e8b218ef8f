#include "console/console.h"
#include "console/screen_save.h"
#include "demo/screens.h"
#include "tools/prompt_utils.h"
#include "window/window.h"

namespace tarvana::demo {
namespace {

void CentredLine(int row, const char* text) {
  Locate(row, 1);
  CenterText(text, 80);
}

}  // namespace

void ShowTitleScreen() {
  SetColor(15, 7);
  ClearScreen();
  const WindowRec window{2, 4, 23, 76, 4, 2, 0, 6, 112, 31, 30, 27};
  // The title window is never closed: the menu screen is cleared over it.
  ScreenSave save;
  OpenWindow(window, "Demonstration Program", save);
  SetColor(12, 1);
  CentredLine(4, "The Tarvana Toolbox/Quillet Edition");
  SetColor(15, 1);
  CentredLine(5, "Version 1.01");
  CentredLine(7, "Demonstration Program");
  CentredLine(10, "Copyright (c) 1996-2026 Halvern Data Works, Inc.  All rights reserved.");
  CentredLine(11, "Programs built with the toolbox may be shared without royalties.");
  CentredLine(14, "Halvern Data Works, Inc.");
  CentredLine(15, "1200 Quillet Road, Suite 400");
  CentredLine(16, "Marrowby, OR 97999");
  CentredLine(17, "Sales: (555) 014-2300");
  CentredLine(18, "Support: (555) 014-2301");
  CentredLine(19, "Fax: (555) 014-2399");
  CentredLine(20, "www.halvern-data.example");
  CentredLine(22, "Press any key to begin the demonstration.");
  WaitKey();
}

}  // namespace tarvana::demo
