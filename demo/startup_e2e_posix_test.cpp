// The demonstration program end to end, in a pseudo-terminal: start-up, the
// missing list file, no terminal at all, a too small terminal, the terminal
// being put back however the program ends, and stopping and continuing under a
// job-control shell.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "testing/demo_session.h"

namespace tarvana {
namespace {

using test_support::LeaveDemo;
using test_support::Press;
using test_support::PtyTerminal;

const std::string kDemo = test_support::DemoProgram();

enum class Setting { kNeverSet, kOn, kOff };

// The last state a program set a private mode to (mode "?7" for "\x1b[?7h"
// and "\x1b[?7l"); never-set modes keep the terminal's own default.
Setting LastSetting(const std::string& out, const std::string& mode) {
  const size_t on = out.rfind("\x1b[" + mode + "h"), off = out.rfind("\x1b[" + mode + "l");
  if (on == std::string::npos && off == std::string::npos) return Setting::kNeverSet;
  if (off == std::string::npos) return Setting::kOn;
  if (on == std::string::npos) return Setting::kOff;
  return on > off ? Setting::kOn : Setting::kOff;
}

void ExpectTerminalRestored(const PtyTerminal& term) {
  const auto& screen = term.Screen();
  EXPECT_FALSE(screen.AltScreen());
  EXPECT_TRUE(screen.CursorVisible());
  EXPECT_LE(screen.CursorShape(), 1) << "cursor shape not reset";
  EXPECT_EQ(screen.MouseMode(), 0);
  const std::string& out = term.Output();
  EXPECT_NE(LastSetting(out, "?1006"), Setting::kOn) << "SGR mouse reports left on";
  EXPECT_NE(LastSetting(out, "?7"), Setting::kOff) << "autowrap left off";
  const termios settings = term.Settings();
  EXPECT_TRUE(settings.c_lflag & ICANON) << "line input not restored";
  EXPECT_TRUE(settings.c_lflag & ECHO) << "echo not restored";
  EXPECT_TRUE(settings.c_lflag & ISIG) << "signal keys not restored";
}

TEST(DemoStartupTest, ShowsItsScreenAndLeavesTheTerminalAsItFoundIt) {
  PtyTerminal term({kDemo}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  term.Screen().Feed("$ earlier output\r\n$ ");  // the shell's screen, cursor on row 2
  ASSERT_TRUE(term.WaitForText("Tarvana")) << term.Screen().Text();
  EXPECT_TRUE(term.Screen().AltScreen());
  EXPECT_NE(term.Screen().MouseMode(), 0) << "mouse clicks not reported";
  EXPECT_FALSE(term.Settings().c_lflag & (ICANON | ECHO | ISIG)) << "terminal not in raw mode";
  // The whole 80 by 25 screen is drawn in the sixteen text-mode colours.
  ASSERT_TRUE(term.WaitForIdle()) << term.Screen().Text();
  for (int row = 1; row <= 25; ++row)
    for (int col = 1; col <= 80; ++col) {
      const auto cell = term.Screen().CellAt(row, col);
      ASSERT_TRUE(cell.fg >= 0 && cell.fg < 16 && cell.bg >= 0 && cell.bg < 16)
          << "cell " << row << "," << col << " fg " << cell.fg << " bg " << cell.bg;
    }

  ASSERT_TRUE(LeaveDemo(term)) << term.Screen().Text();
  EXPECT_EQ(term.ExitStatus(), 0);
  ExpectTerminalRestored(term);
  const auto& screen = term.Screen();
  const char* const expected[] = {"$ earlier output",
                                  "$",
                                  "Thank you for your interest in the Tarvana Toolbox!",
                                  "",
                                  ("For a complete list of the functions and procedures in the "
                                   "Tarvana"),
                                  "Toolbox, please refer to the file TVTools.LST.",
                                  ""};
  for (int row = 1; row <= 7; ++row)
    EXPECT_EQ(screen.RowText(row), expected[row - 1]) << "row " << row;
  EXPECT_EQ(screen.CursorRow(), 7);
  EXPECT_EQ(screen.CursorCol(), 1);
  // The shell's next long line wraps onto the row below.
  term.Screen().Feed(std::string(85, 'x'));
  EXPECT_EQ(screen.RowText(8), "xxxxx") << "autowrap left off";
}

TEST(DemoStartupTest, WithoutTheListFileShowsTheMessageAndEndsOnAKey) {
  char dir[] = "/tmp/tarvana-e2e-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  PtyTerminal term({kDemo}, dir);
  ASSERT_TRUE(term.Started());
  term.Screen().Feed("$ tarvana-demo\r\n");
  ASSERT_TRUE(term.WaitForText("Press any key to exit.")) << term.Screen().Text();
  const char* const expected[] = {
      "$ tarvana-demo",
      "Unable to find TVTools.LST.  Please make sure it is in the default directory.",
      "(This file is included with this demo program and is used in some of the",
      "routine demonstrations, so it is required to use this program.)",
      "",
      "Press any key to exit.",
      ""};
  for (int row = 1; row <= 7; ++row)
    EXPECT_EQ(term.Screen().RowText(row), expected[row - 1]) << "row " << row;
  EXPECT_FALSE(term.Screen().AltScreen());
  term.SendKeys("x");
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 0);
  ExpectTerminalRestored(term);
  EXPECT_EQ(term.Screen().RowText(6), "Press any key to exit.");
  rmdir(dir);
}

// Runs the program with standard input and output that are not terminals;
// returns its exit status (-1 when it did not end in time) and its stderr.
int RunWithoutTerminal(std::string& out, std::string& err) {
  int outPipe[2], errPipe[2];
  if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    setsid();  // no controlling terminal either
    const int null = open("/dev/null", O_RDONLY);
    dup2(null, 0);
    dup2(outPipe[1], 1);
    dup2(errPipe[1], 2);
    chdir(TARVANA_SOURCE_DIR);
    execl(kDemo.c_str(), kDemo.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  for (int open = 2; open > 0 && std::chrono::steady_clock::now() < end;) {
    if (poll(fds, 2, 100) <= 0) continue;
    for (int i = 0; i < 2; ++i) {
      if (!fds[i].revents) continue;
      char buf[4096];
      const ssize_t n = read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        (i == 0 ? out : err).append(buf, static_cast<size_t>(n));
      } else {
        fds[i].fd = -1;
        --open;
      }
    }
  }
  close(outPipe[0]);
  close(errPipe[0]);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= end) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    usleep(10000);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DemoStartupTest, WithoutATerminalSaysSoOnOneLineAndExitsWithStatus2) {
  std::string out, err;
  EXPECT_EQ(RunWithoutTerminal(out, err), 2);
  EXPECT_EQ(out, "") << "wrote to a non-terminal output";
  ASSERT_FALSE(err.empty());
  EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
}

TEST(DemoStartupTest, AskForRoomOnASmallTerminalAndDrawsWhenThereIsEnough) {
  PtyTerminal term({kDemo}, TARVANA_SOURCE_DIR, 70, 20);
  ASSERT_TRUE(term.Started());
  ASSERT_TRUE(term.WaitForText("Please enlarge the terminal to at least 80 x 25 (now 70 x 20)"))
      << term.Screen().Text();
  term.Resize(72, 24);
  ASSERT_TRUE(term.WaitForText("Please enlarge the terminal to at least 80 x 25 (now 72 x 24)"))
      << term.Screen().Text();
  term.Resize(90, 30);
  ASSERT_TRUE(term.WaitForText("Tarvana")) << term.Screen().Text();
  EXPECT_FALSE(term.Screen().Contains("Please enlarge"));
  // Drawn from the top-left corner; the margin keeps the terminal's colours.
  ASSERT_TRUE(term.WaitForIdle()) << term.Screen().Text();
  EXPECT_GE(term.Screen().CellAt(25, 80).bg, 0);
  EXPECT_EQ(term.Screen().CellAt(30, 90).bg, -1);
  ASSERT_TRUE(LeaveDemo(term)) << term.Screen().Text();
  EXPECT_EQ(term.ExitStatus(), 0);
  ExpectTerminalRestored(term);
}

TEST(DemoStartupTest, RestoresTheTerminalWhenKilledOrCrashing) {
  for (const int sig : {SIGTERM, SIGHUP, SIGINT, SIGQUIT, SIGSEGV, SIGABRT}) {
    PtyTerminal term({kDemo}, TARVANA_SOURCE_DIR);
    ASSERT_TRUE(term.Started());
    ASSERT_TRUE(term.WaitForText("Tarvana")) << "signal " << sig;
    ASSERT_TRUE(term.Screen().AltScreen());
    kill(term.Pid(), sig);
    ASSERT_TRUE(term.WaitForExit()) << "signal " << sig;
    EXPECT_EQ(term.TermSignal(), sig);
    SCOPED_TRACE("signal " + std::to_string(sig));
    ExpectTerminalRestored(term);
  }
}

// A user stops the program (Ctrl+Z is a key to it, so the stop comes from
// kill, or SIGSTOP which cannot be caught) and brings it back with fg. Run
// under an interactive shell: a program started directly in the pseudo-terminal
// would be an orphaned process group, which the kernel does not stop.
TEST(DemoStartupTest, StoppedUnderAShellGivesTheTerminalBackAndReturnsWholeOnFg) {
  struct Case {
    int sig;
    bool restoredWhileStopped;  // false: the stop cannot be caught
  };
  for (const Case c : {Case{SIGTSTP, true}, Case{SIGSTOP, false}}) {
    SCOPED_TRACE("signal " + std::to_string(c.sig));
    PtyTerminal term({"/bin/bash", "--norc", "--noprofile", "--noediting", "-i"},
                     TARVANA_SOURCE_DIR);
    ASSERT_TRUE(term.Started());
    term.SendKeys(kDemo + "\r");
    ASSERT_TRUE(term.WaitForText("Press any key to begin")) << term.Screen().Text();
    ASSERT_TRUE(term.WaitForIdle()) << term.Screen().Text();
    const std::string shown = term.Screen().Text();

    kill(-term.ForegroundGroup(), c.sig);
    ASSERT_TRUE(term.WaitForText("Stopped")) << term.Screen().Text();
    if (c.restoredWhileStopped) {
      EXPECT_FALSE(term.Screen().AltScreen());
      EXPECT_EQ(term.Screen().MouseMode(), 0);
      EXPECT_TRUE(term.Screen().CursorVisible());
    }

    term.SendKeys("fg\r");
    ASSERT_TRUE(term.WaitUntil([&] {
      return term.Screen().AltScreen() && term.Screen().Text() == shown;
    })) << term.Screen().Text();
    EXPECT_NE(term.Screen().MouseMode(), 0);
    EXPECT_FALSE(term.Settings().c_lflag & (ICANON | ECHO)) << "not in raw mode after fg";
    // A key counts at once, without Enter.
    ASSERT_TRUE(Press(term, " ") && term.WaitForText("Demo Main Menu")) << term.Screen().Text();
    for (int step = 0; step < 8 && term.Screen().AltScreen(); ++step)
      ASSERT_TRUE(Press(term, term.Screen().Contains("quit?") ? "y" : "\x1b"));
    ASSERT_TRUE(term.WaitForText("Thank you for your interest")) << term.Screen().Text();
    // The terminal is checked once the program has ended and the shell has
    // the terminal again.
    ASSERT_TRUE(term.WaitUntil([&] { return term.ForegroundGroup() == term.Pid(); }));
    ExpectTerminalRestored(term);
  }
}

}  // namespace
}  // namespace tarvana
