#include "ui/input_box.h"

#include <utility>

#include "console/console.h"
#include "console/text_input.h"
#include "entry/field_rec.h"
#include "entry/text_field_state.h"
#include "ui/box_core.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace internal {

class InputCore final : public BoxCore {
 public:
  InputCore(std::string_view text, std::string value, std::vector<std::string> buttons,
            const BoxOptions& options, const InputOptions& input)
      : BoxCore(text, std::move(buttons), options, 0, "InputBox", 1, 1),
        value_(std::move(value)),
        input_(input) {
    if (input.maxInput < 1 || input.maxInput > 2048)
      Refuse("InputBox", "input.maxInput " + std::to_string(input.maxInput) + " is outside 1-2048");
    Open();
  }
  ~InputCore() override {
    StopFollowing();
    SetCursor(0);
  }

  BoxResult Handle(const InputEvent& event) {
    if (!Shown()) return BoxCore::Handle(event);
    const bool key = event.kind == InputEvent::Kind::kKey;
    if (key && (event.key == KeyCode(1, '\t') || event.key == ExtendedKey(scan::kBackTab)) &&
        Buttons()) {
      inField_ = !inField_;
      Draw();
      return BoxResult::kHandled;
    }
    if (key && event.key == KeyCode(1, '\r')) return BoxResult::kPressed;
    if (inField_ && key && event.key != KeyCode(1, '\x1b')) {
      const tarvana::internal::FieldStep step =
          tarvana::internal::StepTextField(state_, event.key, event.text);
      tarvana::internal::ShowTextFieldCursor(state_);
      ShowDrawn();
      return step == tarvana::internal::FieldStep::kIgnored ? BoxResult::kNotForTheBox
                                                            : BoxResult::kHandled;
    }
    const BoxResult result = BoxCore::Handle(event);
    // A click on a button takes the focus there.
    if (result == BoxResult::kPressed) inField_ = false;
    return result;
  }

  std::string Value() const {
    return started_ ? tarvana::internal::TextFieldValue(state_) : value_;
  }

 private:
  void DrawPart() override {
    const BoxLayout& l = Layout();
    rec_.Row = static_cast<std::uint8_t>(l.partTop);
    rec_.Col = static_cast<std::uint8_t>(l.left);
    rec_.Length = static_cast<std::uint8_t>(l.cols);
    if (!started_) {
      rec_.FieldType = field_type::kAnyCharacter;
      rec_.EditMode = edit_mode::kRestPastEnd;
      rec_.Mask = input_.hidden ? static_cast<std::int16_t>(static_cast<unsigned char>(input_.mask))
                                : std::int16_t{-1};
      rec_.PromptColor = Options().scheme.text;
      rec_.NormalColor = Options().scheme.field;
      rec_.EditColor = Options().scheme.editing;
      state_ = tarvana::internal::StartTextField(rec_, "", value_, "", 1 << 30, insertMode_, true,
                                                 input_.maxInput);
      started_ = true;
    }
    state_.fieldCol = l.left;
    tarvana::internal::DrawTextField(state_);
    if (inField_) {
      tarvana::internal::ShowTextFieldCursor(state_);
    } else {
      SetCursor(0);
    }
  }
  bool ButtonsFocused() const override { return !inField_; }

  TextInputScope typing_;
  std::string value_;
  InputOptions input_;
  FieldRec rec_;
  std::int16_t insertMode_ = -1;
  tarvana::internal::TextFieldState state_;
  bool started_ = false;
  bool inField_ = true;
};

}  // namespace internal

InputBox::InputBox(std::string_view text, std::string value, ListOf<std::string> buttons,
                   const BoxOptions& options, const InputOptions& input)
    : core_(std::make_unique<internal::InputCore>(
          text, std::move(value), std::vector<std::string>(buttons.begin(), buttons.end()), options,
          input)) {}

InputBox::~InputBox() = default;
InputBox::InputBox(InputBox&&) noexcept = default;
InputBox& InputBox::operator=(InputBox&&) noexcept = default;

void InputBox::Draw() {
  core_->Draw();
}

BoxResult InputBox::Handle(const InputEvent& event) {
  return core_->Handle(event);
}

std::size_t InputBox::Button() const {
  return core_->Button();
}

std::string InputBox::Value() const {
  return core_->Value();
}

std::optional<std::string> AskText(std::string_view text, std::string value,
                                   const BoxOptions& options, const InputOptions& input) {
  InputBox box(text, std::move(value), {"OK", "Cancel"}, options, input);
  for (;;) {
    const InputEvent event = WaitKeyEvent();
    switch (box.Handle(event)) {
      case BoxResult::kPressed:
        if (box.Button() == 0) return box.Value();
        return std::nullopt;
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
