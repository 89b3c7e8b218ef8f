#include "picklist/list_view.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

#include "console/console.h"
#include "runtime/cp437_case.h"
#include "window/window.h"

namespace tarvana::picklist_detail {
namespace {

constexpr unsigned char kUpArrow = 24;
constexpr unsigned char kDownArrow = 25;
constexpr unsigned char kThumb = 219;

// a-z folded to A-Z, every other byte as it is.
constexpr std::array<unsigned char, 256> kSortFold = [] {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c)
    t[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return t;
}();

// An item's sort key and its caller's index.
// An item's caller's index beside twelve of its bytes: a-z folded, NULs past
// its end, big-endian in `high` and then `low` (which fills what would be
// padding), so that sorting compares and deals integers.
struct Keyed {
  std::uint64_t high;
  std::uint32_t low;
  std::int32_t index;
};
static_assert(sizeof(Keyed) == 16, "the low bytes fill the padding");
constexpr size_t kKeyBytes = 12;

void SetKey(Keyed& k, std::string_view t, size_t offset) {
  const auto at = [&](size_t j) -> std::uint64_t {
    return j < t.size() ? kSortFold[static_cast<unsigned char>(t[j])] : 0;
  };
  k.high = 0;
  for (size_t j = offset; j < offset + 8; ++j)
    k.high = (k.high << 8) | at(j);
  k.low = 0;
  for (size_t j = offset + 8; j < offset + kKeyBytes; ++j)
    k.low = static_cast<std::uint32_t>((k.low << 8) | at(j));
}

bool SameKey(const Keyed& a, const Keyed& b) {
  return a.high == b.high && a.low == b.low;
}

// Byte i (0 = the first) of the key.
unsigned KeyByte(const Keyed& k, size_t i) {
  return static_cast<unsigned>(i < 8 ? k.high >> (56 - 8 * i) : k.low >> (88 - 8 * i)) & 255;
}

using KeyedIt = std::vector<Keyed>::iterator;

// Sorts by key from byte i on, equal keys in any order: in place, a byte at a
// time, each range dealt into 256 buckets by that byte, and small ranges by
// comparison. Dealing needs no branch on the keys' order, which makes it
// several times faster than comparing random texts.
void SortKeyed(KeyedIt begin, KeyedIt end, bool ascending, size_t i = 0) {
  constexpr std::ptrdiff_t kSmall = 128;
  if (end - begin < kSmall) {
    std::sort(begin, end, [ascending](const Keyed& a, const Keyed& b) {
      if (a.high != b.high) return ascending ? a.high < b.high : a.high > b.high;
      return ascending ? a.low < b.low : a.low > b.low;
    });
    return;
  }
  for (; i < kKeyBytes; ++i) {
    const auto bucketOf = [ascending, i](const Keyed& k) {
      return ascending ? KeyByte(k, i) : 255 - KeyByte(k, i);
    };
    std::array<std::ptrdiff_t, 256> count{};
    for (KeyedIt k = begin; k != end; ++k)
      ++count[bucketOf(*k)];
    // A byte that all the keys share sorts nothing.
    if (count[bucketOf(*begin)] == end - begin) continue;
    std::array<KeyedIt, 256> next, stop;
    KeyedIt at = begin;
    for (int b = 0; b < 256; ++b) {
      next[b] = at;
      at += count[b];
      stop[b] = at;
    }
    // Each element goes straight to the next free place of its bucket, the
    // one found there moving on in turn, until a bucket's own element
    // arrives.
    for (unsigned b = 0; b < 256; ++b)
      while (next[b] != stop[b]) {
        Keyed moving = *next[b];
        for (unsigned c = bucketOf(moving); c != b; c = bucketOf(moving))
          std::swap(moving, *next[c]++);
        *next[b]++ = moving;
      }
    for (int b = 0; b < 256; ++b)
      if (count[b] > 1) SortKeyed(stop[b] - count[b], stop[b], ascending, i + 1);
    return;
  }
}

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
}

bool StartsWithPrefix(std::string_view item, const std::string& prefix) {
  if (item.size() < prefix.size()) return false;
  for (size_t j = 0; j < prefix.size(); ++j)
    if (UpperChar(static_cast<unsigned char>(item[j])) != static_cast<unsigned char>(prefix[j]))
      return false;
  return true;
}

// The first display position in from..to whose item starts with P, or -1.
// The items' upper-cased first bytes lie in one array in display order, so
// the scan touches an item's text only when its first letter matches.
Pos FindPrefix(const ListView& v, Pos from, Pos to) {
  if (from > to || v.prefix.empty()) return -1;
  const unsigned char* firsts = v.firstUpper.data() - v.first;
  const unsigned char want = static_cast<unsigned char>(v.prefix[0]);
  std::string scratch;
  for (Pos k = from; k <= to; ++k) {
    const void* hit = std::memchr(firsts + k, want, static_cast<size_t>(to - k + 1));
    if (!hit) return -1;
    k = static_cast<const unsigned char*>(hit) - firsts;
    if (StartsWithPrefix(v.Item(k, scratch), v.prefix)) return k;
  }
  return -1;
}

void TypeAhead(ListView& v, unsigned char ch) {
  const char upper = static_cast<char>(UpperChar(ch));
  if (v.typing) {
    v.prefix += upper;
  } else {
    v.typing = true;
    v.prefix.assign(1, upper);
  }
  // The prefix stays clear of the arrows: at most W - 2 cells, which holds
  // every prefix that can match an item of an automatic-width list.
  v.shownPrefix = std::min<int>(v.prefix.size(), std::max(0, v.width - 2));
  UseColor(v.win.FrameColor);
  PrintAt(Bottom(v), Left(v) + 1, std::string_view(v.prefix).substr(0, v.shownPrefix));

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

// Multi-pick Enter: toggle, end the search, redraw, then Down.
void Toggle(ListView& v) {
  std::int16_t& flag = (*v.flags)[v.IndexAt(v.current)];
  flag = flag != 0 ? 0 : -1;
  EndSearch(v);
  DrawView(v);
  Highlight(v);
  DrawArrows(v);
  MoveDown(v);
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
  if (r == v.row) {
    in.action = ListAction::kEnter;
  } else if (r <= v.pageSize) {
    in.action = ListAction::kMoveToRow;
    in.row = r;
  }
  return in;
}

}  // namespace

int CompareFolded(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = kSortFold[static_cast<unsigned char>(a[i])];
    const unsigned char cb = kSortFold[static_cast<unsigned char>(b[i])];
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

std::vector<std::int32_t> DisplayOrder(std::int32_t lower, std::int64_t count, const SortText& text,
                                       int sortOrder, std::vector<unsigned char>* firstUpper,
                                       const OrderEqualTexts& equal) {
  std::vector<std::int32_t> order(static_cast<size_t>(std::max<std::int64_t>(count, 0)));
  std::iota(order.begin(), order.end(), lower);
  if (sortOrder == 0 || order.size() < 2) {
    if (firstUpper) {
      firstUpper->resize(order.size());
      for (size_t i = 0; i < order.size(); ++i) {
        const std::string_view t = text(order[i]);
        (*firstUpper)[i] = t.empty() ? 0 : UpperChar(static_cast<unsigned char>(t[0]));
      }
    }
    return order;
  }
  // The keys hold the bytes from 0 first, then, within each run of equal
  // keys, the next twelve, and so on. Equal texts keep array order (the
  // index decides), so an in-place sort gives the stable result without a
  // scratch buffer.
  const bool ascending = sortOrder > 0;
  std::vector<Keyed> keyed(order.size());
  for (size_t i = 0; i < order.size(); ++i) {
    keyed[i].index = order[i];
    SetKey(keyed[i], text(order[i]), 0);
  }
  SortKeyed(keyed.begin(), keyed.end(), ascending);
  // The first key's top byte is the item's first byte with a-z folded (0 for
  // an empty item), the same across a run, and upper-casing it gives the
  // item's upper-cased first byte.
  if (firstUpper) {
    firstUpper->resize(keyed.size());
    for (size_t i = 0; i < keyed.size(); ++i)
      (*firstUpper)[i] = UpperChar(static_cast<unsigned char>(KeyByte(keyed[i], 0)));
  }
  struct Run {
    KeyedIt begin, end;
    size_t offset;  // the items agree on their bytes before offset + kKeyBytes
  };
  std::vector<Run> runs;
  std::vector<std::int32_t> equalIndices;
  const auto pushRuns = [&](KeyedIt begin, KeyedIt end, size_t offset) {
    for (auto run = begin; run != end;) {
      const auto stop =
          std::find_if(run + 1, end, [&](const Keyed& k) { return !SameKey(k, *run); });
      if (stop - run > 1) runs.push_back({run, stop, offset});
      run = stop;
    }
  };
  pushRuns(keyed.begin(), keyed.end(), 0);
  while (!runs.empty()) {
    const Run run = runs.back();
    runs.pop_back();
    const size_t next = run.offset + kKeyBytes;
    if (std::none_of(run.begin, run.end,
                     [&](const Keyed& k) { return text(k.index).size() > next; })) {
      // All end within these bytes: they differ at most in trailing NULs, and
      // a shorter text comes before a longer one it begins; equal texts keep
      // array order.
      std::sort(run.begin, run.end, [&](const Keyed& a, const Keyed& b) {
        const size_t la = text(a.index).size(), lb = text(b.index).size();
        if (la != lb) return ascending ? la < lb : la > lb;
        return a.index < b.index;
      });
      for (auto same = run.begin; equal && same != run.end;) {
        const size_t length = text(same->index).size();
        const auto stop = std::find_if(
            same + 1, run.end, [&](const Keyed& k) { return text(k.index).size() != length; });
        if (stop - same > 1) {
          equalIndices.clear();
          for (auto k = same; k != stop; ++k)
            equalIndices.push_back(k->index);
          equal(equalIndices);
          for (auto k = same; k != stop; ++k)
            k->index = equalIndices[k - same];
        }
        same = stop;
      }
      continue;
    }
    for (auto k = run.begin; k != run.end; ++k)
      SetKey(*k, text(k->index), next);
    SortKeyed(run.begin, run.end, ascending);
    pushRuns(run.begin, run.end, next);
  }
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = keyed[i].index;
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
  return OpenList(v, std::move(list), window, title, scrollBarStyle, barColor);
}

bool OpenList(ListView& v, ListItems items, const WindowRec& window, std::string_view title,
              std::uint8_t scrollBarStyle, ColorAttr barColor) {
  const size_t count = static_cast<size_t>(std::max<std::int64_t>(items.count, 0));
  if (count == 0 || !items.text || items.order.size() != count ||
      items.firstUpper.size() != count || !ListWindowFits(window))
    return false;
  v.text = std::move(items.text);
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
  v.cut = items.longest > static_cast<size_t>(v.width);
  v.order = std::move(items.order);
  v.firstUpper = std::move(items.firstUpper);
  v.pageSize = static_cast<int>(std::min<Pos>(v.Count(), v.win.Bottom - v.win.Top - 1));
  v.top = v.current = v.first;
  v.row = 1;
  v.prefix.clear();
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
  } else if (c == 13) {
    in.action = ListAction::kEnter;
  } else if (c == 8) {
    in.action = ListAction::kClearPrefix;
    in.endsSearch = true;
  } else if (c >= 32 && c <= 126) {
    in.action = ListAction::kType;
    in.ch = c;
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
      if (!v.flags) {
        chosen = v.IndexAt(v.current);
        return ListStep::kChosen;
      }
      Toggle(v);
      break;
    case ListAction::kEsc:
      return ListStep::kCancelled;
    case ListAction::kType:
      TypeAhead(v, in.ch);
      break;
    case ListAction::kClearPrefix:
      break;  // the search has ended above
    case ListAction::kMoveToRow:
      if (in.row >= 1 && in.row <= v.pageSize) ShowAt(v, v.top, v.top + in.row - 1);
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

}  // namespace tarvana::picklist_detail
