#include "menu/bar_menu.h"

#include <algorithm>
#include <optional>

#include "console/console.h"
#include "console/screen_save.h"
#include "menu/menu_cells.h"
#include "window/screen_cells.h"

namespace tarvana {
namespace {

// The bar row is on the screen and the last entry's text ends on it.
bool BarFits(const MenuItems& items, int barRow) {
  std::int64_t end = 0;
  for (const CellString& text : items.texts)
    end += std::int64_t{text.Width()} + 2;
  // Texts start at column 2 with two columns between them.
  return barRow >= 1 && barRow <= ScreenHeight() && end - 1 <= ScreenWidth();
}

void DrawBarMenu(MenuUnit& unit, const MenuItems& items, int barRow) {
  UseColor(unit.colors.normal);
  Locate(barRow, 1);
  SetCursor(0);
  internal::PrintClipped(barRow, 1, std::string(80, ' '));
  int start = 2;
  for (int i = unit.first; i <= unit.last; ++i) {
    const int length = items.texts[i].Width();
    MenuPlace& place = unit.places[i - unit.first];
    place.row = barRow;
    place.col = start;
    place.barCol = start - 1;
    // The last entry's cell may reach one column past the screen's edge.
    place.barWidth = std::min(length + 2, ScreenWidth() - place.barCol + 1);
    DrawMenuEntry(unit, items, i);
    start += length + 2;
  }
  unit.drawn = true;
}

// The first entry, in entry order, whose cell holds the column; 0 for none.
// The entry whose cell holds the column, if any (entry 0 is an entry like any
// other in arrays that start at 0 or below).
std::optional<int> EntryAtColumn(const MenuUnit& unit, int col) {
  for (int i = unit.first; i <= unit.last; ++i) {
    const MenuPlace& place = unit.places[i - unit.first];
    if (col >= place.barCol && col < place.barCol + place.barWidth) return i;
  }
  return std::nullopt;
}

MenuAction ReadBarMenuAction(const MenuUnit& unit, int barRow, const InputEvent& event) {
  static const MenuKeys keys{{scan::kLeft}, {scan::kRight}, {scan::kHome}, {scan::kEnd}};
  return ReadMenuAction(event, keys, [&](int row, int col) {
    MenuAction action;
    if (row != barRow) {
      action.kind = MenuAction::kEsc;
    } else if (const std::optional<int> entry = EntryAtColumn(unit, col)) {
      action.kind = MenuAction::kEntry;
      action.entry = *entry;
    }
    return action;
  });
}

}  // namespace

int BarMenu(const BasedArray<std::string>& items, const BasedArray<std::uint8_t>& hotKeys,
            const BasedArray<std::string>& helpTexts, const BasedArray<std::uint8_t>& disabled,
            int barRow, int helpRow, std::uint8_t& choice, ColorAttr highlightColor,
            ColorAttr normalColor, ColorAttr hotKeyColor, ColorAttr disabledColor,
            ColorAttr helpColor) {
  if (!MenuArraysCover(items, hotKeys, helpTexts, disabled)) return -2;
  return BarMenuCells(Cp437MenuItems(items, hotKeys, helpTexts, disabled), barRow, helpRow, choice,
                      highlightColor, normalColor, hotKeyColor, disabledColor, helpColor);
}

int BarMenuCells(const MenuItems& menu, int barRow, int helpRow, std::uint8_t& choice,
                 ColorAttr highlightColor, ColorAttr normalColor, ColorAttr hotKeyColor,
                 ColorAttr disabledColor, ColorAttr helpColor) {
  if (!BarFits(menu, barRow)) return -2;
  MenuUnit unit = MakeMenuUnit(
      menu, {normalColor, highlightColor, hotKeyColor, disabledColor, helpColor}, helpRow);
  return RunMenuCycle(
      unit, menu, choice, [&] { DrawBarMenu(unit, menu, barRow); },
      [&](const InputEvent& event) { return ReadBarMenuAction(unit, barRow, event); });
}

}  // namespace tarvana
