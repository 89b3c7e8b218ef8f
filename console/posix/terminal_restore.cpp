#include "console/posix/terminal_restore.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "console/terminal/terminal_caps.h"

namespace tarvana {
namespace {

// A sequence kept where a signal handler can read it without a lock.
struct Sequence {
  char bytes[256];
  size_t size;
  void Set(std::string_view s) {
    size = std::min(s.size(), sizeof bytes);
    std::memcpy(bytes, s.data(), size);
  }
};
Sequence MakeSequence(std::string_view s) {
  Sequence out;
  out.Set(s);
  return out;
}
// Colours, mouse reporting, cursor visibility and shape, autowrap.
Sequence resetModes = MakeSequence(ResetModesSequence(XtermCaps(), true));
Sequence leaveAlternateScreen = MakeSequence(LeaveAlternateScreenSequence(XtermCaps()));
// How long a restore in a signal handler gives a terminal that takes no output.
constexpr double kSignalWriteMs = 100;

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

double NowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// Writes what the terminal takes before deadlineMs and never blocks beyond it.
// The file description is made non-blocking for the write; the shell shares it,
// so its flags are put back before returning.
void WriteBefore(double deadlineMs, const char* bytes, size_t size) {
  const int flags = fcntl(outFd, F_GETFL);
  if (flags < 0) return;
  const bool madeNonBlocking = !(flags & O_NONBLOCK);
  if (madeNonBlocking && fcntl(outFd, F_SETFL, flags | O_NONBLOCK) != 0) return;
  while (size > 0) {
    const double left = deadlineMs - NowMs();
    if (left <= 0) break;
    const ssize_t n = write(outFd, bytes, size);
    if (n > 0) {
      bytes += n;
      size -= static_cast<size_t>(n);
    } else if (n < 0 && errno == EAGAIN) {
      pollfd p{outFd, POLLOUT, 0};
      poll(&p, 1, static_cast<int>(left) + 1);
    } else if (!(n < 0 && errno == EINTR)) {
      break;
    }
  }
  if (madeNonBlocking) fcntl(outFd, F_SETFL, flags);
}

// Sends the restoring bytes and settings. From a signal handler nothing may
// wait for the terminal: not the writes, nor output draining before the
// settings change.
void PutBack(bool fromSignal) {
  const int savedErrno = errno;
  const double deadline = NowMs() + kSignalWriteMs;
  auto send = [&](const char* bytes, size_t size) {
    if (fromSignal) {
      WriteBefore(deadline, bytes, size);
    } else {
      WriteAll(bytes, size);
    }
  };
  send(resetModes.bytes, resetModes.size);
  if (alternateScreen.exchange(false)) send(leaveAlternateScreen.bytes, leaveAlternateScreen.size);
  if (hasSettings) tcsetattr(inFd, fromSignal ? TCSANOW : TCSADRAIN, &originalSettings);
  errno = savedErrno;
}

void RestoreAndReraise(int sig) {
  RestoreTerminalFromSignal();
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
    SetSignalHandler(sig, RestoreAndReraise, SA_ONSTACK, true);
}

void SetSignalHandler(int sig, void (*handler)(int), int flags, bool onlyIfDefault) {
  struct sigaction old;
  if (onlyIfDefault && (sigaction(sig, nullptr, &old) != 0 || old.sa_handler != SIG_DFL)) return;
  struct sigaction sa;
  std::memset(&sa, 0, sizeof sa);
  sa.sa_handler = handler;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = flags;
  sigaction(sig, &sa, nullptr);
}

void SetRestoreSequences(std::string_view reset, std::string_view leave) {
  resetModes.Set(reset);
  leaveAlternateScreen.Set(leave);
}

void NoteAlternateScreen(bool on) {
  alternateScreen = on;
}

void RestoreTerminal() {
  if (armed.exchange(false)) PutBack(false);
}

void RestoreTerminalFromSignal() {
  if (armed.exchange(false)) PutBack(true);
}

void RestoreTerminalForStop() {
  if (armed) PutBack(true);
}

}  // namespace tarvana
