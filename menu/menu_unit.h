#pragma once
// The working state and interaction shared by the box menu and the bar menu:
// the hot-key table, where each entry's highlight and hot-key cells lie, the
// help line, and the steps that move the highlight and end the menu.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "console/cell_string.h"
#include "console/input_event.h"
#include "console/types.h"
#include "runtime/based_array.h"

namespace tarvana {

// A menu's entries, indexed by the caller's entry numbers: texts and help
// texts as cells, hot-key positions (1-based cells) and disabled flags.
// The code page 437 menus upper-case a hot-key letter and match the key's
// byte; a modern menu (asGiven) shows its letter as given and matches any
// script's letter by case folding.
struct MenuItems {
  BasedArray<CellString> texts;
  BasedArray<std::uint8_t> hotKeyPositions;
  BasedArray<CellString> helpTexts;
  BasedArray<std::uint8_t> disabled;
  bool asGiven = false;
};

// Where an entry is drawn: its text, its highlight run and its hot-key cell.
struct MenuPlace {
  int row = 0;
  int col = 0;       // first column of the text
  int barCol = 0;    // first column of the highlight run
  int barWidth = 0;  // cells in the highlight run
};

// The colours a menu draws with.
struct MenuColors {
  ColorAttr normal = 0;  // entry texts and the surface under them
  ColorAttr bar = 0;
  ColorAttr hotKey = 0;
  ColorAttr disabled = 0;
  ColorAttr help = 0;
};

struct MenuUnit {
  int first = 1;
  int last = 0;
  std::vector<CellString> hotKeys;      // the hot-key letter's cells per entry, empty for none
  std::vector<char32_t> foldedHotKeys;  // for asGiven items: the letter case-folded
  std::vector<MenuPlace> places;
  MenuColors colors;
  int helpRow = 0;
  bool drawn = false;
  int current = 0;
};

// One user action, as each menu reads it from its keys and clicks.
struct MenuAction {
  enum Kind { kPrevious, kNext, kFirst, kLast, kEnter, kEsc, kLetter, kEntry, kOther, kIgnore };
  Kind kind = kIgnore;
  unsigned char letter = 0;  // kLetter: the key, upper-cased
  char32_t folded = 0;       // kLetter: the character typed, case-folded
  int entry = 0;             // kEntry: the entry clicked
};

// What a step did: kept the menu going, chose an entry, or cancelled.
enum class MenuStep { kGoing, kChosen, kCancelled };

// True when there is at least one entry and the hot-key, help and disabled
// arrays each hold an element for every entry number of the item texts.
bool MenuArraysCover(const BasedArray<std::string>& texts,
                     const BasedArray<std::uint8_t>& hotKeyPositions,
                     const BasedArray<std::string>& helpTexts,
                     const BasedArray<std::uint8_t>& disabled);
// The code page 437 arrays, which MenuArraysCover accepted, as items.
MenuItems Cp437MenuItems(const BasedArray<std::string>& texts,
                         const BasedArray<std::uint8_t>& hotKeyPositions,
                         const BasedArray<std::string>& helpTexts,
                         const BasedArray<std::uint8_t>& disabled);
// First and last entry, the hot-key table (a position of 0 or past the end of
// the text, or on a wide cluster's second half, gives no hot key) and places
// sized for every entry.
MenuUnit MakeMenuUnit(const MenuItems& items, const MenuColors& colors, int helpRow);
// The entry's text in the disabled colour, or in the normal colour with its
// hot-key letter in the hot-key colour (upper-cased unless asGiven).
void DrawMenuEntry(const MenuUnit& unit, const MenuItems& items, int entry);
bool MenuEntryDisabled(const MenuItems& items, int entry);
// Makes `choice` current, moving forward past disabled entries; false when
// none is left at or after it.
bool StartMenu(MenuUnit& unit, const MenuItems& items, int choice);
void HighlightMenuEntry(const MenuUnit& unit, const MenuItems& items, int entry);
void UnhighlightMenuEntry(const MenuUnit& unit, const MenuItems& items, int entry);
// Acts on one action; `chosen` receives the entry when the step chose one.
MenuStep StepMenu(MenuUnit& unit, const MenuItems& items, const MenuAction& action, int& chosen);
// The whole cycle of a menu: save the screen, draw (which sets unit.drawn),
// read actions until one ends the menu, restore the screen. Returns the entry
// chosen, -1 cancelled, or -2 when no enabled entry lies at or after choice;
// choice receives the entry chosen, or the one highlighted on cancel. The
// caller has checked the arrays with MenuArraysCover.
int RunMenuCycle(MenuUnit& unit, const MenuItems& items, std::uint8_t& choice,
                 const std::function<void()>& draw,
                 const std::function<MenuAction(const InputEvent&)>& readAction);

// The scan codes that move a menu's highlight.
struct MenuKeys {
  std::vector<std::uint8_t> previous, next, first, last;
};

// The action of a key or click: the menu's movement keys; any other extended
// key beeps; Esc cancels, Enter chooses, other characters (with the text
// typed, when the event carries one) are hot-key letters;
// a released right button cancels; a released left button is judged by
// leftClick(row, col) with the cell the event carries; every other mouse
// event is ignored.
MenuAction ReadMenuAction(const InputEvent& event, const MenuKeys& keys,
                          const std::function<MenuAction(int row, int col)>& leftClick);

}  // namespace tarvana
