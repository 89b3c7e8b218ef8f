#pragma once
// Turning the bytes a terminal sends into platform input records. Pure: the
// caller passes the time, so a lone Esc is told from Alt+key by elapsed time.
//
// Understood: the keys of xterm, VTE, tmux/screen, rxvt and the Linux console
// (CSI and SS3 cursor, editing and function keys with their modifiers, rxvt's
// $ ^ @ forms, xterm's modifyOtherKeys and CSI u), Esc + key as Alt+key, control
// bytes, UTF-8 or Latin-1 text (mapped to code page 437) and SGR, urxvt and
// X10 mouse reports. Anything else that starts like a sequence is dropped whole.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "console/input_record.h"

namespace tarvana {

namespace internal {
// One decoding step at the head of the undecoded bytes.
struct Step {
  enum class Kind { kRecord, kDropped, kNeedMore };
  Kind kind = Kind::kNeedMore;
  std::size_t length = 0;  // bytes consumed (kRecord, kDropped)
  InputRecord record;
};
}  // namespace internal

class KeyDecoder {
 public:
  // How long an Esc waits for a following byte before it counts as the Esc key.
  static constexpr double kEscTimeoutMs = 40;

  // latin1Text: the terminal's locale is not UTF-8, and text comes as one
  // byte a character, read as Latin-1 (bytes 0x80-0x9F, C1 controls, are
  // dropped).
  explicit KeyDecoder(bool latin1Text = false) : latin1Text_(latin1Text) {}

  // Records completed by bytes that arrived at nowMs. A lone Esc whose
  // deadline has passed by nowMs is given first, as Expire(nowMs) would.
  std::vector<InputRecord> Feed(std::string_view bytes, double nowMs);
  // The same records appended to out: a caller that keeps out decodes
  // without allocating.
  void Feed(std::string_view bytes, double nowMs, std::vector<InputRecord>& out);
  // Records that the passing of time completes (a lone Esc after its timeout).
  std::vector<InputRecord> Expire(double nowMs);
  // When Expire will have something to give; negative when nothing waits.
  double Deadline() const;

 private:
  friend struct KeyDecoderInspector;  // tests and the fuzzer check the bounds

  // Longest escape sequence kept while it is incomplete; a longer one is
  // dropped and the rest of it skipped as it arrives.
  static constexpr std::size_t kMaxSequence = 64;
  // The pending bytes never exceed this after Feed or Expire returns.
  static constexpr std::size_t kMaxPending = kMaxSequence + 1;
  // A second press of the same button at the same cell within this time is a
  // double-click.
  static constexpr double kDoubleClickMs = 500;

  // What the rest of an overlong sequence is skipped as.
  enum class Skip { kNone, kCsi, kString };

  using Step = internal::Step;

  void DecodeAvailable(double nowMs, bool final, std::vector<InputRecord>& out);
  Step ParseAt(std::string_view s, double nowMs);
  Step ParseEscape(std::string_view s, double nowMs);
  Step ParseCsi(std::string_view s, double nowMs);
  Step ParseSs3(std::string_view s, double nowMs);
  Step ParseOsc(std::string_view s, double nowMs);
  Step ParseX10Mouse(std::string_view s, double nowMs);
  // The step for a complete CSI sequence: its body between "ESC [" and the
  // final byte, and its length in bytes.
  Step InterpretCsi(std::string_view body, char final, std::size_t length, double nowMs);
  // The step for a mouse report of SGR button code b at the 1-based cell
  // (x, y), length bytes long; dropped when out of range or without a record.
  Step MouseReportStep(int b, int x, int y, bool release, std::size_t length, double nowMs);
  static Step ResolveAtTimeout(std::string_view s);
  // Applies a mouse report (SGR button code b, 0-based cell) to the held
  // buttons; false when the report yields no record.
  bool MouseReport(int b, int row, int col, bool release, double nowMs, MouseRecord& m);

  bool latin1Text_ = false;
  std::string pending_;      // bytes of an incomplete sequence
  double pendingSince_ = 0;  // arrival time of the first pending byte
  Skip skip_ = Skip::kNone;  // the rest of an overlong sequence being skipped
  double skipSince_ = 0;     // arrival time of the last byte skipped
  int buttons_ = 0;          // mouse buttons held, from press and release reports
  double lastPressMs_ = -1e9;
  int lastPressButton_ = 0;
  int lastPressRow_ = -1;
  int lastPressCol_ = -1;
};

}  // namespace tarvana
