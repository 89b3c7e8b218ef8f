#pragma once
// Local calendar time from a moment: the system's time zone rules, one
// implementation per platform (local_time_posix.cpp, local_time_windows.cpp).

#include <cstdint>
#include <ctime>

namespace tarvana {

// The local date and time of secondsSince1970 (UTC); false when the system
// cannot represent it.
bool LocalTimeOf(std::int64_t secondsSince1970, std::tm& local);
// The platform's conversion of a moment the system's time type holds.
bool LocalTimeOfTime(std::time_t t, std::tm& local);

}  // namespace tarvana
