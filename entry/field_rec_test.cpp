// The field descriptor's layout, the character classes and exit-key lists.

#include "entry/field_rec.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace tarvana {
namespace {

TEST(FieldRecTest, IsFourteenBytesInTheTabledOrder) {
  struct Place {
    const char* name;
    size_t offset, size;
  } places[] = {
      {"Row", offsetof(FieldRec, Row), sizeof(FieldRec::Row)},
      {"Col", offsetof(FieldRec, Col), sizeof(FieldRec::Col)},
      {"Length", offsetof(FieldRec, Length), sizeof(FieldRec::Length)},
      {"FieldType", offsetof(FieldRec, FieldType), sizeof(FieldRec::FieldType)},
      {"EditMode", offsetof(FieldRec, EditMode), sizeof(FieldRec::EditMode)},
      {"Mask", offsetof(FieldRec, Mask), sizeof(FieldRec::Mask)},
      {"ExitOnChange", offsetof(FieldRec, ExitOnChange), sizeof(FieldRec::ExitOnChange)},
      {"PromptColor", offsetof(FieldRec, PromptColor), sizeof(FieldRec::PromptColor)},
      {"NormalColor", offsetof(FieldRec, NormalColor), sizeof(FieldRec::NormalColor)},
      {"EditColor", offsetof(FieldRec, EditColor), sizeof(FieldRec::EditColor)},
      {"Changed", offsetof(FieldRec, Changed), sizeof(FieldRec::Changed)},
  };
  size_t next = 0;
  for (const Place& p : places) {
    EXPECT_EQ(p.offset, next) << p.name;
    next = p.offset + p.size;
  }
  EXPECT_EQ(next, 14u);
  EXPECT_EQ(sizeof(FieldRec), 14u);

  // Signed 16-bit fields are stored low byte first.
  FieldRec f;
  f.Mask = 0x1234;
  f.Changed = -1;
  unsigned char bytes[14];
  std::memcpy(bytes, &f, sizeof bytes);
  EXPECT_EQ(bytes[5], 0x34);
  EXPECT_EQ(bytes[6], 0x12);
  EXPECT_EQ(bytes[12], 0xFF);
  EXPECT_EQ(bytes[13], 0xFF);
}

TEST(FieldRecTest, CharacterClassOfEachType) {
  const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ", lower = "abcdefghijklmnopqrstuvwxyz ";
  struct Case {
    int type;
    std::string want;
  } cases[] = {
      {0, ""},
      {1, "0123456789"},
      {2, "0123456789."},
      {3, "0123456789-"},
      {4, "0123456789.-"},
      {5, upper + lower},
      {6, upper + lower},
      {7, "0123456789" + upper + lower + ".-"},
      {8, ""},
      {9, ""},
      {10, "YyNn"},
      {11, ""},
      {254, ""},
      {255, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FieldCharClass(c.type), c.want) << "type " << c.type;
}

TEST(FieldRecTest, ExitKeysAreFoundAsWholeKeyCodes) {
  const std::string up = ExtendedKey(scan::kUp), f10 = ExtendedKey(scan::kF10);
  struct Case {
    const char* what;
    KeyCode key;
    std::string list;
    int want;
  } cases[] = {
      {"Enter first", "\r", "\r\x1b" + f10, 1},
      {"Esc second", "\x1b", "\r\x1b" + f10, 2},
      {"F10 as its two bytes", f10, "\r\x1b" + f10, 3},
      {"F1 not listed", ExtendedKey(scan::kF1), "\r\x1b" + f10, 0},
      {"letter H is the scan half of Up", "H", "\r" + up, 0},
      {"Up itself", up, "\r" + up, 2},
      {"H listed after Up", "H", up + "H", 3},
      {"H listed before Up", "H", "H" + up, 1},
      {"D is the scan half of F10", "D", "\r\x1b" + f10, 0},
      {"empty list", "\r", "", 0},
      {"no key", "", "\r", 0},
      {"a lone NUL", std::string(1, '\0'), up, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsExitKey(c.key, c.list), c.want) << c.what;
}

}  // namespace
}  // namespace tarvana
