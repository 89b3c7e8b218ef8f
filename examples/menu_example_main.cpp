// The menu example as a program: run it in a terminal of at least 80 x 25.

#include <cstdio>
#include <string>

#include "console/terminal_backend.h"
#include "menu_example.h"
#include "tarvana.h"

int main() {
  if (const std::string problem = tarvana::TerminalProblem(); !problem.empty()) {
    std::fprintf(stderr, "menu_example: %s\n", problem.c_str());
    return 2;
  }
  const std::string colour = examples::RunMenuExample();
  // Back to plain lines: the text follows what the terminal showed before.
  tarvana::LeaveFullScreen();
  tarvana::PrintText("Last colour picked: " + (colour.empty() ? "none" : colour));
  tarvana::NewLine();
  return 0;
}
