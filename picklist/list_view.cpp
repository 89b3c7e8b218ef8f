#include "picklist/list_view.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <optional>

#include "console/console.h"
#include "console/text_input.h"
#include "console/unicode_text.h"
#include "runtime/cp437_case.h"
#include "runtime/unicode/case_folding.h"
#include "runtime/unicode/grapheme.h"
#include "window/screen_cells.h"
#include "window/window.h"

namespace tarvana::internal {
namespace {

constexpr unsigned char kUpArrow = 24;
constexpr unsigned char kDownArrow = 25;
constexpr unsigned char kThumb = 219;

// Writes text from (row, col) without running past the screen's right edge.
void PrintAt(int row, int col, std::string_view text) {
  if (row < 1 || row > ScreenHeight() || col > ScreenWidth()) return;
  if (col < 1) {
    if (static_cast<int>(text.size()) <= 1 - col) return;
    text.remove_prefix(1 - col);
    col = 1;
  }
  text = text.substr(0, ScreenWidth() - col + 1);
  Locate(row, col);
  PrintText(text);
}

int Top(const ListView& v) {
  return v.win.Top;
}
int Left(const ListView& v) {
  return v.win.Left;
}
int Bottom(const ListView& v) {
  return v.win.Bottom;
}
int Right(const ListView& v) {
  return v.win.Right;
}

ColorAttr RowColor(const ListView& v, Pos k) {
  return v.Selected(k) ? v.markColor : v.win.FillColor;
}

// Makes newCurrent current with newTop on the first row: a changed top
// redraws the view (followed by the highlight and the arrows); otherwise only
// the old and the new row are recoloured.
void ShowAt(ListView& v, Pos newTop, Pos newCurrent) {
  if (newTop != v.top) {
    v.top = newTop;
    v.current = newCurrent;
    v.row = static_cast<int>(v.current - v.top + 1);
    DrawView(v);
    Highlight(v);
    DrawArrows(v);
  } else if (newCurrent != v.current) {
    RemoveHighlight(v);
    v.current = newCurrent;
    v.row = static_cast<int>(v.current - v.top + 1);
    Highlight(v);
  }
}

void ErasePrefix(ListView& v) {
  if (v.shownPrefix > 0) {
    UseColor(v.win.FrameColor);
    PrintAt(Bottom(v), Left(v) + 1, std::string(v.shownPrefix, static_cast<char>(v.frameChar)));
  }
  v.shownPrefix = 0;
}

// Clears the typing flag and P and erases the shown prefix.
void EndSearch(ListView& v) {
  ErasePrefix(v);
  v.typing = false;
  v.prefix.clear();
  v.typed.clear();
}

bool StartsWithPrefix(std::string_view item, const std::string& prefix) {
  if (item.size() < prefix.size()) return false;
  for (size_t j = 0; j < prefix.size(); ++j)
    if (UpperChar(static_cast<unsigned char>(item[j])) != static_cast<unsigned char>(prefix[j]))
      return false;
  return true;
}

// A UTF-8 item whose case folding starts with the folded prefix, ending
// between two of its clusters.
bool StartsWithFoldedPrefix(std::string_view item, const std::string& folded) {
  const std::string text = FoldCase(item);
  if (!std::string_view(text).starts_with(folded)) return false;
  std::size_t end = 0;
  while (end < folded.size())
    end = NextClusterEnd(text, end);
  return end == folded.size();
}

// The first display position in from..to whose item starts with P, or -1.
// The items' upper-cased first bytes lie in one array in display order, so
// the scan touches an item's text only when its first letter matches.
Pos FindPrefix(const ListView& v, Pos from, Pos to) {
  if (from > to || v.prefix.empty()) return -1;
  const unsigned char* firsts = v.firstUpper.data() - v.first;
  // P of UTF-8 texts is folded, not upper-cased, as their folded first bytes.
  const unsigned char first = static_cast<unsigned char>(v.prefix[0]);
  const unsigned char want = v.utf8 ? UpperChar(first) : first;
  std::string scratch;
  for (Pos k = from; k <= to; ++k) {
    const void* hit = std::memchr(firsts + k, want, static_cast<size_t>(to - k + 1));
    if (!hit) return -1;
    k = static_cast<const unsigned char*>(hit) - firsts;
    const std::string_view item = v.Item(k, scratch);
    if (v.utf8 ? StartsWithFoldedPrefix(item, v.prefix) : StartsWithPrefix(item, v.prefix))
      return k;
  }
  return -1;
}

// Adds the character typed to P and shows P on the bottom frame.
void ExtendPrefix(ListView& v, const ListInput& in) {
  if (!v.typing) {
    v.typing = true;
    v.prefix.clear();
    v.typed.clear();
  }
  // The prefix stays clear of the arrows: at most W - 2 cells, which holds
  // every prefix that can match an item of an automatic-width list.
  const int room = std::max(0, v.width - 2);
  UseColor(v.win.FrameColor);
  if (!v.utf8) {
    v.prefix += static_cast<char>(UpperChar(in.ch));
    v.shownPrefix = std::min<int>(v.prefix.size(), room);
    PrintAt(Bottom(v), Left(v) + 1, std::string_view(v.prefix).substr(0, v.shownPrefix));
    return;
  }
  v.typed += in.text.empty() ? std::string(1, static_cast<char>(in.ch)) : in.text;
  v.prefix = FoldCase(v.typed);
  ErasePrefix(v);
  const CellString shown = CellString::FromUtf8(v.typed).Cut(room);
  v.shownPrefix = shown.Width();
  UseColor(v.win.FrameColor);
  PrintClipped(Bottom(v), Left(v) + 1, shown);
}

void TypeAhead(ListView& v, const ListInput& in) {
  ExtendPrefix(v, in);

  Pos found = FindPrefix(v, v.current, v.last);
  if (found < 0) found = FindPrefix(v, v.first, v.current - 1);
  if (found < 0) {
    EndSearch(v);
    return;
  }
  if (found == v.current) return;
  if (v.last - found < v.pageSize)
    ShowAt(v, v.last - v.pageSize + 1, found);
  else
    ShowAt(v, found, found);
}

void MoveUp(ListView& v) {
  if (v.row == 1) {
    if (v.current > v.first) ShowAt(v, v.top - 1, v.current - 1);
  } else {
    ShowAt(v, v.top, v.current - 1);
  }
}

void MoveDown(ListView& v) {
  if (v.row == v.pageSize) {
    if (v.current < v.last) ShowAt(v, v.top + 1, v.current + 1);
  } else {
    ShowAt(v, v.top, v.current + 1);
  }
}

void PageUp(ListView& v) {
  if (v.top <= v.first) return;
  Pos top = v.top - v.pageSize;
  if (top < v.first) {
    ShowAt(v, v.first, v.first + v.row - 1);
  } else {
    ShowAt(v, top, v.current - v.pageSize);
  }
}

void PageDown(ListView& v) {
  if (v.top >= v.last - v.pageSize + 1) return;
  Pos top = v.top + v.pageSize;
  if (top + v.pageSize > v.last) {
    ShowAt(v, v.last - v.pageSize + 1, v.last - v.pageSize + v.row);
  } else {
    ShowAt(v, top, v.current + v.pageSize);
  }
}

// Multi-pick Enter: toggle, end the search, redraw, then Down (a
// checklist's Space stays on the item).
void Toggle(ListView& v, bool thenDown) {
  std::int16_t& flag = (*v.flags)[v.IndexAt(v.current)];
  flag = flag != 0 ? 0 : -1;
  EndSearch(v);
  DrawView(v);
  Highlight(v);
  DrawArrows(v);
  if (thenDown) MoveDown(v);
}

ListAction ExtendedAction(std::uint8_t scanCode) {
  switch (scanCode) {
    case scan::kUp:
      return ListAction::kUp;
    case scan::kDown:
      return ListAction::kDown;
    case scan::kPgUp:
      return ListAction::kPgUp;
    case scan::kPgDn:
      return ListAction::kPgDn;
    case scan::kHome:
      return ListAction::kHome;
    case scan::kEnd:
      return ListAction::kEnd;
    default:
      return ListAction::kOther;
  }
}

ListInput MouseInput(const ListView& v, const InputEvent& event) {
  const KeyCode& key = event.key;
  ListInput in;
  if (MouseEvent(key) != mouse::kReleased) return in;  // ignored
  if (MouseButton(key) == mouse::kRight) {
    in.action = ListAction::kEsc;
    return in;
  }
  if (MouseButton(key) != mouse::kLeft) {
    in.action = ListAction::kOther;
    return in;
  }
  const int row = event.row, col = event.col;
  if (row <= Top(v) || row >= Bottom(v) || col <= Left(v) || col > Right(v)) return in;
  if (col == Right(v)) {
    if (v.scrollStyle == 0) return in;
    int thumbFirst, thumbLast;
    ThumbRows(v, thumbFirst, thumbLast);
    if (row < thumbFirst) in.action = ListAction::kPgUp;
    if (row > thumbLast) in.action = ListAction::kPgDn;
    return in;
  }
  const int r = row - Top(v);
  if (v.checklist && r <= v.pageSize) {
    in.action = ListAction::kToggle;
    in.row = r;
  } else if (r == v.row) {
    in.action = ListAction::kEnter;
  } else if (r <= v.pageSize) {
    in.action = ListAction::kMoveToRow;
    in.row = r;
  }
  return in;
}

}  // namespace

std::vector<std::int32_t> DisplayOrder(std::int32_t lower, std::int64_t count, const SortText& text,
                                       int sortOrder, std::vector<unsigned char>* firstUpper,
                                       const OrderEqualTexts& equal) {
  if (sortOrder != 0) {
    std::vector<std::int32_t> order =
        FoldedOrder(lower, count, text, sortOrder > 0, firstUpper, equal);
    // Upper-casing the first byte with a-z folded gives the upper-cased first byte.
    if (firstUpper)
      for (unsigned char& c : *firstUpper)
        c = UpperChar(c);
    return order;
  }
  std::vector<std::int32_t> order(static_cast<size_t>(std::max<std::int64_t>(count, 0)));
  std::iota(order.begin(), order.end(), lower);
  if (firstUpper) {
    firstUpper->resize(order.size());
    for (size_t i = 0; i < order.size(); ++i) {
      const std::string_view t = text(order[i]);
      (*firstUpper)[i] = t.empty() ? 0 : UpperChar(static_cast<unsigned char>(t[0]));
    }
  }
  return order;
}

std::vector<std::int32_t> DisplayOrder(const BasedArray<std::string>& items, int sortOrder,
                                       std::vector<unsigned char>* firstUpper) {
  const std::vector<std::string>& texts = items.Items();
  const std::int32_t lower = items.LBound();
  return DisplayOrder(
      lower, items.Count(),
      [&](std::int32_t index) { return std::string_view(texts[index - lower]); }, sortOrder,
      firstUpper);
}

bool ListWindowFits(const WindowRec& window) {
  WindowRec widest = window;
  if (widest.Right == 0) widest.Right = static_cast<std::uint8_t>(std::min(ScreenWidth(), 255));
  return WindowOnScreen(widest);
}

bool OpenList(ListView& v, const BasedArray<std::string>& items, int sortOrder,
              const WindowRec& window, std::string_view title, std::uint8_t scrollBarStyle,
              ColorAttr barColor) {
  if (items.Empty() || !ListWindowFits(window)) return false;
  ListItems list;
  list.text = [&items](std::int32_t index, std::string&) { return std::string_view(items[index]); };
  list.lower = items.LBound();
  list.count = items.Count();
  list.order = DisplayOrder(items, sortOrder, &list.firstUpper);
  for (const std::string& item : items)
    list.longest = std::max(list.longest, item.size());
  return OpenList(v, std::move(list), window, CellString::FromCp437(title), scrollBarStyle,
                  barColor);
}

bool OpenList(ListView& v, ListItems items, const WindowRec& window, const CellString& title,
              std::uint8_t scrollBarStyle, ColorAttr barColor) {
  const size_t count = static_cast<size_t>(std::max<std::int64_t>(items.count, 0));
  if (count == 0 || !items.text || items.order.size() != count ||
      items.firstUpper.size() != count || !ListWindowFits(window))
    return false;
  v.text = std::move(items.text);
  v.utf8 = items.utf8;
  v.first = items.lower;
  v.last = items.lower + items.count - 1;
  v.win = window;
  v.scrollStyle = scrollBarStyle;
  v.barColor = barColor;
  if (v.win.Right == 0) {
    // Left + longest + 3; a window that would pass the screen's right edge
    // stops there and cuts the longer items like a fixed width.
    const size_t right =
        std::min<size_t>(v.win.Left + items.longest + 3, std::min(ScreenWidth(), 255));
    v.win.Right = static_cast<std::uint8_t>(right);
  }
  v.width = std::max(0, v.win.Right - v.win.Left - 1);
  v.longest = items.longest;
  v.cut = items.longest > static_cast<size_t>(v.width);
  v.order = std::move(items.order);
  v.firstUpper = std::move(items.firstUpper);
  v.pageSize = static_cast<int>(std::min<Pos>(v.Count(), v.win.Bottom - v.win.Top - 1));
  v.top = v.current = v.first;
  v.row = 1;
  v.prefix.clear();
  v.typed.clear();
  v.typing = false;
  v.shownPrefix = 0;

  OpenWindow(v.win, title, v.save);
  // Read once, before any prefix can cover the cell.
  v.frameChar =
      static_cast<std::uint8_t>(ReadCell(v.win.Bottom, std::max(v.win.Right - 3, v.win.Left + 1)));
  DrawView(v);
  Highlight(v);
  DrawArrows(v);
  DrawListScrollBar(v);
  return true;
}

void ShowItem(ListView& v, Pos k) {
  if (k < v.first || k > v.last) return;
  const Pos top = k < v.first + v.pageSize ? v.first : std::min(k, v.last - v.pageSize + 1);
  ShowAt(v, top, k);
  DrawListScrollBar(v);
}

void CloseList(ListView& v) {
  UseColor(v.barColor);
  RestoreScreen(v.save);
  std::vector<std::int32_t>().swap(v.order);
  std::vector<unsigned char>().swap(v.firstUpper);
  v.text = nullptr;
}

void DrawViewRow(const ListView& v, int r) {
  const Pos k = v.top + r - 1;
  if (r < 1 || r > v.pageSize || k > v.last) return;
  const bool selected = v.Selected(k);
  // Blank before the text (or the mark), the text, blanks to the right frame:
  // W cells, one print, the text cut at the right frame when it is longer.
  std::string line, scratch;
  if (v.utf8) {
    CellString cells = CellString::FromCp437(selected ? std::string_view(v.mark) : " ");
    cells.Append(CellString::FromUtf8(v.Item(k, scratch)));
    UseColor(selected ? v.markColor : v.win.FillColor);
    PrintClipped(Top(v) + r, Left(v) + 1, cells.Padded(v.width));
    return;
  }
  line.reserve(v.width);
  line += selected ? std::string_view(v.mark) : std::string_view(" ");
  line += v.Item(k, scratch).substr(0, std::max<size_t>(v.width, line.size()) - line.size());
  line.resize(v.width, ' ');
  UseColor(selected ? v.markColor : v.win.FillColor);
  PrintAt(Top(v) + r, Left(v) + 1, line);
}

void DrawView(const ListView& v) {
  for (int r = 1; r <= v.pageSize; ++r)
    DrawViewRow(v, r);
}

void Highlight(const ListView& v) {
  RecolorRun(Top(v) + v.row, Left(v) + 1, v.width, v.barColor);
}

void RemoveHighlight(const ListView& v) {
  RecolorRun(Top(v) + v.row, Left(v) + 1, v.width, RowColor(v, v.current));
}

void DrawArrows(const ListView& v) {
  UseColor(v.win.FrameColor);
  const char up = static_cast<char>(v.top > v.first ? kUpArrow : v.frameChar);
  const char down = static_cast<char>(v.top + v.pageSize - 1 < v.last ? kDownArrow : v.frameChar);
  // Never over the left corner of a window too narrow for them.
  if (Right(v) - 2 > Left(v)) PrintAt(Bottom(v), Right(v) - 2, std::string_view(&up, 1));
  if (Right(v) - 1 > Left(v)) PrintAt(Bottom(v), Right(v) - 1, std::string_view(&down, 1));
}

void ThumbRows(const ListView& v, int& firstRow, int& lastRow) {
  const int trackTop = Top(v) + 1, trackBottom = Bottom(v) - 1;
  firstRow = trackTop + ScrollBarThumb(trackBottom - trackTop + 1, v.current - v.first, v.Count());
  lastRow = firstRow;
  if (v.scrollStyle == 2) {
    const Pos extra = static_cast<Pos>(v.pageSize) * v.pageSize / v.Count() - 1;
    lastRow = static_cast<int>(std::min<Pos>(firstRow + std::max<Pos>(extra, 0), trackBottom));
  }
}

void DrawListScrollBar(const ListView& v) {
  if (v.scrollStyle == 0) return;
  const Pos f = v.first;
  DrawScrollBar(Right(v), Top(v) + 1, Bottom(v) - 1, v.top - f, v.top - f + v.pageSize + 1,
                v.current - f, v.Count(), v.scrollStyle, v.win.FrameColor, v.barColor);
  int thumbFirst, thumbLast;
  ThumbRows(v, thumbFirst, thumbLast);
  const char thumb = static_cast<char>(kThumb);
  for (int row = thumbFirst + 1; row <= thumbLast; ++row)
    PrintAt(row, Right(v), std::string_view(&thumb, 1));
}

ListInput ReadListInput(const ListView& v, const KeyCode& key, bool withMouse) {
  return ReadListInput(v, EventOfKey(key, MouseRow(), MouseCol()), withMouse);
}

ListInput ReadListInput(const ListView& v, const InputEvent& event, bool withMouse) {
  const KeyCode& key = event.key;
  ListInput in;
  if (event.kind == InputEvent::Kind::kWheel) {
    if (withMouse) in.action = event.wheel < 0 ? ListAction::kUp : ListAction::kDown;
    in.endsSearch = withMouse;
    return in;
  }
  if (key.size() == 2 && key[0] == '\0') {
    in.action = ExtendedAction(static_cast<std::uint8_t>(key[1]));
    in.endsSearch = true;
    return in;
  }
  if (IsMouseKey(key)) {
    if (withMouse) return MouseInput(v, event);
    in.action = ListAction::kOther;
    return in;
  }
  if (key.size() != 1) {
    in.action = ListAction::kOther;
    return in;
  }
  const unsigned char c = static_cast<unsigned char>(key[0]);
  if (c == 27) {
    in.action = ListAction::kEsc;
  } else if (c == ' ' && v.checklist) {
    in.action = ListAction::kToggle;
    in.endsSearch = true;
  } else if (c == 13) {
    in.action = ListAction::kEnter;
  } else if (c == 8) {
    in.action = ListAction::kClearPrefix;
    in.endsSearch = true;
  } else if ((c >= 32 && c <= 126) || (v.utf8 && c >= 32 && !event.text.empty())) {
    in.action = ListAction::kType;
    in.ch = c;
    if (v.utf8) in.text = event.text;
  } else {
    in.action = ListAction::kOther;
  }
  return in;
}

ListStep StepList(ListView& v, const ListInput& in, std::int32_t& chosen) {
  if (in.action == ListAction::kIgnore) return ListStep::kGoing;
  if (in.endsSearch) EndSearch(v);
  switch (in.action) {
    case ListAction::kUp:
      MoveUp(v);
      break;
    case ListAction::kDown:
      MoveDown(v);
      break;
    case ListAction::kPgUp:
      PageUp(v);
      break;
    case ListAction::kPgDn:
      PageDown(v);
      break;
    case ListAction::kHome:
      if (v.current != v.first) ShowAt(v, v.first, v.first);
      break;
    case ListAction::kEnd:
      if (v.current != v.last) ShowAt(v, v.last - v.pageSize + 1, v.last);
      break;
    case ListAction::kEnter:
      if (!v.flags || v.checklist) {
        chosen = v.IndexAt(v.current);
        return ListStep::kChosen;
      }
      Toggle(v, true);
      break;
    case ListAction::kEsc:
      return ListStep::kCancelled;
    case ListAction::kType:
      TypeAhead(v, in);
      break;
    case ListAction::kClearPrefix:
      break;  // the search has ended above
    case ListAction::kMoveToRow:
      if (in.row >= 1 && in.row <= v.pageSize) ShowAt(v, v.top, v.top + in.row - 1);
      break;
    case ListAction::kToggle:
      if (in.row >= 1 && in.row <= v.pageSize) ShowAt(v, v.top, v.top + in.row - 1);
      if (v.flags) Toggle(v, false);
      break;
    case ListAction::kOther:
      Beep();
      break;
    case ListAction::kIgnore:
      break;
  }
  DrawListScrollBar(v);
  return ListStep::kGoing;
}

std::int32_t RunList(ListView& v, bool withMouse) {
  std::optional<WheelInputScope> wheel;
  if (withMouse) wheel.emplace();
  for (;;) {
    std::int32_t chosen = -1;
    switch (StepList(v, ReadListInput(v, WaitKeyEvent(), withMouse), chosen)) {
      case ListStep::kGoing:
        break;
      case ListStep::kChosen:
        CloseList(v);
        return chosen;
      case ListStep::kCancelled:
        CloseList(v);
        return -1;
    }
  }
}

void HideList(ListView& v) {
  UseColor(v.barColor);
  RestoreScreen(v.save);
}

bool PlaceList(ListView& v, const WindowRec& window, const CellString& title) {
  if (window.Right == 0 || !ListWindowFits(window)) return false;
  v.win = window;
  v.width = std::max(0, v.win.Right - v.win.Left - 1);
  v.cut = v.longest > static_cast<size_t>(v.width);
  v.pageSize = static_cast<int>(std::min<Pos>(v.Count(), v.win.Bottom - v.win.Top - 1));
  // The highlight keeps its row where the new page allows.
  const Pos lastTop = v.last - v.pageSize + 1;
  v.top = std::clamp<Pos>(v.current - std::min(v.row, v.pageSize) + 1, v.first, lastTop);
  v.row = static_cast<int>(v.current - v.top + 1);
  v.prefix.clear();
  v.typed.clear();
  v.typing = false;
  v.shownPrefix = 0;
  OpenWindow(v.win, title, v.save);
  v.frameChar =
      static_cast<std::uint8_t>(ReadCell(v.win.Bottom, std::max(v.win.Right - 3, v.win.Left + 1)));
  DrawView(v);
  Highlight(v);
  DrawArrows(v);
  DrawListScrollBar(v);
  return true;
}

}  // namespace tarvana::internal
