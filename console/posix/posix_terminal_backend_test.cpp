// The terminal backend on a pseudo-terminal in this process: raw mode and its
// restoration, waiting for input, size changes, plain-line output, beeps, and
// stops and signals in a child process.

#include "console/posix/posix_terminal_backend.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <stdexcept>
#include <thread>

#include "console/posix/terminal_signals.h"
#include "testing/terminal_emulator.h"

namespace tarvana {
namespace {

using test_support::TerminalEmulator;

// A pseudo-terminal: the backend works on the slave side, the test types into
// and reads from the master side. A blocked test ends by SIGALRM, never hangs.
class TerminalBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    alarm(20);
    winsize ws{};
    ws.ws_col = 80;
    ws.ws_row = 25;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, &ws), 0);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  }
  void TearDown() override {
    backend.reset();
    close(slave);
    close(master);
    alarm(0);
  }

  void Start() { backend = MakePosixTerminalBackend(slave, slave, XtermCaps()); }

  // Feeds what the backend wrote into the emulator.
  void Drain() {
    char buf[65536];
    for (;;) {
      pollfd p{master, POLLIN, 0};
      if (poll(&p, 1, 20) <= 0) return;
      const ssize_t n = read(master, buf, sizeof buf);
      if (n <= 0) return;
      term.Feed(std::string_view(buf, static_cast<size_t>(n)));
    }
  }

  void Type(std::string_view bytes) {
    ASSERT_EQ(write(master, bytes.data(), bytes.size()), bytes.size());
  }

  void ResizePty(int cols, int rows) {
    winsize ws{};
    ws.ws_col = static_cast<unsigned short>(cols);
    ws.ws_row = static_cast<unsigned short>(rows);
    ioctl(master, TIOCSWINSZ, &ws);
    term.Resize(cols, rows);
    raise(SIGWINCH);  // the pty is not this process's controlling terminal
  }

  termios Settings() const {
    termios t{};
    tcgetattr(slave, &t);
    return t;
  }

  int master = -1, slave = -1;
  std::unique_ptr<ConsoleBackend> backend;
  TerminalEmulator term{80, 25};
};

Screen SampleScreen(int cols, int rows) {
  Screen screen(cols, rows);
  screen.SetColor(14, 1);
  screen.ClearScreen();
  screen.Locate(2, 3);
  screen.PrintText("\xC9\xCD\xCD\xBB Tarvana \x01\x02\x18\x19");
  screen.Locate(rows, cols - 1);
  screen.PrintText("\xB0\xB1");
  screen.Locate(3, 4);
  return screen;
}

TEST_F(TerminalBackendTest, RawModeWhileRunningAndEverythingRestoredAfter) {
  const termios before = Settings();
  Start();
  const termios raw = Settings();
  EXPECT_FALSE(raw.c_lflag & (ICANON | ECHO | ISIG | IEXTEN));
  EXPECT_FALSE(raw.c_iflag & (ICRNL | IXON));
  // Lines printed before the first screen and after it start at the left edge.
  EXPECT_EQ(raw.c_oflag, before.c_oflag);
  int cols = 0, rows = 0;
  backend->InitialSize(cols, rows);
  EXPECT_EQ(cols, 80);
  EXPECT_EQ(rows, 25);

  backend->SetFullScreen(true);
  EXPECT_FALSE(Settings().c_oflag & OPOST);
  backend->SetMouseReporting(true);
  Screen screen = SampleScreen(80, 25);
  screen.SetCursor(0);
  backend->Present(screen);
  Drain();
  EXPECT_TRUE(term.AltScreen());
  EXPECT_NE(term.MouseMode(), 0);
  EXPECT_FALSE(term.CursorVisible());
  EXPECT_EQ(term.RowText(2), "  ╔══╗ Tarvana ☺☻↑↓");
  backend->SetFullScreen(false);
  Drain();
  EXPECT_EQ(Settings().c_oflag, before.c_oflag);
  EXPECT_FALSE(Settings().c_lflag & (ICANON | ECHO));
  EXPECT_EQ(term.MouseMode(), 0) << "the terminal keeps its wheel and selection";
  backend->SetFullScreen(true);
  Drain();
  EXPECT_NE(term.MouseMode(), 0);

  backend.reset();
  Drain();
  const termios after = Settings();
  EXPECT_EQ(after.c_lflag, before.c_lflag);
  EXPECT_EQ(after.c_iflag, before.c_iflag);
  EXPECT_EQ(after.c_oflag, before.c_oflag);
  EXPECT_FALSE(term.AltScreen());
  EXPECT_EQ(term.MouseMode(), 0);
  EXPECT_TRUE(term.CursorVisible());
}

