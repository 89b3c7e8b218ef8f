#pragma once
// The box and bar menus over entries already made cells: what BoxMenu and
// BarMenu run once their code page 437 arrays are cells, and what the modern
// layer runs with texts of any script. Arguments and results as for BoxMenu
// and BarMenu; the items' arrays cover every entry by construction.

#include <cstdint>

#include "console/cell_string.h"
#include "console/types.h"
#include "menu/menu_unit.h"

namespace tarvana {

int BoxMenuCells(const MenuItems& menu, std::uint8_t& choice, WindowRec& window,
                 const CellString& title, int helpRow, ColorAttr hotKeyColor,
                 ColorAttr disabledColor, ColorAttr helpColor, ColorAttr barColor);
int BarMenuCells(const MenuItems& menu, int barRow, int helpRow, std::uint8_t& choice,
                 ColorAttr highlightColor, ColorAttr normalColor, ColorAttr hotKeyColor,
                 ColorAttr disabledColor, ColorAttr helpColor);

}  // namespace tarvana
