// The modern layer with text of any script: menus, dialogs, lists and forms
// size, cut and match by cells and case folding, and show texts as given.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/headless.h"
#include "console/unicode_text.h"
#include "testing/headless_test_support.h"
#include "testing/scratch_dir.h"
#include "testing/screen_golden.h"
#include "ui/dialogs.h"
#include "ui/files.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/menus.h"

namespace tarvana::ui {
namespace {

using test_support::HeadlessTest;
using test_support::ScreenMatchesGolden;

class UnicodeUiTest : public HeadlessTest {};

const std::vector<MenuEntry> kScripts = {
    {"rocket 🚀", 'r', "Launch"}, {"Привет мир", "п"}, {"漢字テスト", "字"}, {"Größe", "ö"}};

TEST_F(UnicodeUiTest, MenusShowTextsAsGivenAndTheirHotKeysByColour) {
  EXPECT_THROW(ShowMenu(kScripts, {.title = "Меню"}), HeadlessInputExhausted);
  EXPECT_TRUE(ScreenMatchesGolden("ui/testdata/menu_scripts.txt"));
  console = &UseHeadlessConsole(80, 25);
  EXPECT_THROW(ShowMenuBar(kScripts), HeadlessInputExhausted);
  EXPECT_TRUE(ScreenMatchesGolden("ui/testdata/menu_bar_scripts.txt"));
}

TEST_F(UnicodeUiTest, HotKeysOfAnyScriptChooseInEitherCase) {
  const struct {
    const char* typed;
    std::size_t chosen;
  } cases[] = {{"R", 0}, {"П", 1}, {"п", 1}, {"字", 2}, {"Ö", 3}, {"ö", 3}};
  for (const auto& c : cases) {
    console->QueueUtf8(c.typed);
    EXPECT_EQ(ShowMenu(kScripts), c.chosen) << c.typed;
    console->QueueUtf8(c.typed);
    EXPECT_EQ(ShowMenuBar(kScripts), c.chosen) << c.typed;
  }
  // A letter no entry has beeps nothing and chooses nothing.
  console->QueueUtf8("ж");
  console->QueueKeys("Esc");
  EXPECT_EQ(ShowMenu(kScripts), std::nullopt);
}

TEST_F(UnicodeUiTest, DialogsCentreLinesByCellsAndTakeAnswersInAnyScript) {
  const std::string answers[] = {"Да", "Нет", "漢字"};
  EXPECT_THROW(Ask("Удалить файл?\n漢字テスト 🚀", answers, {.title = "Вопрос"}),
               HeadlessInputExhausted);
  EXPECT_TRUE(ScreenMatchesGolden("ui/testdata/ask_scripts.txt"));
  const struct {
    const char* typed;
    std::optional<std::size_t> answer;
  } cases[] = {{"д", 0}, {"Н", 1}, {"漢", 2}, {"", std::nullopt}};
  for (const auto& c : cases) {
    console = &UseHeadlessConsole(80, 25);
    console->QueueUtf8("x");  // no answer's letter: passed over
    if (*c.typed == 0) console->QueueKeys("Esc");
    console->QueueUtf8(c.typed);
    EXPECT_EQ(Ask("?", answers), c.answer) << c.typed;
  }
  const std::string sameLetter[] = {"Да", "да"};
  EXPECT_THROW(Ask("?", sameLetter), std::invalid_argument);
}

const std::vector<std::string> kNames = {"Привет", "漢字テスト", "rocket 🚀", "Größe", "żółw"};

TEST_F(UnicodeUiTest, ListsSortByFoldingAndSearchByClustersOfAnyScript) {
  console->QueueKeys("Down");
  console->QueueUtf8("Żó");  // shown on the bottom frame as typed
  console->OnExhausted(
      [] { EXPECT_TRUE(ScreenMatchesGolden("ui/testdata/pick_one_scripts.txt")); });
  EXPECT_THROW(PickOne(kNames, {.title = "Имена", .order = SortOrder::kAscending}),
               HeadlessInputExhausted);
  console->OnExhausted(nullptr);
  const struct {
    const char* typed;
    std::size_t chosen;
  } cases[] = {{"пр", 0}, {"ПРИ", 0}, {"漢字", 1}, {"ROCKET", 2}, {"grö", 3}, {"Ż", 4}};
  for (const auto& c : cases) {
    console = &UseHeadlessConsole(80, 25);
    console->QueueUtf8(c.typed);
    console->QueueKeys("Enter");
    EXPECT_EQ(PickOne(kNames, {.order = SortOrder::kDescending}), c.chosen) << c.typed;
  }
  // Marks of any script's items, found by typing and toggled by Space.
  console = &UseHeadlessConsole(80, 25);
  console->QueueUtf8("漢");
  console->QueueKeys("Space");
  console->QueueUtf8("ż");
  console->QueueKeys("Space Enter");
  EXPECT_EQ(PickMany(kNames), (std::vector<std::size_t>{1, 4}));
}

TEST_F(UnicodeUiTest, FileNamesOfAnyScriptAreListedAndFoundByTyping) {
  const test_support::ScratchDir scratch("tarvana-names-");
  ASSERT_FALSE(scratch.Path().empty());
  for (const char8_t* name : {u8"Привет.txt", u8"漢字テスト.txt", u8"b.txt"})
    std::ofstream(scratch.Path() / std::filesystem::path(name)) << "x";
  EXPECT_THROW(PickFile(scratch.Path(), {.title = "Файлы"}), HeadlessInputExhausted);
  EXPECT_TRUE(ScreenMatchesGolden("ui/testdata/pick_file_scripts.txt"));
  console = &UseHeadlessConsole(80, 25);
  console->QueueUtf8("пр");
  console->QueueKeys("Enter");
  const std::optional<std::filesystem::path> chosen = PickFile(scratch.Path());
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(test_support::ScratchDir::Utf8(chosen->filename()), "Привет.txt");
}

TEST_F(UnicodeUiTest, FormFieldsKeepAnyScriptAsTypedAndEditByClusters) {
  const struct {
    const char* value;
    const char* keys;   // first
    const char* typed;  // then
    const char* after;  // then
    const char* result;
  } cases[] = {
      {"Привет", "End", " ok", "", "Привет ok"},          // the value edited is kept
      {"Привет", "", "漢字🚀", "", "漢字🚀"},               // typed first: replaces
      {"", "", "cafe\u0301!", "Left Backspace", "caf!"},  // e and its accent: a cluster
      {"a👍🏽b", "Home Right Del", "", "", "ab"},     // a skin-toned emoji too
      {"Größe", "Ctrl+Y", "", "", ""},                    // cleared
      {"漢字テスト漢字テスト", "End", "x", "", "漢字テスト漢字テストx"},  // wider than the field
  };
  for (const auto& c : cases) {
    console = &UseHeadlessConsole(80, 25);
    if (*c.keys) console->QueueKeys(c.keys);
    console->QueueUtf8(c.typed);
    if (*c.after) console->QueueKeys(c.after);
    console->QueueKeys("Enter");
    const std::vector<FormField> fields = {{"Имя", FieldKind::kText, 8, c.value}};
    const auto values = FillForm(fields);
    ASSERT_TRUE(values.has_value()) << c.value;
    EXPECT_EQ(values->at(0), c.result) << c.value << " + " << c.keys << " " << c.typed;
  }
}

TEST_F(UnicodeUiTest, UpperCaseAndTemplateFieldsTakeLettersOfAnyScript) {
  const struct {
    FieldKind kind;
    const char* pattern;
    const char* value;
    const char* keys;   // first
    const char* typed;  // then
    const char* result;
    int beeps;
  } cases[] = {
      {FieldKind::kUpperCase, "", "", "", "straße жук", "STRAßE ЖУК", 0},  // no simple SS
      {FieldKind::kUpperCase, "", "", "", "σοφίας ﬀ", "ΣΟΦΊΑΣ ﬀ", 0},      // final ς: Σ
      {FieldKind::kUpperCase, "", "", "", "cafe\u0301", "CAFE\u0301", 0},  // the mark kept
      {FieldKind::kUpperCase, "", "", "", "\u0301a1漢🚀", "A漢",
       3},  // a mark alone, a digit, an emoji: no
      {FieldKind::kUpperCase, "", "Привет", "", "", "Привет", 0},  // unchanged: as given
      {FieldKind::kUpperCase, "", "Привет", "End", "ok", "ПриветOK", 0},
      {FieldKind::kTemplate, "AA-###", "", "", "жж123", "ЖЖ-123", 0},
      {FieldKind::kTemplate, "AA-###", "", "", "ж1ё123", "ЖЁ-123", 1},      // no digit in a letter
      {FieldKind::kTemplate, "?? ??", "", "", "漢ab€e\u0301", "ab €e", 2},  // one cell a slot
      {FieldKind::kTemplate, "№ 漢字 A", "", "", "ы", "№ 漢字 Ы", 0},      // literals of any script
      {FieldKind::kTemplate, "AA-##", "ab+12", "", "", "ab+12", 0},        // unchanged: as given
      {FieldKind::kTemplate, "AA-##", "ab+12", "Right", "ж", "aЖ-12", 0},  // edited: the literals
      {FieldKind::kDate, "", "", "", "01311990", "01-31-1990", 0},
  };
  for (const auto& c : cases) {
    console = &UseHeadlessConsole(80, 25);
    if (*c.keys) console->QueueKeys(c.keys);
    console->QueueUtf8(c.typed);
    console->QueueKeys("Enter");
    const std::vector<FormField> fields = {
        {.label = "Код", .kind = c.kind, .width = 8, .value = c.value, .pattern = c.pattern}};
    const auto values = FillForm(fields);
    ASSERT_TRUE(values.has_value()) << c.typed;
    EXPECT_EQ(values->at(0), c.result) << c.pattern << " " << c.value << " + " << c.typed;
    EXPECT_EQ(console->Beeps(), c.beeps) << c.pattern << " " << c.value << " + " << c.typed;
  }
  // Wide literals take two cells each, and the cursor's slot follows them.
  console = &UseHeadlessConsole(80, 25);
  const std::vector<FormField> fields = {
      {"Имя", FieldKind::kUpperCase, 10, "жук"},
      {.label = "Номер", .kind = FieldKind::kTemplate, .pattern = "漢字 AA-###"}};
  console->QueueKeys("Enter");
  console->QueueUtf8("жж1");
  console->OnExhausted([] {
    EXPECT_TRUE(ScreenMatchesGolden("ui/testdata/form_upper_template_scripts.txt"));
    EXPECT_EQ(ReadCellText(12, 28), "漢");
    EXPECT_EQ(CursorCol(), 28 + 9);  // after "漢字 ЖЖ-1"
  });
  EXPECT_THROW(FillForm(fields), HeadlessInputExhausted);
}

TEST_F(UnicodeUiTest, FormLabelsAndMessagesOfAnyScriptAndAFieldScrolledByCells) {
  const std::vector<FormField> fields = {
      {"Имя", FieldKind::kText, 7, "漢字テスト漢字"},
      {.label = "Город", .width = 12, .value = "Zürich", .validator = [](const std::string&) {
         return std::string("Слишком далеко: 遠すぎる");
       }}};
  // The form puts the screen back as the exception passes: looked at before.
  console->QueueKeys("End");  // the first field scrolls to its end
  console->OnExhausted([] { EXPECT_TRUE(ScreenMatchesGolden("ui/testdata/form_scripts.txt")); });
  EXPECT_THROW(FillForm(fields, {.title = "Анкета"}), HeadlessInputExhausted);
  console = &UseHeadlessConsole(80, 25);
  console->QueueKeys("Enter Enter");
  console->OnExhausted(
      [] { EXPECT_TRUE(ScreenMatchesGolden("ui/testdata/form_scripts_message.txt")); });
  EXPECT_THROW(FillForm(fields, {.title = "Анкета"}), HeadlessInputExhausted);
}

}  // namespace
}  // namespace tarvana::ui
