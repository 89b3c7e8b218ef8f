#pragma once
// One directory's entries as the system delivers them, and each entry's size
// and last-write time: the system-specific part of the directory pick lists,
// one implementation per platform (dir_enumeration_posix.cpp,
// dir_enumeration_windows.cpp). The matching, sorting and formatting above it
// are the same everywhere.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvana::internal {

// What the system tells of an entry besides its name.
struct EntryFacts {
  std::uint64_t size = 0;
  std::int64_t modified = 0;   // last write, seconds since 1970-01-01 00:00 UTC
  bool known = false;          // false: neither could be read
  std::string_view shortName;  // the alternate short name; empty where there is none
};

class DirectoryReader {
 public:
  DirectoryReader() = default;
  ~DirectoryReader();
  DirectoryReader(const DirectoryReader&) = delete;
  DirectoryReader& operator=(const DirectoryReader&) = delete;

  // Starts reading the directory (which names no NUL); false when it cannot
  // be read.
  bool Open(const std::string& directory);
  // The next entry's name, "." and ".." included; false at the end. The name
  // stays valid until the next call.
  bool Next(std::string_view& name);
  // The facts of the entry Next gave last, read as cheaply as the system
  // allows; a link's target's, or the link's own when it leads nowhere.
  EntryFacts Facts();

 private:
  void* handle_ = nullptr;
  const char* name_ = nullptr;
};

}  // namespace tarvana::internal
