// Built-in graphics and scrollbars: shapes as drawings, fitting into boxes,
// the option and palette forms, absurd sizes; the scrollbar's parts and the
// horizontal bar as the turned vertical one.
#include "test_draw_util.h"
#include "vqcolor.h"
#include "vqdraw.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

int32_t theme(int index) { return static_cast<int32_t>(vqcolor_system(index)); }

TEST(DrawBuiltin, ShapesAsDrawings) {
  EXPECT_EQ(vqgraphic_builtin_id("DOWN"), VQGRAPHIC_DOWN);
  EXPECT_EQ(vqgraphic_builtin_id("Bullet"), VQGRAPHIC_BULLET);
  EXPECT_EQ(vqgraphic_builtin_id("upper"), 0);
  const struct {
    int id, w, h, rows;  // a box of 0 x 0: the natural size
    const char* expected;
  } cases[] = {
      {VQGRAPHIC_UP, 0, 0, 4, "...#...... ..###..... .#####.... #######..."},
      {VQGRAPHIC_LEFT, 0, 0, 7, "...#...... ..##...... .###...... ####...... .###...... "
                                "..##...... ...#......"},
      {VQGRAPHIC_BULLET, 0, 0, 10, ".......... ...####... ..######.. .########. .########. "
                                   ".########. .########. ..######.. ...####... .........."},
      // An up-down control's arrow box: the largest arrow that fits, centred.
      {VQGRAPHIC_UP, 10, 8, 7,
       ".......... ....#..... ...###.... ..#####... .#######.. #########. .........."},
      {VQGRAPHIC_DOWN, 6, 4, 3, "#####..... .###...... ..#......."},
      {VQGRAPHIC_RIGHT, 3, 6, 5, "#......... ##........ ###....... ##........ #........."},
      {VQGRAPHIC_BULLET, 5, 4, 4, ".##....... ####...... ####...... .##......."},
  };
  for (const auto& c : cases) {
    TestPixmap p(10, c.rows, VQPX_TRUECOLOR);
    vqpxmap_clear(&p.pm, 0xFFFFFF);
    EXPECT_TRUE(vqdraw_builtin(&p.pm, c.id, 0, 0, c.w, c.h, -1));  // the graphic's own black
    EXPECT_EQ(picture(&p.pm, {{0, '#'}, {0xFFFFFF, '.'}}), c.expected) << c.id;  // ground kept
  }
}

TEST(DrawBuiltin, OptionAndPaletteForms) {
  TestPixmap p(10, 5, VQPX_TRUECOLOR);
  vqdraw_builtin_options(&p.pm, VQGRAPHIC_UP, 0, 0, "x=2,y=1,xs=6,ys=4,color=0xFF0000");
  EXPECT_EQ(picture(&p.pm, {{0xFF0000, '#'}}),
            ".......... ....#..... ...###.... ..#####... ..........");
  // A transparent color paints the box first; without x=, y= the position
  // arguments count.
  vqpxmap_clear(&p.pm, 0xFFFFFF);
  vqdraw_builtin_options(&p.pm, VQGRAPHIC_DOWN, 1, 1, "xs=5,ys=3,transcolor=0x0000FF");
  EXPECT_EQ(picture(&p.pm, {{0, '#'}, {0xFF, 'b'}}),
            ".......... .#####.... .b###b.... .bb#bb.... ..........");
  // Palette code 1: the engraved look, a dark shape over a white copy.
  vqpxmap_clear(&p.pm, 0x123456);
  EXPECT_TRUE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_UP, 0, 0, "palettecode=1"));
  EXPECT_EQ(picture(&p.pm, {{theme(VQCOLOR_DARK), 'd'}, {theme(VQCOLOR_WHITE), 'w'}}),
            "...d...... ..ddd..... .ddddd.... ddddddd... .wwwwwww..");
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_UP, 0, 0, "palettecode=2"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqdraw_builtin_options: wrong palette code 2\n");
  EXPECT_FALSE(vqdraw_builtin(&p.pm, VQGRAPHIC_COUNT, 0, 0, 0, 0, 1));
  uint32_t palette[256] = {0x00AA00};  // the palette form inks with entry 0
  EXPECT_TRUE(vqdraw_builtin_palette(&p.pm, VQGRAPHIC_UP, 1, 0, palette));
  EXPECT_EQ(pixels_of(&p.pm, 0x00AA00).size(), 16u);
  // On a palette pixmap the theme colors become the nearest entries.
  TestPixmap q(8, 5, VQPX_PALETTE8);
  vqdraw_builtin_options(&q.pm, VQGRAPHIC_UP, 0, 0, "palettecode=1");
  EXPECT_EQ(q.pm.palette[q.at(1, 4)], vqcolor_system(VQCOLOR_WHITE));
}

