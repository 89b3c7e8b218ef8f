#include "menu/box_menu.h"

#include <algorithm>

#include "console/console.h"
#include "console/screen_save.h"
#include "menu/menu_cells.h"
#include "window/window.h"

namespace tarvana {
namespace {

// The longest entry's length, at least 1.
std::int64_t LongestEntry(const MenuItems& items) {
  int width = 1;
  for (const CellString& text : items.texts)
    width = std::max(width, text.Width());
  return static_cast<std::int64_t>(width);
}

// The box, sized from its entries, lies wholly on the screen (and its corners
// fit the record's bytes); its shadow may fall off the edge.
bool BoxFits(const MenuItems& items, const WindowRec& window) {
  const std::int64_t bottom = window.Top + std::int64_t{items.texts.Count()} + 1;
  const std::int64_t right = window.Left + LongestEntry(items) + 3;
  return window.Top >= 1 && window.Left >= 1 && bottom <= std::min(ScreenHeight(), 255) &&
         right <= std::min(ScreenWidth(), 255);
}

// Sizes the box from the longest entry, draws it and lays the entries out.
void DrawBoxMenu(MenuUnit& unit, const MenuItems& items, WindowRec& window,
                 const CellString& title) {
  const int width = static_cast<int>(LongestEntry(items));
  const int count = unit.last - unit.first + 1;
  window.Bottom = static_cast<std::uint8_t>(window.Top + count + 1);
  window.Right = static_cast<std::uint8_t>(window.Left + width + 3);
  DrawFrame(window, title);
  ClearBox(window.Top + 1, window.Left + 1, window.Top + count, window.Left + width + 2,
           window.FillColor);
  DrawShadow(window);
  for (int i = unit.first; i <= unit.last; ++i) {
    MenuPlace& place = unit.places[i - unit.first];
    place.row = window.Top + 1 + (i - unit.first);
    place.col = window.Left + 2;
    place.barCol = window.Left + 1;
    place.barWidth = width + 2;
    DrawMenuEntry(unit, items, i);
  }
  unit.drawn = true;
}

MenuAction ReadBoxMenuAction(const MenuUnit& unit, const WindowRec& window,
                             const InputEvent& event) {
  static const MenuKeys keys{
      {scan::kUp}, {scan::kDown}, {scan::kHome, scan::kPgUp}, {scan::kEnd, scan::kPgDn}};
  return ReadMenuAction(event, keys, [&](int row, int col) {
    MenuAction action;
    const bool inside =
        row > window.Top && row < window.Bottom && col > window.Left && col < window.Right;
    action.kind = inside ? MenuAction::kEntry : MenuAction::kEsc;
    // Only inside is the row an entry: far from the box, with entries numbered
    // near INT_MAX, the sum would overflow.
    if (inside) action.entry = unit.first + (row - window.Top - 1);
    return action;
  });
}

}  // namespace

int BoxMenu(const BasedArray<std::string>& items, const BasedArray<std::uint8_t>& hotKeys,
            const BasedArray<std::string>& helpTexts, const BasedArray<std::uint8_t>& disabled,
            std::uint8_t& choice, WindowRec& window, std::string_view title, int helpRow,
            ColorAttr hotKeyColor, ColorAttr disabledColor, ColorAttr helpColor,
            ColorAttr barColor) {
  if (!MenuArraysCover(items, hotKeys, helpTexts, disabled)) return -2;
  return BoxMenuCells(Cp437MenuItems(items, hotKeys, helpTexts, disabled), choice, window,
                      CellString::FromCp437(title), helpRow, hotKeyColor, disabledColor, helpColor,
                      barColor);
}

int BoxMenuCells(const MenuItems& menu, std::uint8_t& choice, WindowRec& window,
                 const CellString& title, int helpRow, ColorAttr hotKeyColor,
                 ColorAttr disabledColor, ColorAttr helpColor, ColorAttr barColor) {
  if (!BoxFits(menu, window)) return -2;
  MenuUnit unit = MakeMenuUnit(
      menu, {window.FillColor, barColor, hotKeyColor, disabledColor, helpColor}, helpRow);
  return RunMenuCycle(
      unit, menu, choice, [&] { DrawBoxMenu(unit, menu, window, title); },
      [&](const InputEvent& event) { return ReadBoxMenuAction(unit, window, event); });
}

}  // namespace tarvana
