#include "text/view_line_file.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace tarvana {
namespace {

// Reading a page of lines needs far less than a scan block.
constexpr std::size_t kLineBlock = 64 * 1024;
// Where the block's data starts in its storage: just past a cache line. The
// kernel's copy into the block runs about a tenth faster there than into a
// line- or page-aligned block (measured on x86-64 reading a cached file).
constexpr std::size_t kBlockAlign = 64;
constexpr std::size_t kBlockSkew = 16;

// The last LF in [from, to), or null.
const char* LastLineEnd(const char* from, const char* to) {
  while (to > from)
    if (*--to == '\n') return to;
  return nullptr;
}

#if defined(__SSE2__) && defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define TARVANA_COUNT_AVX2 1
// CountLineEnds 64 bytes at a time, where the processor has AVX2: advances p
// and n past the whole 64-byte pieces and returns their count.
__attribute__((target("avx2"))) std::int64_t CountLineEndsWide(const char*& p, std::size_t& n) {
  std::int64_t count = 0;
  const __m256i lineEnd = _mm256_set1_epi8('\n');
  while (n >= 64) {
    const std::size_t rounds = std::min<std::size_t>(n / 64, 255);
    __m256i low = _mm256_setzero_si256(), high = _mm256_setzero_si256();
    for (std::size_t i = 0; i < rounds; ++i, p += 64) {
      const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
      const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
      low = _mm256_sub_epi8(low, _mm256_cmpeq_epi8(a, lineEnd));
      high = _mm256_sub_epi8(high, _mm256_cmpeq_epi8(b, lineEnd));
    }
    const __m256i sums = _mm256_add_epi64(_mm256_sad_epu8(low, _mm256_setzero_si256()),
                                          _mm256_sad_epu8(high, _mm256_setzero_si256()));
    count += _mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1) +
             _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3);
    n -= rounds * 64;
  }
  return count;
}
#endif

}  // namespace

std::int64_t CountLineEnds(const char* p, std::size_t n) {
  std::int64_t count = 0;
#if defined(TARVANA_COUNT_AVX2)
  static const bool wide = __builtin_cpu_supports("avx2");
  if (wide) count += CountLineEndsWide(p, n);
#endif
#if defined(__SSE2__)
  // Sixteen byte lanes count matches for up to 255 rounds before they are
  // summed, which keeps the count at memory speed.
  const __m128i lineEnd = _mm_set1_epi8('\n');
  while (n >= 16) {
    const std::size_t rounds = std::min<std::size_t>(n / 16, 255);
    __m128i lanes = _mm_setzero_si128();
    for (std::size_t i = 0; i < rounds; ++i, p += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, lineEnd));
    }
    const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
    count += _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
    n -= rounds * 16;
  }
#endif
  return count + std::count(p, p + n, '\n');
}

bool ReadWhole(ReadOnlyFile& file, std::size_t limit, std::string& contents) {
  contents.clear();
  for (;;) {
    const std::size_t have = contents.size();
    // One byte past the limit tells a file of limit bytes from a longer one.
    const std::size_t want = std::min(kLineBlock, limit + 1 - have);
    contents.resize(have + want);
    const std::size_t got =
        file.ReadAt(static_cast<std::int64_t>(have), contents.data() + have, want);
    contents.resize(have + got);
    if (contents.size() > limit) {
      contents.clear();
      return false;
    }
    if (got == 0) return true;
  }
}

ViewLineFile::Opened ViewLineFile::Open(const std::string& path) {
  heldBytes_.clear();
  // A NUL would cut the name short and name another file.
  if (path.find('\0') != std::string::npos || !file_.Open(path)) return Opened::kUnreadable;
  if (file_.Size() == 0) return OpenUnsized();
  char probe;
  if (file_.ReadAt(0, &probe, 1) != 1) {
    file_.Close();
    return Opened::kUnreadable;
  }
  size_ = file_.Size();
  marks_.assign(1, Mark{1, 0});
  return Opened::kOk;
}

ViewLineFile::Opened ViewLineFile::OpenUnsized() {
  const bool whole = ReadWhole(file_, kUnsizedLimit, heldBytes_);
  file_.Close();
  if (!whole) return Opened::kUnreadable;
  if (heldBytes_.empty()) return Opened::kEmpty;
  size_ = static_cast<std::int64_t>(heldBytes_.size());
  marks_.assign(1, Mark{1, 0});
  return Opened::kOk;
}

