// Mouse, key and focus routing of a panel to its hit regions, and the
// event codes it posts.
#include "view_test_util.h"

namespace {

enum : unsigned { kMouse = 1, kFocus = 2, kHover = 4, kKeepTab = 16 };

struct Input : testing::Test {
  TestHost host;
  Probe p, a, b, c;   // outlive the panel, which tells them 2001 when it goes
  vqView v;
  void SetUp() override {
    // At (10, 20) in the host; pixmap coordinates are the panel's own.
    ASSERT_TRUE(vqgraphic_create(&v, "x=10,y=20,xs=200,ys=100"));
    drain_codes();
  }
  void press(int px, int py) { send(&v, 2004, px + 10, py + 20); }
};

TEST_F(Input, OnlyPointsStrictlyInsideARegionReachIt) {
  add_region(&v, &p, 50, 30, 20, 10, kMouse);
  struct Case {
    int px, py;
    bool reaches;
  } cases[] = {
      {50, 35, false}, {51, 35, true}, {69, 35, true}, {70, 35, false},
      {60, 30, false}, {60, 31, true}, {60, 39, true}, {60, 40, false},
  };
  for (const Case& c : cases) {
    p.got.clear();
    press(c.px, c.py);
    EXPECT_EQ(p.count(2004), c.reaches ? 1 : 0) << c.px << "," << c.py;
    if (c.reaches) {
      EXPECT_EQ(p.got[0][1], c.px);
      EXPECT_EQ(p.got[0][2], c.py);
    }
  }
}

TEST_F(Input, ButtonsPostTheirCodesOrCallTheMouseCallback) {
  const int kinds[][2] = {{2004, VQEV_LEFTDOWN}, {2005, VQEV_LEFTUP}, {2006, VQEV_LEFTDOUBLE},
                          {2007, VQEV_MIDDLEDOWN}, {2008, VQEV_MIDDLEUP}, {2010, VQEV_RIGHTDOWN},
                          {2011, VQEV_RIGHTUP}, {2012, VQEV_RIGHTDOUBLE}};
  for (const auto& k : kinds) {
    send(&v, k[0], 15, 25);
    EXPECT_EQ(drain_codes(), std::vector<int>{v.events[k[1]]}) << k[0];
  }
  send(&v, 2009, 15, 25);   // middle double click: ignored
  EXPECT_TRUE(drain_codes().empty());
  int x = 0, y = 0;
  vqgraphic_lastevent(&x, &y);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, 5);

  static std::vector<std::array<int, 3>> calls;
  calls.clear();
  v.mouse_callback = [](void*, int code, int px, int py, int) {
    calls.push_back({code, px, py});
    return 0;
  };
  send(&v, 2004, 30, 40);
  EXPECT_TRUE(drain_codes().empty());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], (std::array<int, 3>{v.events[VQEV_LEFTDOWN], 20, 20}));
}

TEST_F(Input, AboveThePanelTheEventIsDroppedUnlessARegionHasCapturedTheMouse) {
  int r = add_region(&v, &p, 0, 0, 5, 5, kMouse);
  send(&v, 2004, 50, 10);   // host y 10 lies above the panel's top at 20
  EXPECT_TRUE(drain_codes().empty());
  EXPECT_EQ(p.count(2004), 0);
  send(&v, 8015, r);
  send(&v, 2004, 50, 10);
  EXPECT_EQ(p.count(2004), 1);   // captured: outside its rectangle, too
  EXPECT_EQ(drain_codes(), std::vector<int>{v.events[VQEV_LEFTDOWN]});
  send(&v, 8016);
  send(&v, 2004, 50, 10);
  EXPECT_EQ(p.count(2004), 1);
}

TEST_F(Input, HoverStartsAndEndsAsThePointerCrossesRegions) {
  add_region(&v, &a, 0, 0, 50, 50, kMouse | kHover);
  add_region(&v, &b, 100, 0, 50, 50, kMouse | kHover);
  send(&v, 2015, 10 + 20, 20 + 20);
  EXPECT_EQ(a.count(2025), 1);
  EXPECT_EQ(a.count(2015), 1);
  send(&v, 2015, 10 + 120, 20 + 20);
  EXPECT_EQ(a.count(2024), 1);
  EXPECT_EQ(b.count(2025), 1);
  EXPECT_EQ(vqtarget_send(1049), 120);
  EXPECT_EQ(vqtarget_send(1050), 20);
  send(&v, 2015, 10 + 80, 20 + 20);   // between the two
  EXPECT_EQ(b.count(2024), 1);
  EXPECT_EQ(v.hovered_region, -1);
  EXPECT_EQ(drain_codes().size(), 3u);   // one move code each
}

TEST_F(Input, FocusFollowsPressesTabAndEscape) {
  int ra = add_region(&v, &a, 0, 0, 50, 50, kMouse | kFocus);
  add_region(&v, &b, 60, 0, 50, 50, kMouse);   // not focusable
  int rc = add_region(&v, &c, 120, 0, 50, 50, kMouse | kFocus | kKeepTab);
  EXPECT_EQ(send(&v, 8010, ra), 1);
  EXPECT_EQ(send(&v, 8010, ra + 1), 0);
  EXPECT_TRUE(v.focused);
  send(&v, 2016, 9);   // Tab skips the region that takes no focus
  EXPECT_EQ(v.focused_region, rc);
  EXPECT_EQ(a.count(2019), 1);
  EXPECT_EQ(c.count(2018), 1);
  send(&v, 2016, 9);   // the focused region keeps its Tab
  EXPECT_EQ(v.focused_region, rc);
  EXPECT_EQ(c.count(2016), 1);
  send(&v, 2017, 9);
  EXPECT_EQ(c.count(2017), 1);
  send(&v, 2016, 27);   // Escape: the region gets it, then loses the focus
  EXPECT_EQ(c.count(2016), 2);
  EXPECT_EQ(c.count(2019), 1);
  EXPECT_EQ(v.focused_region, -1);
  send(&v, 8010, ra);
  press(190, 90);   // no region there: the focused one loses its focus
  EXPECT_EQ(a.count(2019), 2);
  EXPECT_EQ(v.focused_region, -1);
}

TEST_F(Input, AClickInANestedPanelPostsTheChildsCodeThenTheParents) {
  vqgraphic_select(&v);
  vqView child;
  ASSERT_TRUE(vqgraphic_create(&child, "x=20,y=10,xs=50,ys=50"));
  drain_codes();
  press(30, 25);
  EXPECT_EQ(drain_codes(), (std::vector<int>{child.events[VQEV_LEFTDOWN], v.events[VQEV_LEFTDOWN]}));
  int x = 0, y = 0;
  vqgraphic_lastevent(&x, &y);   // the parent posted last, in its coordinates
  EXPECT_EQ(x, 30);
  EXPECT_EQ(y, 25);
  EXPECT_TRUE(child.focused);
  EXPECT_EQ(v.focused_region, child.child_id);
  press(20, 25);   // the child's left border pixel belongs to the parent
  EXPECT_EQ(drain_codes(), std::vector<int>{v.events[VQEV_LEFTDOWN]});
}

}  // namespace
