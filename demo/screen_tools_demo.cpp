#include "console/console.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "tools/prompt_utils.h"
#include "tools/screen_effects.h"

namespace tarvana::demo {

void RunScreenToolsDemo() {
  StartScreen();
  Locate(3, 1);
  PrintLines({"  The Tarvana Toolbox contains several routines that provide special",
              "  screen effects.  In this section of the demo, the screen will be",
              "  recolored, then a section of the screen will be cleared, and finally",
              "  another section of the screen will be filled with asterisks before",
              "  returning to the menu. When you are ready to proceed, please press",
              "  any key."});
  WaitKey();
  RecolorScreen(0x4F);
  SetColor(15, 4);
  StatusLine("Press any key to continue.");
  WaitKey();
  ClearRegion(1, 1, 12, 80, 0x27);
  FillRegion(42, 0x17, ScreenRect(13, 2, 24, 80));
  StatusLine("Press any key to continue.");
  WaitKey();
}

}  // namespace tarvana::demo
