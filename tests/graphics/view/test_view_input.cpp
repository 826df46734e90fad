// Mouse, key and focus routing of a panel to its hit regions, and the
// event codes it posts.
#include "view_test_util.h"
#include "vqkeys.h"

namespace {

enum : unsigned { kMouse = 1, kFocus = 2, kHover = 4, kKeepTab = 16 };

struct Input : testing::Test {
  TestHost host;
  Probe p, a, b, c;   // outlive the panel, which tells them VQCMD_CLOSE when it goes
  vqView v;
  void SetUp() override {
    // At (10, 20) in the host; pixmap coordinates are the panel's own.
    ASSERT_TRUE(vqgraphic_create(&v, "x=10,y=20,xs=200,ys=100"));
    drain_codes();
  }
  void press(int px, int py) { send(&v, VQCMD_LEFTDOWN, px + 10, py + 20); }
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
    EXPECT_EQ(p.count(VQCMD_LEFTDOWN), c.reaches ? 1 : 0) << c.px << "," << c.py;
    if (c.reaches) {
      EXPECT_EQ(p.got[0][1], c.px);
      EXPECT_EQ(p.got[0][2], c.py);
    }
  }
}

TEST_F(Input, ButtonsPostTheirCodesOrCallTheMouseCallback) {
  const int kinds[][2] = {{VQCMD_LEFTDOWN, VQEV_LEFTDOWN},     {VQCMD_LEFTUP, VQEV_LEFTUP},
                          {VQCMD_LEFTDOUBLE, VQEV_LEFTDOUBLE}, {VQCMD_MIDDLEDOWN, VQEV_MIDDLEDOWN},
                          {VQCMD_MIDDLEUP, VQEV_MIDDLEUP},     {VQCMD_RIGHTDOWN, VQEV_RIGHTDOWN},
                          {VQCMD_RIGHTUP, VQEV_RIGHTUP},       {VQCMD_RIGHTDOUBLE, VQEV_RIGHTDOUBLE}};
  for (const auto& k : kinds) {
    send(&v, k[0], 15, 25);
    EXPECT_EQ(drain_codes(), std::vector<int>{v.events[k[1]]}) << k[0];
  }
  send(&v, VQCMD_MIDDLEDOUBLE, 15, 25);   // middle double click: ignored
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
  send(&v, VQCMD_LEFTDOWN, 30, 40);
  EXPECT_TRUE(drain_codes().empty());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], (std::array<int, 3>{v.events[VQEV_LEFTDOWN], 20, 20}));
}

TEST_F(Input, AboveThePanelTheEventIsDroppedUnlessARegionHasCapturedTheMouse) {
  int r = add_region(&v, &p, 0, 0, 5, 5, kMouse);
  send(&v, VQCMD_LEFTDOWN, 50, 10);   // host y 10 lies above the panel's top at 20
  EXPECT_TRUE(drain_codes().empty());
  EXPECT_EQ(p.count(VQCMD_LEFTDOWN), 0);
  send(&v, VQCMD_CAPTURE, r);
  send(&v, VQCMD_LEFTDOWN, 50, 10);
  EXPECT_EQ(p.count(VQCMD_LEFTDOWN), 1);   // captured: outside its rectangle, too
  EXPECT_EQ(drain_codes(), std::vector<int>{v.events[VQEV_LEFTDOWN]});
  send(&v, VQCMD_RELEASE);
  send(&v, VQCMD_LEFTDOWN, 50, 10);
  EXPECT_EQ(p.count(VQCMD_LEFTDOWN), 1);
}

TEST_F(Input, HoverStartsAndEndsAsThePointerCrossesRegions) {
  add_region(&v, &a, 0, 0, 50, 50, kMouse | kHover);
  add_region(&v, &b, 100, 0, 50, 50, kMouse | kHover);
  send(&v, VQCMD_MOUSEMOVE, 10 + 20, 20 + 20);
  EXPECT_EQ(a.count(VQCMD_HOVERSTART), 1);
  EXPECT_EQ(a.count(VQCMD_MOUSEMOVE), 1);
  send(&v, VQCMD_MOUSEMOVE, 10 + 120, 20 + 20);
  EXPECT_EQ(a.count(VQCMD_HOVEREND), 1);
  EXPECT_EQ(b.count(VQCMD_HOVERSTART), 1);
  EXPECT_EQ(vqtarget_send(VQCMD_MOUSEX), 120);
  EXPECT_EQ(vqtarget_send(VQCMD_MOUSEY), 20);
  send(&v, VQCMD_MOUSEMOVE, 10 + 80, 20 + 20);   // between the two
  EXPECT_EQ(b.count(VQCMD_HOVEREND), 1);
  EXPECT_EQ(v.hovered_region, -1);
  EXPECT_EQ(drain_codes().size(), 3u);   // one move code each
}

TEST_F(Input, FocusFollowsPressesTabAndEscape) {
  int ra = add_region(&v, &a, 0, 0, 50, 50, kMouse | kFocus);
  add_region(&v, &b, 60, 0, 50, 50, kMouse);   // not focusable
  int rc = add_region(&v, &c, 120, 0, 50, 50, kMouse | kFocus | kKeepTab);
  EXPECT_EQ(send(&v, VQCMD_FOCUSREGION, ra), 1);
  EXPECT_EQ(send(&v, VQCMD_FOCUSREGION, ra + 1), 0);
  EXPECT_TRUE(v.focused);
  send(&v, VQCMD_KEYDOWN, VQKEY_TAB);   // Tab skips the region that takes no focus
  EXPECT_EQ(v.focused_region, rc);
  EXPECT_EQ(a.count(VQCMD_FOCUSOUT), 1);
  EXPECT_EQ(c.count(VQCMD_FOCUSIN), 1);
  send(&v, VQCMD_KEYDOWN, VQKEY_TAB);   // the focused region keeps its Tab
  EXPECT_EQ(v.focused_region, rc);
  EXPECT_EQ(c.count(VQCMD_KEYDOWN), 1);
  send(&v, VQCMD_KEYUP, VQKEY_TAB);
  EXPECT_EQ(c.count(VQCMD_KEYUP), 1);
  send(&v, VQCMD_KEYDOWN, VQKEY_ESCAPE);   // Escape: the region gets it, then loses the focus
  EXPECT_EQ(c.count(VQCMD_KEYDOWN), 2);
  EXPECT_EQ(c.count(VQCMD_FOCUSOUT), 1);
  EXPECT_EQ(v.focused_region, -1);
  send(&v, VQCMD_FOCUSREGION, ra);
  press(190, 90);   // no region there: the focused one loses its focus
  EXPECT_EQ(a.count(VQCMD_FOCUSOUT), 2);
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
