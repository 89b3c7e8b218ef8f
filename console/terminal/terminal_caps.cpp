#include "console/terminal/terminal_caps.h"

#include <array>
#include <optional>

namespace tarvana {
namespace {

constexpr TerminfoSample kSamples[] = {
    {"cup", "cup", 2, 4, 9},      {"csr", "csr", 2, 4, 19},     {"hpa", "hpa", 1, 9, 0},
    {"vpa", "vpa", 1, 4, 0},      {"cuu", "cuu", 1, 3, 0},      {"cud", "cud", 1, 3, 0},
    {"cuf", "cuf", 1, 3, 0},      {"cub", "cub", 1, 3, 0},      {"cub1", "cub1", 0, 0, 0},
    {"cud1", "cud1", 0, 0, 0},    {"ech", "ech", 1, 7, 0},      {"el", "el", 0, 0, 0},
    {"clear", "clear", 0, 0, 0},  {"ed", "ed", 0, 0, 0},        {"indn", "indn", 1, 3, 0},
    {"rin", "rin", 1, 3, 0},      {"il", "il", 1, 3, 0},        {"dl", "dl", 1, 3, 0},
    {"sgr0", "sgr0", 0, 0, 0},    {"bold", "bold", 0, 0, 0},    {"rev", "rev", 0, 0, 0},
    {"setaf", "setaf", 1, 1, 0},  {"setaf9", "setaf", 1, 9, 0}, {"setab", "setab", 1, 1, 0},
    {"setab9", "setab", 1, 9, 0}, {"smcup", "smcup", 0, 0, 0},  {"rmcup", "rmcup", 0, 0, 0},
    {"smam", "smam", 0, 0, 0},    {"rmam", "rmam", 0, 0, 0},    {"civis", "civis", 0, 0, 0},
    {"cnorm", "cnorm", 0, 0, 0},  {"Ss", "Ss", 1, 4, 0},        {"kmous", "kmous", 0, 0, 0},
    {"XM1", "XM", 1, 1, 0},       {"XM0", "XM", 1, 0, 0},       {"acsc", "acsc", 0, 0, 0},
    {"smacs", "smacs", 0, 0, 0},  {"rmacs", "rmacs", 0, 0, 0},  {"enacs", "enacs", 0, 0, 0},
};
constexpr const char* kFlags[] = {"bce", "am", "xenl", "XT"};
constexpr const char* kNumbers[] = {"colors"};

// Names of terminals that follow xterm closely enough for its description.
constexpr std::string_view kXtermLike[] = {"xterm",     "rxvt",  "vte",  "gnome",  "konsole",
                                           "alacritty", "kitty", "foot", "wezterm"};

// The string without terminfo's padding delays ($<5>, $<2*/>): nothing here
// needs them, and sent as they stand they would show as text.
std::string WithoutPadding(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '$' && i + 1 < s.size() && s[i + 1] == '<') {
      const size_t end = s.find('>', i + 2);
      if (end != std::string_view::npos) {
        i = end;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

class EntryReader {
 public:
  explicit EntryReader(const TerminfoEntry& entry) : entry_(entry) {}

  bool Flag(const char* name) const { return entry_.flags.count(name) > 0; }
  int Number(const char* name) const {
    const auto it = entry_.numbers.find(name);
    return it == entry_.numbers.end() ? -1 : it->second;
  }
  std::optional<std::string> String(const char* key) const {
    const auto it = entry_.strings.find(key);
    if (it == entry_.strings.end()) return std::nullopt;
    return WithoutPadding(it->second);
  }
  std::string StringOr(const char* key, std::string_view otherwise = {}) const {
    return String(key).value_or(std::string(otherwise));
  }
  // True when the entry has the capability and it is exactly what we send.
  bool Is(const char* key, std::string_view expected) const { return String(key) == expected; }

 private:
  const TerminfoEntry& entry_;
};

// Attributes and colours: SGR, bold, reverse, ANSI or indexed colours, and
// whether erasing fills with the background colour.
void ReadColors(const EntryReader& e, TerminalCaps& c) {
  const std::string sgr0 = e.StringOr("sgr0");
  c.sgr = sgr0.find("\x1b[m") != std::string::npos || sgr0.find("\x1b[0m") != std::string::npos ||
          sgr0.find("\x1b[0;") != std::string::npos;
  c.bold = c.sgr && e.Is("bold", "\x1b[1m");
  c.reverse = c.sgr && e.Is("rev", "\x1b[7m");
  const int colors = e.Number("colors");
  const bool ansi8 = e.Is("setaf", "\x1b[31m") && e.Is("setab", "\x1b[41m");
  const bool ansi16 = e.Is("setaf9", "\x1b[91m") && e.Is("setab9", "\x1b[101m");
  c.indexedColors = !ansi8 && e.Is("setaf", "\x1b[38;5;1m") && e.Is("setab", "\x1b[48;5;1m") &&
                    e.Is("setaf9", "\x1b[38;5;9m") && e.Is("setab9", "\x1b[48;5;9m");
  if (!c.sgr || colors < 8 || !(ansi8 || c.indexedColors)) {
    c.colors = 0;
    c.indexedColors = false;
  } else {
    c.colors = colors >= 16 && (ansi16 || c.indexedColors) ? colors : 8;
  }
  c.backColorErase = e.Flag("bce");
}

// Cursor moves, erases and scrolls.
void ReadMovesAndErases(const EntryReader& e, TerminalCaps& c) {
  c.columnAddress = e.Is("hpa", "\x1b[10G");
  c.rowAddress = e.Is("vpa", "\x1b[5d");
  c.relativeMoves = e.Is("cuu", "\x1b[3A") && e.Is("cud", "\x1b[3B") && e.Is("cuf", "\x1b[3C") &&
                    e.Is("cub", "\x1b[3D");
  c.backspace = e.Is("cub1", "\b");
  c.lineFeed = e.Is("cud1", "\n");

  c.eraseDisplay =
      e.Is("clear", "\x1b[H\x1b[2J") || e.Is("clear", "\x1b[H\x1b[J") || e.Is("ed", "\x1b[J");
  c.eraseLine = e.Is("el", "\x1b[K");
  c.eraseChars = e.Is("ech", "\x1b[7X");

  c.scrollRegion = e.Is("csr", "\x1b[5;20r");
  c.scrollUp = e.Is("indn", "\x1b[3S");
  c.scrollDown = e.Is("rin", "\x1b[3T");
  c.insertLines = e.Is("il", "\x1b[3L");
  c.deleteLines = e.Is("dl", "\x1b[3M");
  c.scrollDownByInsertingLines = false;
}

// Margins, the alternate screen and the cursor's visibility and shape.
void ReadModes(const EntryReader& e, TerminalCaps& c) {
  c.autoMargins = e.Flag("am");
  c.eatsNewline = e.Flag("xenl");
  c.autoMarginsOff = e.StringOr("rmam");
  c.autoMarginsOn = e.StringOr("smam");

  const auto smcup = e.String("smcup"), rmcup = e.String("rmcup");
  c.enterAlternateScreen = smcup && rmcup ? *smcup : "";
  c.leaveAlternateScreen = smcup && rmcup ? *rmcup : "";
  // A cursor that could not be shown again is never hidden.
  const auto civis = e.String("civis"), cnorm = e.String("cnorm");
  c.hideCursor = civis && cnorm ? *civis : "";
  c.showCursor = civis && cnorm ? *cnorm : "";
  c.cursorShape = e.Is("Ss", "\x1b[4 q");
}

// Mouse reporting: terminals that report in the SGR encoding follow xterm,
// drags included.
void ReadMouse(const EntryReader& e, TerminalCaps& c) {
  const auto kmous = e.String("kmous"), on = e.String("XM1"), off = e.String("XM0");
  if (kmous == "\x1b[<" || (on && on->find("1006") != std::string::npos)) {
    c.mouseOn = XtermCaps().mouseOn;
    c.mouseOff = XtermCaps().mouseOff;
  } else if (on && off) {
    c.mouseOn = *on;
    c.mouseOff = *off;
  } else if (kmous == "\x1b[M") {
    c.mouseOn = "\x1b[?1000h";
    c.mouseOff = "\x1b[?1000l";
  } else {
    c.mouseOn = c.mouseOff = "";
  }
}

}  // namespace

std::span<const TerminfoSample> TerminfoSamples() {
  return kSamples;
}
std::span<const char* const> TerminfoFlagNames() {
  return kFlags;
}
std::span<const char* const> TerminfoNumberNames() {
  return kNumbers;
}

TerminalCaps XtermCaps() {
  return TerminalCaps{};
}

TerminalCaps CapsFromTerminfo(const TerminfoEntry& entry, std::string_view name,
                              TextEncoding encoding) {
  const EntryReader e(entry);
  TerminalCaps c;
  c.cursorAddressing = e.Is("cup", "\x1b[5;10H");
  ReadColors(e, c);
  ReadMovesAndErases(e, c);
  ReadModes(e, c);
  ReadMouse(e, c);
  c.windowOps = e.Flag("XT") || name.starts_with("xterm");
  c.encoding = encoding;
  const auto smacs = e.String("smacs"), rmacs = e.String("rmacs");
  c.acsChars = smacs && rmacs ? e.StringOr("acsc") : "";
  c.acsOn = smacs.value_or("");
  c.acsOff = rmacs.value_or("");
  c.acsEnable = e.StringOr("enacs");
  return c;
}

TerminalCaps CapsForTerminal(std::string_view name, const TerminfoEntry* entry,
                             TextEncoding encoding) {
  if (!name.empty() && entry) return CapsFromTerminfo(*entry, name, encoding);
  TerminalCaps caps = XtermCaps();
  caps.encoding = encoding;
  bool xtermLike = false;
  for (std::string_view prefix : kXtermLike)
    xtermLike = xtermLike || name.starts_with(prefix);
  caps.cursorAddressing = xtermLike;
  return caps;
}

std::string EnterFullScreenSequence(const TerminalCaps& caps) {
  std::string out = caps.enterAlternateScreen;
  if (caps.autoMargins) out += caps.autoMarginsOff;
  if (caps.encoding != TextEncoding::kUtf8 && !caps.acsChars.empty()) out += caps.acsEnable;
  return out;
}

std::string ResetModesSequence(const TerminalCaps& caps, bool withMouse) {
  std::string out;
  if (caps.sgr) out += "\x1b[0m";
  if (caps.encoding != TextEncoding::kUtf8 && !caps.acsChars.empty()) out += caps.acsOff;
  if (withMouse) out += caps.mouseOff;
  out += caps.showCursor;
  if (caps.cursorShape) out += "\x1b[0 q";
  if (caps.autoMargins && !caps.autoMarginsOff.empty()) out += caps.autoMarginsOn;
  return out;
}

std::string LeaveAlternateScreenSequence(const TerminalCaps& caps) {
  std::string out = caps.scrollRegion ? "\x1b[r" : "";
  if (!caps.enterAlternateScreen.empty()) return out + caps.leaveAlternateScreen;
  // Without a screen of its own the program's last picture would stay under
  // the shell's next lines: clear it in the terminal's own colours.
  if (caps.sgr) out += "\x1b[0m";
  if (caps.eraseDisplay) out += "\x1b[H\x1b[2J";
  return out;
}

}  // namespace tarvana
