#include "picklist/dir_enumeration.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace tarvana::internal {
namespace {

DIR* Dir(void* handle) {
  return static_cast<DIR*>(handle);
}

}  // namespace

DirectoryReader::~DirectoryReader() {
  if (handle_) closedir(Dir(handle_));
}

bool DirectoryReader::Open(const std::string& directory) {
  if (handle_) closedir(Dir(handle_));
  handle_ = opendir(directory.c_str());
  name_ = nullptr;
  return handle_ != nullptr;
}

bool DirectoryReader::Next(std::string_view& name) {
  const dirent* entry = handle_ ? readdir(Dir(handle_)) : nullptr;
  name_ = entry ? entry->d_name : nullptr;
  if (name_) name = name_;
  return name_ != nullptr;
}

EntryFacts DirectoryReader::Facts() {
  EntryFacts facts;
  if (!name_) return facts;
  // Relative to the open directory, so that no path is looked up again.
  const int fd = dirfd(Dir(handle_));
  struct stat st;
  if (fstatat(fd, name_, &st, 0) == 0 || fstatat(fd, name_, &st, AT_SYMLINK_NOFOLLOW) == 0) {
    facts.size = static_cast<std::uint64_t>(st.st_size);
    facts.modified = st.st_mtime;
    facts.known = true;
  }
  return facts;
}

}  // namespace tarvana::internal
