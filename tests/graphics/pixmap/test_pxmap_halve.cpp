// Halving by 2 x 2 averages and the engraved image of disabled pictures.
#include "test_pxmap_util.h"

#include <string>
#include <vector>

namespace {

// Block (0,0) holds four different pixels; block (2,0) sums to 3 per
// component, which truncates to 0. Column 4 and row 2 are dropped.
void fill_five_by_three(vqpxmap* pm) {
  vqpxmap_setpixel(pm, 0, 0, 0x10FF00);
  vqpxmap_setpixel(pm, 1, 0, 0x300000);
  vqpxmap_setpixel(pm, 0, 1, 0x500004);
  vqpxmap_setpixel(pm, 1, 1, 0x7000FF);
  vqpxmap_setpixel(pm, 2, 0, 0x010101);
  vqpxmap_setpixel(pm, 3, 0, 0x010101);
  vqpxmap_setpixel(pm, 2, 1, 0x010101);
  vqpxmap_setpixel(pm, 3, 1, 0x000000);
  for (int y = 0; y < 3; y++) vqpxmap_setpixel(pm, 4, y, 0xFFFFFF);
  for (int x = 0; x < 5; x++) vqpxmap_setpixel(pm, x, 2, 0xFFFFFF);
}

TEST(PixmapHalve, FiveByThreeGivesTwoByOneWithComponentAverages) {
  TestPixmap p(5, 3, VQPX_TRUECOLOR);
  fill_five_by_three(&p.pm);
  std::vector<uint32_t> out(3, 0xDEADBEEF);
  int w = 0, h = 0;
  ASSERT_TRUE(vqpxmap_halve_into(&p.pm, out.data(), out.size(), &w, &h));
  EXPECT_EQ(w, 2);
  EXPECT_EQ(h, 1);
  EXPECT_EQ(out[0], 0x403F40u);
  EXPECT_EQ(out[1], 0x000000u);
  EXPECT_EQ(out[2], 0xDEADBEEFu);  // nothing beyond the result
  EXPECT_EQ(p->width, 5);          // the source stays as it was
  EXPECT_EQ(p.at(4, 2), 0xFFFFFF);

  ASSERT_TRUE(vqpxmap_halve(&p.pm));
  EXPECT_EQ(p->width, 2);
  EXPECT_EQ(p->height, 1);
  EXPECT_EQ(p.at(0, 0), 0x403F40);
  EXPECT_EQ(p.at(1, 0), 0);
  EXPECT_EQ(p.at(2, 0), -1);
}

TEST(PixmapHalve, RefusesOtherFormatsAndShortBuffers) {
  TestPixmap p(4, 4, VQPX_TRUECOLOR);
  uint32_t out[4];
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_halve_into(&p.pm, out, 3, nullptr, nullptr));
  TestPixmap p8(4, 4, VQPX_PALETTE8);
  EXPECT_FALSE(vqpxmap_halve(&p8.pm));
  EXPECT_FALSE(vqpxmap_halve_into(&p8.pm, out, 4, nullptr, nullptr));
  std::string said = testing::internal::GetCapturedStdout();
  EXPECT_NE(said.find("vqpxmap_halve: output buffer too small\n"), std::string::npos);
  EXPECT_NE(said.find("vqpxmap_halve: wrong format 1\n"), std::string::npos);
  EXPECT_EQ(p8->width, 4);
}

TEST(PixmapHalve, OnePixelHighGivesAnEmptyImage) {
  TestPixmap p(7, 1, VQPX_TRUECOLOR);
  ASSERT_TRUE(vqpxmap_halve(&p.pm));
  EXPECT_EQ(p->width, 3);
  EXPECT_EQ(p->height, 0);
  EXPECT_EQ(p.at(0, 0), -1);
}

