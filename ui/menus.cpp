#include "ui/menus.h"

#include "console/cell_string.h"
#include "console/console.h"
#include "console/text_input.h"
#include "menu/menu_cells.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace {

using internal::Refuse;

// The entries as the menus' cells, indexed from 1, and the entry to start on.
struct MenuArrays {
  MenuItems items;
  std::uint8_t choice = 1;
  int helpRow = 0;
};

// The 1-based cell of the first character of text that folds as the hot key
// does; 0 when there is none.
std::uint8_t HotKeyCell(const CellString& text, const HotKey& key, std::size_t entry,
                        std::string_view routine) {
  if (key.text.empty()) return 0;
  const CellString letter = CellString::FromUtf8(key.text);
  const char32_t wanted = letter.Empty() ? 0 : letter.FoldedScalar(0);
  for (int at = 0; at < text.Width() && at < 255; ++at)
    if (wanted != 0 && text.FoldedScalar(at) == wanted) return static_cast<std::uint8_t>(at + 1);
  Refuse(routine, "entries[" + std::to_string(entry) + "].hotKey '" + key.text +
                      "' is not a letter of its text");
}

MenuArrays Arrays(std::span<const MenuEntry> entries, const MenuOptions& options,
                  std::string_view routine) {
  const std::size_t n = entries.size();
  if (n == 0) Refuse(routine, "entries is empty");
  if (n > 255) Refuse(routine, "entries holds " + std::to_string(n) + " entries, more than 255");
  if (options.initial >= n)
    Refuse(routine, "options.initial " + std::to_string(options.initial) +
                        " is past the last entry " + std::to_string(n - 1));
  std::vector<CellString> texts, help;
  std::vector<std::uint8_t> hotKeys, disabled;
  bool anyEnabled = false, anyHelp = false;
  for (std::size_t i = 0; i < n; ++i) {
    const MenuEntry& e = entries[i];
    texts.push_back(CellString::FromUtf8(e.text));
    help.push_back(CellString::FromUtf8(e.help));
    hotKeys.push_back(HotKeyCell(texts.back(), e.hotKey, i, routine));
    disabled.push_back(e.enabled ? 0 : 1);
    anyEnabled = anyEnabled || e.enabled;
    anyHelp = anyHelp || !e.help.empty();
  }
  if (!anyEnabled) Refuse(routine, "entries has no enabled entry");
  MenuArrays a{{{1, std::move(texts)},
                {1, std::move(hotKeys)},
                {1, std::move(help)},
                {1, std::move(disabled)},
                /*asGiven=*/true}};
  // The menus look for an enabled entry only forwards from the choice.
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

std::optional<std::size_t> ShowMenu(ListOf<MenuEntry> entries, const MenuOptions& options) {
  const internal::ShowOnReturn shown;
  MenuArrays a = Arrays(entries, options, "ShowMenu");
  const Scheme& s = options.scheme;
  // The box is as wide as its widest entry: entries padded to the title's
  // width keep the title whole on the frame.
  const CellString title = CellString::FromUtf8(options.title);
  int widest = 0;
  for (CellString& text : a.items.texts) {
    if (text.Width() < title.Width() + 2) text = text.Padded(title.Width() + 2);
    widest = std::max(widest, text.Width());
  }
  WindowRec window =
      internal::PlaceWindow(s, options.row, options.col, entries.size() + 2,
                            static_cast<std::size_t>(widest) + 4, "ShowMenu", options.title);
  TextInputScope typing;
  const int entry = BoxMenuCells(a.items, a.choice, window, title, a.helpRow, s.hotKey, s.disabled,
                                 s.help, s.bar);
  return Chosen(entry);
}

std::optional<std::size_t> ShowMenuBar(ListOf<MenuEntry> entries, const MenuOptions& options) {
  const internal::ShowOnReturn shown;
  MenuArrays a = Arrays(entries, options, "ShowMenuBar");
  const Scheme& s = options.scheme;
  const int row = options.row > 0 ? options.row : 1;
  TextInputScope typing;
  const int entry =
      BarMenuCells(a.items, row, a.helpRow, a.choice, s.bar, s.text, s.hotKey, s.disabled, s.help);
  if (entry == -2) Refuse("ShowMenuBar", "the entries do not fit on row " + std::to_string(row));
  return Chosen(entry);
}

}  // namespace tarvana::ui
