#include <cmath>
#include <vector>

#include "console/console.h"
#include "console/screen_save.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "window/window.h"

namespace tarvana::demo {
namespace {

// Frame time of the moving box: one step per displayed frame.
constexpr int kStepMs = 16;

// Reads every key waiting, so that an Esc typed behind a burst of other keys
// is answered in the next frame, not one frame per key later.
bool EscWaiting() {
  bool esc = false;
  for (KeyCode key = InKey(); !key.empty(); key = InKey())
    esc = esc || key[0] == 27;
  return esc;
}

}  // namespace

void RunWindowingDemo() {
  StartScreen();
  PrintLines({"  The Tarvana Toolbox contains powerful windowing routines with lots of",
              "  options.  You get complete control of colors, shadowing (8 types), title",
              "  position (8 types), and frame styles (20 types).  Here are a few samples:"});

  std::vector<ScreenSave> saves(8);
  for (int i = 1; i <= 8; ++i) {
    WindowRec rec;
    rec.Top = i <= 4 ? 6 : 16;
    rec.Left = static_cast<std::uint8_t>(4 + ((i - 1) % 4) * 19);
    rec.Bottom = rec.Top + 7;
    rec.Right = rec.Left + 13;
    rec.Frame = rec.TitlePos = rec.Shadow = static_cast<std::uint8_t>(i);
    rec.ShadowColor = i <= 4 ? 7 : 112;
    rec.FillColor = MakeColor(i - 1, i - 1);
    rec.FrameColor = MakeColor(15, i - 1);
    rec.TitleColor = MakeColor(14, i - 1);
    OpenWindow(rec, "Demo", saves[i - 1]);
  }
  Locate(25, 1);
  PrintText("Press any key to remove the boxes.");
  WaitKey();
  for (int i = 8; i >= 1; --i)
    RestoreScreen(saves[i - 1]);

  Locate(5, 1);
  PrintLines({"  You can also move a window around on the screen.  This program will",
              "  now draw a box on the screen and move it around at random until you",
              "  press the Esc key."});
  const ScreenSave background = SaveScreen();
  WindowRec box{10, 30, 18, 45, 1, 2, 0, 6, 112, 71, 78, 79};
  ScreenSave handle;
  OpenWindow(box, "Moving Box", handle);
  Randomize(Timer());
  for (;;) {
    handle = CopyScreenSave(background);
    int d = static_cast<int>(std::floor(Rnd() * 4));
    if (d == 0 && box.Left < 5)
      d = 1;
    else if (d == 1 && box.Right > 75)
      d = 0;
    else if (d == 2 && box.Top < 3)
      d = 3;
    else if (d == 3 && box.Bottom > 22)
      d = 2;
    MoveWindow(box, d, 1, handle);
    Pause(kStepMs);
    if (EscWaiting()) break;
  }
}

}  // namespace tarvana::demo
