// libFuzzer target: the field editors (TextField, TemplateField, CalcField,
// DecimalField) and EntryScreen with arbitrary field descriptors, prompts,
// values, templates and arrays of arbitrary bounds, fed arbitrary keys on the
// headless console. Editors draw only on their prompt and cells, keep a text
// field within its length and a template value as long as its template, and
// EntryScreen ends with one of its keys on a field of its range.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "entry/calc_field.h"
#include "entry/decimal_field.h"
#include "entry/entry_screen.h"
#include "entry/template_field.h"
#include "entry/text_field.h"
#include "testing/fuzz_support.h"

namespace {

using namespace tarvana;
using fuzz::Area;
using fuzz::FuzzBytes;
using fuzz::FuzzFail;

// The exit keys the fuzzer may choose from: Enter, Esc, F10, Up, Tab, "." and
// a letter.
const KeyCode kExitChoices[] = {"\r", "\x1b", ExtendedKey(scan::kF10), ExtendedKey(scan::kUp), "\t",
                                ".",  "q"};

std::string ExitKeys(FuzzBytes& in) {
  std::string keys;
  for (std::uint8_t b = in.Byte(), i = 0; i < 7; ++i)
    if (b >> i & 1) keys += kExitChoices[i];
  return keys;
}

FieldRec Field(FuzzBytes& in) {
  FieldRec f;
  f.Row = static_cast<std::uint8_t>(in.Byte() % 30);
  f.Col = static_cast<std::uint8_t>(in.Byte() % 90);
  f.Length = static_cast<std::uint8_t>(in.Byte() % 4 == 0 ? in.Byte() : in.Byte() % 24);
  static constexpr std::uint8_t kTypes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 254, 255, 11};
  f.FieldType = kTypes[in.Byte() % 14];
  f.EditMode = static_cast<std::uint8_t>(in.Byte() % 9);
  f.Mask = static_cast<std::int16_t>(in.Byte() % 4 == 0 ? in.In(-1, 3) * 21 : -1);
  f.ExitOnChange = static_cast<std::int16_t>(in.Byte() % 5 == 0);
  f.PromptColor = in.Byte();
  f.NormalColor = in.Byte();
  f.EditColor = in.Byte();
  f.Changed = static_cast<std::int16_t>(in.In(-1, 1));
  return f;
}

// Templates of slots (codes 1-10) and literals.
std::string Template(FuzzBytes& in) {
  std::string t = in.Text(16);
  for (char& c : t)
    if (static_cast<unsigned char>(c) % 3 != 0) c = static_cast<char>(1 + c % 10);
  return t;
}

// The cells a field draws on: its prompt and `cells` cells after it.
Area FieldArea(const FieldRec& f, std::size_t prompt, std::size_t cells) {
  return {f.Row, f.Col, f.Row, static_cast<int>(f.Col + prompt + cells) - 1};
}

void CheckEditor(FuzzBytes& in, HeadlessConsole& console) {
  FieldRec field = Field(in);
  const std::string prompt = in.Text(20), templ = Template(in), exitKeys = ExitKeys(in);
  std::string value = in.Text(30), whole = in.Text(8), decimals = in.Text(8);
  const std::int16_t wholeDigits = static_cast<std::int16_t>(in.In(-2, 12));
  const std::int16_t decimalDigits = static_cast<std::int16_t>(in.In(-2, 12));
  std::int16_t insert = static_cast<std::int16_t>(in.In(-1, 0));
  std::uint8_t cursor = in.Byte();
  const int editor = in.Byte() % 4;
  fuzz::QueueFuzzInput(console, in);
  const std::vector<Cell> before = fuzz::Screen();
  const std::string given = value;
  // The decimal field's whole part and point and decimals follow the prompt.
  const std::size_t cells = editor == 1 ? templ.size()
                            : editor == 3
                                ? std::max(0, +wholeDigits) + 1 + std::max(0, +decimalDigits)
                                : field.Length;
  try {
    switch (editor) {
      case 0:
        if (!TextField(field, prompt, value, exitKeys, cursor, insert).empty() && value != given &&
            value.size() > field.Length)
          FuzzFail("TextField stored more than its length");
        break;
      case 1:
        if (!TemplateField(field, prompt, templ, value, exitKeys).empty() && field.EditMode != 0 &&
            LastSlot(templ) != 0 && value.size() != templ.size())
          FuzzFail("TemplateField stored a value not as long as its template");
        break;
      case 2:
        if (!CalcField(field, prompt, value, exitKeys).empty() && field.EditMode != 0 &&
            value != given && value.size() != field.Length)
          FuzzFail("CalcField stored a value not as long as the field");
        break;
      default:
        DecimalField(field, prompt, wholeDigits, decimalDigits, whole, decimals, exitKeys);
        break;
    }
  } catch (const HeadlessInputExhausted&) {
  }
  fuzz::ExpectOnlyInside(before, {FieldArea(field, prompt.size(), cells)}, "a field editor");
}

