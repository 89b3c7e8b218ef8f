#pragma once
// String tools for code page 437 text: capitalising, small words of titles,
// justifying, reversing, zero padding and removing a substring. Each returns a
// new string and leaves its arguments unchanged; casing is that of UpperChar
// and LowerChar.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvana {

// The text with its first character upper-cased.
std::string CapFirst(std::string_view text);
// The text lower-cased, then its first character and every character after a
// blank upper-cased ("MARY-ANN O'NEIL" gives "Mary-ann O'neil").
std::string ProperCase(std::string_view text);
// The text with every whole-word occurrence of in, on, of, the, or, for, by,
// with, to, a, at, and, then, too, but, this, that lower-cased, whatever its
// case; a word is bounded by the ends of the text or by any of
// blank , . ; ? ! : ` ' and the double quote. Nothing is upper-cased.
std::string LowerSmallWords(std::string_view text);
// Exactly width characters (none for a width below 1): the text followed by
// copies of pad's first character (character 0 for an empty pad), cut to the
// first width characters.
std::string LeftJustify(std::string_view text, int width, std::string_view pad);
// Exactly width characters: copies of pad's first character followed by the
// text, cut to its last width characters.
std::string RightJustify(std::string_view text, int width, std::string_view pad);
// The characters of the text in reverse order.
std::string ReverseString(std::string_view text);
// The decimal digits of number with leading zeros, exactly width characters,
// a longer number keeping its last width digits: 7 in width 3 is "007". A
// negative number keeps its "-" in front of the zeros: -7 in width 4 is "-007".
std::string ZeroPadNumber(std::int32_t number, std::int32_t width);
// The text without the first occurrence of target (case-sensitive); unchanged
// when target does not occur.
std::string RemoveFirst(std::string_view text, std::string_view target);

}  // namespace tarvana
