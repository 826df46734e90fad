// Built-in graphics: names, natural shapes as drawings, fitting into boxes,
// the option and palette forms, and absurd sizes.
#include "test_draw_util.h"
#include "vqcolor.h"
#include "vqdraw.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Rows = std::vector<std::string>;

TEST(DrawBuiltin, NamesInAnyCase) {
  EXPECT_EQ(vqgraphic_builtin_id("up"), VQGRAPHIC_UP);
  EXPECT_EQ(vqgraphic_builtin_id("DOWN"), VQGRAPHIC_DOWN);
  EXPECT_EQ(vqgraphic_builtin_id("Left"), VQGRAPHIC_LEFT);
  EXPECT_EQ(vqgraphic_builtin_id("right"), VQGRAPHIC_RIGHT);
  EXPECT_EQ(vqgraphic_builtin_id("bullet"), VQGRAPHIC_BULLET);
  EXPECT_EQ(vqgraphic_builtin_id("upper"), 0);
  EXPECT_EQ(vqgraphic_builtin_id(""), 0);
  EXPECT_EQ(vqgraphic_builtin_id(nullptr), 0);
}

TEST(DrawBuiltin, ShapesAsDrawings) {
  struct Case {
    int id, w, h;  // box of 0 x 0: natural size
    Rows expected;
  };
  const Case cases[] = {
      {VQGRAPHIC_UP, 0, 0, {"...#......", "..###.....", ".#####....", "#######...", ".........."}},
      {VQGRAPHIC_DOWN, 0, 0, {"#######...", ".#####....", "..###.....", "...#......", ".........."}},
      {VQGRAPHIC_LEFT, 0, 0,
       {"...#......", "..##......", ".###......", "####......", ".###......", "..##......",
        "...#......"}},
      {VQGRAPHIC_RIGHT, 0, 0,
       {"#.........", "##........", "###.......", "####......", "###.......", "##........",
        "#........."}},
      {VQGRAPHIC_BULLET, 0, 0,
       {"..........", "...####...", "..######..", ".########.", ".########.", ".########.",
        ".########.", "..######..", "...####...", ".........."}},
      // An arrow box of an up-down control: the largest arrow that fits, centred.
      {VQGRAPHIC_UP, 10, 8,
       {"..........", "....#.....", "...###....", "..#####...", ".#######..", "#########.",
        "..........", ".........."}},
      {VQGRAPHIC_DOWN, 6, 4, {"#####.....", ".###......", "..#.......", ".........."}},
      {VQGRAPHIC_RIGHT, 3, 7, {"..........", "#.........", "##........", "###.......", "##........", "#........."}},
      {VQGRAPHIC_BULLET, 5, 4, {".##.......", "####......", "####......", ".##......."}},
      {VQGRAPHIC_UP, 1, 2, {"#.........", ".........."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " in " << c.w << " x " << c.h);
    TestPixmap p(10, static_cast<int>(c.expected.size()), VQPX_TRUECOLOR);
    vqpxmap_clear(&p.pm, 0xFFFFFF);
    EXPECT_TRUE(vqdraw_builtin(&p.pm, c.id, 0, 0, c.w, c.h, -1));  // the graphic's own black
    EXPECT_EQ(picture(&p.pm, {{0, '#'}}), c.expected);
    EXPECT_EQ(pixels_of(&p.pm, 0xFFFFFF).size() + pixels_of(&p.pm, 0).size(),
              10u * c.expected.size());  // transparent ground left as it was
  }
}

// In every box the arrow stays inside, touches two opposite sides (or the
// long side's both ends) and is symmetric about its middle line.
TEST(DrawBuiltin, ArrowsFitEveryBox) {
  for (int id = VQGRAPHIC_UP; id <= VQGRAPHIC_RIGHT; id++)
    for (int w = 1; w <= 20; w += 3)
      for (int h = 1; h <= 20; h += 2) {
        SCOPED_TRACE(testing::Message() << id << " in " << w << " x " << h);
        TestPixmap p(24, 24, VQPX_TRUECOLOR);
        vqdraw_builtin(&p.pm, id, 2, 2, w, h, 1);
        PixelSet ink = pixels_of(&p.pm, 1);
        ASSERT_FALSE(ink.empty());
        int x0 = 99, x1 = -1, y0 = 99, y1 = -1;
        for (auto [x, y] : ink) {
          x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
        EXPECT_GE(x0, 2);
        EXPECT_GE(y0, 2);
        EXPECT_LE(x1, 2 + w - 1);
        EXPECT_LE(y1, 2 + h - 1);
        bool vertical = id <= VQGRAPHIC_DOWN;
        int across = vertical ? x1 - x0 + 1 : y1 - y0 + 1, along = vertical ? y1 - y0 + 1 : x1 - x0 + 1;
        EXPECT_EQ(across, 2 * along - 1);
        EXPECT_TRUE(along == (vertical ? h : w) || across >= (vertical ? w : h) - 1);
        for (auto [x, y] : ink)
          EXPECT_TRUE(ink.count(vertical ? std::pair{x0 + x1 - x, y} : std::pair{x, y0 + y1 - y}));
      }
}

TEST(DrawBuiltin, OptionForm) {
  TestPixmap p(10, 6, VQPX_TRUECOLOR);
  EXPECT_TRUE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_UP, 0, 0, "x=2,y=1,xs=6,ys=4,color=0xFF0000"));
  EXPECT_EQ(picture(&p.pm, {{0xFF0000, '#'}}),
            (Rows{"..........", "....#.....", "...###....", "..#####...", "..........", ".........."}));
  // A transparent color paints the box first; the position argument is used
  // when x= and y= are absent.
  vqpxmap_clear(&p.pm, 0xFFFFFF);
  EXPECT_TRUE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_DOWN, 1, 1, "xs=5,ys=3,transcolor=0x0000FF"));
  EXPECT_EQ(picture(&p.pm, {{0, '#'}, {0x0000FF, 'b'}}),
            (Rows{"..........", ".#####....", ".b###b....", ".bb#bb....", "..........", ".........."}));
  // Palette code 1: the engraved look, dark shape over a white copy.
  vqpxmap_clear(&p.pm, 0x123456);
  EXPECT_TRUE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_UP, 0, 0, "palettecode=1"));
  int32_t dark = static_cast<int32_t>(vqcolor_system(VQCOLOR_DARK));
  int32_t white = static_cast<int32_t>(vqcolor_system(VQCOLOR_WHITE));
  EXPECT_EQ(picture(&p.pm, {{dark, 'd'}, {white, 'w'}}),
            (Rows{"...d......", "..ddd.....", ".ddddd....", "ddddddd...", ".wwwwwww..", ".........."}));
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_UP, 0, 0, "palettecode=2"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqdraw_builtin_options: wrong palette code 2\n");
  EXPECT_FALSE(vqdraw_builtin_options(&p.pm, 0, 0, 0, ""));
  EXPECT_FALSE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_COUNT, 0, 0, ""));
  EXPECT_TRUE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_BULLET, 0, 0, nullptr));
}

