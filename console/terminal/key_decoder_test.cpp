// Terminal bytes to input records (KeyDecoder), and on to KeyCodes through
// TranslateRecord. Every table case prints its input, escaped, on failure.

#include "console/terminal/key_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "console/key_translate.h"
#include "console/terminal/fuzz/key_decoder_check.h"
#include "testing/input_records.h"

namespace tarvana {
namespace {

using namespace std::string_literals;
using keyDecoderCheck::CheckKeyDecoderInput;
using keyDecoderCheck::DescribeAll;
using keyDecoderCheck::Escaped;

using namespace test_support;  // the record builders K, M and their flags

void Append(std::vector<InputRecord>& to, const std::vector<InputRecord>& from) {
  to.insert(to.end(), from.begin(), from.end());
}

// All the records of bytes fed at once and left to time out.
std::vector<InputRecord> DecodeAll(const std::string& bytes) {
  KeyDecoder d;
  std::vector<InputRecord> out = d.Feed(bytes, 0);
  Append(out, d.Expire(1e9));
  return out;
}

std::vector<InputRecord> DecodeBytewise(const std::string& bytes) {
  KeyDecoder d;
  std::vector<InputRecord> out;
  for (char c : bytes)
    Append(out, d.Feed(std::string(1, c), 0));
  Append(out, d.Expire(1e9));
  return out;
}

// The KeyCodes of records, concatenated, with the mouse off.
KeyCode KeysOf(const std::vector<InputRecord>& records) {
  MouseState mouse;
  KeyCode keys;
  for (const InputRecord& r : records)
    keys += TranslateRecord(r, mouse);
  return keys;
}

struct Case {
  std::string in;
  std::vector<InputRecord> want;
  KeyCode keys;  // what TranslateRecord makes of them
};

void ExpectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE("input: \"" + Escaped(c.in) + "\"");
    const std::vector<InputRecord> got = DecodeAll(c.in);
    EXPECT_EQ(DescribeAll(got), DescribeAll(c.want));
    EXPECT_EQ(DescribeAll(DecodeBytewise(c.in)), DescribeAll(c.want)) << "fed one byte at a time";
    EXPECT_EQ(Escaped(KeysOf(got)), Escaped(c.keys)) << "KeyCodes";
  }
}

KeyCode X(int scan) {
  return ExtendedKey(static_cast<std::uint8_t>(scan));
}

// ---- Single bytes ----

TEST(KeyDecoder, PrintableAsciiCarriesItsUsLayoutKey) {
  ExpectCases({
      {"a", {K('a', 30)}, "a"},
      {"A", {K('A', 30, kShift)}, "A"},
      {"z", {K('z', 44)}, "z"},
      {"1", {K('1', 2)}, "1"},
      {"!", {K('!', 2, kShift)}, "!"},
      {"0", {K('0', 11)}, "0"},
      {" ", {K(' ', 57)}, " "},
      {"~", {K('~', 41, kShift)}, "~"},
      {"/", {K('/', 53)}, "/"},
      {"?", {K('?', 53, kShift)}, "?"},
      {"[", {K('[', 26)}, "["},
      {"O", {K('O', 24, kShift)}, "O"},
      {"Hi!", {K('H', 35, kShift), K('i', 23), K('!', 2, kShift)}, "Hi!"},
  });
}

TEST(KeyDecoder, ControlBytes) {
  ExpectCases({
      {"\r", {K(13, 28)}, "\r"},
      {"\t", {K(9, 15)}, "\t"},
      {"\x7f", {K(8, 14)}, "\b"},                     // the Backspace key of terminals
      {"\x08", {K(127, 14, kCtrl)}, "\x7f"},          // Ctrl+Backspace
      {"\x01", {K(1, 30, kCtrl)}, "\x01"},            // Ctrl+A
      {"\x19", {K(25, 21, kCtrl)}, "\x19"},           // Ctrl+Y
      {"\x1a", {K(26, 44, kCtrl)}, "\x1a"},           // Ctrl+Z
      {"\x0a", {K(10, 36, kCtrl)}, "\x0a"},           // Ctrl+J
      {"\x0c", {K(12, 38, kCtrl)}, "\x0c"},           // Ctrl+L
      {"\x00"s, {K(' ', 57, kCtrl)}, " "},            // Ctrl+Space
      {"\x1c", {K(28, 43, kCtrl)}, "\x1c"},           // Ctrl+Backslash
      {"\x1d", {K(29, 27, kCtrl)}, "\x1d"},           // Ctrl+]
      {"\x1e", {K(30, 7, kCtrl | kShift)}, "\x1e"},   // Ctrl+^
      {"\x1f", {K(31, 12, kCtrl | kShift)}, "\x1f"},  // Ctrl+_
  });
}

// ---- Cursor and editing keys ----

