#include <algorithm>

#include "console/console.h"
#include "window/screen_cells.h"
#include "window/window.h"

namespace tarvana {

void ClearBox(int top, int left, int bottom, int right, ColorAttr attr) {
  UseColor(attr);
  // Rows off the screen are skipped rather than drawn over the cursor's row.
  const int first = std::max(top, 1), last = std::min(bottom, ScreenHeight());
  const long long width = static_cast<long long>(right) - left + 1;
  for (int row = first; row <= last; ++row)
    internal::PrintRun(row, left, ' ', width);
}

}  // namespace tarvana
