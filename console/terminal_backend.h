#pragma once
// The console on a real terminal (POSIX): raw mode, the alternate screen,
// damage-tracked output, decoded keys and mouse, restoration at exit.

#include <memory>

#include "console/backend.h"

namespace tarvana {

// The terminal on standard input and output.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend();
// The terminal read from inFd and written to outFd (tests use a pseudo-terminal).
// Puts it in raw mode at once; destroying the backend restores it.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend(int inFd, int outFd);

// True when standard input and standard output are both terminals.
bool StdioIsTerminal();

}  // namespace tarvana
