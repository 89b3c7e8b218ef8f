#pragma once
// The console in a web browser (the WebAssembly build): the page's xterm.js
// terminal, reached through the functions the page puts on Module.

#include <memory>

#include "console/backend.h"

namespace tarvana {

// The page's terminal. Output goes through the terminal renderer, keys and
// mouse reports through the key decoder; waits give the browser back its
// thread (ASYNCIFY) until input arrives or the time is up.
std::unique_ptr<ConsoleBackend> MakeBrowserBackend();

}  // namespace tarvana
