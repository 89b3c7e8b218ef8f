// Program path, drive sizes and temporary files.

#include "tools/internal_tools.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "runtime/utf8_path.h"
#include "testing/scratch_dir.h"

namespace tarvana {
namespace {

TEST(InternalTools, ProgramNameEndsWithTheExecutable) {
  const std::string name = ProgramName();
  ASSERT_FALSE(name.empty());
  const std::filesystem::path path = PathFromUtf8(name);
  EXPECT_TRUE(path.is_absolute()) << name;
  EXPECT_EQ(path.stem(), "tools_tests") << name;
}

TEST(InternalTools, DiskSpaceOfTheRootDrive) {
  for (const char* root : {"C:\\", "c:\\", "C:/"}) {
    std::uint64_t cluster = 0, total = 0, free = 0;
    DiskSpace(root, cluster, total, free);
    EXPECT_GT(cluster, 0u) << root;
    EXPECT_EQ(total % cluster, 0u) << root;
    EXPECT_LE(free, total) << root;
    EXPECT_GT(total, 0u) << root;
  }
}

TEST(InternalTools, DiskSpaceOfNoDriveIsZero) {
  for (const char* root : {"Q:\\", "B:\\", "C:", "C:\\x", "", "1:\\", "/"}) {
    std::uint64_t cluster = 9, total = 9, free = 9;
    DiskSpace(root, cluster, total, free);
    EXPECT_EQ(cluster, 0u) << '"' << root << '"';
    EXPECT_EQ(total, 0u) << root;
    EXPECT_EQ(free, 0u) << root;
  }
}

TEST(InternalTools, TempFileNamesAreNewAndDistinct) {
  namespace fs = std::filesystem;
  const test_support::ScratchDir dir("tarvana-temp-");
  ASSERT_FALSE(dir.Path().empty());
  const std::string a = TempFileName(dir.Name()), b = TempFileName(dir.Name());
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(b.empty());
  EXPECT_NE(a, b);
  for (const std::string& name : {a, b}) {
    const fs::path path = PathFromUtf8(name);
    ASSERT_TRUE(fs::is_regular_file(path)) << name;
    EXPECT_EQ(fs::file_size(path), 0u) << name;
    EXPECT_TRUE(fs::equivalent(path.parent_path(), dir.Path())) << name;
    EXPECT_EQ(test_support::ScratchDir::Utf8(path.filename()).substr(0, 3), "tmp") << name;
  }
  EXPECT_EQ(TempFileName("/nonexistent/directory"), "");
}

}  // namespace
}  // namespace tarvana
