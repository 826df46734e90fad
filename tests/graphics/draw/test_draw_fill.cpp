// Flood fill: 4-connectivity, the cases that must do nothing, areas far
// larger than a call stack would hold; and every shape in every format and
// on a window.
#include "test_draw_util.h"
#include "vqdraw.h"
#include "vqheadless.h"
#include "vqplatform.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawFill, FourConnectedAreaAndCasesThatDoNothing) {
  TestPixmap p(6, 4, VQPX_PALETTE8);
  const char* walls = "..#... .#..#. #..#.# ..#...";
  for (int i = 0; walls[i]; i++) vqpxmap_setpixel(&p.pm, i % 7, i / 7, walls[i] == '#');
  vqdraw_floodfill(&p.pm, 0, 0, 0);      // the color already there
  vqdraw_floodfill(&p.pm, 1, 1, 0x101);  // index 1 again: must end, changing nothing
  vqdraw_floodfill(&p.pm, 6, 0, 5);
  vqdraw_floodfill(&p.pm, 0, -1, 5);
  EXPECT_EQ(picture(&p.pm, {{1, '#'}, {5, '!'}}), walls);
  vqdraw_floodfill(&p.pm, 0, 0, 7);  // the diagonal wall has no 4-connected gap
  vqdraw_floodfill(&p.pm, 3, 0, 8);
  EXPECT_EQ(picture(&p.pm, {{7, 'o'}, {1, '#'}, {8, 'x'}}), "oo#xxx o#xx#x #xx#.# xx#...");
  // A U entered from one arm turns up into the other from either side.
  const char* u = "#.##.# #.##.# #....# ######";
  for (int i = 0; u[i]; i++) vqpxmap_setpixel(&p.pm, i % 7, i / 7, u[i] == '#');
  vqdraw_floodfill(&p.pm, 4, 0, 7);
  EXPECT_EQ(picture(&p.pm, {{7, 'o'}, {1, '#'}}), "#o##o# #o##o# #oooo# ######");
  vqdraw_floodfill(&p.pm, 1, 1, 8);
  EXPECT_EQ(picture(&p.pm, {{8, 'x'}, {1, '#'}}), "#x##x# #x##x# #xxxx# ######");
  TestPixmap none;
  vqdraw_floodfill(&none.pm, 0, 0, 1);  // no pixels at all
}

// A serpentine corridor one pixel wide, turning at gaps at alternate ends,
// is a path of half the area: a recursive fill would nest that many calls.
TEST(DrawFill, LongCorridorsAndHugeStripsNeedNoCallStack) {
  const int side = 2001;
  TestPixmap maze(side, side, VQPX_PALETTE8);
  for (int x = 1; x < side; x += 2) {
    vqpxmap_fillrect(&maze.pm, x, 0, 1, side, 1);
    vqpxmap_setpixel(&maze.pm, x, (x / 2) % 2 ? 0 : side - 1, 0);
  }
  vqdraw_floodfill(&maze.pm, 0, 0, 2);
  int64_t filled = 0;
  for (int i = 0; i < side * side; i++) filled += maze.pm.data[i] == 2;
  EXPECT_EQ(filled, int64_t{1001} * side + 1000);  // every corridor and every gap
  for (auto [w, h] : {std::pair{32767, 2}, std::pair{2, 32767}}) {
    TestPixmap strip(w, h, VQPX_PALETTE8);
    vqdraw_floodfill(&strip.pm, w - 1, h - 1, 3);
    EXPECT_EQ(strip.at(0, 0), 3);
  }
}

// Palette pixmaps keep the low 8 or 16 bits of the value as their index.
TEST(DrawFill, EveryShapeInEveryFormat) {
  for (int format : kAllFormats) {
    TestPixmap p(20, 8, format);
    int32_t mask = format == VQPX_PALETTE8 ? 0xFF : 0xFFFF;
    vqdraw_rect(&p.pm, 0, 0, 7, 6, 0x0101);
    vqdraw_floodfill(&p.pm, 3, 3, 0x0202);
    vqdraw_line(&p.pm, 8, 0, 13, 2, 0x0303);
    vqdraw_wideline(&p.pm, 8, 5, 12, 5, 0x0404, 3, 3);
    vqdraw_fillcircle(&p.pm, 16, 3, 2, 0x0505);
    vqdraw_builtin(&p.pm, VQGRAPHIC_DOWN, 13, 4, 0, 0, 0x0606);  // over 1 + 8 pixels
    const size_t expected[] = {20, 6, 21 - 1, 21 - 8, 16};
    for (int i = 0; i < 5; i++)
      EXPECT_EQ(pixels_of(&p.pm, (0x0202 + 0x0101 * i) & mask).size(), expected[i]) << format;
  }
}

TEST(DrawFill, ScreenPixmapShowsEachShapeInOnePresentation) {
  ASSERT_TRUE(vqplatform_start());
  int window = vqplatform_window_create("draw", 0, 0, 30, 20, VQWIN_TITLE, nullptr, nullptr);
  vqheadless_window_info before{}, after{};
  {
    TestPixmap p(30, 20, VQPX_SCREEN);
    vqpxmap_attach_window(&p.pm, window);
    ASSERT_TRUE(vqheadless_window(window, &before));
    vqdraw_fillcircle(&p.pm, 10, 10, 8, 0xFF0000);
    vqdraw_floodfill(&p.pm, 29, 0, 0x00FF00);
    vqdraw_wideline(&p.pm, 0, 19, 29, 0, 0xFFFFFF, 3, 3);
    ASSERT_TRUE(vqheadless_window(window, &after));
  }
  EXPECT_EQ(after.presents, before.presents + 3);
  EXPECT_EQ(vqheadless_pixel(window, 10, 10), 0xFF0000u);
  EXPECT_EQ(vqheadless_pixel(window, 29, 19), 0x00FF00u);
  EXPECT_EQ(vqheadless_pixel(window, 1, 18), 0xFFFFFFu);
  vqplatform_window_destroy(window);
}

}  // namespace
