// Configuring, nesting and destroying graphic panels.
#include "view_test_util.h"

namespace {

constexpr uint32_t kRed = 0xFF0000, kWhite = 0xFFFFFF;

TEST(ViewConfig, WithoutAContainerNothingIsConfigured) {
  vqView v;
  EXPECT_FALSE(vqgraphic_create(&v, "xs=10,ys=10"));
  EXPECT_FALSE(v.created);
}

TEST(ViewConfig, ANarrowPixmapIsCentredAndTheRestShowsTheBackground) {
  TestHost host;
  vqView v;
  ASSERT_TRUE(vqgraphic_create(&v, "x=10,y=20,xs=300,ys=50,pxs=100,bgcolor=%06x", kWhite));
  EXPECT_EQ(v.centre_x, 100);
  EXPECT_EQ(v.centre_y, 0);
  EXPECT_EQ(v.pixmap.width, 100);
  EXPECT_EQ(v.pixmap.height, 50);
  vqclear(kRed);
  vqrefresh();
  EXPECT_EQ(host.at(10 + 99, 30), kWhite);
  EXPECT_EQ(host.at(10 + 100, 30), kRed);
  EXPECT_EQ(host.at(10 + 199, 30), kRed);
  EXPECT_EQ(host.at(10 + 200, 30), kWhite);
  EXPECT_EQ(host.at(9, 30), host.background);   // no border: the host is untouched
}

TEST(ViewConfig, ASmallerPixmapIsCentredOnBothAxes) {
  TestHost host;
  vqView v;
  ASSERT_TRUE(vqgraphic_create(&v, "xs=300,ys=300,pxs=200,pys=100"));
  EXPECT_EQ(v.centre_x, 50);
  EXPECT_EQ(v.centre_y, 100);
  vqclear(kRed);
  vqrefresh();
  EXPECT_EQ(host.at(50, 100), kRed);
  EXPECT_EQ(host.at(249, 199), kRed);
  EXPECT_NE(host.at(49, 100), kRed);
  EXPECT_NE(host.at(50, 200), kRed);
}

TEST(ViewConfig, ScrollbarsAppearOnlyBeyondTwentyOnePixels) {
  struct Case {
    const char* options;
    bool vertical, horizontal;
  } cases[] = {
      {"xs=100,ys=100,pxs=100,pys=121", false, false},
      {"xs=100,ys=100,pxs=100,pys=122", true, false},
      {"xs=100,ys=100,pxs=122,pys=100", false, true},
      // The vertical bar takes 16 pixels: 106 > 100 - 16 + 21.
      {"xs=100,ys=100,pxs=106,pys=122", true, true},
      {"xs=100,ys=100,pxs=105,pys=122", true, false},
      {"xs=100,ys=100,pxs=106,pys=122,noverticalscrollbar", false, false},
      {"xs=100,ys=100,pxs=300,pys=300,no horizontal scrollbar", true, false},
  };
  TestHost host;
  for (const Case& c : cases) {
    vqView v;
    ASSERT_TRUE(vqgraphic_create(&v, "%s", c.options));
    EXPECT_EQ(v.vscroll_shown, c.vertical) << c.options;
    EXPECT_EQ(v.hscroll_shown, c.horizontal) << c.options;
    EXPECT_EQ(vqtargetwidth(), v.pixmap.width - (c.vertical ? 16 : 0)) << c.options;
    ASSERT_FALSE(host.scrollbar_news.empty());
    EXPECT_EQ(host.scrollbar_news.back()[1], (c.vertical || c.horizontal) ? 1 : 0) << c.options;
  }
}

TEST(ViewConfig, ANestedPanelIsARegionOfItsHostPanel) {
  TestHost host;
  vqView outer, inner, quiet;
  ASSERT_TRUE(vqgraphic_create(&outer, "x=5,y=5,xs=200,ys=200,standardview"));
  ASSERT_EQ(vqcontainer_current()->object, &outer);
  ASSERT_TRUE(vqgraphic_create(&inner, "x=10,y=20,xs=50,ys=40,pys=200"));
  ASSERT_TRUE(vqgraphic_create(&quiet, "x=100,y=20,xs=50,ys=40,nofocus"));
  // Creating made them the target, not the container.
  EXPECT_EQ(vqcontainer_current()->object, &outer);
  EXPECT_EQ(vqtarget_current(), &quiet);
  ASSERT_EQ(host.added.size(), 1u);
  EXPECT_EQ(host.added[0].flags, 1u + 2 + 4 + 8);
  ASSERT_EQ(outer.region_count, 2);
  const vqregion& r = outer.regions[inner.child_id];
  EXPECT_EQ(r.object, &inner);
  EXPECT_EQ(r.x, 10);
  EXPECT_EQ(r.h, 40);
  EXPECT_TRUE(r.mouse && r.focusable && r.hover);
  EXPECT_TRUE(r.scrollbars);   // its pixmap is taller: VQCMD_HASSCROLLBARS said so
  const vqregion& q = outer.regions[quiet.child_id];
  EXPECT_FALSE(q.focusable);
  EXPECT_FALSE(q.scrollbars);
  // The nested panel's refresh lands in the outer panel's pixmap.
  vqtarget_set(vqView::command, &inner);
  vqclear(kRed);
  vqrefresh();
  EXPECT_EQ(vqpxmap_getpixel(&outer.pixmap, 10, 20), static_cast<int32_t>(kRed));
  EXPECT_EQ(host.at(5 + 10, 5 + 20), kRed);   // passed on by the outer panel's VQCMD_SHOWRECT
}

TEST(ViewConfig, DestroyingClearsTargetContainerAndChildren) {
  TestHost host;
  vqView outer, inner;
  ASSERT_TRUE(vqgraphic_create(&outer, "xs=200,ys=200,standardview"));
  ASSERT_TRUE(vqgraphic_create(&inner, "x=10,y=10,xs=50,ys=50"));
  vqgraphic_select(&outer);
  vqgraphic_destroy(&outer);
  EXPECT_FALSE(outer.created);
  EXPECT_FALSE(inner.created);   // every region got VQCMD_CLOSE
  EXPECT_NE(vqtarget_current(), &outer);
  EXPECT_EQ(vqcontainer_find(&outer), nullptr);
  EXPECT_EQ(vqcontainer_current(), nullptr);   // the host is entry 0: never the fallback
  EXPECT_EQ(host.removed, 1);
  EXPECT_EQ(outer.regions, nullptr);
  EXPECT_EQ(outer.pixmap.data, nullptr);
  EXPECT_EQ(vqpoint(1, 1, 0), 0);
  // The panel can be configured again.
  vqcontainer_register(&host.pm, TestHost::handler, &host, host.background, false);
  ASSERT_TRUE(vqgraphic_create(&outer, "xs=20,ys=20"));
  EXPECT_EQ(outer.pixmap.width, 20);
}

TEST(ViewConfig, AHiddenHostMakesThePanelInvisibleAndItsRefreshesAreSkipped) {
  TestHost host;
  host.hidden = 1;
  vqView v;
  ASSERT_TRUE(vqgraphic_create(&v, "xs=20,ys=20"));
  EXPECT_FALSE(v.visible);
  vqclear(kRed);
  vqrefresh();
  EXPECT_TRUE(host.shown.empty());
  EXPECT_EQ(vqrefresh_pending(), 0);
}

}  // namespace
