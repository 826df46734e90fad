#include "vqevent.h"
#include "vqheadless.h"
#include "vqplatform.h"
#include "vqtimer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

void drain() {
  while (vqeventpending()) vqpollevent();
}

// Runs the program's own loop for a stretch of virtual time, keeping every code.
std::vector<int> collect_for(uint32_t ms) {
  std::vector<int> codes;
  uint64_t until = vqheadless_now() + ms;
  while (vqheadless_now() < until) {
    vqpump_blocking();
    while (vqeventpending()) codes.push_back(vqpollevent());
  }
  return codes;
}

struct counter {
  int calls = 0;
  int last_tag = -1;
  bool remove_self = false;
};

int count_calls(void* object, int command, int tag, int, int, int, int, int, int, int) {
  counter* c = static_cast<counter*>(object);
  if (command != VQCMD_TIMER) return 0;
  c->calls++;
  c->last_tag = tag;
  if (c->remove_self) vqtimer_remove(c, tag);
  return 0;
}

TEST(Timers, TimerObjectOfAHundredMsPostsTenTimesASecond) {
  vqplatform_start();
  drain();
  vqTimer timer(100);
  std::vector<int> codes = collect_for(3000);
  int mine = 0;
  for (int code : codes) mine += code == timer.event();
  EXPECT_GE(mine, 29);
  EXPECT_LE(mine, 31);
}

TEST(Timers, TimerObjectKeepsQuietWhileTheQueueHoldsThirtyThree) {
  vqplatform_start();
  drain();
  vqTimer timer(10);
  for (int i = 0; i < 33; i++) vqpostevent(1);
  for (int i = 0; i < 50; i++) {
    vqheadless_advance(10);
    vqpump_nonblocking();
  }
  EXPECT_EQ(vqevent_count(), 33);
  vqwaitevent();   // 32 left: the next firing posts
  vqheadless_advance(10);
  vqpump_nonblocking();
  EXPECT_EQ(vqevent_count(), 33);
  int last = 0;
  while (vqeventpending()) last = vqwaitevent();
  EXPECT_EQ(last, timer.event());
}

TEST(Timers, ShortIntervalsFireSeveralTimesPerTickAndHandlersMayRemoveThemselves) {
  vqplatform_start();
  counter fast, once;
  once.remove_self = true;
  vqtimer_set(count_calls, &fast, 3, 7);
  vqtimer_set(count_calls, &once, 1, 8);
  vqheadless_advance(10);
  vqticks_serve();
  vqtimer_remove(&fast, 7);
  EXPECT_EQ(fast.calls, 3) << "10 ms of elapsed time hold three 3 ms intervals";
  EXPECT_EQ(fast.last_tag, 7);
  EXPECT_EQ(once.calls, 1) << "removing its own slot ends the loop for that slot";
}

TEST(Timers, SettingAnExistingTimerRestartsItWithoutReplacingTheHandler) {
  vqplatform_start();
  counter c;
  vqtimer_set(count_calls, &c, 50, 1);
  vqheadless_advance(40);
  for (int i = 0; i < 5; i++) vqticks_serve();
  vqtimer_set(nullptr, &c, 50, 1);   // restart: elapsed back to 0, handler kept
  vqheadless_advance(40);
  for (int i = 0; i < 5; i++) vqticks_serve();
  EXPECT_EQ(c.calls, 0);
  vqheadless_advance(10);
  vqticks_serve();
  EXPECT_EQ(c.calls, 1);
  vqtimer_setinterval(20, &c, 1);
  vqheadless_advance(40);
  for (int i = 0; i < 5; i++) vqticks_serve();
  EXPECT_EQ(c.calls, 3);
  vqtimer_remove(&c, 1);
}

