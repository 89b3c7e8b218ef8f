// The file browser example as a program: file_browser_example [DIRECTORY].
// Run it in a terminal of at least 80 x 25.

#include <cstdio>
#include <string>

#include <tarvana/tarvana.h>

#include "file_browser_example.h"

int main(int argc, char** argv) {
  if (const std::string problem = tarvana::TerminalProblem(); !problem.empty()) {
    std::fprintf(stderr, "file_browser_example: %s\n", problem.c_str());
    return 2;
  }
  std::string shown;
  {
    tarvana::Session session;
    shown = examples::RunFileBrowserExample(argc > 1 ? argv[1] : ".");
  }
  if (!shown.empty()) std::printf("Last file shown: %s\n", shown.c_str());
  return 0;
}
