// The machine's clock as local dates: moments the system cannot express, and
// the fields no time zone changes.

#include "runtime/system_clock.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>

namespace tarvana {
namespace {

TEST(LocalClockReading, AMomentWithoutALocalDateReadsAsTheDefaults) {
  const std::int64_t moments[] = {
      std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min(),
      100'000'000'000'000'000,  // a time the system holds, some three billion years on
  };
  for (const std::int64_t moment : moments) {
    const ClockReading r = LocalClockReading(moment, 500);
    EXPECT_EQ((std::array{r.year, r.month, r.day, r.hour, r.minute, r.second, r.millisecond}),
              (std::array{2000, 1, 1, 0, 0, 0, 0}))
        << moment;
  }
}

TEST(LocalClockReading, KeepsTheFieldsNoTimeZoneChanges) {
  // 4 March 2021, 05:06:07 UTC is in March 2021 and at second 7 in every zone.
  const ClockReading r = LocalClockReading(1'614'834'367, 123);
  EXPECT_EQ(r.year, 2021);
  EXPECT_EQ(r.month, 3);
  EXPECT_EQ(r.second, 7);
  EXPECT_EQ(r.millisecond, 123);
}

TEST(SystemClock, ReadsADateInRange) {
  const ClockReading r = SystemClockNow();
  EXPECT_GE(r.year, 2024);
  EXPECT_TRUE(r.month >= 1 && r.month <= 12 && r.day >= 1 && r.day <= 31)
      << r.month << "-" << r.day;
  EXPECT_TRUE(r.millisecond >= 0 && r.millisecond <= 999) << r.millisecond;
}

}  // namespace
}  // namespace tarvana
