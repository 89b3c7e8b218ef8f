#pragma once
// The demonstration program: start-up, the screens of every toolbox area, and
// the way out.

#include <cstdint>
#include <string>

#include "runtime/based_array.h"

namespace tarvana::demo {

// The data several demonstration screens share.
struct DemoData {
  BasedArray<std::string> animals;  // the 45 sample names, from 1
  BasedArray<std::int16_t> picked;  // multi-pick flags beside them
};

// The 45 animal names in their index order, and all-zero flags.
DemoData MakeDemoData();

// The whole program: returns the process exit status.
int RunDemo();

// Title screen and main menu loop; returns when the user has confirmed quitting.
void RunMainMenu(DemoData& data);

}  // namespace tarvana::demo