// Source (palette8, entry 255 transparent):
//   row 0:  D . L
//   row 1:  D D .
// D dark (black), L light (white), . index 255.
TEST(PixmapGreyed, DarkBecomesGreyWithWhiteAtTheOpenLowerRight) {
  TestPixmap p(3, 2, VQPX_PALETTE8);
  vqpxmap_clear(&p.pm, 255);
  vqpxmap_setpalette(&p.pm, 255, 0x00FF00);
  vqpxmap_setpixel(&p.pm, 0, 0, 0);
  vqpxmap_setpixel(&p.pm, 2, 0, 15);
  vqpxmap_setpixel(&p.pm, 0, 1, 0);
  vqpxmap_setpixel(&p.pm, 1, 1, 0);
  ASSERT_TRUE(vqpxmap_makegreyed(&p.pm));
  ASSERT_EQ(p->format, VQPX_TRUECOLOR);
  ASSERT_EQ(p->width, 4);
  ASSERT_EQ(p->height, 3);
  const int32_t G = 0x808080, W = 0xFFFFFF, T = 0x00FF00;
  // (0,0): lower right (1,1) is index 0, not transparent: stays without white.
  // (0,1): lower right is outside the source: white at (1,2).
  // (1,1): lower right is outside: white at (2,2).
  // (1,0) is transparent and (2,0) light: neither is grey, no white from them.
  EXPECT_EQ(p.at(0, 0), G);
  EXPECT_EQ(p.at(1, 0), T);
  EXPECT_EQ(p.at(2, 0), T);  // light pixel becomes transparent
  EXPECT_EQ(p.at(3, 0), T);
  EXPECT_EQ(p.at(0, 1), G);
  EXPECT_EQ(p.at(1, 1), G);
  EXPECT_EQ(p.at(2, 1), T);
  EXPECT_EQ(p.at(3, 1), T);
  EXPECT_EQ(p.at(0, 2), T);
  EXPECT_EQ(p.at(1, 2), W);
  EXPECT_EQ(p.at(2, 2), W);
  EXPECT_EQ(p.at(3, 2), T);
}

TEST(PixmapGreyed, TruecolorIsReducedFirstAndTheThresholdIsAMeanOf129) {
  TestPixmap p(2, 2, VQPX_TRUECOLOR);
  vqpxmap_settransparent(&p.pm, 0x0000FF);
  vqpxmap_clear(&p.pm, 0x0000FF);
  vqpxmap_setpixel(&p.pm, 0, 0, 0x818180);  // sum 386: mean below 129
  vqpxmap_setpixel(&p.pm, 1, 0, 0x818181);  // sum 387: mean 129
  ASSERT_TRUE(vqpxmap_makegreyed(&p.pm));
  ASSERT_EQ(p->width, 3);
  EXPECT_EQ(p.at(0, 0), 0x808080);
  EXPECT_EQ(p.at(1, 0), 0x0000FF);
  EXPECT_EQ(p.at(1, 1), 0xFFFFFF);  // (0,0)'s lower right is transparent inside the source
  EXPECT_EQ(p.at(2, 1), 0x0000FF);  // no white below the light pixel
  EXPECT_EQ(p.at(0, 1), 0x0000FF);
}

TEST(PixmapGreyed, RightColumnAlwaysGetsItsWhiteEdge) {
  // The lower right of the last column lies outside, whatever the next row holds.
  TestPixmap p(2, 3, VQPX_PALETTE8);
  vqpxmap_clear(&p.pm, 255);
  vqpxmap_setpixel(&p.pm, 1, 0, 0);
  vqpxmap_setpixel(&p.pm, 0, 2, 0);
  ASSERT_TRUE(vqpxmap_makegreyed(&p.pm));
  EXPECT_EQ(p.at(1, 0), 0x808080);
  EXPECT_EQ(p.at(2, 1), 0xFFFFFF);
  EXPECT_EQ(p.at(1, 3), 0xFFFFFF);
  EXPECT_EQ(p.at(0, 1), static_cast<int32_t>(p->palette[255]));
}

}  // namespace
