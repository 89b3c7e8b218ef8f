#pragma once
// The console's own device on this platform: the terminal on POSIX systems
// (console/posix/), the console on Windows (console/windows/), the page's
// terminal in a browser (console/web/). Each of those folders defines these.

#include <memory>
#include <string>

#include "console/backend.h"

namespace tarvana {

// The terminal (on Windows: the console) on standard input and output; on
// POSIX systems the controlling terminal (/dev/tty) stands in for either of
// them that is redirected.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend();

// True when standard input and standard output are both terminals (consoles).
bool StdioIsTerminal();
// True when the program has a terminal to draw on: standard input and output,
// or (POSIX) its controlling terminal in place of a redirected one.
bool TerminalAvailable();
// Why a full-screen program cannot run (no terminal to draw on; TERM unset,
// dumb or unknown): one sentence for standard error, empty when it can.
// Programs then end with exit status 2.
std::string TerminalProblem();

}  // namespace tarvana
