#pragma once
// The title of a window, drawn on its frame.

#include <string_view>

#include "console/cell_string.h"
#include "console/types.h"

namespace tarvana::internal {

// Cuts the title to the room on the frame side that rec.TitlePos names and
// prints it there in rec.TitleColor; TitlePos 0 draws nothing.
void DrawTitle(const WindowRec& rec, std::string_view title);
// The same for a title of cells, cut between clusters; down a side, a wide
// cluster shows as its one-cell stand-in.
void DrawTitle(const WindowRec& rec, const CellString& title);

}  // namespace tarvana::internal
