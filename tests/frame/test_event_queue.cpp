#include "vqevent.h"
#include "vqheadless.h"
#include "vqkeys.h"
#include "vqplatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void drain() {
  while (vqeventpending()) vqpollevent();
}

TEST(EventQueue, SixtyFifthCodeIsLostUntilOneIsTaken) {
  vqplatform_start();
  drain();
  for (int i = 0; i < 64; i++) vqpostevent(5000 + i);
  vqpostevent(9999);
  EXPECT_EQ(vqevent_count(), 64);
  EXPECT_EQ(vqwaitevent(), 5000);
  vqpostevent(7777);
  std::vector<int> got;
  while (vqeventpending()) got.push_back(vqwaitevent());
  ASSERT_EQ(got.size(), 64u);
  EXPECT_EQ(got.front(), 5001);
  EXPECT_EQ(got[62], 5063);
  EXPECT_EQ(got.back(), 7777) << "the lost 9999 must not reappear";
}

TEST(EventQueue, OrderHoldsAcrossTheWrapOfTheRing) {
  vqplatform_start();
  drain();
  int next_in = 1, next_out = 1;
  for (int round = 0; round < 10; round++) {
    for (int i = 0; i < 40; i++) vqpostevent(next_in++);
    for (int i = 0; i < 40; i++) ASSERT_EQ(vqwaitevent(), next_out++);
  }
  EXPECT_EQ(vqeventpending(), 0);
}

TEST(EventQueue, NewEventCodesStartAtAMillionAndCountUp) {
  int a = vqnewevent(), b = vqnewevent();
  EXPECT_GE(a, 1000000);
  EXPECT_EQ(b, a + 1);
}

TEST(EventQueue, WaitForReturnsTheWantedCodeAndDiscardsOthers) {
  vqplatform_start();
  drain();
  vqpostevent(3);   // C
  vqpostevent(1);   // A
  vqpostevent(4);
  EXPECT_EQ(vqwaitfor(2, 1, 2), 1);
  EXPECT_EQ(vqwaitevent(), 4) << "C must be gone, the code behind A stays";
}

TEST(EventQueue, WaitForTakesCodesThatArriveWhileItWaits) {
  vqplatform_start();
  drain();
  struct poster {
    int calls = 0;
  } p;
  vqheadless_set_idle_hook(
      [](void* context) {
        poster* self = static_cast<poster*>(context);
        if (++self->calls == 3) {
          vqpostevent(77);
          vqpostevent(42);
        }
      },
      &p);
  EXPECT_EQ(vqwaitfor(1, 42), 42);
  EXPECT_EQ(vqeventpending(), 0);
  vqheadless_set_idle_hook(nullptr, nullptr);
}

size_t boxes_after(const std::vector<int>& keys) {
  vqheadless_clear_records();
  vqpostevent(VQKEY_ENTER);   // start from a reset counter
  for (int key : keys) vqpostevent(key);
  drain();
  return vqheadless_infoboxes().size();
}

TEST(EventQueue, FiveF12InARowShowTheInformationBox) {
  vqplatform_start();
  const int F12 = VQKEY_F12;
  EXPECT_EQ(boxes_after({F12, F12, F12, F12, F12}), 1u);
  EXPECT_EQ(boxes_after({F12, VQKEY_ENTER, F12, F12, F12, F12}), 0u) << "Enter resets the count";
  EXPECT_EQ(boxes_after({F12, F12, VQKEY_SHIFT, F12, F12, F12}), 1u) << "Shift lies above F12";
  EXPECT_EQ(boxes_after({F12, F12, F12, F12, F12, F12, F12, F12, F12, F12}), 2u);
  EXPECT_EQ(boxes_after({F12, F12, 1000000, F12, F12, F12}), 1u) << "object codes leave the count";
  ASSERT_EQ(boxes_after({F12, F12, F12, F12, F12}), 1u);
  const std::string& box = vqheadless_infoboxes()[0];
  EXPECT_NE(box.find("2.40.1708.29"), std::string::npos);
  EXPECT_NE(box.find("Linux, MacOS X, FreeBSD, MS-Windows, QNX"), std::string::npos);
}

}  // namespace
