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

TerminalEmulator::TerminalEmulator(int cols, int rows, EmulatorOptions options)
    : cols_(cols), rows_(rows), options_(options) {
  vt_ = vterm_new(rows, cols);
  // A Latin-1 terminal is emulated by handing libvterm the characters in UTF-8.
  vterm_set_utf8(vt_, options.charset != EmulatorOptions::Charset::kSevenBit);
  vterm_output_set_callback(vt_, EmulatorCallbacks::Output, this);
  screen_ = vterm_obtain_screen(vt_);
  vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_set_callbacks(screen_, &kScreenCallbacks, this);
  vterm_screen_reset(screen_, 1);
  vterm_state_set_bold_highbright(vterm_obtain_state(vt_), 1);
}

TerminalEmulator::~TerminalEmulator() {
  vterm_free(vt_);
}

void TerminalEmulator::Feed(std::string_view bytes) {
  if (options_.charset == EmulatorOptions::Charset::kUtf8 && options_.backColorErase) {
    Write(bytes);
  } else {
    Emulate(bytes);
  }
  vterm_screen_flush_damage(screen_);
}

void TerminalEmulator::Write(std::string_view bytes) {
  vterm_input_write(vt_, bytes.data(), bytes.size());
}

void TerminalEmulator::Emulate(std::string_view bytes) {
  const bool latin1 = options_.charset == EmulatorOptions::Charset::kLatin1;
  std::string plain;
  for (size_t i = 0; i < bytes.size(); ++i) {
    auto c = static_cast<unsigned char>(bytes[i]);
    if (latin1 && c >= 0x80 && c < 0xA0) {
      // A C1 control is the escape sequence it abbreviates (0x9B is CSI).
      Write(plain);
      plain.clear();
      sequence_ = "\x1b";
      c = static_cast<unsigned char>(c - 0x40);
    } else if (sequence_.empty()) {
      if (c == 0x1b) {
        Write(plain);
        plain.clear();
        sequence_ = "\x1b";
      } else if (latin1 && c >= 0xA0) {
        AppendUtf8(plain, c);
      } else {
        plain += static_cast<char>(c);
      }
      continue;
    }
    if (c < 0x20) {  // a control inside a sequence: libvterm acts on it there
      Write(sequence_);
      sequence_.clear();
      plain += static_cast<char>(c);
      continue;
    }
    sequence_ += static_cast<char>(c);
    const bool csi = sequence_.size() > 1 && sequence_[1] == '[';
    const bool done = sequence_.size() == 2 ? !csi && (c < 0x20 || c > 0x2F)
                      : csi                 ? c >= 0x40 && c <= 0x7E
                                            : c >= 0x30;
    if (!done) continue;
    // Without background-colour erase, what an erase, an insertion, a
    // deletion or a scroll fills shows the default colours.
    const bool fills =
        csi && std::string_view("JKXSTLM@P").find(static_cast<char>(c)) != std::string_view::npos;
    if (fills && !options_.backColorErase) {
      VTermState* state = vterm_obtain_state(vt_);
      VTermValue bg, reverse;
      vterm_state_get_penattr(state, VTERM_ATTR_BACKGROUND, &bg);
      vterm_state_get_penattr(state, VTERM_ATTR_REVERSE, &reverse);
      std::string pen = "\x1b[";
      if (VTERM_COLOR_IS_INDEXED(&bg.color) && !VTERM_COLOR_IS_DEFAULT_BG(&bg.color))
        pen += "48;5;" + std::to_string(bg.color.indexed.idx);
      else
        pen += "49";
      pen += reverse.boolean ? ";7m" : "m";
      Write("\x1b[49;27m");
      Write(sequence_);
      Write(pen);
    } else {
      Write(sequence_);
    }
    sequence_.clear();
  }
  Write(plain);
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
  out.bold = cell.attrs.bold;
  out.reverse = cell.attrs.reverse;
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
