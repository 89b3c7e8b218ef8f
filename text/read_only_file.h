#pragma once
// A regular file opened for reading at byte offsets: the system-specific part
// of the file viewer's reading, one implementation per platform
// (read_only_file_posix.cpp), kept this narrow so that the scanning above it
// is the same everywhere.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvana {

class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile() { Close(); }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  // Opens the regular file at path (which holds no NUL) for reading, without
  // waiting on a FIFO or device of that name. False, with nothing kept open,
  // when it is missing, cannot be read or is not a regular file.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const { return handle_ != kNoHandle; }
  // The file's length in bytes when it was opened.
  std::int64_t Size() const { return size_; }
  // Reads up to n bytes at offset into to; returns the count read, 0 at the
  // end of the file or on a read error.
  std::size_t ReadAt(std::int64_t offset, char* to, std::size_t n);

 private:
  static constexpr std::intptr_t kNoHandle = -1;
  std::intptr_t handle_ = kNoHandle;
  std::int64_t size_ = 0;
};

}  // namespace tarvana
