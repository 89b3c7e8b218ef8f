// libFuzzer target: the modern layer (menus, lists, dialogs and forms) with
// arbitrary UTF-8 or broken texts, counts, positions, schemes, field kinds and
// validators, fed arbitrary keys and clicks on the headless console. A call
// either throws std::invalid_argument before drawing anything or runs; one
// that returns gives an index of its own range (or a value per field) and
// leaves the screen as it found it. Any other exception is a fault.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/fuzz_support.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/menus.h"

namespace {

using namespace tarvana;
using fuzz::FuzzBytes;
using fuzz::FuzzFail;

// Mostly letters and a few UTF-8 characters the best-fit table knows, else
// the raw bytes (broken UTF-8, control characters, NULs).
std::string FuzzText(FuzzBytes& in, std::size_t maxLength) {
  static constexpr const char* kPieces[] = {"a", "B", "ok", " ", "\n", "é", "€", "─", "漢", "\xC3"};
  if (in.Byte() % 4 == 0) return in.Text(maxLength);
  std::string text;
  for (int n = in.Byte() % (static_cast<int>(maxLength / 2) + 1); n > 0; --n)
    text += kPieces[in.Byte() % std::size(kPieces)];
  return text;
}

std::vector<std::string> FuzzTexts(FuzzBytes& in, std::size_t maxLength) {
  const int count = in.Byte() % 16 == 0 ? in.In(0, 300) : in.In(0, 8);
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i)
    texts.push_back(FuzzText(in, maxLength));
  return texts;
}

ui::Scheme FuzzScheme(FuzzBytes& in) {
  static constexpr ui::Scheme kSchemes[] = {ui::schemes::kBlue, ui::schemes::kCyan,
                                            ui::schemes::kGrey, ui::schemes::kMono};
  ui::Scheme scheme = kSchemes[in.Byte() % 4];
  if (in.Byte() % 4 == 0) {
    scheme.frameStyle = in.Byte();
    scheme.shadowType = in.Byte();
  }
  return scheme;
}

