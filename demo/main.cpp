// The demonstration program's entry point.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/terminal_backend.h"
#include "demo/demo.h"

int main() {
  if (const std::string problem = tarvana::TerminalProblem(); !problem.empty()) {
    std::fprintf(stderr, "tarvana-demo: %s\n", problem.c_str());
    return 2;
  }
  // Through exit, not return: in a web page main has already returned to the
  // browser at its first wait, and only exit ends the program there.
  std::exit(tarvana::demo::RunDemo());
}