TEST(KeyDecoder, CursorAndEditingKeysInEveryForm) {
  ExpectCases({
      {"\x1b[A", {K(0, 72)}, X(72)},
      {"\x1b[B", {K(0, 80)}, X(80)},
      {"\x1b[C", {K(0, 77)}, X(77)},
      {"\x1b[D", {K(0, 75)}, X(75)},
      {"\x1bOA", {K(0, 72)}, X(72)},
      {"\x1bOB", {K(0, 80)}, X(80)},
      {"\x1bOC", {K(0, 77)}, X(77)},
      {"\x1bOD", {K(0, 75)}, X(75)},
      {"\x1b[H", {K(0, 71)}, X(71)},
      {"\x1b[F", {K(0, 79)}, X(79)},
      {"\x1bOH", {K(0, 71)}, X(71)},
      {"\x1bOF", {K(0, 79)}, X(79)},
      {"\x1b[1~", {K(0, 71)}, X(71)},  // tmux, screen, Linux console
      {"\x1b[4~", {K(0, 79)}, X(79)},
      {"\x1b[7~", {K(0, 71)}, X(71)},  // rxvt
      {"\x1b[8~", {K(0, 79)}, X(79)},
      {"\x1b[2~", {K(0, 82)}, X(82)},
      {"\x1b[3~", {K(0, 83)}, X(83)},
      {"\x1b[5~", {K(0, 73)}, X(73)},
      {"\x1b[6~", {K(0, 81)}, X(81)},
      {"\x1b[E", {K(0, 76)}, X(76)},  // keypad 5 without NumLock
      {"\x1bOE", {K(0, 76)}, X(76)},
      {"\x1b[1A", {K(0, 72)}, X(72)},
      {"\x1b[A\x1b[B\x1bOC", {K(0, 72), K(0, 80), K(0, 77)}, X(72) + X(80) + X(77)},
  });
}

TEST(KeyDecoder, ModifiersKeepTheScanCode) {
  ExpectCases({
      {"\x1b[1;5D", {K(0, 75, kCtrl)}, X(75)},  // Ctrl+Left: scan stays 75
      {"\x1b[1;5C", {K(0, 77, kCtrl)}, X(77)},
      {"\x1b[1;2A", {K(0, 72, kShift)}, X(72)},
      {"\x1b[1;3B", {K(0, 80, kAlt)}, X(80)},
      {"\x1b[1;4C", {K(0, 77, kShift | kAlt)}, X(77)},
      {"\x1b[1;6H", {K(0, 71, kShift | kCtrl)}, X(71)},
      {"\x1b[1;7F", {K(0, 79, kAlt | kCtrl)}, X(79)},
      {"\x1b[1;8D", {K(0, 75, kShift | kAlt | kCtrl)}, X(75)},
      {"\x1b[1;9A", {K(0, 72, kAlt)}, X(72)},  // meta counts as Alt
      {"\x1b[1;1A", {K(0, 72)}, X(72)},
      {"\x1b[;5D", {K(0, 75, kCtrl)}, X(75)},
      {"\x1b[1;65A", {K(0, 72, kCaps)}, X(72)},
      {"\x1b[3;5~", {K(0, 83, kCtrl)}, X(83)},
      {"\x1b[5;2~", {K(0, 73, kShift)}, X(73)},
      {"\x1b[2;3~", {K(0, 82, kAlt)}, X(82)},
      {"\x1b[6;5~", {K(0, 81, kCtrl)}, X(81)},
      {"\x1b[1;5~", {K(0, 71, kCtrl)}, X(71)},
      {"\x1bO5D", {K(0, 75, kCtrl)}, X(75)},  // old xterm
      {"\x1bO1;5D", {K(0, 75, kCtrl)}, X(75)},
      // rxvt: shifted arrows ESC [ a-d, Ctrl arrows ESC O a-d, $ ^ @ endings.
      {"\x1b[a", {K(0, 72, kShift)}, X(72)},
      {"\x1b[b", {K(0, 80, kShift)}, X(80)},
      {"\x1b[c", {K(0, 77, kShift)}, X(77)},
      {"\x1b[d", {K(0, 75, kShift)}, X(75)},
      {"\x1bOa", {K(0, 72, kCtrl)}, X(72)},
      {"\x1bOb", {K(0, 80, kCtrl)}, X(80)},
      {"\x1bOc", {K(0, 77, kCtrl)}, X(77)},
      {"\x1bOd", {K(0, 75, kCtrl)}, X(75)},
      {"\x1b[2$", {K(0, 82, kShift)}, X(82)},
      {"\x1b[3^", {K(0, 83, kCtrl)}, X(83)},
      {"\x1b[5@", {K(0, 73, kCtrl | kShift)}, X(73)},
      {"\x1b[7$", {K(0, 71, kShift)}, X(71)},
      {"\x1b[8^", {K(0, 79, kCtrl)}, X(79)},
      {"\x1b[7^", {K(0, 71, kCtrl)}, X(71)},
  });
}

