#pragma once
// Case rules of the toolbox's code page 437 text: a-z plus the seven accented
// letter pairs that have both cases in the code page.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvana {

// Upper case of one CP437 byte: a-z to A-Z and 132 148 129 130 164 134 135 to
// 142 153 154 144 165 143 128; every other byte unchanged.
unsigned char UpperChar(unsigned char c);
// Lower case of one CP437 byte, the inverse of UpperChar.
unsigned char LowerChar(unsigned char c);
std::string UpperText(std::string_view text);
std::string LowerText(std::string_view text);

}  // namespace tarvana
