#pragma once
// The directory enumeration behind the directory pick lists: the system's own
// (opendir/readdir, stat), with DOS file specifiers.

#include <string_view>
#include <vector>

#include "picklist/dir_pick_list.h"

namespace tarvana::picklist_detail {

// True when name matches a DOS wildcard pattern: * any run of characters
// (none included), ? exactly one, a-z and A-Z alike. A pattern ending in ".*"
// also matches the names its part before ".*" matches, so "*.*" matches every
// name with or without a dot, and "READ*.*" matches "README".
bool MatchesDosPattern(std::string_view pattern, std::string_view name);

// Appends every entry that matches fileSpec, in the order the directory
// delivers them: the specifier's directory part (up to its last '/', the
// current directory when there is none) is read and its last part is the
// pattern. Directories, "." and ".." included; sizes and last-write times come
// from stat (of the link itself for a dangling symbolic link). False when the
// directory cannot be read or nothing matches.
bool ReadDirectory(std::string_view fileSpec, std::vector<DirEntry>& entries);

}  // namespace tarvana::picklist_detail
