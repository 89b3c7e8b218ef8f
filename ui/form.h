#pragma once
// Forms built from field descriptions: a framed window of labelled fields
// edited one at a time, with a validator per field whose message is shown in
// the form while the field stays open. Values are UTF-8.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/list_of.h"
#include "ui/scheme.h"

namespace tarvana::ui {

enum class FieldKind {
  kText,        // any characters of any script, kept as typed
  kUpperCase,   // letters of any script (with their marks) and spaces, upper-cased as typed
  kTemplate,    // laid out by FormField::pattern
  kDecimal,     // width whole digits (and a minus sign), a point, `decimals` digits
  kCalculator,  // a number entered from the right, as on a calculator
  kDate,        // MM-DD-YYYY, a real date or empty
};

struct FormField {
  std::string label{};
  FieldKind kind = FieldKind::kText;
  // Cells of a text, upper-case or calculator field (a longer text or
  // upper-case text scrolls sideways); whole digits of a decimal field;
  // templates and dates take their pattern's width.
  int width = 20;
  // The value at the start (a template's characters in every position; a
  // decimal as "123.45"; a date as MM-DD-YYYY).
  std::string value{};
  // kTemplate: '#' a digit, 'A' a letter of any script (upper-cased) or a
  // space, '?' any character; every other character stands as it is, in any
  // script (a wide one taking two cells). Each '#', 'A' and '?' is one cell:
  // a wide character, or a mark alone, typed there is refused with a beep. An
  // edited value holds the pattern's characters in their places.
  std::string pattern{};
  // kDecimal: digits after the point.
  int decimals = 2;
  // Returns an error message for a value it refuses, or "" to accept it.
  std::function<std::string(const std::string& value)> validator{};
};

struct FormOptions {
  std::string title{};
  // The window's top-left corner (1-based), 0 centres.
  int row = 0;
  int col = 0;
  Scheme scheme = schemes::kBlue;
};

// Shows the fields below each other and lets the user fill them. A character
// typed first in a field replaces its value; an editing key first (arrows,
// Home, End, Del, Backspace) keeps it for editing. Enter, Tab
// and Down go to the next field, Up and Shift+Tab to the previous one; Enter
// on the last field or F10 anywhere finishes, Esc cancels. A field whose
// validator (or, for a date, whose date) refuses its value stays open with the
// message shown below the fields, wrapped at blanks and '\n' (the form grows by
// the rows a long message needs, as far as the screen allows); finishing
// checks every field first. Returns the values in the
// order of the fields (a value unchanged is returned exactly as given), or
// nothing on Esc. The screen is left as it was. Throws std::invalid_argument
// naming the argument for no fields, a width or decimals out of 0-99 (width at
// least 1), a template field without a pattern, a pattern with no '#', 'A' or
// '?' or with a control character, or a form that does not fit on the screen.
std::optional<std::vector<std::string>> FillForm(ListOf<FormField> fields,
                                                 const FormOptions& options = {});

}  // namespace tarvana::ui
