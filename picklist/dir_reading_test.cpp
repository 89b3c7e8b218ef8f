// Reading a real directory on each platform: the names exactly as stored
// (UTF-8, non-ASCII included), 64-bit sizes, last-write times and the pattern.

#include "picklist/dir_reading.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>

#include "runtime/utf8_path.h"
#include "testing/scratch_dir.h"

namespace tarvana {
namespace {

namespace fs = std::filesystem;
using internal::DirListing;
using internal::ReadDirectory;

TEST(DirReading, NamesSizesAndTimesOfARealDirectory) {
  const test_support::ScratchDir dir("tarvana-dir-");
  ASSERT_FALSE(dir.Path().empty());
  // 2026-03-14 09:05:00 UTC.
  const std::chrono::sys_seconds piDay = std::chrono::sys_days{std::chrono::year{2026} / 3 / 14} +
                                         std::chrono::hours{9} + std::chrono::minutes{5};
  const std::string unicode =
      "\xC3\x9C"
      "ber-\xC3\xA9t\xC3\xA9.txt";  // "Über-été.txt"
  const std::map<std::string, std::string> files = {
      {"a.txt", "abc"}, {unicode, "x"}, {"b.dat", ""}};
  for (const auto& [name, content] : files) {
    const fs::path path = dir.Path() / PathFromUtf8(name);
    std::ofstream(path, std::ios::binary) << content;
    fs::last_write_time(path, std::chrono::file_clock::from_sys(piDay));
  }
  fs::create_directory(dir.Path() / "sub");

  DirListing listing;
  ASSERT_TRUE(ReadDirectory(dir.Name() + "/*.txt", listing));
  std::map<std::string, std::int32_t> found;
  for (std::int32_t i = 1; i <= listing.Count(); ++i)
    found[std::string(listing.Name(i))] = i;
  ASSERT_EQ(found.size(), 2u) << "only the .txt files";
  for (const char* name : {"a.txt", unicode.c_str()}) {
    ASSERT_TRUE(found.count(name)) << name;
    const auto entry = listing.Entry(found[name]);
    EXPECT_EQ(entry.size, files.at(name).size()) << name;
    EXPECT_TRUE(entry.timeKnown) << name;
    EXPECT_EQ(entry.modified, piDay.time_since_epoch().count()) << name;
  }

  DirListing all;
  ASSERT_TRUE(ReadDirectory(dir.Name() + "/*.*", all));
  bool sawSub = false;
  for (std::int32_t i = 1; i <= all.Count(); ++i)
    sawSub = sawSub || all.Name(i) == "sub";
  EXPECT_TRUE(sawSub) << "directories are listed";
  EXPECT_FALSE(ReadDirectory(dir.Name() + "/missing/*.*", all));
}

}  // namespace
}  // namespace tarvana
