#include "console/console.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "entry/text_field.h"
#include "runtime/number_format.h"
#include "text/number_words.h"
#include "text/temperature.h"

namespace tarvana::demo {

void RunConversionsDemo() {
  StartScreen();
  Locate(3, 1);
  PrintLines({"  The Tarvana Toolbox can convert numbers into their word equivalents.",
              "  For example, 132 becomes `one hundred thirty-two'.  Try it now!"});
  std::int16_t insertMode = -1;
  std::uint8_t cursor = 0;
  FieldRec field = ToolField(6, 5, 6, field_type::kSignedInteger);
  std::string number;
  if (TextField(field, "Enter a Number: ", number, kEnterOrEsc, cursor, insertMode) == "\x1b")
    return;
  Locate(8, 5);
  PrintText(NumberToWords(RoundToInt(LeadingNumber(number))));

  SetColor(0, 16);
  Locate(11, 1);
  PrintLines({"  The Toolbox can also convert temperatures between Fahrenheit, Celsius,",
              "  and Kelvin.  Enter a Fahrenheit temperature now."});
  field.Row = 14;
  field.FieldType = field_type::kSignedDecimal;
  std::string temperature;
  cursor = 0;
  if (TextField(field, "Enter a Temperature: ", temperature, kEnterOrEsc, cursor, insertMode) ==
      "\x1b")
    return;
  const double t = LeadingNumber(temperature);
  Locate(16, 5);
  PrintText("Celsius equivalent:" + PrintedNumber(FahrenheitToCelsius(t), kDoubleDigits));
  NewLine();
  PrintText("     Kelvin equivalent:" + PrintedNumber(FahrenheitToKelvin(t), kDoubleDigits));
  NewLine();
  NewLine();
  SetColor(0, 16);
  PrintText("  Press any key to return to the menu.");
  WaitKey();
}

}  // namespace tarvana::demo
