#include "console/posix/terminal_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "console/posix/terminal_restore.h"

namespace tarvana {
namespace {

int pipeFds[2] = {-1, -1};
std::atomic<bool> resized{false};
std::atomic<bool> resumed{false};
// Live StopHolds, and a stop that came meanwhile.
std::atomic<int> stopHolds{0};
std::atomic<bool> stopHeldBack{false};

void Wake() {
  const char byte = 'w';
  if (write(pipeFds[1], &byte, 1) < 0) {
    // A full pipe already wakes the poll.
  }
}

void OnResize(int) {
  const int savedErrno = errno;
  resized = true;
  Wake();
  errno = savedErrno;
}

void OnContinue(int) {
  const int savedErrno = errno;
  resumed = true;
  Wake();
  errno = savedErrno;
}

void OnStop(int sig) {
  if (stopHolds.load() > 0) {
    stopHeldBack = true;  // the last hold to end stops the program
    return;
  }
  stopHeldBack = false;
  const int savedErrno = errno;
  RestoreTerminalForStop();
  // Stops by the default action, not by SIGSTOP: the kernel then leaves a
  // process in an orphaned process group running, as it should, since no shell
  // could continue it.
  SetSignalHandler(sig, SIG_DFL, SA_RESTART);
  raise(sig);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, sig);
  sigprocmask(SIG_UNBLOCK, &stop, nullptr);  // the process stops here
  SetSignalHandler(sig, OnStop, SA_RESTART);
  // Continued, or never stopped: either way the terminal was restored.
  resumed = true;
  Wake();
  errno = savedErrno;
}

}  // namespace

int WatchTerminalSignals() {
  if (pipeFds[0] >= 0) return pipeFds[0];
  if (pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0) return -1;
  SetSignalHandler(SIGWINCH, OnResize, SA_RESTART);
  SetSignalHandler(SIGCONT, OnContinue, SA_RESTART, true);
  SetSignalHandler(SIGTSTP, OnStop, SA_RESTART, true);
  return pipeFds[0];
}

void WakeTerminalWait() {
  const int savedErrno = errno;
  if (pipeFds[1] >= 0) {
    const char byte = 'w';
    if (write(pipeFds[1], &byte, 1) < 0) {
      // A full pipe is already readable: the wait returns all the same.
    }
  }
  errno = savedErrno;
}

void DrainTerminalSignals() {
  char buf[64];
  while (pipeFds[0] >= 0 && read(pipeFds[0], buf, sizeof buf) > 0) {
  }
}

bool TakeResizeSignal() {
  return resized.exchange(false);
}

bool TakeResumeSignal() {
  return resumed.exchange(false);
}

StopHold::StopHold() {
  stopHolds.fetch_add(1);
}

StopHold::~StopHold() {
  if (stopHolds.fetch_sub(1) == 1 && stopHeldBack.exchange(false)) raise(SIGTSTP);
}

}  // namespace tarvana
