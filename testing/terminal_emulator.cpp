#include "testing/terminal_emulator.h"

#include <vterm.h>

#include "console/cp437.h"

namespace tarvana::testing {

struct EmulatorCallbacks {
  static int TermProp(VTermProp prop, VTermValue* value, void* user) {
    auto* t = static_cast<TerminalEmulator*>(user);
    switch (prop) {
      case VTERM_PROP_CURSORVISIBLE:
        t->cursorVisible_ = value->boolean;
        break;
      case VTERM_PROP_CURSORSHAPE:
        t->cursorShape_ = value->number;
        break;
      case VTERM_PROP_ALTSCREEN:
        t->altScreen_ = value->boolean;
        break;
      case VTERM_PROP_MOUSE:
        t->mouseMode_ = value->number;
        break;
      default:
        break;
    }
    return 1;
  }
  static int Bell(void* user) {
    ++static_cast<TerminalEmulator*>(user)->bells_;
    return 1;
  }
  static void Output(const char* bytes, size_t len, void* user) {
    auto* t = static_cast<TerminalEmulator*>(user);
    if (t->answer_) t->answer_(std::string_view(bytes, len));
  }
};

namespace {

const VTermScreenCallbacks kScreenCallbacks = {
    nullptr, nullptr, nullptr, EmulatorCallbacks::TermProp, EmulatorCallbacks::Bell,
    nullptr, nullptr, nullptr,
};

int PaletteIndex(const VTermColor& color, bool foreground) {
  if (foreground ? VTERM_COLOR_IS_DEFAULT_FG(&color) : VTERM_COLOR_IS_DEFAULT_BG(&color)) return -1;
  if (VTERM_COLOR_IS_INDEXED(&color)) return color.indexed.idx;
  return -2;  // a direct RGB colour: never sent by the console
}

}  // namespace

TerminalEmulator::TerminalEmulator(int cols, int rows) : cols_(cols), rows_(rows) {
  vt_ = vterm_new(rows, cols);
  vterm_set_utf8(vt_, 1);
  vterm_output_set_callback(vt_, EmulatorCallbacks::Output, this);
  screen_ = vterm_obtain_screen(vt_);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_set_callbacks(screen_, &kScreenCallbacks, this);
  vterm_screen_reset(screen_, 1);
}

TerminalEmulator::~TerminalEmulator() {
  vterm_free(vt_);
}

void TerminalEmulator::Feed(std::string_view bytes) {
  vterm_input_write(vt_, bytes.data(), bytes.size());
  vterm_screen_flush_damage(screen_);
}

void TerminalEmulator::Resize(int cols, int rows) {
  cols_ = cols;
  rows_ = rows;
  vterm_set_size(vt_, rows, cols);
}

EmulatedCell TerminalEmulator::CellAt(int row, int col) const {
  VTermScreenCell cell;
  if (!vterm_screen_get_cell(screen_, VTermPos{row - 1, col - 1}, &cell)) return {};
  EmulatedCell out;
  out.ch = cell.chars[0] == 0 ? U' ' : static_cast<char32_t>(cell.chars[0]);
  out.fg = PaletteIndex(cell.fg, true);
  out.bg = PaletteIndex(cell.bg, false);
  return out;
}

std::string TerminalEmulator::RowText(int row) const {
  std::string text;
  for (int col = 1; col <= cols_; ++col)
    AppendUtf8(text, CellAt(row, col).ch);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string TerminalEmulator::Text() const {
  std::string text;
  for (int row = 1; row <= rows_; ++row)
    text += RowText(row) + '\n';
  return text;
}

bool TerminalEmulator::Contains(std::string_view utf8) const {
  for (int row = 1; row <= rows_; ++row)
    if (RowText(row).find(utf8) != std::string::npos) return true;
  return false;
}

int TerminalEmulator::CursorRow() const {
  VTermPos pos;
  vterm_state_get_cursorpos(vterm_obtain_state(vt_), &pos);
  return pos.row + 1;
}

int TerminalEmulator::CursorCol() const {
  VTermPos pos;
  vterm_state_get_cursorpos(vterm_obtain_state(vt_), &pos);
  return pos.col + 1;
}

}  // namespace tarvana::testing
