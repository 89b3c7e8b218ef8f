#include <cstdlib>

#include "console/console.h"
#include "datetime/dates.h"
#include "datetime/times.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "entry/template_field.h"
#include "entry/text_field.h"
#include "runtime/number_format.h"

namespace tarvana::demo {
namespace {

constexpr char kDateTemplate[] = "\1\1/\1\1/19\1\1";
constexpr char kTimeTemplate[] = "\1\1:\1\1:\1\1.\1\1";

void WaitWith(const char* prompt) {
  PrintText(prompt);
  WaitKey();
}

// The birthdate in its twelve formats; false when the field ended with Esc.
bool ShowDateFormats(std::string& birthdate) {
  StartScreen();
  Locate(3, 1);
  PrintLines({"  The Tarvana Toolbox contains an array of Date and Time manipulation",
              "  tools.  Using the Toolbox's functions and procedures, this program will",
              "  manipulate the date and time that you enter."});
  FieldRec field = ToolField(7, 5, 0, 0);
  if (TemplateField(field, "Enter your birthdate: ", kDateTemplate, birthdate, kEnterOrEsc) ==
      "\x1b")
    return false;
  Locate(9, 1);
  PrintLines({"  Dates can be formatted in each of these ways:", ""});
  for (int format = 1; format <= 12; ++format) {
    PrintText("    " + FormatDate(birthdate, format, format <= 8 ? "/" : " "));
    NewLine();
  }
  NewLine();
  WaitWith("  Press any key to continue.");
  return true;
}

// Julian number, weekday, age in days and a date some days from today.
bool ShowDayArithmetic(const std::string& birthdate) {
  StartScreen();
  Locate(3, 3);
  PrintText("The Julian number of your birthdate is" +
            PrintedNumber(DateToJulian(birthdate), kDoubleDigits));
  NewLine();
  PrintText("  You were born on a " + WeekdayName(birthdate));
  NewLine();
  PrintText("  You are" +
            PrintedNumber(std::abs(DaysBetween(birthdate, ClockDate())), kDoubleDigits) +
            "days old.");
  NewLine();
  NewLine();
  NewLine();
  PrintLines({"  The Toolbox can perform other manipulations as well, such as adding",
              "  or subtracting days from a date to get a new day."});
  FieldRec field = ToolField(13, 5, 4, field_type::kSignedInteger);
  std::string days;
  std::uint8_t cursor = 0;
  std::int16_t insertMode = -1;
  if (TextField(field, "Number of Days: ", days, kEnterOrEsc, cursor, insertMode) == "\x1b")
    return false;
  const int n = RoundToInt(LeadingNumber(days), INT16_MIN, INT16_MAX);
  Locate(15, 3);
  PrintText("The date, in" + PrintedNumber(n, kSingleDigits) +
            "days, will be (or was): " + AddDays(ClockDate(), n));
  NewLine();
  NewLine();
  WaitWith("  Press any key to continue.");
  return true;
}

void ShowTimeFormats() {
  StartScreen();
  FieldRec field = ToolField(3, 3, 0, 0);
  std::string time;
  if (TemplateField(field, "Now enter a time (in HH:MM:SS military format): ", kTimeTemplate, time,
                    kEnterOrEsc) == "\x1b")
    return;
  Locate(5, 1);
  PrintLines({"  Times can be formatted in each of these ways:", ""});
  for (int format = 1; format <= 3; ++format)
    for (int flags = 0; flags < 4; ++flags) {
      PrintText("    " + FormatTime(time, format, flags & 1, flags & 2));
      NewLine();
    }
  NewLine();
  PrintText("  That time occurred" + PrintedNumber(SecondsAfterMidnight(time), kSingleDigits) +
            "seconds after midnight.");
  NewLine();
  PrintText("  The elapsed time between that time and the current time is " +
            ElapsedTime(ClockTime(), time));
  NewLine();
  NewLine();
  WaitWith("  Press any key to return to the menu.");
}

}  // namespace

void RunDateToolsDemo() {
  std::string birthdate;
  if (ShowDateFormats(birthdate) && ShowDayArithmetic(birthdate)) ShowTimeFormats();
}

}  // namespace tarvana::demo
