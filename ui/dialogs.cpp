#include "ui/dialogs.h"

#include <cctype>
#include <vector>

#include "console/cp437_best_fit.h"
#include "tools/dialog.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace {

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  for (;;) {
    const std::size_t end = text.find('\n');
    lines.push_back(Utf8ToCp437(text.substr(0, end)));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 1);
  }
}

// The dialog box's window for the lines: a blank row above and below them
// and two columns on each side.
WindowRec DialogWindow(const BasedArray<std::string>& lines, const Scheme& scheme,
                       std::string_view routine) {
  return internal::PlaceWindow(scheme, 0, 0, static_cast<std::size_t>(lines.Count()) + 4,
                               internal::Widest(lines) + 4, routine);
}

}  // namespace

void ShowMessage(std::string_view message, const DialogOptions& options) {
  const BasedArray<std::string> lines(1, Lines(message));
  DialogWait(lines, DialogWindow(lines, options.scheme, "ShowMessage"), Utf8ToCp437(options.title));
}

std::optional<std::size_t> Ask(std::string_view question, std::span<const std::string> answers,
                               const DialogOptions& options) {
  if (answers.empty()) internal::Refuse("Ask", "answers is empty");
  std::vector<std::string> keys;
  std::string answerLine;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const std::string text = Utf8ToCp437(answers[i]);
    const auto upper = [](char c) {
      return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    };
    if (text.empty() || text[0] == ' ')
      internal::Refuse("Ask", "answers[" + std::to_string(i) + "] does not start with a letter");
    for (const std::string& key : keys)
      if (upper(key[0]) == upper(text[0]))
        internal::Refuse("Ask", "answers[" + std::to_string(i) +
                                    "] starts with the same letter as an earlier answer");
    keys.push_back(text.substr(0, 1));
    if (!answerLine.empty()) answerLine += "   ";
    answerLine += "[" + text.substr(0, 1) + "]" + text.substr(1);
  }
  keys.push_back("\x1b");
  std::vector<std::string> lines = Lines(question);
  lines.push_back("");
  lines.push_back(answerLine);
  const BasedArray<std::string> box(1, std::move(lines));
  const int position =
      DialogChoice(box, DialogWindow(box, options.scheme, "Ask"), Utf8ToCp437(options.title),
                   BasedArray<std::string>(1, std::move(keys)));
  if (position < 1 || position > static_cast<int>(answers.size())) return std::nullopt;
  return static_cast<std::size_t>(position - 1);
}

bool Confirm(std::string_view question, const DialogOptions& options) {
  const std::string answers[] = {"Yes", "No"};
  return Ask(question, answers, options) == 0;
}

}  // namespace tarvana::ui
