#include "console/console.h"
#include "demo/demo.h"

namespace tarvana::demo {

void RunMainMenu(DemoData&) {
  SetColor(0, 7);
  ClearScreen();
  Locate(12, 1);
  PrintText("Tarvana Toolbox demonstration: press any key to end.");
  WaitKey();
}

}  // namespace tarvana::demo
