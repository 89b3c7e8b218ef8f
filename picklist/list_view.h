#pragma once
// The machinery every pick list shares, written once: the display order (the
// sorted index array), the view state, the drawing of rows, highlight, arrows
// and scroll bar, the type-ahead search, the reading of keys and clicks, and
// the step that acts on one action. PickList, MultiPickList, the directory
// lists and the keyboard-only twins are thin callers of these routines.
//
// Positions: display positions run from F to L, the bounds of the caller's
// array (F = LBound, L = UBound). Entry k - F of the index array holds the
// caller's index of the item shown at display position k, so display item k is
// items[order[k - F]]: the caller's array, never changed, seen through the
// index array, is the display copy. Arithmetic on positions is 64-bit so that
// no sum near the ends of the 32-bit index range overflows.
//
// A list too long to hold every text (a directory's lines) gives the texts on
// demand instead: only the rows drawn and the type-ahead candidates are made.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/cell_string.h"
#include "console/input_event.h"
#include "console/screen_save.h"
#include "console/types.h"
#include "picklist/folded_sort.h"
#include "runtime/based_array.h"

namespace tarvana::internal {

using Pos = std::int64_t;

// The text of the caller's item `index`, as it is shown; a text made on demand
// is kept in scratch.
using ItemText = std::function<std::string_view(std::int32_t index, std::string& scratch)>;

// The index array for count items numbered from lower, shown in sort order
// (> 0 ascending, < 0 descending, 0 array order): the caller's indices in
// display order, by FoldedOrder. Items that compare equal keep their array
// order, or the order `equal` gives them.
// firstUpper, when given, receives each display item's upper-cased first byte.
std::vector<std::int32_t> DisplayOrder(std::int32_t lower, std::int64_t count, const SortText& text,
                                       int sortOrder,
                                       std::vector<unsigned char>* firstUpper = nullptr,
                                       const OrderEqualTexts& equal = nullptr);
// DisplayOrder of the caller's array.
std::vector<std::int32_t> DisplayOrder(const BasedArray<std::string>& items, int sortOrder,
                                       std::vector<unsigned char>* firstUpper = nullptr);

// What OpenList shows: count items numbered from lower, their texts, the
// index array, each display item's upper-cased first byte (0 for an empty
// one) and the cells of the longest text. Texts are code page 437 bytes, or
// UTF-8 (utf8: the modern layer's lists), drawn a cluster per cell and
// searched by case folding; the first bytes are then those of the folded
// texts.
struct ListItems {
  ItemText text;
  std::int32_t lower = 1;
  std::int64_t count = 0;
  std::vector<std::int32_t> order;
  std::vector<unsigned char> firstUpper;
  std::size_t longest = 0;
  bool utf8 = false;
};

struct ListView {
  ItemText text;                    // the items' texts
  std::vector<std::int32_t> order;  // the index array
  // Upper-cased first byte of each display item (0 for an empty one), which
  // the type-ahead search scans before it reads an item's text.
  std::vector<unsigned char> firstUpper;
  Pos first = 1, last = 0;  // F and L
  WindowRec win{};          // the list's own copy, Right computed
  int width = 0;            // W: interior columns
  bool cut = false;         // some item is longer than W (fixed width)
  std::size_t longest = 0;  // cells of the longest item
  int pageSize = 0;         // V: rows that show items
  Pos top = 0;              // T: display position on the first row
  Pos current = 0;          // C: the highlighted display position
  int row = 1;              // R: 1..V, C = T + R - 1
  std::string prefix;       // P, upper-cased; for UTF-8 texts, case-folded
  std::string typed;        // UTF-8 texts: P as typed, as it is shown
  bool utf8 = false;        // the texts are UTF-8
  bool typing = false;
  int shownPrefix = 0;         // cells of P shown on the bottom frame
  std::uint8_t frameChar = 0;  // the bottom frame's character, read back once
  std::uint8_t scrollStyle = 0;
  ColorAttr barColor = 0;
  // Multi-pick lists: the caller's flags (null for a plain pick list), the
  // colour of selected rows and the mark before their text.
  BasedArray<std::int16_t>* flags = nullptr;
  ColorAttr markColor = 0;
  std::string mark;
  // A checklist (the modern layer's): Space and a click toggle the item in
  // place, Enter ends the list with its marks, Esc cancels.
  bool checklist = false;
  ScreenSave save;

