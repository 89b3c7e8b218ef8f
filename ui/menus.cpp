#include "ui/menus.h"

#include <cctype>

#include "console/console.h"
#include "console/cp437_best_fit.h"
#include "menu/bar_menu.h"
#include "menu/box_menu.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace {

using internal::Refuse;

// The menu routines' four parallel arrays, indexed from 1, and the entry to start on.
struct MenuArrays {
  BasedArray<std::string> texts, help;
  BasedArray<std::uint8_t> hotKeys, disabled;
  std::uint8_t choice = 1;
  int helpRow = 0;
};

MenuArrays Arrays(std::span<const MenuEntry> entries, const MenuOptions& options,
                  std::string_view routine) {
  const std::size_t n = entries.size();
  if (n == 0) Refuse(routine, "entries is empty");
  if (n > 255) Refuse(routine, "entries holds " + std::to_string(n) + " entries, more than 255");
  if (options.initial >= n)
    Refuse(routine, "options.initial " + std::to_string(options.initial) +
                        " is past the last entry " + std::to_string(n - 1));
  MenuArrays a{BasedArray<std::string>(1, static_cast<int>(n)),
               BasedArray<std::string>(1, static_cast<int>(n)),
               BasedArray<std::uint8_t>(1, static_cast<int>(n)),
               BasedArray<std::uint8_t>(1, static_cast<int>(n))};
  bool anyEnabled = false, anyHelp = false;
  for (std::size_t i = 0; i < n; ++i) {
    const MenuEntry& e = entries[i];
    const int k = static_cast<int>(i) + 1;
    a.texts[k] = Utf8ToCp437(e.text);
    a.help[k] = Utf8ToCp437(e.help);
    a.disabled[k] = e.enabled ? 0 : 1;
    anyEnabled = anyEnabled || e.enabled;
    anyHelp = anyHelp || !e.help.empty();
    if (e.hotKey != 0) {
      const auto upper = [](char c) { return std::toupper(static_cast<unsigned char>(c)); };
      const std::string& text = a.texts[k];
      std::size_t at = 0;
      while (at < text.size() && upper(text[at]) != upper(e.hotKey))
        ++at;
      if (at == text.size() || at >= 255)
        Refuse(routine, "entries[" + std::to_string(i) + "].hotKey '" + std::string(1, e.hotKey) +
                            "' is not a letter of its text");
      a.hotKeys[k] = static_cast<std::uint8_t>(at + 1);
    }
  }
  if (!anyEnabled) Refuse(routine, "entries has no enabled entry");
  // BoxMenu and BarMenu look for an enabled entry only forwards from the choice.
  std::size_t start = options.initial;
  while (start < n && !entries[start].enabled)
    ++start;
  if (start == n) start = 0;
  while (!entries[start].enabled)
    ++start;
  a.choice = static_cast<std::uint8_t>(start + 1);
  a.helpRow = options.helpRow > 0 ? options.helpRow : anyHelp ? ScreenHeight() : 0;
  return a;
}

std::optional<std::size_t> Chosen(int entry) {
  if (entry < 1) return std::nullopt;
  return static_cast<std::size_t>(entry - 1);
}

}  // namespace

std::optional<std::size_t> ShowMenu(std::span<const MenuEntry> entries,
                                    const MenuOptions& options) {
  MenuArrays a = Arrays(entries, options, "ShowMenu");
  const Scheme& s = options.scheme;
  // The box is as wide as its widest entry: entries padded to the title's
  // width keep the title whole on the frame.
  const std::string title = Utf8ToCp437(options.title);
  for (std::string& text : a.texts)
    if (text.size() < title.size() + 2) text.resize(title.size() + 2, ' ');
  WindowRec window = internal::PlaceWindow(s, options.row, options.col, entries.size() + 2,
                                           internal::Widest(a.texts) + 4, "ShowMenu");
  const int entry = BoxMenu(a.texts, a.hotKeys, a.help, a.disabled, a.choice, window, title,
                            a.helpRow, s.hotKey, s.disabled, s.help, s.bar);
  return Chosen(entry);
}

std::optional<std::size_t> ShowMenuBar(std::span<const MenuEntry> entries,
                                       const MenuOptions& options) {
  MenuArrays a = Arrays(entries, options, "ShowMenuBar");
  const Scheme& s = options.scheme;
  const int row = options.row > 0 ? options.row : 1;
  const int entry = BarMenu(a.texts, a.hotKeys, a.help, a.disabled, row, a.helpRow, a.choice, s.bar,
                            s.text, s.hotKey, s.disabled, s.help);
  if (entry == -2) Refuse("ShowMenuBar", "the entries do not fit on row " + std::to_string(row));
  return Chosen(entry);
}

}  // namespace tarvana::ui
