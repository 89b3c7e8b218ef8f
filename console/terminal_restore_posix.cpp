#include "console/terminal_restore.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace tarvana {
namespace {

// Colours, mouse reporting, cursor visibility and shape, autowrap.
constexpr char kResetModes[] = "\x1b[0m\x1b[?1006l\x1b[?1002l\x1b[?1000l\x1b[?25h\x1b[0 q\x1b[?7h";
// Scroll margins first: a frame cut short by a signal may have left some.
constexpr char kLeaveAlternateScreen[] = "\x1b[r\x1b[?1049l";

std::atomic<bool> armed{false};
std::atomic<bool> alternateScreen{false};
int inFd = 0, outFd = 1;
bool hasSettings = false;
termios originalSettings;
std::terminate_handler previousTerminate = nullptr;

void WriteAll(const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t n = write(outFd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
}

void RestoreAndReraise(int sig) {
  RestoreTerminal();
  signal(sig, SIG_DFL);
  raise(sig);  // delivered with the default action once the handler returns
}

void RestoreAtExit() {
  RestoreTerminal();
}

void RestoreAndTerminate() {
  RestoreTerminal();
  if (previousTerminate) previousTerminate();
  std::abort();
}

// A crash from a stack overflow needs a stack of its own for the handler.
void EnsureAlternateSignalStack() {
  static char stack[1 << 16];
  stack_t current;
  if (sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE)) return;
  stack_t ss{};
  ss.ss_sp = stack;
  ss.ss_size = sizeof stack;
  sigaltstack(&ss, nullptr);
}

// Handles sig unless the program already ignores or handles it.
void InstallHandler(int sig) {
  struct sigaction old;
  if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler != SIG_DFL) return;
  struct sigaction sa;
  std::memset(&sa, 0, sizeof sa);
  sa.sa_handler = RestoreAndReraise;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_ONSTACK;
  sigaction(sig, &sa, nullptr);
}

}  // namespace

void ArmTerminalRestore(int in, int out, bool settings, const termios& original) {
  static bool handlersInstalled = false;
  inFd = in;
  outFd = out;
  hasSettings = settings;
  originalSettings = original;
  armed = true;
  if (handlersInstalled) return;
  handlersInstalled = true;
  std::atexit(RestoreAtExit);
  previousTerminate = std::set_terminate(RestoreAndTerminate);
  EnsureAlternateSignalStack();
  for (int sig : {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
    InstallHandler(sig);
}

void NoteAlternateScreen(bool on) {
  alternateScreen = on;
}

void RestoreTerminal() {
  if (!armed.exchange(false)) return;
  const int savedErrno = errno;
  WriteAll(kResetModes, sizeof kResetModes - 1);
  if (alternateScreen.exchange(false))
    WriteAll(kLeaveAlternateScreen, sizeof kLeaveAlternateScreen - 1);
  if (hasSettings) tcsetattr(inFd, TCSADRAIN, &originalSettings);
  errno = savedErrno;
}

}  // namespace tarvana
