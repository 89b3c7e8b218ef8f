// The demonstration program's entry point.

#include <cstdio>

#include "console/terminal_backend.h"
#include "demo/demo.h"

int main() {
  if (!tarvana::StdioIsTerminal()) {
    std::fputs("tarvana-demo: standard input and output must be a terminal\n", stderr);
    return 2;
  }
  return tarvana::demo::RunDemo();
}
