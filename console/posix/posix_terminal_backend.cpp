#include "console/posix/posix_terminal_backend.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "console/beep_pacer.h"
#include "console/cp437.h"
#include "console/posix/terminal_detect.h"
#include "console/posix/terminal_restore.h"
#include "console/posix/terminal_signals.h"
#include "console/terminal/key_decoder.h"
#include "console/terminal/narrow_glyphs.h"
#include "console/terminal/terminal_renderer.h"
#include "console/terminal_backend.h"
#include "console/us_layout.h"
#include "runtime/system_clock.h"

namespace tarvana {
namespace {

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

class PosixTerminalBackend final : public ConsoleBackend {
 public:
  PosixTerminalBackend(int inFd, int outFd, const TerminalCaps& caps)
      : in_(inFd),
        out_(outFd),
        wakeFd_(WatchTerminalSignals()),
        caps_(caps),
        enterFullScreen_(EnterFullScreenSequence(caps)),
        leaveFullScreen_(ResetModesSequence(caps, true) + LeaveAlternateScreenSequence(caps)),
        decoder_(caps.encoding != TextEncoding::kUtf8),
        renderer_(caps) {
    StopHold hold;
    termios original{};
    isTerminal_ = tcgetattr(in_, &original) == 0;
    SetRestoreSequences(ResetModesSequence(caps, true), LeaveAlternateScreenSequence(caps));
    ArmTerminalRestore(in_, out_, isTerminal_, original);
    if (isTerminal_) {
      raw_ = RawSettings(original);
      lineRaw_ = raw_;
      lineRaw_.c_oflag = original.c_oflag;
      ApplySettings();
    }
    QuerySize();
  }

  ~PosixTerminalBackend() override { RestoreTerminal(); }

  // The terminal's own interrupt, which raw input turns off: the handler the
  // console armed gives the terminal back, then the default action ends the
  // program, so that the shell sees SIGINT.
  void Interrupt() override { raise(SIGINT); }
  void Wake() override {
    woken_ = true;
    WakeTerminalWait();
  }

  void InitialSize(int& cols, int& rows) override {
    cols = termCols_;
    rows = termRows_;
  }

  // The console follows the change itself: no record is needed for it.
  void CurrentSize(int& cols, int& rows) override {
    if (TakeResizeSignal()) QuerySize();
    InitialSize(cols, rows);
  }

  void Present(const Screen& screen) override {
    if (!fullScreen_) return;
    StopHold hold;
    Resume();
    // A change noticed here still wakes the reader, so that a screen that
    // follows the terminal takes the new size at once.
    if (TakeResizeSignal() && QuerySize()) redrawDue_ = true;
    if (termCols_ < screen.Width() || termRows_ < screen.Height()) {
      ShowSizeNotice(screen.Width(), screen.Height());
      return;
    }
    if (!notice_.empty()) {
      // Keys typed at the notice but not read yet were typed blind: drop them
      // before the screen comes back.
      std::deque<InputRecord> typedBlind;
      for (int reads = 0; reads < 64 && Pump(0, typedBlind) == kReadSize; ++reads) {
      }
      notice_.clear();
    }
    frame_.clear();
    renderer_.Render(screen, termCols_, termRows_, frame_);
    Write(frame_);
  }

  void ReadInput(std::deque<InputRecord>& queue, int timeoutMs) override {
    const size_t before = queue.size();
    const double end = MonotonicMs() + timeoutMs;
    for (bool polled = false;; polled = true) {
      {
        StopHold hold;
        Resume();
      }
      const double now = MonotonicMs();
      Append(decoder_.Expire(now), queue);
      // A size change or a resume arrives as a record that yields no key: it
      // wakes a waiting program, which presents its screen again.
      if (TakeResizeSignal() && QuerySize()) redrawDue_ = true;
      if (redrawDue_) {
        redrawDue_ = false;
        queue.push_back(InputRecord{});
      }
      if (queue.size() > before || woken_.exchange(false) || (timeoutMs == 0 && polled)) return;
      int wait = timeoutMs == 0 ? 0 : -1;
      if (timeoutMs > 0) {
        if (now >= end) return;
        wait = CeilMs(end - now);
      }
      // A lone Esc becomes the Esc key when its time is up.
      if (const double deadline = decoder_.Deadline(); deadline > now) {
        const int untilDeadline = CeilMs(deadline - now);
        wait = wait < 0 ? untilDeadline : std::min(wait, untilDeadline);
      }
      // One poll and one read take what has come; only a full read buffer
      // can have left more behind.
      for (int reads = 0; reads < 64 && Pump(reads == 0 ? wait : 0, queue) == kReadSize; ++reads) {
      }
    }
  }

