#pragma once
// A text file read by line number, for the file viewer. Lines end at LF (a CR
// just before it is dropped); a last line without LF still counts. The file is
// scanned forward once, and a sparse index of line starts (one every 64 KiB of
// text or so) lets any scanned line be reached again by reading at most about
// that much, so memory stays small whatever the file's size. A file whose
// size the system gives as 0 may still have contents, made as they are read
// (Linux's /proc files): it is read whole when it is opened, so that every
// page shows the same state of it.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/read_only_file.h"

namespace tarvana {

class ViewLineFile {
 public:
  enum class Opened { kOk, kUnreadable, kEmpty };

  // Bytes of text between two index entries, at least.
  static constexpr std::int64_t kIndexSpacing = 64 * 1024;
  // Bytes read at a time by the forward scan: small enough that the count
  // reads them from the processor's cache right after the copy.
  static constexpr std::size_t kScanBlock = 256 * 1024;
  // The most bytes a file whose size reads 0 may hold; a longer one is
  // refused, since all of it is kept in memory.
  static constexpr std::size_t kUnsizedLimit = 16 * 1024 * 1024;

  ViewLineFile() = default;
  ViewLineFile(const ViewLineFile&) = delete;
  ViewLineFile& operator=(const ViewLineFile&) = delete;

  // Opens a regular file for reading. Anything that cannot be opened and read
  // (missing, no permission, a directory, a device or a FIFO) is kUnreadable,
  // and so is a file whose size reads 0 but that holds more than
  // kUnsizedLimit bytes; a file with no bytes is kEmpty and is not kept open.
  Opened Open(const std::string& path);
  // The file's length when it was opened (or where it was found to end).
  std::int64_t Size() const { return size_; }

  // Scans forward until the start of `line` is known or the end is found.
  void ScanTo(std::int64_t line);
  void ScanToEnd() { ScanTo(INT64_MAX); }
  bool EndKnown() const { return endLine_ > 0; }
  // The number of the line after the last one (its start is the file's end);
  // valid once EndKnown().
  std::int64_t EndLine() const { return endLine_; }
  // The highest line number whose start is known.
  std::int64_t KnownLine() const { return frontierLine_; }

  // Byte offset where a known line (1 .. KnownLine()) starts.
  std::int64_t LineStart(std::int64_t line);
  // Reads up to count lines from the known line `first` on, stopping at the
  // end of the file. Each line loses its line end and is cut to maxBytes.
  // starts receives each line's offset and then the offset after the last one.
  void ReadLines(std::int64_t first, std::int64_t count, std::size_t maxBytes,
                 std::vector<std::string>& lines, std::vector<std::int64_t>& starts);

  // The file's first bytes, up to n (at most kScanBlock): a view of the block
  // buffer, valid until the next read.
  std::string_view Head(std::size_t n);

  // Entries in the sparse index.
  std::size_t IndexEntries() const { return marks_.size(); }

 private:
  struct Mark {
    std::int64_t line;
    std::int64_t offset;
  };
  // Reads up to want bytes at offset into the block buffer (never past Size());
  // returns the count, 0 at the end or on a read error.
  std::size_t Fetch(std::int64_t offset, std::size_t want);
  void ScanBlock();
  void FoundEnd(std::int64_t offset);
  // Open for a file whose size reads 0: its contents read whole into
  // heldBytes_.
  Opened OpenUnsized();

  ReadOnlyFile file_;
  // The whole file, when it was read whole (never empty then); file_ is
  // closed then.
  std::string heldBytes_;
  std::int64_t size_ = 0;
  std::vector<Mark> marks_;
  // Every line start up to frontierLine_ (at frontierOffset_) has been seen;
  // the bytes from there to scanOffset_ hold no line end.
  std::int64_t frontierLine_ = 1;
  std::int64_t frontierOffset_ = 0;
  std::int64_t scanOffset_ = 0;
  std::int64_t endLine_ = 0;
  // The block buffer, kScanBlock bytes inside storage_.
  std::unique_ptr<char[]> storage_;
  char* block_ = nullptr;
};

// Reads the open file from its start to its end into contents. False, with
// contents empty, when it holds more than limit bytes.
bool ReadWhole(ReadOnlyFile& file, std::size_t limit, std::string& contents);

// The number of LF bytes in n bytes from p.
std::int64_t CountLineEnds(const char* p, std::size_t n);

}  // namespace tarvana