TEST(DrawBuiltin, AbsurdPositionsAndSizes) {
  TestPixmap p(10, 10, VQPX_PALETTE8);
  for (int id = VQGRAPHIC_UP; id < VQGRAPHIC_COUNT; id++) {
    vqdraw_builtin(&p.pm, id, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);
    vqdraw_builtin(&p.pm, id, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 1);
    vqdraw_builtin(&p.pm, id, 3, 3, INT_MIN, -1, 1);
  }
  EXPECT_EQ(pixels_of(&p.pm, 1).size(), 0u);
  vqdraw_builtin_options(&p.pm, VQGRAPHIC_BULLET, 0, 0,
                         "x=-1000000000,y=-1000000000,xs=2000000010,ys=99999999999,color=2");
  EXPECT_EQ(pixels_of(&p.pm, 2).size(), 100u);  // inside a huge disc
}

TEST(DrawScrollbar, VerticalBarParts) {
  TestPixmap p(16, 100, VQPX_TRUECOLOR);
  auto thumb = [&](int pos, int size) {  // first and last row of the thumb
    vqdraw_vscrollbar(&p.pm, 0, 0, 16, 100, pos, size);
    std::pair<int, int> rows{-1, -1};
    for (int y = 16; y < 84; y++)
      if (p.at(8, y) != theme(VQCOLOR_VERYLIGHT)) rows = {rows.first < 0 ? y : rows.first, y};
    vqscrollbar_geometry g = vqdraw_scrollbar_geometry(100, 16, pos, size);  // for hit tests
    EXPECT_EQ(rows, (std::pair{g.thumb_start, g.thumb_start + g.thumb_length - 1}));
    EXPECT_EQ(g.button, 16);
    return rows;
  };
  // Half of the 68-pixel track between the square buttons.
  EXPECT_EQ(thumb(0, 50), (std::pair{16, 49}));
  EXPECT_EQ(thumb(50, 50), (std::pair{33, 66}));
  EXPECT_EQ(thumb(900, -5), (std::pair{76, 83}));  // held to 0..100; never thinner than 8
  EXPECT_EQ(thumb(100, 50), (std::pair{50, 83}));
  EXPECT_EQ(p.at(8, 50), theme(VQCOLOR_WHITE));
  EXPECT_EQ(p.at(8, 83), theme(VQCOLOR_DARK));
  // Raised buttons with the classic 7 x 4 arrows.
  EXPECT_EQ(p.at(0, 0), theme(VQCOLOR_WHITE));
  EXPECT_EQ(p.at(15, 15), theme(VQCOLOR_DARK));
  EXPECT_EQ(p.at(2, 2), theme(VQCOLOR_GREY));
  PixelSet arrows = pixels_of(&p.pm, theme(VQCOLOR_TEXT));
  EXPECT_EQ(arrows.size(), 32u);
  EXPECT_TRUE(arrows.count({7, 6}) && arrows.count({4, 9}) && arrows.count({7, 93}));
  vqdraw_vscrollbar(&p.pm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, INT_MIN);
  vqdraw_vscrollbar(&p.pm, 0, -5, 16, INT_MAX, 50, 50);
  EXPECT_EQ(p.at(8, 20), theme(VQCOLOR_VERYLIGHT));  // a trough far beyond the pixmap
}

TEST(DrawScrollbar, HorizontalIsTheTurnedVertical) {
  for (int length : {100, 20, 9}) {
    TestPixmap v(16, length, VQPX_TRUECOLOR), h(length, 16, VQPX_TRUECOLOR);
    vqdraw_vscrollbar(&v.pm, 0, 0, 16, length, 30, 40);
    vqdraw_hscrollbar(&h.pm, 0, 0, length, 16, 30, 40);
    for (int y = 0; y < length; y++)
      for (int x = 0; x < 16; x++) ASSERT_EQ(v.at(x, y), h.at(y, x)) << length << " " << x << y;
  }
}

}  // namespace
