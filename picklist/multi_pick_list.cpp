#include "picklist/multi_pick_list.h"

#include "picklist/list_view.h"

namespace tarvana {
namespace {

void RunMultiPickList(const BasedArray<std::string>& items, BasedArray<std::int16_t>& flags,
                      int sortOrder, const WindowRec& window, std::string_view title,
                      std::uint8_t scrollBarStyle, ColorAttr barColor, ColorAttr markColor,
                      std::string_view mark, bool withMouse) {
  // The flags must lie beside the items; a mismatched array is left alone.
  if (flags.LBound() != items.LBound() || flags.Count() != items.Count()) return;
  internal::ListView view;
  // The flags and the mark are in place before the first drawing.
  view.flags = &flags;
  view.markColor = markColor;
  view.mark = std::string(mark);
  if (!internal::OpenList(view, items, sortOrder, window, title, scrollBarStyle, barColor)) return;
  internal::RunList(view, withMouse);
}

}  // namespace

void MultiPickList(const BasedArray<std::string>& items, BasedArray<std::int16_t>& flags,
                   int sortOrder, const WindowRec& window, std::string_view title,
                   std::uint8_t scrollBarStyle, ColorAttr barColor, ColorAttr markColor,
                   std::string_view mark) {
  RunMultiPickList(items, flags, sortOrder, window, title, scrollBarStyle, barColor, markColor,
                   mark, true);
}

void KeyMultiPickList(const BasedArray<std::string>& items, BasedArray<std::int16_t>& flags,
                      int sortOrder, const WindowRec& window, std::string_view title,
                      std::uint8_t scrollBarStyle, ColorAttr barColor, ColorAttr markColor,
                      std::string_view mark) {
  RunMultiPickList(items, flags, sortOrder, window, title, scrollBarStyle, barColor, markColor,
                   mark, false);
}

}  // namespace tarvana
