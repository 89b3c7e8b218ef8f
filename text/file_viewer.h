#pragma once
// The file viewer: a text file of any length in a framed window, scrolled by
// line and by page, sideways in steps of ten columns, to the start, the end or
// a line number, and paged by mouse clicks on the scroll bar. Only a page
// buffer of lines and a sparse index of line starts are held in memory. A
// file whose first 64 KiB is UTF-8 beyond ASCII is shown as UTF-8, a grapheme
// cluster per cell (two for a wide one); any other file as code page 437
// bytes, one per cell.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/types.h"

namespace tarvana {

// The viewer's working state (text/file_viewer_state.h).
struct FileView;

// Shows the file in the window (title: the file name) until Esc or a right
// click, then restores the screen and returns 0. FillColor is the text's
// colour; FrameColor that of the arrows, the line-number prompt and the
// scroll-bar track; TitleColor that of the scroll-bar thumb. Tabs stop every
// tabWidth columns (-1 or any width below 1 keeps them as they are); a UTF-8
// file's columns are cells, its byte order mark is not shown, and ill-formed
// bytes and controls show as PrintUtf8 shows them (U+FFFD, glyphs); a
// scrollBar other than 0 draws a scroll bar on the right frame. Returns -1,
// drawing nothing, when the file is missing or cannot be read (no permission,
// a directory) or when the window cannot show it (it does not lie wholly on
// the screen, or leaves no text row or text column: Bottom - Top < 2 or
// Right - Left < 4), and -2 when the file is empty. A file whose size reads
// 0 but that has contents (Linux's /proc files) is read whole when it opens,
// and refused with -1 beyond 16 MiB; FIFOs and devices are refused with -1.
int ViewFile(std::string_view fileName, const WindowRec& window, int tabWidth,
             std::uint8_t scrollBar);
// ViewFile without the mouse: every mouse event beeps.
int KeyViewFile(std::string_view fileName, const WindowRec& window, int tabWidth,
                std::uint8_t scrollBar);
// The line with each tab replaced by the blanks up to the next tab stop
// (stops at columns tabWidth + 1, 2 * tabWidth + 1, ...); unchanged for a
// tabWidth below 1.
std::string ExpandTabs(std::string_view line, int tabWidth);
// Brings the viewer's line buffer to its top line (kept between line 1 and the
// end marker) and draws the page, the arrows on the bottom frame and the
// scroll bar; nothing for a window that ViewFile would refuse.
void DrawViewPage(FileView& view);

}  // namespace tarvana
