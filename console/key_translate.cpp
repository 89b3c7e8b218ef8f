#include "console/key_translate.h"

#include "console/cp437.h"
#include "runtime/utf8.h"

namespace tarvana {
namespace {

bool IsLetterScan(int scan) {
  return (scan >= 16 && scan <= 25) || (scan >= 30 && scan <= 38) || (scan >= 44 && scan <= 50);
}

// Unshifted and shifted characters of the 21 digit and punctuation keys that
// CapsLock leaves alone, indexed by scan code.
struct DualKey {
  std::uint8_t scan;
  char plain;
  char shifted;
};
constexpr DualKey kDualKeys[] = {
    {2, '1', '!'},   {3, '2', '@'},  {4, '3', '#'},   {5, '4', '$'},  {6, '5', '%'},
    {7, '6', '^'},   {8, '7', '&'},  {9, '8', '*'},   {10, '9', '('}, {11, '0', ')'},
    {12, '-', '_'},  {13, '=', '+'}, {26, '[', '{'},  {27, ']', '}'}, {39, ';', ':'},
    {40, '\'', '"'}, {41, '`', '~'}, {43, '\\', '|'}, {51, ',', '<'}, {52, '.', '>'},
    {53, '/', '?'},
};

bool IsModifierScan(int scan) {
  return scan == 29 || scan == 42 || scan == 54 || scan == 56 || scan == 58 || scan == 69 ||
         scan == 70;
}

KeyCode TranslateKey(const KeyRecord& k) {
  if (!k.pressed) return {};
  if (k.ch != 0) {
    if (k.alt && IsLetterScan(k.scan)) return ExtendedKey(k.scan);
    if (k.capsLock) {
      for (const DualKey& d : kDualKeys)
        if (d.scan == k.scan) return KeyCode(1, k.shift ? d.shifted : d.plain);
    }
    return KeyCode(1, static_cast<char>(k.ch));
  }
  if (k.scan == 1) return KeyCode(1, '\x1b');
  if (IsModifierScan(k.scan)) return {};
  return ExtendedKey(k.scan);
}

KeyCode TranslateMouse(const MouseRecord& m, MouseState& state) {
  if (!state.on) return {};
  const int previous = state.previousButtons;
  state.previousButtons = m.buttons;
  KeyCode key;
  if (m.moved) {
    if (state.eventMask & mouse::kMoved) key = MouseKey(mouse::kMoved, 0);
  } else if (m.doubleClick) {
    if ((state.eventMask & mouse::kDoubleClick) && (m.buttons & state.buttonMask))
      key = MouseKey(mouse::kDoubleClick, m.buttons);
  } else {
    const int changed = m.buttons ^ previous;
    if (changed != 0) {
      const int button = changed & -changed;  // the lowest-numbered button that changed
      const bool down = (m.buttons & button) != 0;
      const int event = down ? mouse::kPressed : mouse::kReleased;
      if ((state.eventMask & event) && (state.buttonMask & button)) key = MouseKey(event, button);
    }
  }
  if (!key.empty()) {
    state.row = m.row + 1;
    state.col = m.col + 1;
  }
  return key;
}

}  // namespace

KeyCode TranslateRecord(const InputRecord& record, MouseState& mouse) {
  switch (record.kind) {
    case InputRecord::Kind::kKey:
      return TranslateKey(record.key);
    case InputRecord::Kind::kMouse:
      return TranslateMouse(record.mouse, mouse);
    case InputRecord::Kind::kOther:
    case InputRecord::Kind::kUnshowable:
      break;
  }
  return {};
}

std::string TypedText(const KeyRecord& k, const KeyCode& key) {
  if (key.size() != 1) return "";
  const auto control = [](char32_t u) { return u < 0x20 || (u >= 0x7F && u < 0xA0); };
  char32_t typed = k.text;
  if (typed == 0) {
    if (k.alt || k.ctrl) return "";
    typed = Cp437ToUnicode(static_cast<unsigned char>(key[0]));
    if (control(static_cast<unsigned char>(key[0]))) return "";
  }
  if (control(typed)) return "";
  std::string out;
  AppendUtf8(out, typed);
  return out;
}

}  // namespace tarvana
