#include "text/read_only_file.h"

#include <windows.h>

#include "runtime/utf16.h"

namespace tarvana {

bool ReadOnlyFile::Open(const std::string& path) {
  Close();
  const std::u16string name = Utf8ToUtf16(path);
  // Others may keep writing, renaming or deleting the file while it is shown.
  HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(name.c_str()), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
    CloseHandle(file);
    return false;
  }
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info) ||
      (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    CloseHandle(file);
    return false;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  size_ = size.QuadPart;
  return true;
}

void ReadOnlyFile::Close() {
  if (IsOpen()) CloseHandle(reinterpret_cast<HANDLE>(handle_));
  handle_ = kNoHandle;
  size_ = 0;
}

std::size_t ReadOnlyFile::ReadAt(std::int64_t offset, char* to, std::size_t n) {
  if (!IsOpen() || offset < 0) return 0;
  HANDLE file = reinterpret_cast<HANDLE>(handle_);
  LARGE_INTEGER at;
  at.QuadPart = offset;
  if (!SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) return 0;
  // ReadFile counts in 32 bits: a larger request reads its first 1 GiB.
  const DWORD want = static_cast<DWORD>(n < (1u << 30) ? n : (1u << 30));
  DWORD got = 0;
  if (!ReadFile(file, to, want, &got, nullptr)) return 0;
  return got;
}

}  // namespace tarvana
