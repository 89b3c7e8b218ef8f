// The Windows build of the demonstration under wine, in a pseudo-terminal:
// the title screen, Down and Enter in the main menu, a screen and back, and
// the end. It needs the Windows build (make windows) and wine; make
// test-windows runs it after the Windows tests.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "testing/demo_session.h"

namespace tarvana {
namespace {

namespace fs = std::filesystem;
using test_support::PtyTerminal;

fs::path WindowsBuild() {
  const char* dir = std::getenv("TARVANA_WINDOWS_BUILD");
  return dir ? fs::path(dir) : fs::path(TARVANA_SOURCE_DIR) / "build-windows";
}

TEST(WindowsDemoUnderWine, TitleMainMenuAScreenAndTheEnd) {
  const fs::path build = fs::absolute(WindowsBuild());
  const fs::path demo = build / "bin" / "tarvana-demo.exe";
  if (!fs::exists(demo) || std::system("command -v wine >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "no Windows build at " << build << " or no wine";
  PtyTerminal term({"/usr/bin/env", "WINEPREFIX=" + (build / "wine").string(), "WINEDEBUG=-all",
                    "wine", demo.string()},
                   TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  // wine starts slowly on a busy machine: a generous first wait. The first
  // key too: wine's console starts its desktop process then, which without a
  // display takes ten seconds to give up.
  ASSERT_TRUE(term.WaitForText("Press any key to begin", 60000)) << term.Screen().Text();
  term.SendKeys(" ");
  ASSERT_TRUE(term.WaitForText("Demo Main Menu", 60000)) << term.Screen().Text();
  // wine's console draws a change in parts: wait for the whole of it.
  term.SendKeys("\x1b[B");  // Down
  ASSERT_TRUE(term.WaitUntil([&] {
    return term.Screen().RowText(25) == "Sample Box Menu (you're using a Box Menu now)";
  })) << term.Screen().Text();
  term.SendKeys("\r");
  ASSERT_TRUE(term.WaitForText("One of the two menu systems")) << term.Screen().Text();
  // Esc back to the menu, Esc for the quit dialog, then Y.
  term.SendKeys("\x1b");
  ASSERT_TRUE(term.WaitUntil([&] {
    return !term.Screen().Contains("One of the two menu systems");
  })) << term.Screen().Text();
  term.SendKeys("\x1b");
  ASSERT_TRUE(term.WaitForText("quit?")) << term.Screen().Text();
  term.SendKeys("y");
  ASSERT_TRUE(term.WaitForExit()) << term.Screen().Text();
  EXPECT_EQ(term.ExitStatus(), 0);
}

}  // namespace
}  // namespace tarvana
