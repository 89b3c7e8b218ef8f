#pragma once
// Pick lists over any contiguous range of UTF-8 strings: one item, or any
// number of them. Indices are zero-based; the caller's strings are never
// changed or copied back.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/list_of.h"
#include "ui/scheme.h"

namespace tarvana::ui {

// Sorting compares the items' Unicode simple case foldings code point by code
// point, with a-z compared as A-Z as the code page 437 lists do; items that
// compare equal keep their order. A language's collation is the caller's:
// pass the items in its order with kAsGiven.
enum class SortOrder { kAsGiven, kAscending, kDescending };

struct ListOptions {
  std::string title{};
  // The window's top-left corner (1-based), 0 centres.
  int row = 0;
  int col = 0;
  // Items shown at once; 0 shows as many as fit, up to 15.
  int rows = 0;
  SortOrder order = SortOrder::kAsGiven;
  Scheme scheme = schemes::kBlue;
  // The item highlighted at the start, by its index in items; none: the
  // first item shown.
  std::optional<std::size_t> highlighted{};
};

// Items are UTF-8, drawn a cluster per cell; typing searches ahead for an
// item starting with the clusters typed, in either case (case folding).
// Lets the user pick one item (Enter, or a click on the highlighted row) and
// returns its index, or nothing on Esc or a right click. Throws
// std::invalid_argument naming the argument when items is empty,
// options.highlighted is past its end, or the window does not fit on the
// screen.
std::optional<std::size_t> PickOne(ListOf<std::string> items, const ListOptions& options = {});
// A checklist: Space or a click marks and unmarks an item, Enter ends the
// list and returns the indices marked, ascending; Esc or a right click
// cancels and returns nothing. `marked` gives those marked at the start.
// Throws as PickOne, and for a marked index past the end.
std::optional<std::vector<std::size_t>> PickMany(ListOf<std::string> items,
                                                 ListOf<std::size_t> marked = {},
                                                 const ListOptions& options = {});

}  // namespace tarvana::ui
