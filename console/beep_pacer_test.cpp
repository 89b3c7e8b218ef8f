// Pacing beeps: which beeps of a sequence sound.

#include "console/beep_pacer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvana {
namespace {

TEST(BeepPacerTest, BeepsWithinAFrameOfTheOneBeforeAreOneBeep) {
  struct Case {
    std::vector<double> askedMs;
    std::string sounded;  // per beep asked for: 'x' sounds, '.' does not
  };
  const Case cases[] = {
      {{0}, "x"},
      {{0, 0, 0}, "x.."},
      {{0, 5, 10, 16}, "x..."},
      {{0, 17, 34}, "xxx"},
      {{0, 10, 20, 30, 40}, "x...."},  // a long burst stays one beep
      {{0, 10, 40, 41}, "x.x."},
      {{1e9, 1e9 + 1, 1e9 + 100}, "x.x"},
  };
  for (const Case& c : cases) {
    BeepPacer pacer;
    std::string sounded;
    for (double ms : c.askedMs)
      sounded += pacer.Sounds(ms) ? 'x' : '.';
    EXPECT_EQ(sounded, c.sounded) << "beeps at " << ::testing::PrintToString(c.askedMs);
  }
}

}  // namespace
}  // namespace tarvana
