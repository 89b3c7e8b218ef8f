#pragma once
// The console on a real terminal: on POSIX raw mode, the alternate screen,
// damage-tracked output, decoded keys and mouse, restoration at exit
// (terminal_backend_posix.cpp); on Windows the console API, its own screen
// buffer and its input records (terminal_backend_windows.cpp).

#include <memory>

#include "console/backend.h"

namespace tarvana {

// The terminal (on Windows: the console) on standard input and output.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend();
// The terminal read from inFd and written to outFd (tests use a pseudo-terminal).
// Puts it in raw mode at once; destroying the backend restores it. POSIX only.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend(int inFd, int outFd);

// True when standard input and standard output are both terminals (consoles).
bool StdioIsTerminal();

}  // namespace tarvana
