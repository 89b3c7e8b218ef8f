// Program path, drive sizes and temporary files.

#include "tools/internal_tools.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace tarvana {
namespace {

TEST(InternalTools, ProgramNameEndsWithTheExecutable) {
  const std::string name = ProgramName();
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(name.front(), '/');
  EXPECT_EQ(name.substr(name.size() - 11), "tools_tests");
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
  char dir[] = "/tmp/tarvana-temp-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string a = TempFileName(dir), b = TempFileName(dir);
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(b.empty());
  EXPECT_NE(a, b);
  for (const std::string& name : {a, b}) {
    struct stat st;
    ASSERT_EQ(stat(name.c_str(), &st), 0) << name;
    EXPECT_EQ(st.st_size, 0);
    EXPECT_EQ(name.substr(0, sizeof dir + 3), std::string(dir) + "/tmp");
    std::remove(name.c_str());
  }
  rmdir(dir);
  EXPECT_EQ(TempFileName("/nonexistent/directory"), "");
}

}  // namespace
}  // namespace tarvana
