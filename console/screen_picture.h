#pragma once
// Pictures of the screen for documents and web pages: every cell's code page
// 437 glyph in its colours from the sixteen-colour text-mode palette, read
// through the public console routines. Lines, blocks and shades are drawn as
// shapes so that frames join without gaps in any font.

#include <string>
#include <string_view>

namespace tarvana {

// The whole screen as an SVG image, 9 by 16 pixels per cell, with the text as
// selectable text.
std::string ScreenSvg();
// The whole screen as an HTML page: one preformatted block of coloured text.
std::string ScreenHtml();
// Writes ScreenHtml to a file whose name ends in ".html" or ".htm" (any case),
// ScreenSvg to any other; false when the file cannot be written.
bool SaveScreenPicture(std::string_view fileName);

}  // namespace tarvana
