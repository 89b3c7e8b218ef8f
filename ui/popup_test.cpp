// UTF-8 text in the modern layer's cells: Print, a pop-up's Print at its
// frame, and the width a title is given.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/headless.h"
#include "testing/headless_test_support.h"
#include "ui/dialogs.h"
#include "ui/lists.h"
#include "ui/popup.h"
#include "ui/showing.h"
#include "ui/text.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::HeadlessTest;
using tarvana::test_support::RowText;
using tarvana::test_support::ScreenText;

class UiTextTest : public HeadlessTest {};

TEST_F(UiTextTest, EveryCharacterPrintsInOneCellAndEveryMalformedByteInOne) {
  const struct {
    const char* utf8;
    const char* shown;
  } cases[] = {
      {"[\u0080|\u07FF|\u0800|\uFFFF]", "[?|?|?|?]"},  // lowest and highest of two, three bytes
      {"[\U00010000|\U0010FFFF]", "[?|?]"},            // of four bytes
      {"[\xC2\xA0|\xC3\x87]", "[\xFF|\x80]"},          // no-break space, C cedilla
      {"[\xC0\x80|\xE0\x9F\xBF|\xF0\x8F\xBF\xBF]", "[??|???|????]"},  // overlong
      {"[\xED\xA0\x80|\xED\xBF\xBF]", "[???|???]"},                   // surrogates
      {"[\xF4\x90\x80\x80]", "[????]"},                               // above U+10FFFF
  };
  int row = 1;
  for (const auto& c : cases) {
    Print(row, 1, c.utf8, 0x07);
    EXPECT_EQ(RowText(row), c.shown) << "row " << row;
    ++row;
  }
  // A title of four-byte characters is measured as one cell each: the list of
  // "ab" at column 5 is 5 + 6 columns wide, its top-right corner at column 15.
  const std::vector<std::string> items = {"ab"};
  const std::string title = "\U00010000\U00010000\U00010000\U00010000\U00010000";
  console->OnExhausted([] { EXPECT_EQ(ScreenText(10, 5, 11), "\xDA\xC4 ????? \xC4\xBF"); });
  EXPECT_THROW(PickOne(items, {.title = title, .row = 10, .col = 5}), HeadlessInputExhausted);
  console->OnExhausted(nullptr);
}

TEST_F(UiTextTest, PopupPrintStopsInsideTheRightFrame) {
  // Ten interior columns, 31 to 40: the right frame is column 41.
  Popup popup(4, 10, "", schemes::kBlue, 2, 30);
  const struct {
    int col;
    const char* text;
    const char* row;  // columns 30 to 41
  } cases[] = {
      {0, "0123456789",
       "\xB3"
       "0123456789\xB3"},  // as wide as the interior
      {0, "0123456789X",
       "\xB3"
       "0123456789\xB3"},                     // one longer
      {4, "456789XY", "\xB3    456789\xB3"},  // from inside, one longer
      {0,
       "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
       "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC",
       "\xB3"
       "EEEEEEEEEE\xB3"},  // eleven euro signs: cut by cells, not bytes
  };
  int row = 0;
  for (const auto& c : cases) {
    popup.Print(row, c.col, c.text);
    EXPECT_EQ(ScreenText(popup.Top() + row, 30, 12), c.row) << c.text;
    ++row;
  }
}

// A program that draws and then works or sleeps shows what it drew: each
// drawing call reaches the device without any input being read.
TEST_F(UiTextTest, DrawingReachesTheTerminalWithoutReadingInput) {
  std::optional<Popup> popup;
  const struct {
    const char* what;
    std::function<void()> draw;
  } calls[] = {
      {"Print at", [] { Print(3, 4, "hello", 0x1F); }},
      {"Print", [] { Print("hello"); }},  // on the full screen, as Print at leaves it
      {"Popup", [&] { popup.emplace(3, 20, "Working"); }},
      {"Popup::Print", [&] { popup->Print(1, 1, "step 1"); }},
      {"Popup::Clear", [&] { popup->Clear(); }},
      {"~Popup", [&] { popup.reset(); }},
      {"ShowMessage as it returns",
       [&] {
         console->QueueKeys("Enter");
         ShowMessage("Done");
       }},
  };
  for (const auto& c : calls) {
    const int before = console->Presents();
    c.draw();
    EXPECT_GT(console->Presents(), before) << c.what;
  }
  // A batch shows many calls as one frame, at its end.
  const int before = console->Presents();
  {
    const Batch batch;
    for (int row = 1; row <= 10; ++row)
      Print(row, 1, "line", 0x07);
    const Batch inner;
    Print("more");
    EXPECT_EQ(console->Presents(), before);
  }
  EXPECT_EQ(console->Presents(), before + 1);
}

}  // namespace
}  // namespace tarvana::ui
