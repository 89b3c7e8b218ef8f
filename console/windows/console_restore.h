#pragma once
// Putting the Windows console back as the program found it, however the
// program ends: normal exit, Ctrl+C, Ctrl+Break or the window's close, an
// uncaught exception or (as far as possible) a crash. Windows only
// (console_restore.cpp); the handles are the system's HANDLEs.

namespace tarvana {

// Remembers the input handle's mode and the screen buffer the user had, and
// installs the handlers that restore them.
void ArmConsoleRestore(void* input, unsigned long inputMode, void* userBuffer);
// Restores now: the input mode and the user's screen buffer as the active
// one. Later calls do nothing until the restore is armed again.
void RestoreConsole();

}  // namespace tarvana
