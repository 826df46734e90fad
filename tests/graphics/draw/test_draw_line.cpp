// Lines and rectangles: the DDA's pixels, clipping that matches the
// unclipped line, thick lines, the rectangle shapes as drawings, and absurd
// coordinates.
#include "test_draw_util.h"
#include "vqdraw.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace {

TEST(DrawLine, DdaPixelsBothWays) {
  const struct {
    int x1, y1, x2, y2;
    const char* expected;
  } cases[] = {
      {0, 0, 5, 2, "##.... ..##.. ....##"}, {5, 2, 0, 0, "##.... ..##.. ....##"},
      {4, 2, 0, 0, "#..... .##... ...##."},  // halves round up either way
      {1, 0, 0, 2, ".#.... .#.... #....."},  {3, 1, 3, 1, "...... ...#.. ......"},
  };
  for (const auto& c : cases) {
    TestPixmap p(6, 3, VQPX_TRUECOLOR);
    vqdraw_line(&p.pm, c.x1, c.y1, c.x2, c.y2, 5);
    EXPECT_EQ(picture(&p.pm, {{5, '#'}}), c.expected) << c.x1 << "," << c.y1 << " " << c.x2;
    EXPECT_EQ(p.pm.pen_x * 10 + p.pm.pen_y, c.x2 * 10 + c.y2);
  }
}

// Drawn 20 pixels further in on a larger pixmap and cut back, a line gives
// the same pixels; lines just above row 0 (minor values between -1 and
// -0.5) are not pulled onto it. A thick line is the union of wx x wy blocks
// centred on the thin line's points (even sizes reach further right, down).
TEST(DrawLine, ClippedAndThickLinesFollowTheWholeThinLine) {
  const int cases[][6] = {{-7, -3, 12, 9, 1, 1}, {0, -3, 10, 3, 1, 1}, {-1, -1, 30, -1, 1, 1},
                          {5, -20, 2, 25, 1, 1}, {2, 2, 6, 2, 3, 3},   {3, 0, 3, 4, 2, 1},
                          {12, 1, 2, 13, 4, 2},  {0, 13, 13, 0, 1, 5}, {-4, 3, 20, 9, 3, 7}};
  for (const auto& c : cases) {
    TestPixmap whole(64, 64, VQPX_TRUECOLOR), cut(16, 16, VQPX_TRUECOLOR);
    vqdraw_line(&whole.pm, c[0] + 24, c[1] + 24, c[2] + 24, c[3] + 24, 1);
    PixelSet expected;
    for (auto [px, py] : pixels_of(&whole.pm, 1))
      for (int by = 0; by < c[5]; by++)
        for (int bx = 0; bx < c[4]; bx++) {
          int x = px - 24 - (c[4] - 1) / 2 + bx, y = py - 24 - (c[5] - 1) / 2 + by;
          if (x >= 0 && y >= 0 && x < 16 && y < 16) expected.insert({x, y});
        }
    if (c[4] == 1 && c[5] == 1) vqdraw_line(&cut.pm, c[0], c[1], c[2], c[3], 9);
    else vqdraw_wideline(&cut.pm, c[0], c[1], c[2], c[3], 9, c[4], c[5]);
    EXPECT_EQ(pixels_of(&cut.pm, 9), expected) << c[0] << "," << c[1] << " " << c[4] << "x" << c[5];
    EXPECT_EQ(cut.pm.pen_x, c[2]);
  }
}

TEST(DrawRect, ShapesAsDrawings) {
  TestPixmap p(9, 6, VQPX_TRUECOLOR), q(9, 6, VQPX_TRUECOLOR);
  vqdraw_rect(&p.pm, 1, 1, 3, 3, 1);  // the last pixels at x + w - 1, y + h - 1
  vqdraw_rect(&p.pm, 0, 5, 1, 1, 1);
  vqdraw_frame(&p.pm, 4, 0, 5, 3, 1, 2);  // c2 takes the two shared corners
  vqdraw_fillframe(&p.pm, 5, 3, 4, 3, 3, 1, 2);
  vqdraw_rect(&p.pm, 2, 2, 0, 3, 4);  // sizes below 1 draw nothing
  vqdraw_frame(&p.pm, 2, 2, -4, 3, 4, 4);
  vqdraw_fillframe(&p.pm, 2, 2, 3, 0, 4, 4, 4);
  vqdraw_shadowrect(&p.pm, 2, 2, 0, 0, 4);
  EXPECT_EQ(picture(&p.pm, {{1, 'a'}, {2, 'b'}, {3, 'c'}, {4, '!'}}),
            "....aaaab .aaaa...b .a.abbbbb .aaa.aaab .....accb a....bbbb");
  // Columns x + w, x + w + 1 from y + 2 to y + h + 1; rows y + h, y + h + 1
  // from x + 2 to x + w.
  vqdraw_shadowrect(&q.pm, 1, 0, 4, 3, 1);
  EXPECT_EQ(picture(&q.pm, {{1, '#'}}),
            ".####.... .#..#.... .######.. ...####.. ...####.. .........");
}

TEST(DrawShapes, AbsurdCoordinatesClipAtOnce) {
  auto start = std::chrono::steady_clock::now();
  TestPixmap p(5, 5, VQPX_PALETTE8), q(5, 5, VQPX_PALETTE8);
  vqdraw_line(&p.pm, -2000000000, -2000000000, 2000000000, 2000000000, 1);
  vqdraw_line(&p.pm, INT_MIN, 0, INT_MAX, 4, 2);  // 2 at x = 0 exactly
  vqdraw_line(&p.pm, INT_MIN, INT_MIN, INT_MIN, INT_MAX, 3);
  vqdraw_wideline(&p.pm, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 3, INT_MAX, 1);
  vqdraw_rect(&p.pm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 3);  // ends at -2
  vqdraw_rect(&p.pm, -5, -5, INT_MAX, INT_MAX, 3);            // every edge outside
  vqdraw_shadowrect(&p.pm, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 3);
  vqdraw_fillframe(&p.pm, 0, 0, INT_MIN, INT_MIN, 3, 3, 3);
  EXPECT_EQ(picture(&p.pm, {{1, '\\'}, {2, '-'}, {3, '!'}}), "\\.... .\\... ----- ...\\. ....\\");
  EXPECT_EQ(p.pm.pen_y, INT_MAX);
  vqdraw_wideline(&q.pm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 4, INT_MAX, INT_MAX);
  vqdraw_rect(&q.pm, 3, 3, INT_MAX, INT_MAX, 1);  // top and left edges only
  vqdraw_shadowrect(&q.pm, -3, -3, 4, 4, 2);      // corner 0, 0; shadow 1, 2
  EXPECT_EQ(picture(&q.pm, {{4, '.'}, {1, '#'}, {2, 's'}}), "sss.. sss.. sss.. ...## ...#.");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
