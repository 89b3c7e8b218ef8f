#include "picklist/dir_reading.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <string>

namespace tarvana::picklist_detail {
namespace {

char Fold(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

// * and ? matching with one point of return for the last *.
bool Glob(std::string_view pattern, std::string_view name) {
  size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*')
    ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesDosPattern(std::string_view pattern, std::string_view name) {
  if (Glob(pattern, name)) return true;
  return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
         Glob(pattern.substr(0, pattern.size() - 2), name);
}

bool ReadDirectory(std::string_view fileSpec, std::vector<DirEntry>& entries) {
  const size_t slash = fileSpec.rfind('/');
  std::string directory = ".";
  std::string_view pattern = fileSpec;
  if (slash != std::string_view::npos) {
    directory = slash == 0 ? "/" : std::string(fileSpec.substr(0, slash));
    pattern = fileSpec.substr(slash + 1);
  }
  DIR* dir = opendir(directory.c_str());
  if (!dir) return false;
  const int fd = dirfd(dir);
  const size_t before = entries.size();
  while (const dirent* d = readdir(dir)) {
    const std::string_view name = d->d_name;
    if (!MatchesDosPattern(pattern, name)) continue;
    DirEntry entry;
    entry.name = std::string(name);
    struct stat st;
    if (fstatat(fd, d->d_name, &st, 0) == 0 ||
        fstatat(fd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
      entry.size = static_cast<std::uint64_t>(st.st_size);
      entry.modified = st.st_mtim.tv_sec;
    } else {
      entry.timeKnown = false;
    }
    entries.push_back(std::move(entry));
  }
  closedir(dir);
  return entries.size() > before;
}

}  // namespace tarvana::picklist_detail
