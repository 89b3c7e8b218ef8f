#include "runtime/local_time.h"

#include <limits>

namespace tarvana {

bool LocalTimeOf(std::int64_t secondsSince1970, std::tm& local) {
  if (secondsSince1970 < std::numeric_limits<std::time_t>::min() ||
      secondsSince1970 > std::numeric_limits<std::time_t>::max())
    return false;
  return LocalTimeOfTime(static_cast<std::time_t>(secondsSince1970), local);
}

}  // namespace tarvana
