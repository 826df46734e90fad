// Flood fill: 4-connectivity, the cases that must do nothing, agreement with
// a plain breadth-first fill on mixed pictures, areas far larger than any
// call stack would hold, every format, and one presentation per shape on a
// window.
#include "test_draw_util.h"
#include "vqdraw.h"
#include "vqheadless.h"
#include "vqplatform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <deque>

namespace {

using Rows = std::vector<std::string>;

// Paints a picture of '#' (value 1), '+' (value 2) and '.' (value 0).
void paint(vqpxmap* pm, const Rows& rows) {
  for (int y = 0; y < static_cast<int>(rows.size()); y++)
    for (int x = 0; x < static_cast<int>(rows[y].size()); x++)
      vqpxmap_setpixel(pm, x, y, rows[y][x] == '#' ? 1 : rows[y][x] == '+' ? 2 : 0);
}

TEST(DrawFill, FourConnectedAreaOnly) {
  TestPixmap p(6, 4, VQPX_TRUECOLOR);
  paint(&p.pm, {"..#...", ".#..#.", "#..#.#", "..#..."});
  vqdraw_floodfill(&p.pm, 0, 0, 7);  // the diagonal wall has no 4-connected gap
  EXPECT_EQ(picture(&p.pm, {{7, 'o'}, {1, '#'}}), (Rows{"oo#...", "o#..#.", "#..#.#", "..#..."}));
  vqdraw_floodfill(&p.pm, 3, 0, 8);
  EXPECT_EQ(picture(&p.pm, {{7, 'o'}, {1, '#'}, {8, 'x'}}),
            (Rows{"oo#xxx", "o#xx#x", "#xx#.#", "xx#..."}));
  vqdraw_floodfill(&p.pm, 2, 0, 9);  // a wall pixel alone: its own area
  EXPECT_EQ(p.at(2, 0), 9);
  EXPECT_EQ(p.at(1, 1), 1);
}

TEST(DrawFill, CasesThatDoNothing) {
  TestPixmap p(5, 3, VQPX_PALETTE8);
  paint(&p.pm, {"..#..", ".###.", "..#.."});
  const Rows before = picture(&p.pm, {{1, '#'}});
  vqdraw_floodfill(&p.pm, 0, 0, 0);      // same color
  vqdraw_floodfill(&p.pm, 2, 1, 0x101);  // stored as index 1: the same color again
  vqdraw_floodfill(&p.pm, -1, 0, 5);
  vqdraw_floodfill(&p.pm, 5, 0, 5);
  vqdraw_floodfill(&p.pm, 0, 3, 5);
  EXPECT_EQ(picture(&p.pm, {{1, '#'}, {5, '!'}}), before);
  TestPixmap p16(3, 3, VQPX_PALETTE16);
  vqpxmap_clear(&p16.pm, 0xFFFF);        // read back as -1
  vqdraw_floodfill(&p16.pm, 1, 1, -1);
  vqdraw_floodfill(&p16.pm, 1, 1, 0x1FFFF);
  EXPECT_EQ(pixels_of(&p16.pm, -1).size(), 9u);
  TestPixmap none;
  vqdraw_floodfill(&none.pm, 0, 0, 1);   // no pixels at all
  vqdraw_floodfill(nullptr, 0, 0, 1);
}

// A plain breadth-first fill over the same pixels as the reference.
void reference_fill(std::vector<int32_t>& px, int w, int h, int x, int y, int32_t color) {
  int32_t old = px[y * w + x];
  if (old == color) return;
  std::deque<std::pair<int, int>> todo{{x, y}};
  px[y * w + x] = color;
  while (!todo.empty()) {
    auto [cx, cy] = todo.front();
    todo.pop_front();
    const int step[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const auto& s : step) {
      int nx = cx + s[0], ny = cy + s[1];
      if (nx < 0 || ny < 0 || nx >= w || ny >= h || px[ny * w + nx] != old) continue;
      px[ny * w + nx] = color;
      todo.push_back({nx, ny});
    }
  }
}

TEST(DrawFill, AgreesWithABreadthFirstFillOnMixedPictures) {
  const int w = 41, h = 29;
  uint32_t seed = 12345;
  auto draw = [&](int m) {
    seed = seed * 22695477u + 1u;
    return static_cast<int>((seed >> 16) & 0x7FFF) % m;
  };
  for (int round = 0; round < 30; round++) {
    SCOPED_TRACE(round);
    TestPixmap p(w, h, VQPX_TRUECOLOR);
    std::vector<int32_t> ref(w * h);
    // Walls in three colors, denser in later rounds, plus a few rings.
    for (int i = 0; i < w * h; i++) {
      int32_t v = draw(100) < 20 + round ? 1 + draw(3) : 0;
      vqpxmap_setpixel(&p.pm, i % w, i / w, v);
    }
    vqdraw_circle(&p.pm, draw(w), draw(h), 3 + draw(10), 1);
    for (int i = 0; i < w * h; i++) ref[i] = p.at(i % w, i / w);
    for (int fills = 0; fills < 5; fills++) {
      int x = draw(w), y = draw(h);
      int32_t color = draw(5);
      vqdraw_floodfill(&p.pm, x, y, color);
      reference_fill(ref, w, h, x, y, color);
    }
    for (int i = 0; i < w * h; i++) ASSERT_EQ(p.at(i % w, i / w), ref[i]) << i % w << "," << i / w;
  }
}

// A serpentine corridor one pixel wide is a path of about half the area;
// a recursive fill would need that many nested calls.
TEST(DrawFill, LongCorridorsAndHugeStripsNeedNoCallStack) {
  auto start = std::chrono::steady_clock::now();
  const int side = 2001;
  TestPixmap maze(side, side, VQPX_PALETTE8);
  for (int x = 1; x < side; x += 2) {
    vqpxmap_fillrect(&maze.pm, x, 0, 1, side, 1);
    vqpxmap_setpixel(&maze.pm, x, (x / 2) % 2 ? 0 : side - 1, 0);  // gap at alternate ends
  }
  vqdraw_floodfill(&maze.pm, 0, 0, 2);
  int64_t twos = 0;
  for (int y = 0; y < side; y++)
    for (int x = 0; x < side; x++) twos += maze.at(x, y) == 2;
  EXPECT_EQ(twos, int64_t{1001} * side + 1000);  // every corridor plus every gap
  for (auto [w, h] : {std::pair{32767, 2}, std::pair{2, 32767}}) {
    TestPixmap strip(w, h, VQPX_PALETTE8);
    vqdraw_floodfill(&strip.pm, w - 1, h - 1, 3);
    EXPECT_EQ(strip.at(0, 0), 3);
    EXPECT_EQ(strip.at(w / 2, h / 2), 3);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(DrawFill, EveryFormat) {
  for (int format : kAllFormats) {
    SCOPED_TRACE(format);
    TestPixmap p(7, 6, format);
    vqdraw_rect(&p.pm, 1, 1, 5, 4, 0x0102);
    vqdraw_floodfill(&p.pm, 3, 2, 0x0304);
    vqdraw_floodfill(&p.pm, 0, 0, 0x0506);
    int32_t mask = format == VQPX_PALETTE8 ? 0xFF : 0xFFFF;
    EXPECT_EQ(pixels_of(&p.pm, 0x0304 & mask).size(), 6u);
    EXPECT_EQ(pixels_of(&p.pm, 0x0102 & mask).size(), 14u);
    EXPECT_EQ(pixels_of(&p.pm, 0x0506 & mask).size(), 22u);
  }
}

TEST(DrawFill, ScreenPixmapShowsEachShapeInOnePresentation) {
  setenv("VQ_PLATFORM", "headless", 0);
  ASSERT_TRUE(vqplatform_start());
  int window = vqplatform_window_create("draw", 0, 0, 30, 20, VQWIN_TITLE, nullptr, nullptr);
  ASSERT_GT(window, 0);
  auto presents = [&] {
    vqheadless_window_info info{};
    EXPECT_TRUE(vqheadless_window(window, &info));
    return info.presents;
  };
  {
    TestPixmap p(30, 20, VQPX_SCREEN);
    vqpxmap_attach_window(&p.pm, window);
    vqpxmap_clear(&p.pm, 0);
    int before = presents();
    vqdraw_fillcircle(&p.pm, 10, 10, 8, 0xFF0000);
    vqdraw_floodfill(&p.pm, 29, 0, 0x00FF00);
    vqdraw_ellipse(&p.pm, 20, 10, 9, 5, 0x0000FF);
    vqdraw_wideline(&p.pm, 0, 19, 29, 0, 0xFFFFFF, 3, 3);
    EXPECT_EQ(presents(), before + 4);
    EXPECT_EQ(vqheadless_pixel(window, 10, 10), 0xFF0000u);
    EXPECT_EQ(vqheadless_pixel(window, 29, 19), 0x00FF00u);
    EXPECT_EQ(vqheadless_pixel(window, 29, 10), 0x0000FFu);
    EXPECT_EQ(vqheadless_pixel(window, 1, 18), 0xFFFFFFu);
  }
  vqplatform_window_destroy(window);
}

}  // namespace