std::vector<ui::MenuEntry> FuzzEntries(FuzzBytes& in) {
  std::vector<ui::MenuEntry> entries;
  for (const std::string& text : FuzzTexts(in, 24)) {
    ui::MenuEntry entry{text};
    const std::uint8_t key = in.Byte();
    // Mostly a letter of the text (as a caller would give), sometimes any byte.
    entry.hotKey = key % 4 == 0 || text.empty() ? static_cast<char>(in.Byte() % 2 ? key : 0)
                                                : text[key % text.size()];
    entry.help = in.Byte() % 2 ? FuzzText(in, 90) : "";
    entry.enabled = in.Byte() % 5 != 0;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<ui::FormField> FuzzFields(FuzzBytes& in) {
  std::vector<ui::FormField> fields;
  for (int n = in.Byte() % 7; n > 0; --n) {
    ui::FormField field;
    field.label = FuzzText(in, 30);
    field.kind = static_cast<ui::FieldKind>(in.Byte() % 6);
    field.width = in.Byte() % 8 == 0 ? in.In(-2, 120) : in.In(1, 20);
    field.value = in.Byte() % 2 ? FuzzText(in, 30) : "";
    field.pattern = FuzzText(in, 20);
    field.decimals = in.Byte() % 8 == 0 ? in.In(-2, 120) : in.In(0, 4);
    if (in.Flag()) {
      const char refused = static_cast<char>(in.Byte());
      const std::string message = FuzzText(in, 100);
      field.validator = [refused, message](const std::string& value) {
        return value.find(refused) != std::string::npos ? message : std::string();
      };
    }
    fields.push_back(std::move(field));
  }
  return fields;
}

void ExpectIndex(std::size_t index, std::size_t count, const char* who) {
  if (index >= count) FuzzFail(std::string(who) + " returned an index past the end");
}

// What every routine is given: a place, a title and a colour scheme.
struct Common {
  int row, col;
  std::string title;
  ui::Scheme scheme;
};

// One statement a byte-reader, so that the order the committed corpus was
// made for cannot change.
Common FuzzCommon(FuzzBytes& in) {
  Common common;
  common.row = in.In(-2, 60);
  common.col = in.In(-2, 140);
  common.title = FuzzText(in, 30);
  common.scheme = FuzzScheme(in);
  return common;
}

// ShowMenu, or ShowMenuBar for bar: a chosen entry is one of the enabled ones.
void RunMenu(bool bar, const Common& c, FuzzBytes& in, HeadlessConsole& console) {
  const std::vector<ui::MenuEntry> entries = FuzzEntries(in);
  ui::MenuOptions options{c.title, c.row, c.col, in.Byte() % 10u, in.In(-2, 60), c.scheme};
  fuzz::QueueFuzzInput(console, in);
  const auto chosen = bar ? ui::ShowMenuBar(entries, options) : ui::ShowMenu(entries, options);
  if (chosen) {
    ExpectIndex(*chosen, entries.size(), "a menu");
    if (!entries[*chosen].enabled) FuzzFail("a menu returned a disabled entry");
  }
}

// PickOne, or PickMany for many: indices of the items, PickMany's ascending.
void RunList(bool many, const Common& c, FuzzBytes& in, HeadlessConsole& console) {
  const std::vector<std::string> items = FuzzTexts(in, 40);
  const ui::ListOptions options{
      c.title,
      c.row,
      c.col,
      in.In(-2, 40),
      static_cast<ui::SortOrder>(in.Byte() % 3),
      c.scheme,
      in.Byte() % 2 ? std::optional<std::size_t>(in.In(0, 40)) : std::nullopt};
  std::vector<std::size_t> marked;
  for (int n = in.Byte() % 4; n > 0; --n)
    marked.push_back(in.In(0, static_cast<int>(items.size())));
  fuzz::QueueFuzzInput(console, in);
  if (!many) {
    if (const auto chosen = ui::PickOne(items, options))
      ExpectIndex(*chosen, items.size(), "PickOne");
    return;
  }
  const auto picked = ui::PickMany(items, marked, options);
  for (std::size_t i = 0; picked && i < picked->size(); ++i) {
    ExpectIndex((*picked)[i], items.size(), "PickMany");
    if (i > 0 && (*picked)[i] <= (*picked)[i - 1]) FuzzFail("PickMany: indices not ascending");
  }
}

// ShowMessage: nothing returned to check, only the screen it leaves.
void RunMessage(const Common& c, FuzzBytes& in, HeadlessConsole& console) {
  const std::string message = FuzzText(in, 200);
  fuzz::QueueFuzzInput(console, in);
  ui::ShowMessage(message, {c.title, c.scheme});
}

// Ask: a chosen answer is one of the answers given.
void RunAsk(const Common& c, FuzzBytes& in, HeadlessConsole& console) {
  const std::string question = FuzzText(in, 200);
  const std::vector<std::string> answers = FuzzTexts(in, 12);
  fuzz::QueueFuzzInput(console, in);
  if (const auto chosen = ui::Ask(question, answers, {c.title, c.scheme}))
    ExpectIndex(*chosen, answers.size(), "Ask");
}

// FillForm: one value per field.
void RunForm(const Common& c, FuzzBytes& in, HeadlessConsole& console) {
  const std::vector<ui::FormField> fields = FuzzFields(in);
  fuzz::QueueFuzzInput(console, in);
  if (const auto values = ui::FillForm(fields, {c.title, c.row, c.col, c.scheme}))
    if (values->size() != fields.size()) FuzzFail("FillForm: not one value per field");
}

// Runs one routine; a result it returns is checked against its arguments.
void Run(int which, FuzzBytes& in, HeadlessConsole& console) {
  const Common common = FuzzCommon(in);
  switch (which) {
    case 0:
    case 1:
      return RunMenu(which == 1, common, in, console);
    case 2:
    case 3:
      return RunList(which == 3, common, in, console);
    case 4:
      return RunMessage(common, in, console);
    case 5:
      return RunAsk(common, in, console);
    default:
      return RunForm(common, in, console);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzBytes in(data, size);
  HeadlessConsole& console = fuzz::UseFuzzScreen(in);
  const int which = in.Byte() % 7;
  fuzz::UseFuzzMouse(in);
  const std::vector<Cell> before = fuzz::Screen();
  try {
    Run(which, in, console);
    fuzz::ExpectScreen(before, "a routine that returned");
  } catch (const std::invalid_argument&) {
    fuzz::ExpectScreen(before, "a routine that refused its arguments");
  } catch (const HeadlessInputExhausted&) {
    // Still waiting for a key: the pop-up stays open.
  }
  return 0;
}