TEST(KeyDecoder, FunctionKeys) {
  ExpectCases({
      {"\x1bOP", {K(0, 59)}, X(59)},
      {"\x1bOQ", {K(0, 60)}, X(60)},
      {"\x1bOR", {K(0, 61)}, X(61)},
      {"\x1bOS", {K(0, 62)}, X(62)},
      {"\x1b[11~", {K(0, 59)}, X(59)},  // rxvt, old xterm
      {"\x1b[12~", {K(0, 60)}, X(60)},
      {"\x1b[13~", {K(0, 61)}, X(61)},
      {"\x1b[14~", {K(0, 62)}, X(62)},
      {"\x1b[15~", {K(0, 63)}, X(63)},
      {"\x1b[17~", {K(0, 64)}, X(64)},
      {"\x1b[18~", {K(0, 65)}, X(65)},
      {"\x1b[19~", {K(0, 66)}, X(66)},
      {"\x1b[20~", {K(0, 67)}, X(67)},
      {"\x1b[21~", {K(0, 68)}, X(68)},
      {"\x1b[23~", {K(0, 87)}, X(87)},
      {"\x1b[24~", {K(0, 88)}, X(88)},
      {"\x1b[[A", {K(0, 59)}, X(59)},  // Linux console
      {"\x1b[[B", {K(0, 60)}, X(60)},
      {"\x1b[[C", {K(0, 61)}, X(61)},
      {"\x1b[[D", {K(0, 62)}, X(62)},
      {"\x1b[[E", {K(0, 63)}, X(63)},
      {"\x1b[1;2P", {K(0, 59, kShift)}, X(59)},  // xterm with modifiers
      {"\x1b[1;5Q", {K(0, 60, kCtrl)}, X(60)},
      {"\x1b[1;3S", {K(0, 62, kAlt)}, X(62)},
      {"\x1bO2P", {K(0, 59, kShift)}, X(59)},
      {"\x1b[15;2~", {K(0, 63, kShift)}, X(63)},
      {"\x1b[21;5~", {K(0, 68, kCtrl)}, X(68)},
      {"\x1b[24;5~", {K(0, 88, kCtrl)}, X(88)},
      {"\x1b[11^", {K(0, 59, kCtrl)}, X(59)},  // rxvt Ctrl+F1
      {"\x1b[21$", {K(0, 68, kShift)}, X(68)},
      {"\x1b[25~", {K(0, 61, kShift)}, X(61)},  // F13 of rxvt and the Linux console: Shift+F3
      {"\x1b[26~", {K(0, 62, kShift)}, X(62)},
      {"\x1b[28~", {K(0, 63, kShift)}, X(63)},
      {"\x1b[34~", {K(0, 68, kShift)}, X(68)},
  });
}

TEST(KeyDecoder, ShiftTabIsTheBackTab) {
  ExpectCases({
      {"\x1b[Z", {K(0, 15, kShift)}, X(15)},
      {"\x1b[1;6Z", {K(0, 15, kShift | kCtrl)}, X(15)},
      {"\x1b[27;2;9~", {K(0, 15, kShift)}, X(15)},
      {"\x1b[9;2u", {K(0, 15, kShift)}, X(15)},
      {"\t\x1b[Z", {K(9, 15), K(0, 15, kShift)}, "\t" + X(15)},
  });
}

TEST(KeyDecoder, ModifiedCharactersOfModifyOtherKeysAndCsiU) {
  ExpectCases({
      {"\x1b[27;5;9~", {K(9, 15, kCtrl)}, "\t"},     // Ctrl+Tab
      {"\x1b[27;2;13~", {K(13, 28, kShift)}, "\r"},  // Shift+Enter
      {"\x1b[27;5;13~", {K(13, 28, kCtrl)}, "\r"},   // Ctrl+Enter
      {"\x1b[27;5;97~", {K(1, 30, kCtrl)}, "\x01"},  // Ctrl+A
      {"\x1b[97;5u", {K(1, 30, kCtrl)}, "\x01"},
      {"\x1b[97;3u", {K('a', 30, kAlt)}, X(30)},  // Alt+A
      {"\x1b[97u", {K('a', 30)}, "a"},
      {"\x1b[97;2u", {K('A', 30, kShift)}, "A"},
      {"\x1b[49;3u", {K('1', 2, kAlt)}, "1"},  // Alt+1
      {"\x1b[27u", {K(27, 1)}, "\x1b"},
      {"\x1b[127u", {K(8, 14)}, "\b"},
      {"\x1b[127;5u", {K(127, 14, kCtrl)}, "\x7f"},  // Ctrl+Backspace
      {"\x1b[233u", {K(130, 0)}, "\x82"},            // e acute
      {"\x1b[97;1:3u", {K('a', 30, kUp)}, ""},       // a release: skipped by the translation
      {"\x1b[57399u", {}, ""},                       // kitty's private keypad codes
      {"\x1b[8364u", {}, ""},                        // the euro sign has no CP437 form
      {"\x1b[0u", {}, ""},
  });
}

// ---- Alt ----

