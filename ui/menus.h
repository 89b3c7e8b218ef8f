#pragma once
// Menus built from a list of entries: a framed box or a bar on one row. Texts
// are UTF-8; indices are zero-based; nothing chosen is std::nullopt.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "ui/list_of.h"
#include "ui/scheme.h"

namespace tarvana::ui {

// A character of an entry's text that chooses it, matched in either case by
// Unicode simple case folding: a char ('r') or UTF-8 ("ж"); empty for none.
struct HotKey {
  HotKey() = default;
  HotKey(char c) : text(c == 0 ? "" : std::string(1, c)) {}
  HotKey(const char* utf8) : text(utf8 == nullptr ? "" : utf8) {}
  HotKey(std::string utf8) : text(std::move(utf8)) {}
  std::string text;
};

struct MenuEntry {
  // Shown as given, the hot key's letter marked by colour.
  std::string text{};
  HotKey hotKey{};
  // Shown on the help row while the entry is highlighted.
  std::string help{};
  bool enabled = true;
};

struct MenuOptions {
  std::string title{};
  // The box's top-left corner (1-based), 0 centres; for a bar, the row (0: 1).
  int row = 0;
  int col = 0;
  // The entry highlighted first; a disabled one passes to the next enabled.
  std::size_t initial = 0;
  // The help line's row; 0 puts it on the bottom row when any entry has help.
  int helpRow = 0;
  Scheme scheme = schemes::kBlue;
};

// Shows a box menu and returns the index of the entry chosen (Enter, hot key,
// or a click), or nothing when the user cancels (Esc, right click, a click
// outside). The screen is left as it was. Throws std::invalid_argument naming
// the argument when there are no entries, none is enabled, a hot key is not a
// letter of its text, options.initial is past the last entry, or the box
// does not fit on the screen.
std::optional<std::size_t> ShowMenu(ListOf<MenuEntry> entries, const MenuOptions& options = {});
// The same as a bar across options.row (Left and Right move, Esc cancels).
std::optional<std::size_t> ShowMenuBar(ListOf<MenuEntry> entries, const MenuOptions& options = {});

}  // namespace tarvana::ui
