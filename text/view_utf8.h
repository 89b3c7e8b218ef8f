#pragma once
// UTF-8 text files in the viewer: telling them from code page 437 files, and
// a line as the cells the viewer keeps and draws (a grapheme cluster per cell,
// two for a wide one, tabs expanded by cells). Pure functions: no terminal is
// needed.

#include <cstddef>
#include <string_view>

#include "console/cell_string.h"

namespace tarvana {

// The bytes at a file's start that decide whether it is UTF-8.
inline constexpr std::size_t kUtf8ProbeBytes = 64 * 1024;
// The byte order mark a UTF-8 file may start with; it is not shown.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// True when head, a file's first bytes, is valid UTF-8 holding at least one
// byte of 0x80 or more (pure ASCII draws the same either way). A sequence cut
// by head's end is valid when the file goes on past it (more).
bool IsUtf8Head(std::string_view head, bool more);

// A line of a UTF-8 file as cells: its text as CellString::FromUtf8 makes it
// (U+FFFD for ill-formed bytes and for controls beyond ASCII, bidirectional
// controls left out), each tab the blanks up to the next stop (every tabWidth
// cells of the expanded line; a tabWidth below 1 keeps tabs, shown as their
// glyph), a cluster cut to its first 64 bytes, the whole cut to at most
// cellLimit cells by whole clusters.
CellString Utf8ViewLine(std::string_view line, int tabWidth, int cellLimit);

}  // namespace tarvana