TEST(KeyDecoder, EscFollowedByAKeyIsAltAndThatKey) {
  ExpectCases({
      {"\x1b"
       "a",
       {K('a', 30, kAlt)},
       X(30)},
      {"\x1bl", {K('l', 38, kAlt)}, X(38)},  // Alt+L: NUL + 38
      {"\x1bL", {K('L', 38, kShift | kAlt)}, X(38)},
      {"\x1bx", {K('x', 45, kAlt)}, X(45)},
      {"\x1b"
       "1",
       {K('1', 2, kAlt)},
       "1"},  // Alt+1: the character
      {"\x1b-", {K('-', 12, kAlt)}, "-"},
      {"\x1b ", {K(' ', 57, kAlt)}, " "},
      {"\x1b\r", {K(13, 28, kAlt)}, "\r"},
      {"\x1b\t", {K(9, 15, kAlt)}, "\t"},
      {"\x1b\x7f", {K(8, 14, kAlt)}, "\b"},
      {"\x1b\x0c", {K(12, 38, kCtrl | kAlt)}, X(38)},  // Ctrl+Alt+L
      {"\x1b\xc3\xa9", {K(130, 0, kAlt)}, "\x82"},
      {"\x1b\x1b[A", {K(0, 72, kAlt)}, X(72)},  // rxvt Alt+Up
      {"\x1b\x1bOP", {K(0, 59, kAlt)}, X(59)},
      {"\x1b\x1b[5~", {K(0, 73, kAlt)}, X(73)},
      {"\x1b\x1b", {K(27, 1, kAlt)}, "\x1b"},  // Alt+Esc counts as Esc
      {"\x1b\x1bx", {K(27, 1, kAlt), K('x', 45)}, "\x1bx"},
      {"\x1b\x1b\x1b", {K(27, 1, kAlt), K(27, 1)}, "\x1b\x1b"},
      {"\x1b"
       "ab",
       {K('a', 30, kAlt), K('b', 48)},
       X(30) + "b"},
      // An introducer that nothing follows is Alt and that key.
      {"\x1b[", {K('[', 26, kAlt)}, "["},
      {"\x1bO", {K('O', 24, kShift | kAlt)}, X(24)},
      {"\x1b]", {K(']', 27, kAlt)}, "]"},
      {"\x1b\x1b[", {K('[', 26, kAlt)}, "["},
  });
}

// ---- A lone Esc and time ----

TEST(KeyDecoder, LoneEscWaitsForItsTimeout) {
  KeyDecoder d;
  EXPECT_LT(d.Deadline(), 0);
  EXPECT_TRUE(d.Feed("\x1b", 0).empty());
  EXPECT_DOUBLE_EQ(d.Deadline(), KeyDecoder::kEscTimeoutMs);
  EXPECT_TRUE(d.Expire(39).empty());
  const std::vector<InputRecord> got = d.Expire(41);
  EXPECT_EQ(DescribeAll(got), DescribeAll({K(27, 1)}));
  EXPECT_EQ(KeysOf(got), "\x1b");
  EXPECT_LT(d.Deadline(), 0);
  EXPECT_TRUE(d.Expire(1000).empty());
}

TEST(KeyDecoder, EscTimeoutIsAtMostFiftyMilliseconds) {
  EXPECT_GT(KeyDecoder::kEscTimeoutMs, 0);
  EXPECT_LE(KeyDecoder::kEscTimeoutMs, 50);
}

TEST(KeyDecoder, EscExpiresExactlyAtItsDeadline) {
  KeyDecoder d;
  d.Feed("\x1b", 100);
  EXPECT_TRUE(d.Expire(139.9).empty());
  EXPECT_EQ(DescribeAll(d.Expire(140)), DescribeAll({K(27, 1)}));
}

TEST(KeyDecoder, AKeyBeforeTheTimeoutMakesAlt) {
  KeyDecoder d;
  EXPECT_TRUE(d.Feed("\x1b", 0).empty());
  const std::vector<InputRecord> got = d.Feed("l", 10);
  EXPECT_EQ(DescribeAll(got), DescribeAll({K('l', 38, kAlt)}));
  EXPECT_EQ(KeysOf(got), X(38));
  EXPECT_LT(d.Deadline(), 0);
}

TEST(KeyDecoder, AKeyAfterTheTimeoutFollowsTheEsc) {
  // Nobody called Expire in time: the byte that came after the deadline
  // cannot make the Esc an Alt.
  KeyDecoder d;
  d.Feed("\x1b", 0);
  EXPECT_EQ(DescribeAll(d.Feed("l", 50)), DescribeAll({K(27, 1), K('l', 38)}));
}

TEST(KeyDecoder, TwoEscKeysApart) {
  KeyDecoder d;
  d.Feed("\x1b", 0);
  EXPECT_EQ(DescribeAll(d.Expire(45)), DescribeAll({K(27, 1)}));
  EXPECT_TRUE(d.Feed("\x1b", 300).empty());
  EXPECT_DOUBLE_EQ(d.Deadline(), 340);
  EXPECT_EQ(DescribeAll(d.Expire(345)), DescribeAll({K(27, 1)}));
}

TEST(KeyDecoder, EscThenAnArrowSoonAfter) {
  // ESC then ESC [ A within the timeout reads as rxvt's Alt+Up: still Up.
  KeyDecoder d;
  d.Feed("\x1b", 0);
  EXPECT_EQ(DescribeAll(d.Feed("\x1b[A", 20)), DescribeAll({K(0, 72, kAlt)}));
}

TEST(KeyDecoder, DeadlineCountsFromTheFirstPendingByte) {
  KeyDecoder d;
  d.Feed("\x1b", 0);
  d.Feed("[1", 20);
  EXPECT_DOUBLE_EQ(d.Deadline(), 40);
  EXPECT_EQ(DescribeAll(d.Feed(";5D", 30)), DescribeAll({K(0, 75, kCtrl)}));
  EXPECT_LT(d.Deadline(), 0);
}

TEST(KeyDecoder, AnIncompleteSequenceAtTheTimeoutIsDroppedWhole) {
  KeyDecoder d;
  EXPECT_TRUE(d.Feed("\x1b[1;5", 0).empty());
  EXPECT_TRUE(d.Expire(41).empty());
  EXPECT_LT(d.Deadline(), 0);
  EXPECT_EQ(DescribeAll(d.Feed("x", 100)), DescribeAll({K('x', 45)}));
}

