// The terminal is taken only by what needs it, and a session gives it back.

#include <gtest/gtest.h>
#include <termios.h>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "testing/pty_terminal_posix.h"

namespace tarvana {
namespace {

using test_support::PtyTerminal;

const std::string kProgram = std::string(TARVANA_BINARY_DIR) + "/bin/tarvana-session-program";

void ExpectSameSettings(const termios& a, const termios& b) {
  EXPECT_EQ(a.c_iflag, b.c_iflag);
  EXPECT_EQ(a.c_oflag, b.c_oflag);
  EXPECT_EQ(a.c_lflag, b.c_lflag);
  EXPECT_EQ(a.c_cflag, b.c_cflag);
  EXPECT_EQ(std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc), 0);
}

TEST(SessionTest, ClockDatesAndNumberWordsLeaveTheTerminalAlone) {
  PtyTerminal term({kProgram, "quiet"}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  const termios before = term.InitialSettings();
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 0) << "2: no results, 3: settings changed while running";
  EXPECT_EQ(term.Output(), "");
  ExpectSameSettings(before, term.Settings());
}

TEST(SessionTest, SessionsTakeTheTerminalAndGiveItBackAlsoOnAnException) {
  PtyTerminal term({kProgram, "session"}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  const termios before = term.InitialSettings();
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 0)
      << "4: not raw in the session, 5: not restored after it, 6: not restored after an exception";
  EXPECT_NE(term.Output().find("In the session"), std::string::npos);
  EXPECT_FALSE(term.Screen().AltScreen());
  EXPECT_EQ(term.Screen().MouseMode(), 0);
  ExpectSameSettings(before, term.Settings());
}

TEST(SessionTest, CtrlCEndsTheProgramAsAnInterruptWithTheTerminalGivenBack) {
  PtyTerminal term({kProgram, "interrupt"}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  const termios before = term.InitialSettings();
  ASSERT_TRUE(term.WaitForText("Waiting"));
  term.SendKeys("x\x03");
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.TermSignal(), SIGINT);
  EXPECT_FALSE(term.Screen().AltScreen());
  ExpectSameSettings(before, term.Settings());
}

TEST(SessionTest, AnEventPostedByAnotherThreadWakesTheWait) {
  PtyTerminal term({kProgram, "post"}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 0) << "9: the wait gave another event";
}

// The row and column of a text on the terminal's screen; {0, 0} when absent.
std::pair<int, int> Find(const PtyTerminal& term, std::string_view text, int rows) {
  for (int row = 1; row <= rows; ++row) {
    const std::string line = term.Screen().RowText(row);
    if (const std::size_t at = line.find(text); at != std::string::npos)
      return {row, static_cast<int>(at) + 1};
  }
  return {0, 0};
}

// The terminal grows and shrinks under an open list: the list is centred on
// each size at once, with no notice asking for room.
TEST(SessionTest, AnOpenListFollowsTheTerminalsSize) {
  PtyTerminal term({kProgram, "resize"}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  ASSERT_TRUE(term.WaitForText("green"));
  const auto [row, col] = Find(term, "green", 25);
  const struct { int cols, rows; } sizes[] = {{120, 40}, {50, 12}, {80, 25}};
  for (const auto& s : sizes) {
    term.Resize(s.cols, s.rows);
    const std::pair<int, int> expected{row + (s.rows - 25) / 2, col + (s.cols - 80) / 2};
    EXPECT_TRUE(term.WaitUntil([&] {
      const auto at = Find(term, "green", s.rows);
      return std::abs(at.first - expected.first) <= 1 && at.second == expected.second;
    })) << s.cols
        << "x" << s.rows << "\n"
        << term.Screen().Text();
    EXPECT_EQ(term.Screen().Text().find("enlarge"), std::string::npos) << term.Screen().Text();
  }
  term.SendKeys("\x1b");
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 10);
}

// answer=$(program) and program < file: the list is drawn on the controlling
// terminal and keys come from it, while the answer goes where the shell said.
// The shell stays, holding the terminal open as a user's shell does.
TEST(SessionTest, RedirectedInputOrOutputDrawsOnTheTerminal) {
  const char* const redirections[] = {"< /dev/null > \"$1\" 2>&1", "> \"$1\"",
                                      "< /dev/null > \"$1\""};
  for (const char* redirection : redirections) {
    char path[] = "/tmp/tarvana-answer-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    PtyTerminal term({"/bin/sh", "-c", "\"$0\" answer " + std::string(redirection), kProgram, path},
                     TARVANA_SOURCE_DIR);
    ASSERT_TRUE(term.Started());
    const termios before = term.InitialSettings();
    ASSERT_TRUE(term.WaitForText("green")) << redirection;
    term.SendKeys("\x1b[B\r");
    ASSERT_TRUE(term.WaitForExit()) << redirection;
    EXPECT_EQ(term.ExitStatus(), 0) << redirection;
    std::ifstream in(path);
    std::stringstream answer;
    answer << in.rdbuf();
    EXPECT_EQ(answer.str(), "green\n") << redirection;
    ExpectSameSettings(before, term.Settings());
    std::remove(path);
  }
}

}  // namespace
}  // namespace tarvana
