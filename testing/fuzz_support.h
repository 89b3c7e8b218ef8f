#pragma once
// What the fuzz targets share: reading numbers, texts and arrays out of the
// fuzzer's bytes, turning bytes into queued keys and clicks on the headless
// console, comparing screens, and failing loudly. A target reports a broken
// invariant through FuzzFail, which aborts: libFuzzer then keeps the input,
// and the corpus replay (testing/fuzz_replay_main.cpp) fails its test.

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/headless.h"
#include "console/types.h"
#include "runtime/based_array.h"

namespace tarvana::fuzz {

// The fuzzer's bytes, read front to back; reading past the end gives zeros
// and empty texts, so every input describes some run.
class FuzzBytes {
 public:
  FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return pos_ >= size_; }
  std::size_t Left() const { return Empty() ? 0 : size_ - pos_; }
  std::uint8_t Byte() { return Empty() ? 0 : data_[pos_++]; }
  bool Flag() { return (Byte() & 1) != 0; }
  // A number in low..high (high - low below 65536), from one or two bytes.
  int In(int low, int high) {
    const unsigned span = static_cast<unsigned>(high - low) + 1;
    unsigned raw = Byte();
    if (span > 256) raw = raw << 8 | Byte();
    return low + static_cast<int>(raw % span);
  }
  // Any 32-bit number, small ones and the ends of the range more often.
  std::int32_t Int32() {
    switch (Byte() % 4) {
      case 0:
        return static_cast<std::int8_t>(Byte());
      case 1:
        return Byte() & 1 ? INT32_MAX - Byte() : INT32_MIN + Byte();
      default: {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
          v = v << 8 | Byte();
        return static_cast<std::int32_t>(v);
      }
    }
  }
  // A text of a length byte (held to maxLength) and that many bytes.
  std::string Text(std::size_t maxLength = 255) {
    std::size_t n = Byte() % (maxLength + 1);
    n = std::min(n, Left());
    std::string text(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return text;
  }
  // Everything not read yet.
  std::string_view Rest() {
    if (Empty()) return {};
    std::string_view rest(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A fresh headless console: mostly the toolbox's 80 by 25, sometimes a small
// or a wide screen.
inline HeadlessConsole& UseFuzzScreen(FuzzBytes& in) {
  static constexpr int kSizes[][2] = {{80, 25}, {80, 25},  {80, 25}, {80, 25},
                                      {40, 12}, {132, 43}, {20, 5},  {1, 1}};
  const auto& size = kSizes[in.Byte() % 8];
  return UseHeadlessConsole(size[0], size[1]);
}

// Mouse clicks reported as the demonstration has them, or no mouse at all.
inline void UseFuzzMouse(FuzzBytes& in) {
  const std::uint8_t b = in.Byte();
  SetMouse(b & 7, (b >> 3) & 15);
  SetMouse((b & 0x80) != 0);
}

// Scan codes the toolbox gives a meaning to, and some it does not.
inline constexpr std::uint8_t kScanCodes[] = {15,  38,  59,  60,  67,  68,  71, 72,  73,  75,
                                              77,  79,  80,  81,  82,  83,  87, 88,  115, 116,
                                              117, 118, 119, 132, 141, 145, 0,  255, 30,  1};
// One-byte keys the editors and lists answer: Backspace, Tab, Enter, Ctrl-T,
// Ctrl-Y, Esc, Ctrl-Backspace, and others that mean nothing.
inline constexpr char kControlKeys[] = {8, 9, 13, 20, 25, 27, 127, 1, 3, 10, 26, 0};

// Queues the rest of the bytes as input: characters, control keys, extended
// keys, clicks of either button anywhere, presses without a release, and raw
// bytes. At most maxEvents are queued.
inline void QueueFuzzInput(HeadlessConsole& console, FuzzBytes& in, int maxEvents = 400) {
  for (int n = 0; n < maxEvents && !in.Empty(); ++n) {
    const std::uint8_t b = in.Byte();
    if (b < 96) {
      console.QueueKeyCode(KeyCode(1, static_cast<char>(b + 32)));
    } else if (b < 112) {
      console.QueueKeyCode(KeyCode(1, kControlKeys[(b - 96) % sizeof kControlKeys]));
    } else if (b < 176) {
      console.QueueKeyCode(ExtendedKey(kScanCodes[(b - 112) % sizeof kScanCodes]));
    } else if (b < 208) {
      static constexpr int kButtons[] = {1, 2, 4, 3};
      const int row = in.Byte() % (ScreenHeight() + 2), col = in.Byte() % (ScreenWidth() + 2);
      console.QueueClick(row, col, kButtons[b & 3]);
    } else if (b < 216) {
      MouseRecord m;
      m.row = in.Byte() % (ScreenHeight() + 1);
      m.col = in.Byte() % (ScreenWidth() + 1);
      m.buttons = b & 7;
      m.moved = (b & 1) != 0;
      console.QueueRecord(InputRecord::Mouse(m));
    } else if (b < 232) {
      console.QueueKeyCode(ExtendedKey(in.Byte()));
    } else {
      const char c = static_cast<char>(in.Byte());
      if (c != 0) console.QueueKeyCode(KeyCode(1, c));
    }
  }
}

// A string array of count texts from the lower bound.
inline BasedArray<std::string> FuzzTexts(FuzzBytes& in, int lower, int count,
                                         std::size_t maxLength) {
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i)
    texts.push_back(in.Text(maxLength));
  return BasedArray<std::string>(lower, std::move(texts));
}

// A lower bound near 1 or near either end of the int range, for an array of
// up to `count` elements whose UBound + 1 is still an int (as BasedArray
// asks); one place lower is a lower bound too.
inline int FuzzLowerBound(FuzzBytes& in, int count) {
  switch (in.Byte() % 4) {
    case 0:
      return 1;
    case 1:
      return in.In(-3, 3);
    case 2:
      return INT32_MAX - 1 - std::max(count - 1, 0) - in.In(0, 2);
    default:
      // An empty array's LBound - 1 must be an int, also one place further down.
      return INT32_MIN + 2 + in.In(0, 2);
  }
}

inline std::vector<Cell> Screen() {
  std::vector<Cell> cells;
  ReadScreenBlock(cells);
  return cells;
}

// A rectangle of screen cells (inclusive; it may reach off the screen).
struct Area {
  int top, left, bottom, right;
  bool Holds(int row, int col) const {
    return row >= top && row <= bottom && col >= left && col <= right;
  }
};

// Where a window's title may reach past the window: a window too narrow for
// any title on its top or bottom line draws the title whole, along that row.
inline Area TitleSpill(const WindowRec& w) {
  const int room = w.Right - w.Left - 5 - (w.CloseBox != 0 && w.TitlePos <= 3 ? 4 : 0);
  if (room >= 0 || w.TitlePos < 1 || w.TitlePos > 6) return {0, 0, -1, -1};
  const int row = w.TitlePos <= 3 ? w.Top : w.Bottom;
  return {row, 1, row, ScreenWidth()};
}

// Where the close-box marker may reach past the window: it is drawn whole,
// four cells from the left corner, also on a window narrower than that.
inline Area CloseBoxSpill(const WindowRec& w) {
  if (w.CloseBox == 0 || w.Frame == 255) return {0, 0, -1, -1};
  return {w.Top, w.Left, w.Top, w.Left + 3};
}

[[noreturn]] inline void FuzzFail(const std::string& what) {
  std::fprintf(stderr, "fuzz invariant broken: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

// Fails when a cell outside every one of the areas differs from before.
inline void ExpectOnlyInside(const std::vector<Cell>& before, std::initializer_list<Area> areas,
                             const char* who) {
  const std::vector<Cell> now = Screen();
  const int width = ScreenWidth();
  for (std::size_t i = 0; i < now.size() && i < before.size(); ++i) {
    if (now[i] == before[i]) continue;
    const int row = static_cast<int>(i) / width + 1, col = static_cast<int>(i) % width + 1;
    bool inside = false;
    for (const Area& a : areas)
      inside = inside || a.Holds(row, col);
    if (!inside)
      FuzzFail(std::string(who) + " drew at row " + std::to_string(row) + ", column " +
               std::to_string(col) + ", outside its area");
  }
}

inline void ExpectScreen(const std::vector<Cell>& before, const char* who) {
  if (Screen() != before) FuzzFail(std::string(who) + " left the screen changed");
}

}  // namespace tarvana::fuzz