TEST(KeyDecoder, IncompleteUtf8HasNoDeadline) {
  KeyDecoder d;
  EXPECT_TRUE(d.Feed("\xc3", 0).empty());
  EXPECT_LT(d.Deadline(), 0);
  EXPECT_TRUE(d.Expire(1000).empty());
  EXPECT_EQ(DescribeAll(d.Feed("\xa9", 2000)), DescribeAll({K(130, 0)}));
}

TEST(KeyDecoder, AnEscAfterDroppedBytesTakesItsOwnTime) {
  KeyDecoder d;
  d.Feed("\xc3", 0);
  EXPECT_TRUE(d.Feed("\x1b", 100).empty());  // the lone C3 is invalid now and goes
  EXPECT_DOUBLE_EQ(d.Deadline(), 140);
  EXPECT_TRUE(d.Expire(139).empty());
  EXPECT_EQ(DescribeAll(d.Expire(140)), DescribeAll({K(27, 1)}));
}

// ---- UTF-8 ----

// A typed character code page 437 cannot show, not even by a stand-in.
const InputRecord kUnshowable{InputRecord::Kind::kUnshowable, {}, {}};

TEST(KeyDecoder, Utf8TextBecomesCodePage437) {
  ExpectCases({
      {"\xc3\xa9", {K(130, 0)}, "\x82"},  // e acute
      {"\xc3\xbc", {K(129, 0)}, "\x81"},  // u umlaut
      {"\xc3\x89t\xc3\xa9", {K(144, 0), K('t', 20), K(130, 0)}, "\x90t\x82"},
      {"\xe2\x94\x80", {K(196, 0)}, "\xc4"},        // box drawing
      {"\xe2\x96\x88", {K(219, 0)}, "\xdb"},        // full block
      {"\xcf\x80", {K(227, 0)}, "\xe3"},            // pi
      {"\xc2\xa0", {K(255, 0)}, "\xff"},            // no-break space
      {"\xe2\x8c\x82", {kUnshowable}, ""},          // house: CP437 127 is never a glyph
      {"\xe2\x82\xac", {K('E', 18, kShift)}, "E"},  // euro sign: its stand-in
      {"\xc5\x82", {K('l', 38)}, "l"},              // l with stroke: the nearest letter
      {"\xf0\x9f\x98\x80"
       "a",
       {kUnshowable, K('a', 30)},
       "a"},                                // emoji: no stand-in
      {"\xe2\x98\xba", {kUnshowable}, ""},  // smiley: CP437 1 stands for Ctrl+A, never a glyph
  });
}

TEST(KeyDecoder, TypedCharactersKeepTheirUnicodeText) {
  const struct {
    const char* bytes;
    char32_t text;
  } cases[] = {{"\xc3\xa9", 0xE9},
               {"\xd0\xb6", 0x436},
               {"\xe6\xbc\xa2", 0x6F22},
               {"\xf0\x9f\x9a\x80", 0x1F680},
               {"\xe2\x82\xac", 0x20AC}};
  for (const auto& c : cases) {
    KeyDecoder d;
    const std::vector<InputRecord> records = d.Feed(c.bytes, 0);
    ASSERT_EQ(records.size(), 1u) << c.bytes;
    EXPECT_EQ(records[0].key.text, c.text) << c.bytes;
  }
}

TEST(KeyDecoder, InvalidUtf8IsDropped) {
  ExpectCases({
      {"\xff", {}, ""},
      {"\x80", {}, ""},
      {"\xbf"
       "a",
       {K('a', 30)},
       "a"},
      {"\xc3(", {K('(', 10, kShift)}, "("},  // the byte that breaks it is decoded anew
      {"\xc0\xaf", {}, ""},                  // overlong
      {"\xe0\x80\xaf", {}, ""},
      {"\xed\xa0\x80", {}, ""},      // surrogate
      {"\xf4\x90\x80\x80", {}, ""},  // above U+10FFFF
      {"\xe2\x94"
       "a",
       {K('a', 30)},
       "a"},
      {"\xe2\x94\x1b[A", {K(0, 72)}, X(72)},
      {"\xc3", {}, ""},  // cut off at the end
  });
}

TEST(KeyDecoder, Latin1TextOfANonUtf8LocaleBecomesCodePage437) {
  const struct {
    std::string in;
    std::vector<InputRecord> want;
  } cases[] = {
      {"\xe9", {K(130, 0)}},  // e acute
      {"\xc9t\xfc", {K(144, 0), K('t', 20), K(129, 0)}},
      {"\xa0", {K(255, 0)}},                 // no-break space
      {"A\x9b\x85", {K('A', 30, kShift)}},   // C1 controls are no text
      {"\x1b\xe9", {K(130, 0, kAlt)}},       // Alt+e acute
      {"\xbe", {K('3', 4)}},                 // three quarters: its best-fit stand-in
      {"\xc4\xe4", {K(142, 0), K(132, 0)}},  // A and a umlaut
  };
  for (const auto& c : cases) {
    KeyDecoder d(true);
    std::vector<InputRecord> got = d.Feed(c.in, 0);
    Append(got, d.Expire(1e9));
    EXPECT_EQ(DescribeAll(got), DescribeAll(c.want)) << Escaped(c.in);
  }
}

