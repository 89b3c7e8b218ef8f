#include "picklist/pick_list.h"

#include "picklist/list_view.h"

namespace tarvana {
namespace {

std::int32_t RunPickList(const BasedArray<std::string>& items, int sortOrder,
                         const WindowRec& window, std::string_view title,
                         std::uint8_t scrollBarStyle, ColorAttr barColor, bool withMouse) {
  internal::ListView view;
  if (!internal::OpenList(view, items, sortOrder, window, title, scrollBarStyle, barColor))
    return -1;
  return internal::RunList(view, withMouse);
}

}  // namespace

std::int32_t PickList(const BasedArray<std::string>& items, int sortOrder, const WindowRec& window,
                      std::string_view title, std::uint8_t scrollBarStyle, ColorAttr barColor) {
  return RunPickList(items, sortOrder, window, title, scrollBarStyle, barColor, true);
}

std::int32_t KeyPickList(const BasedArray<std::string>& items, int sortOrder,
                         const WindowRec& window, std::string_view title,
                         std::uint8_t scrollBarStyle, ColorAttr barColor) {
  return RunPickList(items, sortOrder, window, title, scrollBarStyle, barColor, false);
}

}  // namespace tarvana
