// The panels' scrollbars: buttons, trough and thumb in the theme colors, the
// thumb's place and length, the horizontal bar as the turned vertical one,
// and sizes too small or too large.
#include "test_draw_util.h"
#include "vqcolor.h"
#include "vqdraw.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Asked for inside each test: the platform is chosen once a test runs.
struct Theme {
  static int32_t of(int index) { return static_cast<int32_t>(vqcolor_system(index)); }
  int32_t grey = of(VQCOLOR_GREY), white = of(VQCOLOR_WHITE), dark = of(VQCOLOR_DARK);
  int32_t trough = of(VQCOLOR_VERYLIGHT), arrow = of(VQCOLOR_TEXT);
};

// Rows y0..y1 of the middle column that show the thumb's face or frame.
std::pair<int, int> thumb_rows(const TestPixmap& p, int x, int from, int to) {
  const Theme t;
  int first = -1, last = -1;
  for (int y = from; y <= to; y++)
    if (p.at(x, y) != t.trough) {
      if (first < 0) first = y;
      last = y;
    }
  return {first, last};
}

TEST(DrawScrollbar, VerticalBarParts) {
  const Theme t;
  TestPixmap p(16, 100, VQPX_TRUECOLOR);
  vqdraw_vscrollbar(&p.pm, 0, 0, 16, 100, 0, 50);
  // Raised square buttons at both ends with the classic 7 x 4 arrows.
  EXPECT_EQ(p.at(0, 0), t.white);
  EXPECT_EQ(p.at(15, 0), t.dark);
  EXPECT_EQ(p.at(15, 15), t.dark);
  EXPECT_EQ(p.at(2, 2), t.grey);
  EXPECT_EQ(p.at(0, 84), t.white);
  EXPECT_EQ(p.at(7, 99), t.dark);
  PixelSet up, down;
  for (auto [x, y] : pixels_of(&p.pm, t.arrow)) (y < 16 ? up : down).insert({x, y});
  EXPECT_EQ(up.size(), 16u);
  EXPECT_EQ(down.size(), 16u);
  EXPECT_TRUE(up.count({7, 6}));   // tip of the up arrow
  EXPECT_TRUE(up.count({4, 9}));   // its base 4..10
  EXPECT_TRUE(down.count({7, 93}));
  // Thumb: half of the 68-pixel track, at the top for position 0, at the
  // bottom for 100, in between for 50.
  EXPECT_EQ(thumb_rows(p, 8, 16, 83), (std::pair{16, 49}));
  EXPECT_EQ(p.at(8, 16), t.white);
  EXPECT_EQ(p.at(8, 49), t.dark);
  EXPECT_EQ(p.at(8, 50), t.trough);
  vqdraw_vscrollbar(&p.pm, 0, 0, 16, 100, 100, 50);
  EXPECT_EQ(thumb_rows(p, 8, 16, 83), (std::pair{50, 83}));
  vqdraw_vscrollbar(&p.pm, 0, 0, 16, 100, 50, 50);
  EXPECT_EQ(thumb_rows(p, 8, 16, 83), (std::pair{33, 66}));
  // Out-of-range values are held to 0..100; a tiny thumb stays visible.
  vqdraw_vscrollbar(&p.pm, 0, 0, 16, 100, 900, -5);
  EXPECT_EQ(thumb_rows(p, 8, 16, 83), (std::pair{76, 83}));
}

TEST(DrawScrollbar, HorizontalIsTheTurnedVertical) {
  for (auto [length, pos, size] : {std::tuple{100, 30, 40}, std::tuple{40, 100, 100},
                                   std::tuple{20, 0, 0}, std::tuple{9, 50, 50}}) {
    SCOPED_TRACE(length);
    TestPixmap v(16, length, VQPX_TRUECOLOR), h(length, 16, VQPX_TRUECOLOR);
    vqdraw_vscrollbar(&v.pm, 0, 0, 16, length, pos, size);
    vqdraw_hscrollbar(&h.pm, 0, 0, length, 16, pos, size);
    for (int y = 0; y < length; y++)
      for (int x = 0; x < 16; x++) ASSERT_EQ(v.at(x, y), h.at(y, x)) << x << "," << y;
  }
}

TEST(DrawScrollbar, SmallAndAbsurdSizes) {
  const Theme t;
  TestPixmap p(20, 20, VQPX_TRUECOLOR);
  vqpxmap_clear(&p.pm, 0x123456);
  vqdraw_vscrollbar(&p.pm, 2, 2, 0, 10, 0, 0);
  vqdraw_hscrollbar(&p.pm, 2, 2, 10, -1, 0, 0);
  EXPECT_EQ(pixels_of(&p.pm, 0x123456).size(), 400u);
  // Shorter than two square buttons: two halves, no thumb, nothing outside.
  vqdraw_vscrollbar(&p.pm, 2, 2, 16, 20, 0, 50);
  EXPECT_EQ(p.at(2, 2), t.white);
  EXPECT_EQ(p.at(2, 12), t.white);
  EXPECT_EQ(p.at(17, 11), t.dark);
  EXPECT_EQ(p.at(1, 2), 0x123456);
  EXPECT_EQ(pixels_of(&p.pm, t.trough).size(), 0u);
  vqdraw_vscrollbar(&p.pm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MIN);
  vqdraw_hscrollbar(&p.pm, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 50, 50);
  vqdraw_hscrollbar(&p.pm, -5, 0, INT_MAX, 16, 50, 50);
  EXPECT_EQ(p.at(10, 10), t.dark);    // the left button's edge
  EXPECT_EQ(p.at(12, 10), t.trough);  // a trough reaching far beyond the pixmap
}

TEST(DrawScrollbar, PalettePixmapsTakeTheNearestEntries) {
  const Theme t;
  TestPixmap p(16, 60, VQPX_PALETTE8);
  vqdraw_vscrollbar(&p.pm, 0, 0, 16, 60, 0, 50);
  EXPECT_EQ(p.pm.palette[p.at(0, 0)], static_cast<uint32_t>(t.white));
  EXPECT_EQ(p.pm.palette[p.at(15, 15)], static_cast<uint32_t>(t.dark));
  EXPECT_EQ(p.pm.palette[p.at(7, 6)], static_cast<uint32_t>(t.arrow));
}

}  // namespace
