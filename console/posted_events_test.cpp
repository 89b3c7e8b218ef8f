// Tests: events posted from other threads and timers wake the console's wait;
// drawing and reading belong to the thread that took the console.

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "console/console.h"
#include "console/headless.h"

namespace tarvana {
namespace {

TEST(PostedEventsTest, PostedEventsComeAtOnceAndTimersWhenTheyRunOut) {
  HeadlessConsole& console = UseHeadlessConsole();
  SetTimer(1, 500);
  SetTimer(2, 100);
  SetTimer(3, 50);
  CancelTimer(3);
  PostEvent(7);
  const struct {
    InputEvent::Kind kind;
    int id;
  } expected[] = {
      {InputEvent::Kind::kPosted, 7},  // what was posted comes at once
      {InputEvent::Kind::kTimer, 2},   // then the timers, soonest first
      {InputEvent::Kind::kTimer, 1},
  };
  for (const auto& e : expected) {
    const InputEvent got = WaitEvent();
    EXPECT_EQ(got.kind, e.kind) << got.Name();
    EXPECT_EQ(got.id, e.id) << got.Name();
  }
  EXPECT_GE(console.MonotonicMs(), 500) << "the waits lasted until the timers ran out";
  EXPECT_EQ(PollEvent().kind, InputEvent::Kind::kNone);
  // The widgets' waits leave posted events for the program.
  PostEvent(8);
  console.QueueKeys("b");
  EXPECT_EQ(WaitKey(), "b");
  EXPECT_EQ(PollEvent().Name(), "posted 8");
}

TEST(PostedEventsTest, AnyThreadPostsOnlyTheOwnerDrawsAndReads) {
  UseHeadlessConsole();
  std::vector<std::thread> posters;
  for (int t = 0; t < 4; ++t)
    posters.emplace_back([t] {
      for (int i = 0; i < 100; ++i)
        PostEvent(t * 1000 + i);
    });
  for (std::thread& t : posters)
    t.join();
  int posted = 0;
  while (PollEvent().kind == InputEvent::Kind::kPosted)
    ++posted;
  EXPECT_EQ(posted, 400);

  bool refused = false;
  std::thread other([&] {
    try {
      PrintText("from another thread");
    } catch (const std::logic_error&) {
      refused = true;
    }
  });
  other.join();
  EXPECT_TRUE(refused) << "drawing from another thread throws std::logic_error";
}

}  // namespace
}  // namespace tarvana
