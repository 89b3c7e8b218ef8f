#include "console/terminal/key_decoder.h"

#include "console/cp437.h"
#include "console/cp437_best_fit.h"
#include "console/us_layout.h"

namespace tarvana {
namespace {

constexpr unsigned char kEscByte = 0x1b;

// ---- Key records ----

KeyRecord ScanKey(std::uint8_t scan) {
  KeyRecord k;
  k.scan = scan;
  return k;
}

KeyRecord EscKey() {
  KeyRecord k;
  k.ch = 27;
  k.scan = usKey::kEsc;
  return k;
}

// The key a single byte below 128 stands for, as a PC keyboard would report it.
KeyRecord ByteKey(unsigned char b) {
  KeyRecord k;
  switch (b) {
    case 0:  // Ctrl+Space (also Ctrl+@): the space bar with Ctrl, as a console reports it
      k.ch = ' ';
      k.scan = usKey::kSpace;
      k.ctrl = true;
      return k;
    case 8:  // Ctrl+Backspace
      k.ch = 127;
      k.scan = usKey::kBackspace;
      k.ctrl = true;
      return k;
    case 9:
      k.ch = 9;
      k.scan = usKey::kTab;
      return k;
    case 13:
      k.ch = 13;
      k.scan = usKey::kEnter;
      return k;
    case 27:
      return EscKey();
    case 28:  // Ctrl+Backslash
    case 29:  // Ctrl+]
      k.ch = b;
      k.scan = UsLayoutKey(b == 28 ? '\\' : ']').scan;
      k.ctrl = true;
      return k;
    case 30:  // Ctrl+^ (Ctrl+Shift+6)
    case 31:  // Ctrl+_ (Ctrl+Shift+-)
      k.ch = b;
      k.scan = UsLayoutKey(b == 30 ? '6' : '-').scan;
      k.ctrl = true;
      k.shift = true;
      return k;
    case 127:  // the Backspace key of almost every terminal
      k.ch = 8;
      k.scan = usKey::kBackspace;
      return k;
    default:
      break;
  }
  if (b >= 1 && b <= 26) {  // Ctrl+letter
    k.ch = b;
    k.scan = UsLayoutKey(static_cast<unsigned char>('a' + b - 1)).scan;
    k.ctrl = true;
    return k;
  }
  const KeyPosition pos = UsLayoutKey(b);
  k.ch = b;
  k.scan = pos.scan;
  k.shift = pos.shift;
  return k;
}

// A character of code page 437 as a key; ASCII keeps its US-layout key.
KeyRecord CharKey(int cp437) {
  if (cp437 < 128) return ByteKey(static_cast<unsigned char>(cp437));
  KeyRecord k;
  k.ch = static_cast<std::uint8_t>(cp437);
  return k;
}

// The xterm modifier parameter: 1 + (1 shift, 2 alt, 4 ctrl, 8 meta, 64 caps
// lock); 0, 1 or an empty parameter (-1) mean none.
bool ValidModifiers(int m) {
  return m <= 256;
}

void ApplyModifiers(KeyRecord& k, int m) {
  if (m <= 1) return;
  const int bits = m - 1;
  if (bits & 1) k.shift = true;
  if (bits & (2 | 8)) k.alt = true;
  if (bits & 4) k.ctrl = true;
  if (bits & 64) k.capsLock = true;
}

// ---- UTF-8 ----

struct Utf8 {
  enum class Kind { kChar, kInvalid, kNeedMore };
  Kind kind;
  std::size_t length;  // bytes of the character, or of the invalid prefix to drop
  char32_t code = 0;
};

// Decodes the character at the head of s (s[0] >= 0x80).
Utf8 DecodeUtf8(std::string_view s) {
  const unsigned char lead = s[0];
  std::size_t need;
  char32_t code;
  unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    need = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    need = 3;
    code = lead & 0x0F;
    if (lead == 0xE0) lo = 0xA0;  // no overlong forms
    if (lead == 0xED) hi = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    need = 4;
    code = lead & 0x07;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return {Utf8::Kind::kInvalid, 1};
  }
  for (std::size_t i = 1; i < need; ++i) {
    if (i >= s.size()) return {Utf8::Kind::kNeedMore, 0};
    const unsigned char c = s[i];
    const unsigned char min = i == 1 ? lo : 0x80, max = i == 1 ? hi : 0xBF;
    if (c < min || c > max) return {Utf8::Kind::kInvalid, i};  // c is decoded anew
    code = (code << 6) | (c & 0x3F);
  }
  return {Utf8::Kind::kChar, need, code};
}

// The same for a terminal that sends Latin-1, one byte a character; its C1
// controls (0x80-0x9F) are no text.
Utf8 DecodeText(std::string_view s, bool latin1) {
  if (!latin1) return DecodeUtf8(s);
  const auto c = static_cast<unsigned char>(s[0]);
  if (c < 0xA0) return {Utf8::Kind::kInvalid, 1};
  return {Utf8::Kind::kChar, 1, c};
}

// ---- Control sequence parameters ----

struct Params {
  static constexpr int kMax = 16;
  static constexpr int kMaxSub = 4;
  char prefix = 0;  // '<', '=', '>' or '?' when the sequence starts with one
  int count = 0;
  int value[kMax][kMaxSub];  // -1 for an empty (default) value
  int subCount[kMax];
  bool intermediates = false;
  bool ok = true;

