#include "testing/pty_terminal_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utmp.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <string>

extern char** environ;

namespace tarvana::test_support {
namespace {

double NowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EAGAIN) {
      pollfd p{fd, POLLOUT, 0};
      poll(&p, 1, 100);
      continue;
    }
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

// The environment for the program: ours, with the terminal type and a UTF-8
// locale set (a fresh machine may have none), no size variables that would
// override the terminal's own, and the changes asked for.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& changes) {
  std::vector<std::string> set = {"TERM=xterm-256color", "LANG=C.UTF-8"};
  std::vector<std::string> removed = {"TERM", "LANG", "LC_ALL", "LC_CTYPE", "COLUMNS", "LINES"};
  for (const std::string& c : changes) {
    const std::string name = c.substr(0, c.find('='));
    std::erase_if(set, [&](const std::string& s) { return s.starts_with(name + "="); });
    removed.push_back(name);
    if (c.find('=') != std::string::npos) set.push_back(c);
  }
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    const std::string_view entry(*e);
    const std::string_view name = entry.substr(0, entry.find('='));
    if (std::find(removed.begin(), removed.end(), name) == removed.end()) env.emplace_back(entry);
  }
  env.insert(env.end(), set.begin(), set.end());
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (std::string& s : strings)
    out.push_back(s.data());
  out.push_back(nullptr);
  return out;
}

// Whether a process is asleep (waiting for input, for time, or for its
// output to be read), and how often it has gone to sleep; on systems without
// /proc the count is unknown (-1).
struct Sleep {
  bool asleep = false;
  long long sleeps = -1;
  friend bool operator==(const Sleep&, const Sleep&) = default;
};

Sleep SleepOf(pid_t pid) {
  Sleep s;
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("State:")) s.asleep = line.find("S (sleeping)") != std::string::npos;
    if (line.starts_with("voluntary_ctxt_switches:")) s.sleeps = std::stoll(line.substr(24));
  }
  return s;
}

}  // namespace

PtyTerminal::PtyTerminal(const std::vector<std::string>& argv, const std::string& workDir, int cols,
                         int rows, const std::vector<std::string>& environment,
                         EmulatorOptions emulator)
    : emulator_(cols, rows, emulator) {
  // Everything the child needs is prepared before the fork.
  std::vector<std::string> args = argv, env = ChildEnvironment(environment);
  std::vector<char*> argp = Pointers(args), envp = Pointers(env);
  winsize size{};
  size.ws_col = static_cast<unsigned short>(cols);
  size.ws_row = static_cast<unsigned short>(rows);
  // The settings are read before the program runs: once it has started it may
  // have changed them already.
  int slave = -1;
  if (openpty(&master_, &slave, nullptr, nullptr, &size) != 0) return;
  tcgetattr(slave, &initialSettings_);
  const pid_t pid = fork();
  if (pid == 0) {
    close(master_);
    if (login_tty(slave) != 0) _exit(126);
    if (chdir(workDir.c_str()) != 0) _exit(126);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    execve(argp[0], argp.data(), envp.data());
    _exit(127);
  }
  close(slave);
  if (pid < 0) return;
  pid_ = pid;
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  emulator_.SetAnswerSink([this](std::string_view bytes) { WriteAll(master_, bytes); });
}

PtyTerminal::~PtyTerminal() {
  if (pid_ > 0 && !exited_) {
    kill(pid_, SIGKILL);
    waitpid(pid_, &status_, 0);
  }
  if (master_ >= 0) close(master_);
}

bool PtyTerminal::ReadOnce(int waitMs) {
  if (closed_ || master_ < 0) return false;
  pollfd p{master_, POLLIN, 0};
  if (poll(&p, 1, std::max(waitMs, 0)) <= 0) return true;
  char buf[65536];
  const ssize_t n = read(master_, buf, sizeof buf);
  if (n > 0) {
    const std::string_view bytes(buf, static_cast<size_t>(n));
    output_.append(bytes);
    emulator_.Feed(bytes);
    return true;
  }
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return true;
  closed_ = true;  // EIO: every descriptor of the program's side is closed
  return false;
}

