#include "picklist/dir_lines.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "runtime/unicode/case_folding.h"
#include "runtime/unicode/text_width.h"

namespace tarvana::internal {
namespace {

std::string Line(const DirListing& listing, std::int32_t i, std::uint8_t infoFlags,
                 std::string_view separator, int nameWidth) {
  return FileInfoLine(infoFlags, separator, listing.Entry(i), nameWidth);
}

// True when the name column alone orders the lines wherever the names differ
// within the width: every line then begins with its name padded to the width
// and the separator, and goes on to a digit that no trimming removes. The
// names cut to the width then compare as the padded ones do, unless one holds
// a control character or ends in a blank.
bool NameColumnDecides(const DirListing& listing, std::uint8_t infoFlags,
                       std::string_view separator, int nameWidth) {
  using namespace dir_info;
  if (!(infoFlags & kName) || nameWidth < 1 || !(infoFlags & (kSize | kDate | kTime)) ||
      separator.find_first_of("0123456789") != std::string_view::npos)
    return false;
  // A name beyond ASCII is shown with fewer cells than bytes: whole lines decide.
  const auto shownAsIs = [](char c) { return c >= ' ' && c < 127; };
  for (std::int32_t i = 1; i <= listing.Count(); ++i) {
    const std::string_view name = listing.Name(i);
    const std::string_view cut = name.substr(0, nameWidth);
    if (cut.empty() || cut.back() == ' ' || !std::all_of(name.begin(), name.end(), shownAsIs) ||
        !std::all_of(listing.ShortName(i).begin(), listing.ShortName(i).end(), shownAsIs))
      return false;
  }
  return true;
}

// The length of the longest line, where the name column decides. A line then
// has the same length whatever its time (the date and time columns have a
// fixed width, and the trimming stops at a digit), so it depends only on the
// size's digit count and on how much of the last column (the short name or
// the name) the trimming leaves, and grows with each. So one line per digit
// count, the one whose last column keeps most, is made to learn it.
size_t LongestLine(const DirListing& listing, std::uint8_t infoFlags, std::string_view separator,
                   int nameWidth) {
  const std::string trimmed = " " + std::string(separator);
  std::array<std::int32_t, 21> longestTail{};  // by digit count: the entry
  std::array<size_t, 21> kept{};
  for (std::int32_t i = 1; i <= listing.Count(); ++i) {
    int digits = 0;
    if (infoFlags & dir_info::kSize)
      for (std::uint64_t size = listing.Size(i); digits == 0 || size > 0; size /= 10)
        ++digits;
    size_t tail = 0;
    if (infoFlags & dir_info::kShortName) {
      const std::string_view last =
          listing.ShortName(i).empty() ? listing.Name(i) : listing.ShortName(i);
      tail = last.find_last_not_of(trimmed) + 1;  // npos + 1 is 0
    }
    if (longestTail[digits] == 0 || tail > kept[digits]) {
      longestTail[digits] = i;
      kept[digits] = tail;
    }
  }
  size_t longest = 0;
  for (const std::int32_t i : longestTail) {
    if (i == 0) continue;
    DirEntry entry = listing.Entry(i);
    entry.timeKnown = false;
    longest = std::max(longest, FileInfoLine(infoFlags, separator, entry, nameWidth).size());
  }
  return longest;
}

}  // namespace

ListItems DirListItems(const DirListing& listing, std::uint8_t infoFlags,
                       std::string_view separator, int nameWidth) {
  ListItems items;
  items.lower = 1;
  items.count = listing.Count();
  const std::string sep(separator);
  items.text = [&listing, infoFlags, sep, nameWidth](std::int32_t i, std::string& scratch) {
    scratch = Line(listing, i, infoFlags, sep, nameWidth);
    return std::string_view(scratch);
  };
  if (!NameColumnDecides(listing, infoFlags, separator, nameWidth)) {
    // Sorting needs the whole lines: made once here, and let go after.
    std::vector<std::string> lines;
    lines.reserve(items.count);
    for (std::int32_t i = 1; i <= listing.Count(); ++i) {
      lines.push_back(Line(listing, i, infoFlags, separator, nameWidth));
      items.longest = std::max(items.longest, lines.back().size());
    }
    items.order = DisplayOrder(
        1, items.count, [&](std::int32_t i) { return std::string_view(lines[i - 1]); }, 1,
        &items.firstUpper);
    return items;
  }
  // Names alike within the width are ordered by their whole lines, each made
  // once; they come in listing order, which a stable sort keeps for equal
  // lines.
  std::vector<std::pair<std::string, std::int32_t>> lines;
  const auto byLines = [&](std::vector<std::int32_t>& alike) {
    lines.clear();
    for (const std::int32_t i : alike)
      lines.emplace_back(Line(listing, i, infoFlags, separator, nameWidth), i);
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
      return CompareFolded(a.first, b.first) < 0;
    });
    for (size_t k = 0; k < alike.size(); ++k)
      alike[k] = lines[k].second;
  };
  items.order = DisplayOrder(
      1, items.count, [&](std::int32_t i) { return listing.Name(i).substr(0, nameWidth); }, 1,
      &items.firstUpper, byLines);
  items.longest = LongestLine(listing, infoFlags, separator, nameWidth);
  return items;
}

ListItems DirNameItems(const DirListing& listing, int nameWidth) {
  ListItems items;
  items.lower = 1;
  items.count = listing.Count();
  items.utf8 = true;
  items.text = [&listing](std::int32_t i, std::string&) { return listing.Name(i); };
  std::vector<std::string> folded;
  folded.reserve(static_cast<std::size_t>(items.count));
  for (std::int32_t i = 1; i <= listing.Count(); ++i) {
    folded.push_back(FoldCase(listing.Name(i)));
    items.longest = std::max<std::size_t>(
        items.longest, std::min(TextWidth(listing.Name(i)), std::max(nameWidth, 1)));
  }
  items.order = DisplayOrder(
      1, items.count, [&](std::int32_t i) { return std::string_view(folded[i - 1]); }, 1,
      &items.firstUpper);
  return items;
}

}  // namespace tarvana::internal