TEST(Timers, AHundredAndFirstTimerIsRefusedWithAMessage) {
  vqplatform_start();
  static counter many[101];
  testing::internal::CaptureStdout();
  for (int i = 0; i < 101; i++) vqtimer_set(count_calls, &many[i], 1000, 0);
  std::string out = testing::internal::GetCapturedStdout();
  // Other tests of this process may hold slots too: at least the last one fails.
  EXPECT_NE(out.find("too many timers !\n"), std::string::npos);
  for (counter& c : many) vqtimer_remove(&c, 0);
  testing::internal::CaptureStdout();
  vqtimer_set(count_calls, &many[0], 1000, 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "freed slots are used again";
  vqtimer_remove(&many[0], 0);
}

TEST(Timers, AStalledProgramCatchesUpAtMostTenTicksPerPassAndForgetsBeyondAHundredSeconds) {
  vqplatform_start();
  counter c;
  vqtimer_set(count_calls, &c, 10, 3);
  for (int i = 0; i < 20; i++) vqticks_serve();   // nothing left over from earlier
  c.calls = 0;
  vqheadless_advance(200000);
  vqticks_serve();
  EXPECT_EQ(c.calls, 10);
  int passes = 1;
  for (int last = -1; last != c.calls; passes++) {
    last = c.calls;
    vqticks_serve();
  }
  EXPECT_EQ(c.calls, 10000);
  EXPECT_EQ(passes, 1001);
  vqtimer_remove(&c, 3);
}

TEST(Timers, TheNextDueTimeIsTheSoonestSlotRoundedUpToWholeTicks) {
  vqplatform_start();
  for (int i = 0; i < 20; i++) vqticks_serve();   // nothing left over from earlier
  ASSERT_EQ(vqtimer_next_due_ms(), -1) << "no timer set";
  struct {
    int interval, ms_run, lowered_to, second_interval, due;
  } cases[] = {
      {200, 0, 0, 0, 200},
      {35, 0, 0, 0, 40},    // fires on the fourth tick
      {35, 10, 0, 0, 30},   // 25 ms left
      {3, 0, 0, 0, 10},     // several firings on the next tick
      {50, 40, 20, 0, 10},  // lowered below elapsed: the next tick
      {200, 0, 0, 70, 70},
      {5000, 0, 0, 0, 5000},
  };
  for (const auto& c : cases) {
    counter one, two;
    vqtimer_set(count_calls, &one, c.interval, 1);
    if (c.second_interval != 0) vqtimer_set(count_calls, &two, c.second_interval, 2);
    vqheadless_advance(static_cast<uint32_t>(c.ms_run));
    vqticks_serve();
    if (c.lowered_to != 0) vqtimer_setinterval(c.lowered_to, &one, 1);
    EXPECT_EQ(vqtimer_next_due_ms(), c.due) << "interval " << c.interval << " after " << c.ms_run << " ms";
    EXPECT_EQ(vqticks_wait_ms(1000), static_cast<uint32_t>(c.due < 1000 ? c.due : 1000));
    vqtimer_remove(&one, 1);
    vqtimer_remove(&two, 2);
  }
  EXPECT_EQ(vqticks_wait_ms(1000), 1000u) << "no timer: only input can end the wait";
}

TEST(Timers, TicksLeftOverByTheCatchUpLimitEndTheWaitAtOnce) {
  vqplatform_start();
  counter c;
  vqtimer_set(count_calls, &c, 10, 4);
  for (int i = 0; i < 20; i++) vqticks_serve();
  vqheadless_advance(150);
  vqticks_serve();
  EXPECT_EQ(vqticks_wait_ms(1000), 0u);
  vqticks_serve();
  EXPECT_EQ(c.calls, 15);
  EXPECT_EQ(vqticks_wait_ms(1000), 10u);
  vqtimer_remove(&c, 4);
}

TEST(Timers, AnIdleLoopWaitsUntilItsTimerIsDueNotForEveryTick) {
  vqplatform_start();
  drain();
  struct waits {
    int calls = 0;
  } w;
  vqheadless_set_idle_hook([](void* context) { static_cast<waits*>(context)->calls++; }, &w);
  vqTimer timer(200);
  std::vector<uint64_t> fired;
  while (fired.size() < 10) {
    if (vqwaitevent() == timer.event()) fired.push_back(vqheadless_now());
  }
  vqheadless_set_idle_hook(nullptr, nullptr);
  // One long wait per firing, and one look for the ticks that the catch-up
  // limit leaves over, instead of twenty 10 ms waits.
  EXPECT_LE(w.calls, 2 * 10 + 1);
  for (size_t i = 1; i < fired.size(); i++) EXPECT_EQ(fired[i] - fired[i - 1], 200u) << "firing " << i;
}

TEST(Wait, HalfASecondOnTheVirtualClock) {
  vqplatform_start();
  uint64_t start = vqheadless_now();
  vqwait(0.5);
  uint64_t took = vqheadless_now() - start;
  EXPECT_GE(took, 500u);
  EXPECT_LE(took, 520u);
  start = vqheadless_now();
  vqwait(0);
  EXPECT_EQ(vqheadless_now(), start);
}

TEST(Wait, KeepsWindowsAliveAndLeavesPostedEventsQueued) {
  vqplatform_start();
  drain();
  struct seen {
    int messages = 0;
  } s;
  int window = vqplatform_window_create(
      "w", 0, 0, 10, 10, 0, [](void* object, const vqplatform_msg*) { static_cast<seen*>(object)->messages++; }, &s);
  ASSERT_GT(window, 0);
  vqheadless_mouse_move(window, 1, 1);
  vqheadless_click(window, 2, 2);
  vqTimer timer(100);
  vqwait(1.0);
  EXPECT_EQ(s.messages, 3);
  int posted = 0;
  while (vqeventpending()) posted += vqwaitevent() == timer.event();
  EXPECT_GE(posted, 9);
  EXPECT_LE(posted, 10);
  vqplatform_window_destroy(window);
}

TEST(Wait, AMinuteOfProgramTimePassesInMilliseconds) {
  vqplatform_start();
  vqTimer timer(1000);
  auto t0 = std::chrono::steady_clock::now();
  uint64_t v0 = vqheadless_now();
  vqwait(60.0);
  auto real_ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();
  EXPECT_GE(vqheadless_now() - v0, 60000u);
  EXPECT_LT(real_ms, 1000) << "a minute of virtual time took " << real_ms << " ms of real time";
  drain();
}

}  // namespace
