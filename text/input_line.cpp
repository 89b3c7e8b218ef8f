#include "text/input_line.h"

#include <algorithm>

#include "console/console.h"
#include "text/input_line_state.h"

namespace tarvana {

InputLineStep StepInputLine(InputLineState& state, const KeyCode& key) {
  if (key.size() != 1) return InputLineStep::kPassed;
  const unsigned char c = static_cast<unsigned char>(key[0]);
  if (c == 13) return InputLineStep::kEnded;
  if (c == 8) {
    if (state.text.empty()) return InputLineStep::kPassed;
    state.text.pop_back();
    // From column 1 the last character is at the end of the row above.
    const bool wrapped = CursorCol() == 1 && CursorRow() > 1;
    const int row = wrapped ? CursorRow() - 1 : CursorRow();
    const int col = wrapped ? ScreenWidth() : CursorCol() - 1;
    Locate(row, col);
    PrintText(" ");
    Locate(row, col);
    return InputLineStep::kRemoved;
  }
  if (c < 32) return InputLineStep::kPassed;
  if (state.text.size() >= state.maxChars) {
    Beep();
    return InputLineStep::kRefused;
  }
  state.text += static_cast<char>(c);
  PrintText(key);
  return InputLineStep::kAdded;
}

std::string InputLine(int maxChars) {
  InputLineState state;
  state.maxChars = static_cast<std::size_t>(std::max(maxChars, 0));
  while (StepInputLine(state, WaitKey()) != InputLineStep::kEnded) {
  }
  NewLine();
  return state.text;
}

}  // namespace tarvana
