#include "ui/dialogs.h"

#include <vector>

#include "console/cell_string.h"
#include "tools/dialog_cells.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace {

// The dialog box's window for the lines: a blank row above and below them
// and two columns on each side.
WindowRec DialogWindow(const std::vector<CellString>& lines, const DialogOptions& options,
                       std::string_view routine) {
  return internal::PlaceWindow(options.scheme, 0, 0, lines.size() + 4,
                               static_cast<std::size_t>(internal::Widest(lines)) + 4, routine,
                               options.title);
}

}  // namespace

void ShowMessage(std::string_view message, const DialogOptions& options) {
  const internal::ShowOnReturn shown;
  const std::vector<CellString> lines = internal::Lines(message);
  DialogWaitCells(lines, DialogWindow(lines, options, "ShowMessage"),
                  CellString::FromUtf8(options.title));
}

std::optional<std::size_t> Ask(std::string_view question, ListOf<std::string> answers,
                               const DialogOptions& options) {
  const internal::ShowOnReturn shown;
  if (answers.empty()) internal::Refuse("Ask", "answers is empty");
  std::vector<char32_t> letters;
  CellString answerLine;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const CellString text = CellString::FromUtf8(answers[i]);
    const char32_t letter = text.Empty() ? 0 : text.FoldedScalar(0);
    if (letter == 0 || letter == ' ')
      internal::Refuse("Ask", "answers[" + std::to_string(i) + "] does not start with a letter");
    for (const char32_t earlier : letters)
      if (earlier == letter)
        internal::Refuse("Ask", "answers[" + std::to_string(i) +
                                    "] starts with the same letter as an earlier answer");
    letters.push_back(letter);
    // The first cluster in brackets: one cell, or two for a wide one.
    const int first = text[0].flags & cell_flag::kWideFirst ? 2 : 1;
    if (!answerLine.Empty()) answerLine.AppendSpaces(3);
    answerLine.Append(CellString::FromCp437("["));
    answerLine.Append(text.Slice(0, first));
    answerLine.Append(CellString::FromCp437("]"));
    answerLine.Append(text.Slice(first, text.Width()));
  }
  std::vector<CellString> lines = internal::Lines(question);
  lines.emplace_back();
  lines.push_back(std::move(answerLine));
  const int position = DialogLetterChoice(lines, DialogWindow(lines, options, "Ask"),
                                          CellString::FromUtf8(options.title), letters);
  if (position < 1) return std::nullopt;
  return static_cast<std::size_t>(position - 1);
}

bool Confirm(std::string_view question, const DialogOptions& options) {
  return Ask(question, {"Yes", "No"}, options) == 0;
}

}  // namespace tarvana::ui
