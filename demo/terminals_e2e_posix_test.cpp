// The demonstration on the terminals users have, end to end in a
// pseudo-terminal: refused where the cursor cannot be placed, only what each
// terminal type has, the same screens inside tmux and GNU screen as on the
// terminal itself, and a window one row short that can be left.

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "testing/demo_session.h"

namespace tarvana {
namespace {

using test_support::EmulatorOptions;
using test_support::LeaveDemo;
using test_support::Press;
using test_support::PtyTerminal;

const std::string kDemo = test_support::DemoProgram();

std::string Escaped(std::string_view s) {
  std::string out;
  for (unsigned char c : s)
    out += c == 0x1b ? std::string("\\e") : std::string(1, static_cast<char>(c));
  return out;
}

TEST(TerminalsEndToEnd, NoCursorAddressingGetsOneLineAndStatusTwo) {
  for (const char* term : {"TERM=dumb", "TERM", "TERM=no-such-terminal"}) {
    PtyTerminal pty({kDemo}, TARVANA_SOURCE_DIR, 80, 25, {term});
    ASSERT_TRUE(pty.WaitForExit()) << term;
    EXPECT_EQ(pty.ExitStatus(), 2) << term;
    const std::string& out = pty.Output();
    EXPECT_TRUE(out.starts_with("tarvana-demo: ")) << term << ": " << Escaped(out);
    EXPECT_EQ(out.find('\n'), out.size() - 1) << term << ": not one line: " << Escaped(out);
    EXPECT_EQ(out.find('\x1b'), std::string::npos) << term << ": " << Escaped(out);
  }
}

// The control sequences (CSI) in the bytes: parameters with intermediates,
// and the final byte.
std::vector<std::pair<std::string, char>> ControlSequences(std::string_view out) {
  std::vector<std::pair<std::string, char>> found;
  for (size_t i = out.find("\x1b["); i != std::string_view::npos; i = out.find("\x1b[", i + 1)) {
    size_t end = i + 2;
    while (end < out.size() && !(out[end] >= 0x40 && out[end] <= 0x7E))
      ++end;
    if (end < out.size()) found.emplace_back(std::string(out.substr(i + 2, end - i - 2)), out[end]);
  }
  return found;
}

// A terminal type and locale, and what that terminal has.
struct TerminalCase {
  std::vector<std::string> env;
  EmulatorOptions emulator;
  int colours;  // SGR colours the terminal has: 0, 8 or 16
  bool altScreenAndShape;
  bool mouse;
};

// No sequence the terminal lacks: colours past its count, the cursor's shape,
// the alternate screen, mouse reports.
void ExpectOnlySequencesItHas(const std::vector<std::pair<std::string, char>>& sequences,
                              const TerminalCase& c, const std::string& context) {
  for (const auto& [params, final] : sequences) {
    const std::string seq = "CSI " + params + final;
    if (final == 'm') {
      std::istringstream list(params);
      for (std::string p; std::getline(list, p, ';');) {
        const int n = p.empty() ? 0 : std::stoi(p);
        const bool colour = (n >= 30 && n <= 49) || n >= 90;
        EXPECT_FALSE(colour && c.colours == 0) << context << ": sent " << seq;
        EXPECT_FALSE(n >= 90 && c.colours < 16) << context << ": sent " << seq;
      }
    }
    EXPECT_FALSE(final == 'q' && !c.altScreenAndShape) << context << ": sent " << seq;
    EXPECT_FALSE(params == "?1049" && !c.altScreenAndShape) << context << ": sent " << seq;
    EXPECT_FALSE(params == "?1000" && final == 'h' && !c.mouse) << context << ": sent " << seq;
  }
}

// No byte the terminal's character set reads as a control: none past 127 on
// a 7-bit terminal, none of 128-159 on a Latin-1 one.
void ExpectNoEightBitControl(const std::string& out, EmulatorOptions::Charset charset,
                             const std::string& context) {
  using Charset = EmulatorOptions::Charset;
  for (size_t i = 0; i < out.size(); ++i) {
    const auto b = static_cast<unsigned char>(out[i]);
    const bool control = charset == Charset::kSevenBit ? b >= 0x80
                         : charset == Charset::kLatin1 ? b >= 0x80 && b < 0xA0
                                                       : false;
    if (control) {
      ADD_FAILURE() << context << ": byte " << int(b) << " at " << i;
      return;
    }
  }
}

// Each terminal type and locale: the main menu shows, and the program sent
// nothing that terminal lacks.
TEST(TerminalsEndToEnd, EachTerminalTypeGetsOnlyWhatItHas) {
  using Charset = EmulatorOptions::Charset;
  const TerminalCase cases[] = {
      {{"TERM=vt100", "LC_ALL=C"}, {Charset::kSevenBit, false}, 0, false, false},
      {{"TERM=linux", "LC_ALL=C"}, {Charset::kSevenBit, true}, 8, false, true},
      {{"TERM=xterm-256color", "LC_ALL=C"}, {Charset::kSevenBit, true}, 16, true, true},
      {{"TERM=xterm-256color", "LC_ALL=de_DE.ISO-8859-1"},
       {Charset::kLatin1, true},
       16,
       true,
       true},
      {{"TERM=screen", "STY=1.test"}, {Charset::kUtf8, false}, 8, true, false},
  };
  for (const TerminalCase& c : cases) {
    const std::string context = c.env[0] + " " + c.env[1];
    PtyTerminal pty({kDemo}, TARVANA_SOURCE_DIR, 80, 25, c.env, c.emulator);
    ASSERT_TRUE(test_support::ReachMainMenu(pty)) << context << "\n" << pty.Screen().Text();
    EXPECT_TRUE(pty.Screen().Contains("\u2500\u2500\u2500 Demo Main Menu \u2500\u2500\u2500"))
        << context << ": no line characters\n"
        << pty.Screen().Text();
    EXPECT_EQ(pty.Screen().MouseMode() != 0, c.mouse) << context;
    // Without an alternate screen (vt100) LeaveDemo cannot tell when the
    // program is done: from the main menu it is Esc, then Y.
    ASSERT_TRUE(Press(pty, "\x1b"));
    ASSERT_TRUE(pty.WaitForText("quit?")) << context << "\n" << pty.Screen().Text();
    pty.SendKeys("y");
    ASSERT_TRUE(pty.WaitForExit()) << context;
    EXPECT_EQ(pty.ExitStatus(), 0) << context;
    const std::string& out = pty.Output();
    const auto sequences = ControlSequences(out);
    ASSERT_FALSE(sequences.empty()) << context << ": no control sequence seen";
    ExpectOnlySequencesItHas(sequences, c, context);
    ExpectNoEightBitControl(out, c.emulator.charset, context);
  }
}

// The screen's characters and colours on the first rows rows.
std::vector<test_support::EmulatedCell> Cells(const PtyTerminal& pty, int rows) {
  std::vector<test_support::EmulatedCell> cells;
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= 80; ++c)
      cells.push_back(pty.Screen().CellAt(r, c));
  return cells;
}

bool Same(const std::vector<test_support::EmulatedCell>& a,
          const std::vector<test_support::EmulatedCell>& b, std::string* where) {
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].ch != b[i].ch || a[i].fg != b[i].fg || a[i].bg != b[i].bg) {
      *where = "row " + std::to_string(i / 80 + 1) + " col " + std::to_string(i % 80 + 1);
      return false;
    }
  return true;
}

