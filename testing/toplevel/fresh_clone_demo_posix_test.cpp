// The demonstration from a fresh clone of the repository's committed HEAD, in
// a pseudo-terminal: the title screen, a key, the main menu, then Esc and Y.
// A full build in the clone takes many minutes on a small machine, so by
// default the program already built here runs in the clone's working
// directory (which shows that everything it needs at run time is committed).
// TARVANA_FRESH_CLONE_BUILD=1 runs `make demo` in the clone instead, building
// the demonstration there first as on a machine without GoogleTest; a build
// configured with CI set in the environment registers that run as a test of
// its own, and by hand:
//   TARVANA_FRESH_CLONE_BUILD=1 build/toplevel_tests --gtest_filter='FreshClone.*'

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/demo_session.h"
#include "testing/pty_terminal_posix.h"

namespace tarvana {
namespace {

namespace fs = std::filesystem;
using test_support::PtyTerminal;

std::string Quoted(const std::string& s) {
  return "'" + s + "'";
}

// Runs a shell command with a time limit; true when it succeeded.
bool RunCommand(const std::string& command, int seconds) {
  const std::string limited = "timeout " + std::to_string(seconds) + " " + command;
  return std::system(limited.c_str()) == 0;
}

class FreshClone : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/tarvana-clone-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    parent = name;
    clone = parent / "tarvana";
  }
  void TearDown() override {
    std::error_code error;
    fs::remove_all(parent, error);
  }
  fs::path parent, clone;
};

TEST_F(FreshClone, MakeDemoReachesTheMainMenuAndQuits) {
  const std::string source = TARVANA_SOURCE_DIR;
  if (!RunCommand("git -C " + Quoted(source) + " rev-parse --verify -q HEAD >/dev/null 2>&1", 30))
    GTEST_SKIP() << "the source tree is not a git checkout with a commit";
  ASSERT_TRUE(RunCommand("git clone -q " + Quoted(source) + " " + Quoted(clone.string()), 120));
  ASSERT_TRUE(fs::exists(clone / "TVTools.LST")) << "TVTools.LST is not committed";
  ASSERT_TRUE(fs::exists(clone / "Makefile"));

  const char* build = std::getenv("TARVANA_FRESH_CLONE_BUILD");
  const bool fullBuild = build && std::string(build) == "1";
  std::vector<std::string> command{test_support::DemoProgram()};
  // As on a machine without GoogleTest: configure leaves the tests out and
  // the demonstration builds all the same.
  if (fullBuild)
    command = {"/usr/bin/make", "--no-print-directory", "demo",
               "CMAKE_ARGS=-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON"};
  PtyTerminal term(command, clone.string());
  ASSERT_TRUE(term.Started());
  // A build in the clone prints its progress before the program starts.
  const int titleWaitMs = fullBuild ? 60 * 60 * 1000 : PtyTerminal::kDefaultTimeoutMs;
  ASSERT_TRUE(term.WaitForText("Press any key to begin the demonstration.", titleWaitMs))
      << term.Screen().Text();
  ASSERT_TRUE(test_support::ReachMainMenu(term)) << term.Screen().Text();
  EXPECT_TRUE(term.Screen().Contains("Demo Main Menu"));
  ASSERT_TRUE(test_support::LeaveDemo(term)) << term.Screen().Text();
  EXPECT_EQ(term.ExitStatus(), 0);
  EXPECT_TRUE(term.Screen().Contains("Thank you for your interest in the Tarvana Toolbox!"));
}

}  // namespace
}  // namespace tarvana
