#include "testing/terminal_emulator.h"

#include <vterm.h>

#include <cstdlib>
#include <vector>

#include "console/cp437.h"

namespace tarvana::test_support {

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

// The SGR parameters a terminal with this many colours acts on: those of
// colours it lacks are dropped (38 and 48 with their arguments).
std::string SgrWithin(std::string_view params, int colors) {
  std::vector<std::string_view> in;
  for (size_t at = 0;;) {
    const size_t end = params.find(';', at);
    in.push_back(params.substr(at, end == std::string_view::npos ? end : end - at));
    if (end == std::string_view::npos) break;
    at = end + 1;
  }
  std::string out;
  for (size_t k = 0; k < in.size(); ++k) {
    const size_t first = k;
    const int n = std::atoi(std::string(in[k]).c_str());
    bool known = true;
    if (n == 38 || n == 48) {
      // 38;5;n and 38;2;r;g;b; with colons the arguments are in the parameter.
      if (in[k].find(':') == std::string_view::npos && k + 1 < in.size())
        k += in[k + 1] == "5" ? 2 : in[k + 1] == "2" ? 4 : 0;
      known = colors >= 256;
    } else if ((n >= 30 && n <= 49) || (n >= 90 && n <= 97) || (n >= 100 && n <= 107)) {
      known = n >= 90 ? colors >= 16 : colors >= 8;
    }
    if (!known) continue;
    for (size_t j = first; j <= k && j < in.size(); ++j) {
      if (!out.empty()) out += ';';
      out += in[j];
    }
  }
  return out;
}

}  // namespace

TerminalEmulator::TerminalEmulator(int cols, int rows, EmulatorOptions options)
    : cols_(cols), rows_(rows), options_(options) {
  vt_ = vterm_new(rows, cols);
  // A Latin-1 terminal is emulated by handing libvterm the characters in UTF-8.
  vterm_set_utf8(vt_, options.charset != EmulatorOptions::Charset::kSevenBit);
  vterm_output_set_callback(vt_, EmulatorCallbacks::Output, this);
  screen_ = vterm_obtain_screen(vt_);
  if (options.altScreen) vterm_screen_enable_altscreen(screen_, 1);
  vterm_screen_set_callbacks(screen_, &kScreenCallbacks, this);
  vterm_screen_reset(screen_, 1);
  vterm_state_set_bold_highbright(vterm_obtain_state(vt_), 1);
  if (!options.autoMargins) {
    Write("\x1b[?7l");
    autowrap_ = false;
  }
}

TerminalEmulator::~TerminalEmulator() {
  vterm_free(vt_);
}

bool TerminalEmulator::Plain() const {
  return options_.charset == EmulatorOptions::Charset::kUtf8 && options_.backColorErase &&
         options_.colors >= 256 && options_.autoMargins && options_.eatsNewline &&
         options_.alternateCharset;
}

void TerminalEmulator::Feed(std::string_view bytes) {
  if (Plain() && bytes.find("\x1b[?47") == std::string_view::npos) {
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
      WriteText(plain);
      plain.clear();
      sequence_ = "\x1b";
      c = static_cast<unsigned char>(c - 0x40);
    } else if (sequence_.empty()) {
      if (c == 0x1b) {
        WriteText(plain);
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
    WriteSequence(sequence_);
    sequence_.clear();
  }
  WriteText(plain);
}

void TerminalEmulator::WriteSequence(const std::string& sequence) {
  const bool csi = sequence[1] == '[';
  const char final = sequence.back();
  if (csi && (sequence == "\x1b[?7l" || sequence == "\x1b[?7h")) {
    if (final == 'h' && !options_.autoMargins) return;
    autowrap_ = final == 'h';
  }
  // The first form of xterm's alternate screen (cygwin, xterm-mono), which
  // libvterm knows only as 1047.
  if (sequence == "\x1b[?47h" || sequence == "\x1b[?47l") {
    Write(sequence == "\x1b[?47h" ? "\x1b[?1047h" : "\x1b[?1047l");
    return;
  }
  if (!csi && !options_.alternateCharset && sequence.size() == 3 && final == '0' &&
      std::string_view("()*+").find(sequence[1]) != std::string_view::npos)
    return;
  const bool privateSequence = csi && sequence.find_first_of("<=>?") == 2;
  if (csi && final == 'm' && !privateSequence && options_.colors < 256) {
    const std::string params =
        SgrWithin(std::string_view(sequence).substr(2, sequence.size() - 3), options_.colors);
    if (sequence.size() > 3 && params.empty()) return;  // nothing left the terminal knows
    Write("\x1b[" + params + "m");
    return;
  }
  // Without background-colour erase, what an erase, an insertion, a
  // deletion or a scroll fills shows the default colours.
  const bool fills = csi && std::string_view("JKXSTLM@P").find(final) != std::string_view::npos;
  if (!fills || options_.backColorErase) {
    Write(sequence);
    return;
  }
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
  Write(sequence);
  Write(pen);
}

void TerminalEmulator::WriteText(std::string_view text) {
  if (options_.eatsNewline || !autowrap_) {
    Write(text);
    return;
  }
  const bool utf8 = options_.charset != EmulatorOptions::Charset::kSevenBit;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (!glyph_.empty()) {
      if ((c & 0xC0) == 0x80) {
        glyph_ += ch;
        const auto lead = static_cast<unsigned char>(glyph_[0]);
        if (glyph_.size() == (lead >= 0xF0 ? 4u : lead >= 0xE0 ? 3u : 2u)) {
          WriteGlyph(glyph_);
          glyph_.clear();
        }
        continue;
      }
      Write(glyph_);  // cut short: libvterm shows what it shows for that
      glyph_.clear();
    }
    if (c < 0x20 || c == 0x7F || (!utf8 && c >= 0x80 && c < 0xA0))
      Write(std::string_view(&ch, 1));
    else if (utf8 && c >= 0xC0)
      glyph_ = ch;
    else
      WriteGlyph(std::string_view(&ch, 1));
  }
}

void TerminalEmulator::WriteGlyph(std::string_view glyph) {
  // libvterm waits in the last column for the next character; this terminal
  // goes on to the next line at once, scrolling at the bottom of the region.
  const bool lastColumn = CursorCol() == cols_;
  Write(glyph);
  if (lastColumn) Write("\r\n");
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

std::string TerminalEmulator::CellText(int row, int col) const {
  VTermScreenCell cell;
  std::string text;
  if (!vterm_screen_get_cell(screen_, VTermPos{row - 1, col - 1}, &cell)) return text;
  for (int i = 0; i < VTERM_MAX_CHARS_PER_CELL && cell.chars[i] != 0 && cell.chars[i] <= 0x10FFFF;
       ++i)
    AppendUtf8(text, static_cast<char32_t>(cell.chars[i]));
  return text;
}

int TerminalEmulator::CellWidth(int row, int col) const {
  VTermScreenCell cell;
  if (!vterm_screen_get_cell(screen_, VTermPos{row - 1, col - 1}, &cell)) return 0;
  return cell.width;
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

}  // namespace tarvana::test_support
