#include "testing/demo_session.h"

namespace tarvana::testing {

std::string DemoProgram() {
  return std::string(TARVANA_BINARY_DIR) + "/bin/tarvana-demo";
}

bool Press(PtyTerminal& term, std::string_view keys) {
  const std::string before = term.Screen().Text();
  term.SendKeys(keys);
  return term.WaitUntil([&] { return term.Exited() || term.Screen().Text() != before; });
}

bool ReachMainMenu(PtyTerminal& term) {
  return term.WaitForText("Press any key to begin the demonstration.") && Press(term, " ") &&
         term.WaitForText("Demo Main Menu");
}

bool LeaveDemo(PtyTerminal& term) {
  // Once the full screen is given back, the terminal would echo further keys.
  for (int step = 0; step < 8 && !term.Exited() && term.Screen().AltScreen(); ++step)
    if (!Press(term, term.Screen().Contains("quit?") ? "y" : "\x1b")) return false;
  return term.WaitForExit();
}

}  // namespace tarvana::testing
