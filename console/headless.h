#pragma once
// A console with no terminal, for tests: input is queued by the test, the
// clock is set by the test, and beeps are counted. A wait for input with
// nothing queued throws HeadlessInputExhausted instead of hanging.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "console/backend.h"

namespace tarvana {

struct HeadlessInputExhausted : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class HeadlessConsole : public ConsoleBackend {
 public:
  HeadlessConsole(int cols, int rows) : cols_(cols), rows_(rows) {}

  // Queues keys by name, separated by blanks: "Down Down Enter", "Alt+L",
  // "Shift+Tab", "Ctrl+Y", "F10", "Esc", "Space", or single characters.
  void QueueKeys(std::string_view names);
  // Queues each byte of the text as a typed character.
  void QueueText(std::string_view text);
  // Queues UTF-8 text as a terminal types it: each character as its code page
  // 437 stand-in (or a character that has none) with the character kept.
  void QueueUtf8(std::string_view utf8);
  // Queues a KeyCode as the record that yields it.
  void QueueKeyCode(const KeyCode& key);
  // Queues a press and a release of a button (1 left, 2 right, 4 middle) at a
  // 1-based screen position.
  void QueueClick(int row, int col, int button = 1);
  void QueueRecord(const InputRecord& record);
  // Queues a change of the device's size to cols by rows, made when the
  // console reads it, as a terminal's resize arrives.
  void QueueResize(int cols, int rows);
  size_t Queued() const { return input_.size(); }

  int Beeps() const { return beeps_; }
  // How often Ctrl+C has interrupted the program (SetCtrlCInterrupts).
  int Interrupts() const { return interrupts_; }
  // How often the console has shown its screen on this device.
  int Presents() const { return presents_; }
  void SetClock(const ClockReading& reading);
  const ClockReading& Clock() const { return clock_; }
  // How many polls of an empty queue (InKey, KeyWaiting) may happen in a row
  // before the console decides the test forgot to queue input.
  void SetPollLimit(int polls) { pollLimit_ = polls; }
  // Runs when a wait finds nothing queued, just before it throws: a test's
  // look at a screen that a scope puts back as the exception passes.
  void OnExhausted(std::function<void()> look) { onExhausted_ = std::move(look); }
  bool MouseReporting() const { return mouseReporting_; }
  bool FullScreen() const { return fullScreen_; }
  // Plain-line output sent while not full screen.
  const std::string& Stream() const { return stream_; }

  void InitialSize(int& cols, int& rows) override;
  void CurrentSize(int& cols, int& rows) override { InitialSize(cols, rows); }
  void Present(const Screen&) override { ++presents_; }
  void ReadInput(std::deque<InputRecord>& queue, int timeoutMs) override;
  void Beep() override { ++beeps_; }
  void Interrupt() override { ++interrupts_; }
  void Sleep(int ms) override;
  double MonotonicMs() override { return monotonicMs_; }
  ClockReading Now() override { return clock_; }
  void RequestSize(int, int) override {}
  void SetMouseReporting(bool on) override { mouseReporting_ = on; }
  void SetFullScreen(bool on) override { fullScreen_ = on; }
  void StreamText(std::string_view cp437) override { stream_.append(cp437); }
  void StreamNewLine() override { stream_ += '\n'; }

 private:
  int cols_, rows_;
  std::deque<InputRecord> input_;
  struct SizeChange {
    std::size_t at;  // the record's place among all handed to the console
    int cols, rows;
  };
  std::deque<SizeChange> sizes_;
  std::size_t handed_ = 0;
  int beeps_ = 0;
  int presents_ = 0;
  int interrupts_ = 0;
  ClockReading clock_{2004, 5, 15, 9, 30, 0, 0};
  double monotonicMs_ = 0;
  int emptyPolls_ = 0;
  std::function<void()> onExhausted_;
  int pollLimit_ = 100000;
  bool mouseReporting_ = false;
  bool fullScreen_ = false;
  std::string stream_;
};

// Installs a fresh headless console of the given size and returns it.
HeadlessConsole& UseHeadlessConsole(int cols = 80, int rows = 25);

// The record a key name stands for ("Down", "Alt+L", "a"); throws
// std::invalid_argument for an unknown name.
InputRecord KeyRecordByName(std::string_view name);

}  // namespace tarvana
