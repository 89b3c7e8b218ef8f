#pragma once
// A session: the terminal taken over for as long as the object lives. Without
// one, the first routine that draws or reads input takes the terminal and keeps
// it until the program ends; routines that need no screen (the clock, dates,
// times, number words, strings) never take it.

namespace tarvana {

struct SessionOptions {
  // Reports clicks of the left and right buttons (an inner session keeps the
  // outer one's choice).
  bool mouse = true;
  // Ctrl+C ends the program as an interrupt does (SetCtrlCInterrupts); false
  // reads it as a key. An inner session may change it for its own life.
  bool ctrlCInterrupts = true;
  // The screen follows the terminal's size (SetFollowTerminalSize); false
  // keeps the size the console has. An inner session may change it for its
  // own life.
  bool followSize = true;
};

// Takes the terminal over (raw keys, the full screen, the mouse when asked) and
// gives it back as it was when it goes out of scope, also when an exception
// passes. Sessions nest: only the outermost gives the terminal back. With a
// device installed (InstallConsoleBackend, as in tests) it switches that
// device's full screen and mouse instead. Throws std::runtime_error when no
// device is installed and standard input or output is not a terminal.
class Session {
 public:
  explicit Session(SessionOptions options = {});
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

 private:
  bool mouse_;
  bool ctrlCBefore_ = false;
  bool followBefore_ = false;
};

}  // namespace tarvana
