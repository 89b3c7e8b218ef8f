#pragma once
// Looking a terminal up in the system's terminal database (terminfo). Only
// the look-up: what the entry means is decided by CapsFromTerminfo.

#include <optional>
#include <string>

#include "console/terminal/terminal_caps.h"

namespace tarvana {

// The entry for a terminal name, with the capabilities CapsFromTerminfo
// reads; nullopt when the database has none (or the build has no database).
std::optional<TerminfoEntry> ReadTerminfo(const std::string& name);

}  // namespace tarvana
