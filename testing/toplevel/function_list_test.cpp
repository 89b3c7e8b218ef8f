// TVTools.LST lists every public routine: each routine declared in a public
// header (the umbrella header and every header it reaches through its
// includes, as installed) has a line, and every line names a routine that
// exists.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// tarvana.h and the headers its "folder/name.h" includes reach, recursively.
std::set<std::string> PublicHeaders() {
  std::set<std::string> headers;
  std::vector<std::string> pending = {"tarvana.h"};
  const std::regex include(R"re(^#include "([^"]+)")re");
  std::smatch m;
  while (!pending.empty()) {
    const std::string header = pending.back();
    pending.pop_back();
    if (!headers.insert(header).second) continue;
    std::istringstream in(ReadFile(std::string(TARVANA_SOURCE_DIR) + "/" + header));
    for (std::string line; std::getline(in, line);)
      if (std::regex_search(line, m, include)) pending.push_back(m[1]);
  }
  return headers;
}

// Names of the functions a header declares at namespace level.
std::set<std::string> DeclaredRoutines(const std::string& header) {
  std::set<std::string> names;
  std::istringstream in(ReadFile(std::string(TARVANA_SOURCE_DIR) + "/" + header));
  const std::regex decl(R"(^[A-Za-z_][\w:<>,\s\*&]*?\b([A-Z]\w*)\s*\()");
  const std::regex skip(R"(^(struct|class|using|namespace|template|static_assert|enum|#|//))");
  std::smatch m;
  for (std::string line; std::getline(in, line);) {
    if (std::regex_search(line, skip)) continue;
    if (std::regex_search(line, m, decl)) names.insert(m[1]);
  }
  return names;
}

std::set<std::string> ListedRoutines() {
  std::set<std::string> names;
  std::istringstream in(ReadFile(std::string(TARVANA_SOURCE_DIR) + "/TVTools.LST"));
  const std::regex entry(R"(^([A-Z]\w*)\()");
  std::smatch m;
  for (std::string line; std::getline(in, line);)
    if (std::regex_search(line, m, entry)) names.insert(m[1]);
  return names;
}

TEST(FunctionList, ListsEveryPublicRoutineAndNothingElse) {
  const auto headers = PublicHeaders();
  ASSERT_FALSE(headers.empty()) << "tarvana.h includes no headers";
  std::set<std::string> declared;
  for (const auto& h : headers) {
    const auto names = DeclaredRoutines(h);
    declared.insert(names.begin(), names.end());
  }
  const auto listed = ListedRoutines();
  for (const auto& name : declared)
    EXPECT_TRUE(listed.count(name)) << name << " is public but missing from TVTools.LST";
  for (const auto& name : listed)
    EXPECT_TRUE(declared.count(name)) << name << " is in TVTools.LST but in no public header";
}

}  // namespace
