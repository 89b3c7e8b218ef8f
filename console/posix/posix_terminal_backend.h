#pragma once
// The POSIX terminal device: raw mode, the alternate screen, damage-tracked
// output through the terminal renderer, keys and mouse through the key
// decoder, and restoration however the program ends.

#include <memory>

#include "console/backend.h"
#include "console/terminal/terminal_caps.h"

namespace tarvana {

// The terminal read from inFd and written to outFd, with the given
// capabilities (tests use a pseudo-terminal). Puts it in raw mode at once;
// destroying the backend restores it.
std::unique_ptr<ConsoleBackend> MakePosixTerminalBackend(int inFd, int outFd,
                                                         const TerminalCaps& caps);

}  // namespace tarvana
