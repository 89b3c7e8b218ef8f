#pragma once
// Facts about the program's surroundings: its own path, the size of a drive,
// a fresh temporary file.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvana {

// The full path of the running program's executable; empty on failure.
std::string ProgramName();
// Cluster size, total size and space free to the user of a drive, in bytes.
// root is a drive root such as "C:\". On Windows the letters are the drives;
// elsewhere C is the root file system, D onwards the other mounted real file
// systems in mount-table order. Any other letter, or a text that is not a
// drive root, gives 0, 0, 0.
void DiskSpace(std::string_view root, std::uint64_t& clusterBytes, std::uint64_t& totalBytes,
               std::uint64_t& freeBytes);
// The mount point a drive letter stands for ("D:\" itself on Windows), or
// empty when it stands for none.
std::string DriveMountPoint(char letter);
// Creates a new empty file named "tmp" plus a unique part in the directory
// (empty: the current one) and returns its full name; empty on failure.
std::string TempFileName(std::string_view directory);

}  // namespace tarvana
