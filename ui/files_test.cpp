// Files on the headless console: a folder that changes while its list is
// open, and a file whose size reads 0 in the viewer.

#include "ui/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

#include "console/console.h"
#include "console/headless.h"
#include "picklist/dir_staged_input.h"
#include "testing/headless_test_support.h"
#include "testing/scratch_dir.h"

namespace tarvana::ui {
namespace {

namespace fs = std::filesystem;

// What PickFile gives back when files and folders go while it lists them: the
// list shows the folder as it is now, and a folder that is gone ends it with
// nothing chosen; never a path that no longer exists.
TEST(PickFileRemoval, ChoicesRemovedWhileListedAreNotReturned) {
  const tarvana::test_support::ScratchDir scratch("tarvana-pick-");
  ASSERT_FALSE(scratch.Path().empty());
  const fs::path top = scratch.Path() / "top";
  struct Case {
    const char* what;
    fs::path start, removed;
    std::string keys;   // in top: ".", "..", "f.txt", "sub"; in sub: ".", "..", "inner.txt"
    std::string again;  // keys for the list opened again
    std::optional<fs::path> result;
  };
  const Case cases[] = {
      {"a file", top, top / "f.txt", "Down Down Enter", "Down Down Enter Down Down Enter",
       top / "sub" / "inner.txt"},
      {"a folder", top, top / "sub", "End Enter", "Esc", std::nullopt},
      {"the parent of the folder listed, then ..", top / "sub", top, "Down Enter", "",
       std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::create_directories(top / "sub");
    std::ofstream(top / "f.txt") << "f";
    std::ofstream(top / "sub" / "inner.txt") << "inner";
    auto& console = tarvana::test_support::UseStagedInputConsole();
    console.AddStage([&] { fs::remove_all(c.removed); }, c.keys);
    if (!c.again.empty()) console.AddStage(nullptr, c.again);
    EXPECT_EQ(PickFile(c.start), c.result);
    EXPECT_EQ(console.StagesLeft(), 0u) << "every stage's keys were read";
    EXPECT_EQ(console.Queued(), 0u);
  }
}

// Linux's /proc files read as 0 bytes long, yet the viewer shows them.
TEST(ViewTextFileSizes, AFileWhoseSizeReadsZeroIsShown) {
  const fs::path path = "/proc/version";
  std::error_code error;
  std::string first;
  if (fs::file_size(path, error) != 0 || error || !std::getline(std::ifstream(path), first))
    GTEST_SKIP() << "no /proc/version that reads as 0 bytes long";
  UseHeadlessConsole(80, 25);
  EXPECT_THROW(ViewTextFile(path), HeadlessInputExhausted) << "shown, waiting for a key";
  first = first.substr(0, 40);  // the text starts on column 3
  EXPECT_EQ(tarvana::test_support::ScreenText(2, 3, static_cast<int>(first.size())), first);
}

}  // namespace
}  // namespace tarvana::ui
