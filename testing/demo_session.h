#pragma once
// Test support: the demonstration program driven end to end in a
// pseudo-terminal, one key at a time as a person types.

#include <string>
#include <string_view>

#include "testing/pty_terminal_posix.h"

namespace tarvana::test_support {

// The built demonstration program.
std::string DemoProgram();

// Sends keys and waits until the screen changes and the program waits for
// input again (or the program ends), so that a lone Esc is never read
// together with the next key and the whole new frame shows. False when
// nothing changed in time.
bool Press(PtyTerminal& term, std::string_view keys);

// Starts at the title screen, presses a key and waits for the main menu.
bool ReachMainMenu(PtyTerminal& term);

// Leaves the program from whatever screen it shows: Esc until the quit
// dialog, then Y; true when the program ended.
bool LeaveDemo(PtyTerminal& term);

}  // namespace tarvana::test_support
