#include "tools/internal_tools.h"

#include <limits.h>
#include <mntent.h>
#include <stdlib.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <vector>

#include "runtime/cp437_case.h"

namespace tarvana {
namespace {

// File system types the kernel lists as having no backing device: proc,
// sysfs, tmpfs and the like, which are not drives.
std::set<std::string> PseudoFileSystems() {
  std::set<std::string> types;
  std::ifstream in("/proc/filesystems");
  for (std::string line; std::getline(in, line);)
    if (line.rfind("nodev", 0) == 0) types.insert(line.substr(line.find_last_of(" \t") + 1));
  return types;
}

// The mount points that drive letters D onwards stand for, in mount-table order.
std::vector<std::string> OtherDrives() {
  const std::set<std::string> pseudo = PseudoFileSystems();
  std::set<std::string> seen{"/"};
  std::vector<std::string> drives;
  std::FILE* table = setmntent("/proc/self/mounts", "r");
  if (!table) return drives;
  while (const mntent* m = getmntent(table)) {
    if (pseudo.count(m->mnt_type) || !seen.insert(m->mnt_dir).second) continue;
    drives.push_back(m->mnt_dir);
  }
  endmntent(table);
  return drives;
}

}  // namespace

std::string ProgramName() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path);
  return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

std::string DriveMountPoint(char letter) {
  const unsigned char upper = UpperChar(static_cast<unsigned char>(letter));
  if (upper == 'C') return "/";
  if (upper < 'D' || upper > 'Z') return {};
  const std::vector<std::string> drives = OtherDrives();
  const size_t index = upper - 'D';
  return index < drives.size() ? drives[index] : std::string();
}

void DiskSpace(std::string_view root, std::uint64_t& clusterBytes, std::uint64_t& totalBytes,
               std::uint64_t& freeBytes) {
  clusterBytes = totalBytes = freeBytes = 0;
  if (root.size() != 3 || root[1] != ':' || (root[2] != '\\' && root[2] != '/')) return;
  const std::string mountPoint = DriveMountPoint(root[0]);
  struct statvfs st;
  if (mountPoint.empty() || statvfs(mountPoint.c_str(), &st) != 0) return;
  clusterBytes = st.f_frsize;
  totalBytes = static_cast<std::uint64_t>(st.f_blocks) * st.f_frsize;
  freeBytes = static_cast<std::uint64_t>(st.f_bavail) * st.f_frsize;
}

std::string TempFileName(std::string_view directory) {
  char base[PATH_MAX];
  const std::string dir = directory.empty() ? "." : std::string(directory);
  if (!realpath(dir.c_str(), base)) return {};
  std::string name = std::string(base) + (std::string(base) == "/" ? "" : "/") + "tmpXXXXXX";
  const int fd = mkstemp(name.data());
  if (fd < 0) return {};
  close(fd);
  return name;
}

}  // namespace tarvana
