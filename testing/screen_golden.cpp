#include "testing/screen_golden.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "console/console.h"
#include "console/unicode_text.h"

namespace tarvana::test_support {
namespace {

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

std::string ScreenPicture() {
  const int rows = ScreenHeight(), cols = ScreenWidth();
  std::string out = "screen " + std::to_string(cols) + "x" + std::to_string(rows) + "\n";
  for (int r = 1; r <= rows; ++r) {
    out += '|';
    for (int c = 1; c <= cols; ++c)
      out += ReadCellText(r, c);  // a wide cluster once, over its two cells
    out += "|\n";
  }
  std::map<int, char> letters;
  std::string map;
  for (int r = 1; r <= rows; ++r) {
    map += '|';
    for (int c = 1; c <= cols; ++c) {
      const int attr = ReadCellColor(r, c);
      auto it = letters.find(attr);
      if (it == letters.end()) {
        const size_t n = letters.size();
        it = letters.emplace(attr, n < sizeof kLetters - 1 ? kLetters[n] : '?').first;
      }
      map += it->second;
    }
    map += "|\n";
  }
  out += "colours";
  for (const auto& [attr, letter] : letters) {
    char entry[16];
    std::snprintf(entry, sizeof entry, " %c=%02X", letter, attr);
    out += entry;
  }
  out += "\n" + map;
  return out;
}

::testing::AssertionResult ScreenMatchesGolden(const std::string& path) {
  const std::string full = std::string(TARVANA_SOURCE_DIR) + "/" + path;
  const std::string observed = ScreenPicture();
  const char* update = std::getenv("TARVANA_UPDATE_GOLDEN");
  if (update && *update == '1') {
    std::ofstream(full, std::ios::binary) << observed;
    return ::testing::AssertionSuccess();
  }
  const std::string expected = ReadFile(full);
  if (expected == observed) return ::testing::AssertionSuccess();
  const std::string observedPath = full + ".observed.txt";
  std::ofstream(observedPath, std::ios::binary) << observed;
  return ::testing::AssertionFailure()
         << "screen differs from " << path << "; observed screen written to " << observedPath;
}

}  // namespace tarvana::test_support