void CheckEntryScreen(FuzzBytes& in, HeadlessConsole& console) {
  const int count = in.In(0, 6);
  const int lower = in.Byte() % 4 == 0 ? fuzz::FuzzLowerBound(in, count + 2) : in.In(-3, 3);
  std::vector<FieldRec> fieldValues;
  std::vector<std::string> prompts, values, templates;
  for (int i = 0; i < count; ++i) {
    fieldValues.push_back(Field(in));
    prompts.push_back(in.Text(16));
    values.push_back(in.Text(24));
    templates.push_back(Template(in));
  }
  // The other arrays usually share the fields' bounds.
  const auto bound = [&] {
    return in.Byte() % 8 == 0 ? std::max(lower, INT32_MIN + 1) - 1 : lower;
  };
  BasedArray<FieldRec> fields(lower, fieldValues);
  const BasedArray<std::string> promptArray(bound(), prompts);
  BasedArray<std::string> valueArray(bound(), values);
  const BasedArray<std::string> templateArray(bound(), templates);
  std::int16_t current = static_cast<std::int16_t>(in.In(-4, 8));
  const std::string exitKeys = ExitKeys(in);
  const std::int16_t showFirst = static_cast<std::int16_t>(in.In(-1, 1));
  std::int16_t insert = static_cast<std::int16_t>(in.In(-1, 0)), anyChanged = 0;
  fuzz::QueueFuzzInput(console, in);
  const std::vector<Cell> before = fuzz::Screen();
  try {
    const KeyCode key = EntryScreen(fields, promptArray, valueArray, templateArray, current,
                                    exitKeys, showFirst, insert, anyChanged);
    if (!key.empty() && !fields.Contains(current)) FuzzFail("EntryScreen ended off its fields");
    if (!key.empty() && key != "\xFE" && key != "\xFF" && exitKeys.find(key) == std::string::npos)
      FuzzFail("EntryScreen ended with a key that is none of its exit keys");
  } catch (const HeadlessInputExhausted&) {
  }
  // Every field draws on its own prompt and cells only (a template field on
  // its template).
  std::vector<Area> areas;
  for (int i = 0; i < count; ++i) {
    const FieldRec& f = fieldValues[i];
    const std::size_t cells = f.FieldType == 9 ? templates[i].size() : f.Length;
    areas.push_back(FieldArea(f, prompts[i].size(), cells));
  }
  const std::vector<Cell> now = fuzz::Screen();
  for (std::size_t i = 0; i < now.size(); ++i) {
    if (now[i] == before[i]) continue;
    const int row = static_cast<int>(i) / ScreenWidth() + 1;
    const int col = static_cast<int>(i) % ScreenWidth() + 1;
    if (std::none_of(areas.begin(), areas.end(), [&](const Area& a) { return a.Holds(row, col); }))
      FuzzFail("EntryScreen drew outside its fields at row " + std::to_string(row) + ", column " +
               std::to_string(col));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  HeadlessConsole& console = fuzz::UseFuzzScreen(in);
  if (in.Flag())
    CheckEntryScreen(in, console);
  else
    CheckEditor(in, console);
  return 0;
}
