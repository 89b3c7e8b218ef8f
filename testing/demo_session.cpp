#include "testing/demo_session.h"

namespace tarvana::test_support {

std::string DemoProgram() {
  return std::string(TARVANA_BINARY_DIR) + "/bin/tarvana-demo";
}

bool Press(PtyTerminal& term, std::string_view keys) {
  const std::string before = term.Screen().Text();
  term.SendKeys(keys);
  if (!term.WaitUntil([&] { return term.Exited() || term.Screen().Text() != before; }))
    return false;
  // The first change may be part of a frame: the rest has come once the
  // program waits for the next key.
  return term.WaitForIdle() || term.Exited();
}

bool ReachMainMenu(PtyTerminal& term) {
  return term.WaitForText("Press any key to begin the demonstration.") && Press(term, " ") &&
         term.WaitForText("Demo Main Menu");
}

bool LeaveDemo(PtyTerminal& term) {
  // Nothing is typed after the Y: the program may still be drawing when the
  // screen first changes, and a key that arrives once it has given the
  // terminal back is echoed there.
  for (int step = 0; step < 8 && !term.Exited() && term.Screen().AltScreen(); ++step) {
    if (term.Screen().Contains("quit?")) {
      term.SendKeys("y");
      break;
    }
    if (!Press(term, "\x1b")) return false;
  }
  return term.WaitForExit();
}

}  // namespace tarvana::test_support
