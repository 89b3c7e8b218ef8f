#pragma once
// Putting the terminal back as the program found it, however the program ends:
// normal exit, a termination signal, an uncaught exception or (as far as
// possible) a crash. Everything here is safe to call from a signal handler.

#include <termios.h>

namespace tarvana {

// Remembers the terminal's settings (hasSettings false: input is no terminal)
// and installs the exit, signal and terminate handlers that restore it.
void ArmTerminalRestore(int inFd, int outFd, bool hasSettings, const termios& original);
// Records whether the alternate screen is in use, so that restoring leaves it
// only then (leaving it otherwise would move the cursor).
void NoteAlternateScreen(bool on);
// Restores now: the terminal settings, cursor shown with its usual shape,
// colours reset, mouse reporting and the alternate screen off, autowrap on.
// Later calls do nothing until the restore is armed again.
void RestoreTerminal();

}  // namespace tarvana