TEST(KeyDecoder, Utf8SplitAcrossFeeds) {
  KeyDecoder d;
  EXPECT_TRUE(d.Feed("\xe2", 0).empty());
  EXPECT_TRUE(d.Feed("\x94", 1).empty());
  EXPECT_EQ(DescribeAll(d.Feed("\x80", 2)), DescribeAll({K(196, 0)}));
}

// ---- Malformed and unknown input ----

TEST(KeyDecoder, UnknownAndMalformedSequencesAreDroppedWhole) {
  ExpectCases({
      {"\x1b[99;99;99X"
       "a",
       {K('a', 30)},
       "a"},
      {"\x1b[99~"
       "a",
       {K('a', 30)},
       "a"},
      {"\x1b[16~", {}, ""},
      {"\x1b[1;5\x1b[A", {K(0, 72)}, X(72)},  // a CSI cut by the next one
      {"\x1b[12\r", {K(13, 28)}, "\r"},       // cut by a control byte: that byte stays
      {"\x1b[1;\xc3\xa9", {K(130, 0)}, "\x82"},
      {"\x1b[200~hi\x1b[201~", {K('h', 35), K('i', 23)}, "hi"},  // paste brackets
      {"\x1b[I\x1b[O", {}, ""},                                  // focus in and out
      {"\x1b[?1;2c", {}, ""},                                    // device attributes
      {"\x1b[>0;95;0c", {}, ""},
      {"\x1b[12;40R", {}, ""},  // cursor position
      {"\x1b[?25$y", {}, ""},
      {"\x1b[ q", {}, ""},
      {"\x1b[1 A", {}, ""},
      {"\x1b[2;3;4~", {}, ""},
      {"\x1b[5;5A", {}, ""},
      {"\x1b[1;300A", {}, ""},
      {"\x1b[99999999A", {}, ""},
      {"\x1b[1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17A", {}, ""},
      {"\x1b[1:2:3:4:5A", {}, ""},
      {"\x1b[1;5<A", {}, ""},
      {"\x1b[?1A", {}, ""},
      {"\x1b[1a", {}, ""},
      {"\x1b[2;3$x", {}, ""},
      {"\x1b[[Z", {}, ""},
      {"\x1b[[\r", {K(13, 28)}, "\r"},
      {"\x1bOz", {}, ""},
      {"\x1bO\r", {K(13, 28)}, "\r"},
      {"\x1bO5\x1bOA", {K(0, 72)}, X(72)},
      {"\x1b]11;rgb:0000/0000/0000\x07"
       "q",
       {K('q', 16)},
       "q"},  // OSC replies
      {"\x1b]0;title\x1b\\"
       "q",
       {K('q', 16)},
       "q"},
      {"\x1b]abc\x1b[A", {K(0, 72)}, X(72)},
      {"\x1b]abc\r", {K(13, 28)}, "\r"},
      {"\x1b[<0;1M", {}, ""},
      {"\x1b[<0;0;0M", {}, ""},
      {"\x1b[<3;1;1M", {}, ""},    // a press of no button
      {"\x1b[<128;1;1M", {}, ""},  // buttons 8 to 11
      {"\x1b[<0;1;1X", {}, ""},
      {"\x1b[M\x20\x20\x21", {}, ""},  // X10 report with a column before the first
      {"\x1b[M\x01"
       "a",
       {K(1, 30, kCtrl), K('a', 30)},
       "\x01"
       "a"},
  });
}

TEST(KeyDecoder, NeverEndingSequencesStayBounded) {
  const std::string digits(5000, '1');
  ExpectCases({
      {"\x1b[" + digits +
           "A"
           "b",
       {K('b', 48)},
       "b"},
      {"\x1bO" + digits +
           "A"
           "b",
       {K('b', 48)},
       "b"},
      {"\x1b\x1b[" + digits +
           "A"
           "b",
       {K('b', 48)},
       "b"},
      {"\x1b]" + std::string(5000, 'x') +
           "\x07"
           "q",
       {K('q', 16)},
       "q"},
      {"\x1b]" + std::string(5000, 'x') +
           "\x1b\\"
           "q",
       {K('q', 16)},
       "q"},
      {"\x1b]" + std::string(5000, 'x') + "\x1b[A", {K(0, 72)}, X(72)},
      {"\x1b]" + std::string(63, 'x') +
           "\x1b\\"
           "q",
       {K('q', 16)},
       "q"},
      {"\x1b]" + std::string(62, 'x') +
           "\x1b\\"
           "q",
       {K('q', 16)},
       "q"},
  });
  KeyDecoder d;
  d.Feed("\x1b[", 0);
  for (int i = 0; i < 10000; ++i) {
    EXPECT_TRUE(d.Feed("1;", 1).empty());
    ASSERT_LE(KeyDecoderInspector::PendingSize(d), KeyDecoderInspector::kMaxPending);
  }
  // The skipping ends with the silence of a timeout.
  EXPECT_GE(d.Deadline(), 0);
  EXPECT_TRUE(d.Expire(100).empty());
  EXPECT_LT(d.Deadline(), 0);
  EXPECT_EQ(DescribeAll(d.Feed("5", 200)), DescribeAll({K('5', 6)}));
}

// ---- Split sequences ----

