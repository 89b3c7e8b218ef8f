#pragma once
// Windows: frames in 20 styles, titles in 8 positions, the close-box marker,
// 8 shadow types, the interior fill, scroll bars, and moving a window. The
// drawing routines leave out cells that lie off the screen.

#include <cstdint>
#include <string>
#include <string_view>

#include "console/cell_string.h"
#include "console/screen_save.h"
#include "console/types.h"

namespace tarvana {

// True when the window's corners are in order with at least one interior row
// and column between its frame lines (Top + 2 <= Bottom, Left + 2 <= Right).
// Every window routine draws nothing for a window without an interior.
bool WindowHasInterior(const WindowRec& rec);
// True when the window has an interior and lies wholly on the screen, frame
// included (its shadow may fall off the edge). The interactive routines that
// take a window (lists, the viewer, dialogs) require it.
bool WindowOnScreen(const WindowRec& rec);

// The eight frame characters of a style (top-left, bottom-left, top-right,
// bottom-right, left, right, top, bottom); any style but 1-19 gives blanks.
std::string FrameChars(int style);

// Saves the whole screen into save, then draws frame and title, interior and
// shadow. Close the window with RestoreScreen(save). The current colour is left
// at FillColor, or ShadowColor for the block shadows 5-8. A window without an
// interior is saved but not drawn.
void OpenWindow(const WindowRec& rec, std::string_view title, ScreenSave& save);
// OpenWindow with a title of any script (CellString::FromUtf8).
void OpenWindow(const WindowRec& rec, const CellString& title, ScreenSave& save);
// Saves only the window and its shadow margin, then draws frame and title,
// shadow and interior (nothing for a window without an interior). Close it
// with RestoreWindowArea(rec, save).
void OpenWindowArea(const WindowRec& rec, std::string_view title, ScreenSave& save);
void OpenWindowArea(const WindowRec& rec, const CellString& title, ScreenSave& save);
// Frame, close-box marker and title; nothing at all for frame 255 or a window
// without an interior. A title longer than the frame side is cut to fit.
void DrawFrame(const WindowRec& rec, std::string_view title);
// DrawFrame with a title of cells, cut between clusters.
void DrawFrame(const WindowRec& rec, const CellString& title);
// Makes attr the current colour and blanks rows top..bottom, columns
// left..right, one print per row.
void ClearBox(int top, int left, int bottom, int right, ColorAttr attr);
// The shadow of rec.Shadow (0: none): types 1-4 recolour the cells beside the
// window, types 5-8 print block characters in ShadowColor. Nothing for a
// window without an interior.
void DrawShadow(const WindowRec& rec);

// A vertical scroll bar in column col, rows top..bottom, with its one-cell
// thumb on row top + floor(N * current / total - 0.05), N the number of rows,
// kept on the bar (a total below 1 puts it on top). firstShown, lastShown and
// flag do not change the drawing.
void DrawScrollBar(int col, int top, int bottom, std::int64_t firstShown, std::int64_t lastShown,
                   std::int64_t current, std::int64_t total, int flag, ColorAttr trackColor,
                   ColorAttr thumbColor);
// The horizontal counterpart on a row; the cursor ends at column 1 of the next
// row (of the same row when the bar is on the bottom row, which never scrolls).
// The thumb's cell among n track cells (0 .. n - 1) for current of total:
// floor(n * current / total - 0.05), exact for any 64-bit figures; the first
// cell when total is below 1.
int ScrollBarThumb(int n, std::int64_t current, std::int64_t total);
void DrawHScrollBar(int row, int left, int right, std::int64_t firstShown, std::int64_t lastShown,
                    std::int64_t current, std::int64_t total, int flag, ColorAttr trackColor,
                    ColorAttr thumbColor);

// Moves an open window by distance cells (direction 0 left, 1 right, 2 up,
// 3 down; others do not move it) over the background save, which it consumes.
// rec receives the new corners (byte arithmetic, wrapping). Only cells of the
// rectangle that lie on the screen are lifted and set down, so a window whose
// corners have wrapped past each other carries no picture until it wraps back.
void MoveWindow(WindowRec& rec, int direction, int distance, ScreenSave& save);

}  // namespace tarvana
