// Merging one pixmap into another: clipping, transparency, palette codes and
// the messages of unsupported combinations.
#include "test_pxmap_util.h"

#include <string>

namespace {

TEST(PixmapMerge, Palette8IntoTruecolorSkipsIndex255) {
  TestPixmap dst(4, 2, VQPX_TRUECOLOR);
  vqpxmap_clear(&dst.pm, 0x111111);
  TestPixmap src(4, 2, VQPX_PALETTE8);
  vqpxmap_clear(&src.pm, 255);
  vqpxmap_setpixel(&src.pm, 1, 0, 12);
  vqpxmap_setpixel(&src.pm, 2, 1, 9);
  vqpxmap_setpalette(&src.pm, 255, 0x00FF00);
  ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  for (int y = 0; y < 2; y++)
    for (int x = 0; x < 4; x++) {
      int32_t want = (x == 1 && y == 0) ? 0xFF0000 : (x == 2 && y == 1) ? 0x0000FF : 0x111111;
      EXPECT_EQ(dst.at(x, y), want) << x << "," << y;
    }
}

TEST(PixmapMerge, TruecolorIntoTruecolorSkipsTheSourcesTransparentColor) {
  TestPixmap dst(3, 1, VQPX_TRUECOLOR);
  vqpxmap_clear(&dst.pm, 0x010101);
  TestPixmap src(3, 1, VQPX_TRUECOLOR);
  vqpxmap_setpixel(&src.pm, 0, 0, 0xABCDEF);
  vqpxmap_setpixel(&src.pm, 1, 0, 0x00FF00);
  vqpxmap_setpixel(&src.pm, 2, 0, 0x000000);
  vqpxmap_settransparent(&src.pm, 0x00FF00);
  ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, 0, 0, 0, 0, -1, -1, 0, 0));
  EXPECT_EQ(dst.at(0, 0), 0xABCDEF);
  EXPECT_EQ(dst.at(1, 0), 0x010101);
  EXPECT_EQ(dst.at(2, 0), 0x000000);
  // With "no color" as the key every pixel is copied.
  vqpxmap_settransparent(&src.pm, -1);
  ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(dst.at(1, 0), 0x00FF00);
}

TEST(PixmapMerge, PlatformHeldDestinationsTakeEveryTruecolorPixel) {
  // The source keeps its default transparent color 0xF00000; a pixel of that
  // color is still a pixel of the picture.
  for (int format : {VQPX_SERVER, VQPX_DIRECTX}) {
    TestPixmap dst(3, 1, format);
    vqpxmap_clear(&dst.pm, 0x010101);
    TestPixmap src(3, 1, VQPX_TRUECOLOR);
    ASSERT_EQ(src->palette[VQPX_TRANSPARENT_INDEX], 0xF00000u);
    vqpxmap_setpixel(&src.pm, 0, 0, 0xF00000);
    vqpxmap_setpixel(&src.pm, 1, 0, 0x123456);
    ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(dst.at(0, 0), 0xF00000) << format;
    EXPECT_EQ(dst.at(1, 0), 0x123456) << format;
    EXPECT_EQ(dst.at(2, 0), 0) << format;
  }
}

TEST(PixmapMerge, WidthZeroMeansTheSourceWidthClippedToTheDestination) {
  TestPixmap dst(5, 3, VQPX_TRUECOLOR);
  TestPixmap src(6, 2, VQPX_TRUECOLOR);
  vqpxmap_settransparent(&src.pm, -1);
  vqpxmap_clear(&src.pm, 0x777777);
  ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, 2, 2, 0, 0, 0, 0, 0, 0));
  for (int y = 0; y < 3; y++)
    for (int x = 0; x < 5; x++) EXPECT_EQ(dst.at(x, y), (x >= 2 && y == 2) ? 0x777777 : 0) << x << "," << y;
}

