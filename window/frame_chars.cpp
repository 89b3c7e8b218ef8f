#include <array>

#include "window/window.h"

namespace tarvana {
namespace {

// Code page 437 codes in the order top-left, bottom-left, top-right,
// bottom-right, left, right, top, bottom.
using FrameCodes = std::array<unsigned char, 8>;
constexpr std::array<FrameCodes, 20> kFrames = {{
    {32, 32, 32, 32, 32, 32, 32, 32},         {218, 192, 191, 217, 179, 179, 196, 196},
    {201, 200, 187, 188, 186, 186, 205, 205}, {214, 211, 183, 189, 186, 186, 196, 196},
    {213, 212, 184, 190, 179, 179, 205, 205}, {214, 211, 191, 217, 186, 179, 196, 196},
    {218, 192, 183, 189, 179, 186, 196, 196}, {213, 192, 184, 217, 179, 179, 205, 196},
    {218, 212, 191, 190, 179, 179, 196, 205}, {213, 212, 187, 188, 179, 186, 205, 205},
    {201, 200, 184, 190, 186, 179, 205, 205}, {214, 200, 183, 188, 186, 186, 196, 205},
    {201, 211, 187, 189, 186, 186, 205, 196}, {219, 219, 219, 219, 219, 219, 219, 219},
    {220, 223, 220, 223, 221, 222, 220, 223}, {220, 223, 220, 223, 219, 219, 220, 223},
    {32, 32, 32, 32, 32, 32, 196, 196},       {179, 179, 179, 179, 179, 179, 32, 32},
    {32, 32, 32, 32, 32, 32, 205, 205},       {186, 186, 186, 186, 186, 186, 32, 32},
}};

}  // namespace

std::string FrameChars(int style) {
  const FrameCodes& codes = style >= 1 && style <= 19 ? kFrames[style] : kFrames[0];
  return std::string(codes.begin(), codes.end());
}

}  // namespace tarvana
