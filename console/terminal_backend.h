#pragma once
// The console on a real terminal: on POSIX raw mode, the alternate screen,
// damage-tracked output, decoded keys and mouse, restoration at exit
// (terminal_backend_posix.cpp); on Windows the console API, its own screen
// buffer and its input records (terminal_backend_windows.cpp).

#include <memory>
#include <string>

#include "console/backend.h"
#include "console/terminal_caps.h"

namespace tarvana {

// The terminal (on Windows: the console) on standard input and output.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend();
// The terminal read from inFd and written to outFd (tests use a pseudo-terminal).
// Puts it in raw mode at once; destroying the backend restores it. The
// terminal's capabilities come from TERM and the locale, or are given. POSIX only.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend(int inFd, int outFd);
std::unique_ptr<ConsoleBackend> MakeTerminalBackend(int inFd, int outFd, const TerminalCaps& caps);

// True when standard input and standard output are both terminals (consoles).
bool StdioIsTerminal();
// Why a full-screen program cannot run on standard input and output (not a
// terminal; TERM unset, dumb or unknown): one sentence for standard error,
// empty when it can. Programs then end with exit status 2.
std::string TerminalProblem();

}  // namespace tarvana
