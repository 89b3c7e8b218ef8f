#include "console/windows/console_restore.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <exception>

namespace tarvana {
namespace {

// Set once, before arming; the handlers only read them.
HANDLE gInput = INVALID_HANDLE_VALUE;
DWORD gInputMode = 0;
HANDLE gUserBuffer = INVALID_HANDLE_VALUE;
std::atomic<bool> gArmed{false};
std::terminate_handler gPreviousTerminate = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER gPreviousFilter = nullptr;

// Ctrl+Break and closing the window end the program (Ctrl+C arrives as a key
// while the console is the toolbox's): restore, then let the system go on.
BOOL WINAPI OnConsoleControl(DWORD) {
  RestoreConsole();
  return FALSE;
}

void OnTerminate() {
  RestoreConsole();
  if (gPreviousTerminate) gPreviousTerminate();
  std::abort();
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info) {
  RestoreConsole();
  return gPreviousFilter ? gPreviousFilter(info) : EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void ArmConsoleRestore(void* input, unsigned long inputMode, void* userBuffer) {
  static const bool installed = [] {
    std::atexit(RestoreConsole);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    gPreviousTerminate = std::set_terminate(OnTerminate);
    gPreviousFilter = SetUnhandledExceptionFilter(OnCrash);
    return true;
  }();
  (void)installed;
  gInput = static_cast<HANDLE>(input);
  gInputMode = inputMode;
  gUserBuffer = static_cast<HANDLE>(userBuffer);
  gArmed.store(true);
}

void RestoreConsole() {
  if (!gArmed.exchange(false)) return;
  SetConsoleMode(gInput, gInputMode);
  SetConsoleActiveScreenBuffer(gUserBuffer);
}

}  // namespace tarvana
