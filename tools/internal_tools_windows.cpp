#include "tools/internal_tools.h"

#include <windows.h>

#include <vector>

#include "runtime/cp437_case.h"
#include "runtime/utf16.h"

namespace tarvana {
namespace {

const wchar_t* W(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::string Utf8(const wchar_t* text, size_t length) {
  return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

}  // namespace

std::string ProgramName() {
  // The path may be longer than MAX_PATH: grow the buffer until it fits.
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) return Utf8(path.data(), n);
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

std::string DriveMountPoint(char letter) {
  const unsigned char upper = UpperChar(static_cast<unsigned char>(letter));
  if (upper < 'A' || upper > 'Z') return {};
  if (!(GetLogicalDrives() & (1u << (upper - 'A')))) return {};
  return std::string{static_cast<char>(upper), ':', '\\'};
}

void DiskSpace(std::string_view root, std::uint64_t& clusterBytes, std::uint64_t& totalBytes,
               std::uint64_t& freeBytes) {
  clusterBytes = totalBytes = freeBytes = 0;
  if (root.size() != 3 || root[1] != ':' || (root[2] != '\\' && root[2] != '/')) return;
  const std::string drive = DriveMountPoint(root[0]);
  if (drive.empty()) return;
  const std::u16string wide = Utf8ToUtf16(drive);
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
  ULARGE_INTEGER freeToCaller, total, totalFree;
  // A drive with no medium (an empty card reader) asks no question of the user.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  const bool ok = GetDiskFreeSpaceExW(W(wide), &freeToCaller, &total, &totalFree);
  const bool clustersOk = ok && GetDiskFreeSpaceW(W(wide), &sectorsPerCluster, &bytesPerSector,
                                                  &freeClusters, &clusters);
  SetErrorMode(oldMode);
  if (!ok) return;
  if (clustersOk) clusterBytes = static_cast<std::uint64_t>(sectorsPerCluster) * bytesPerSector;
  totalBytes = total.QuadPart;
  freeBytes = freeToCaller.QuadPart;
}

std::string TempFileName(std::string_view directory) {
  const std::u16string dir = Utf8ToUtf16(directory.empty() ? std::string_view(".") : directory);
  wchar_t full[MAX_PATH];
  const DWORD n = GetFullPathNameW(W(dir), MAX_PATH, full, nullptr);
  if (n == 0 || n >= MAX_PATH) return {};
  // Creates the file, so that the name is the caller's alone.
  wchar_t name[MAX_PATH];
  if (GetTempFileNameW(full, L"tmp", 0, name) == 0) return {};
  return Utf8(name, wcslen(name));
}

}  // namespace tarvana
