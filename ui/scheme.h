#pragma once
// Named colour schemes for the modern layer: what every window, menu, list,
// form and dialog of one look draws with, instead of raw attribute bytes.

#include <string_view>

#include "console/types.h"

namespace tarvana::ui {

struct Scheme {
  ColorAttr text;      // window interiors, labels, entry texts
  ColorAttr frame;     // frames
  ColorAttr title;     // titles and the scroll-bar thumb
  ColorAttr shadow;    // block shadows
  ColorAttr bar;       // the highlight bar of menus and lists
  ColorAttr hotKey;    // hot-key letters and the marks of a multiple pick list
  ColorAttr disabled;  // disabled menu entries
  ColorAttr help;      // the help line
  ColorAttr field;     // form fields not being edited
  ColorAttr editing;   // the form field being edited
  ColorAttr error;     // a form's error message
  std::uint8_t frameStyle = 1;
  std::uint8_t shadowType = 6;
};

namespace schemes {
inline constexpr Scheme kBlue{0x1F, 0x1E, 0x1B, 0x70, 0x71, 0x1E, 0x18, 0x1F, 0x70, 0x3F, 0x4F};
inline constexpr Scheme kCyan{0x30, 0x3F, 0x3E, 0x08, 0x1F, 0x34, 0x38, 0x30, 0x1F, 0x1E, 0x4F};
inline constexpr Scheme kGrey{0x70, 0x7F, 0x71, 0x08, 0x1F, 0x74, 0x78, 0x70, 0x1F, 0x1E, 0x4F};
inline constexpr Scheme kMono{0x07, 0x0F, 0x0F, 0x08, 0x70, 0x0F, 0x08, 0x07, 0x70, 0x70, 0x70};
}  // namespace schemes

// The scheme called "blue", "cyan", "grey" or "mono"; throws
// std::invalid_argument naming any other name.
Scheme SchemeNamed(std::string_view name);

}  // namespace tarvana::ui
