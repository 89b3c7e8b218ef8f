#include "ui/lists.h"

#include <algorithm>

#include "console/cell_string.h"
#include "console/console.h"
#include "console/text_input.h"
#include "picklist/list_view.h"
#include "runtime/unicode/case_folding.h"
#include "runtime/unicode/text_width.h"
#include "runtime/unicode/utf8_decode.h"
#include "ui/list.h"
#include "ui/list_core.h"
#include "ui/placement.h"
#include "window/window.h"

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

// The pick list's window for count items, the longest `longest` cells wide,
// and whether a scroll bar is needed.
WindowRec ListWindow(std::int64_t count, std::size_t longest, const ListOptions& options,
                     std::string_view routine, std::uint8_t& scrollBar) {
  if (count == 0) internal::Refuse(routine, "items is empty");
  if (options.rows < 0) internal::Refuse(routine, "options.rows is negative");
  if (count > INT32_MAX)
    internal::Refuse(routine, "items holds more than " + std::to_string(INT32_MAX) + " items");
  const int room = std::max(1, ScreenHeight() - 2);
  const int wanted = options.rows > 0 ? options.rows : std::min(kDefaultRows, room);
  const int shown = std::min<std::int64_t>(wanted, count);
  scrollBar = shown < count ? 1 : 0;
  // Wide enough for the title on the frame too.
  const std::size_t cols = std::min<std::size_t>(
      std::max<std::size_t>(longest + 4, static_cast<std::size_t>(TextWidth(options.title)) + 6),
      std::max(ScreenWidth(), 5));
  return internal::PlaceWindow(options.scheme, options.row, options.col,
                               static_cast<std::size_t>(shown) + 2, std::max<std::size_t>(cols, 5),
                               routine, options.title);
}

void CheckHighlighted(std::size_t count, const ListOptions& options, std::string_view routine) {
  if (options.highlighted && *options.highlighted >= count)
    internal::Refuse(routine, "options.highlighted " + std::to_string(*options.highlighted) +
                                  " is past the last item " + std::to_string(count - 1));
}

}  // namespace

