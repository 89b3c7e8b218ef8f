// The form example as a program: run it in a terminal of at least 80 x 25.

#include <cstdio>
#include <string>

#include <tarvana/tarvana.h>

#include "form_example.h"

int main() {
  if (const std::string problem = tarvana::TerminalProblem(); !problem.empty()) {
    std::fprintf(stderr, "form_example: %s\n", problem.c_str());
    return 2;
  }
  examples::Contact contact{"Ada Lovelace", "ada@example.org", "(555) 014-2300", "Y"};
  bool saved = false;
  {
    tarvana::Session session;
    saved = examples::RunFormExample(contact);
  }
  if (saved)
    std::printf("Saved: %s, %s, %s, member %s\n", contact.name.c_str(), contact.email.c_str(),
                contact.phone.c_str(), contact.member.c_str());
  else
    std::puts("Cancelled");
  return 0;
}
