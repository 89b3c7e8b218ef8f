#pragma once
// The pure half of the Windows console backend: the console API's key and
// mouse event records turned into the toolbox's input records, the cell
// rectangles a new screen changed, and cells as the console's character
// cells and text. Plain values, so it builds and is tested on every platform;
// the backend copies the system's records into them.

#include <cstdint>
#include <string>
#include <vector>

#include "console/input_record.h"
#include "console/types.h"

namespace tarvana {

// The fields of a KEY_EVENT_RECORD.
struct ConsoleKeyEvent {
  bool keyDown = true;
  std::uint16_t repeatCount = 1;
  std::uint16_t virtualKey = 0;
  std::uint16_t virtualScan = 0;
  char16_t unicodeChar = 0;
  std::uint32_t controlKeyState = 0;
};

// The fields of a MOUSE_EVENT_RECORD.
struct ConsoleMouseEvent {
  int x = 0;  // 0-based cell of the pointer
  int y = 0;
  std::uint32_t buttonState = 0;
  std::uint32_t controlKeyState = 0;
  std::uint32_t eventFlags = 0;
};

// The console API's flag values (dwControlKeyState, dwEventFlags).
namespace consoleApi {
inline constexpr std::uint32_t kRightAlt = 0x0001;
inline constexpr std::uint32_t kLeftAlt = 0x0002;
inline constexpr std::uint32_t kRightCtrl = 0x0004;
inline constexpr std::uint32_t kLeftCtrl = 0x0008;
inline constexpr std::uint32_t kShift = 0x0010;
inline constexpr std::uint32_t kCapsLock = 0x0080;
inline constexpr std::uint32_t kMouseMoved = 0x0001;
inline constexpr std::uint32_t kDoubleClick = 0x0002;
inline constexpr std::uint32_t kMouseWheeled = 0x0004;
inline constexpr std::uint32_t kMouseHWheeled = 0x0008;
inline constexpr std::uint16_t kLeadingByte = 0x0100;   // CHAR_INFO: first cell of a wide character
inline constexpr std::uint16_t kTrailingByte = 0x0200;  // CHAR_INFO: its second cell
}  // namespace consoleApi

// What key mapping remembers between events: a character outside the Basic
// Multilingual Plane comes as two events, its UTF-16 high and low surrogates.
struct ConsoleKeyState {
  char16_t highSurrogate = 0;  // the high half waiting for its low half; 0 none
};

// Appends the records a key event stands for (one per repeat); nothing for a
// key the toolbox does not know, nor for the first half of a surrogate pair,
// whose character comes with the second. A character code page 437 holds is
// that character; one it lacks is its stand-in with text set, or a
// kUnshowable record with text set; a surrogate without its other half is
// U+FFFD.
void MapConsoleKeyEvent(const ConsoleKeyEvent& event, ConsoleKeyState& state,
                        std::vector<InputRecord>& out);
// The record of a mouse event.
InputRecord MapConsoleMouseEvent(const ConsoleMouseEvent& event);

// A rectangle of cells, 0-based, edges included.
struct CellRect {
  int top = 0, left = 0, bottom = 0, right = 0;
  friend bool operator==(const CellRect&, const CellRect&) = default;
};

// The rectangles to write so that a cols-wide screen showing shown shows now:
// each run of rows with changes becomes one rectangle from its leftmost to its
// rightmost changed column, widened so that it holds both cells of a wide
// cluster or neither. Everything when the two differ in size.
std::vector<CellRect> ChangedRects(const std::vector<Cell>& shown, const std::vector<Cell>& now,
                                   int cols);

// The fields of a CHAR_INFO.
struct ConsoleCharInfo {
  char16_t ch = u' ';
  std::uint16_t attributes = 7;
  friend bool operator==(const ConsoleCharInfo&, const ConsoleCharInfo&) = default;
};

// The console cell that shows cell col (0-based) of a row of cols cells: a
// code page 437 glyph; a text cell's scalar, or the first scalar of its
// cluster, when that is in the Basic Multilingual Plane; both cells of a
// wide cluster with that character, marked leading and trailing. Any other
// cluster is its cell's stand-in, in each cell it takes.
ConsoleCharInfo ConsoleCharOfCell(const Cell* row, int cols, int col);

// Clusters that the console's cells hold only as a stand-in or in part
// (outside the Basic Multilingual Plane, or of several scalars), as UTF-16
// text to write over those cells where the console takes text of any script.
// Adjacent clusters of one colour are one text.
struct ConsoleText {
  int row = 0, col = 0;  // 0-based first cell
  int width = 0;         // cells the text takes
  ColorAttr attr = 7;
  std::u16string text;
  friend bool operator==(const ConsoleText&, const ConsoleText&) = default;
};

// The texts of the clusters that start in rectangle r of a cols-wide screen,
// left to right, top to bottom; none that reaches the last column, where the
// console's cursor stops and so cannot show how wide the console laid it out.
std::vector<ConsoleText> ConsoleTextsIn(const std::vector<Cell>& cells, int cols,
                                        const CellRect& r);

}  // namespace tarvana
