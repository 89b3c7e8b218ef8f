#pragma once
// Invariants of KeyDecoder over any input: shared by the libFuzzer target and
// the corpus regression test (console/terminal/key_decoder_test.cpp).
//
// CheckKeyDecoderInput runs the bytes through fresh decoders in several ways:
//   1. all at once, then the timeout;
//   2. one byte per Feed, all at the same time, then the timeout;
//   3. random splits at the same time, then the timeout;
//   4. random splits at random times, with Expire calls in between.
// Each record must be well formed (a key has a character or a scan code, a
// mouse record has a sane button state and position), the pending bytes stay
// bounded, Expire before the deadline gives nothing and after it leaves nothing
// waiting, and 1-3 give the very same records (splitting never changes what
// the bytes mean while no time passes).

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "console/terminal/key_decoder.h"

namespace tarvana {

struct KeyDecoderInspector {
  static std::size_t PendingSize(const KeyDecoder& d) { return d.pending_.size(); }
  static bool PendingStartsWithEsc(const KeyDecoder& d) {
    return !d.pending_.empty() && d.pending_[0] == '\x1b';
  }
  static constexpr std::size_t kMaxPending = KeyDecoder::kMaxPending;
};

namespace keyDecoderCheck {

inline std::string Escaped(std::string_view bytes) {
  static const char* hex = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    if (c == 0x1b) {
      out += "\\e";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c >= 0x20 && c < 0x7f) {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

inline std::string Describe(const InputRecord& r) {
  std::ostringstream s;
  switch (r.kind) {
    case InputRecord::Kind::kKey: {
      const KeyRecord& k = r.key;
      s << "key(ch=" << int(k.ch) << " scan=" << int(k.scan);
      if (k.shift) s << " shift";
      if (k.ctrl) s << " ctrl";
      if (k.alt) s << " alt";
      if (k.capsLock) s << " caps";
      if (!k.pressed) s << " up";
      s << ")";
      break;
    }
    case InputRecord::Kind::kMouse: {
      const MouseRecord& m = r.mouse;
      s << "mouse(buttons=" << m.buttons << " row=" << m.row << " col=" << m.col;
      if (m.moved) s << " moved";
      if (m.doubleClick) s << " double";
      if (m.wheel) s << (m.wheelUp ? " wheel up" : " wheel down");
      if (m.shift) s << " shift";
      if (m.ctrl) s << " ctrl";
      if (m.alt) s << " alt";
      s << ")";
      break;
    }
    case InputRecord::Kind::kOther:
      s << "other";
      break;
    case InputRecord::Kind::kUnshowable:
      s << "unshowable";
      break;
  }
  return s.str();
}

inline std::string DescribeAll(const std::vector<InputRecord>& records) {
  std::string out;
  for (const InputRecord& r : records) {
    if (!out.empty()) out += ' ';
    out += Describe(r);
  }
  return out;
}

// What is wrong with a record, or "".
inline std::string CheckRecord(const InputRecord& r) {
  switch (r.kind) {
    case InputRecord::Kind::kKey:
      if (r.key.ch == 0 && r.key.scan == 0)
        return "key record with neither character nor scan code";
      if (r.key.scan > 88) return "key record with scan code above 88";
      return "";
    case InputRecord::Kind::kMouse: {
      const MouseRecord& m = r.mouse;
      if (m.buttons < 0 || m.buttons > 7) return "mouse buttons outside 0-7";
      if (m.row < 0 || m.col < 0) return "negative mouse position";
      if (int(m.moved) + int(m.doubleClick) + int(m.wheel) > 1) return "mouse record of two kinds";
      if (m.doubleClick && m.buttons == 0) return "double-click with no button down";
      return "";
    }
    case InputRecord::Kind::kOther:
      return "record of kind other";
    case InputRecord::Kind::kUnshowable:
      return "";
  }
  return "record of unknown kind";
}

// A small deterministic generator for splits and times.
class SplitRandom {
 public:
  explicit SplitRandom(std::uint64_t start) : x_(start | 1) {}
  std::uint32_t Next() {
    x_ ^= x_ >> 12;
    x_ ^= x_ << 25;
    x_ ^= x_ >> 27;
    return static_cast<std::uint32_t>((x_ * 0x2545F4914F6CDD1DULL) >> 32);
  }
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : Next() % n; }

 private:
  std::uint64_t x_;
};

inline std::uint64_t Hash(std::string_view data) {
  std::uint64_t h = 1469598103934665603ULL;
  for (unsigned char c : data)
    h = (h ^ c) * 1099511628211ULL;
  return h;
}

class Checker {
 public:
  std::string error;

  void Records(const std::vector<InputRecord>& records, std::vector<InputRecord>& all,
               const char* where) {
    for (const InputRecord& r : records) {
      if (std::string e = CheckRecord(r); !e.empty() && error.empty())
        error = std::string(where) + ": " + e + ": " + Describe(r);
      all.push_back(r);
    }
  }
  void Bounded(const KeyDecoder& d, const char* where) {
    if (KeyDecoderInspector::PendingSize(d) > KeyDecoderInspector::kMaxPending && error.empty())
      error = std::string(where) + ": " + std::to_string(KeyDecoderInspector::PendingSize(d)) +
              " bytes pending";
    if (KeyDecoderInspector::PendingStartsWithEsc(d) && d.Deadline() < 0 && error.empty())
      error = std::string(where) + ": an Esc waits with no deadline";
  }
  void Finish(KeyDecoder& d, double now, std::vector<InputRecord>& all, const char* where) {
    Records(d.Expire(now), all, where);
    Bounded(d, where);
    if (d.Deadline() >= 0 && error.empty())
      error = std::string(where) + ": something still waits after the final Expire";
  }
};

// The same bytes fed in chunks at one moment, then the timeout.
inline std::vector<InputRecord> FeedChunks(std::string_view data, SplitRandom* random,
                                           Checker& check, const char* where) {
  KeyDecoder d;
  std::vector<InputRecord> all;
  std::size_t pos = 0;
  while (pos < data.size()) {
    const std::size_t n = random ? 1 + random->Below(8) : 1;
    check.Records(d.Feed(data.substr(pos, n), 0), all, where);
    check.Bounded(d, where);
    pos += std::min(n, data.size() - pos);
  }
  check.Finish(d, 1e9, all, where);
  return all;
}

inline std::string CheckKeyDecoderInput(std::string_view data) {
  Checker check;
  const std::uint64_t start = Hash(data);

  // 1. All at once.
  std::vector<InputRecord> whole;
  {
    KeyDecoder d;
    check.Records(d.Feed(data, 0), whole, "whole");
    check.Bounded(d, "whole");
    check.Finish(d, 1e9, whole, "whole");
  }
  // 2 and 3. Split at one moment: the same records.
  const std::string want = DescribeAll(whole);
  if (std::string got = DescribeAll(FeedChunks(data, nullptr, check, "bytewise"));
      got != want && check.error.empty())
    check.error = "one byte at a time gives " + got + " instead of " + want;
  SplitRandom random(start);
  if (std::string got = DescribeAll(FeedChunks(data, &random, check, "chunks"));
      got != want && check.error.empty())
    check.error = "random chunks give " + got + " instead of " + want;

  // 4. Random splits at random times.
  {
    KeyDecoder d;
    std::vector<InputRecord> all;
    double now = random.Below(1000);
    std::size_t pos = 0;
    while (pos < data.size()) {
      const std::size_t n = 1 + random.Below(12);
      check.Records(d.Feed(data.substr(pos, n), now), all, "timed");
      check.Bounded(d, "timed");
      pos += std::min(n, data.size() - pos);
      now += random.Below(4) == 0 ? random.Below(120) : random.Below(5);
      const double deadline = d.Deadline();
      if (deadline >= 0 && random.Below(2) == 0) {
        if (now < deadline) {
          if (!d.Expire(now).empty() && check.error.empty())
            check.error = "timed: Expire before the deadline gave records";
        } else {
          check.Records(d.Expire(now), all, "timed");
          if (d.Deadline() >= 0 && d.Deadline() <= now && check.error.empty())
            check.error = "timed: Expire left a deadline that has passed";
        }
        check.Bounded(d, "timed");
      }
    }
    check.Finish(d, now + 1e6, all, "timed");
  }
  return check.error;
}

}  // namespace keyDecoderCheck
}  // namespace tarvana