// A walk through the demonstration: each step's keys and a text that shows
// when the step's screen is complete.
struct Step {
  const char* keys;
  const char* shows;
};
constexpr Step kWalk[] = {
    {" ", "Demo Main Menu"},
    {"p", "Aardvark"},
    {"\x1b", "Demo Main Menu"},
    {"v", "Select a File to View"},
    {"u\r", "\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440"},  // utf8.txt, by cluster
    {"\x1b", "Demo Main Menu"},
    {"c", "exit this calendar, press the Esc key."},
    {"\x1b", "This calendar is a selector calendar."},
    {"\x1b", "Demo Main Menu"},
    {"e", "First Name:"},
    {"\x1b", "Demo Main Menu"},
    {"\x1b", "Are you sure you want to quit?"},
};

std::string ScratchDir(const std::string& name) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("tarvana-" + name + "-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
  return dir.string();
}

bool Installed(const std::string& program) {
  for (const char* dir : {"/usr/bin/", "/usr/local/bin/", "/bin/"})
    if (access((dir + program).c_str(), X_OK) == 0) return true;
  return false;
}

// The same walk directly in the terminal, inside tmux and inside GNU screen
// (default settings): the same characters and colours on every screen, and
// Esc works in each.
TEST(TerminalsEndToEnd, TmuxAndGnuScreenShowWhatTheTerminalShows) {
  for (const char* program : {"tmux", "screen"})
    if (!Installed(program))
      GTEST_SKIP() << program << " is not installed (Debian: " << program << ")";
  // The file list shows its folder and the one above: both stay unchanged
  // while other tests write into the build and temporary folders. The
  // demonstration needs its function list there.
  const std::string walkDir = ScratchDir("walk");
  const std::string here = walkDir + "/files/here";
  std::filesystem::create_directories(here);
  std::filesystem::copy_file(std::string(TARVANA_SOURCE_DIR) + "/TVTools.LST",
                             here + "/TVTools.LST");
  // Each multiplexer measures the clusters' widths itself.
  std::ofstream(here + "/utf8.txt") << "Gr\u00F6\u00DFe caf\u00E9 na\u00EFve\n"
                                       "\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440\n"
                                       "\u6F22\u5B57\u30C6\u30B9\u30C8 e\u0301\n"
                                       "rocket \U0001F680 done\n";
  std::vector<std::vector<test_support::EmulatedCell>> reference;
  {
    PtyTerminal direct({kDemo}, here);
    ASSERT_TRUE(direct.WaitForText("Press any key to begin the demonstration."));
    for (const Step& step : kWalk) {
      ASSERT_TRUE(Press(direct, step.keys));
      ASSERT_TRUE(direct.WaitForText(step.shows)) << step.shows << "\n" << direct.Screen().Text();
      ASSERT_TRUE(direct.WaitForIdle()) << step.shows;
      reference.push_back(Cells(direct, 25));
    }
    ASSERT_TRUE(LeaveDemo(direct));
  }
  const std::string tmuxDir = ScratchDir("tmux"), screenDir = ScratchDir("screen");
  const struct {
    std::string name;
    std::vector<std::string> argv;
    int rows;  // tmux keeps its status line below
    std::vector<std::string> env;
  } multiplexers[] = {
      {"tmux",
       {"/usr/bin/tmux", "-f", "/dev/null", "-L", "tarvana", "new-session", kDemo},
       26,
       {"TMUX_TMPDIR=" + tmuxDir, "TMUX"}},
      {"GNU screen",
       {"/usr/bin/screen", "-q", "-c", "/dev/null", kDemo},
       25,
       {"SCREENDIR=" + screenDir, "STY"}},
  };
  for (const auto& m : multiplexers) {
    PtyTerminal pty(m.argv, here, 80, m.rows, m.env);
    ASSERT_TRUE(pty.WaitForText("Press any key to begin the demonstration.", 20000))
        << m.name << "\n"
        << pty.Screen().Text();
    for (size_t i = 0; i < std::size(kWalk); ++i) {
      pty.SendKeys(kWalk[i].keys);
      std::string where;
      const bool same = pty.WaitUntil([&] { return Same(Cells(pty, 25), reference[i], &where); });
      ASSERT_TRUE(same) << m.name << " after step " << i << " (" << kWalk[i].shows
                        << "): differs at " << where << "\n"
                        << pty.Screen().Text();
    }
    pty.SendKeys("y");
    EXPECT_TRUE(pty.WaitForExit(20000)) << m.name;
  }
  std::filesystem::remove_all(walkDir);
  std::filesystem::remove_all(tmuxDir);
  std::filesystem::remove_all(screenDir);
}