  int Get(int i, int sub = 0) const { return i < count && sub < subCount[i] ? value[i][sub] : -1; }
};

// Splits the parameter and intermediate bytes of a CSI or SS3 sequence.
Params ParseParams(std::string_view body) {
  Params p;
  std::size_t i = 0;
  if (!body.empty() && body[0] >= 0x3C && body[0] <= 0x3F) p.prefix = body[i++];
  if (i < body.size() && body[i] >= 0x30 && body[i] <= 0x3B) {
    p.count = 1;
    p.subCount[0] = 1;
    p.value[0][0] = -1;
  }
  for (; i < body.size(); ++i) {
    const unsigned char c = body[i];
    if (c >= 0x20 && c <= 0x2F) {
      p.intermediates = true;
      continue;
    }
    if (p.intermediates || c >= 0x3C) {  // parameters after intermediates, or a late marker
      p.ok = false;
      return p;
    }
    if (c == ';') {
      if (p.count == Params::kMax) {
        p.ok = false;
        return p;
      }
      p.subCount[p.count] = 1;
      p.value[p.count++][0] = -1;
      continue;
    }
    int& sub = p.subCount[p.count - 1];
    if (c == ':') {
      if (sub == Params::kMaxSub) {
        p.ok = false;
        return p;
      }
      p.value[p.count - 1][sub++] = -1;
      continue;
    }
    int& v = p.value[p.count - 1][sub - 1];
    v = (v < 0 ? 0 : v * 10) + (c - '0');
    if (v > 9999999) {
      p.ok = false;
      return p;
    }
  }
  return p;
}

// rxvt ends Shift+Ins and friends with '$', an intermediate byte in the
// standard grammar: "ESC [ 2 $" is complete when the body is a lone number.
bool RxvtShiftBody(std::string_view body) {
  if (body.empty()) return false;
  for (char c : body)
    if (c < '0' || c > '9') return false;
  return true;
}

// The key of "ESC [ n ~": scan code, and whether the code is a shifted F key.
struct TildeKey {
  int n;
  std::uint8_t scan;
  bool shift;
};
// A table in columns, kept as written.
// clang-format off
constexpr TildeKey kTildeKeys[] = {
    {1, 71, false},  {2, 82, false},  {3, 83, false},  {4, 79, false},  {5, 73, false},
    {6, 81, false},  {7, 71, false},  {8, 79, false},  {11, 59, false}, {12, 60, false},
    {13, 61, false}, {14, 62, false}, {15, 63, false}, {17, 64, false}, {18, 65, false},
    {19, 66, false}, {20, 67, false}, {21, 68, false}, {23, 87, false}, {24, 88, false},
    // F13-F20 of the Linux console and rxvt: Shift+F3 .. Shift+F10.
    {25, 61, true},  {26, 62, true},  {28, 63, true},  {29, 64, true},  {31, 65, true},
    {32, 66, true},  {33, 67, true},  {34, 68, true},
};
// clang-format on

const TildeKey* FindTildeKey(int n) {
  for (const TildeKey& t : kTildeKeys)
    if (t.n == n) return &t;
  return nullptr;
}

// Scan code of a cursor key final byte (CSI or SS3), 0 for none.
std::uint8_t CursorScan(char final) {
  // clang-format off
  switch (final) {
    case 'A': return 72;  // Up
    case 'B': return 80;  // Down
    case 'C': return 77;  // Right
    case 'D': return 75;  // Left
    case 'H': return 71;  // Home
    case 'F': return 79;  // End
    case 'E': return 76;  // keypad 5 without NumLock
    case 'P': return 59;  // F1
    case 'Q': return 60;  // F2
    case 'R': return 61;  // F3
    case 'S': return 62;  // F4
    default: return 0;
  }
  // clang-format on
}

// A character given by its code (xterm modifyOtherKeys, CSI u) with modifiers;
// false when there is no such key.
bool CodeKey(int code, int mods, KeyRecord& k) {
  if (code <= 0) return false;
  KeyRecord base;
  if (code == 127 || code == 8) {
    base = ByteKey(127);
  } else if (code < 128) {
    base = ByteKey(static_cast<unsigned char>(code));
  } else {
    const int c = UnicodeToCp437(static_cast<char32_t>(code));
    if (c < 0) return false;
    base = CharKey(c);
  }
  ApplyModifiers(base, mods);
  const bool letter = (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
  if (letter && base.shift && code >= 'a') base.ch = static_cast<std::uint8_t>(code - 32);
  if (letter && base.ctrl) base.ch = static_cast<std::uint8_t>((code & 0x1F));
  if ((code == 127 || code == 8) && base.ctrl) base.ch = 127;  // Ctrl+Backspace
  if (code == 9 && base.shift) base.ch = 0;                    // Shift+Tab: the back-tab
  k = base;
  return true;
}

// ---- Decoding steps ----

using DStep = internal::Step;

DStep Need() {
  return {};
}

DStep Drop(std::size_t length) {
  DStep s;
  s.kind = DStep::Kind::kDropped;
  s.length = length;
  return s;
}

DStep UnshowableStep(std::size_t length) {
  DStep s;
  s.kind = DStep::Kind::kRecord;
  s.length = length;
  s.record.kind = InputRecord::Kind::kUnshowable;
  return s;
}

DStep KeyStep(std::size_t length, const KeyRecord& k) {
  DStep s;
  s.kind = DStep::Kind::kRecord;
  s.length = length;
  s.record = InputRecord::Key(k);
  return s;
}

DStep MouseStep(std::size_t length, const MouseRecord& m) {
  DStep s;
  s.kind = DStep::Kind::kRecord;
  s.length = length;
  s.record = InputRecord::Mouse(m);
  return s;
}

void SetAlt(DStep& s) {
  if (s.kind != DStep::Kind::kRecord) return;
  if (s.record.kind == InputRecord::Kind::kKey) s.record.key.alt = true;
  if (s.record.kind == InputRecord::Kind::kMouse) s.record.mouse.alt = true;
}

// ---- Keys of control sequences ----

// ESC [ n ~ and ESC [ n ; m ~: editing and function keys; ESC [ 27 ; m ; code
// ~: xterm's modifyOtherKeys.
DStep TildeKeyStep(const Params& p, std::size_t length) {
  const int first = p.Get(0), mods = p.Get(1);
  if (first == 27) {
    KeyRecord k;
    if (p.count != 3 || !ValidModifiers(mods) || !CodeKey(p.Get(2), mods, k)) return Drop(length);
    return KeyStep(length, k);
  }
  const TildeKey* t = FindTildeKey(first);
  if (t == nullptr || p.count > 2 || !ValidModifiers(mods)) return Drop(length);
  KeyRecord k = ScanKey(t->scan);
  k.shift = t->shift;
  ApplyModifiers(k, mods);
  if (p.Get(1, 1) == 3) k.pressed = false;
  return KeyStep(length, k);
}

// The key of a CSI sequence without a prefix, by its final byte.
DStep CsiKeyStep(const Params& p, char final, std::size_t length) {
  const int first = p.Get(0), mods = p.Get(1);
  if (const std::uint8_t scan = CursorScan(final); scan != 0) {
    // ESC [ A, ESC [ 1 ; m A: cursor keys, Home, End, and xterm's F1-F4.
    if (p.count > 2 || first > 1 || !ValidModifiers(mods)) return Drop(length);
    KeyRecord k = ScanKey(scan);
    ApplyModifiers(k, mods);
    if (p.Get(1, 1) == 3) k.pressed = false;
    return KeyStep(length, k);
  }
  switch (final) {
    case 'Z': {  // Shift+Tab
      if (p.count > 2 || first > 1 || !ValidModifiers(mods)) return Drop(length);
      KeyRecord k = ScanKey(usKey::kTab);
      ApplyModifiers(k, mods);
      k.shift = true;
      return KeyStep(length, k);
    }
    case 'a':
    case 'b':
    case 'c':
    case 'd': {  // rxvt Shift+Up, Down, Right, Left
      if (p.count != 0) return Drop(length);
      KeyRecord k = ScanKey(CursorScan(static_cast<char>(final - 'a' + 'A')));
      k.shift = true;
      return KeyStep(length, k);
    }
    case '~':
      return TildeKeyStep(p, length);
    case '$':
    case '^':
    case '@': {  // rxvt: Shift, Ctrl, Ctrl+Shift
      const TildeKey* t = FindTildeKey(first);
      if (t == nullptr || p.count != 1) return Drop(length);
      KeyRecord k = ScanKey(t->scan);
      k.shift = t->shift || final != '^';
      k.ctrl = final != '$';
      return KeyStep(length, k);
    }
    case 'u': {  // CSI code ; m u (fixterms, xterm formatOtherKeys, tmux, kitty)
      KeyRecord k;
      if (p.count < 1 || p.count > 3 || !ValidModifiers(mods) || !CodeKey(first, mods, k))
        return Drop(length);
      if (p.Get(1, 1) == 3) k.pressed = false;
      return KeyStep(length, k);
    }
    default:
      return Drop(length);  // focus reports, paste brackets, replies, unknown keys
  }
}

}  // namespace

std::vector<InputRecord> KeyDecoder::Feed(std::string_view bytes, double nowMs) {
  std::vector<InputRecord> out;
  Feed(bytes, nowMs, out);
  return out;
}

void KeyDecoder::Feed(std::string_view bytes, double nowMs, std::vector<InputRecord>& out) {
  if (const double d = Deadline(); d >= 0 && nowMs >= d) DecodeAvailable(nowMs, true, out);
  const std::size_t before = pending_.size();
  pending_.append(bytes);
  const std::size_t total = pending_.size();
  DecodeAvailable(nowMs, false, out);
  // When all the older bytes are gone, what waits arrived now.
  if (total - pending_.size() >= before) pendingSince_ = nowMs;
}

std::vector<InputRecord> KeyDecoder::Expire(double nowMs) {
  std::vector<InputRecord> out;
  const double d = Deadline();
  if (d < 0 || nowMs < d) return out;
  DecodeAvailable(nowMs, true, out);
  return out;
}

double KeyDecoder::Deadline() const {
  if (!pending_.empty() && static_cast<unsigned char>(pending_[0]) == kEscByte)
    return pendingSince_ + kEscTimeoutMs;
  if (skip_ != Skip::kNone) return skipSince_ + kEscTimeoutMs;
  return -1;
}

void KeyDecoder::DecodeAvailable(double nowMs, bool final, std::vector<InputRecord>& out) {
  const std::string_view s = pending_;
  std::size_t pos = 0;
  while (pos < s.size()) {
    const std::string_view rest = s.substr(pos);
    const unsigned char c = rest[0];
    if (skip_ == Skip::kCsi) {  // the rest of an overlong control sequence
      skipSince_ = nowMs;
      if (c >= 0x20 && c <= 0x3F) {
        ++pos;
        continue;
      }
      skip_ = Skip::kNone;
      if (c >= 0x40 && c <= 0x7E) ++pos;  // its final byte; anything else is decoded anew
      continue;
    }
    if (skip_ == Skip::kString) {  // the rest of an overlong string (OSC)
      skipSince_ = nowMs;
      if (c == kEscByte) {
        if (rest.size() < 2) {
          if (!final) break;
          skip_ = Skip::kNone;
          ++pos;
          continue;
        }
        skip_ = Skip::kNone;
        if (rest[1] == '\\') pos += 2;  // the string terminator; another ESC starts anew
        continue;
      }
      if (c == 0x07) {
        skip_ = Skip::kNone;
        ++pos;
        continue;
      }
      if (c >= 0x20) {
        ++pos;
        continue;
      }
      skip_ = Skip::kNone;  // a control byte ends the string and is decoded anew
      continue;
    }
    Step step = ParseAt(rest, nowMs);
    if (step.kind == Step::Kind::kNeedMore) {
      if (!final) break;
      step = ResolveAtTimeout(rest);
    }
    if (step.kind == Step::Kind::kRecord) out.push_back(step.record);
    pos += step.length;
  }
  if (final) skip_ = Skip::kNone;
  pending_.erase(0, pos);
}

KeyDecoder::Step KeyDecoder::ParseAt(std::string_view s, double nowMs) {
  const unsigned char c = s[0];
  if (c == kEscByte) return ParseEscape(s, nowMs);
  if (c < 0x80) return KeyStep(1, ByteKey(c));
  const Utf8 u = DecodeText(s, latin1Text_);
  if (u.kind == Utf8::Kind::kNeedMore) return Need();
  if (u.kind == Utf8::Kind::kInvalid) return Drop(u.length);
  // A character code page 437 lacks is typed as its stand-in, or beeps; the
  // record keeps the character itself for readers of text.
  const int ch = BestFitCp437(u.code);
  DStep step = ch < 0 ? UnshowableStep(u.length) : KeyStep(u.length, CharKey(ch));
  step.record.key.text = u.code;
  return step;
}

KeyDecoder::Step KeyDecoder::ParseEscape(std::string_view s, double nowMs) {
  if (s.size() < 2) return Need();
  const unsigned char c = s[1];
  switch (c) {
    case '[':
      return ParseCsi(s, nowMs);
    case 'O':
      return ParseSs3(s, nowMs);
    case ']':
      return ParseOsc(s, nowMs);
    case kEscByte: {
      if (s.size() < 3) return Need();
      if (s[2] == '[' || s[2] == 'O') {  // Alt + a key that sends a sequence (rxvt)
        Step inner = ParseEscape(s.substr(1), nowMs);
        if (inner.kind == Step::Kind::kNeedMore) return inner;
        inner.length += 1;
        SetAlt(inner);
        return inner;
      }
      KeyRecord k = EscKey();  // Alt+Esc counts as Esc
      k.alt = true;
      return KeyStep(2, k);
    }
    default:
      break;
  }
  if (c < 0x80) {  // Alt + a key that sends one byte
    KeyRecord k = ByteKey(c);
    k.alt = true;
    return KeyStep(2, k);
  }
  const Utf8 u = DecodeText(s.substr(1), latin1Text_);
  if (u.kind == Utf8::Kind::kNeedMore) return Need();
  if (u.kind == Utf8::Kind::kInvalid) return Drop(1 + u.length);
  const int ch = UnicodeToCp437(u.code);
  if (ch < 0) return Drop(1 + u.length);
  KeyRecord k = CharKey(ch);
  k.alt = true;
  return KeyStep(1 + u.length, k);
}

KeyDecoder::Step KeyDecoder::ParseCsi(std::string_view s, double nowMs) {
  if (s.size() < 3) return Need();
  if (s[2] == '[') {  // Linux console F1-F5: ESC [ [ A .. E
    if (s.size() < 4) return Need();
    const unsigned char c = s[3];
    if (c >= 'A' && c <= 'E') return KeyStep(4, ScanKey(static_cast<std::uint8_t>(59 + c - 'A')));
    return Drop(c >= 0x20 && c <= 0x7E ? 4 : 3);
  }
  if (s[2] == 'M') return ParseX10Mouse(s, nowMs);
  for (std::size_t i = 2;; ++i) {
    if (i >= kMaxSequence) {  // too long to keep: drop it and skip the rest
      skip_ = Skip::kCsi;
      skipSince_ = nowMs;
      return Drop(i);
    }
    if (i >= s.size()) return Need();
    const unsigned char c = s[i];
    if (c == '$' && RxvtShiftBody(s.substr(2, i - 2)))
      return InterpretCsi(s.substr(2, i - 2), '$', i + 1, nowMs);
    if (c >= 0x20 && c <= 0x3F) continue;
    if (c >= 0x40 && c <= 0x7E)
      return InterpretCsi(s.substr(2, i - 2), static_cast<char>(c), i + 1, nowMs);
    return Drop(i);  // not part of a sequence: the sequence so far goes, c is decoded anew
  }
}

KeyDecoder::Step KeyDecoder::ParseX10Mouse(std::string_view s, double nowMs) {
  // ESC [ M b x y, each of the three bytes 32 + value.
  for (std::size_t i = 3; i < 6; ++i) {
    if (i >= s.size()) return Need();
    if (static_cast<unsigned char>(s[i]) < 32) return Drop(i);
  }
  const int b = static_cast<unsigned char>(s[3]) - 32;
  const int x = static_cast<unsigned char>(s[4]) - 32;
  const int y = static_cast<unsigned char>(s[5]) - 32;
  const bool release = (b & 3) == 3 && (b & (32 | 64)) == 0;
  return MouseReportStep(b, x, y, release, 6, nowMs);
}

KeyDecoder::Step KeyDecoder::InterpretCsi(std::string_view body, char final, std::size_t length,
                                          double nowMs) {
  const Params p = ParseParams(body);
  if (!p.ok || p.intermediates) return Drop(length);
  if (p.prefix == '<') {  // SGR mouse: ESC [ < b ; x ; y M (press, motion) or m (release)
    if ((final != 'M' && final != 'm') || p.count != 3) return Drop(length);
    return MouseReportStep(p.Get(0), p.Get(1), p.Get(2), final == 'm', length, nowMs);
  }
  if (p.prefix != 0) return Drop(length);
  if (final == 'M') {  // urxvt mouse: ESC [ 32+b ; x ; y M
    if (p.count != 3) return Drop(length);
    const int b = p.Get(0) - 32;
    const bool release = (b & 3) == 3 && (b & (32 | 64)) == 0;
    return MouseReportStep(b, p.Get(1), p.Get(2), release, length, nowMs);
  }
  return CsiKeyStep(p, final, length);
}

KeyDecoder::Step KeyDecoder::MouseReportStep(int b, int x, int y, bool release, std::size_t length,
                                             double nowMs) {
  if (b < 0 || b > 255 || x < 1 || y < 1) return Drop(length);
  MouseRecord m;
  if (!MouseReport(b, y - 1, x - 1, release, nowMs, m)) return Drop(length);
  return MouseStep(length, m);
}

KeyDecoder::Step KeyDecoder::ParseSs3(std::string_view s, double nowMs) {
  for (std::size_t i = 2;; ++i) {
    if (i >= kMaxSequence) {
      skip_ = Skip::kCsi;
      skipSince_ = nowMs;
      return Drop(i);
    }
    if (i >= s.size()) return Need();
    const unsigned char c = s[i];
    if (c >= 0x30 && c <= 0x3F) continue;  // modifiers some terminals put here: ESC O 5 D
    if (c < 0x40 || c > 0x7E) return Drop(i);
    const std::size_t length = i + 1;
    const Params p = ParseParams(s.substr(2, i - 2));
    if (!p.ok || p.prefix != 0) return Drop(length);
    const int mods = p.count > 0 ? p.Get(p.count - 1) : -1;
    if (p.count > 2 || !ValidModifiers(mods)) return Drop(length);
    KeyRecord k;
    if (const std::uint8_t scan = CursorScan(static_cast<char>(c)); scan != 0) {
      k = ScanKey(scan);
    } else if (c >= 'a' && c <= 'd') {  // rxvt Ctrl+Up, Down, Right, Left
      k = ScanKey(CursorScan(static_cast<char>(c - 'a' + 'A')));
      k.ctrl = true;
    } else if (c == 'M') {  // keypad Enter
      k = ByteKey(13);
    } else if (c == 'X') {  // keypad =
      k = ByteKey('=');
    } else if (c >= 'j' && c <= 'y') {  // keypad * + , - . / 0-9
      k = ByteKey(static_cast<unsigned char>("*+,-./0123456789"[c - 'j']));
    } else {
      return Drop(length);
    }
    ApplyModifiers(k, mods);
    return KeyStep(length, k);
  }
}

KeyDecoder::Step KeyDecoder::ParseOsc(std::string_view s, double nowMs) {
  // ESC ] ... BEL or ESC ] ... ESC \: a terminal's reply, never a key.
  for (std::size_t i = 2;; ++i) {
    if (i >= kMaxSequence) {
      skip_ = Skip::kString;
      skipSince_ = nowMs;
      return Drop(i);
    }
    if (i >= s.size()) return Need();
    const unsigned char c = s[i];
    if (c == 0x07) return Drop(i + 1);
    if (c == kEscByte) {
      if (i + 1 >= s.size()) return Need();
      return Drop(s[i + 1] == '\\' ? i + 2 : i);
    }
    if (c < 0x20) return Drop(i);
  }
}

KeyDecoder::Step KeyDecoder::ResolveAtTimeout(std::string_view s) {
  const auto esc = [](char c) { return static_cast<unsigned char>(c) == kEscByte; };
  const auto introducer = [](char c) { return c == '[' || c == 'O' || c == ']'; };
  if (s.size() == 1 && esc(s[0])) return KeyStep(1, EscKey());
  if (s.size() == 2 && esc(s[0]) && esc(s[1])) {
    KeyRecord k = EscKey();
    k.alt = true;
    return KeyStep(2, k);
  }
  // Alt+[, Alt+O, Alt+]: an introducer that nothing followed.
  if (s.size() == 2 && esc(s[0]) && introducer(s[1])) {
    KeyRecord k = ByteKey(static_cast<unsigned char>(s[1]));
    k.alt = true;
    return KeyStep(2, k);
  }
  if (s.size() == 3 && esc(s[0]) && esc(s[1]) && (s[2] == '[' || s[2] == 'O')) {
    KeyRecord k = ByteKey(static_cast<unsigned char>(s[2]));
    k.alt = true;
    return KeyStep(3, k);
  }
  return Drop(s.size());  // an incomplete sequence is dropped whole
}

bool KeyDecoder::MouseReport(int b, int row, int col, bool release, double nowMs, MouseRecord& m) {
  if (b & 128) return false;  // buttons 8 to 11
  m.row = row;
  m.col = col;
  m.shift = (b & 4) != 0;
  m.alt = (b & 8) != 0;
  m.ctrl = (b & 16) != 0;
  const int low = b & 3;
  // SGR's low bits: 0 left, 1 middle, 2 right, 3 none.
  const int bit = low == 0 ? 1 : low == 1 ? 4 : low == 2 ? 2 : 0;
  if (b & 64) {                            // wheel: no button changes
    if (release || low > 1) return false;  // 66 and 67 turn it sideways
    m.wheel = true;
    m.wheelUp = low == 0;
    m.buttons = buttons_;
    return true;
  }
  if (b & 32) {  // motion, with the button it reports held (3: none)
    if (bit == 0)
      buttons_ = 0;
    else
      buttons_ |= bit;
    m.moved = true;
    m.buttons = buttons_;
    return true;
  }
  if (release) {
    if (bit == 0)
      buttons_ = 0;  // X10 releases do not tell which button
    else
      buttons_ &= ~bit;
    m.buttons = buttons_;
    return true;
  }
  if (bit == 0) return false;
  buttons_ |= bit;
  m.buttons = buttons_;
  const double since = nowMs - lastPressMs_;
  if (bit == lastPressButton_ && row == lastPressRow_ && col == lastPressCol_ && since >= 0 &&
      since <= kDoubleClickMs) {
    m.doubleClick = true;
    lastPressMs_ = -1e9;  // a third press starts a new pair
  } else {
    lastPressMs_ = nowMs;
    lastPressButton_ = bit;
    lastPressRow_ = row;
    lastPressCol_ = col;
  }
  return true;
}

}  // namespace tarvana