TEST_F(TerminalBackendTest, ReadInputWaitsOnlyAsAsked) {
  struct Case {
    const char* typed;
    int timeoutMs;
    size_t records;
    int ch;  // character of the first record
  };
  const Case cases[] = {
      {"", 0, 0, 0},       {"a", 0, 1, 'a'},
      {"xyz", -1, 3, 'x'}, {"\x1b", -1, 1, 27},  // a lone Esc is the Esc key once its time is up
      {"", 100, 0, 0},     {"q", 5000, 1, 'q'},
  };
  Start();
  for (const Case& c : cases) {
    Type(c.typed);
    if (c.timeoutMs == 0) usleep(50000);  // let the bytes reach the terminal
    std::deque<InputRecord> queue;
    const auto start = std::chrono::steady_clock::now();
    backend->ReadInput(queue, c.timeoutMs);
    // On a busy machine the bytes may take longer: a read that takes only
    // what is there must still get them once they have come.
    for (int tries = 0; c.timeoutMs == 0 && c.records > 0 && queue.empty() && tries < 200;
         ++tries) {
      usleep(10000);
      backend->ReadInput(queue, 0);
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(queue.size(), c.records) << "typed '" << c.typed << "' timeout " << c.timeoutMs;
    if (c.records > 0) {
      EXPECT_EQ(queue.front().key.ch, c.ch) << "typed '" << c.typed << "'";
    } else if (c.timeoutMs > 0) {
      EXPECT_GE(waited, std::chrono::milliseconds(c.timeoutMs)) << "returned early";
    }
  }
}

TEST_F(TerminalBackendTest, ASizeChangeWakesAWaitingReadAndRedrawsInFull) {
  Start();
  backend->SetFullScreen(true);
  const Screen screen = SampleScreen(80, 25);
  backend->Present(screen);
  Drain();
  std::thread resizer([this] {
    usleep(50000);
    ResizePty(100, 30);
  });
  std::deque<InputRecord> queue;
  backend->ReadInput(queue, -1);
  resizer.join();
  ASSERT_EQ(queue.size(), 1u);
  EXPECT_EQ(queue.front().kind, InputRecord::Kind::kOther);

  backend->Present(screen);
  Drain();
  EXPECT_EQ(term.RowText(2), "  ╔══╗ Tarvana ☺☻↑↓");
  EXPECT_EQ(term.CellAt(25, 80).ch, U'▒');
  EXPECT_EQ(term.CellAt(1, 100).bg, -1) << "margin not in the terminal's colours";
}

TEST_F(TerminalBackendTest, TooSmallATerminalShowsANoticeUntilThereIsRoom) {
  ResizePty(60, 20);
  Start();
  backend->SetFullScreen(true);
  const Screen screen = SampleScreen(80, 25);
  backend->Present(screen);
  Drain();
  // Worded to fit the terminal's width.
  EXPECT_EQ(term.RowText(1), "Please enlarge the terminal to at least 80 x 25 (now 60 x");
  EXPECT_EQ(term.RowText(2), "20), or press Esc to quit");
  EXPECT_FALSE(term.Contains("Tarvana"));
  // Keys typed at the notice are thrown away, not kept for the screen that
  // comes back.
  Type("\rx\x1b[B");
  usleep(20000);
  std::deque<InputRecord> queue;
  backend->ReadInput(queue, 0);
  for (const InputRecord& r : queue)
    EXPECT_NE(r.kind, InputRecord::Kind::kKey) << "key " << int(r.key.ch) << " kept";
  ResizePty(80, 25);
  backend->Present(screen);
  Drain();
  EXPECT_EQ(term.RowText(1), "");
  EXPECT_EQ(term.RowText(2), "  ╔══╗ Tarvana ☺☻↑↓");
}

TEST_F(TerminalBackendTest, PlainLinesAreUtf8GlyphsEndedByCarriageReturnAndLineFeed) {
  Start();
  backend->StreamText("caf\x82 \xC9\xCD\xBB \x0D\x07");
  backend->StreamNewLine();
  backend->StreamText("next");
  backend->Beep();
  Drain();
  EXPECT_EQ(term.RowText(1), "café ╔═╗ ♪•");
  EXPECT_EQ(term.RowText(2), "next");
  EXPECT_EQ(term.Bells(), 1);
  EXPECT_FALSE(term.AltScreen());
}

TEST_F(TerminalBackendTest, ABurstOfBeepsRingsOnceAndALaterBeepRingsAgain) {
  Start();
  // A paste of refused characters: one beep each, all within one frame.
  for (int i = 0; i < 1000; ++i)
    backend->Beep();
  Drain();
  // Not exactly one: a busy machine may pause the loop for longer than a frame.
  EXPECT_GE(term.Bells(), 1);
  EXPECT_LE(term.Bells(), 5);
  const int burst = term.Bells();
  usleep(50000);
  backend->Beep();
  Drain();
  EXPECT_EQ(term.Bells(), burst + 1);
}

// How a program may end with the terminal taken over, run in the child of a
// death test: the terminal must be restored every way.
struct Ending {
  const char* what;
  void (*end)();
  int exitCode;  // -1: killed by the signal
  int signal;
};

void EndByException() {
  // Without the abort signal's handler, only the terminate handler restores.
  signal(SIGABRT, SIG_IGN);
  std::thread([] { throw std::runtime_error("not caught"); }).join();
}
void EndByExit() {
  std::exit(3);
}
void EndByCrash() {
  raise(SIGSEGV);
}
void EndByTermination() {
  raise(SIGTERM);
}

TEST_F(TerminalBackendTest, TheTerminalIsRestoredHoweverTheProgramEnds) {
  const Ending endings[] = {
      {"uncaught exception", EndByException, -1, SIGABRT},
      {"exit", EndByExit, 3, 0},
      {"crash", EndByCrash, -1, SIGSEGV},
      {"termination signal", EndByTermination, -1, SIGTERM},
  };
  const termios original = Settings();
  for (const Ending& ending : endings) {
    auto run = [&] {
      const rlimit noCore{0, 0};
      setrlimit(RLIMIT_CORE, &noCore);
      // Owned by nobody: only the exit handlers can restore.
      ConsoleBackend* leaked = MakePosixTerminalBackend(slave, slave, XtermCaps()).release();
      leaked->SetFullScreen(true);
      leaked->SetMouseReporting(true);
      leaked->Present(SampleScreen(80, 25));
      ending.end();
    };
    if (ending.exitCode >= 0) {
      EXPECT_EXIT(run(), ::testing::ExitedWithCode(ending.exitCode), "") << ending.what;
    } else {
      EXPECT_EXIT(run(), ::testing::KilledBySignal(ending.signal), "") << ending.what;
    }
    Drain();
    EXPECT_FALSE(term.AltScreen()) << ending.what;
    EXPECT_EQ(term.MouseMode(), 0) << ending.what;
    EXPECT_TRUE(term.CursorVisible()) << ending.what;
    EXPECT_TRUE(Settings().c_lflag & ICANON) << ending.what;
    EXPECT_TRUE(Settings().c_lflag & ECHO) << ending.what;
    tcsetattr(slave, TCSANOW, &original);  // each ending starts afresh
  }
}

// Runs in the child of a death test, with a terminal of its own whose other
// side it closes.
void ReadFromAClosedTerminal() {
  alarm(10);
  int ownMaster = -1;
  int ownSlave = -1;
  if (openpty(&ownMaster, &ownSlave, nullptr, nullptr, nullptr) != 0) _exit(1);
  auto own = MakePosixTerminalBackend(ownSlave, ownSlave, XtermCaps());
  close(ownMaster);
  std::deque<InputRecord> queue;
  own->ReadInput(queue, -1);
}

TEST_F(TerminalBackendTest, AClosedTerminalEndsTheProgramLikeAHangUp) {
  EXPECT_EXIT(ReadFromAClosedTerminal(), ::testing::KilledBySignal(SIGHUP), "");
}

// Runs in the child of a death test: output that the terminal never reads, and
// sig arriving while a write waits for room.
void SignalWhileOutputIsBlocked(int fd, int sig) {
  // A restore that waits for the terminal would keep the program alive until
  // this ends it with SIGALRM instead.
  alarm(5);
  ConsoleBackend* leaked = MakePosixTerminalBackend(fd, fd, XtermCaps()).release();
  leaked->SetFullScreen(true);
  leaked->SetMouseReporting(true);
  sigevent event{};
  event.sigev_notify = SIGEV_SIGNAL;
  event.sigev_signo = sig;
  timer_t timer;
  if (timer_create(CLOCK_MONOTONIC, &event, &timer) != 0) _exit(1);
  const itimerspec in200ms{{0, 0}, {0, 200000000}};
  timer_settime(timer, 0, &in200ms, nullptr);
  // Small writes, so that they fill every last byte the terminal takes.
  for (;;)
    leaked->StreamText("x");
}

TEST_F(TerminalBackendTest, ASignalEndsTheProgramEvenWhenTheTerminalDoesNotRead) {
  const int flagsBefore = fcntl(slave, F_GETFL);
  for (const int sig : {SIGTERM, SIGHUP}) {
    EXPECT_EXIT(SignalWhileOutputIsBlocked(slave, sig), ::testing::KilledBySignal(sig), "")
        << "signal " << sig;
    // The shell shares the terminal's file description and its flags.
    EXPECT_EQ(fcntl(slave, F_GETFL), flagsBefore) << "signal " << sig;
    EXPECT_TRUE(Settings().c_lflag & ICANON) << "signal " << sig;
    EXPECT_TRUE(Settings().c_lflag & ECHO) << "signal " << sig;
    Drain();
  }
}

// In a child process of its own group: keeps presenting a screen, as a busy
// program does between waits for input, and never waits for input.
[[noreturn]] void PresentWhileBusy(int fd, int readyFd) {
  setpgid(0, 0);  // stoppable: the group has a parent in this session
  auto busy = MakePosixTerminalBackend(fd, fd, XtermCaps());
  busy->SetFullScreen(true);
  busy->SetMouseReporting(true);
  const Screen screen = SampleScreen(80, 25);
  busy->Present(screen);
  if (write(readyFd, "r", 1) != 1) _exit(1);
  for (;;) {
    usleep(5000);
    busy->Present(screen);
  }
}

TEST_F(TerminalBackendTest, StoppedWhileBusyGivesTheTerminalBackAndRedrawsAtTheNextFrame) {
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  if (child == 0) PresentWhileBusy(slave, ready[1]);
  ASSERT_GT(child, 0);
  struct KillAtEnd {
    pid_t pid;
    ~KillAtEnd() {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  } killAtEnd{child};
  close(ready[1]);
  char byte;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  close(ready[0]);
  Drain();
  ASSERT_TRUE(term.AltScreen());

  kill(child, SIGTSTP);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
  EXPECT_TRUE(WIFSTOPPED(status)) << "status " << status;
  Drain();
  EXPECT_FALSE(term.AltScreen());
  EXPECT_EQ(term.MouseMode(), 0);
  EXPECT_TRUE(term.CursorVisible());
  EXPECT_TRUE(Settings().c_lflag & ICANON);
  EXPECT_TRUE(Settings().c_lflag & ECHO);
  term.Feed("$ jobs\r\n[1]+  Stopped\r\n$ fg\r\n");  // what a shell shows meanwhile

  kill(child, SIGCONT);
  const std::string title = "  ╔══╗ Tarvana ☺☻↑↓";
  for (int tries = 0; tries < 200 && term.RowText(2) != title; ++tries)
    Drain();
  EXPECT_TRUE(term.AltScreen());
  EXPECT_NE(term.MouseMode(), 0);
  EXPECT_FALSE(Settings().c_lflag & (ICANON | ECHO));
  EXPECT_EQ(term.RowText(1), "");
  EXPECT_EQ(term.RowText(2), title);
  EXPECT_EQ(term.CellAt(25, 80).ch, U'▒');
}

// A stop that comes while stops are held back waits for the hold's end: the
// program goes on until then, and stops after it.
TEST_F(TerminalBackendTest, AStopWhileHeldBackComesWhenTheHoldEnds) {
  int progress[2];
  ASSERT_EQ(pipe(progress), 0);
  const pid_t child = fork();
  if (child == 0) {
    setpgid(0, 0);  // stoppable: the group has a parent in this session
    Start();
    {
      StopHold hold;
      raise(SIGTSTP);
      if (write(progress[1], "h", 1) != 1) _exit(1);  // not stopped yet
    }
    if (write(progress[1], "c", 1) != 1) _exit(1);  // continued
    _exit(0);
  }
  ASSERT_GT(child, 0);
  close(progress[1]);
  fcntl(progress[0], F_SETFL, O_NONBLOCK);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
  EXPECT_TRUE(WIFSTOPPED(status)) << "status " << status;
  char byte = 0;
  EXPECT_EQ(read(progress[0], &byte, 1), 1) << "stopped inside the hold";
  kill(child, SIGCONT);
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
  EXPECT_EQ(read(progress[0], &byte, 1), 1);
  EXPECT_EQ(byte, 'c');
  close(progress[0]);
}

}  // namespace
}  // namespace tarvana
