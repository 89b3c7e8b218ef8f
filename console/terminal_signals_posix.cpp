#include "console/terminal_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace tarvana {
namespace {

int pipeFds[2] = {-1, -1};
std::atomic<bool> resized{false};

void OnResize(int) {
  const int savedErrno = errno;
  resized = true;
  const char byte = 'w';
  if (write(pipeFds[1], &byte, 1) < 0) {
    // A full pipe already wakes the poll.
  }
  errno = savedErrno;
}

}  // namespace

int WatchTerminalSignals() {
  if (pipeFds[0] >= 0) return pipeFds[0];
  if (pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0) return -1;
  struct sigaction sa;
  std::memset(&sa, 0, sizeof sa);
  sa.sa_handler = OnResize;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGWINCH, &sa, nullptr);
  return pipeFds[0];
}

void DrainTerminalSignals() {
  char buf[64];
  while (pipeFds[0] >= 0 && read(pipeFds[0], buf, sizeof buf) > 0) {
  }
}

bool TakeResizeSignal() {
  return resized.exchange(false);
}

}  // namespace tarvana
