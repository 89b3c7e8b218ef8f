#pragma once
// Dialogs: a message that waits for a key, and a question with answers chosen
// by their first letters. Texts are UTF-8, lines separated by '\n'; the box is
// centred on the screen and sized to its text.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/list_of.h"
#include "ui/scheme.h"

namespace tarvana::ui {

struct DialogOptions {
  std::string title{};
  Scheme scheme = schemes::kBlue;
};

// Shows the message until a key or a click, then restores the screen. Throws
// std::invalid_argument when the box does not fit on the screen.
void ShowMessage(std::string_view message, const DialogOptions& options = {});
// Shows the question with the answers on a line below it and returns the
// index of the answer whose first letter is typed (either case), or nothing on
// Esc. Throws std::invalid_argument naming the argument when there are no
// answers, an answer is empty or shares its first letter with another, or the
// box does not fit.
std::optional<std::size_t> Ask(std::string_view question, ListOf<std::string> answers,
                               const DialogOptions& options = {});
// Ask with the answers Yes and No: true for Yes, false for No or Esc.
bool Confirm(std::string_view question, const DialogOptions& options = {});

}  // namespace tarvana::ui
