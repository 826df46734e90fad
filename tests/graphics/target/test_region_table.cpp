// The hit-region table panels and windows keep: the edge rules, and slots
// taken, freed and taken again within a fixed room.
#include "view_test_util.h"
#include "vqregion.h"

#include <gtest/gtest.h>

#include <array>

namespace {

int g_objects[8];

vqregion_request request(int object, int x, int y, int w, int h, unsigned flags = VQREGION_MOUSE) {
  return {nullptr, &g_objects[object], x, y, w, h, flags};
}

TEST(RegionTable, TheEdgeRuleDecidesWhoseTheFirstRowAndColumnAre) {
  // Region (10, 20) of 30 x 40: its pixels run from 10 to 39 and 20 to 59.
  const vqregion r = vqregion_of(request(0, 10, 20, 30, 40));
  struct Case {
    int x, y;
    bool host_edge, region_edge;   // contained under each rule
  };
  const Case cases[] = {
      {10, 20, false, true},   // top-left pixel
      {11, 21, true, true},    // first pixel strictly inside
      {38, 58, true, true},    // last pixel strictly inside
      {39, 59, true, true},    // bottom-right pixel
      {39, 30, true, true},    // right column
      {25, 20, false, true},   // top row
      {10, 59, false, true},   // left column
      {40, 30, false, false},  // just right of it
      {25, 60, false, false},  // just below it
      {9, 30, false, false},   // just left of it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vqregion_contains(r, c.x, c.y, VQREGION_EDGE_HOST), c.host_edge) << c.x << "," << c.y;
    EXPECT_EQ(vqregion_contains(r, c.x, c.y, VQREGION_EDGE_REGION), c.region_edge) << c.x << "," << c.y;
  }
}

TEST(RegionTable, HitsFindTheMouseRegionsUnderThePointInTableOrder) {
  std::array<vqregion, 4> slots{};
  int count = 0;
  for (vqregion_edge edge : {VQREGION_EDGE_HOST, VQREGION_EDGE_REGION}) {
    slots = {};
    count = 0;
    const vqregion_table t{slots.data(), &count, 4, edge};
    ASSERT_EQ(vqregion_add(t, request(0, 0, 0, 100, 100)), 0);
    ASSERT_EQ(vqregion_add(t, request(1, 0, 0, 100, 100, VQREGION_HOVER)), 1);   // no mouse
    ASSERT_EQ(vqregion_add(t, request(2, 50, 50, 10, 10)), 2);
    EXPECT_EQ(vqregion_hit(t, 0, 55, 55), 0);
    EXPECT_EQ(vqregion_hit(t, 1, 55, 55), 2);   // the one without mouse is passed over
    EXPECT_EQ(vqregion_hit(t, 3, 55, 55), -1);
    // The corner pixel of region 2 is its own only under the region rule.
    EXPECT_EQ(vqregion_hit(t, 1, 50, 50), edge == VQREGION_EDGE_REGION ? 2 : -1);
    EXPECT_EQ(vqregion_hit(t, 0, 0, 0), edge == VQREGION_EDGE_REGION ? 0 : -1);
  }
}

TEST(RegionTable, FreedSlotsAreTakenAgainAndAFullTableRefuses) {
  std::array<vqregion, 3> slots{};
  int count = 0;
  const vqregion_table t{slots.data(), &count, 3, VQREGION_EDGE_HOST};
  EXPECT_EQ(vqregion_add(t, request(0, 1, 1, 5, 5)), 0);
  EXPECT_EQ(vqregion_add(t, request(1, 2, 2, 5, 5)), 1);
  EXPECT_EQ(vqregion_add(t, request(1, 3, 3, 5, 5)), 2);
  EXPECT_EQ(vqregion_add(t, request(2, 4, 4, 5, 5)), -1);
  EXPECT_EQ(count, 3);

  // Object 1 holds the last two slots: the table shrinks to the first.
  vqregion_remove(t, &g_objects[1]);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(vqregion_get(t, 1), nullptr);
  EXPECT_EQ(vqregion_add(t, request(2, 4, 4, 5, 5)), 1);

  // A hole below the last region in use keeps the span and is filled first.
  EXPECT_EQ(vqregion_add(t, request(3, 6, 6, 5, 5)), 2);
  vqregion_remove(t, &g_objects[0]);
  EXPECT_EQ(count, 3);
  EXPECT_EQ(vqregion_get(t, 0), nullptr);
  EXPECT_EQ(vqregion_add(t, request(4, 7, 7, 5, 5)), 0);
  EXPECT_EQ(vqregion_get(t, 0)->object, &g_objects[4]);

  // Indexes outside the span, and moves of them, are refused.
  for (int index : {-1, 3, 4}) {
    EXPECT_EQ(vqregion_get(t, index), nullptr) << index;
    EXPECT_FALSE(vqregion_move(t, index, 0, 0, 1, 1)) << index;
  }
  ASSERT_TRUE(vqregion_move(t, 2, 30, 40, 7, 8));
  EXPECT_EQ(vqregion_hit(t, 0, 31, 41), 2);
}

TEST(RegionTable, APanelsTableGrowsByAHundredSlotsKeepingItsRegions) {
  TestHost host;
  Probe probe;   // outlives the panel, which tells its regions when it goes
  vqView panel;
  ASSERT_TRUE(vqgraphic_create(&panel, "x=0,y=0,xs=200,ys=200"));
  struct Step {
    int regions;    // regions in the table after this step
    int capacity;
  };
  int added = 0;
  for (const Step& step : {Step{5, 5}, Step{6, 105}, Step{105, 105}, Step{106, 205}}) {
    for (; added < step.regions; added++) {
      ASSERT_EQ(add_region(&panel, &probe, added, 0, 1, 1, VQREGION_MOUSE), added);
    }
    EXPECT_EQ(panel.region_count, step.regions);
    EXPECT_EQ(panel.region_capacity, step.capacity);
  }
  for (int i = 0; i < added; i++) EXPECT_EQ(panel.regions[i].x, i);
}

}  // namespace
