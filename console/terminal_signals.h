#pragma once
// Signals that a waiting terminal must notice: a self-pipe that a poll(2) on
// input also watches, written by the SIGWINCH handler.

namespace tarvana {

// Installs the SIGWINCH handler and the self-pipe (once); returns the pipe's
// read end, which becomes readable when a signal arrived.
int WatchTerminalSignals();
// Empties the self-pipe after poll reported it readable.
void DrainTerminalSignals();
// True once after each change of the terminal's size.
bool TakeResizeSignal();

}  // namespace tarvana
