// The examples on the headless console: the menu with its pick list and
// dialog, the form, and the file browser with its viewer.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "file_browser_example.h"
#include "form_example.h"
#include "menu_example.h"
#include "tarvana.h"
#include "testing/headless_test_support.h"
#include "testing/scratch_dir.h"

namespace {

using tarvana::HeadlessInputExhausted;
using tarvana::test_support::RowText;
namespace fs = std::filesystem;

bool ScreenShows(const std::string& text) {
  for (int row = 1; row <= 25; ++row)
    if (RowText(row).find(text) != std::string::npos) return true;
  return false;
}

class Examples : public tarvana::test_support::HeadlessTest {};

TEST_F(Examples, MenuPicksAColourAndShowsTheDialog) {
  struct Case {
    const char* keys;
    const char* picked;
    const char* status;  // the bottom row, centred
  } cases[] = {
      {"Enter Y Enter Q", "Yellow", "You picked Yellow"},
      {"P L i g h t Space R Enter Enter Esc Esc", "Light Red", "You picked Light Red"},
      {"Enter Esc Down Down Enter", "", "No colour picked yet"},
      {"Esc", "", "No colour picked yet"},
  };
  for (const auto& c : cases) {
    auto& fresh = tarvana::UseHeadlessConsole(80, 25);
    fresh.QueueKeys(c.keys);
    EXPECT_EQ(examples::RunMenuExample(), c.picked) << c.keys;
    EXPECT_EQ(fresh.Queued(), 0u) << c.keys;
    const std::string status = c.status;
    EXPECT_EQ(RowText(25), std::string((80 - status.size()) / 2, ' ') + status) << c.keys;
  }

  console = &tarvana::UseHeadlessConsole(80, 25);
  console->QueueKeys("Enter");
  console->OnExhausted([] {
    EXPECT_TRUE(ScreenShows("Colours"));
    EXPECT_TRUE(ScreenShows("Light Grey"));
  });
  EXPECT_THROW(examples::RunMenuExample(), HeadlessInputExhausted);
  console->OnExhausted(nullptr);

  console = &tarvana::UseHeadlessConsole(80, 25);
  console->QueueKeys("A");
  EXPECT_THROW(examples::RunMenuExample(), HeadlessInputExhausted);
  EXPECT_TRUE(ScreenShows(" About "));
  EXPECT_TRUE(ScreenShows("Press any key to go back to the menu."));
}

TEST_F(Examples, FormSavesOnF10AndCancelsOnEsc) {
  const examples::Contact start{"Ada Lovelace", "ada@example.org", "(555) 014-2300", "Y"};
  struct Case {
    const char* keys;
    const char* text;  // typed after the keys
    const char* end;
    bool saved;
    examples::Contact want;
  } cases[] = {
      {"", "Grace Hopper", "F10", true, {"Grace Hopper", "ada@example.org", "(555) 014-2300", "Y"}},
      {"Tab Tab",
       "5550199999",
       "F10",
       true,
       {"Ada Lovelace", "ada@example.org", "(555) 019-9999", "Y"}},
      {"Up", "n", "F10", true, {"Ada Lovelace", "ada@example.org", "(555) 014-2300", "N"}},
      // The address without an @ is refused and typed again.
      {"Tab", "nobody", "F10 a @ b F10", true, {"Ada Lovelace", "a@b", "(555) 014-2300", "Y"}},
      {"", "Grace Hopper", "Esc", false, start},
  };
  for (const auto& c : cases) {
    auto& fresh = tarvana::UseHeadlessConsole(80, 25);
    fresh.QueueKeys(c.keys);
    fresh.QueueText(c.text);
    fresh.QueueKeys(c.end);
    examples::Contact contact = start;
    EXPECT_EQ(examples::RunFormExample(contact), c.saved) << c.keys << " " << c.text;
    EXPECT_EQ(contact.name, c.want.name) << c.keys << " " << c.text;
    EXPECT_EQ(contact.email, c.want.email) << c.keys << " " << c.text;
    EXPECT_EQ(contact.phone, c.want.phone) << c.keys << " " << c.text;
    EXPECT_EQ(contact.member, c.want.member) << c.keys << " " << c.text;
  }
}

class FileBrowser : public Examples {
 protected:
  void SetUp() override {
    Examples::SetUp();
    ASSERT_FALSE(scratch.Path().empty());
    dir = scratch.Path();
    std::ofstream(dir / "a.txt") << "first line\nsecond line\n";
    std::ofstream(dir / "empty.txt");
    fs::create_directory(dir / "sub");
    std::ofstream(dir / "sub" / "b.txt") << "in the folder\n";
  }
  tarvana::test_support::ScratchDir scratch{"tarvana-browser-"};
  fs::path dir;
};

TEST_F(FileBrowser, OpensFoldersAndShowsFiles) {
  struct Case {
    const char* keys;
    std::string shown;
  } cases[] = {
      {"a Enter Esc Esc", (dir / "a.txt").string()},
      {"s Enter b Enter Esc Esc", (dir / "sub" / "b.txt").string()},
      {"s Enter Home Down Enter a Enter Esc Esc", (dir / "a.txt").string()},
      {"Esc", ""},
  };
  for (const auto& c : cases) {
    auto& fresh = tarvana::UseHeadlessConsole(80, 25);
    fresh.QueueKeys(c.keys);
    EXPECT_EQ(examples::RunFileBrowserExample(dir.string()), c.shown) << c.keys;
    EXPECT_EQ(fresh.Queued(), 0u) << c.keys;
  }

  console = &tarvana::UseHeadlessConsole(80, 25);
  console->QueueKeys("a Enter");
  EXPECT_THROW(examples::RunFileBrowserExample(dir.string()), HeadlessInputExhausted);
  EXPECT_TRUE(ScreenShows("first line"));
  EXPECT_TRUE(ScreenShows("second line"));
}

TEST_F(FileBrowser, ListsTheFolderAndExplainsAnEmptyFile) {
  console->QueueKeys("e");
  EXPECT_THROW(examples::RunFileBrowserExample(dir.string()), HeadlessInputExhausted);
  for (const char* name : {"a.txt", "empty.txt", "sub", ".."})
    EXPECT_TRUE(ScreenShows(name)) << name;

  console = &tarvana::UseHeadlessConsole(80, 25);
  console->QueueKeys("e Enter");
  EXPECT_THROW(examples::RunFileBrowserExample(dir.string()), HeadlessInputExhausted);
  EXPECT_TRUE(ScreenShows("The file is empty or cannot be read."));
}

}  // namespace
