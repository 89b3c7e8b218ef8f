#include "menu/menu_unit.h"

#include <algorithm>

#include "console/console.h"
#include "console/screen_save.h"
#include "console/text_input.h"
#include "console/unicode_text.h"
#include "runtime/cp437_case.h"
#include "window/screen_cells.h"

namespace tarvana {
namespace {

const MenuPlace& PlaceOf(const MenuUnit& unit, int entry) {
  return unit.places[entry - unit.first];
}
const CellString& HotKeyOf(const MenuUnit& unit, int entry) {
  return unit.hotKeys[entry - unit.first];
}

// Column of the entry's hot-key letter.
int HotKeyCol(const MenuUnit& unit, const MenuItems& items, int entry) {
  return PlaceOf(unit, entry).col + items.hotKeyPositions[entry] - 1;
}

void MoveTo(MenuUnit& unit, const MenuItems& items, int entry) {
  UnhighlightMenuEntry(unit, items, unit.current);
  unit.current = entry;
  HighlightMenuEntry(unit, items, entry);
}

bool Covers(int first, int last, int lower, int upper) {
  return lower <= first && upper >= last;
}

}  // namespace

bool MenuArraysCover(const BasedArray<std::string>& texts,
                     const BasedArray<std::uint8_t>& hotKeyPositions,
                     const BasedArray<std::string>& helpTexts,
                     const BasedArray<std::uint8_t>& disabled) {
  const int first = texts.LBound(), last = texts.UBound();
  return !texts.Empty() &&
         Covers(first, last, hotKeyPositions.LBound(), hotKeyPositions.UBound()) &&
         Covers(first, last, helpTexts.LBound(), helpTexts.UBound()) &&
         Covers(first, last, disabled.LBound(), disabled.UBound());
}

MenuItems Cp437MenuItems(const BasedArray<std::string>& texts,
                         const BasedArray<std::uint8_t>& hotKeyPositions,
                         const BasedArray<std::string>& helpTexts,
                         const BasedArray<std::uint8_t>& disabled) {
  const int first = texts.LBound(), count = texts.Count();
  std::vector<CellString> cells, helps;
  std::vector<std::uint8_t> positions, flags;
  for (int i = first; i - first < count; ++i) {
    cells.push_back(CellString::FromCp437(texts[i]));
    helps.push_back(CellString::FromCp437(helpTexts[i]));
    positions.push_back(hotKeyPositions[i]);
    flags.push_back(disabled[i]);
  }
  return {{first, std::move(cells)},
          {first, std::move(positions)},
          {first, std::move(helps)},
          {first, std::move(flags)}};
}

MenuUnit MakeMenuUnit(const MenuItems& items, const MenuColors& colors, int helpRow) {
  MenuUnit unit;
  unit.colors = colors;
  unit.helpRow = helpRow;
  unit.first = items.texts.LBound();
  unit.last = items.texts.UBound();
  for (int i = unit.first; i <= unit.last; ++i) {
    const CellString& text = items.texts[i];
    const int pos = items.hotKeyPositions[i];
    CellString hot;
    char32_t folded = 0;
    if (pos >= 1 && pos <= text.Width() && !(text[pos - 1].flags & cell_flag::kContinuation)) {
      const int cells = text[pos - 1].flags & cell_flag::kWideFirst ? 2 : 1;
      hot = items.asGiven ? text.Slice(pos - 1, cells)
                          : CellString::FromCp437(
                                std::string(1, static_cast<char>(UpperChar(text[pos - 1].ch))));
      folded = text.FoldedScalar(pos - 1);
    }
    unit.hotKeys.push_back(std::move(hot));
    unit.foldedHotKeys.push_back(folded);
  }
  unit.places.resize(unit.hotKeys.size());
  return unit;
}

bool MenuEntryDisabled(const MenuItems& items, int entry) {
  return items.disabled[entry] != 0;
}

void DrawMenuEntry(const MenuUnit& unit, const MenuItems& items, int entry) {
  const MenuPlace& place = PlaceOf(unit, entry);
  const bool disabled = MenuEntryDisabled(items, entry);
  UseColor(disabled ? unit.colors.disabled : unit.colors.normal);
  Locate(place.row, place.col);
  PrintCells(items.texts[entry]);
  if (disabled || HotKeyOf(unit, entry).Empty()) return;
  UseColor(unit.colors.hotKey);
  Locate(place.row, HotKeyCol(unit, items, entry));
  PrintCells(HotKeyOf(unit, entry));
}

bool StartMenu(MenuUnit& unit, const MenuItems& items, int choice) {
  // A choice before the first entry starts at the first, without walking there.
  for (int entry = std::max(choice, unit.first); entry <= unit.last; ++entry) {
    if (!MenuEntryDisabled(items, entry)) {
      unit.current = entry;
      return true;
    }
  }
  return false;
}

void HighlightMenuEntry(const MenuUnit& unit, const MenuItems& items, int entry) {
  const MenuPlace& place = PlaceOf(unit, entry);
  RecolorRun(place.row, place.barCol, place.barWidth, unit.colors.bar);
  if (unit.helpRow == 0) return;
  // Kept to the help row: a row off the screen shows nothing, and a long text
  // is cut at the right edge rather than wrapping (or scrolling the screen).
  // The row is cleared short of its last cell, as on the 80-column screen.
  UseColor(unit.colors.help);
  internal::PrintRun(unit.helpRow, 1, ' ', ScreenWidth() - 1);
  internal::PrintClipped(unit.helpRow, 1, items.helpTexts[entry]);
}

void UnhighlightMenuEntry(const MenuUnit& unit, const MenuItems& items, int entry) {
  const MenuPlace& place = PlaceOf(unit, entry);
  RecolorRun(place.row, place.barCol, place.barWidth, unit.colors.normal);
  // An entry without a hot key has no letter cell to repaint.
  if (!HotKeyOf(unit, entry).Empty())
    RecolorRun(place.row, HotKeyCol(unit, items, entry), HotKeyOf(unit, entry).Width(),
               unit.colors.hotKey);
}

MenuStep StepMenu(MenuUnit& unit, const MenuItems& items, const MenuAction& action, int& chosen) {
  const auto previous = [&](int e) { return e == unit.first ? unit.last : e - 1; };
  const auto next = [&](int e) { return e == unit.last ? unit.first : e + 1; };
  int entry = unit.current;
  switch (action.kind) {
    case MenuAction::kPrevious:
      do
        entry = previous(entry);
      while (MenuEntryDisabled(items, entry));
      MoveTo(unit, items, entry);
      break;
    case MenuAction::kNext:
      do
        entry = next(entry);
      while (MenuEntryDisabled(items, entry));
      MoveTo(unit, items, entry);
      break;
    case MenuAction::kFirst:
      for (entry = unit.first; MenuEntryDisabled(items, entry);)
        ++entry;
      MoveTo(unit, items, entry);
      break;
    case MenuAction::kLast:
      for (entry = unit.last; MenuEntryDisabled(items, entry);)
        --entry;
      MoveTo(unit, items, entry);
      break;
    case MenuAction::kEnter:
      if (MenuEntryDisabled(items, entry)) break;
      chosen = entry;
      return MenuStep::kChosen;
    case MenuAction::kEsc:
      return MenuStep::kCancelled;
    case MenuAction::kLetter:
      for (int i = unit.first; i <= unit.last; ++i) {
        const CellString& hot = HotKeyOf(unit, i);
        const bool match = items.asGiven ? unit.foldedHotKeys[i - unit.first] == action.folded
                                         : !hot.Empty() && hot[0].ch == action.letter;
        if (!hot.Empty() && match && !MenuEntryDisabled(items, i)) {
          MoveTo(unit, items, i);
          chosen = i;
          return MenuStep::kChosen;
        }
      }
      break;
    case MenuAction::kEntry:
      if (action.entry < unit.first || action.entry > unit.last ||
          MenuEntryDisabled(items, action.entry))
        break;
      MoveTo(unit, items, action.entry);
      chosen = action.entry;
      return MenuStep::kChosen;
    case MenuAction::kOther:
      Beep();
      break;
    case MenuAction::kIgnore:
      break;
  }
  return MenuStep::kGoing;
}

int RunMenuCycle(MenuUnit& unit, const MenuItems& items, std::uint8_t& choice,
                 const std::function<void()>& draw,
                 const std::function<MenuAction(const InputEvent&)>& readAction) {
  ScreenSave save = SaveScreen();
  draw();
  const WheelInputScope wheel;
  int result = -2;
  if (unit.drawn && StartMenu(unit, items, choice)) {
    HighlightMenuEntry(unit, items, unit.current);
    MenuStep step = MenuStep::kGoing;
    int chosen = 0;
    while (step == MenuStep::kGoing)
      step = StepMenu(unit, items, readAction(WaitKeyEvent()), chosen);
    result = step == MenuStep::kChosen ? chosen : -1;
    choice = static_cast<std::uint8_t>(step == MenuStep::kChosen ? chosen : unit.current);
  }
  unit.drawn = false;
  RestoreScreen(save);
  return result;
}

MenuAction ReadMenuAction(const InputEvent& event, const MenuKeys& keys,
                          const std::function<MenuAction(int row, int col)>& leftClick) {
  const KeyCode& key = event.key;
  MenuAction action;
  if (event.kind == InputEvent::Kind::kWheel) {
    action.kind = event.wheel < 0 ? MenuAction::kPrevious : MenuAction::kNext;
    return action;
  }
  if (key.size() == 2 && key[0] == '\0') {
    const auto in = [&](const std::vector<std::uint8_t>& codes) {
      return std::find(codes.begin(), codes.end(), static_cast<std::uint8_t>(key[1])) !=
             codes.end();
    };
    action.kind = in(keys.previous) ? MenuAction::kPrevious
                  : in(keys.next)   ? MenuAction::kNext
                  : in(keys.first)  ? MenuAction::kFirst
                  : in(keys.last)   ? MenuAction::kLast
                                    : MenuAction::kOther;
    return action;
  }
  if (IsMouseKey(key)) {
    if (MouseEvent(key) != mouse::kReleased) return action;
    if (MouseButton(key) == mouse::kRight) action.kind = MenuAction::kEsc;
    if (MouseButton(key) == mouse::kLeft) action = leftClick(event.row, event.col);
    return action;
  }
  if (key.size() != 1) return action;
  const unsigned char c = static_cast<unsigned char>(key[0]);
  if (c == ascii::kEsc) {
    action.kind = MenuAction::kEsc;
  } else if (c == ascii::kEnter) {
    action.kind = MenuAction::kEnter;
  } else {
    action.kind = MenuAction::kLetter;
    action.letter = UpperChar(c);
    action.folded = FoldedTypedChar(event);
  }
  return action;
}

}  // namespace tarvana
