// The menu example as a program: run it in a terminal of at least 80 x 25.

#include <cstdio>
#include <string>

#include <tarvana/tarvana.h>

#include "menu_example.h"

int main() {
  if (const std::string problem = tarvana::TerminalProblem(); !problem.empty()) {
    std::fprintf(stderr, "menu_example: %s\n", problem.c_str());
    return 2;
  }
  std::string colour;
  {
    tarvana::Session session;
    colour = examples::RunMenuExample();
  }  // the terminal is back as it was: plain output follows its old contents
  std::printf("Last colour picked: %s\n", colour.empty() ? "none" : colour.c_str());
  return 0;
}
