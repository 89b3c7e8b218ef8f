#pragma once
// The console's own device on this platform: the terminal on POSIX systems
// (console/posix/), the console on Windows (console/windows/), the page's
// terminal in a browser (console/web/). Each of those folders defines these.

#include <memory>
#include <string>

#include "console/backend.h"

namespace tarvana {

// The terminal (on Windows: the console) on standard input and output.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend();

// True when standard input and standard output are both terminals (consoles).
bool StdioIsTerminal();
// Why a full-screen program cannot run on standard input and output (not a
// terminal; TERM unset, dumb or unknown): one sentence for standard error,
// empty when it can. Programs then end with exit status 2.
std::string TerminalProblem();

}  // namespace tarvana
