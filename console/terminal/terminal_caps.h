#pragma once
// What a terminal can do, as one plain value: the renderer and the terminal
// backend send only what it allows. Filled from the terminal database or the
// built-in xterm description (terminal_detect.h), and built by hand in tests,
// so that the renderer can be checked for any terminal.

#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace tarvana {

// How text goes out: the locale's character set, not the terminal's.
enum class TextEncoding {
  kUtf8,    // code page 437 glyphs as Unicode
  kLatin1,  // ISO 8859-1: the glyphs Latin-1 has as single bytes, the rest as below
  kAscii,   // the C locale: line characters through the alternate set, else ASCII
};

struct TerminalCaps {
  // cup (CSI row;col H). Without it no full-screen program can run.
  bool cursorAddressing = true;

  // ---- Colours and attributes ----
  // 0: no colour sequences; 8: ANSI colours, bright foregrounds as bold and
  // bright backgrounds as their normal colour; 16 or more: the aixterm bright
  // colours (SGR 90-97, 100-107).
  int colors = 256;
  // Colours only through the 256-colour form (SGR 38;5;n and 48;5;n).
  bool indexedColors = false;
  bool sgr = true;      // SGR 0 resets attributes (sgr0)
  bool bold = true;     // SGR 1
  bool reverse = true;  // SGR 7
  // bce: an erase or scroll fills with the current background colour. Without
  // it, erased cells show the terminal's default colours.
  bool backColorErase = true;

  // ---- Cursor movement (cup is always used) ----
  bool columnAddress = true;  // hpa: CSI n G
  bool rowAddress = true;     // vpa: CSI n d
  bool relativeMoves = true;  // cuu, cud, cuf, cub: CSI n A, B, C, D
  bool backspace = true;      // cub1 is BS
  bool lineFeed = true;       // cud1 is LF (output processing is off)

  // ---- Erasing ----
  bool eraseDisplay = true;  // clear: CSI H, CSI 2J
  bool eraseLine = true;     // el: CSI K
  bool eraseChars = true;    // ech: CSI n X

  // ---- Scrolling ----
  bool scrollRegion = true;  // csr: CSI top;bottom r
  bool scrollUp = true;      // indn: CSI n S
  bool scrollDown = true;    // rin: CSI n T
  bool insertLines = true;   // il: CSI n L
  bool deleteLines = true;   // dl: CSI n M
  // Scrolls down by inserting lines at the top of a scroll region (CSI L)
  // instead of CSI T, for terminals that lack or mishandle CSI T (xterm.js
  // fills the lines CSI T brings in with the default background). Off for
  // every terminal described by the database; a backend sets it.
  bool scrollDownByInsertingLines = false;

  // ---- Margins ----
  bool autoMargins = true;                  // am: writing the last column wraps
  bool eatsNewline = true;                  // xenl: the wrap waits for the next character
  std::string autoMarginsOff = "\x1b[?7l";  // rmam
  std::string autoMarginsOn = "\x1b[?7h";   // smam

  // ---- Modes ----
  std::string enterAlternateScreen = "\x1b[?1049h";  // smcup
  std::string leaveAlternateScreen = "\x1b[?1049l";  // rmcup
  std::string hideCursor = "\x1b[?25l";              // civis
  std::string showCursor = "\x1b[?25h";              // cnorm
  bool cursorShape = true;                           // Ss: DECSCUSR, CSI n SP q
  // Mouse reporting on and off (kmous, XM); empty: no mouse. The reports may
  // come in the SGR or the X10 encoding: the key decoder reads both.
  std::string mouseOn = "\x1b[?1000h\x1b[?1002h\x1b[?1006h";
  std::string mouseOff = "\x1b[?1006l\x1b[?1002l\x1b[?1000l";
  // xterm's window operations (CSI 8;rows;cols t asks for a size).
  bool windowOps = true;

  // ---- Characters ----
  TextEncoding encoding = TextEncoding::kUtf8;
  // The alternate character set: acsc's pairs (VT100 name, character to send),
  // and the sequences that enable it once (enacs) and switch it on and off.
  std::string acsChars = "``aaffggiijjkkllmmnnooppqqrrssttuuvvwwxxyyzz{{||}}~~";
  std::string acsEnable;
  std::string acsOn = "\x1b(0";
  std::string acsOff = "\x1b(B";
};

// xterm and the terminals that follow it (VTE, konsole, iTerm2, kitty, tmux's
// outside): what is sent when the database has no entry for an xterm-like name.
TerminalCaps XtermCaps();

// ---- From the terminal database ----

// A terminfo entry as the database gives it: the flags that are set, the
// numbers, and the strings, each parameterized string expanded with the
// sample parameters of TerminfoSamples under its key. Padding ($<...>) is
// left in; strings the entry lacks are absent.
struct TerminfoEntry {
  std::set<std::string> flags;
  std::map<std::string, int> numbers;
  std::map<std::string, std::string> strings;
};

// A string capability to read: stored under key, expanded with the first
// count parameters (0-based, as terminfo counts).
struct TerminfoSample {
  const char* key;
  const char* name;
  int count;
  int p1, p2;
};
// What CapsFromTerminfo looks at: string samples, flag names, number names.
std::span<const TerminfoSample> TerminfoSamples();
std::span<const char* const> TerminfoFlagNames();
std::span<const char* const> TerminfoNumberNames();

// The capabilities of a described terminal: a sequence counts only when the
// entry's string is exactly what the renderer would send. The name decides
// nothing but xterm's window operations.
TerminalCaps CapsFromTerminfo(const TerminfoEntry& entry, std::string_view name,
                              TextEncoding encoding);

// The capabilities for a terminal name: the entry's when there is one, the
// built-in xterm description for an unknown xterm-like name, and otherwise
// none (cursorAddressing false).
TerminalCaps CapsForTerminal(std::string_view name, const TerminfoEntry* entry,
                             TextEncoding encoding);

// ---- Sequences the backend sends, built from the capabilities ----

// Taking the terminal over: the alternate screen, autowrap off, the
// alternate character set enabled.
std::string EnterFullScreenSequence(const TerminalCaps& caps);
// Putting the modes back: colours, character set, cursor shape and
// visibility, autowrap, and mouse reporting when withMouse.
std::string ResetModesSequence(const TerminalCaps& caps, bool withMouse);
// Leaving the alternate screen, scroll margins reset first (a frame cut short
// may have left some); on a terminal without one, clearing the screen.
std::string LeaveAlternateScreenSequence(const TerminalCaps& caps);

}  // namespace tarvana
