#pragma once
// Whole numbers in English words: 132 is "one hundred thirty-two".

#include <cstdint>
#include <string>

namespace tarvana {

// Lower-case words of n, single blanks between them, no "and": "zero",
// "negative one", "one million five", for every signed 32-bit value.
std::string NumberToWords(std::int32_t n);
// "one " to "nine " for a digit 1-9; the empty text for 0 or anything else.
std::string OnesWord(int digit);
// The words of the two-digit group tu followed by one blank ("thirty-two ",
// "thirty ", "fifteen ", "seven "); only a blank for 00. A digit outside 0-9
// has no word, and a tens digit outside 0-9 leaves the whole group a blank.
std::string TensWords(int tens, int units);

}  // namespace tarvana