TEST(PixmapMerge, SourceRectangleIsCutAtTheSourceEdge) {
  TestPixmap dst(8, 8, VQPX_TRUECOLOR);
  TestPixmap src(4, 4, VQPX_TRUECOLOR);
  vqpxmap_settransparent(&src.pm, -1);
  for (int y = 0; y < 4; y++)
    for (int x = 0; x < 4; x++) vqpxmap_setpixel(&src.pm, x, y, 0x100 + 16 * y + x);
  ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, 0, 0, 3, 2, 5, 5, 0, 0));
  EXPECT_EQ(dst.at(0, 0), 0x100 + 16 * 2 + 3);
  EXPECT_EQ(dst.at(0, 1), 0x100 + 16 * 3 + 3);
  EXPECT_EQ(dst.at(1, 0), 0);
  EXPECT_EQ(dst.at(0, 2), 0);
}

TEST(PixmapMerge, AbsurdPositionsNeverWriteOutside) {
  TestPixmap dst(4, 4, VQPX_PALETTE8);
  TestPixmap src(4, 4, VQPX_PALETTE8);
  vqpxmap_clear(&src.pm, 3);
  const int big = 2147483647, small = -2147483647 - 1;
  for (int dx : {small, -3, 0, 3, big})
    for (int sx : {small, -2, 0, 2, big})
      for (int w : {small, -7, -1, 0, 1, big}) {
        EXPECT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, dx, dx, sx, sx, w, w, 1, 0));
      }
  // A negative destination position moves into the source instead.
  TestPixmap d2(4, 4, VQPX_PALETTE8);
  vqpxmap_setpixel(&src.pm, 2, 2, 7);
  ASSERT_TRUE(vqpxmap_merge(&d2.pm, &src.pm, -2, -2, 0, 0, 0, 0, 1, 0));
  EXPECT_EQ(d2.at(0, 0), 7);
  EXPECT_EQ(d2.at(1, 1), 3);
  EXPECT_EQ(d2.at(2, 2), 0);
}

TEST(PixmapMergePalette, CodeZeroMapsColorsAndAddsMissingOnesFromTheTop) {
  TestPixmap dst(3, 1, VQPX_PALETTE8);
  TestPixmap src(3, 1, VQPX_PALETTE8);
  for (int i = 0; i < 255; i++) vqpxmap_setpalette(&src.pm, i, 0xFFFFFF);  // found at dst 15
  vqpxmap_setpalette(&src.pm, 1, 0x0000FF);       // exact: dst entry 9
  vqpxmap_setpalette(&src.pm, 2, 0x41C283);       // coarse 0x40C080: nowhere, so new entry 254
  vqpxmap_setpalette(&src.pm, 3, 0x42C384);       // same coarse color: now found at 254
  vqpxmap_setpalette(&src.pm, 4, 0x4081C1);       // coarse 0x4080C0: new entry 253
  vqpxmap_setpixel(&src.pm, 0, 0, 1);
  vqpxmap_setpixel(&src.pm, 1, 0, 2);
  vqpxmap_setpixel(&src.pm, 2, 0, 4);
  ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(dst.at(0, 0), 9);
  EXPECT_EQ(dst.at(1, 0), 254);
  EXPECT_EQ(dst.at(2, 0), 253);
  EXPECT_EQ(dst->palette[254], 0x40C080u);
  EXPECT_EQ(dst->palette[253], 0x4080C0u);
  EXPECT_EQ(dst->next_free_entry, 252);
}

