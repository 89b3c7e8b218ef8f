// DecimalField: the whole and decimal parts, the point that moves between
// them, and the right-aligned whole part.

#include "entry/decimal_field.h"

#include <gtest/gtest.h>

#include "entry/entry_test_support.h"

namespace tarvana {
namespace {

using test_support::EntryTest;
using test_support::ScreenText;
using test_support::TestField;

const std::string kExitKeys = "\r\x1b";
// "Amount: " from column 10: the whole part in 18-22, the point in 23, the
// decimals from 24.
constexpr int kWholeCol = 18;

class DecimalFieldTest : public EntryTest {
 protected:
  KeyCode Edit(int whole, int decimals) {
    return DecimalField(field, "Amount: ", static_cast<std::int16_t>(whole),
                        static_cast<std::int16_t>(decimals), wholeText, decimalText, kExitKeys);
  }
  FieldRec field = TestField(0, 0, 0);
  std::string wholeText, decimalText;
};

TEST_F(DecimalFieldTest, PointMovesOnWithTheWholePartRightAligned) {
  decimalText = "99";
  console->QueueKeys("1 2 .");
  EXPECT_TRUE(WaitsForMore([&] { Edit(5, 2); }));
  EXPECT_EQ(ScreenText(5, 10, 16), "Amount:    12.99");
  EXPECT_EQ(ReadCellColor(5, kWholeCol), 0x74) << "the whole part is done";
  EXPECT_EQ(ReadCellColor(5, kWholeCol + 5), 0x74) << "the point";
  EXPECT_EQ(ReadCellColor(5, kWholeCol + 6), 0x0B) << "the decimals are being edited";
  EXPECT_EQ(watcher->cursorCol, kWholeCol + 6);

  console->QueueKeys("1 2 . 3 4 x");
  EXPECT_EQ(Edit(5, 2), "\r") << "filling the decimals ends the call";
  EXPECT_EQ(InKey(), "x");
  EXPECT_EQ(wholeText, "12");
  EXPECT_EQ(decimalText, "34");
  EXPECT_EQ(field.Changed, -1);
  EXPECT_EQ(ScreenText(5, 10, 16), "Amount:    12.34");
}

TEST_F(DecimalFieldTest, EndingKeys) {
  struct Case {
    const char* what;
    int whole, decimals;
    const char* keys;
    KeyCode wantKey;
    const char* wantWhole;
    const char* wantDecimals;
    int wantChanged, wantBeeps;
  } cases[] = {
      {"Esc in the whole part skips the decimals", 5, 2, "4 Esc", "\x1b", "4", "50", -1, 0},
      {"Enter moves on to the decimals", 5, 2, "4 Enter 7 Esc", "\x1b", "4", "7", -1, 0},
      {"a full whole part moves on", 3, 2, "1 2 3 4 5", "\r", "123", "45", -1, 0},
      {"unchanged", 5, 2, "Enter Enter", "\r", "12", "50", 0, 0},
      {"only decimals", 0, 2, "3 Esc", "\x1b", "12", "3", -1, 0},
      {"only a whole part: the point is refused", 4, 0, ". 7 Enter", "\r", "72", "50", -1, 1},
      {"a minus sign", 5, 2, "- 3 . 2 5", "\r", "-3", "25", -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto& fresh = UseHeadlessConsole();
    wholeText = "12";
    decimalText = "50";
    field = TestField(0, 0, 0);
    fresh.QueueKeys(c.keys);
    EXPECT_EQ(Edit(c.whole, c.decimals), c.wantKey);
    EXPECT_EQ(wholeText, c.wantWhole);
    EXPECT_EQ(decimalText, c.wantDecimals);
    EXPECT_EQ(field.Changed, c.wantChanged);
    EXPECT_EQ(fresh.Beeps(), c.wantBeeps);
  }
}

TEST_F(DecimalFieldTest, OnlyDecimalsFollowThePromptAndPoint) {
  decimalText = "5";
  console->QueueKeys("Esc");
  Edit(0, 3);
  EXPECT_EQ(ScreenText(5, 10, 12), "Amount: .5  ");
  EXPECT_EQ(ReadCellColor(5, 10), 0x71);
  EXPECT_EQ(ReadCellColor(5, kWholeCol), 0x71) << "the point belongs to the prompt";
}

TEST_F(DecimalFieldTest, NoDigitsAtAll) {
  EXPECT_EQ(Edit(0, 0), "\r");
  EXPECT_EQ(field.Changed, 0);
}

}  // namespace
}  // namespace tarvana
