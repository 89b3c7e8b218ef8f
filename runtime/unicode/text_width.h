#pragma once
// How many terminal cells UTF-8 text takes, cluster by cluster (clusters as
// NextClusterEnd cuts them). A cluster takes the cells of its first scalar's
// WidthClass, except:
// - a narrow emoji-capable character followed by U+FE0F VARIATION SELECTOR-16
//   asks for the emoji form: 2 cells (U+2764 U+FE0F);
// - a character shown as emoji by default followed by U+FE0E VARIATION
//   SELECTOR-15 asks for the text form: 1 cell (U+231A U+FE0E);
// - a control takes 1 cell, for the stand-in the caller shows;
// - the maximal subpart of an ill-formed sequence takes 1, as its U+FFFD does.
// So skin tones, ZWJ sequences and flags (regional indicators, alone or in
// pairs) take the 2 cells of their wide first emoji, and a cluster that starts
// with a mark alone takes none.

#include <string>
#include <string_view>

namespace tarvana {

// The cells the cluster takes: 0, 1 or 2; 0 for an empty cluster. Only its
// first two scalars count.
int ClusterWidth(std::string_view cluster);
// The cells utf8 takes on the screen (PrintUtf8, CellString): the sum of its
// clusters' widths, but a cluster that starts with a mark takes the one cell
// of the dotted circle it is shown on, and a bidirectional control none.
int TextWidth(std::string_view utf8);
// The longest start of utf8 made of whole clusters that takes at most width
// cells as TextWidth counts them (a negative width counts as 0). A wide cluster that does not fit
// in the last cell is left out, with all that follows.
std::string_view CutToWidth(std::string_view utf8, int width);
// utf8 cut to width cells (as CutToWidth), then spaces until it takes exactly
// width cells: one space stands for a wide cluster cut off at the last cell.
std::string PadToWidth(std::string_view utf8, int width);

}  // namespace tarvana
