#include "runtime/based_array.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>

namespace tarvana {
namespace {

TEST(BasedArray, AnIndexOutsideTheBoundsThrowsInEveryBuild) {
  BasedArray<int> a(5, {50, 60, 70});
  const BasedArray<int> empty(1, 0);
  struct Case {
    const BasedArray<int>* array;
    int index;
    const char* message;
  } cases[] = {
      {&a, 4, "BasedArray: index 4 is outside 5..7"},
      {&a, 8, "BasedArray: index 8 is outside 5..7"},
      {&a, INT_MIN, "BasedArray: index -2147483648 is outside 5..7"},
      {&a, INT_MAX, "BasedArray: index 2147483647 is outside 5..7"},
      {&empty, 1, "BasedArray: index 1 is outside 1..0"},
  };
  for (const Case& c : cases) {
    try {
      (void)(*c.array)[c.index];
      ADD_FAILURE() << "no exception for index " << c.index;
    } catch (const std::out_of_range& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(a[5], 50);
  EXPECT_EQ(a[7], 70);
  EXPECT_THROW(a[8] = 1, std::out_of_range);
}

TEST(BasedArray, BoundsNearTheEndsOfTheIntRange) {
  const BasedArray<int> top(INT_MAX - 1, {1});
  EXPECT_EQ(top.UBound(), INT_MAX - 1);
  EXPECT_EQ(top[INT_MAX - 1], 1);
  const BasedArray<int> bottom(INT_MIN, INT_MIN + 1);
  EXPECT_EQ(bottom.Count(), 2);
  EXPECT_FALSE(bottom.Contains(INT_MAX));
  // Ranges whose UBound + 1 (or, empty, whose LBound - 1) is no int: a loop
  // up to UBound would never end.
  EXPECT_THROW(BasedArray<int>(INT_MAX, {1}), std::length_error);
  EXPECT_THROW(BasedArray<int>(INT_MAX - 1, std::vector<int>(2)), std::length_error);
  EXPECT_THROW(BasedArray<int>(INT_MIN, {}), std::length_error);
}

}  // namespace
}  // namespace tarvana
