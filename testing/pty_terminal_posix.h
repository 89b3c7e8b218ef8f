#pragma once
// Test support: runs a program in a pseudo-terminal whose output drives a
// terminal emulator, so that end-to-end tests type keys, click, and read the
// screen a user would see. Every wait has a time limit and never hangs.

#include <sys/types.h>
#include <termios.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "testing/terminal_emulator.h"

namespace tarvana::test_support {

class PtyTerminal {
 public:
  static constexpr int kDefaultTimeoutMs = 10000;

  // Starts argv[0] (a path) with the arguments in a cols by rows pseudo-terminal,
  // in the working directory workDir, with TERM=xterm-256color, LANG=C.UTF-8
  // and no core dumps. environment: "NAME=value" entries set, "NAME" entries
  // removed.
  PtyTerminal(const std::vector<std::string>& argv, const std::string& workDir, int cols = 80,
              int rows = 25, const std::vector<std::string>& environment = {},
              EmulatorOptions emulator = {});
  // Kills the program if it still runs.
  ~PtyTerminal();
  PtyTerminal(const PtyTerminal&) = delete;
  PtyTerminal& operator=(const PtyTerminal&) = delete;

  // False when the program could not be started.
  bool Started() const { return pid_ > 0; }
  pid_t Pid() const { return pid_; }
  // The terminal's foreground process group: the job a shell in the terminal
  // runs in the foreground; -1 when not known.
  pid_t ForegroundGroup() const;

  // Pumps the program's output until the text (UTF-8) is on the screen and
  // the frame it came with is whole (see WaitForIdle); false after timeoutMs
  // or when the program ends without showing it.
  bool WaitForText(std::string_view text, int timeoutMs = kDefaultTimeoutMs);
  // Pumps until the condition holds; false after timeoutMs.
  bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = kDefaultTimeoutMs);
  // Pumps until the program has ended and all its output is read; false after
  // timeoutMs.
  bool WaitForExit(int timeoutMs = kDefaultTimeoutMs);
  // Pumps until the program in the foreground waits (for input, or between
  // the frames of an animation) and all it wrote has been read, so the screen
  // shows its whole frame; false after timeoutMs or when the program ends.
  // Linux tells through /proc; elsewhere a fifth of a second without output
  // counts.
  bool WaitForIdle(int timeoutMs = kDefaultTimeoutMs);
  // Takes whatever output arrives within ms milliseconds.
  void Pump(int ms);

  // Types bytes as the terminal's keyboard would send them.
  void SendKeys(std::string_view bytes);
  // Presses and releases a mouse button (0 left, 2 right) at a 1-based cell,
  // reported in the SGR mouse encoding.
  void Click(int row, int col, int button = 0);
  // Changes the terminal's size; the program gets SIGWINCH.
  void Resize(int cols, int rows);

  // The emulator; a test may feed it what the terminal showed before.
  TerminalEmulator& Screen() { return emulator_; }
  const TerminalEmulator& Screen() const { return emulator_; }
  // The terminal's current line settings (raw or not).
  termios Settings() const;
  // The settings the terminal had before the program started.
  const termios& InitialSettings() const { return initialSettings_; }
  // Everything the program wrote, in order.
  const std::string& Output() const { return output_; }
  bool Exited() const { return exited_; }
  // The exit status, or -1 when the program has not exited normally.
  int ExitStatus() const;
  // The signal that ended the program, or 0.
  int TermSignal() const;

 private:
  // Reads available output for at most waitMs; false once the program's side
  // of the terminal is closed and nothing more can come.
  bool ReadOnce(int waitMs);
  void Reap();

  TerminalEmulator emulator_;
  int master_ = -1;
  pid_t pid_ = -1;
  bool exited_ = false;
  bool closed_ = false;
  int status_ = 0;
  termios initialSettings_{};
  std::string output_;
};

}  // namespace tarvana::test_support
