#include "ui/showing.h"

#include "console/console.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace {

int batches = 0;  // Batches open; the modern layer is used from one thread

}  // namespace

Batch::Batch() {
  ++batches;
}

Batch::~Batch() {
  if (--batches == 0) internal::ShowDrawn();
}

void internal::ShowDrawn() noexcept {
  if (batches > 0) return;
  try {
    Refresh();
  } catch (...) {
    // Shown by the next call that reads input, which reports what failed.
  }
}

}  // namespace tarvana::ui
