#pragma once
// Signals that a terminal program must notice in its own flow: a self-pipe,
// watched by the poll(2) on input, is written when the terminal's size changes
// (SIGWINCH) and when the program continues after a stop (SIGCONT). A stop
// (SIGTSTP) restores the terminal before the program stops.

namespace tarvana {

// Installs the handlers and the self-pipe (once); returns the pipe's read end,
// which becomes readable when a signal arrived. Stop and continue handlers are
// installed only where the program left the default action.
int WatchTerminalSignals();
// Makes the self-pipe readable, so that a poll on it returns; safe from any
// thread and from a signal handler.
void WakeTerminalWait();
// Empties the self-pipe after poll reported it readable.
void DrainTerminalSignals();
// True once after each change of the terminal's size.
bool TakeResizeSignal();
// True once after the program continued from a stop (SIGTSTP, or SIGSTOP,
// which cannot be caught): the terminal must be taken over again.
bool TakeResumeSignal();

// Holds a stop (SIGTSTP) back while it lives, so that between the check for a
// resume and the bytes that rely on the terminal's modes the terminal is never
// restored under the program. A stop that arrives meanwhile comes at the end.
// The handler defers the stop, so that a hold, which every frame takes, costs
// no system call.
class StopHold {
 public:
  StopHold();
  ~StopHold();
  StopHold(const StopHold&) = delete;
  StopHold& operator=(const StopHold&) = delete;
};

}  // namespace tarvana