  void Beep() override {
    if (beeps_.Sounds(MonotonicMs())) Send("\a");
  }

  void Sleep(int ms) override {
    if (ms <= 0) return;
    timespec left{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0 && errno == EINTR) {
    }
  }

  double MonotonicMs() override { return SystemMonotonicMs(); }

  ClockReading Now() override { return SystemClockNow(); }

  void RequestSize(int cols, int rows) override {
    if (cols == termCols_ && rows == termRows_) return;
    // xterm's window operation; terminals that refuse it show the size notice.
    if (!caps_.windowOps) return;
    Send("\x1b[8;" + std::to_string(rows) + ";" + std::to_string(cols) + "t");
  }

  void SetMouseReporting(bool on) override {
    StopHold hold;
    Resume();
    mouseOn_ = on;
    // Reports are on only on the full screen, whose cells they name: outside
    // it the terminal keeps its wheel and text selection.
    if (fullScreen_) Write(on ? caps_.mouseOn : caps_.mouseOff);
  }

  void SetFullScreen(bool on) override {
    if (on == fullScreen_) return;
    StopHold hold;
    Resume();
    fullScreen_ = on;
    NoteAlternateScreen(on);
    if (on) {
      ApplySettings();
      Write(enterFullScreen_);
      if (mouseOn_) Write(caps_.mouseOn);
      renderer_.Invalidate();
      notice_.clear();
    } else {
      Write(leaveFullScreen_);
      ApplySettings();
    }
  }

  void StreamText(std::string_view cp437) override {
    Send(Cp437ToTerminalText(cp437, caps_.encoding));
  }
  void StreamNewLine() override { Send("\r\n"); }

 private:
  // Input is read raw from the start. Output goes out as the program writes
  // it on the full screen; outside it the terminal's own output processing
  // stays on, so that lines the program prints itself (before its first
  // screen, or after leaving it) still start at the left edge.
  void ApplySettings() {
    if (isTerminal_) tcsetattr(in_, TCSANOW, fullScreen_ ? &raw_ : &lineRaw_);
  }

  // After a stop the terminal was restored for the shell (or, after SIGSTOP,
  // the shell may have changed it): raw mode, the alternate screen and mouse
  // reporting come back as they were, and the whole screen is drawn again from
  // the model. Settings come first: a program continued in the background
  // stops there (SIGTTOU) before it writes to the shell's screen. Called with
  // stops held.
  void Resume() {
    if (!TakeResumeSignal()) return;
    ApplySettings();
    if (fullScreen_) {
      NoteAlternateScreen(true);
      Write(enterFullScreen_);
      if (mouseOn_) Write(caps_.mouseOn);
    }
    QuerySize();
    renderer_.Invalidate();
    notice_.clear();
    redrawDue_ = true;
  }

  // Writes bytes that rely on the terminal's modes: a stop cannot come between
  // catching up with the last one and the write.
  void Send(std::string_view bytes) {
    StopHold hold;
    Resume();
    Write(bytes);
  }

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
                       std::to_string(termRows_) + "), or press Esc to quit";
    if (text == notice_) return;
    notice_ = text;
    std::string bytes = caps_.sgr ? "\x1b[0m\x1b[H" : "\x1b[H";
    if (caps_.eraseDisplay) bytes += "\x1b[2J";
    Write(bytes + WrapWords(text, termCols_));
    renderer_.Invalidate();
  }

  static constexpr size_t kReadSize = 4096;

