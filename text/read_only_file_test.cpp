// The viewer's file reading on each platform: a non-ASCII name, reads at
// offsets and at the end, and what it refuses.

#include "text/read_only_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "runtime/utf8_path.h"
#include "testing/scratch_dir.h"

namespace tarvana {
namespace {

TEST(ReadOnlyFile, ReadsAtOffsetsAndRefusesWhatIsNoFile) {
  const test_support::ScratchDir dir("tarvana-read-");
  ASSERT_FALSE(dir.Path().empty());
  const std::string name = dir.Name() +
                           "/\xC3\xBC"
                           "ber.txt";  // "über.txt"
  std::ofstream(PathFromUtf8(name), std::ios::binary) << "0123456789";

  ReadOnlyFile file;
  ASSERT_TRUE(file.Open(name));
  EXPECT_EQ(file.Size(), 10);
  char buf[8] = {};
  EXPECT_EQ(file.ReadAt(3, buf, 4), 4u);
  EXPECT_EQ(std::string(buf, 4), "3456");
  EXPECT_EQ(file.ReadAt(8, buf, 8), 2u) << "up to the end";
  EXPECT_EQ(std::string(buf, 2), "89");
  EXPECT_EQ(file.ReadAt(10, buf, 8), 0u) << "at the end";
  EXPECT_EQ(file.ReadAt(0, buf, 1), 1u) << "back to the start";
  EXPECT_EQ(buf[0], '0');

  for (const std::string& bad : {dir.Name(), dir.Name() + "/missing.txt", std::string()}) {
    EXPECT_FALSE(file.Open(bad)) << '"' << bad << '"';
    EXPECT_FALSE(file.IsOpen()) << bad;
  }
}

}  // namespace
}  // namespace tarvana