void PtyTerminal::Reap() {
  if (pid_ > 0 && !exited_ && waitpid(pid_, &status_, WNOHANG) == pid_) exited_ = true;
}

void PtyTerminal::Pump(int ms) {
  const double end = NowMs() + ms;
  for (double now = NowMs(); now < end && ReadOnce(static_cast<int>(end - now) + 1);
       now = NowMs()) {
  }
  Reap();
}

bool PtyTerminal::WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  const double end = NowMs() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    const double now = NowMs();
    // Once the terminal is closed nothing changes but the program's exit.
    if (now >= end || (closed_ && exited_)) return false;
    if (!ReadOnce(static_cast<int>(std::min(end - now, 50.0)) + 1)) usleep(5000);
    Reap();
  }
}

bool PtyTerminal::WaitForIdle(int timeoutMs) {
  const double end = NowMs() + timeoutMs;
  while (NowMs() < end) {
    Reap();
    if (exited_) return false;
    const pid_t group = ForegroundGroup();
    const pid_t shown = group > 0 ? group : pid_;
    const Sleep before = SleepOf(shown);
    const size_t read = output_.size();
    size_t last;
    do
      last = output_.size();
    while (ReadOnce(0) && output_.size() > last);
    // Asleep before and after a read that found nothing new, and not woken in
    // between: it waits for input or time, and everything it drew is on the
    // screen (a program held up by a full terminal has more to read). Without
    // /proc, a program quiet for a fifth of a second counts as waiting.
    if (before.sleeps < 0) {
      Pump(200);
      if (output_.size() == read) return true;
    } else if (before.asleep && output_.size() == read && SleepOf(shown) == before) {
      return true;
    }
    if (!ReadOnce(10)) usleep(5000);
  }
  return false;
}

bool PtyTerminal::WaitForText(std::string_view text, int timeoutMs) {
  if (!WaitUntil([&] { return emulator_.Contains(text); }, timeoutMs)) return false;
  // The text may come with the first part of a frame: the rest has come once
  // the program waits again (or has ended).
  WaitForIdle(timeoutMs);
  return true;
}

bool PtyTerminal::WaitForExit(int timeoutMs) {
  const double end = NowMs() + timeoutMs;
  for (;;) {
    Reap();
    if (exited_ && closed_) return true;
    const double now = NowMs();
    if (now >= end || pid_ <= 0) return false;
    if (!ReadOnce(static_cast<int>(std::min(end - now, 50.0)) + 1) && !exited_) {
      // The terminal is closed but the program still runs: wait for it alone.
      usleep(10000);
    }
  }
}

void PtyTerminal::SendKeys(std::string_view bytes) {
  if (master_ >= 0) WriteAll(master_, bytes);
}

void PtyTerminal::Click(int row, int col, int button) {
  const std::string at =
      std::to_string(button) + ";" + std::to_string(col) + ";" + std::to_string(row);
  SendKeys("\x1b[<" + at + "M");
  SendKeys("\x1b[<" + at + "m");
}

void PtyTerminal::Resize(int cols, int rows) {
  winsize size{};
  size.ws_col = static_cast<unsigned short>(cols);
  size.ws_row = static_cast<unsigned short>(rows);
  emulator_.Resize(cols, rows);
  if (master_ >= 0) ioctl(master_, TIOCSWINSZ, &size);
}

pid_t PtyTerminal::ForegroundGroup() const {
  return master_ >= 0 ? tcgetpgrp(master_) : -1;
}

termios PtyTerminal::Settings() const {
  termios t{};
  if (master_ >= 0) tcgetattr(master_, &t);
  return t;
}

int PtyTerminal::ExitStatus() const {
  return exited_ && WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}

int PtyTerminal::TermSignal() const {
  return exited_ && WIFSIGNALED(status_) ? WTERMSIG(status_) : 0;
}

}  // namespace tarvana::test_support
