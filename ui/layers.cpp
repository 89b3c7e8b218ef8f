#include "ui/layers.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "console/resize_hooks.h"

namespace tarvana::ui::internal {

struct LayerStack {
  static std::vector<Layer*>& Open() {
    static std::vector<Layer*> open;
    return open;
  }

  static void Before() {
    auto& open = Open();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
      if ((*it)->shown_) (*it)->Hide();
  }

  static void After() {
    for (Layer* layer : Open()) {
      try {
        layer->Show();
        layer->shown_ = true;
      } catch (const std::invalid_argument&) {
        // Too small for it now: it stays off the screen until it fits again.
        layer->shown_ = false;
      }
    }
  }
};

Layer::~Layer() {
  StopFollowing();
}

void Layer::Follow() {
  if (following_) return;
  static const bool hooked = [] {
    tarvana::internal::SetResizeHooks({&LayerStack::Before, &LayerStack::After});
    return true;
  }();
  (void)hooked;
  LayerStack::Open().push_back(this);
  following_ = true;
  shown_ = true;
}

void Layer::StopFollowing() {
  if (!following_) return;
  auto& open = LayerStack::Open();
  open.erase(std::find(open.begin(), open.end(), this));
  following_ = false;
}

}  // namespace tarvana::ui::internal
