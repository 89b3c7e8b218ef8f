#include "console/terminal_backend.h"

#include <stdexcept>
#include <unistd.h>

namespace tarvana {

std::unique_ptr<ConsoleBackend> MakeTerminalBackend() {
  throw std::runtime_error("terminal backend not built yet");
}

bool StdioIsTerminal() { return isatty(0) && isatty(1); }

}  // namespace tarvana