TEST(KeyDecoder, SequencesSplitAtEveryPoint) {
  const std::string inputs[] = {
      "\x1b[1;5D",  "\x1bOP",       "\x1b[[C",      "\x1b[24;5~",      "\x1b[<0;10;5M", "\x1b[M !!",
      "\x1b\x1b[A", "\xe2\x94\x80", "\x1b\xc3\xa9", "\x1b]0;t\x1b\\x", "\x1b[27;5;9~",
  };
  for (const std::string& in : inputs) {
    const std::string want = DescribeAll(DecodeAll(in));
    for (std::size_t cut = 1; cut < in.size(); ++cut) {
      KeyDecoder d;
      std::vector<InputRecord> got = d.Feed(in.substr(0, cut), 0);
      EXPECT_TRUE(got.empty()) << "input: " << Escaped(in) << " cut at " << cut;
      Append(got, d.Feed(in.substr(cut), 5));
      Append(got, d.Expire(1e9));
      EXPECT_EQ(DescribeAll(got), want) << "input: " << Escaped(in) << " cut at " << cut;
    }
  }
}

// ---- Mouse ----

struct Report {
  std::string bytes;
  double ms;
};

std::vector<InputRecord> FeedReports(const std::vector<Report>& reports, KeyDecoder& d) {
  std::vector<InputRecord> out;
  for (const Report& r : reports)
    Append(out, d.Feed(r.bytes, r.ms));
  return out;
}

std::string Show(const std::vector<Report>& reports) {
  std::string s;
  for (const Report& r : reports)
    s += Escaped(r.bytes) + "@" + std::to_string(int(r.ms)) + " ";
  return s;
}

struct MouseCase {
  std::vector<Report> reports;
  std::vector<InputRecord> want;
};

void ExpectMouse(const std::vector<MouseCase>& cases) {
  for (const MouseCase& c : cases) {
    KeyDecoder d;
    EXPECT_EQ(DescribeAll(FeedReports(c.reports, d)), DescribeAll(c.want))
        << "input: " << Show(c.reports);
  }
}

TEST(KeyDecoder, SgrMousePressReleaseAndHeldButtons) {
  ExpectMouse({
      {{{"\x1b[<0;10;5M", 0}}, {M(1, 4, 9)}},
      {{{"\x1b[<0;10;5M", 0}, {"\x1b[<0;10;5m", 80}}, {M(1, 4, 9), M(0, 4, 9)}},
      {{{"\x1b[<2;1;1M", 0}, {"\x1b[<2;1;1m", 1}}, {M(2, 0, 0), M(0, 0, 0)}},          // right
      {{{"\x1b[<1;80;25M", 0}, {"\x1b[<1;80;25m", 1}}, {M(4, 24, 79), M(0, 24, 79)}},  // middle
      {{{"\x1b[<0;1;1M", 0}, {"\x1b[<2;1;1M", 10}, {"\x1b[<0;1;1m", 20}, {"\x1b[<2;1;1m", 30}},
       {M(1, 0, 0), M(3, 0, 0), M(2, 0, 0), M(0, 0, 0)}},
      {{{"\x1b[<0;1;1m", 0}}, {M(0, 0, 0)}},  // a release of a button not seen down
      {{{"\x1b[<4;2;3M", 0}}, {M(1, 2, 1, kShift)}},
      {{{"\x1b[<8;2;3M", 0}}, {M(1, 2, 1, kAlt)}},
      {{{"\x1b[<16;2;3M", 0}}, {M(1, 2, 1, kCtrl)}},
      {{{"\x1b[<22;2;3M", 0}}, {M(2, 2, 1, kShift | kCtrl)}},
      {{{"\x1b\x1b[<0;2;3M", 0}}, {M(1, 2, 1, kAlt)}},
      {{{"\x1b[<0;300;200M", 0}}, {M(1, 199, 299)}},
  });
}

TEST(KeyDecoder, MouseMotionAndWheel) {
  ExpectMouse({
      {{{"\x1b[<35;3;4M", 0}}, {M(0, 3, 2, kMoved)}},  // motion, no button
      {{{"\x1b[<0;1;1M", 0}, {"\x1b[<32;3;4M", 10}, {"\x1b[<0;3;4m", 20}},
       {M(1, 0, 0), M(1, 3, 2, kMoved), M(0, 3, 2)}},  // a drag
      {{{"\x1b[<0;1;1M", 0}, {"\x1b[<35;3;4M", 10}}, {M(1, 0, 0), M(0, 3, 2, kMoved)}},
      {{{"\x1b[<64;5;6M", 0}}, {M(0, 5, 4, kWheel | kWheelUp)}},
      {{{"\x1b[<65;5;6M", 0}}, {M(0, 5, 4, kWheel)}},
      {{{"\x1b[<66;5;6M", 0}, {"\x1b[<67;5;6M", 1}}, {}},  // turned sideways: nothing
      {{{"\x1b[<2;1;1M", 0}, {"\x1b[<65;5;6M", 10}}, {M(2, 0, 0), M(2, 5, 4, kWheel)}},
      {{{"\x1b[<64;5;6m", 0}}, {}},
  });
}

