#pragma once
// Putting the terminal back as the program found it, however the program ends
// (normal exit, a termination signal, an uncaught exception or, as far as
// possible, a crash) and while it is stopped. The restores that take no lock
// and call only async-signal-safe functions are marked so.

#include <termios.h>

#include <string_view>

namespace tarvana {

// Remembers the terminal's settings (hasSettings false: input is no terminal)
// and installs the exit, signal and terminate handlers that restore it.
void ArmTerminalRestore(int inFd, int outFd, bool hasSettings, const termios& original);
// Sets the handler of sig, with the given sigaction flags and no signals
// blocked; with onlyIfDefault, a signal the program already ignores or
// handles keeps its handler. Async-signal-safe.
void SetSignalHandler(int sig, void (*handler)(int), int flags, bool onlyIfDefault = false);
// The bytes that put the terminal's modes back and leave its alternate
// screen, as its capabilities say (xterm's until set); at most 255 bytes each.
void SetRestoreSequences(std::string_view resetModes, std::string_view leaveAlternateScreen);
// Records whether the alternate screen is in use, so that restoring leaves it
// only then (leaving it otherwise would move the cursor).
void NoteAlternateScreen(bool on);
// Restores now: the terminal settings, cursor shown with its usual shape,
// colours reset, mouse reporting and the alternate screen off, autowrap on.
// Waits until the terminal has taken the bytes, as a normal end should. Later
// calls (and the ones below) do nothing until the restore is armed again.
void RestoreTerminal();
// The same from a signal handler (async-signal-safe): never waits for the
// terminal. A terminal that takes no output gets what it takes within 100 ms;
// the settings are restored without waiting for output to drain.
void RestoreTerminalFromSignal();
// Restores as RestoreTerminalFromSignal does, for a stop: the restore stays
// armed, as the program will take the terminal over again when continued.
// Async-signal-safe.
void RestoreTerminalForStop();

}  // namespace tarvana
