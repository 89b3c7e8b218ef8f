#pragma once
// The demonstration screens, one per main-menu entry, and the title screen.

#include "demo/demo.h"

namespace tarvana::demo {

void ShowTitleScreen();
void RunWindowingDemo();
void RunBarMenuDemo();
void RunBoxMenuDemo();

}  // namespace tarvana::demo
