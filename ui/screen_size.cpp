#include "ui/screen_size.h"

#include "console/console.h"

namespace tarvana::ui {

Size ScreenSize() {
  return {ScreenWidth(), ScreenHeight()};
}

}  // namespace tarvana::ui
