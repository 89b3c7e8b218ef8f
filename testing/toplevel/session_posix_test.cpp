// The terminal is taken only by what needs it, and a session gives it back.

#include <gtest/gtest.h>
#include <termios.h>

#include <cstring>
#include <string>

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

}  // namespace
}  // namespace tarvana
