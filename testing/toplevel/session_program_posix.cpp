// A program for the session tests, run in a pseudo-terminal. "quiet" uses only
// routines that need no screen; "session" takes the terminal in two sessions,
// the second left by an exception; "answer" picks from a list and writes the
// answer to standard output; "interrupt" waits for keys until Ctrl+C ends it;
// "post" waits for an event that a worker thread posts.
// The exit status names the first fault.

#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tarvana.h"

namespace {

termios Settings() {
  termios t{};
  tcgetattr(0, &t);
  return t;
}

bool SameSettings(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_lflag == b.c_lflag &&
         a.c_cflag == b.c_cflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

int Quiet(const termios& before) {
  using namespace tarvana;
  Randomize(Timer());
  const std::string today = ClockDate();
  const std::string words = NumberToWords(1234) + FormatDate(today, 1, "/") + ClockTime();
  const double r = Rnd() + CelsiusToFahrenheit(20) + DaysBetween(today, AddDays(today, 7));
  if (words.empty() || r < 0) return 2;
  return SameSettings(before, Settings()) ? 0 : 3;
}

int InSession(const termios& before) {
  using namespace tarvana;
  {
    Session session;
    if (Settings().c_lflag & (ICANON | ECHO | ISIG)) return 4;
    PrintText("In the session");
    Pause(0);
  }
  if (!SameSettings(before, Settings())) return 5;
  try {
    Session session;
    PrintText("Again");
    throw std::runtime_error("left by an exception");
  } catch (const std::runtime_error&) {
  }
  return SameSettings(before, Settings()) ? 0 : 6;
}

// Picks a colour and writes it to standard output, which the shell may have
// redirected: the list is drawn on the terminal all the same.
int Answer() {
  using namespace tarvana;
  std::optional<std::size_t> chosen;
  {
    Session session;
    chosen = ui::PickOne({"red", "green", "blue"}, {.title = "Colour"});
  }
  if (!chosen) return 7;
  std::cout << std::vector<std::string>{"red", "green", "blue"}[*chosen] << "\n";
  return 0;
}

// Waits for keys in a session: Ctrl+C ends the program by SIGINT.
int Interrupted() {
  using namespace tarvana;
  Session session;
  ui::Print(1, 1, "Waiting", 0x07);
  for (;;)
    if (WaitKey() == "q") return 8;
}

// Waits for an event while a worker thread posts one: the wait wakes.
int Posted() {
  using namespace tarvana;
  Session session;
  ui::Print(1, 1, "Waiting for the worker", 0x07);
  std::thread worker([] { PostEvent(42); });
  const InputEvent event = WaitEvent();
  worker.join();
  return event.kind == InputEvent::Kind::kPosted && event.id == 42 ? 0 : 9;
}

// A list open while the terminal changes size: it is centred on each size.
int Resized() {
  using namespace tarvana;
  Session session;
  return ui::PickOne({"red", "green", "blue"}, {.title = "Colour"}) ? 0 : 10;
}

}  // namespace

int main(int argc, char** argv) {
  const termios before = Settings();
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "quiet") return Quiet(before);
  if (mode == "session") return InSession(before);
  if (mode == "answer") return Answer();
  if (mode == "interrupt") return Interrupted();
  if (mode == "post") return Posted();
  if (mode == "resize") return Resized();
  return 1;
}
