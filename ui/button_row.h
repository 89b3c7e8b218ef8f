#pragma once
// A row of push buttons, as a dialog box ends with ("<  OK  >  <Cancel>"):
// one has the focus; Left and Right move it, Enter or Space presses it, a
// button's hot key (the first letter of its label, in either case) presses
// that button, and a click presses the button under the pointer. Tab is left
// to the box, which moves the focus between its parts with it.

#include <cstddef>
#include <string>
#include <vector>

#include "console/input_event.h"
#include "ui/list_of.h"
#include "ui/scheme.h"

namespace tarvana::ui {

enum class ButtonResult {
  kNotForTheButtons,  // an event the row has no use for
  kHandled,           // the focus moved
  kPressed,           // a button was pressed: Current() names it
};

// The screen columns of buttons `widths` cells wide, spread over `width`
// cells from column `left` with equal gaps; a row too narrow for its gaps
// puts the buttons one cell apart from `left`.
std::vector<int> ButtonColumns(const std::vector<int>& widths, int left, int width);

class ButtonRow {
 public:
  // Labels as UTF-8; throws std::invalid_argument naming the argument when
  // there are none, one is empty or `current` is past the last.
  explicit ButtonRow(ListOf<std::string> labels, std::size_t current = 0);

  // Cells of the buttons side by side with one blank between them.
  int Width() const;
  // Draws the row on screen row `row` across `width` cells from `left`: each
  // label in angle brackets, at least six cells inside, its hot key marked;
  // the current button in the bar colour while `focused`.
  void Draw(int row, int left, int width, const Scheme& scheme, bool focused);
  // Acts on one event; clicks count only once the row was drawn.
  ButtonResult Handle(const InputEvent& event);
  std::size_t Current() const { return current_; }
  void SetCurrent(std::size_t current);
  std::size_t Count() const { return labels_.size(); }

 private:
  std::vector<std::string> labels_;
  std::vector<int> widths_;
  std::size_t current_;
  int row_ = 0;
  std::vector<int> columns_;  // where the last Draw put each button
};

}  // namespace tarvana::ui
