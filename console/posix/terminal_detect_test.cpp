// Terminal capabilities as read from the system's terminal database for the
// terminal types users have, and what is sent on taking a terminal over and
// giving it back. Skipped in a build without the database (libtinfo).

#include "console/terminal/terminal_caps.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "console/posix/locale_encoding.h"
#include "console/posix/terminal_detect.h"
#include "console/terminal/terminfo_reader.h"
#include "testing/scratch_dir.h"
#include "testing/terminal_emulator.h"

namespace tarvana {
namespace {

TEST(TerminalCaps, FromTheTerminalDatabase) {
  if (!ReadTerminfo("xterm")) GTEST_SKIP() << "built without the terminal database";
  const struct {
    const char* term;
    bool cursorAddressing;
    int colors;
    bool bce, altScreen, cursorShape, mouse, acs;
    bool am, xenl, rmam;  // without xenl and rmam the bottom-right cell scrolls
  } cases[] = {
      {"xterm-256color", true, 256, true, true, true, true, true, true, true, true},
      {"xterm", true, 8, true, true, true, true, true, true, true, true},
      {"vt100", true, 0, false, false, false, false, true, true, true, true},
      {"xterm-mono", true, 0, false, true, false, true, true, true, true, false},
      {"linux", true, 8, true, false, false, true, true, true, true, true},
      {"screen", true, 8, false, true, false, true, true, true, true, false},
      {"tmux-256color", true, 256, false, true, true, true, true, true, true, false},
      {"cons25", true, 8, true, false, false, false, false, true, false, false},
      {"ansi", true, 8, false, false, false, false, true, true, false, false},
      {"dumb", false, 0, false, false, false, false, false, true, false, false},
  };
  for (const auto& c : cases) {
    const auto entry = ReadTerminfo(c.term);
    ASSERT_TRUE(entry) << c.term << " is not in the terminal database";
    const TerminalCaps caps = CapsForTerminal(c.term, &*entry, TextEncoding::kAscii);
    EXPECT_EQ(caps.cursorAddressing, c.cursorAddressing) << c.term;
    EXPECT_EQ(caps.colors, c.colors) << c.term;
    EXPECT_EQ(caps.backColorErase, c.bce) << c.term;
    EXPECT_EQ(!caps.enterAlternateScreen.empty(), c.altScreen) << c.term;
    EXPECT_EQ(caps.cursorShape, c.cursorShape) << c.term;
    EXPECT_EQ(!caps.mouseOn.empty(), c.mouse) << c.term;
    EXPECT_EQ(!caps.acsOn.empty(), c.acs) << c.term;
    EXPECT_EQ(caps.autoMargins, c.am) << c.term;
    EXPECT_EQ(caps.eatsNewline, c.xenl) << c.term;
    EXPECT_EQ(!caps.autoMarginsOff.empty(), c.rmam) << c.term;
    const std::string enter = EnterFullScreenSequence(caps);
    const std::string leave = ResetModesSequence(caps, true) + LeaveAlternateScreenSequence(caps);
    EXPECT_TRUE(c.cursorShape || leave.find(" q") == std::string::npos) << c.term;
    EXPECT_TRUE(c.mouse || leave.find("?1000") == std::string::npos) << c.term;
    // On a terminal: the alternate screen and mouse reporting taken only when
    // there, and given back.
    test_support::TerminalEmulator term(80, 25);
    term.Feed(enter + caps.mouseOn);
    EXPECT_EQ(term.AltScreen(), c.altScreen) << c.term;
    EXPECT_EQ(term.MouseMode() != 0, c.mouse) << c.term;
    term.Feed(leave);
    EXPECT_FALSE(term.AltScreen()) << c.term;
    EXPECT_EQ(term.MouseMode(), 0) << c.term;
  }
}

// Entries written here and compiled with tic into a folder of their own,
// for kinds of terminal the system's database may lack: 16 colours, direct
// colours, colours only as 256-colour indexes, and one that claims 16
// colours but selects only the ANSI eight.
constexpr char kCompiledEntries[] = R"(tarvana-base|what the entries below share,
	am, bce, xenl,
	bold=\E[1m, cup=\E[%i%p1%d;%p2%dH, rev=\E[7m, sgr0=\E[m,
tarvana-16color|16 colours, the bright ones as SGR 90-97 and 100-107,
	colors#16,
	setab=\E[%?%p1%{8}%<%t4%p1%d%e10%p1%{8}%-%d%;m,
	setaf=\E[%?%p1%{8}%<%t3%p1%d%e9%p1%{8}%-%d%;m,
	use=tarvana-base,
tarvana-16color-claimed|16 colours claimed, the ANSI eight sent,
	colors#16,
	setab=\E[4%p1%dm, setaf=\E[3%p1%dm,
	use=tarvana-base,
tarvana-direct|direct colours, the first 16 as the ANSI and bright ones,
	colors#0x1000000,
	setab=\E[%?%p1%{8}%<%t4%p1%d%e%p1%{16}%<%t10%p1%{8}%-%d%e48:2::%p1%{65536}%/%d:%p1%{256}%/%{255}%&%d:%p1%{255}%&%d%;m,
	setaf=\E[%?%p1%{8}%<%t3%p1%d%e%p1%{16}%<%t9%p1%{8}%-%d%e38:2::%p1%{65536}%/%d:%p1%{256}%/%{255}%&%d:%p1%{255}%&%d%;m,
	use=tarvana-base,
tarvana-256-indexed|256 colours, all as indexes,
	colors#256,
	setab=\E[48;5;%p1%dm, setaf=\E[38;5;%p1%dm,
	use=tarvana-base,
tarvana-mono|no colours,
	use=tarvana-base,
)";

// An environment variable set for a scope, put back after.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(TerminalCaps, ColoursOfEntriesCompiledHere) {
  if (!ReadTerminfo("xterm")) GTEST_SKIP() << "built without the terminal database";
  const test_support::ScratchDir dir;
  ASSERT_FALSE(dir.Path().empty());
  const std::string source = dir.Name() + "/entries.src", log = dir.Name() + "/tic.log";
  std::ofstream(source) << kCompiledEntries;
  const std::string tic = "tic -x -o '" + dir.Name() + "' '" + source + "' >'" + log + "' 2>&1";
  ASSERT_EQ(std::system(tic.c_str()), 0) << "tic (ncurses-bin) could not compile the entries:\n"
                                         << std::ifstream(log).rdbuf();
  const ScopedEnvironment terminfo("TERMINFO", dir.Name());
  const struct {
    const char* term;
    int colors;
    bool indexed;
  } cases[] = {
      {"tarvana-16color", 16, false},     {"tarvana-16color-claimed", 8, false},
      {"tarvana-direct", 1 << 24, false}, {"tarvana-256-indexed", 256, true},
      {"tarvana-mono", 0, false},
  };
  for (const auto& c : cases) {
    const auto entry = ReadTerminfo(c.term);
    ASSERT_TRUE(entry) << c.term << " was not compiled";
    const TerminalCaps caps = CapsForTerminal(c.term, &*entry, TextEncoding::kUtf8);
    EXPECT_EQ(caps.colors, c.colors) << c.term;
    EXPECT_EQ(caps.indexedColors, c.indexed) << c.term;
  }
}

TEST(TerminalCaps, UnknownNamesGetXtermOnlyWhenXtermLike) {
  const struct {
    const char* term;
    bool usable;
  } cases[] = {{"xterm-kitty-nonesuch", true},
               {"alacritty-nonesuch", true},
               {"", false},
               {"dumb-nonesuch", false},
               {"vt999", false}};
  for (const auto& c : cases) {
    const TerminalCaps caps = CapsForTerminal(c.term, nullptr, TextEncoding::kUtf8);
    EXPECT_EQ(caps.cursorAddressing, c.usable) << c.term;
    EXPECT_EQ(TerminalTypeProblem(c.term, caps).empty(), c.usable) << c.term;
  }
}

TEST(TerminalCaps, LocaleNamesGiveTheirEncoding) {
  const struct {
    const char* name;
    TextEncoding encoding;
  } cases[] = {
      {"C.UTF-8", TextEncoding::kUtf8},
      {"en_US.utf8", TextEncoding::kUtf8},
      {"de_DE.ISO-8859-1", TextEncoding::kLatin1},
      {"fr_FR.iso88591@euro", TextEncoding::kLatin1},
      {"C", TextEncoding::kAscii},
      {"POSIX", TextEncoding::kAscii},
      {"ru_RU.KOI8-R", TextEncoding::kAscii},
  };
  for (const auto& c : cases)
    EXPECT_EQ(EncodingOfLocaleName(c.name), c.encoding) << c.name;
}

}  // namespace
}  // namespace tarvana
