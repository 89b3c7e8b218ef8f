#pragma once
// The file viewer as a state record, an opening, a step that takes one KeyCode
// and the page drawing (DrawViewPage), so that the loops of ViewFile and
// KeyViewFile stay thin and tests and benchmarks can drive the viewer key by
// key.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/cell_string.h"
#include "console/input_event.h"
#include "console/screen_save.h"
#include "console/types.h"
#include "text/file_viewer.h"
#include "text/input_line_state.h"
#include "text/view_line_file.h"

namespace tarvana {

// The line that stands for the end of the file, after its last line.
inline constexpr std::string_view kEndOfFileMarker = "<End of File>";
// Lines held at a time (more when a page is taller).
inline constexpr int kViewBufferLines = 50;
// Characters of a line that are kept and can be scrolled to; the rest of a
// longer line is not shown. In a UTF-8 file these are cells.
inline constexpr std::size_t kViewLineChars = 65536;
// Bytes of a UTF-8 file's line read to fill kViewLineChars cells: four for
// each, as most characters take.
inline constexpr std::size_t kViewUtf8LineBytes = 4 * kViewLineChars;

struct FileView {
  WindowRec window;
  int tabWidth = -1;
  std::uint8_t scrollBar = 0;
  bool mouse = true;  // false: KeyViewFile, every mouse event beeps
  ViewLineFile file;
  // Decided when the file opens (IsUtf8Head): its lines are UTF-8 drawn a
  // cluster per cell, not code page 437 bytes.
  bool utf8 = false;
  // The buffer: lines[i] is line bufferFirst + i (tabs expanded, or the end
  // marker, or empty after it); starts[i] its byte offset, with one more entry
  // for the offset after the last. In a UTF-8 file the lines are cellLines
  // (Utf8ViewLine) and lines holds as many empty strings.
  std::vector<std::string> lines;
  std::vector<CellString> cellLines;
  std::vector<std::int64_t> starts;
  std::int64_t bufferFirst = 1;
  std::int64_t topLine = 1;
  std::int64_t leftColumn = 1;  // the first column (cell) shown
  int thumbRow = 0;             // the scroll-bar thumb's row, drawn or not
  // While a line number is being typed after Alt-L.
  std::optional<InputLineState> lineNumber;
  std::uint8_t bottomFrameChar = 0;  // read once when the window opens
  ScreenSave save;
};

// What a step did.
enum class ViewStep {
  kDrawn,    // moved (or stayed at a limit) and drew the page again
  kTyping,   // Alt-L's prompt is up, or a key went to the line number
  kRefused,  // a key without meaning: beeped
  kClosed,   // Esc or a right click: the screen is restored
};

// Opens the file and, when it can be shown, the window with its first page.
// Returns 0 (open), -1 (missing or unreadable, or a window that does not fit)
// or -2 (empty), drawing nothing for the last two.
int OpenFileView(FileView& view, std::string_view fileName, const WindowRec& window, int tabWidth,
                 std::uint8_t scrollBar, bool mouse);
// Acts on one event; mouse events act at the cell they carry.
ViewStep StepFileView(FileView& view, const InputEvent& event);
// The same for a KeyCode just taken from the console, whose mouse cell the
// console still reports.
ViewStep StepFileView(FileView& view, const KeyCode& key);

// The line number of the end marker, or INT64_MAX while the end is not known.
std::int64_t ViewLastLine(const FileView& view);
// Text rows and columns of the page.
int ViewPageHeight(const WindowRec& window);
int ViewPageWidth(const WindowRec& window);
// The window lies on the screen with room for at least one row and one
// column of text.
bool ViewWindowFits(const WindowRec& window);

// ExpandTabs whose result is cut to at most limit characters.
std::string ExpandTabsUpTo(std::string_view line, int tabWidth, std::size_t limit);

}  // namespace tarvana
