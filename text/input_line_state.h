#pragma once
// InputLine as a state record and a step that takes one KeyCode, for the
// routines that read a line while they run their own key loop.

#include <cstddef>
#include <string>

#include "console/types.h"

namespace tarvana {

struct InputLineState {
  std::string text;
  std::size_t maxChars = 10000;
};

enum class InputLineStep {
  kPassed,   // not a key the input takes: nothing happened
  kAdded,    // a character was collected and echoed
  kRemoved,  // Backspace took back the last character
  kRefused,  // a character beyond maxChars: beeped
  kEnded,    // Enter: the text is complete (the cursor stays where it is)
};

// Acts on one KeyCode as InputLine does, echoing at the cursor in the current
// colour.
InputLineStep StepInputLine(InputLineState& state, const KeyCode& key);

}  // namespace tarvana