  Pos Count() const { return last - first + 1; }
  // Display item k's text; one made on demand is kept in scratch.
  std::string_view Item(Pos k, std::string& scratch) const {
    return text(order[k - first], scratch);
  }
  std::int32_t IndexAt(Pos k) const { return order[k - first]; }
  bool Selected(Pos k) const { return flags && (*flags)[order[k - first]] != 0; }
};

// What one key or click asks for.
enum class ListAction {
  kUp,
  kDown,
  kPgUp,
  kPgDn,
  kHome,
  kEnd,
  kEnter,
  kEsc,
  kType,         // ch: a printable character
  kClearPrefix,  // Backspace
  kMoveToRow,    // row: a click on another row that shows an item
  kToggle,       // a checklist's Space, or a click on row (0: the highlighted one)
  kOther,        // beeps
  kIgnore,       // nothing at all; wait for the next input
};

struct ListInput {
  ListAction action = ListAction::kIgnore;
  unsigned char ch = 0;
  std::string text;  // kType: the character as UTF-8, for lists of UTF-8 texts
  int row = 0;
  bool endsSearch = false;  // extended keys and Backspace end a type-ahead search
};

enum class ListStep { kGoing, kChosen, kCancelled };

// True when a list's window can be opened: it has an interior row and lies
// on the screen, and so does its interior column when Right is fixed; Right 0
// (automatic width) needs room for one interior column before the screen's
// right edge.
bool ListWindowFits(const WindowRec& window);
// Opens the list: the index array, W and Right (automatic width is held at
// the screen's right edge), V, T = C = F, then the window, the view, the
// highlight, the arrows and the scroll bar. False (nothing drawn) when there
// is no item or the window does not fit (ListWindowFits).
bool OpenList(ListView& view, const BasedArray<std::string>& items, int sortOrder,
              const WindowRec& window, std::string_view title, std::uint8_t scrollBarStyle,
              ColorAttr barColor);
// OpenList of items already in display order, with texts that may be made on
// demand; the array's OpenList comes down to this one.
bool OpenList(ListView& view, ListItems items, const WindowRec& window, const CellString& title,
              std::uint8_t scrollBarStyle, ColorAttr barColor);
// Highlights display item k (F..L): on the first page as it is, further on
// on the first row (or on the last page).
void ShowItem(ListView& view, Pos k);
// Leaves the bar colour current, restores the screen and releases the arrays.
void CloseList(ListView& view);
// Puts back the screen under an open list, keeping its items and highlight,
// for PlaceList to show it again.
void HideList(ListView& view);
// Shows a list HideList put away in a new window (Right fixed): W, V and the
// first row shown follow it, the highlighted item stays highlighted and in
// view, a type-ahead search ends. False (nothing drawn) when the window does
// not fit (ListWindowFits).
bool PlaceList(ListView& view, const WindowRec& window, const CellString& title);

// Drawing pieces: the rows of the view, the highlight bar, the arrows on the
// bottom frame and the scroll bar on the right frame.
void DrawView(const ListView& view);
void DrawViewRow(const ListView& view, int r);
void Highlight(const ListView& view);
void RemoveHighlight(const ListView& view);
void DrawArrows(const ListView& view);
void DrawListScrollBar(const ListView& view);
// Rows of the scroll-bar thumb as drawn (style 2: the longer thumb).
void ThumbRows(const ListView& view, int& firstRow, int& lastRow);

// The input an event stands for; withMouse false makes every mouse event a
// key without meaning (the keyboard-only lists).
ListInput ReadListInput(const ListView& view, const InputEvent& event, bool withMouse);
// The same for a KeyCode just taken from the console, whose mouse cell the
// console still reports.
ListInput ReadListInput(const ListView& view, const KeyCode& key, bool withMouse);
// Acts on one input. `chosen` receives the caller's index on kChosen.
ListStep StepList(ListView& view, const ListInput& input, std::int32_t& chosen);
// Waits for inputs and steps until the list ends; closes it and returns the
// caller's index chosen or -1.
std::int32_t RunList(ListView& view, bool withMouse);

}  // namespace tarvana::internal
