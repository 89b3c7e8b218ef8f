// The form example as a program: run it in a terminal of at least 80 x 25.

#include <cstdio>
#include <string>

#include "console/terminal_backend.h"
#include "form_example.h"
#include "tarvana.h"

int main() {
  if (const std::string problem = tarvana::TerminalProblem(); !problem.empty()) {
    std::fprintf(stderr, "form_example: %s\n", problem.c_str());
    return 2;
  }
  examples::Contact contact{"Ada Lovelace", "ada@example.org", "(555) 014-2300", "Y"};
  const bool saved = examples::RunFormExample(contact);
  tarvana::LeaveFullScreen();
  tarvana::PrintText(saved ? "Saved: " + contact.name + ", " + contact.email + ", " +
                                 contact.phone + ", member " + contact.member
                           : std::string("Cancelled"));
  tarvana::NewLine();
  return 0;
}
