#include "picklist/dir_reading.h"

#include <filesystem>
#include <limits>
#include <string>

#include "picklist/dir_enumeration.h"

namespace tarvana::internal {
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

// Starts reading the directory part of fileSpec (up to its last separator;
// the current directory when there is none); pattern receives the rest. False
// when the directory cannot be read.
bool OpenDirectoryPart(std::string_view fileSpec, DirectoryReader& reader,
                       std::string_view& pattern) {
  // '/', and the system's own separator ('\\' on Windows).
  const char separators[] = {'/', static_cast<char>(std::filesystem::path::preferred_separator), 0};
  const size_t slash = fileSpec.find_last_of(separators);
  std::string directory = ".";
  pattern = fileSpec;
  if (slash != std::string_view::npos) {
    // The separator stays, so that a root ("/", "C:\\") stays the root.
    directory = std::string(fileSpec.substr(0, slash + 1));
    pattern = fileSpec.substr(slash + 1);
  }
  // A NUL would cut the name short and name another directory.
  return directory.find('\0') == std::string::npos && reader.Open(directory);
}

}  // namespace

bool MatchesDosPattern(std::string_view pattern, std::string_view name) {
  if (Glob(pattern, name)) return true;
  return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
         Glob(pattern.substr(0, pattern.size() - 2), name);
}

bool DirListing::Add(std::string_view name, std::string_view shortName, std::uint64_t size,
                     std::int64_t modified, bool timeKnown) {
  if (name.size() > std::numeric_limits<std::uint16_t>::max() ||
      shortName.size() > std::numeric_limits<std::uint8_t>::max() ||
      names_.size() + name.size() + shortName.size() > std::numeric_limits<std::uint32_t>::max() ||
      entries_.size() >= static_cast<size_t>(std::numeric_limits<std::int32_t>::max()))
    return false;
  entries_.push_back(Packed{size, modified, static_cast<std::uint32_t>(names_.size()),
                            static_cast<std::uint16_t>(name.size()),
                            static_cast<std::uint8_t>(shortName.size()), timeKnown});
  names_.append(name).append(shortName);
  return true;
}

DirEntry DirListing::Entry(std::int32_t i) const {
  const Packed& e = entries_[i - 1];
  DirEntry entry;
  entry.name = Name(i);
  entry.shortName = ShortName(i);
  entry.size = e.size;
  entry.modified = e.modified;
  entry.timeKnown = e.timeKnown;
  return entry;
}

bool ReadDirectory(std::string_view fileSpec, DirListing& listing) {
  DirectoryReader reader;
  std::string_view pattern;
  if (!OpenDirectoryPart(fileSpec, reader, pattern)) return false;
  const std::int32_t before = listing.Count();
  std::string_view name;
  while (reader.Next(name)) {
    if (!MatchesDosPattern(pattern, name)) continue;
    const EntryFacts facts = reader.Facts();
    if (!listing.Add(name, facts.shortName, facts.size, facts.modified, facts.known)) break;
  }
  return listing.Count() > before;
}

bool StillListed(std::string_view fileSpec, std::string_view name) {
  DirectoryReader reader;
  std::string_view pattern, next;
  if (!OpenDirectoryPart(fileSpec, reader, pattern)) return false;
  while (reader.Next(next))
    if (next == name) return true;
  return false;
}

}  // namespace tarvana::internal
