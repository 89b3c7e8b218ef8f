#include "console/console_api.h"

#include <algorithm>
#include <utility>

#include "console/cell_text.h"
#include "console/cp437.h"
#include "console/cp437_best_fit.h"
#include "console/us_layout.h"
#include "runtime/unicode/code_point_properties.h"
#include "runtime/unicode/utf8_decode.h"
#include "runtime/utf16.h"

namespace tarvana {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

// A character one CHAR_INFO shows: in the Basic Multilingual Plane, no
// surrogate and no control code.
bool FitsCharInfo(char32_t u) {
  return u != 0 && u < 0x10000 && !IsHighSurrogate(u) && !IsLowSurrogate(u) &&
         WidthClassOf(u) != WidthClass::kControl;
}

// The first scalar of a text cell's cluster, and whether it is all of it.
struct ClusterHead {
  char32_t first = 0;
  bool whole = true;
};

ClusterHead HeadOf(char32_t text) {
  if (!(text & kStoredClusterBit)) return {text, true};
  const std::string utf8 = CellTextUtf8(text);
  if (utf8.empty()) return {0, true};
  std::size_t pos = 0;
  const char32_t first = DecodeUtf8(utf8, pos);
  return {first, pos == utf8.size()};
}

// Cell col of a row is the second half of the wide cluster before it.
bool Headed(const Cell* row, int col) {
  return col > 0 && (row[col - 1].flags & cell_flag::kWideFirst) &&
         !(row[col - 1].flags & cell_flag::kContinuation);
}

// Cell col of a cols-wide row starts a wide cluster whose second half follows.
bool Covered(const Cell* row, int cols, int col) {
  return (row[col].flags & cell_flag::kWideFirst) && col + 1 < cols &&
         (row[col + 1].flags & cell_flag::kContinuation);
}

// The scan code of a virtual key that types no character (or whose character
// the scan code must not depend on); 0 for keys the toolbox does not know.
std::uint8_t ScanOfVirtualKey(std::uint16_t vk) {
  if (vk >= 0x70 && vk <= 0x79) return static_cast<std::uint8_t>(59 + (vk - 0x70));  // F1-F10
  switch (vk) {
    case 0x08:
      return usKey::kBackspace;
    case 0x09:
      return usKey::kTab;
    case 0x0C:
      return 76;  // keypad 5 without NumLock
    case 0x0D:
      return usKey::kEnter;
    case 0x10:
      return 42;  // Shift
    case 0x11:
      return 29;  // Ctrl
    case 0x12:
      return 56;  // Alt
    case 0x14:
      return 58;  // CapsLock
    case 0x1B:
      return usKey::kEsc;
    case 0x20:
      return usKey::kSpace;
    case 0x21:
      return scan::kPgUp;
    case 0x22:
      return scan::kPgDn;
    case 0x23:
      return scan::kEnd;
    case 0x24:
      return scan::kHome;
    case 0x25:
      return scan::kLeft;
    case 0x26:
      return scan::kUp;
    case 0x27:
      return scan::kRight;
    case 0x28:
      return scan::kDown;
    case 0x2D:
      return scan::kIns;
    case 0x2E:
      return scan::kDel;
    case 0x7A:
      return scan::kF11;
    case 0x7B:
      return scan::kF12;
    case 0x90:
      return 69;  // NumLock
    case 0x91:
      return 70;  // ScrollLock
    default:
      return 0;
  }
}

}  // namespace

void MapConsoleKeyEvent(const ConsoleKeyEvent& event, ConsoleKeyState& state,
                        std::vector<InputRecord>& out) {
  // Releases yield no key: they are not queued, so they wake nobody.
  if (!event.keyDown) return;
  char32_t u = event.unicodeChar;
  if (state.highSurrogate != 0) {
    const char32_t high = std::exchange(state.highSurrogate, 0);
    if (IsLowSurrogate(u)) {
      u = 0x10000 + ((high - 0xD800) << 10) + (u - 0xDC00);
    } else {
      ConsoleKeyEvent lone;
      lone.unicodeChar = kReplacement;
      MapConsoleKeyEvent(lone, state, out);
    }
  }
  if (IsHighSurrogate(u)) {
    state.highSurrogate = static_cast<char16_t>(u);
    return;
  }
  if (IsLowSurrogate(u)) u = kReplacement;
  using namespace consoleApi;
  const std::uint32_t controls = event.controlKeyState;
  // AltGr (right Alt with left Ctrl) types a character; it is no Alt+key.
  const bool altGr = (controls & kRightAlt) && (controls & kLeftCtrl) && u != 0;
  InputRecord record = InputRecord::Key({});
  KeyRecord& k = record.key;
  k.alt = !altGr && (controls & (kLeftAlt | kRightAlt));
  k.ctrl = !altGr && (controls & (kLeftCtrl | kRightCtrl));
  k.shift = controls & kShift;
  k.capsLock = controls & kCapsLock;
  const std::uint8_t keyScan = ScanOfVirtualKey(event.virtualKey);
  if (u != 0) {
    int ch = u < 32 || u == 127 ? static_cast<int>(u) : UnicodeToCp437(u);
    // A character code page 437 lacks is typed as its stand-in, or beeps, as
    // on a terminal; the record keeps the character itself for readers of text.
    if (ch < 0) {
      ch = BestFitCp437(u);
      k.text = u;
      if (ch < 0) record.kind = InputRecord::Kind::kUnshowable;
    }
    k.ch = static_cast<std::uint8_t>(std::max(ch, 0));
    k.scan = keyScan ? keyScan : static_cast<std::uint8_t>(event.virtualScan);
    if (k.scan == 0 && k.ch != 0) k.scan = UsLayoutKey(k.ch).scan;
    // Shift+Tab is the back-tab key, with no character, as on a PC.
    if (k.ch == '\t' && k.shift) k.ch = 0;
  } else {
    k.scan = keyScan;
    if (k.scan == 0) return;
  }
  const int repeats = std::max<int>(1, event.repeatCount);
  for (int i = 0; i < repeats; ++i)
    out.push_back(record);
}

