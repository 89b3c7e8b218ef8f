#include "ui/button_box.h"

#include <algorithm>

#include "console/console.h"
#include "console/unicode_text.h"
#include "ui/box_core.h"
#include "ui/placement.h"
#include "window/window.h"

namespace tarvana::ui {
namespace internal {
namespace {

constexpr int kMargin = 1;     // blank columns inside the frame, each side
constexpr int kFitWidth = 60;  // a fitted box wraps its text at most this wide
constexpr int kMinCols = 12;

// The size a box asks for in one direction: given, the whole screen, or fit.
int Extent(int asked, int fit, int screen) {
  if (asked < 0) return screen;
  return std::min(asked > 0 ? asked : fit, screen);
}

// The rule's characters between the box's sides: the frame's own tee pieces
// where the style has them.
std::string RuleChars(int style) {
  const std::string f = FrameChars(style);
  const auto piece = [&](unsigned char side, unsigned char line, bool left) -> char {
    const struct {
      unsigned char side, line, left, right;
    } tees[] = {{0xB3, 0xC4, 0xC3, 0xB4},
                {0xBA, 0xCD, 0xCC, 0xB9},
                {0xBA, 0xC4, 0xC7, 0xB6},
                {0xB3, 0xCD, 0xC6, 0xB5}};
    for (const auto& t : tees)
      if (t.side == side && t.line == line) return static_cast<char>(left ? t.left : t.right);
    return static_cast<char>(side);
  };
  const unsigned char line = static_cast<unsigned char>(f[6]);
  return {piece(static_cast<unsigned char>(f[4]), line, true), static_cast<char>(line),
          piece(static_cast<unsigned char>(f[5]), line, false)};
}

}  // namespace

BoxLayout LayoutBox(std::string_view text, int partRows, int partCols, int buttonCols,
                    const BoxOptions& options, int screenCols, int screenRows,
                    std::string_view routine) {
  const int chrome = 2 + 2 * kMargin;  // frame and margins
  const int titleCols = options.title.empty() ? 0 : TextWidth(options.title) + 4;
  const int textLimit = std::max(1, std::min(kFitWidth, screenCols - chrome));
  int fitCols = std::max({partCols, buttonCols, titleCols - chrome, 1});
  for (const std::string& line : WrapLines(text, std::max(textLimit, fitCols)))
    fitCols = std::max(fitCols, TextWidth(line));
  const int cols = Extent(options.cols, std::max(fitCols + chrome, kMinCols), screenCols);
  BoxLayout layout;
  layout.cols = cols - 2 - 2 * kMargin;
  if (layout.cols < std::max(partCols, 1))
    Refuse(routine, "a box of " + std::to_string(cols) + " columns has no room for its part of " +
                        std::to_string(partCols) + " columns");
  std::vector<std::string> lines =
      text.empty() ? std::vector<std::string>{} : WrapLines(text, layout.cols);
  const int buttonRows = buttonCols > 0 ? 2 : 0;
  const int fitRows = 2 + static_cast<int>(lines.size()) + partRows + buttonRows;
  const int rows = Extent(options.rows, fitRows, screenRows);
  const int textRows = rows - 2 - partRows - buttonRows;
  if (textRows < 0 || (textRows == 0 && !lines.empty() && partRows == 0))
    Refuse(routine, "a box of " + std::to_string(rows) + " rows has no room for its text");
  if (static_cast<int>(lines.size()) > textRows) lines.resize(static_cast<std::size_t>(textRows));
  layout.window =
      PlaceWindow(options.scheme, options.row, options.col, static_cast<std::size_t>(rows),
                  static_cast<std::size_t>(cols), routine, options.title);
  for (const std::string& line : lines)
    layout.lines.push_back(CellString::FromUtf8(line));
  layout.left = layout.window.Left + 1 + kMargin;
  layout.textTop = layout.window.Top + 1;
  layout.partRows = partRows;
  layout.partTop = layout.window.Bottom - buttonRows - partRows;
  if (buttonCols > 0) {
    layout.ruleRow = layout.window.Bottom - 2;
    layout.buttonRow = layout.window.Bottom - 1;
  }
  return layout;
}

BoxCore::BoxCore(std::string_view text, std::vector<std::string> buttons, const BoxOptions& options,
                 std::size_t button, std::string_view routine, int partRows, int partCols)
    : text_(text),
      options_(options),
      routine_(routine),
      partRows_(partRows),
      partCols_(partCols),
      title_(CellString::FromUtf8(options.title)) {
  if (!buttons.empty()) {
    buttons_.emplace(buttons, button);
  } else if (button > 0) {
    Refuse(routine, "button " + std::to_string(button) + " is given but there are no buttons");
  }
  layout_ = LayoutBox(text_, partRows_, partCols_, buttons_ ? buttons_->Width() : 0, options_,
                      ScreenWidth(), ScreenHeight(), routine_);
}

BoxCore::~BoxCore() {
  StopFollowing();
  // The part lies inside the box: putting back what lay under the box puts
  // it away too.
  if (open_ && Shown()) RestoreScreen(save_);
  ShowDrawn();
}

void BoxCore::Open() {
  OpenWindow(layout_.window, title_, save_);
  open_ = true;
  Draw();
  Follow();
}

void BoxCore::Draw() {
  if (!Shown()) return;
  const WindowRec& w = layout_.window;
  DrawFrame(w, title_);
  ClearBox(w.Top + 1, w.Left + 1, w.Bottom - 1, w.Right - 1, w.FillColor);
  UseColor(w.FillColor);
  for (std::size_t i = 0; i < layout_.lines.size(); ++i) {
    Locate(layout_.textTop + static_cast<int>(i), layout_.left);
    PrintCells(layout_.lines[i].Slice(0, layout_.cols));
  }
  if (buttons_) {
    const std::string rule = RuleChars(w.Frame);
    UseColor(w.FrameColor);
    Locate(layout_.ruleRow, w.Left);
    PrintText(std::string(1, rule[0]) + std::string(w.Right - w.Left - 1, rule[1]) + rule[2]);
    buttons_->Draw(layout_.buttonRow, w.Left + 1, w.Right - w.Left - 1, options_.scheme,
                   ButtonsFocused());
  }
  DrawPart();
  ShowDrawn();
}

BoxResult BoxCore::Handle(const InputEvent& event) {
  if (event.kind == InputEvent::Kind::kKey && event.key == KeyCode(1, '\x1b'))
    return BoxResult::kCancelled;
  if (!Shown() || !buttons_) return BoxResult::kNotForTheBox;
  switch (buttons_->Handle(event)) {
    case ButtonResult::kPressed:
      return BoxResult::kPressed;
    case ButtonResult::kHandled:
      buttons_->Draw(layout_.buttonRow, layout_.window.Left + 1,
                     layout_.window.Right - layout_.window.Left - 1, options_.scheme,
                     ButtonsFocused());
      ShowDrawn();
      return BoxResult::kHandled;
    case ButtonResult::kNotForTheButtons:
      break;
  }
  return BoxResult::kNotForTheBox;
}

void BoxCore::Hide() {
  HidePart();
  RestoreScreen(save_);
}

void BoxCore::Show() {
  BoxOptions placed = options_;
  const int rows = layout_.window.Bottom - layout_.window.Top + 1;
  const int cols = layout_.window.Right - layout_.window.Left + 1;
  placed.row = FitCorner(options_.row, rows, ScreenHeight());
  placed.col = FitCorner(options_.col, cols, ScreenWidth());
  layout_ = LayoutBox(text_, partRows_, partCols_, buttons_ ? buttons_->Width() : 0, placed,
                      ScreenWidth(), ScreenHeight(), routine_);
  OpenWindow(layout_.window, title_, save_);
  Draw();
}

}  // namespace internal

namespace {

class PlainBox final : public internal::BoxCore {
 public:
  PlainBox(std::string_view text, std::vector<std::string> buttons, const BoxOptions& options,
           std::size_t button)
      : BoxCore(text, std::move(buttons), options, button, "ButtonBox") {
    Open();
  }
};

}  // namespace

ButtonBox::ButtonBox(std::string_view text, ListOf<std::string> buttons, const BoxOptions& options,
                     std::size_t button)
    : core_(std::make_unique<PlainBox>(
          text, std::vector<std::string>(buttons.begin(), buttons.end()), options, button)) {}

ButtonBox::~ButtonBox() = default;
ButtonBox::ButtonBox(ButtonBox&&) noexcept = default;
ButtonBox& ButtonBox::operator=(ButtonBox&&) noexcept = default;

void ButtonBox::Draw() {
  core_->Draw();
}

BoxResult ButtonBox::Handle(const InputEvent& event) {
  return core_->Handle(event);
}

std::size_t ButtonBox::Button() const {
  return core_->Button();
}

std::optional<std::size_t> ShowButtonBox(std::string_view text, ListOf<std::string> buttons,
                                         const BoxOptions& options, std::size_t button) {
  ButtonBox box(text, buttons, options, button);
  for (;;) {
    const InputEvent event = WaitKeyEvent();
    switch (box.Handle(event)) {
      case BoxResult::kPressed:
        return box.Button();
      case BoxResult::kCancelled:
        return std::nullopt;
      case BoxResult::kNotForTheBox:
        if (event.kind == InputEvent::Kind::kKey) Beep();
        break;
      case BoxResult::kHandled:
        break;
    }
  }
}

}  // namespace tarvana::ui
