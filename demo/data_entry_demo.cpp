#include <string>

#include "console/console.h"
#include "demo/demo_text.h"
#include "demo/screens.h"
#include "entry/entry_screen.h"
#include "entry/field_rec.h"

namespace tarvana::demo {
namespace {

// The name-and-address form, its fields in navigation order from 1.
struct AddressForm {
  BasedArray<FieldRec> fields{1, 8};
  BasedArray<std::string> prompts{1, 8};
  BasedArray<std::string> values{1, 8};
  BasedArray<std::string> templates{1, 8};

  AddressForm() {
    Add(1, "Enter your name, address, and phone number.", 9, 3, 0, field_type::kLabel, 4);
    Add(2, "First Name: ", 11, 3, 10, field_type::kAnyCharacter, 4);
    Add(3, "Last Name: ", 12, 3, 15, field_type::kAnyCharacter, 4);
    Add(4, "Address: ", 13, 3, 30, field_type::kAnyCharacter, 4);
    Add(5, "City: ", 14, 3, 20, field_type::kAnyCharacter, 4);
    Add(6, "State: ", 14, 31, 2, field_type::kUpperLetters, 6);
    Add(7, "Zip Code: ", 14, 42, 0, field_type::kTemplate, 6);
    Add(8, "Phone Number: ", 15, 3, 0, field_type::kTemplate, 6);
    templates[7] = std::string(5, '\1') + "-" + std::string(4, '\1');
    templates[8] =
        "(" + std::string(3, '\1') + ") " + std::string(3, '\1') + "-" + std::string(4, '\1');
  }

  void Add(int i, const char* prompt, int row, int col, int length, std::uint8_t type, int mode) {
    FieldRec& f = fields[i];
    f.Row = static_cast<std::uint8_t>(row);
    f.Col = static_cast<std::uint8_t>(col);
    f.Length = static_cast<std::uint8_t>(length);
    f.FieldType = type;
    f.EditMode = static_cast<std::uint8_t>(mode);
    f.Mask = -1;
    f.ExitOnChange = 0;
    f.PromptColor = 113;
    f.NormalColor = 116;
    f.EditColor = 11;
    prompts[i] = prompt;
  }
};

}  // namespace

void RunDataEntryDemo() {
  StartScreen();
  Locate(3, 1);
  PrintLines({"  The Tarvana Toolbox includes four powerful and flexible data entry",
              "  routines.  The individual data entry routines have been used throughout",
              "  this demo, whenever you have been asked to enter any kind of information.",
              "  This screen contains several data entry fields, managed by the",
              "  EntryScreen function.  To return to the menu, press the Esc or F10 key."});

  AddressForm form;
  std::int16_t current = 2, insertMode = -1, anyChanged = 0;
  const std::string exitKeys = std::string("\x1b") + ExtendedKey(scan::kF10);
  const KeyCode key = EntryScreen(form.fields, form.prompts, form.values, form.templates, current,
                                  exitKeys, -1, insertMode, anyChanged);
  if (key == "\x1b") return;

  // The report keeps the colour the last field left in force.
  Locate(18, 1);
  PrintLines({"  You pressed F10 to exit the entry screen.",
              anyChanged != 0 ? "  You entered data in at least one field."
                              : "  You did not enter data in any fields.",
              "", "  Press any key to return to the menu."});
  WaitKey();
}

}  // namespace tarvana::demo
