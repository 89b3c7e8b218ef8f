#include "ui/lists.h"

#include <algorithm>

#include "console/cell_string.h"
#include "console/console.h"
#include "console/text_input.h"
#include "picklist/list_view.h"
#include "runtime/unicode/case_folding.h"
#include "runtime/unicode/text_width.h"
#include "runtime/unicode/utf8_decode.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace {

constexpr int kDefaultRows = 15;

int SortCode(SortOrder order) {
  return order == SortOrder::kAscending ? 1 : order == SortOrder::kDescending ? -1 : 0;
}

// The caller's strings as the list's items, indexed from 0 so that the list
// answers with the caller's index: drawn as UTF-8, sorted and searched by
// their case folding.
tarvana::internal::ListItems Items(std::span<const std::string> items, SortOrder order) {
  tarvana::internal::ListItems list;
  list.text = [items](std::int32_t index, std::string&) {
    return std::string_view(items[static_cast<std::size_t>(index)]);
  };
  list.lower = 0;
  list.count = static_cast<std::int64_t>(items.size());
  list.utf8 = true;
  // No text is wider than its bytes, so only longer items need measuring.
  for (const std::string& item : items)
    if (item.size() > list.longest)
      list.longest = std::max<std::size_t>(list.longest, TextWidth(item));
  // Type-ahead needs each item's folded first byte; only a sort needs the
  // whole folded texts.
  std::vector<std::string> folded;
  if (order != SortOrder::kAsGiven) {
    folded.reserve(items.size());
    for (const std::string& item : items)
      folded.push_back(FoldCase(item));
  }
  std::string first;
  list.order = tarvana::internal::DisplayOrder(
      0, list.count,
      [&](std::int32_t index) -> std::string_view {
        const std::size_t i = static_cast<std::size_t>(index);
        if (!folded.empty()) return folded[i];
        if (items[i].empty()) return {};
        std::size_t end = 0;
        DecodeUtf8(items[i], end);
        return first = FoldCase(std::string_view(items[i]).substr(0, end));
      },
      SortCode(order), &list.firstUpper);
  return list;
}

// The pick list's window for the items, and whether a scroll bar is needed.
WindowRec ListWindow(const tarvana::internal::ListItems& items, const ListOptions& options,
                     std::string_view routine, std::uint8_t& scrollBar) {
  if (items.count == 0) internal::Refuse(routine, "items is empty");
  if (options.rows < 0) internal::Refuse(routine, "options.rows is negative");
  if (items.count > INT32_MAX)
    internal::Refuse(routine, "items holds more than " + std::to_string(INT32_MAX) + " items");
  const int count = static_cast<int>(items.count);
  const int room = std::max(1, ScreenHeight() - 2);
  const int wanted = options.rows > 0 ? options.rows : std::min(kDefaultRows, room);
  const int shown = std::min(wanted, count);
  scrollBar = shown < count ? 1 : 0;
  // Wide enough for the title on the frame too.
  const std::size_t cols = std::min<std::size_t>(
      std::max<std::size_t>(items.longest + 4,
                            static_cast<std::size_t>(TextWidth(options.title)) + 6),
      std::max(ScreenWidth(), 5));
  return internal::PlaceWindow(options.scheme, options.row, options.col,
                               static_cast<std::size_t>(shown) + 2, std::max<std::size_t>(cols, 5),
                               routine, options.title);
}

// Opens the list on the highlighted item and runs it to its end; the
// caller's index chosen, or -1.
std::int32_t RunList(tarvana::internal::ListView& view, tarvana::internal::ListItems items,
                     const WindowRec& window, const ListOptions& options, std::uint8_t scrollBar) {
  TextInputScope typing;
  const std::vector<std::int32_t>& order = items.order;
  const tarvana::internal::Pos shown =
      options.highlighted
          ? std::find(order.begin(), order.end(), static_cast<std::int32_t>(*options.highlighted)) -
                order.begin()
          : 0;
  if (!tarvana::internal::OpenList(view, std::move(items), window,
                                   CellString::FromUtf8(options.title), scrollBar,
                                   options.scheme.bar))
    return -1;
  tarvana::internal::ShowItem(view, view.first + shown);
  return tarvana::internal::RunList(view, true);
}

void CheckHighlighted(std::size_t count, const ListOptions& options, std::string_view routine) {
  if (options.highlighted && *options.highlighted >= count)
    internal::Refuse(routine, "options.highlighted " + std::to_string(*options.highlighted) +
                                  " is past the last item " + std::to_string(count - 1));
}

}  // namespace

std::optional<std::size_t> PickOne(ListOf<std::string> items, const ListOptions& options) {
  const internal::ShowOnReturn shown;
  tarvana::internal::ListItems list = Items(items, options.order);
  std::uint8_t scrollBar = 0;
  const WindowRec window = ListWindow(list, options, "PickOne", scrollBar);
  CheckHighlighted(items.size(), options, "PickOne");
  tarvana::internal::ListView view;
  const std::int32_t index = RunList(view, std::move(list), window, options, scrollBar);
  if (index < 0) return std::nullopt;
  return static_cast<std::size_t>(index);
}

std::optional<std::vector<std::size_t>> PickMany(ListOf<std::string> items,
                                                 ListOf<std::size_t> marked,
                                                 const ListOptions& options) {
  const internal::ShowOnReturn shown;
  tarvana::internal::ListItems list = Items(items, options.order);
  std::uint8_t scrollBar = 0;
  const WindowRec window = ListWindow(list, options, "PickMany", scrollBar);
  CheckHighlighted(items.size(), options, "PickMany");
  BasedArray<std::int16_t> flags(0, static_cast<int>(items.size()) - 1);
  for (const std::size_t i : marked) {
    if (i >= items.size())
      internal::Refuse("PickMany", "marked index " + std::to_string(i) + " is past the last item " +
                                       std::to_string(items.size() - 1));
    flags[static_cast<int>(i)] = -1;
  }
  tarvana::internal::ListView view;
  view.flags = &flags;
  view.checklist = true;
  view.markColor = options.scheme.hotKey;
  view.mark = "\xFB";
  if (RunList(view, std::move(list), window, options, scrollBar) < 0) return std::nullopt;
  std::vector<std::size_t> chosen;
  for (int i = 0; i < flags.Count(); ++i)
    if (flags[i] != 0) chosen.push_back(static_cast<std::size_t>(i));
  return chosen;
}

}  // namespace tarvana::ui