  // Waits up to waitMs (-1: no limit) for input or a signal and decodes the
  // bytes that came; returns how many were read.
  size_t Pump(int waitMs, std::deque<InputRecord>& queue) {
    pollfd fds[2] = {{in_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    if (poll(fds, wakeFd_ >= 0 ? 2 : 1, waitMs) <= 0) return 0;
    if (fds[1].revents & POLLIN) DrainTerminalSignals();
    if (fds[0].revents & POLLIN) {
      char buf[kReadSize];
      const ssize_t n = read(in_, buf, sizeof buf);
      if (n > 0) {
        decoded_.clear();
        decoder_.Feed(std::string_view(buf, static_cast<size_t>(n)), MonotonicMs(), decoded_);
        Append(decoded_, queue);
        return static_cast<size_t>(n);
      }
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) return 0;
      HangUp();
    }
    if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) HangUp();
    return 0;
  }

  // The terminal is gone: no input will ever come, so end as a hang-up does
  // instead of waiting forever.
  [[noreturn]] void HangUp() {
    RestoreTerminal();
    signal(SIGHUP, SIG_DFL);
    raise(SIGHUP);
    _exit(129);
  }

  // Queues decoded records. While the size notice shows, the program's screen
  // is not seen, so keys are thrown away, except Esc and Ctrl+C, which end the
  // program as an interrupt does.
  void Append(const std::vector<InputRecord>& records, std::deque<InputRecord>& queue) {
    if (notice_.empty()) {
      // One by one: a range inserted into an empty deque goes in at its
      // front, which takes a new block of memory every time.
      for (const InputRecord& r : records)
        queue.push_back(r);
      return;
    }
    for (const InputRecord& r : records)
      if (r.kind == InputRecord::Kind::kKey && r.key.pressed &&
          (r.key.scan == usKey::kEsc || r.key.ch == 3))
        EndAsInterrupt();
  }

  [[noreturn]] void EndAsInterrupt() {
    RestoreTerminal();
    signal(SIGINT, SIG_DFL);
    raise(SIGINT);
    _exit(130);
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
  std::atomic<bool> woken_{false};  // Wake was called: the wait returns
  bool isTerminal_ = false;
  termios raw_{};      // the settings on the full screen
  termios lineRaw_{};  // raw input with the terminal's own output processing
  TerminalCaps caps_;
  std::string enterFullScreen_, leaveFullScreen_;
  int termCols_ = 0, termRows_ = 0;
  bool fullScreen_ = false;
  bool mouseOn_ = false;
  bool redrawDue_ = false;  // a waiting program must present its screen again
  BeepPacer beeps_;
  KeyDecoder decoder_;
  std::vector<InputRecord> decoded_;  // kept, so that reading a key allocates nothing
  TerminalRenderer renderer_;
  std::string frame_;
  std::string notice_;  // the size notice on the terminal, empty when none
};

}  // namespace

std::unique_ptr<ConsoleBackend> MakePosixTerminalBackend(int inFd, int outFd,
                                                         const TerminalCaps& caps) {
  return std::make_unique<PosixTerminalBackend>(inFd, outFd, caps);
}

namespace {

// The controlling terminal, opened once and kept for the program's life: the
// console draws on it and reads from it in place of a redirected standard
// input or output, as less and dialog do. -1 when the program has none.
int ControllingTerminal() {
  static const int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  return fd;
}

}  // namespace

// On POSIX systems the console's own device is the terminal on standard input
// and output; one of them that is redirected (answer=$(program), program <
// list) is replaced by the controlling terminal.
std::unique_ptr<ConsoleBackend> MakeTerminalBackend() {
  const bool in = isatty(0), out = isatty(1);
  const int tty = in && out ? -1 : ControllingTerminal();
  return MakePosixTerminalBackend(in || tty < 0 ? 0 : tty, out || tty < 0 ? 1 : tty,
                                  DetectTerminalCaps());
}

bool StdioIsTerminal() {
  return isatty(0) && isatty(1);
}

bool TerminalAvailable() {
  return StdioIsTerminal() || ControllingTerminal() >= 0;
}

std::string TerminalProblem() {
  if (!TerminalAvailable())
    return "no terminal to draw on: standard input or output is not a terminal, and the program "
           "has no controlling terminal (/dev/tty)";
  return TerminalTypeProblem(std::getenv("TERM"), DetectTerminalCaps());
}

}  // namespace tarvana
