// Circles, ellipses and arcs: small shapes as drawings, symmetry and
// distance from the centre, arcs by quadrant, huge radii and every format.
#include "test_draw_util.h"
#include "vqdraw.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>

namespace {

using Rows = std::vector<std::string>;

TEST(DrawEllipse, SmallShapesAsDrawings) {
  struct Case {
    const char* name;
    void (*draw)(vqpxmap*);
    Rows expected;
  };
  const Case cases[] = {
      {"circle r = 2", [](vqpxmap* pm) { vqdraw_circle(pm, 3, 3, 2, 1); },
       {".......", "..###..", ".#...#.", ".#...#.", ".#...#.", "..###..", "......."}},
      {"filled circle r = 2", [](vqpxmap* pm) { vqdraw_fillcircle(pm, 3, 3, 2, 1); },
       {".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}},
      {"radius 0 is one pixel, below 0 nothing", [](vqpxmap* pm) {
         vqdraw_circle(pm, 1, 1, 0, 1);
         vqdraw_fillcircle(pm, 5, 5, 0, 1);
         vqdraw_circle(pm, 3, 3, -1, 1);
         vqdraw_fillellipse(pm, 3, 3, 2, -2, 1);
         vqdraw_arc(pm, 3, 3, -2, 2, 0, 360, 1);
       },
       {".......", ".#.....", ".......", ".......", ".......", ".....#.", "......."}},
      {"flat ellipses are lines", [](vqpxmap* pm) {
         vqdraw_ellipse(pm, 3, 1, 3, 0, 1);
         vqdraw_ellipse(pm, 5, 4, 0, 2, 1);
       },
       {".......", "#######", ".....#.", ".....#.", ".....#.", ".....#.", ".....#."}},
      {"ellipse 3 x 1", [](vqpxmap* pm) { vqdraw_ellipse(pm, 3, 3, 3, 1, 1); },
       {".......", ".......", ".#####.", "#.....#", ".#####.", ".......", "......."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestPixmap p(7, 7, VQPX_TRUECOLOR);
    c.draw(&p.pm);
    EXPECT_EQ(picture(&p.pm, {{1, '#'}}), c.expected);
  }
}

// For every radius: the circle is symmetric in both axes and the diagonal,
// each pixel lies within r + 1/2 of the centre and not nearer than r - 1,
// it is the border of the filled circle, and the filled one holds exactly
// the pixels within r + 1/2.
TEST(DrawEllipse, CirclesAreSymmetricAndWithinTheirRadius) {
  const int c = 25;
  for (int r = 1; r <= 24; r++) {
    SCOPED_TRACE(r);
    TestPixmap ring(51, 51, VQPX_PALETTE8), disc(51, 51, VQPX_PALETTE8);
    vqdraw_circle(&ring.pm, c, c, r, 1);
    vqdraw_fillcircle(&disc.pm, c, c, r, 1);
    for (int y = 0; y < 51; y++)
      for (int x = 0; x < 51; x++) {
        int dx = x - c, dy = y - c;
        bool on = ring.at(x, y) == 1, in = disc.at(x, y) == 1;
        ASSERT_EQ(on, ring.at(c - dx, y) == 1) << dx << "," << dy;
        ASSERT_EQ(on, ring.at(x, c - dy) == 1) << dx << "," << dy;
        ASSERT_EQ(on, ring.at(c + dy, c + dx) == 1) << dx << "," << dy;
        ASSERT_EQ(in, dx * dx + dy * dy <= r * r + r) << dx << "," << dy;
        if (on) {
          ASSERT_GE(std::sqrt(dx * dx + dy * dy), r - 1.0) << dx << "," << dy;
        }
        bool border = in && (disc.at(x - 1, y) != 1 || disc.at(x + 1, y) != 1 ||
                             disc.at(x, y - 1) != 1 || disc.at(x, y + 1) != 1);
        ASSERT_EQ(on, border) << dx << "," << dy;
      }
    // The four extreme points are on the circle.
    EXPECT_EQ(ring.at(c + r, c), 1);
    EXPECT_EQ(ring.at(c, c - r), 1);
  }
}

TEST(DrawEllipse, EllipseTurnedIsTheTurnedEllipse) {
  for (int rx = 0; rx <= 12; rx += 3)
    for (int ry = 0; ry <= 12; ry += 4) {
      SCOPED_TRACE(testing::Message() << rx << " x " << ry);
      TestPixmap a(27, 27, VQPX_TRUECOLOR), b(27, 27, VQPX_TRUECOLOR);
      vqdraw_ellipse(&a.pm, 13, 13, rx, ry, 1);
      vqdraw_ellipse(&b.pm, 13, 13, ry, rx, 1);
      PixelSet turned;
      for (auto [x, y] : pixels_of(&b.pm, 1)) turned.insert({y, x});
      EXPECT_EQ(pixels_of(&a.pm, 1), turned);
      EXPECT_EQ(a.at(13 + rx, 13), 1);
      EXPECT_EQ(a.at(13, 13 - ry), 1);
      EXPECT_EQ(a.at(13 + rx + 1, 13), 0);
    }
}

TEST(DrawEllipse, ArcsByQuadrant) {
  const int c = 12, r = 10;
  TestPixmap whole(25, 25, VQPX_TRUECOLOR);
  vqdraw_circle(&whole.pm, c, c, r, 1);
  const PixelSet circle = pixels_of(&whole.pm, 1);
  auto arc = [&](int start, int end) {
    TestPixmap p(25, 25, VQPX_TRUECOLOR);
    vqdraw_arc(&p.pm, c, c, r, r, start, end, 1);
    return pixels_of(&p.pm, 1);
  };
  auto where = [&](bool (*keep)(int dx, int dy)) {
    PixelSet set;
    for (auto [x, y] : circle)
      if (keep(x - c, y - c)) set.insert({x, y});
    return set;
  };
  // 90 degrees is the top: screen y grows downward.
  EXPECT_EQ(arc(0, 90), where([](int dx, int dy) { return dx >= 0 && dy <= 0; }));
  EXPECT_EQ(arc(90, 180), where([](int dx, int dy) { return dx <= 0 && dy <= 0; }));
  EXPECT_EQ(arc(-90, 0), where([](int dx, int dy) { return dx >= 0 && dy >= 0; }));
  EXPECT_EQ(arc(270, 90), where([](int dx, int) { return dx >= 0; }));     // through 0
  EXPECT_EQ(arc(90, 0), where([](int dx, int dy) { return dx <= 0 || dy >= 0; }));
  EXPECT_EQ(arc(0, 360), circle);
  EXPECT_EQ(arc(45, 45 + 720), circle);
  PixelSet quarters;
  for (int q = 0; q < 4; q++)
    for (auto p : arc(q * 90, q * 90 + 90)) quarters.insert(p);
  EXPECT_EQ(quarters, circle);
}

TEST(DrawEllipse, HugeRadiiAndPositionsStayCheap) {
  auto start = std::chrono::steady_clock::now();
  TestPixmap p(10, 10, VQPX_PALETTE8);
  vqdraw_circle(&p.pm, 0, 0, INT_MAX, 1);  // passes far outside
  vqdraw_ellipse(&p.pm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);
  vqdraw_circle(&p.pm, INT_MAX, INT_MAX, 5, 1);
  EXPECT_EQ(pixels_of(&p.pm, 1).size(), 0u);
  // Centre INT_MAX, radius INT_MAX: the left end touches x = 0 (a sweep of
  // more than 360 degrees is the whole ellipse).
  vqdraw_arc(&p.pm, INT_MAX, 3, INT_MAX, INT_MAX, INT_MIN, INT_MAX, 6);
  PixelSet left;
  for (int y = 0; y < 10; y++) left.insert({0, y});
  EXPECT_EQ(pixels_of(&p.pm, 6), left);
  // A circle of radius 10^9 + 5 around (-10^9, 5) runs straight down x = 5.
  vqdraw_circle(&p.pm, -1000000000, 5, 1000000005, 2);
  PixelSet column;
  for (int y = 0; y < 10; y++) column.insert({5, y});
  EXPECT_EQ(pixels_of(&p.pm, 2), column);
  vqdraw_arc(&p.pm, -1000000000, 5, 1000000005, 1000000005, -10, 10, 3);
  EXPECT_EQ(pixels_of(&p.pm, 3), column);
  vqdraw_fillellipse(&p.pm, 5, 5, INT_MAX, INT_MAX, 4);
  EXPECT_EQ(pixels_of(&p.pm, 4).size(), 100u);
  vqdraw_fillcircle(&p.pm, INT_MIN, INT_MAX, INT_MAX, 5);
  EXPECT_EQ(pixels_of(&p.pm, 5).size(), 0u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(DrawEllipse, EveryFormat) {
  for (int format : kAllFormats) {
    SCOPED_TRACE(format);
    TestPixmap p(12, 7, format);
    vqdraw_fillcircle(&p.pm, 3, 3, 2, 0x0102);
    vqdraw_ellipse(&p.pm, 9, 3, 2, 3, 0x0304);
    vqdraw_arc(&p.pm, 9, 3, 2, 3, 0, 90, 0x0506);
    int32_t mask = format == VQPX_PALETTE8 ? 0xFF : 0xFFFF;
    EXPECT_EQ(pixels_of(&p.pm, 0x0102 & mask).size(), 21u);
    EXPECT_EQ(p.at(9, 6), 0x0304 & mask);
    EXPECT_EQ(p.at(11, 3), 0x0506 & mask);
    EXPECT_EQ(p.at(9, 0), 0x0506 & mask);
  }
}

}  // namespace
