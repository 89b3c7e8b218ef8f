#pragma once
// A dialog box that asks for one line of text: the box's text, an entry field
// below it (a password's characters hidden), and buttons. Tab moves the focus
// between the field and the buttons; Enter presses the focused button (the
// first while the field has the focus).

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "console/input_event.h"
#include "ui/button_box.h"
#include "ui/list_of.h"

namespace tarvana::ui {

struct InputOptions {
  // Hides the characters typed: each shows as `mask` (0: as nothing at all).
  bool hidden = false;
  char mask = '*';
  // The most characters (grapheme clusters) the field holds, 1-2048.
  int maxInput = 2048;
};

namespace internal {
class InputCore;
}  // namespace internal

class InputBox {
 public:
  // Opens the box with the value in its field, the cursor after it. Throws
  // std::invalid_argument naming the argument as ButtonBox, and for a
  // maxInput outside 1-2048.
  InputBox(std::string_view text, std::string value, ListOf<std::string> buttons = {"OK", "Cancel"},
           const BoxOptions& options = {}, const InputOptions& input = {});
  ~InputBox();
  InputBox(InputBox&&) noexcept;
  InputBox& operator=(InputBox&&) noexcept;

  void Draw();
  // Keys edit the field while it has the focus; kPressed with Button() for a
  // button pressed, kCancelled on Esc.
  BoxResult Handle(const InputEvent& event);
  std::size_t Button() const;
  // The field's text, UTF-8.
  std::string Value() const;

 private:
  std::unique_ptr<internal::InputCore> core_;
};

// Shows the box until OK (the text typed) or Cancel or Esc (nothing).
std::optional<std::string> AskText(std::string_view text, std::string value = {},
                                   const BoxOptions& options = {}, const InputOptions& input = {});

}  // namespace tarvana::ui
