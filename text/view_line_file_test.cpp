// Reading a file by line number: scanning, the sparse index of line starts and
// reading lines back, checked against a plain split of the same bytes.

#include "text/view_line_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "text/view_test_files.h"

namespace tarvana {
namespace {

using test_support::ViewTestFiles;

// The lines of a text split at LF, a CR before the LF dropped, and the offset
// where each starts; the last entry of starts is the offset after the last line.
struct Split {
  std::vector<std::string> lines;
  std::vector<std::int64_t> starts;
};

Split SplitLines(const std::string& text) {
  Split s;
  std::size_t at = 0;
  while (at < text.size()) {
    s.starts.push_back(at);
    const std::size_t lf = text.find('\n', at);
    std::string line = text.substr(at, lf == std::string::npos ? std::string::npos : lf - at);
    if (lf != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
    s.lines.push_back(line);
    at = lf == std::string::npos ? text.size() : lf + 1;
  }
  s.starts.push_back(text.size());
  return s;
}

// Several megabytes of lines of random lengths, some empty and some longer
// than the index spacing, so that lines cross blocks and index entries.
std::string RandomText() {
  std::mt19937 random(7);
  std::string text;
  while (text.size() < 3 * 1024 * 1024) {
    const int kind = random() % 100;
    const std::size_t length = kind < 10   ? 0
                               : kind < 98 ? random() % 120
                                           : 70000 + random() % 200000;
    for (std::size_t i = 0; i < length; ++i)
      text += static_cast<char>('a' + random() % 26);
    text += kind % 7 == 0 ? "\r\n" : "\n";
  }
  text += "last line without an end";
  return text;
}

// bytes of lines 97 bytes long, with line ends also at the given offsets; the
// last byte is a line end or not as lastEnds says.
std::string SizedText(std::size_t bytes, bool lastEnds, std::vector<std::size_t> ends = {}) {
  std::string text(bytes, 'a');
  for (std::size_t i = 96; i < bytes; i += 97)
    text[i] = '\n';
  for (const std::size_t at : ends)
    text[at] = '\n';
  text.back() = lastEnds ? '\n' : 'z';
  return text;
}

struct FileCase {
  const char* name;
  std::string text;
};

std::vector<FileCase> FileCases() {
  constexpr std::size_t block = ViewLineFile::kScanBlock;
  return {{"one line", "one\n"},
          {"no final line end", "one\ntwo"},
          {"crlf", "one\r\ntwo\r\n"},
          {"lone cr kept", "a\rb\n\r\n"},
          {"blank lines", "\n\n\n"},
          {"single byte", "x"},
          {"random megabytes", RandomText()},
          // The scan reads blocks: the end must be found wherever it falls.
          {"one block, line end last", SizedText(block, true)},
          {"one block, no line end last", SizedText(block, false)},
          {"a byte short of a block", SizedText(block - 1, false)},
          {"a byte past a block", SizedText(block + 1, false, {block - 1})},
          {"line end first in a block", SizedText(2 * block + 7, true, {block, block - 1})},
          {"blocks and a line without end", SizedText(3 * block + 12345, false)}};
}

TEST(ViewLineFile, FindsEveryLineAndItsEnd) {
  ViewTestFiles files;
  for (const FileCase& c : FileCases()) {
    SCOPED_TRACE(c.name);
    const Split expected = SplitLines(c.text);
    const std::int64_t count = expected.lines.size();
    ViewLineFile file;
    ASSERT_EQ(file.Open(files.Write("f.txt", c.text)), ViewLineFile::Opened::kOk);
    file.ScanToEnd();
    ASSERT_TRUE(file.EndKnown());
    EXPECT_EQ(file.EndLine(), count + 1);
    EXPECT_EQ(file.LineStart(count + 1), static_cast<std::int64_t>(c.text.size()));
    const std::int64_t step = count > 1000 ? 37 : 1;
    for (std::int64_t line = 1; line <= count; line += step) {
      ASSERT_EQ(file.LineStart(line), expected.starts[line - 1]) << "line " << line;
      std::vector<std::string> lines;
      std::vector<std::int64_t> starts;
      file.ReadLines(line, 50, 1 << 20, lines, starts);
      const std::int64_t n = std::min<std::int64_t>(50, count - line + 1);
      ASSERT_EQ(static_cast<std::int64_t>(lines.size()), n) << "line " << line;
      for (std::int64_t i = 0; i < n; ++i) {
        ASSERT_EQ(lines[i], expected.lines[line - 1 + i]) << "line " << line + i;
        ASSERT_EQ(starts[i], expected.starts[line - 1 + i]) << "line " << line + i;
      }
      ASSERT_EQ(starts.back(), expected.starts[line - 1 + n]) << "after line " << line;
    }
  }
}

TEST(ViewLineFile, ScanningStopsEarlyAndKnowsWhatItHasSeen) {
  ViewTestFiles files;
  const std::string text = RandomText();
  const Split expected = SplitLines(text);
  ViewLineFile file;
  ASSERT_EQ(file.Open(files.Write("f.txt", text)), ViewLineFile::Opened::kOk);
  file.ScanTo(51);
  EXPECT_FALSE(file.EndKnown()) << "the first lines need no scan of the whole file";
  for (std::int64_t target = 51; target < static_cast<std::int64_t>(expected.lines.size());
       target += 4099) {
    file.ScanTo(target);
    ASSERT_GE(file.KnownLine(), target);
    EXPECT_EQ(file.LineStart(target), expected.starts[target - 1]) << "line " << target;
    EXPECT_EQ(file.LineStart(file.KnownLine()), expected.starts[file.KnownLine() - 1]);
  }
  const std::size_t entries = file.IndexEntries();
  file.ScanToEnd();
  EXPECT_GT(file.IndexEntries(), entries);
  EXPECT_LE(file.IndexEntries(), text.size() / ViewLineFile::kIndexSpacing + 1)
      << "one index entry per spacing at most";
}

TEST(ViewLineFile, LongLinesAreCutAndKeepTheirLineEnd) {
  struct Case {
    const char* text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"0123456789ABC\nnext\n", {"0123456789", "next"}},
      {"0123456789\r\nnext\n", {"0123456789", "next"}},
      {"012345678\r\nnext\n", {"012345678", "next"}},
      {"0123456789\r", {"0123456789"}},
      {"012345678\r", {"012345678\r"}},
  };
  ViewTestFiles files;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ViewLineFile file;
    ASSERT_EQ(file.Open(files.Write("f.txt", c.text)), ViewLineFile::Opened::kOk);
    file.ScanToEnd();
    std::vector<std::string> lines;
    std::vector<std::int64_t> starts;
    file.ReadLines(1, 50, 10, lines, starts);
    EXPECT_EQ(lines, c.lines);
  }
}

// A file whose size reads 0 is read whole, and refused past the limit.
TEST(ViewLineFile, ReadingWholeStopsAtTheLimit) {
  const ViewTestFiles files;
  const std::string path = files.Write("ten.txt", "0123456789");
  struct Case {
    std::size_t limit;
    bool whole;
  };
  for (const Case c : {Case{10, true}, Case{11, true}, Case{9, false}, Case{0, false}}) {
    ReadOnlyFile file;
    ASSERT_TRUE(file.Open(path));
    std::string contents = "left over";
    EXPECT_EQ(ReadWhole(file, c.limit, contents), c.whole) << "limit " << c.limit;
    EXPECT_EQ(contents, c.whole ? "0123456789" : "") << "limit " << c.limit;
  }
}

TEST(ViewLineFile, CountLineEndsAtAnyLengthAndAlignment) {
  std::mt19937 random(11);
  std::string mixed(41000, ' ');
  for (char& b : mixed)
    b = random() % 8 == 0 ? '\n' : static_cast<char>(random());
  // Nothing but line ends fills every counting lane to the brim.
  const std::string ends(41000, '\n');
  for (const std::string* bytes : std::initializer_list<const std::string*>{&mixed, &ends})
    for (std::size_t from = 0; from < 17; ++from)
      for (std::size_t n :
           {0, 1, 15, 16, 17, 63, 64, 65, 255, 4080, 4096, 8000, 16320, 16448, 40000}) {
        const char* p = bytes->data() + from;
        EXPECT_EQ(CountLineEnds(p, n), std::count(p, p + n, '\n')) << from << " " << n;
      }
}

}  // namespace
}  // namespace tarvana
