// Circles, ellipses and arcs: small shapes as drawings, symmetry and
// distance from the centre, arcs by quadrant, and huge radii.
#include "test_draw_util.h"
#include "vqdraw.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(DrawEllipse, SmallShapesAsDrawings) {
  TestPixmap p(7, 5, VQPX_TRUECOLOR), q(7, 5, VQPX_TRUECOLOR);
  vqdraw_circle(&p.pm, 2, 2, 2, 1);
  vqdraw_fillcircle(&p.pm, 6, 2, 2, 2);
  EXPECT_EQ(picture(&p.pm, {{1, '#'}, {2, 'o'}}), ".###.oo #...ooo #...ooo #...ooo .###.oo");
  vqdraw_ellipse(&q.pm, 3, 1, 3, 1, 1);  // radius 0: a point or a line; below 0: nothing
  vqdraw_ellipse(&q.pm, 1, 3, 0, 1, 1);
  vqdraw_fillcircle(&q.pm, 5, 4, 0, 1);
  vqdraw_circle(&q.pm, 3, 3, -1, 1);
  vqdraw_arc(&q.pm, 3, 3, -2, 2, 0, 360, 1);
  EXPECT_EQ(picture(&q.pm, {{1, '#'}}), ".#####. #.....# .#####. .#..... .#...#.");
}

// For every radius the circle is symmetric in both axes and the diagonal,
// lies no nearer than r - 1 to the centre and is the border of the filled
// circle, which holds exactly the pixels within r + 1/2.
TEST(DrawEllipse, CirclesAreSymmetricAndWithinTheirRadius) {
  const int c = 25;
  for (int r = 1; r <= 24; r++) {
    TestPixmap ring(51, 51, VQPX_PALETTE8), disc(51, 51, VQPX_PALETTE8);
    vqdraw_circle(&ring.pm, c, c, r, 1);
    vqdraw_fillcircle(&disc.pm, c, c, r, 1);
    auto on = [&](int x, int y) { return ring.at(x, y) == 1; };
    auto in = [&](int x, int y) { return disc.at(x, y) == 1; };
    for (int y = 0; y < 51; y++)
      for (int x = 0; x < 51; x++) {
        int dx = x - c, dy = y - c;
        bool border = in(x, y) && !(in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1));
        ASSERT_TRUE(on(x, y) == on(c - dx, y) && on(x, y) == on(x, c - dy) &&
                    on(x, y) == on(c + dy, c + dx) && on(x, y) == border &&
                    in(x, y) == (dx * dx + dy * dy <= r * r + r) &&
                    (!on(x, y) || std::hypot(dx, dy) >= r - 1))
            << "r " << r << " at " << dx << "," << dy;
      }
  }
}

TEST(DrawEllipse, ArcsByQuadrant) {
  const int c = 12;
  auto arc = [&](int start, int end, bool (*keep)(int dx, int dy)) {
    TestPixmap p(25, 25, VQPX_TRUECOLOR), whole(25, 25, VQPX_TRUECOLOR);
    vqdraw_arc(&p.pm, c, c, 10, 10, start, end, 1);
    vqdraw_circle(&whole.pm, c, c, 10, 1);
    PixelSet expected;
    for (auto [x, y] : pixels_of(&whole.pm, 1))
      if (keep(x - c, y - c)) expected.insert({x, y});
    return pixels_of(&p.pm, 1) == expected;
  };
  // 90 degrees is the top (screen y grows downward); arcs run counter-clockwise.
  EXPECT_TRUE(arc(0, 90, [](int dx, int dy) { return dx >= 0 && dy <= 0; }));
  EXPECT_TRUE(arc(90, 180, [](int dx, int dy) { return dx <= 0 && dy <= 0; }));
  EXPECT_TRUE(arc(-90, 0, [](int dx, int dy) { return dx >= 0 && dy >= 0; }));
  EXPECT_TRUE(arc(270, 90, [](int dx, int) { return dx >= 0; }));
  EXPECT_TRUE(arc(90, 0, [](int dx, int dy) { return dx <= 0 || dy >= 0; }));
  EXPECT_TRUE(arc(45, 45 + 720, [](int, int) { return true; }));
}

TEST(DrawEllipse, HugeRadiiAndPositions) {
  TestPixmap p(5, 5, VQPX_PALETTE8);
  vqdraw_circle(&p.pm, 0, 0, INT_MAX, 1);  // passes far outside
  vqdraw_ellipse(&p.pm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);
  vqdraw_fillcircle(&p.pm, INT_MIN, INT_MAX, INT_MAX, 1);
  vqdraw_fillellipse(&p.pm, 2, 2, INT_MAX, INT_MAX, 2);
  // Radius 10^9 + 3 around (-10^9, 2) runs straight down x = 3; centre and
  // radius INT_MAX touch x = 0.
  vqdraw_arc(&p.pm, -1000000000, 2, 1000000003, 1000000003, -10, 10, 3);
  vqdraw_arc(&p.pm, INT_MAX, 3, INT_MAX, INT_MAX, INT_MIN, INT_MAX, 4);
  EXPECT_EQ(picture(&p.pm, {{2, '.'}, {3, '|'}, {4, '!'}}), "!..|. !..|. !..|. !..|. !..|.");
}

}  // namespace
