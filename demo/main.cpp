// The demonstration program's entry point.

#include <cstdio>
#include <string>

#include "console/terminal_backend.h"
#include "demo/demo.h"

int main() {
  if (const std::string problem = tarvana::TerminalProblem(); !problem.empty()) {
    std::fprintf(stderr, "tarvana-demo: %s\n", problem.c_str());
    return 2;
  }
  return tarvana::demo::RunDemo();
}
