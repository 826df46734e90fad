// Scrolling a panel whose pixmap is larger than the panel.
#include "view_test_util.h"
#include "vqkeys.h"

namespace {

constexpr int32_t kRed = 0xFF0000;

struct Scrolling : testing::Test {
  TestHost host;
  Probe child, focusable;   // outlive the panel, which tells them VQCMD_CLOSE when it goes
  vqView v;
  void SetUp() override {
    // 100 x 100 showing a 100 x 400 pixmap: a vertical bar only.
    ASSERT_TRUE(vqgraphic_create(&v, "xs=100,ys=100,pys=400,bgcolor=000000"));
    ASSERT_TRUE(v.vscroll_shown);
    ASSERT_FALSE(v.hscroll_shown);
    add_region(&v, &child, 0, 0, 10, 10, 1);
    drain_codes();
  }
};

TEST_F(Scrolling, OffsetsStayBetweenZeroAndThePixmapLessThePanel) {
  struct Step {
    int command, position, expected_y;
  } steps[] = {
      {VQCMD_LINEUP, 0, 0},          // up at the top: nothing to do
      {VQCMD_LINEDOWN, 0, 5},        // a line is height / 20
      {VQCMD_PAGEDOWN, 0, 25},       // a page is height / 5
      {VQCMD_SCROLLTOY, 290, 290},   // to a position
      {VQCMD_PAGEDOWN, 0, 300},      // held at 400 - 100
      {VQCMD_LINEDOWN, 0, 300},
      {VQCMD_PAGEUP, 0, 280},
      {VQCMD_SCROLLTOY, -50, 0},
  };
  for (const Step& s : steps) {
    int before = v.scroll_y;
    int told = child.count(VQCMD_SCROLLED), host_told = host.scroll_news;
    send(&v, s.command, s.position);
    EXPECT_EQ(v.scroll_y, s.expected_y) << s.command;
    // Regions hear of a change only; the host hears of every attempt.
    EXPECT_EQ(child.count(VQCMD_SCROLLED), told + (s.expected_y != before ? 1 : 0)) << s.command;
    EXPECT_EQ(host.scroll_news, host_told + 1) << s.command;
  }
  EXPECT_EQ(v.scroll_x, 0);
  send(&v, VQCMD_LINERIGHT);   // no horizontal bar: no horizontal scrolling
  EXPECT_EQ(v.scroll_x, 0);
}

TEST_F(Scrolling, TheHostShowsTheScrolledPart) {
  vqfillrect(0, 300, 50, 1, kRed);
  send(&v, VQCMD_SCROLLTOY, 300);
  EXPECT_EQ(host.at(10, 0), static_cast<uint32_t>(kRed));
  EXPECT_EQ(host.at(10, 1), 0u);
  // The bar is drawn at the right edge, inside the panel.
  EXPECT_EQ(host.at(83, 50), 0u);
  EXPECT_NE(host.at(90, 50), 0u);
}

TEST_F(Scrolling, WheelKeysAndTheBarScroll) {
  send(&v, VQCMD_WHEELDOWN, 50, 50);
  EXPECT_EQ(v.scroll_y, 5);
  EXPECT_EQ(drain_codes(), std::vector<int>{v.events[VQEV_WHEELDOWN]});
  send(&v, VQCMD_KEYDOWN, VQKEY_DOWN);
  EXPECT_EQ(v.scroll_y, 10);
  send(&v, VQCMD_KEYDOWN, VQKEY_UP);
  send(&v, VQCMD_WHEELUP, 50, 50);
  EXPECT_EQ(v.scroll_y, 0);
  send(&v, VQCMD_LEFTDOWN, 92, 95);   // the down arrow at the bar's foot
  EXPECT_EQ(v.scroll_y, 5);
  send(&v, VQCMD_LEFTDOWN, 92, 70);   // the trough below the thumb: a page
  EXPECT_EQ(v.scroll_y, 25);
  EXPECT_EQ(child.count(VQCMD_LEFTDOWN), 0);
  // With a focused region the wheel goes to it.
  EXPECT_EQ(send(&v, VQCMD_FOCUSREGION, 0), 0);   // the probe region is not focusable
  int r = add_region(&v, &focusable, 20, 20, 10, 10, 1 | 2);
  send(&v, VQCMD_FOCUSREGION, r);
  send(&v, VQCMD_WHEELDOWN, 50, 50);
  EXPECT_EQ(v.scroll_y, 25);
  EXPECT_EQ(focusable.count(VQCMD_WHEELDOWN), 1);
}

TEST(ScrollingKeys, NoKeyScrollKeepsArrowKeysFromScrolling) {
  TestHost host;
  vqView v;
  ASSERT_TRUE(vqgraphic_create(&v, "xs=100,ys=100,pys=400,nokeyscroll"));
  send(&v, VQCMD_KEYDOWN, VQKEY_DOWN);
  EXPECT_EQ(v.scroll_y, 0);
  send(&v, VQCMD_LINEDOWN);
  EXPECT_EQ(v.scroll_y, 5);
}

}  // namespace