std::size_t ViewLineFile::Fetch(std::int64_t offset, std::size_t want) {
  if (offset >= size_) return 0;
  want = static_cast<std::size_t>(std::min<std::int64_t>(want, size_ - offset));
  if (!block_) {
    // Left unfilled for the reads to fill (make_unique would zero it, and
    // not every standard library has make_unique_for_overwrite).
    storage_.reset(new char[kScanBlock + kBlockAlign + kBlockSkew]);
    const std::uintptr_t at = reinterpret_cast<std::uintptr_t>(storage_.get());
    block_ = storage_.get() + (kBlockAlign - at % kBlockAlign) % kBlockAlign + kBlockSkew;
  }
  if (!heldBytes_.empty()) {
    std::memcpy(block_, heldBytes_.data() + offset, want);
    return want;
  }
  return file_.ReadAt(offset, block_, want);
}

std::string_view ViewLineFile::Head(std::size_t n) {
  const std::size_t got = Fetch(0, std::min(n, kScanBlock));
  return std::string_view(block_ ? block_ : "", got);
}

void ViewLineFile::FoundEnd(std::int64_t offset) {
  size_ = offset;
  // Text after the last line end is a line of its own.
  if (frontierOffset_ < offset) {
    ++frontierLine_;
    frontierOffset_ = offset;
  }
  endLine_ = frontierLine_;
}

void ViewLineFile::ScanBlock() {
  const std::int64_t base = scanOffset_;
  const std::size_t n = Fetch(base, kScanBlock);
  if (n == 0) {
    FoundEnd(base);
    return;
  }
  const char* const block = block_;
  const char* p = block;
  const char* const end = block + n;
  while (p < end) {
    const std::int64_t at = base + (p - block);
    const std::int64_t nextMark = marks_.back().offset + kIndexSpacing;
    if (at < nextMark) {
      // Up to the next index entry only the count and the last line end matter.
      const char* stop = p + std::min<std::int64_t>(end - p, nextMark - at);
      if (const std::int64_t ends = CountLineEnds(p, stop - p); ends > 0) {
        frontierLine_ += ends;
        const char* last = LastLineEnd(p, stop);
        frontierOffset_ = base + (last - block) + 1;
      }
      p = stop;
      continue;
    }
    const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', end - p));
    if (lineEnd == nullptr) break;
    ++frontierLine_;
    frontierOffset_ = base + (lineEnd - block) + 1;
    marks_.push_back(Mark{frontierLine_, frontierOffset_});
    p = lineEnd + 1;
  }
  scanOffset_ = base + static_cast<std::int64_t>(n);
  if (scanOffset_ >= size_) FoundEnd(scanOffset_);
}

void ViewLineFile::ScanTo(std::int64_t line) {
  while ((file_.IsOpen() || !heldBytes_.empty()) && !EndKnown() && frontierLine_ < line)
    ScanBlock();
}

std::int64_t ViewLineFile::LineStart(std::int64_t line) {
  if (line >= frontierLine_) return frontierOffset_;
  const auto after = std::upper_bound(marks_.begin(), marks_.end(), line,
                                      [](std::int64_t l, const Mark& m) { return l < m.line; });
  const Mark& mark = *(after - 1);
  std::int64_t offset = mark.offset;
  std::int64_t skip = line - mark.line;
  while (skip > 0) {
    const std::size_t n = Fetch(offset, kLineBlock);
    if (n == 0) break;
    const char* const block = block_;
    const char* p = block;
    while (skip > 0) {
      const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', block + n - p));
      if (lineEnd == nullptr) {
        p = block + n;
        break;
      }
      p = lineEnd + 1;
      --skip;
    }
    offset += p - block;
  }
  return offset;
}

void ViewLineFile::ReadLines(std::int64_t first, std::int64_t count, std::size_t maxBytes,
                             std::vector<std::string>& lines, std::vector<std::int64_t>& starts) {
  lines.clear();
  starts.clear();
  std::int64_t blockOffset = LineStart(first);
  std::size_t n = Fetch(blockOffset, kLineBlock), i = 0;
  // Moves to the next block when this one is used up; false at the end.
  const auto more = [&] {
    if (i < n) return true;
    blockOffset += static_cast<std::int64_t>(n);
    n = Fetch(blockOffset, kLineBlock);
    i = 0;
    return n > 0;
  };
  for (; count > 0 && more(); --count) {
    starts.push_back(blockOffset + static_cast<std::int64_t>(i));
    std::string line;
    std::size_t length = 0;
    bool ended = false;
    while (!ended && more()) {
      const char* from = block_ + i;
      const char* lineEnd = static_cast<const char*>(std::memchr(from, '\n', n - i));
      const std::size_t take = lineEnd ? lineEnd - from : n - i;
      // One byte beyond the cut is kept to see a CR that ends a full line.
      line.append(from, std::min(take, maxBytes + 1 - line.size()));
      length += take;
      i += take;
      if (lineEnd) {
        ++i;
        ended = true;
      }
    }
    if (ended && length == line.size() && !line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > maxBytes) line.resize(maxBytes);
    lines.push_back(std::move(line));
  }
  starts.push_back(blockOffset + static_cast<std::int64_t>(i));
}

}  // namespace tarvana
