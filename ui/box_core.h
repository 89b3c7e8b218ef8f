#pragma once
// The frame, text, rule and buttons every box of ButtonBox's kind shares, with
// the part between text and buttons left to the kind: laid out on the screen
// as it is, drawn, and placed again when the screen changes size.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/cell_string.h"
#include "console/screen_save.h"
#include "console/types.h"
#include "ui/button_box.h"
#include "ui/layers.h"

namespace tarvana::ui::internal {

// Where a box's pieces stand on the screen.
struct BoxLayout {
  WindowRec window{};
  std::vector<CellString> lines;   // the text as wrapped, cut to the rows it has
  int textTop = 0;                 // first text row
  int partTop = 0, partRows = 0;   // the kind's part: rows below the text
  int ruleRow = 0, buttonRow = 0;  // 0 without buttons
  int left = 0, cols = 0;          // the interior's first column and its width
};

// The layout of a box of the text, a part of partRows by partCols cells and
// buttons buttonCols wide (0: none), sized by options on a screen of
// screenCols by screenRows. Throws std::invalid_argument naming `routine`
// when it does not fit.
BoxLayout LayoutBox(std::string_view text, int partRows, int partCols, int buttonCols,
                    const BoxOptions& options, int screenCols, int screenRows,
                    std::string_view routine);

class BoxCore : public Layer {
 public:
  BoxCore(std::string_view text, std::vector<std::string> buttons, const BoxOptions& options,
          std::size_t button, std::string_view routine, int partRows = 0, int partCols = 0);
  virtual ~BoxCore();

  // Draws frame, text, rule and buttons, then the part.
  void Draw();
  // Esc and the buttons' keys; a kind handles its part first.
  BoxResult Handle(const InputEvent& event);
  std::size_t Button() const { return buttons_ ? buttons_->Current() : 0; }
  const BoxLayout& Layout() const { return layout_; }
  const BoxOptions& Options() const { return options_; }

 protected:
  // Opens the box; a kind calls it last in its constructor, once its part
  // can be drawn.
  void Open();
  // The kind's part: drawn in Layout()'s part rows; put away before the box
  // is when the screen changes size (a part with a window of its own puts
  // back what it saved). A kind's destructor calls StopFollowing() first.
  virtual void DrawPart() {}
  virtual void HidePart() {}
  // Whether the buttons have the focus (a kind with a part moves it by Tab).
  virtual bool ButtonsFocused() const { return true; }
  // None for a box without buttons.
  std::optional<ButtonRow>& Buttons() { return buttons_; }

 private:
  void Hide() override;
  void Show() override;
  void Place();

  std::string text_;
  BoxOptions options_;
  std::string routine_;
  int partRows_, partCols_;
  std::optional<ButtonRow> buttons_;
  BoxLayout layout_;
  CellString title_;
  ScreenSave save_;
  bool open_ = false;
};

}  // namespace tarvana::ui::internal
