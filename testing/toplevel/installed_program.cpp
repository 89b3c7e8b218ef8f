// A program built outside the tree against the installed toolbox: it calls
// into every subsystem library on the headless console and prints one result
// of each, so that a missing library or a wrong link order shows. It includes
// the headers as any program does, with only the prefix's include/ on its path.

#include <cstdio>
#include <string>

#include <tarvana/console/headless.h>
#include <tarvana/tarvana.h>

using namespace tarvana;

int main() {
  auto& console = UseHeadlessConsole(80, 25);
  std::string out = "runtime " + UpperText("hello");

  char colour[8];
  std::snprintf(colour, sizeof colour, "%02X", MakeColor(15, 0));
  out += std::string("|console ") + colour;

  out += "|window " + Cp437ToUtf8(FrameChars(1).substr(0, 1));

  const BasedArray<std::string> items(1, {"pear", "apple", "plum"});
  const BasedArray<std::uint8_t> hotKeys(1, {1, 1, 2}), disabled(1, 3);
  const BasedArray<std::string> help(1, 3);
  WindowRec window{3, 3, 0, 0, 1, 2, 0, 0, 0, 0x1F, 0x1E, 0x1B};
  std::uint8_t choice = 1;
  console.QueueKeys("Down Enter");
  out += "|menu " + std::to_string(BoxMenu(items, hotKeys, help, disabled, choice, window, "Menu",
                                           0, 0x1E, 0x18, 0x1F, 0x71));

  console.QueueKeys("End Enter");
  const WindowRec list{3, 3, 10, 0, 1, 2, 0, 0, 0, 0x1F, 0x1E, 0x1B};
  out += "|picklist " + std::to_string(PickList(items, 1, list, "List", 1, 0x71));

  FieldRec field;
  field.Row = 5;
  field.Col = 1;
  field.Length = 3;
  field.FieldType = field_type::kDigits;
  field.EditMode = 3;
  std::string value;
  std::uint8_t cursor = 0;
  std::int16_t insertMode = -1;
  console.QueueText("042\r");
  TextField(field, "Number: ", value, "\r", cursor, insertMode);
  out += "|entry " + value;

  out += "|text " + NumberToWords(42);
  out += "|datetime " + AddDays("02/28/2024", 1);
  out += "|calendar " + std::to_string(CalendarFits(1, 1, 1, 1));

  console.QueueKeys("Y");
  out += "|tools " + DialogWait(BasedArray<std::string>(1, {"Quit?"}),
                                WindowRec{0, 0, 0, 0, 1, 2, 0, 0, 0, 0x1F, 0x1E, 0x1B}, "Question");

  console.QueueKeys("Down Enter");
  const std::string fruit[] = {"pear", "apple", "plum"};
  out += "|ui " + std::to_string(ui::PickOne(fruit).value_or(9));

  out += "|picture " + ScreenSvg().substr(0, 4);
  std::printf("%s\n", out.c_str());
  return 0;
}
