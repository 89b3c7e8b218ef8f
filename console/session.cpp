#include "console/session.h"

#include <stdexcept>

#include "console/backend.h"
#include "console/console.h"
#include "console/terminal_backend.h"

namespace tarvana {
namespace {

int depth = 0;

}  // namespace

Session::Session(SessionOptions options) : mouse_(options.mouse && depth == 0) {
  if (depth == 0 && !ConsoleHoldsDevice() && !TerminalAvailable())
    throw std::runtime_error("tarvana::Session: " + TerminalProblem());
  ++depth;
  EnterFullScreen();
  ctrlCBefore_ = CtrlCInterrupts();
  SetCtrlCInterrupts(options.ctrlCInterrupts);
  followBefore_ = FollowsTerminalSize();
  SetFollowTerminalSize(options.followSize);
  if (mouse_) {
    // Clicks as the widgets read them: releases of the left and right buttons.
    SetMouse(mouse::kLeft | mouse::kRight, mouse::kReleased);
    SetMouse(true);
  }
}

Session::~Session() {
  SetCtrlCInterrupts(ctrlCBefore_);
  SetFollowTerminalSize(followBefore_);
  if (--depth > 0) return;
  if (mouse_) SetMouse(false);
  LeaveFullScreen();
  ReleaseConsoleTerminal();
}

}  // namespace tarvana
