#pragma once
// The lines of a directory listing as the directory pick lists show them
// (FileInfoLine of each entry), without holding them all: their sorted order,
// the longest one's length, and each line made when it is needed.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "picklist/dir_reading.h"
#include "picklist/list_view.h"

namespace tarvana::internal {

// The listing's lines as a pick list's items, sorted ascending as the pick
// lists sort texts (equal lines in the listing's order). The listing must
// outlive the list.
ListItems DirListItems(const DirListing& listing, std::uint8_t infoFlags,
                       std::string_view separator, int nameWidth);
// The listing's names as UTF-8 items (the modern layer's file list), sorted
// by case folding as its lists are; the longest counts at most nameWidth
// cells, so that longer names are cut at the frame.
ListItems DirNameItems(const DirListing& listing, int nameWidth);

// A directory pick list's lines for a listing.
using DirLineMaker = std::function<ListItems(const DirListing& listing)>;
// Lists the entries matching fileSpec, their lines made by `lines`, until
// one is chosen (its whole name) or Esc (""), as DirPickList does: "" at
// once when the window does not fit or the directory cannot be read; an
// entry gone by the time it is chosen lists the directory again.
std::string RunDirList(WindowRec& window, const CellString& title, std::uint8_t scrollBarStyle,
                       std::string_view fileSpec, const DirLineMaker& lines, ColorAttr barColor,
                       bool withMouse);

}  // namespace tarvana::internal
