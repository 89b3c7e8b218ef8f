#pragma once
// The directory enumeration behind the directory pick lists, with DOS file
// specifiers: the entries that match, kept compactly, since a directory may
// hold hundreds of thousands of them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "picklist/dir_pick_list.h"

namespace tarvana::internal {

// True when name matches a DOS wildcard pattern: * any run of characters
// (none included), ? exactly one, a-z and A-Z alike. A pattern ending in ".*"
// also matches the names its part before ".*" matches, so "*.*" matches every
// name with or without a dot, and "READ*.*" matches "README".
bool MatchesDosPattern(std::string_view pattern, std::string_view name);

// Directory entries, numbered from 1 in the order they were added: the names
// side by side in one buffer and, per entry, only its size, time and where
// its names lie.
class DirListing {
 public:
  // Adds an entry; false, adding nothing, when the listing cannot hold more.
  bool Add(std::string_view name, std::string_view shortName, std::uint64_t size,
           std::int64_t modified, bool timeKnown);
  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
  // Entry i's name (1 <= i <= Count()).
  std::string_view Name(std::int32_t i) const {
    const Packed& e = entries_[i - 1];
    return std::string_view(names_.data() + e.nameAt, e.nameLength);
  }
  // Entry i's alternate short name; empty where there is none.
  std::string_view ShortName(std::int32_t i) const {
    const Packed& e = entries_[i - 1];
    return std::string_view(names_.data() + e.nameAt + e.nameLength, e.shortLength);
  }
  std::uint64_t Size(std::int32_t i) const { return entries_[i - 1].size; }
  // Entry i as a DirEntry.
  DirEntry Entry(std::int32_t i) const;

 private:
  struct Packed {
    std::uint64_t size;
    std::int64_t modified;
    std::uint32_t nameAt;      // the name in names_, the short name right after it
    std::uint16_t nameLength;  // a name is at most a few hundred bytes
    std::uint8_t shortLength;
    bool timeKnown;
  };
  std::string names_;
  std::vector<Packed> entries_;
};

// Adds every entry that matches fileSpec, in the order the directory
// delivers them: the specifier's directory part (up to its last '/', or '\\'
// on Windows; the current directory when there is none) is read and its last part is the
// pattern. Directories, "." and ".." included; sizes and last-write times are
// the system's (of the link itself for a dangling symbolic link). False when
// the directory cannot be read or nothing matches. Entries past the most a
// list can number are left out.
bool ReadDirectory(std::string_view fileSpec, DirListing& listing);
// True when the directory ReadDirectory would read for fileSpec can still be
// read and holds an entry of exactly that name.
bool StillListed(std::string_view fileSpec, std::string_view name);

}  // namespace tarvana::internal
