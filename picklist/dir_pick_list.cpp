#include "picklist/dir_pick_list.h"

#include <algorithm>
#include <ctime>

#include "console/console.h"
#include "console/cp437_best_fit.h"
#include "picklist/dir_enumeration.h"
#include "picklist/dir_lines.h"
#include "picklist/dir_reading.h"
#include "picklist/list_view.h"
#include "picklist/pick_list.h"
#include "runtime/local_time.h"

namespace tarvana {
namespace {

std::string TwoDigits(int value) {
  value %= 100;
  if (value < 0) value = -value;
  return std::string{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// The local calendar fields of the entry's time; false when there are none.
bool LocalTime(const DirEntry& entry, std::tm& local) {
  return entry.timeKnown && LocalTimeOf(entry.modified, local);
}

// A name as its cells show it: names are UTF-8 (the system's own on Windows,
// the usual one on POSIX), shown through the best-fit table, so each
// character takes one cell. Bytes that are not UTF-8 are shown as they are.
std::string ShownName(std::string_view name) {
  if (std::all_of(name.begin(), name.end(), [](char c) { return c >= 0; }))
    return std::string(name);
  for (std::size_t pos = 0; pos < name.size();)
    if (NextUtf8(name, pos) == U'\uFFFD') return std::string(name);
  return Utf8ToCp437(name);
}

// Lists the directory once, its lines made by `lines`; "" on Esc, or,
// drawing nothing, when it cannot be listed.
std::string ListOnce(WindowRec& window, const CellString& title, std::uint8_t scrollBarStyle,
                     std::string_view fileSpec, const internal::DirLineMaker& lines,
                     ColorAttr barColor, bool withMouse) {
  internal::DirListing listing;
  if (!internal::ReadDirectory(fileSpec, listing)) return {};
  // The lines are made as they are drawn: only the listing is held.
  internal::ListItems items = lines(listing);
  // A window taller than the list is lowered to fit it, in the caller's record.
  if (window.Bottom - window.Top - 1 > items.count)
    window.Bottom = static_cast<std::uint8_t>(window.Top + items.count + 1);
  // Lines grow with the names (the short-name column is the whole name here),
  // so an automatic width that would pass the screen's right edge gives way
  // to a window reaching that edge, in which longer lines are cut.
  WindowRec shown = window;
  if (shown.Right == 0 && shown.Left + items.longest + 3 > static_cast<size_t>(ScreenWidth()))
    shown.Right = static_cast<std::uint8_t>(std::min(ScreenWidth(), 255));
  internal::ListView view;
  if (!internal::OpenList(view, std::move(items), shown, title, scrollBarStyle, barColor))
    return {};
  const std::int32_t chosen = internal::RunList(view, withMouse);
  if (chosen < 0) return {};
  return std::string(listing.Name(chosen));
}

std::string RunDirPickList(WindowRec& window, std::string_view title, std::uint8_t scrollBarStyle,
                           std::string_view fileSpec, std::uint8_t infoFlags,
                           std::string_view separator, ColorAttr barColor, std::uint8_t nameWidth,
                           bool withMouse) {
  return internal::RunDirList(
      window, CellString::FromCp437(title), scrollBarStyle, fileSpec,
      [&](const internal::DirListing& listing) {
        return internal::DirListItems(listing, infoFlags, separator, nameWidth);
      },
      barColor, withMouse);
}

}  // namespace

std::string FileInfoLine(std::uint8_t infoFlags, std::string_view separator, const DirEntry& entry,
                         int nameWidth) {
  std::string line;
  if (infoFlags & dir_info::kName) {
    std::string name = ShownName(entry.name);
    name.resize(static_cast<size_t>(std::max(nameWidth, 0)), ' ');
    line += name;
    line += separator;
  }
  if (infoFlags & dir_info::kSize) {
    const std::string digits = std::to_string(entry.size);
    if (digits.size() < 10) line.append(10 - digits.size(), ' ');
    line += digits;
    line += separator;
  }
  std::tm local{};
  const bool known = (infoFlags & (dir_info::kDate | dir_info::kTime)) && LocalTime(entry, local);
  if (infoFlags & dir_info::kDate) {
    line += known ? TwoDigits(local.tm_mon + 1) + "-" + TwoDigits(local.tm_mday) + "-" +
                        TwoDigits(local.tm_year + 1900)
                  : "00-00-00";
    line += separator;
  }
  if (infoFlags & dir_info::kTime) {
    line += known ? TwoDigits(local.tm_hour) + ":" + TwoDigits(local.tm_min) : "00:00";
    line += separator;
  }
  if (infoFlags & dir_info::kShortName)
    line += ShownName(entry.shortName.empty() ? entry.name : entry.shortName);
  const auto trailing = [&](char c) {
    return c == ' ' || separator.find(c) != std::string_view::npos;
  };
  while (!line.empty() && trailing(line.back()))
    line.pop_back();
  return line;
}

std::string DirPickList(WindowRec& window, std::string_view title, std::uint8_t scrollBarStyle,
                        std::string_view fileSpec, int, std::uint8_t infoFlags,
                        std::string_view separator, ColorAttr barColor, std::uint8_t nameWidth) {
  return RunDirPickList(window, title, scrollBarStyle, fileSpec, infoFlags, separator, barColor,
                        nameWidth, true);
}

std::string KeyDirPickList(WindowRec& window, std::string_view title, std::uint8_t scrollBarStyle,
                           std::string_view fileSpec, int, std::uint8_t infoFlags,
                           std::string_view separator, ColorAttr barColor, std::uint8_t nameWidth) {
  return RunDirPickList(window, title, scrollBarStyle, fileSpec, infoFlags, separator, barColor,
                        nameWidth, false);
}

namespace internal {

std::string RunDirList(WindowRec& window, const CellString& title, std::uint8_t scrollBarStyle,
                       std::string_view fileSpec, const DirLineMaker& lines, ColorAttr barColor,
                       bool withMouse) {
  if (!ListWindowFits(window)) return {};
  for (;;) {
    const std::string name =
        ListOnce(window, title, scrollBarStyle, fileSpec, lines, barColor, withMouse);
    // An entry removed while the list was up is not handed back: the list
    // shows the directory as it is now, and ends when it is gone.
    if (name.empty() || StillListed(fileSpec, name)) return name;
  }
}

}  // namespace internal
}  // namespace tarvana
