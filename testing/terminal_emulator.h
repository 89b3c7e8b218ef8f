#pragma once
// Test support: a terminal emulator (libvterm) that takes the bytes a program
// writes and shows what a user would see: cells with characters and palette
// colours, the cursor, and the modes the program left on.

#include <functional>
#include <string>
#include <string_view>

typedef struct VTerm VTerm;
typedef struct VTermScreen VTermScreen;

namespace tarvana::test_support {

// One cell as the terminal shows it. Colours are palette indexes (0-15 for
// the sixteen ANSI colours), -1 for the terminal's default colour; bold
// text in colours 0-7 shows in the bright ones (8-15), as most terminals do.
struct EmulatedCell {
  char32_t ch = U' ';
  int fg = -1;
  int bg = -1;
  bool bold = false;
  bool reverse = false;
};

// The kind of terminal emulated.
struct EmulatorOptions {
  // How bytes of 128 and above are read: UTF-8, or one byte a character as
  // Latin-1 (0x80-0x9F being C1 controls) or as a 7-bit terminal does.
  enum class Charset { kUtf8, kLatin1, kSevenBit };
  Charset charset = Charset::kUtf8;
  // Background-colour erase: erasing and scrolling fill with the current
  // background colour. Without it they leave the default colours, as GNU
  // screen and tmux do by default.
  bool backColorErase = true;
  // The colours the terminal has: 0 (monochrome), 8, 16, or 256 and more.
  // SGR colour parameters beyond them are ignored, as such a terminal does.
  int colors = 256;
  // Auto-margins (am): writing the last column wraps. With xenl the wrap
  // waits for the next character (xterm, libvterm); without it the cursor
  // goes to the next line at once, so writing the bottom-right cell scrolls
  // the screen (cons25, ansi). Without auto-margins nothing ever wraps and a
  // request to turn autowrap on (CSI ? 7 h) is ignored.
  bool autoMargins = true;
  bool eatsNewline = true;
  // An alternate screen (smcup): without one the modes that switch to it
  // leave the normal screen in place.
  bool altScreen = true;
  // The VT100 alternate character set: without it the designations that
  // select it (ESC ( 0, ESC ) 0) are ignored and the letters show as letters.
  bool alternateCharset = true;
};

class TerminalEmulator {
 public:
  TerminalEmulator(int cols, int rows, EmulatorOptions options = {});
  ~TerminalEmulator();
  TerminalEmulator(const TerminalEmulator&) = delete;
  TerminalEmulator& operator=(const TerminalEmulator&) = delete;

  // Interprets bytes written to the terminal.
  void Feed(std::string_view bytes);
  // Receives what the terminal answers (cursor position reports and the like).
  void SetAnswerSink(std::function<void(std::string_view)> sink) { answer_ = std::move(sink); }
  void Resize(int cols, int rows);

  int Cols() const { return cols_; }
  int Rows() const { return rows_; }
  // 1-based; an empty cell reads as a blank.
  EmulatedCell CellAt(int row, int col) const;
  // A cell's whole cluster as UTF-8 ("" for an empty cell or the one a wide
  // character covers), and the columns the terminal gives it.
  std::string CellText(int row, int col) const;
  int CellWidth(int row, int col) const;
  // A row as UTF-8, trailing blanks removed.
  std::string RowText(int row) const;
  // Every row, each followed by a line end.
  std::string Text() const;
  bool Contains(std::string_view utf8) const;

  int CursorRow() const;  // 1-based
  int CursorCol() const;
  bool CursorVisible() const { return cursorVisible_; }
  // 0 until a shape is chosen; then libvterm's shape (1 block, 2 underline).
  int CursorShape() const { return cursorShape_; }
  bool AltScreen() const { return altScreen_; }
  // libvterm's mouse mode: 0 off, 1 clicks, 2 drags, 3 all motion.
  int MouseMode() const { return mouseMode_; }
  int Bells() const { return bells_; }

 private:
  friend struct EmulatorCallbacks;

  // Whether libvterm is this kind of terminal as it stands.
  bool Plain() const;
  // Feeds libvterm, turning what it does not emulate itself (Latin-1, erase
  // without the background colour, fewer colours, immediate wraps, missing
  // modes) into what it does.
  void Emulate(std::string_view bytes);
  // A complete escape sequence, as this kind of terminal acts on it.
  void WriteSequence(const std::string& sequence);
  // Text and controls; glyphs one by one when the terminal wraps at once.
  void WriteText(std::string_view text);
  void WriteGlyph(std::string_view glyph);
  void Write(std::string_view bytes);

  VTerm* vt_ = nullptr;
  VTermScreen* screen_ = nullptr;
  int cols_, rows_;
  EmulatorOptions options_;
  std::string sequence_;  // an escape sequence not complete yet
  std::string glyph_;     // a UTF-8 character not complete yet
  bool autowrap_ = true;  // DEC mode 7, as the program last set it
  std::function<void(std::string_view)> answer_;
  bool cursorVisible_ = true;
  int cursorShape_ = 0;
  bool altScreen_ = false;
  int mouseMode_ = 0;
  int bells_ = 0;
};

}  // namespace tarvana::test_support