// Most terminals open at 80 by 24: the notice says how to leave, keys typed
// meanwhile are thrown away, and Esc ends the program as an interrupt does.
TEST(TerminalsEndToEnd, OneRowShortTheNoticeCanBeLeftWithEsc) {
  PtyTerminal pty({kDemo}, TARVANA_SOURCE_DIR, 80, 24);
  ASSERT_TRUE(pty.WaitForText("Please enlarge")) << pty.Screen().Text();
  EXPECT_TRUE(pty.Screen().Contains("or press Esc to")) << pty.Screen().Text();
  pty.SendKeys("\r");
  pty.Pump(200);
  pty.Resize(80, 25);
  ASSERT_TRUE(pty.WaitForText("Press any key to begin the demonstration.")) << pty.Screen().Text();
  // A kept Enter would pass the title and this P would open the pick list,
  // where Esc brings back the menu instead of the quit dialog.
  ASSERT_TRUE(Press(pty, "p"));
  ASSERT_TRUE(pty.WaitForText("Demo Main Menu")) << pty.Screen().Text();
  ASSERT_TRUE(Press(pty, "\x1b"));
  ASSERT_TRUE(pty.WaitForText("quit?")) << "a key typed at the notice was kept\n"
                                        << pty.Screen().Text();
  ASSERT_TRUE(Press(pty, "n"));
  pty.Resize(80, 24);
  ASSERT_TRUE(pty.WaitForText("Please enlarge")) << pty.Screen().Text();
  pty.SendKeys("\x1b");
  ASSERT_TRUE(pty.WaitForExit());
  EXPECT_EQ(pty.TermSignal(), SIGINT);
  EXPECT_FALSE(pty.Screen().AltScreen());
  EXPECT_TRUE(pty.Screen().CursorVisible());
  EXPECT_TRUE(pty.Settings().c_lflag & ICANON) << "line input not restored";
}

}  // namespace
}  // namespace tarvana
