// The terminal database through ncurses' libtinfo.

#include <optional>
#include <string>

#include "console/terminal/terminfo_reader.h"

// Last: term.h defines macros named after every capability.
#include <term.h>

namespace tarvana {

std::optional<TerminfoEntry> ReadTerminfo(const std::string& name) {
  if (name.empty()) return std::nullopt;
  TERMINAL* const previous = cur_term;
  int status = 0;
  // With a status to fill, setupterm reports a missing entry instead of
  // printing (status 1: found); the descriptor only matters for the size,
  // which is not read.
  if (setupterm(name.c_str(), -1, &status) != 0 || status != 1) {
    set_curterm(previous);
    return std::nullopt;
  }
  TerminfoEntry entry;
  for (const char* flag : TerminfoFlagNames())
    if (tigetflag(flag) > 0) entry.flags.insert(flag);
  for (const char* number : TerminfoNumberNames())
    if (const int n = tigetnum(number); n >= 0) entry.numbers[number] = n;
  for (const TerminfoSample& s : TerminfoSamples()) {
    const char* value = tigetstr(s.name);
    if (value == nullptr || value == reinterpret_cast<char*>(-1)) continue;
    if (s.count > 0) value = tiparm(value, s.p1, s.p2);
    if (value != nullptr) entry.strings[s.key] = value;
  }
  del_curterm(set_curterm(previous));
  return entry;
}

}  // namespace tarvana
