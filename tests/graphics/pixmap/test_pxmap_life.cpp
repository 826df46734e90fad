// Allocation, release, resizing, the format keywords and the default palette.
#include "test_pxmap_util.h"
#include "vqplatform.h"

#include <set>
#include <string>

namespace {

TEST(PixmapDefaultPalette, SixteenBasicColorsThenCubeGreysAndRamps) {
  uint32_t p[256];
  vqpxmap_default_palette(p);
  EXPECT_EQ(p[0], 0x000000u);
  EXPECT_EQ(p[1], 0x000080u);
  EXPECT_EQ(p[4], 0x800000u);
  EXPECT_EQ(p[7], 0xC0C0C0u);
  EXPECT_EQ(p[8], 0x808080u);
  EXPECT_EQ(p[12], 0xFF0000u);
  EXPECT_EQ(p[15], 0xFFFFFFu);
  // Cube: red slowest, blue fastest.
  EXPECT_EQ(p[16], 0x000000u);
  EXPECT_EQ(p[17], 0x000055u);
  EXPECT_EQ(p[19], 0x0000FFu);
  EXPECT_EQ(p[20], 0x005500u);
  EXPECT_EQ(p[32], 0x550000u);
  EXPECT_EQ(p[16 + 2 * 16 + 3 * 4 + 1], 0xAAFF55u);
  EXPECT_EQ(p[79], 0xFFFFFFu);
  std::set<uint32_t> cube(p + 16, p + 80);
  EXPECT_EQ(cube.size(), 64u);
  // Greys.
  EXPECT_EQ(p[80], 0x000000u);
  EXPECT_EQ(p[81], 0x020202u);
  EXPECT_EQ(p[80 + 64], 0x808080u);
  EXPECT_EQ(p[207], 0xFEFEFEu);
  // Ramps.
  EXPECT_EQ(p[208], 0x000000u);
  EXPECT_EQ(p[209], 0x000010u);
  EXPECT_EQ(p[223], 0x0000F0u);
  EXPECT_EQ(p[224 + 5], 0x005000u);
  EXPECT_EQ(p[239], 0x00F000u);
  EXPECT_EQ(p[241], 0x100000u);
  EXPECT_EQ(p[255], 0xF00000u);
}

TEST(PixmapLife, AllocateGivesZeroedPixelsAndTheDefaultPalette) {
  for (int format : {VQPX_PALETTE8, VQPX_PALETTE16, VQPX_TRUECOLOR, VQPX_SERVER, VQPX_SCREEN, VQPX_DIRECTX}) {
    SCOPED_TRACE(format);
    TestPixmap p(7, 5, format);
    ASSERT_NE(p->palette, nullptr);
    EXPECT_EQ(p->palette[16 + 63], 0xFFFFFFu);
    EXPECT_EQ(p->next_free_entry, 254);
    bool platform = format == VQPX_SERVER || format == VQPX_DIRECTX;
    EXPECT_EQ(p->data == nullptr, platform);
    EXPECT_EQ(p->pixbuf != 0, platform);
    for (int y = 0; y < 5; y++)
      for (int x = 0; x < 7; x++) ASSERT_EQ(p.at(x, y), 0);
  }
}

TEST(PixmapLife, ReallocatingReleasesTheOldPixels) {
  TestPixmap p(3, 3, VQPX_SERVER);
  int first = p->pixbuf;
  ASSERT_TRUE(vqpxmap_allocate(&p.pm));
  // The first buffer was given back, so its handle is free again.
  EXPECT_EQ(p->pixbuf, first);
}

TEST(PixmapLife, FreeReinitialises) {
  TestPixmap p(3, 3, VQPX_TRUECOLOR);
  p->next_free_entry = 7;
  p->pen_x = 5;
  vqpxmap_free(&p.pm);
  EXPECT_EQ(p->data, nullptr);
  EXPECT_EQ(p->palette, nullptr);
  EXPECT_EQ(p->width, 0);
  EXPECT_EQ(p->format, 0);
  EXPECT_EQ(p->pen_x, 0);
  EXPECT_EQ(p->next_free_entry, 254);
}

TEST(PixmapLife, ZeroSizeIsAllowedAndEveryAccessClips) {
  TestPixmap p(0, 0, VQPX_TRUECOLOR);
  EXPECT_TRUE(vqpxmap_clear(&p.pm, 5));
  EXPECT_EQ(p.at(0, 0), -1);
  EXPECT_TRUE(vqpxmap_fillrect(&p.pm, 0, 0, 10, 10, 1));
}

TEST(PixmapLife, BytesPerPixel) {
  EXPECT_EQ(vqpxmap_bytes_per_pixel(VQPX_PALETTE8), 1);
  EXPECT_EQ(vqpxmap_bytes_per_pixel(VQPX_PALETTE16), 2);
  EXPECT_EQ(vqpxmap_bytes_per_pixel(VQPX_TRUECOLOR), 4);
  EXPECT_EQ(vqpxmap_bytes_per_pixel(VQPX_SCREEN), 4);
  EXPECT_EQ(vqpxmap_bytes_per_pixel(VQPX_SERVER), 0);
  EXPECT_EQ(vqpxmap_bytes_per_pixel(0), 0);
}

TEST(PixmapLife, FormatFromOptionKeywords) {
  EXPECT_EQ(vqpxmap_format_from_options("x=1,palette,y=2", 3), VQPX_PALETTE8);
  EXPECT_EQ(vqpxmap_format_from_options("Palette_8", 3), VQPX_PALETTE8);
  EXPECT_EQ(vqpxmap_format_from_options("INDEXED", 3), VQPX_PALETTE8);
  EXPECT_EQ(vqpxmap_format_from_options("palette 16", 3), VQPX_PALETTE16);
  EXPECT_EQ(vqpxmap_format_from_options("a,TrueColor", 1), VQPX_TRUECOLOR);
  EXPECT_EQ(vqpxmap_format_from_options("server", 1), VQPX_SERVER);
  EXPECT_EQ(vqpxmap_format_from_options("screen", 1), VQPX_SCREEN);
  EXPECT_EQ(vqpxmap_format_from_options("directx", 1), VQPX_DIRECTX);
  EXPECT_EQ(vqpxmap_format_from_options("xs=10,truecolour,palettes", 4), 4);
  EXPECT_EQ(vqpxmap_format_from_options("", 2), 2);
  EXPECT_EQ(vqpxmap_format_from_options(nullptr, 2), 2);
}

TEST(PixmapResize, TruecolorKeepsTheOverlappingTopLeft) {
  TestPixmap p(3, 2, VQPX_TRUECOLOR);
  for (int y = 0; y < 2; y++)
    for (int x = 0; x < 3; x++) vqpxmap_setpixel(&p.pm, x, y, 10 * y + x + 1);
  ASSERT_TRUE(vqpxmap_resize(&p.pm, 2, 4));
  EXPECT_EQ(p->width, 2);
  EXPECT_EQ(p->height, 4);
  EXPECT_EQ(p.at(0, 0), 1);
  EXPECT_EQ(p.at(1, 0), 2);
  EXPECT_EQ(p.at(0, 1), 11);
  EXPECT_EQ(p.at(1, 1), 12);
  EXPECT_EQ(p.at(0, 2), 0);
  EXPECT_EQ(p.at(1, 3), 0);
  ASSERT_TRUE(vqpxmap_resize(&p.pm, 5, 1));
  EXPECT_EQ(p.at(1, 0), 2);
  EXPECT_EQ(p.at(4, 0), 0);
}

TEST(PixmapResize, ServerBufferIsMadeAnewAtTheNewSize) {
  TestPixmap p(4, 4, VQPX_SERVER);
  vqpxmap_clear(&p.pm, 0x112233);
  ASSERT_TRUE(vqpxmap_resize(&p.pm, 6, 2));
  int w = 0, h = 0;
  ASSERT_NE(vqplatform_pixbuf_pixels(p->pixbuf, &w, &h), nullptr);
  EXPECT_EQ(w, 6);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(p.at(5, 1), 0);
}

TEST(PixmapResize, OtherFormatsAndBadSizesAreRefused) {
  TestPixmap p(4, 4, VQPX_PALETTE8);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_resize(&p.pm, 2, 2));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "vqpxmap_resize: wrong format 1\n");
  EXPECT_EQ(p->width, 4);
  TestPixmap t(4, 4, VQPX_TRUECOLOR);
  vqpxmap_setpixel(&t.pm, 3, 3, 9);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_resize(&t.pm, -1, 2));
  EXPECT_FALSE(vqpxmap_resize(&t.pm, 2, VQPX_MAX_SIDE + 1));
  EXPECT_NE(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(t.at(3, 3), 9);
}

}  // namespace
