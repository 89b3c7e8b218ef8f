#include "text/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tarvana {

bool ReadOnlyFile::Open(const std::string& path) {
  Close();
  // Non-blocking, so that a FIFO of that name cannot hang the open.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return false;
  }
  handle_ = fd;
  size_ = info.st_size;
  return true;
}

void ReadOnlyFile::Close() {
  if (IsOpen()) close(static_cast<int>(handle_));
  handle_ = kNoHandle;
  size_ = 0;
}

std::size_t ReadOnlyFile::ReadAt(std::int64_t offset, char* to, std::size_t n) {
  if (!IsOpen()) return 0;
  for (;;) {
    const ssize_t got = pread(static_cast<int>(handle_), to, n, offset);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) return 0;
  }
}

}  // namespace tarvana
