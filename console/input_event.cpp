#include "console/input_event.h"

#include "runtime/unicode/case_folding.h"
#include "runtime/unicode/utf8_decode.h"

namespace tarvana {
namespace {

struct ScanName {
  std::uint8_t scan;
  const char* name;
};

constexpr ScanName kScanNames[] = {
    {scan::kBackTab, "Shift+Tab"},
    {scan::kHome, "Home"},
    {scan::kUp, "Up"},
    {scan::kPgUp, "PgUp"},
    {scan::kLeft, "Left"},
    {scan::kRight, "Right"},
    {scan::kEnd, "End"},
    {scan::kDown, "Down"},
    {scan::kPgDn, "PgDn"},
    {scan::kIns, "Ins"},
    {scan::kDel, "Del"},
    {scan::kF11, "F11"},
    {scan::kF12, "F12"},
    {scan::kCtrlLeft, "Ctrl+Left"},
    {scan::kCtrlRight, "Ctrl+Right"},
    {scan::kCtrlEnd, "Ctrl+End"},
    {scan::kCtrlHome, "Ctrl+Home"},
};

// The letters of the PC keyboard's rows, by scan code, for Alt+letter.
constexpr const char* kAltRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
constexpr int kAltRowStart[] = {16, 30, 44};

const char* MouseButtonName(int button) {
  return button == mouse::kLeft ? "left" : button == mouse::kRight ? "right" : "middle";
}

}  // namespace

std::string KeyName(const KeyCode& key) {
  if (key.size() == 1) {
    const unsigned char c = static_cast<unsigned char>(key[0]);
    switch (c) {
      case 8:
        return "Backspace";
      case 9:
        return "Tab";
      case 13:
        return "Enter";
      case 27:
        return "Esc";
      case 32:
        return "Space";
      case 127:
        return "Ctrl+Backspace";
      default:
        break;
    }
    if (c >= 1 && c <= 26) return std::string("Ctrl+") + static_cast<char>('A' + c - 1);
    return key;
  }
  if (key.size() == 2 && key[0] == '\0') {
    const auto scanCode = static_cast<std::uint8_t>(key[1]);
    if (scanCode >= scan::kF1 && scanCode <= scan::kF10)
      return "F" + std::to_string(scanCode - scan::kF1 + 1);
    for (const ScanName& n : kScanNames)
      if (n.scan == scanCode) return n.name;
    for (int r = 0; r < 3; ++r) {
      const std::string row = kAltRows[r];
      if (scanCode >= kAltRowStart[r] && scanCode < kAltRowStart[r] + static_cast<int>(row.size()))
        return std::string("Alt+") + row[scanCode - kAltRowStart[r]];
    }
    return "scan code " + std::to_string(scanCode);
  }
  return "";
}

InputEvent EventOfKey(const KeyCode& key, int row, int col) {
  InputEvent e;
  e.key = key;
  if (key.empty()) return e;
  if (!IsMouseKey(key)) {
    e.kind = InputEvent::Kind::kKey;
    return e;
  }
  switch (MouseEvent(key)) {
    case mouse::kMoved:
      e.kind = InputEvent::Kind::kMove;
      break;
    case mouse::kDoubleClick:
      e.kind = InputEvent::Kind::kDoubleClick;
      break;
    case mouse::kPressed:
      e.kind = InputEvent::Kind::kPress;
      break;
    default:
      e.kind = InputEvent::Kind::kRelease;
      break;
  }
  e.button = MouseButton(key);
  e.row = row;
  e.col = col;
  return e;
}

std::string InputEvent::Name() const {
  switch (kind) {
    case Kind::kNone:
      return "";
    case Kind::kKey:
      return KeyName(key);
    case Kind::kResize:
      return "resize";
    case Kind::kPress:
      return std::string(MouseButtonName(button)) + " press at " + std::to_string(row) + "," +
             std::to_string(col);
    case Kind::kRelease:
      return std::string(MouseButtonName(button)) + " release at " + std::to_string(row) + "," +
             std::to_string(col);
    case Kind::kDoubleClick:
      return std::string(MouseButtonName(button)) + " double click at " + std::to_string(row) +
             "," + std::to_string(col);
    case Kind::kMove:
      return "move to " + std::to_string(row) + "," + std::to_string(col);
    case Kind::kPosted:
      return "posted " + std::to_string(id);
    case Kind::kTimer:
      return "timer " + std::to_string(id);
    case Kind::kWheel:
      return std::string(wheel < 0 ? "wheel up" : "wheel down") + " at " + std::to_string(row) +
             "," + std::to_string(col);
  }
  return "";
}

char32_t FoldedTypedChar(const InputEvent& event) {
  if (event.text.empty()) return 0;
  std::size_t at = 0;
  return SimpleCaseFold(DecodeUtf8(event.text, at));
}

}  // namespace tarvana
