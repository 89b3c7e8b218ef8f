#include "runtime/local_time.h"

namespace tarvana {

bool LocalTimeOfTime(std::time_t t, std::tm& local) {
  return localtime_r(&t, &local) != nullptr;
}

}  // namespace tarvana