InputRecord MapConsoleMouseEvent(const ConsoleMouseEvent& event) {
  using namespace consoleApi;
  MouseRecord m;
  // The high word holds the wheel's turn, not buttons.
  m.buttons = static_cast<int>(event.buttonState & 7);
  m.row = event.y;
  m.col = event.x;
  m.moved = event.eventFlags & kMouseMoved;
  m.doubleClick = event.eventFlags & kDoubleClick;
  // A turn sideways (kMouseHWheeled) is no wheel record: nothing reads it.
  m.wheel = event.eventFlags & kMouseWheeled;
  m.wheelUp = m.wheel && static_cast<std::int16_t>(event.buttonState >> 16) > 0;
  m.alt = event.controlKeyState & (kLeftAlt | kRightAlt);
  m.ctrl = event.controlKeyState & (kLeftCtrl | kRightCtrl);
  m.shift = event.controlKeyState & kShift;
  return InputRecord::Mouse(m);
}

std::vector<CellRect> ChangedRects(const std::vector<Cell>& shown, const std::vector<Cell>& now,
                                   int cols) {
  std::vector<CellRect> rects;
  if (cols <= 0 || now.empty()) return rects;
  const int rows = static_cast<int>(now.size()) / cols;
  if (shown.size() != now.size()) {
    rects.push_back({0, 0, rows - 1, cols - 1});
    return rects;
  }
  bool open = false;
  for (int row = 0; row < rows; ++row) {
    const Cell* a = shown.data() + static_cast<size_t>(row) * cols;
    const Cell* b = now.data() + static_cast<size_t>(row) * cols;
    int left = 0;
    while (left < cols && a[left] == b[left])
      ++left;
    if (left == cols) {
      open = false;
      continue;
    }
    int right = cols - 1;
    while (a[right] == b[right])
      --right;
    // The console keeps the two cells of a wide character together.
    if (left > 0 && ((a[left].flags | b[left].flags) & cell_flag::kContinuation)) --left;
    if (right + 1 < cols && ((a[right].flags | b[right].flags) & cell_flag::kWideFirst)) ++right;
    if (open) {
      CellRect& r = rects.back();
      r.bottom = row;
      r.left = std::min(r.left, left);
      r.right = std::max(r.right, right);
    } else {
      rects.push_back({row, left, row, right});
      open = true;
    }
  }
  return rects;
}

ConsoleCharInfo ConsoleCharOfCell(const Cell* row, int cols, int col) {
  using namespace consoleApi;
  const Cell& c = row[col];
  const auto glyph = [](const Cell& of) {
    return ConsoleCharInfo{static_cast<char16_t>(Cp437ToUnicode(of.ch)), of.attr};
  };
  if (c.flags & cell_flag::kContinuation) {
    if (!Headed(row, col)) return glyph(Cell{' ', c.attr});
    const Cell& head = row[col - 1];
    const ClusterHead h = HeadOf(head.text);
    if (!FitsCharInfo(h.first)) return glyph(head);
    return {static_cast<char16_t>(h.first), static_cast<std::uint16_t>(head.attr | kTrailingByte)};
  }
  if (c.text == 0) return glyph(c);
  const ClusterHead h = HeadOf(c.text);
  const bool wide = c.flags & cell_flag::kWideFirst;
  if (!FitsCharInfo(h.first) || (wide && !Covered(row, cols, col))) return glyph(c);
  return {static_cast<char16_t>(h.first),
          static_cast<std::uint16_t>(wide ? c.attr | kLeadingByte : c.attr)};
}

std::vector<ConsoleText> ConsoleTextsIn(const std::vector<Cell>& cells, int cols,
                                        const CellRect& r) {
  std::vector<ConsoleText> texts;
  for (int row = r.top; row <= r.bottom; ++row) {
    const Cell* cellsOfRow = cells.data() + static_cast<std::size_t>(row) * cols;
    for (int col = r.left; col <= r.right; ++col) {
      const Cell& c = cellsOfRow[col];
      if (c.text == 0 || (c.flags & cell_flag::kContinuation)) continue;
      const bool wide = c.flags & cell_flag::kWideFirst;
      if (wide && !Covered(cellsOfRow, cols, col)) continue;  // shown as its stand-in
      const ClusterHead h = HeadOf(c.text);
      if (h.whole && FitsCharInfo(h.first)) continue;
      const std::string utf8 = CellTextUtf8(c.text);
      bool drawable = !utf8.empty();
      for (std::size_t pos = 0; drawable && pos < utf8.size();)
        drawable = WidthClassOf(DecodeUtf8(utf8, pos)) != WidthClass::kControl;
      if (!drawable) continue;
      const int width = wide ? 2 : 1;
      if (col + width >= cols) continue;  // see ConsoleTextsIn's contract
      ConsoleText* last = texts.empty() ? nullptr : &texts.back();
      if (last && last->row == row && last->col + last->width == col && last->attr == c.attr) {
        last->width += width;
        last->text += Utf8ToUtf16(utf8);
      } else {
        texts.push_back({row, col, width, c.attr, Utf8ToUtf16(utf8)});
      }
    }
  }
  return texts;
}

}  // namespace tarvana
