#pragma once
// The console on a real terminal (POSIX): raw mode, the alternate screen,
// damage-tracked output, decoded keys and mouse, restoration at exit.

#include <memory>

#include "console/backend.h"

namespace tarvana {

// The terminal on standard input and output.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend();

// True when standard input and standard output are both terminals.
bool StdioIsTerminal();

}  // namespace tarvana
