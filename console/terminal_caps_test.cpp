// Terminal capabilities as read from the system's terminal database for the
// terminal types users have, and what is sent on taking a terminal over and
// giving it back. Skipped in a build without the database (libtinfo).

#include "console/terminal_caps.h"

#include <gtest/gtest.h>

#include <string>

#include "console/locale_encoding.h"
#include "console/terminal_detect.h"
#include "console/terminfo_reader.h"

namespace tarvana {
namespace {

TEST(TerminalCaps, FromTheTerminalDatabase) {
  if (!ReadTerminfo("xterm")) GTEST_SKIP() << "built without the terminal database";
  const struct {
    const char* term;
    bool cursorAddressing;
    int colors;
    bool bce, altScreen, cursorShape, mouse, acs;
  } cases[] = {
      {"xterm-256color", true, 256, true, true, true, true, true},
      {"xterm", true, 8, true, true, true, true, true},
      {"vt100", true, 0, false, false, false, false, true},
      {"linux", true, 8, true, false, false, true, true},
      {"screen", true, 8, false, true, false, true, true},
      {"tmux-256color", true, 256, false, true, true, true, true},
      {"dumb", false, 0, false, false, false, false, false},
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
    const std::string enter = EnterFullScreenSequence(caps);
    const std::string leave = ResetModesSequence(caps, true) + LeaveAlternateScreenSequence(caps);
    EXPECT_TRUE(c.altScreen || (enter + leave).find("1049") == std::string::npos) << c.term;
    EXPECT_TRUE(c.cursorShape || leave.find(" q") == std::string::npos) << c.term;
    EXPECT_TRUE(c.mouse || leave.find("?1000") == std::string::npos) << c.term;
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
