// The eight sample windows of the windowing demonstration, one per frame
// style, title position and shadow type, as a whole-screen picture.

#include "testing/headless_test_support.h"
#include "testing/screen_golden.h"
#include "window/window.h"

namespace tarvana {
namespace {

class SampleWindowsTest : public test_support::HeadlessTest {};

TEST_F(SampleWindowsTest, EightStylesTitlesAndShadows) {
  SetColor(0, 7);
  ClearScreen();
  ScreenSave saves[8];
  for (int i = 1; i <= 8; ++i) {
    WindowRec rec;
    rec.Top = i <= 4 ? 6 : 16;
    rec.Left = 4 + (i - 1) % 4 * 19;
    rec.Bottom = rec.Top + 7;
    rec.Right = rec.Left + 13;
    rec.Frame = rec.TitlePos = rec.Shadow = i;
    rec.ShadowColor = i <= 4 ? 7 : 112;
    rec.FillColor = MakeColor(i - 1, i - 1);
    rec.FrameColor = MakeColor(15, i - 1);
    rec.TitleColor = MakeColor(14, i - 1);
    OpenWindow(rec, "Demo", saves[i - 1]);
  }
  EXPECT_TRUE(test_support::ScreenMatchesGolden("window/testdata/sample_windows.txt"));
}

}  // namespace
}  // namespace tarvana
