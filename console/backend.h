#pragma once
// What the console needs from a device: the terminal in a program, an
// in-memory stand-in in tests.

#include <deque>
#include <memory>
#include <string_view>

#include "console/input_record.h"
#include "console/screen.h"
#include "runtime/clock_reading.h"

namespace tarvana {

class ConsoleBackend {
 public:
  virtual ~ConsoleBackend() = default;

  // Size of the device's screen when the console starts.
  virtual void InitialSize(int& cols, int& rows) = 0;
  // Size of the device's screen now, for a screen that follows it.
  virtual void CurrentSize(int& cols, int& rows) { InitialSize(cols, rows); }
  // Shows the screen model (on a terminal: only the cells that changed).
  virtual void Present(const Screen& screen) = 0;
  // Appends the input records that arrive: timeoutMs 0 takes only what is
  // there, a negative timeout waits until at least one record has come.
  virtual void ReadInput(std::deque<InputRecord>& queue, int timeoutMs) = 0;
  virtual void Beep() = 0;
  // Makes a ReadInput that waits return soon; called from any thread.
  virtual void Wake() {}
  // Ctrl+C typed while it interrupts (SetCtrlCInterrupts): ends the program as
  // the terminal's interrupt does, through the program's own SIGINT handler if
  // it has one; returns when the program goes on. Devices without one ignore it.
  virtual void Interrupt() {}
  virtual void Sleep(int ms) = 0;
  // Milliseconds on a clock that never goes back, for pacing.
  virtual double MonotonicMs() = 0;
  virtual ClockReading Now() = 0;
  // Asks the device to show cols by rows cells.
  virtual void RequestSize(int cols, int rows) = 0;
  virtual void SetMouseReporting(bool on) = 0;
  // Full screen (alternate screen, cell model) or plain lines.
  virtual void SetFullScreen(bool on) = 0;
  // Plain-line output, used while not full screen: text and line ends.
  virtual void StreamText(std::string_view cp437) = 0;
  virtual void StreamNewLine() = 0;
};

// Replaces the console's device, resetting the console to a new blank screen of
// the device's size; returns the installed backend. Without a call, the first
// console operation installs the terminal.
ConsoleBackend& InstallConsoleBackend(std::unique_ptr<ConsoleBackend> backend);
// True when the console holds a device: one installed, or the terminal.
bool ConsoleHoldsDevice();
// Gives the terminal back when the console took it over: the full screen is
// left, the terminal's settings are restored and the screen model is dropped,
// so that the next routine that draws or reads input takes the terminal again.
// An installed device is kept.
void ReleaseConsoleTerminal();

}  // namespace tarvana
