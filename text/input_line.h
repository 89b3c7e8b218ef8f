#pragma once
// Reading a line of text typed at the cursor.

#include <string>

namespace tarvana {

// Waits for character keys, echoes each character of code 32 and above at the
// cursor and collects up to maxChars of them (a character beyond that beeps);
// Backspace takes back the last one, Enter ends the input and moves the cursor
// to column 1 of the next row. Other control characters, extended keys and
// mouse events are passed over. Returns the text collected.
std::string InputLine(int maxChars = 10000);

}  // namespace tarvana
