#include "runtime/local_time.h"

namespace tarvana {

bool LocalTimeOfTime(std::time_t t, std::tm& local) {
  // The C runtime's thread-safe form (arguments in the other order).
  return localtime_s(&local, &t) == 0;
}

}  // namespace tarvana
