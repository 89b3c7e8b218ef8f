#include "console/terminal_backend.h"

#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <string>

#include "console/cp437.h"
#include "console/key_decoder.h"
#include "console/terminal_renderer.h"
#include "console/terminal_restore.h"
#include "console/terminal_signals.h"

namespace tarvana {
namespace {

constexpr char kEnterFullScreen[] = "\x1b[?1049h\x1b[?7l";  // alternate screen, no autowrap
constexpr char kLeaveFullScreen[] = "\x1b[0m\x1b[?25h\x1b[0 q\x1b[?7h\x1b[?1049l";
constexpr char kMouseOn[] = "\x1b[?1000h\x1b[?1002h\x1b[?1006h";  // clicks, drags, SGR encoding
constexpr char kMouseOff[] = "\x1b[?1006l\x1b[?1002l\x1b[?1000l";

// Keys are bytes: no signals from Ctrl+C, no echo, no line editing, and no
// output processing, so that a line feed moves straight down.
termios RawSettings(termios t) {
  t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
  t.c_oflag &= ~OPOST;
  t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~(CSIZE | PARENB);
  t.c_cflag |= CS8;
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  return t;
}

// The text in lines of at most width characters, broken between words where
// possible, the lines separated by CR LF.
std::string WrapWords(std::string_view text, int width) {
  std::string out;
  while (!text.empty()) {
    size_t take = std::min(text.size(), static_cast<size_t>(std::max(width, 1)));
    if (take < text.size()) {
      const size_t space = text.rfind(' ', take);
      if (space != std::string_view::npos && space > 0) take = space;
    }
    out.append(text.substr(0, take));
    text.remove_prefix(take);
    while (!text.empty() && text.front() == ' ')
      text.remove_prefix(1);
    if (!text.empty()) out += "\r\n";
  }
  return out;
}

int CeilMs(double ms) {
  return std::max(0, static_cast<int>(std::ceil(ms)));
}

class TerminalBackend final : public ConsoleBackend {
 public:
  TerminalBackend(int inFd, int outFd) : in_(inFd), out_(outFd), wakeFd_(WatchTerminalSignals()) {
    termios original{};
    const bool isTerminal = tcgetattr(in_, &original) == 0;
    ArmTerminalRestore(in_, out_, isTerminal, original);
    if (isTerminal) {
      const termios raw = RawSettings(original);
      tcsetattr(in_, TCSANOW, &raw);
    }
    QuerySize();
  }

  ~TerminalBackend() override { RestoreTerminal(); }

  void InitialSize(int& cols, int& rows) override {
    cols = termCols_;
    rows = termRows_;
  }

  void Present(const Screen& screen) override {
    if (!fullScreen_) return;
    if (TakeResizeSignal()) QuerySize();
    if (termCols_ < screen.Width() || termRows_ < screen.Height()) {
      ShowSizeNotice(screen.Width(), screen.Height());
      return;
    }
    notice_.clear();
    frame_.clear();
    renderer_.Render(screen, termCols_, termRows_, frame_);
    Write(frame_);
  }

  void ReadInput(std::deque<InputRecord>& queue, int timeoutMs) override {
    const size_t before = queue.size();
    const double end = MonotonicMs() + timeoutMs;
    for (;;) {
      for (int reads = 0; reads < 64 && Pump(0, queue); ++reads) {
      }
      const double now = MonotonicMs();
      Append(decoder_.Expire(now), queue);
      // A size change arrives as a record that yields no key: it wakes a
      // waiting program, which presents its screen again.
      if (TakeResizeSignal() && QuerySize()) queue.push_back(InputRecord{});
      if (timeoutMs == 0 || queue.size() > before) return;
      int wait = -1;
      if (timeoutMs > 0) {
        if (now >= end) return;
        wait = CeilMs(end - now);
      }
      // A lone Esc becomes the Esc key when its time is up.
      if (const double deadline = decoder_.Deadline(); deadline > now) {
        const int untilDeadline = CeilMs(deadline - now);
        wait = wait < 0 ? untilDeadline : std::min(wait, untilDeadline);
      }
      Pump(wait, queue);
    }
  }

  void Beep() override { Write("\a"); }

