#pragma once
// Dialog boxes: a message of several lines in a window sized to fit it,
// centred on the 80 by 25 screen or placed by the caller, and the ways of
// waiting for an answer.

#include <string>
#include <string_view>

#include "console/screen_save.h"
#include "console/types.h"
#include "runtime/based_array.h"

namespace tarvana {

// Opens the box and writes the message, each line centred; an empty line is a
// blank row. rec.Top = 0 asks for automatic placement on 80 by 25; otherwise
// Top, Left, Bottom and Right are used as given (lines that do not fit run
// past the frame, cut at the screen's edge). save receives the screen under
// the box (close with RestoreScreen), row the box's Top and col its Left + 2.
// A box without an interior, or not wholly on the screen (automatic placement
// of more than 20 lines or of a line longer than 75 characters), is not
// drawn: save is left dead and row and col receive 0.
void DrawDialog(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                ScreenSave& save, int& row, int& col);
// Shows the box until one KeyCode (a key or a mouse event) arrives, closes it
// and returns the KeyCode. Each of the three answers returns at once, with
// the empty KeyCode (or 0), reading no key, when DrawDialog draws no box.
KeyCode DialogWait(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title);
// Shows the box until a key equals one of the choices and returns its 1-based
// position in the choices; other keys and clicks are ignored. A one-byte key
// matches regardless of case, but an exact match earlier or later wins. No
// choices at all: 0 at once, nothing drawn.
int DialogChoice(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                 const BasedArray<std::string>& choices);
// Shows the box until a key (returned as it is) or a click: a right click
// returns NUL + 2, a left click NUL + 1 — anywhere when clickOnly is 0,
// otherwise only on the box's row Top, column Left + 2.
KeyCode DialogBox(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                  int clickOnly);

}  // namespace tarvana