TEST(PixmapMergePalette, NextFreeEntryWrapsFromOneToTheTop) {
  TestPixmap dst(1, 1, VQPX_PALETTE8);
  TestPixmap src(1, 1, VQPX_PALETTE8);
  for (int i = 0; i < 255; i++) vqpxmap_setpalette(&dst.pm, i, 0x333333);
  for (int i = 0; i < 255; i++) vqpxmap_setpalette(&src.pm, i, 0x333333);
  vqpxmap_setpalette(&src.pm, 0, 0xC04000);
  vqpxmap_setpalette(&src.pm, 1, 0x00C040);
  dst->next_free_entry = 1;
  vqpxmap_setpixel(&src.pm, 0, 0, 1);
  ASSERT_TRUE(vqpxmap_merge(&dst.pm, &src.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(dst->palette[1], 0xC04000u);
  EXPECT_EQ(dst->palette[254], 0x00C040u);
  EXPECT_EQ(dst.at(0, 0), 254);
  EXPECT_EQ(dst->next_free_entry, 253);
}

TEST(PixmapMergePalette, CodesOneAndThreeCopyIndexes) {
  TestPixmap src(2, 1, VQPX_PALETTE8);
  vqpxmap_setpixel(&src.pm, 0, 0, 40);
  vqpxmap_setpixel(&src.pm, 1, 0, 255);
  vqpxmap_setpalette(&src.pm, 40, 0x123456);
  TestPixmap one(2, 1, VQPX_PALETTE8);
  vqpxmap_clear(&one.pm, 5);
  ASSERT_TRUE(vqpxmap_merge(&one.pm, &src.pm, 0, 0, 0, 0, 0, 0, 1, 0));
  EXPECT_EQ(one.at(0, 0), 40);
  EXPECT_EQ(one.at(1, 0), 5);
  EXPECT_NE(one->palette[40], 0x123456u);
  TestPixmap three(2, 1, VQPX_PALETTE8);
  vqpxmap_clear(&three.pm, 5);
  ASSERT_TRUE(vqpxmap_merge(&three.pm, &src.pm, 0, 0, 0, 0, 0, 0, 3, 0));
  EXPECT_EQ(three.at(0, 0), 40);
  EXPECT_EQ(three.at(1, 0), 255);
  EXPECT_EQ(three->palette[40], 0x123456u);
}

TEST(PixmapMergeMessages, UnsupportedCodesAndFormats) {
  TestPixmap p8(2, 2, VQPX_PALETTE8), q8(2, 2, VQPX_PALETTE8), tc(2, 2, VQPX_TRUECOLOR),
      p16(2, 2, VQPX_PALETTE16), screen(2, 2, VQPX_SCREEN), server(2, 2, VQPX_SERVER);
  vqpxmap_clear(&q8.pm, 4);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_merge(&p8.pm, &q8.pm, 0, 0, 0, 0, 0, 0, 2, 0));
  EXPECT_FALSE(vqpxmap_merge(&p8.pm, &q8.pm, 0, 0, 0, 0, 0, 0, 4, 0));
  EXPECT_FALSE(vqpxmap_merge(&p8.pm, &tc.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_FALSE(vqpxmap_merge(&p8.pm, &p16.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_FALSE(vqpxmap_merge(&tc.pm, &server.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_FALSE(vqpxmap_merge(&screen.pm, &p8.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_FALSE(vqpxmap_merge(&p16.pm, &tc.pm, 0, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_merge_pal8topal8_pc2\n"
            "vqpxmap_merge_pal8topal8: wrong PaletteCode (4)\n"
            "vqpxmap_merge_truecolortopal8: not implemented\n"
            "vqpxmap_merge1: unsupported formats: 2 -> 1\n"
            "vqpxmap_merge2: unsupported formats: 4 -> 3\n"
            "vqpxmap_merge3: unsupported formats: 1 -> screen\n"
            "vqpxmap_merge4: unsupported formats: 3 -> 2\n");
  EXPECT_EQ(p8.at(0, 0), 0);  // nothing was copied by the refused merges
}

TEST(PixmapMergeMessages, ScreenTakesOnlyTruecolorAndServerSources) {
  const struct {
    int format;
    const char* said;
  } cases[] = {{VQPX_TRUECOLOR, ""},
               {VQPX_SERVER, ""},
               {VQPX_SCREEN, "vqpxmap_merge3: unsupported formats: 5 -> screen\n"},
               {VQPX_DIRECTX, "vqpxmap_merge3: unsupported formats: 6 -> screen\n"}};
  for (const auto& c : cases) {
    TestPixmap screen(2, 1, VQPX_SCREEN), src(2, 1, c.format);
    vqpxmap_clear(&src.pm, 0x345678);
    testing::internal::CaptureStdout();
    const bool merged = vqpxmap_merge(&screen.pm, &src.pm, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.said) << c.format;
    EXPECT_EQ(merged, !*c.said) << c.format;
    EXPECT_EQ(screen.at(1, 0), *c.said ? 0 : 0x345678) << c.format;
  }
}

}  // namespace