namespace internal {

ListCore::ListCore(std::span<const std::string> items, const ListOptions& options,
                   std::optional<std::span<const std::size_t>> marked, std::string_view routine)
    : title_(CellString::FromUtf8(options.title)), options_(options), routine_(routine) {
  tarvana::internal::ListItems list = Items(items, options.order);
  std::uint8_t scrollBar = 0;
  const WindowRec window = ListWindow(list.count, list.longest, options, routine, scrollBar);
  CheckHighlighted(items.size(), options, routine);
  if (marked) {
    flags_ = BasedArray<std::int16_t>(0, static_cast<int>(items.size()) - 1);
    for (const std::size_t i : *marked) {
      if (i >= items.size())
        Refuse(routine, "marked index " + std::to_string(i) + " is past the last item " +
                            std::to_string(items.size() - 1));
      flags_[static_cast<int>(i)] = -1;
    }
    view_.flags = &flags_;
    view_.checklist = true;
    view_.markColor = options.scheme.hotKey;
    view_.mark = "\xFB";
  }
  const std::vector<std::int32_t>& order = list.order;
  const tarvana::internal::Pos shown =
      options.highlighted
          ? std::find(order.begin(), order.end(), static_cast<std::int32_t>(*options.highlighted)) -
                order.begin()
          : 0;
  tarvana::internal::OpenList(view_, std::move(list), window, title_, scrollBar,
                              options.scheme.bar);
  tarvana::internal::ShowItem(view_, view_.first + shown);
  Follow();
  ShowDrawn();
}

ListCore::~ListCore() {
  StopFollowing();
  if (Shown()) tarvana::internal::CloseList(view_);
  ShowDrawn();
}

void ListCore::Hide() {
  tarvana::internal::HideList(view_);
}

void ListCore::Show() {
  // A list placed by the caller moves up and left as far as it must to fit.
  ListOptions placed = options_;
  const int rows = static_cast<int>(std::min<std::int64_t>(
                       options_.rows > 0 ? options_.rows : kDefaultRows, view_.Count())) +
                   2;
  placed.row = FitCorner(options_.row, rows, ScreenHeight());
  placed.col = FitCorner(options_.col, view_.win.Right - view_.win.Left + 1, ScreenWidth());
  std::uint8_t scrollBar = 0;
  const WindowRec window = ListWindow(view_.Count(), view_.longest, placed, routine_, scrollBar);
  view_.scrollStyle = scrollBar;
  if (!tarvana::internal::PlaceList(view_, window, title_))
    Refuse(routine_, "the list does not fit on the screen");
}

void ListCore::Draw() {
  if (!Shown()) return;
  DrawFrame(view_.win, title_);
  tarvana::internal::DrawView(view_);
  tarvana::internal::Highlight(view_);
  tarvana::internal::DrawArrows(view_);
  tarvana::internal::DrawListScrollBar(view_);
  ShowDrawn();
}

ListResult ListCore::Handle(const InputEvent& event) {
  // Off a screen too small for it, only Esc reaches it.
  if (!Shown())
    return event.kind == InputEvent::Kind::kKey && event.key == KeyCode(1, '\x1b')
               ? ListResult::kCancelled
               : ListResult::kNotForTheList;
  const tarvana::internal::ListInput in = tarvana::internal::ReadListInput(view_, event, true);
  using tarvana::internal::ListAction;
  if (in.action == ListAction::kOther || in.action == ListAction::kIgnore)
    return ListResult::kNotForTheList;
  std::int32_t chosen = -1;
  const tarvana::internal::ListStep step = tarvana::internal::StepList(view_, in, chosen);
  ShowDrawn();
  switch (step) {
    case tarvana::internal::ListStep::kChosen:
      return ListResult::kChosen;
    case tarvana::internal::ListStep::kCancelled:
      return ListResult::kCancelled;
    case tarvana::internal::ListStep::kGoing:
      break;
  }
  return ListResult::kHandled;
}

std::size_t ListCore::Current() const {
  return static_cast<std::size_t>(view_.IndexAt(view_.current));
}

std::vector<std::size_t> ListCore::Marked() const {
  std::vector<std::size_t> marked;
  for (int i = 0; i < flags_.Count(); ++i)
    if (flags_[i] != 0) marked.push_back(static_cast<std::size_t>(i));
  return marked;
}

bool RunToEnd(ListCore& list) {
  for (;;) {
    const InputEvent event = WaitKeyEvent();
    switch (list.Handle(event)) {
      case ListResult::kChosen:
        return true;
      case ListResult::kCancelled:
        return false;
      case ListResult::kNotForTheList:
        if (event.kind == InputEvent::Kind::kKey) Beep();
        break;
      case ListResult::kHandled:
        break;
    }
  }
}

}  // namespace internal

List::List(std::vector<std::string> items, const ListOptions& options)
    : List(std::move(items), {}, options, false) {}

List::List(std::vector<std::string> items, ListOf<std::size_t> marked, const ListOptions& options,
           bool checklist)
    : items_(std::make_unique<std::vector<std::string>>(std::move(items))),
      core_(std::make_unique<internal::ListCore>(
          *items_, options,
          checklist ? std::optional<std::span<const std::size_t>>(marked.span()) : std::nullopt,
          checklist ? "List::Checklist" : "List")) {}

List List::Checklist(std::vector<std::string> items, ListOf<std::size_t> marked,
                     const ListOptions& options) {
  return List(std::move(items), marked, options, true);
}

List::~List() = default;
List::List(List&&) noexcept = default;
List& List::operator=(List&&) noexcept = default;

void List::Draw() {
  core_->Draw();
}

ListResult List::Handle(const InputEvent& event) {
  return core_->Handle(event);
}

std::size_t List::Current() const {
  return core_->Current();
}

std::vector<std::size_t> List::Marked() const {
  return core_->Marked();
}

std::optional<std::size_t> PickOne(ListOf<std::string> items, const ListOptions& options) {
  internal::ListCore list(items, options, std::nullopt, "PickOne");
  if (!internal::RunToEnd(list)) return std::nullopt;
  return list.Current();
}

std::optional<std::vector<std::size_t>> PickMany(ListOf<std::string> items,
                                                 ListOf<std::size_t> marked,
                                                 const ListOptions& options) {
  // The list's end shows the screen put back, whichever way it ends.
  internal::ListCore list(items, options, marked.span(), "PickMany");
  if (!internal::RunToEnd(list)) return std::nullopt;
  return list.Marked();
}

}  // namespace tarvana::ui