TEST(DrawBuiltin, PaletteFormAndPalettePixmaps) {
  uint32_t palette[256] = {};
  palette[0] = 0x00AA00;
  TestPixmap p(8, 8, VQPX_TRUECOLOR);
  EXPECT_TRUE(vqdraw_builtin_palette(&p.pm, VQGRAPHIC_LEFT, 1, 0, palette));
  EXPECT_EQ(pixels_of(&p.pm, 0x00AA00).size(), 16u);
  EXPECT_EQ(p.at(1, 3), 0x00AA00);
  EXPECT_FALSE(vqdraw_builtin_palette(&p.pm, VQGRAPHIC_LEFT, 1, 0, nullptr));
  EXPECT_FALSE(vqdraw_builtin(&p.pm, 99, 0, 0, 0, 0, 1));
  EXPECT_FALSE(vqdraw_builtin(nullptr, VQGRAPHIC_UP, 0, 0, 0, 0, 1));
  // On a palette pixmap the ink is an index; the engraved look takes the
  // palette entries nearest to the theme colors.
  TestPixmap q(8, 6, VQPX_PALETTE8);
  vqdraw_builtin(&q.pm, VQGRAPHIC_UP, 0, 0, 0, 0, 12);
  EXPECT_EQ(pixels_of(&q.pm, 12).size(), 16u);
  vqpxmap_clear(&q.pm, 3);
  vqdraw_builtin_options(&q.pm, VQGRAPHIC_UP, 0, 0, "palettecode=1");
  EXPECT_EQ(q.pm.palette[q.at(3, 0)], vqcolor_system(VQCOLOR_DARK));
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
  vqdraw_builtin(&p.pm, VQGRAPHIC_BULLET, -1000000000, -1000000000, 2000000010, 2000000010, 2);
  EXPECT_EQ(pixels_of(&p.pm, 2).size(), 100u);  // the middle of a huge disc
  EXPECT_TRUE(vqdraw_builtin_options(&p.pm, VQGRAPHIC_LEFT, 0, 0,
                                     "x=-2147483648,y=-5,xs=2147483647,ys=2147483647,color=3"));
  EXPECT_TRUE(vqdraw_builtin_options(
      &p.pm, VQGRAPHIC_BULLET, 0, 0, "x=-1000000000,y=-1000000000,xs=2000000010,ys=99999999999,color=4"));
  EXPECT_EQ(pixels_of(&p.pm, 4).size(), 100u);
}

}  // namespace
