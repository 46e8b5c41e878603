// The three render-worker slots: a new render stops the slot's old worker
// without waiting for it.
#include "app/render_slots.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <latch>

namespace lexorin {
namespace {

using namespace std::chrono_literals;

// A worker that runs until it is asked to stop, then records that it saw
// the request.
struct LongWorker {
  std::atomic<bool> started{false};
  std::atomic<bool> sawStop{false};
  RenderSlots::Body Body() {
    return [this](std::stop_token stop) {
      started = true;
      while (!stop.stop_requested()) std::this_thread::sleep_for(1ms);
      sawStop = true;
    };
  }
};

template <class Predicate>
bool Eventually(Predicate predicate) {
  for (int i = 0; i < 5000 && !predicate(); ++i) std::this_thread::sleep_for(1ms);
  return predicate();
}

TEST(RenderSlots, ANewRenderStopsOnlyTheWorkerOfItsOwnSlot) {
  RenderSlots slots;
  LongWorker first, other;
  ASSERT_TRUE(slots.Start(1, first.Body()));
  ASSERT_TRUE(slots.Start(2, other.Body()));
  ASSERT_TRUE(Eventually([&] { return first.started && other.started; }));

  std::atomic<bool> secondRan{false};
  ASSERT_TRUE(slots.Start(1, [&](std::stop_token) { secondRan = true; }));
  EXPECT_TRUE(Eventually([&] { return first.sawStop.load(); }));
  EXPECT_TRUE(Eventually([&] { return secondRan.load(); }));
  EXPECT_FALSE(other.sawStop);
  EXPECT_TRUE(slots.HasWorker(2));
  slots.StopAll();
  EXPECT_TRUE(other.sawStop);
  EXPECT_FALSE(slots.HasWorker(1));
  EXPECT_EQ(slots.RetiredCount(), 0u);
}

TEST(RenderSlots, StartingDoesNotWaitForTheOldWorker) {
  RenderSlots slots;
  std::latch release(1);
  std::atomic<bool> oldDone{false};
  // A worker that ignores its stop request until the test releases it.
  ASSERT_TRUE(slots.Start(3, [&](std::stop_token) {
    release.wait();
    oldDone = true;
  }));
  std::atomic<bool> newRan{false};
  ASSERT_TRUE(slots.Start(3, [&](std::stop_token) { newRan = true; }));
  EXPECT_TRUE(Eventually([&] { return newRan.load(); }));
  EXPECT_FALSE(oldDone);
  EXPECT_EQ(slots.RetiredCount(), 1u);
  release.count_down();
  ASSERT_TRUE(Eventually([&] { return oldDone.load(); }));
  // Finished workers that were replaced are joined at the next start.
  std::this_thread::sleep_for(50ms);
  ASSERT_TRUE(slots.Start(3, [](std::stop_token) {}));
  EXPECT_EQ(slots.RetiredCount(), 0u);
}

}  // namespace
}  // namespace lexorin
