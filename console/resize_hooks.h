#pragma once
// The layer above the console redraws what it keeps on the screen when the
// screen follows the terminal to a new size: the console calls `before` with
// the old screen still in place and `after` once it has the new size.

namespace tarvana::internal {

struct ResizeHooks {
  void (*before)() = nullptr;
  void (*after)() = nullptr;
};

void SetResizeHooks(ResizeHooks hooks);

}  // namespace tarvana::internal
