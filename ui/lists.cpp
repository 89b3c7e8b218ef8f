#include "ui/lists.h"

#include <algorithm>

#include "console/console.h"
#include "console/cp437_best_fit.h"
#include "picklist/multi_pick_list.h"
#include "picklist/pick_list.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace {

constexpr int kDefaultRows = 15;

int SortCode(SortOrder order) {
  return order == SortOrder::kAscending ? 1 : order == SortOrder::kDescending ? -1 : 0;
}

// The pick list's window for the items, and whether a scroll bar is needed.
WindowRec ListWindow(const BasedArray<std::string>& items, const ListOptions& options,
                     std::string_view routine, std::uint8_t& scrollBar) {
  if (items.Empty()) internal::Refuse(routine, "items is empty");
  if (options.rows < 0) internal::Refuse(routine, "options.rows is negative");
  const int room = std::max(1, ScreenHeight() - 2);
  const int wanted = options.rows > 0 ? options.rows : std::min(kDefaultRows, room);
  const int shown = std::min(wanted, items.Count());
  scrollBar = shown < items.Count() ? 1 : 0;
  // Wide enough for the title on the frame too.
  const std::size_t cols =
      std::min<std::size_t>(std::max(internal::Widest(items) + 4, Utf8Length(options.title) + 6),
                            std::max(ScreenWidth(), 5));
  return internal::PlaceWindow(options.scheme, options.row, options.col,
                               static_cast<std::size_t>(shown) + 2, std::max<std::size_t>(cols, 5),
                               routine);
}

}  // namespace

std::optional<std::size_t> PickOne(std::span<const std::string> items, const ListOptions& options) {
  // Indexed from 0, the pick list answers with the caller's index.
  const BasedArray<std::string> list = internal::Cp437Array(items, 0);
  std::uint8_t scrollBar = 0;
  const WindowRec window = ListWindow(list, options, "PickOne", scrollBar);
  const std::int32_t index = PickList(list, SortCode(options.order), window,
                                      Utf8ToCp437(options.title), scrollBar, options.scheme.bar);
  if (index < 0) return std::nullopt;
  return static_cast<std::size_t>(index);
}

std::vector<std::size_t> PickMany(std::span<const std::string> items,
                                  std::span<const std::size_t> marked, const ListOptions& options) {
  const BasedArray<std::string> list = internal::Cp437Array(items, 0);
  std::uint8_t scrollBar = 0;
  const WindowRec window = ListWindow(list, options, "PickMany", scrollBar);
  BasedArray<std::int16_t> flags(0, list.Count() - 1);
  for (const std::size_t i : marked) {
    if (i >= items.size())
      internal::Refuse("PickMany", "marked index " + std::to_string(i) + " is past the last item " +
                                       std::to_string(items.size() - 1));
    flags[static_cast<int>(i)] = -1;
  }
  MultiPickList(list, flags, SortCode(options.order), window, Utf8ToCp437(options.title), scrollBar,
                options.scheme.bar, options.scheme.hotKey, "\xFB");
  std::vector<std::size_t> chosen;
  for (int i = 0; i < flags.Count(); ++i)
    if (flags[i] != 0) chosen.push_back(static_cast<std::size_t>(i));
  return chosen;
}

}  // namespace tarvana::ui
