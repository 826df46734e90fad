// Lines: the DDA's pixels, clipping that matches the unclipped line, absurd
// coordinates, and lines several pixels thick.
#include "test_draw_util.h"
#include "vqdraw.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace {

struct LineCase {
  int x1, y1, x2, y2;
  PixelSet expected;
};

TEST(DrawLine, DdaPixelsBothWays) {
  const LineCase cases[] = {
      {0, 0, 5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}},
      {5, 2, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}},
      // Half-way minor values round up in both directions.
      {0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {4, 2, 0, 0, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
      {0, 0, 2, 5, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}}},
      {6, 1, 1, 6, {{6, 1}, {5, 2}, {4, 3}, {3, 4}, {2, 5}, {1, 6}}},
      {3, 3, 3, 3, {{3, 3}}},
      {2, 4, 6, 4, {{2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}}},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2);
    TestPixmap p(8, 8, VQPX_TRUECOLOR);
    vqdraw_line(&p.pm, c.x1, c.y1, c.x2, c.y2, 0xFF0000);
    EXPECT_EQ(pixels_of(&p.pm, 0xFF0000), c.expected);
    EXPECT_EQ(p.pm.pen_x, c.x2);
    EXPECT_EQ(p.pm.pen_y, c.y2);
  }
}

// A clipped line shows exactly the part of the whole line that falls on the
// pixmap: the same line drawn 20 pixels further in on a larger pixmap and
// cut back must give the same pixels. Lines that run just above row 0
// (minor values between -1 and -0.5) must not be pulled onto it.
TEST(DrawLine, ClippedLineIsACutOfTheWholeLine) {
  const int lines[][4] = {{-7, -3, 12, 9}, {0, -3, 10, 3},  {-1, -1, 30, -1}, {5, -20, 2, 25},
                          {12, 0, -5, 4},  {-9, 11, 11, -9}, {3, -1, 9, -1},  {-3, 4, 4, -2}};
  for (const auto& l : lines) {
    SCOPED_TRACE(testing::Message() << l[0] << "," << l[1] << " - " << l[2] << "," << l[3]);
    TestPixmap small(10, 10, VQPX_TRUECOLOR), big(60, 60, VQPX_TRUECOLOR);
    vqdraw_line(&small.pm, l[0], l[1], l[2], l[3], 7);
    vqdraw_line(&big.pm, l[0] + 20, l[1] + 20, l[2] + 20, l[3] + 20, 7);
    PixelSet cut;
    for (auto [x, y] : pixels_of(&big.pm, 7))
      if (x >= 20 && x < 30 && y >= 20 && y < 30) cut.insert({x - 20, y - 20});
    EXPECT_EQ(pixels_of(&small.pm, 7), cut);
  }
}

TEST(DrawLine, AbsurdCoordinatesFinishAtOnce) {
  auto start = std::chrono::steady_clock::now();
  TestPixmap p(10, 10, VQPX_PALETTE8);
  vqdraw_line(&p.pm, -2000000000, -2000000000, 2000000000, 2000000000, 1);
  PixelSet diagonal;
  for (int i = 0; i < 10; i++) diagonal.insert({i, i});
  EXPECT_EQ(pixels_of(&p.pm, 1), diagonal);
  vqdraw_line(&p.pm, INT_MIN, 0, INT_MAX, 9, 2);  // 4.5 at x = 0 rounds to row 5
  PixelSet row5;
  for (int i = 0; i < 10; i++) row5.insert({i, 5});
  EXPECT_EQ(pixels_of(&p.pm, 2), row5);
  vqdraw_line(&p.pm, INT_MAX, INT_MIN, INT_MIN, INT_MAX, 3);
  vqdraw_line(&p.pm, INT_MIN, INT_MIN, INT_MIN, INT_MAX, 4);  // far left: nothing
  vqdraw_line(&p.pm, 3, INT_MAX, 3, INT_MIN, 4);
  EXPECT_EQ(pixels_of(&p.pm, 4).size(), 10u);
  EXPECT_EQ(p.pm.pen_y, INT_MIN);
  vqdraw_wideline(&p.pm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 5, INT_MAX, INT_MAX);
  EXPECT_EQ(pixels_of(&p.pm, 5).size(), 100u);
  vqdraw_wideline(&p.pm, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 6, INT_MAX, 1);
  EXPECT_EQ(pixels_of(&p.pm, 6).size(), 0u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

// The thick line is the union of wx x wy blocks centred on the thin line's
// points (an even size reaches one pixel further right or down).
TEST(DrawLine, WideLineIsTheUnionOfBlocksOnTheThinLine) {
  const int cases[][6] = {{2, 2, 6, 2, 3, 3},   {3, 0, 3, 4, 2, 1},   {1, 1, 12, 5, 3, 3},
                          {12, 1, 2, 13, 4, 2}, {0, 13, 13, 0, 1, 5}, {7, 7, 7, 7, 5, 3},
                          {-4, 3, 20, 9, 3, 7}, {5, 2, 9, 14, 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c[0] << "," << c[1] << " - " << c[2] << "," << c[3]
                                    << " size " << c[4] << "x" << c[5]);
    TestPixmap thin(16, 16, VQPX_TRUECOLOR), wide(16, 16, VQPX_TRUECOLOR);
    // The thin line on a pixmap large enough that no point is lost.
    TestPixmap whole(64, 64, VQPX_TRUECOLOR);
    vqdraw_line(&whole.pm, c[0] + 24, c[1] + 24, c[2] + 24, c[3] + 24, 1);
    PixelSet expected;
    for (auto [px, py] : pixels_of(&whole.pm, 1))
      for (int by = 0; by < c[5]; by++)
        for (int bx = 0; bx < c[4]; bx++) {
          int x = px - 24 - (c[4] - 1) / 2 + bx, y = py - 24 - (c[5] - 1) / 2 + by;
          if (x >= 0 && y >= 0 && x < 16 && y < 16) expected.insert({x, y});
        }
    vqdraw_wideline(&wide.pm, c[0], c[1], c[2], c[3], 9, c[4], c[5]);
    EXPECT_EQ(pixels_of(&wide.pm, 9), expected);
    EXPECT_EQ(wide.pm.pen_x, c[2]);
  }
  TestPixmap p(8, 5, VQPX_TRUECOLOR);
  vqdraw_wideline(&p.pm, 2, 2, 5, 2, 9, 3, 3);
  EXPECT_EQ(picture(&p.pm, {{9, '#'}}),
            (std::vector<std::string>{"........", ".######.", ".######.", ".######.", "........"}));
}

TEST(DrawLine, EveryFormatStoresTheValueAsThePixmapDoes) {
  for (int format : kAllFormats) {
    SCOPED_TRACE(format);
    TestPixmap p(6, 4, format);
    vqdraw_line(&p.pm, 0, 0, 5, 2, 0x1234);
    vqdraw_wideline(&p.pm, 0, 3, 5, 3, 0x1234, 1, 1);
    int32_t stored = format == VQPX_PALETTE8 ? 0x34 : 0x1234;
    EXPECT_EQ(pixels_of(&p.pm, stored).size(), 12u);
  }
}

}  // namespace
