#pragma once
// A dialog box of the kind shell scripts show: a framed window holding a text
// wrapped at blanks, a part below it that a box of its own kind fills (an
// entry field, a list), and a row of buttons under a rule. It stays on the
// screen while the program owns the loop, and follows the screen's size.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "console/input_event.h"
#include "ui/button_row.h"
#include "ui/list_of.h"
#include "ui/scheme.h"

namespace tarvana::ui {

struct BoxOptions {
  std::string title{};
  // The whole box in cells, frame included: 0 fits it to what it holds, -1
  // takes the whole screen; a size larger than the screen is reduced to it.
  int rows = 0;
  int cols = 0;
  // The top-left corner (1-based); 0 centres.
  int row = 0;
  int col = 0;
  Scheme scheme = schemes::kBlue;
};

// What a box made of an event.
enum class BoxResult {
  kNotForTheBox,  // an event the box has no use for: the program's to act on
  kHandled,       // the focus moved, a field or list changed
  kPressed,       // a button was pressed: Button() names it
  kCancelled,     // Esc
};

namespace internal {
class BoxCore;
}  // namespace internal

class ButtonBox {
 public:
  // Opens the box with the text ('\n' starts a line) and the buttons, the
  // button'th one focused; no buttons leave out the rule and the row. Throws
  // std::invalid_argument naming the argument when a button label is empty,
  // button is past the last, or the box does not fit on the screen.
  ButtonBox(std::string_view text, ListOf<std::string> buttons, const BoxOptions& options = {},
            std::size_t button = 0);
  // Puts back the screen under the box.
  ~ButtonBox();
  ButtonBox(ButtonBox&&) noexcept;
  ButtonBox& operator=(ButtonBox&&) noexcept;

  // Draws the box again: after the program drew over it.
  void Draw();
  // Acts on one event: the buttons' keys and clicks, Esc.
  BoxResult Handle(const InputEvent& event);
  // The focused button's index.
  std::size_t Button() const;

 private:
  std::unique_ptr<internal::BoxCore> core_;
};

// Shows the box until a button is pressed and returns its index, or nothing
// on Esc; the screen is left as it was. Throws as ButtonBox.
std::optional<std::size_t> ShowButtonBox(std::string_view text, ListOf<std::string> buttons,
                                         const BoxOptions& options = {}, std::size_t button = 0);

}  // namespace tarvana::ui