  void Sleep(int ms) override {
    if (ms <= 0) return;
    timespec left{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
  }

  double MonotonicMs() override {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
  }

  ClockReading Now() override {
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local;
    localtime_r(&ts.tv_sec, &local);
    return ClockReading{local.tm_year + 1900,
                        local.tm_mon + 1,
                        local.tm_mday,
                        local.tm_hour,
                        local.tm_min,
                        std::min(local.tm_sec, 59),
                        static_cast<int>(ts.tv_nsec / 1000000)};
  }

  void RequestSize(int cols, int rows) override {
    if (cols == termCols_ && rows == termRows_) return;
    // xterm's window operation; terminals that refuse it show the size notice.
    Write("\x1b[8;" + std::to_string(rows) + ";" + std::to_string(cols) + "t");
  }

  void SetMouseReporting(bool on) override { Write(on ? kMouseOn : kMouseOff); }

  void SetFullScreen(bool on) override {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    NoteAlternateScreen(on);
    if (on) {
      Write(kEnterFullScreen);
      renderer_.Invalidate();
      notice_.clear();
    } else {
      Write(kLeaveFullScreen);
    }
  }

  void StreamText(std::string_view cp437) override { Write(Cp437ToUtf8(cp437)); }
  void StreamNewLine() override { Write("\r\n"); }

 private:
  // Reads the terminal's size; true when it changed. The renderer then draws
  // everything again, as terminals treat a resized screen differently.
  bool QuerySize() {
    winsize ws{};
    int cols = 80, rows = 25;
    if (ioctl(out_, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0 && ws.ws_row > 0) {
      cols = ws.ws_col;
      rows = ws.ws_row;
    }
    if (cols == termCols_ && rows == termRows_) return false;
    termCols_ = cols;
    termRows_ = rows;
    renderer_.Invalidate();
    return true;
  }

  // Instead of a cut-off screen, one line (wrapped on a narrow terminal) that
  // asks for room; drawn once per terminal size.
  void ShowSizeNotice(int cols, int rows) {
    std::string text = "Please enlarge the terminal to at least " + std::to_string(cols) + " x " +
                       std::to_string(rows) + " (now " + std::to_string(termCols_) + " x " +
                       std::to_string(termRows_) + ")";
    if (text == notice_) return;
    notice_ = text;
    Write("\x1b[0m\x1b[H\x1b[2J" + WrapWords(text, termCols_));
    renderer_.Invalidate();
  }

  // Waits up to waitMs (-1: no limit) for input or a signal and decodes the
  // bytes that came; true when bytes were read.
  bool Pump(int waitMs, std::deque<InputRecord>& queue) {
    pollfd fds[2] = {{in_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    if (poll(fds, wakeFd_ >= 0 ? 2 : 1, waitMs) <= 0) return false;
    if (fds[1].revents & POLLIN) DrainTerminalSignals();
    if (fds[0].revents & POLLIN) {
      char buf[4096];
      const ssize_t n = read(in_, buf, sizeof buf);
      if (n > 0) {
        Append(decoder_.Feed(std::string_view(buf, static_cast<size_t>(n)), MonotonicMs()), queue);
        return true;
      }
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) return false;
      HangUp();
    }
    if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) HangUp();
    return false;
  }

  // The terminal is gone: no input will ever come, so end as a hang-up does
  // instead of waiting forever.
  [[noreturn]] void HangUp() {
    RestoreTerminal();
    signal(SIGHUP, SIG_DFL);
    raise(SIGHUP);
    _exit(129);
  }

  static void Append(const std::vector<InputRecord>& records, std::deque<InputRecord>& queue) {
    queue.insert(queue.end(), records.begin(), records.end());
  }

  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = write(out_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 && errno == EAGAIN) {
        pollfd p{out_, POLLOUT, 0};
        poll(&p, 1, -1);
        continue;
      }
      if (n <= 0) return;
      bytes.remove_prefix(static_cast<size_t>(n));
    }
  }

  int in_, out_;
  int wakeFd_;
  int termCols_ = 0, termRows_ = 0;
  bool fullScreen_ = false;
  KeyDecoder decoder_;
  TerminalRenderer renderer_;
  std::string frame_;
  std::string notice_;  // the size notice on the terminal, empty when none
};

}  // namespace

std::unique_ptr<ConsoleBackend> MakeTerminalBackend() {
  return MakeTerminalBackend(0, 1);
}

std::unique_ptr<ConsoleBackend> MakeTerminalBackend(int inFd, int outFd) {
  return std::make_unique<TerminalBackend>(inFd, outFd);
}

bool StdioIsTerminal() {
  return isatty(0) && isatty(1);
}

}  // namespace tarvana