TEST(KeyDecoder, SecondPressSoonAtTheSameCellIsADoubleClick) {
  const std::string press = "\x1b[<0;10;5M", release = "\x1b[<0;10;5m";
  ExpectMouse({
      {{{press, 0}, {release, 50}, {press, 200}, {release, 260}},
       {M(1, 4, 9), M(0, 4, 9), M(1, 4, 9, kDouble), M(0, 4, 9)}},
      {{{press, 0}, {release, 50}, {press, 500}}, {M(1, 4, 9), M(0, 4, 9), M(1, 4, 9, kDouble)}},
      {{{press, 0}, {release, 50}, {press, 501}}, {M(1, 4, 9), M(0, 4, 9), M(1, 4, 9)}},
      {{{press, 0}, {release, 50}, {"\x1b[<0;11;5M", 200}}, {M(1, 4, 9), M(0, 4, 9), M(1, 4, 10)}},
      {{{press, 0}, {release, 50}, {"\x1b[<2;10;5M", 200}}, {M(1, 4, 9), M(0, 4, 9), M(2, 4, 9)}},
      // A third press starts a new pair; the fourth is a double-click again.
      {{{press, 0},
        {release, 10},
        {press, 20},
        {release, 30},
        {press, 40},
        {release, 50},
        {press, 60}},
       {M(1, 4, 9), M(0, 4, 9), M(1, 4, 9, kDouble), M(0, 4, 9), M(1, 4, 9), M(0, 4, 9),
        M(1, 4, 9, kDouble)}},
  });
}

TEST(KeyDecoder, X10AndUrxvtMouse) {
  auto x10 = [](int b, int col, int row) {
    return "\x1b[M"s + char(32 + b) + char(33 + col) + char(33 + row);
  };
  ExpectMouse({
      {{{x10(0, 9, 4), 0}, {x10(3, 9, 4), 10}}, {M(1, 4, 9), M(0, 4, 9)}},
      {{{x10(2, 0, 0), 0}, {x10(3, 0, 0), 10}}, {M(2, 0, 0), M(0, 0, 0)}},
      {{{x10(64, 1, 1), 0}}, {M(0, 1, 1, kWheel | kWheelUp)}},
      {{{x10(35, 1, 2), 0}}, {M(0, 2, 1, kMoved)}},
      {{{x10(16, 150, 100), 0}}, {M(1, 100, 150, kCtrl)}},  // coordinates above 95: bytes above 127
      {{{"\x1b[32;10;5M", 0}, {"\x1b[35;10;5M", 10}}, {M(1, 4, 9), M(0, 4, 9)}},
  });
}

TEST(KeyDecoder, MouseThroughTheTranslation) {
  // The demonstration's settings: left and right buttons, releases only.
  MouseState mouse;
  mouse.on = true;
  mouse.buttonMask = mouse::kLeft | mouse::kRight;
  mouse.eventMask = mouse::kReleased;
  KeyDecoder d;
  std::vector<KeyCode> keys;
  for (const char* report : {"\x1b[<0;10;5M", "\x1b[<0;10;5m", "\x1b[<1;3;3M", "\x1b[<1;3;3m",
                             "\x1b[<2;7;8M", "\x1b[<2;7;8m"})
    for (const InputRecord& r : d.Feed(report, 0))
      keys.push_back(TranslateRecord(r, mouse));
  ASSERT_EQ(keys.size(), 6u);
  EXPECT_EQ(keys[0], "");
  EXPECT_EQ(keys[1], MouseKey(mouse::kReleased, mouse::kLeft));
  EXPECT_EQ(keys[2], "");
  EXPECT_EQ(keys[3], "");
  EXPECT_EQ(keys[4], "");
  EXPECT_EQ(keys[5], MouseKey(mouse::kReleased, mouse::kRight));
  EXPECT_EQ(mouse.row, 8);  // 1-based, of the last delivered event
  EXPECT_EQ(mouse.col, 7);
}

TEST(KeyDecoder, MouseAndKeysInterleaved) {
  ExpectCases({
      {"a\x1b[<0;2;2Mb\x1b[<0;2;2m\x1b[A",
       {K('a', 30), M(1, 1, 1), K('b', 48), M(0, 1, 1), K(0, 72)},
       "ab" + X(72)},
  });
}

// ---- The invariants over the fuzzing corpus ----

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(KeyDecoder, CorpusKeepsTheInvariants) {
  const std::filesystem::path dir =
      std::filesystem::path(TARVANA_SOURCE_DIR) / "console/terminal/testdata/key_decoder_corpus";
  ASSERT_TRUE(std::filesystem::is_directory(dir)) << dir;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const std::string data = ReadFile(entry.path());
    EXPECT_EQ(CheckKeyDecoderInput(data), "")
        << entry.path().filename() << ": \"" << Escaped(data) << "\"";
  }
  EXPECT_GE(files, 24);
}

TEST(KeyDecoder, TableInputsKeepTheInvariants) {
  const std::string inputs[] = {
      "",
      "\x1b",
      "\x1b\x1b",
      "\x1b[",
      "\x1b[1;5D",
      "\x1b[<0;1;1M\x1b[<0;1;1M",
      "\xe2\x94",
      "\x1b]" + std::string(200, 'x'),
      "\x1b[" + std::string(200, '9'),
      "\x1b\x1b\x1b\x1b\x1b",
  };
  for (const std::string& in : inputs)
    EXPECT_EQ(CheckKeyDecoderInput(in), "") << Escaped(in);
}

}  // namespace
}  // namespace tarvana
