// Rectangle outlines, frames, filled frames and shadowed outlines as
// drawings, their clipping with absurd values, and every format.
#include "test_draw_util.h"
#include "vqdraw.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Rows = std::vector<std::string>;

TEST(DrawRect, ShapesAsDrawings) {
  struct Case {
    const char* name;
    void (*draw)(vqpxmap*);
    Rows expected;
  };
  const Case cases[] = {
      {"outline ends at x + w - 1, y + h - 1",
       [](vqpxmap* pm) { vqdraw_rect(pm, 1, 1, 4, 3, 1); },
       {"........", ".aaaa...", ".a..a...", ".aaaa...", "........", "........"}},
      {"outline 1 x 1 and 1 wide", [](vqpxmap* pm) {
         vqdraw_rect(pm, 0, 0, 1, 1, 1);
         vqdraw_rect(pm, 6, 1, 1, 4, 1);
       },
       {"a.......", "......a.", "......a.", "......a.", "......a.", "........"}},
      {"frame: c1 top and left, c2 right and bottom with their corners",
       [](vqpxmap* pm) { vqdraw_frame(pm, 1, 0, 5, 4, 1, 2); },
       {".aaaab..", ".a...b..", ".a...b..", ".bbbbb..", "........", "........"}},
      {"filled frame: inside x + 1 .. x + w - 2", [](vqpxmap* pm) {
         vqpxmap_clear(pm, 3);
         vqdraw_fillframe(pm, 1, 1, 5, 4, 4, 1, 2);
       },
       {"cccccccc", "caaaabcc", "cadddbcc", "cadddbcc", "cbbbbbcc", "cccccccc"}},
      {"filled frame 2 x 2 has no inside", [](vqpxmap* pm) {
         vqpxmap_clear(pm, 3);
         vqdraw_fillframe(pm, 0, 0, 2, 2, 4, 1, 2);
       },
       {"abcccccc", "bbcccccc", "cccccccc", "cccccccc", "cccccccc", "cccccccc"}},
      {"nothing for sizes below 1", [](vqpxmap* pm) {
         vqdraw_rect(pm, 2, 2, 0, 3, 1);
         vqdraw_rect(pm, 2, 2, 3, -1, 1);
         vqdraw_frame(pm, 2, 2, -4, 3, 1, 2);
         vqdraw_fillframe(pm, 2, 2, 3, 0, 4, 1, 2);
         vqdraw_shadowrect(pm, 2, 2, 0, 0, 1);
       },
       {"........", "........", "........", "........", "........", "........"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestPixmap p(8, 6, VQPX_TRUECOLOR);
    c.draw(&p.pm);
    EXPECT_EQ(picture(&p.pm, {{1, 'a'}, {2, 'b'}, {3, 'c'}, {4, 'd'}}), c.expected);
  }
}

// Columns x + w, x + w + 1 from y + 2 to y + h + 1; rows y + h, y + h + 1
// from x + 2 to x + w.
TEST(DrawRect, ShadowLinesOfTheShadowedOutline) {
  TestPixmap p(9, 8, VQPX_TRUECOLOR);
  vqdraw_shadowrect(&p.pm, 1, 1, 4, 3, 5);
  EXPECT_EQ(picture(&p.pm, {{5, '#'}}), (Rows{".........",
                                              ".####....",
                                              ".#..#....",
                                              ".######..",
                                              "...####..",
                                              "...####..",
                                              ".........",
                                              "........."}));
  // Cut at the pixmap's right and bottom edges.
  TestPixmap q(5, 4, VQPX_TRUECOLOR);
  vqdraw_shadowrect(&q.pm, 1, 0, 3, 3, 5);
  EXPECT_EQ(picture(&q.pm, {{5, '#'}}), (Rows{".###.", ".#.#.", ".####", "...##"}));
}

TEST(DrawRect, AbsurdValuesClipWithoutWrapping) {
  TestPixmap p(10, 10, VQPX_PALETTE8);
  vqdraw_rect(&p.pm, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);  // ends at -2: off the pixmap
  vqdraw_rect(&p.pm, -5, -5, INT_MAX, INT_MAX, 1);            // edges outside, far side too
  vqdraw_shadowrect(&p.pm, INT_MAX, INT_MAX, INT_MAX, INT_MAX, 1);
  vqdraw_fillframe(&p.pm, INT_MAX, 0, INT_MAX, 3, 1, 1, 1);
  vqdraw_fillframe(&p.pm, 0, 0, INT_MIN, INT_MIN, 1, 1, 1);
  EXPECT_EQ(pixels_of(&p.pm, 1).size(), 0u);
  vqdraw_rect(&p.pm, 2, 3, INT_MAX, INT_MAX, 2);  // only the top and left edges show
  EXPECT_EQ(pixels_of(&p.pm, 2).size(), 8u + 7u - 1u);
  EXPECT_EQ(p.at(9, 3), 2);
  EXPECT_EQ(p.at(2, 9), 2);
  vqdraw_fillframe(&p.pm, -1, -1, INT_MAX, INT_MAX, 3, 4, 4);  // inside covers everything
  EXPECT_EQ(pixels_of(&p.pm, 3).size(), 100u);
  vqdraw_shadowrect(&p.pm, -3, -3, 5, 5, 5);  // outline corner at 1, 1; shadow 2, 3
  Rows shadow = picture(&p.pm, {{5, '#'}});
  EXPECT_EQ(shadow[0].substr(0, 5), ".###.");
  EXPECT_EQ(shadow[1].substr(0, 5), "####.");
  EXPECT_EQ(shadow[3].substr(0, 5), "####.");
  EXPECT_EQ(shadow[4].substr(0, 5), ".....");
}

TEST(DrawRect, EveryFormat) {
  for (int format : kAllFormats) {
    SCOPED_TRACE(format);
    TestPixmap p(6, 5, format);
    vqdraw_fillframe(&p.pm, 0, 0, 6, 5, 0x0102, 0x0304, 0x0506);
    vqdraw_shadowrect(&p.pm, 1, 1, 2, 1, 0x0708);
    int32_t mask = format == VQPX_PALETTE8 ? 0xFF : 0xFFFF;
    EXPECT_EQ(p.at(0, 0), 0x0304 & mask);
    EXPECT_EQ(p.at(5, 0), 0x0506 & mask);
    EXPECT_EQ(p.at(1, 3), 0x0102 & mask);
    // Outline (1, 1), (2, 1); shadow (3, 2), (3, 3), (4, 3).
    EXPECT_EQ(pixels_of(&p.pm, 0x0708 & mask).size(), 5u);
  }
}

}  // namespace
