#pragma once
// The lines of a directory listing as the directory pick lists show them
// (FileInfoLine of each entry), without holding them all: their sorted order,
// the longest one's length, and each line made when it is needed.

#include <cstdint>
#include <string_view>

#include "picklist/dir_reading.h"
#include "picklist/list_view.h"

namespace tarvana::internal {

// The listing's lines as a pick list's items, sorted ascending as the pick
// lists sort texts (equal lines in the listing's order). The listing must
// outlive the list.
ListItems DirListItems(const DirListing& listing, std::uint8_t infoFlags,
                       std::string_view separator, int nameWidth);

}  // namespace tarvana::internal
