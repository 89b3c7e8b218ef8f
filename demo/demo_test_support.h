#pragma once
// Test support for the demonstration screens on the headless console.

#include <string>

#include "console/console.h"
#include "console/headless.h"
#include "demo/demo.h"
#include "testing/headless_test_support.h"

namespace tarvana::test_support {

// Runs a screen (by default the whole program) over the queued input: true
// when it stopped to wait for input that is not queued, false when it ended.
template <class Screen>
bool WaitsForInput(Screen run) {
  try {
    run();
    return false;
  } catch (const HeadlessInputExhausted&) {
    return true;
  }
}
inline bool WaitsForInput() {
  return WaitsForInput([] { demo::RunDemo(); });
}

// Row of the main menu's highlight bar (colour 113), or 0 when none shows.
inline int MenuBarRow() {
  for (int row = 3; row <= 16; ++row)
    if (ReadCellColor(row, 30) == 113) return row;
  return 0;
}

// True when some row of the screen shows the text.
inline bool ScreenShows(const std::string& text) {
  for (int row = 1; row <= ScreenHeight(); ++row)
    if (RowText(row).find(text) != std::string::npos) return true;
  return false;
}

// A demonstration screen run on its own with the shared demonstration data,
// clicks reported as the program reports them.
class DemoScreenTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    EnableClicks();
  }
  // Runs screen(data) over the queued keys: true when it still waits for input.
  bool RunScreen(void (*screen)(demo::DemoData&), const char* keys) {
    console->QueueKeys(keys);
    return WaitsForInput([&] { screen(data); });
  }

  demo::DemoData data = demo::MakeDemoData();
};

}  // namespace tarvana::test_support
