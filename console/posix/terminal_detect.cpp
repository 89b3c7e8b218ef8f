#include "console/posix/terminal_detect.h"

#include <cstdlib>
#include <string_view>

#include "console/posix/locale_encoding.h"
#include "console/terminal/terminfo_reader.h"

namespace tarvana {

TerminalCaps DetectTerminalCaps() {
  const char* term = std::getenv("TERM");
  const std::string name = term ? term : "";
  const std::optional<TerminfoEntry> entry = ReadTerminfo(name);
  TerminalCaps caps = CapsForTerminal(name, entry ? &*entry : nullptr, DetectTextEncoding());
  const bool gnuScreen = std::getenv("STY") != nullptr && std::getenv("TMUX") == nullptr &&
                         std::string_view(name).starts_with("screen");
  if (gnuScreen) caps.mouseOn = caps.mouseOff = "";
  return caps;
}

std::string TerminalTypeProblem(const char* term, const TerminalCaps& caps) {
  if (caps.cursorAddressing) return {};
  const std::string_view name = term ? term : "";
  if (name.empty())
    return "TERM is not set; set it to the terminal's type (for example TERM=xterm-256color)";
  if (name == "dumb")
    return "the terminal type TERM=dumb cannot place the cursor; run the program in a full "
           "terminal (xterm, the Linux console, tmux, GNU screen) or set TERM to its type";
  return "the terminal type TERM=" + std::string(name) +
         " is unknown or cannot place the cursor; set TERM to the terminal's type (for example "
         "TERM=xterm-256color)";
}

}  // namespace tarvana
