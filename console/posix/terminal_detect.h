#pragma once
// The capabilities of the terminal the program runs in, from the environment:
// TERM looked up in the terminal database, the locale's character set, and
// what is known about the multiplexer in between.

#include <string>

#include "console/terminal/terminal_caps.h"

namespace tarvana {

// The capabilities for the environment's TERM and locale. Inside GNU screen
// (STY set, TERM screen*) mouse reporting is left off: screen holds a lone
// Esc typed while a window reports the mouse until the next key comes.
TerminalCaps DetectTerminalCaps();

// Why a full-screen program cannot run on a terminal of this TERM (unset,
// dumb, or unknown and not xterm-like) with these capabilities: one sentence
// a user can act on; empty when it can.
std::string TerminalTypeProblem(const char* term, const TerminalCaps& caps);

}  // namespace tarvana
