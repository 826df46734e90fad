// Conversions between pixel formats, including the colour reduction.
#include "test_pxmap_util.h"
#include "vqplatform.h"

#include <set>

namespace {

std::set<uint32_t> palette_colors_used(const vqpxmap* pm) {
  std::set<uint32_t> used;
  for (int y = 0; y < pm->height; y++)
    for (int x = 0; x < pm->width; x++) {
      int i = vqpxmap_getpixel(pm, x, y);
      if (i != 255) used.insert(pm->palette[i]);
    }
  return used;
}

TEST(PixmapConvert, Palette8ToTruecolorUsesThePaletteAndTheGivenTransparentColor) {
  for (int32_t transparent : {0x123456, -1}) {
    TestPixmap p(3, 1, VQPX_PALETTE8);
    vqpxmap_setpalette(&p.pm, 4, 0xABCDEF);
    vqpxmap_setpalette(&p.pm, 255, 0x777777);
    vqpxmap_setpixel(&p.pm, 0, 0, 4);
    vqpxmap_setpixel(&p.pm, 1, 0, 255);
    vqpxmap_setpixel(&p.pm, 2, 0, 15);
    ASSERT_TRUE(vqpxmap_convert2truecolor(&p.pm, transparent));
    EXPECT_EQ(p->format, VQPX_TRUECOLOR);
    EXPECT_EQ(p.at(0, 0), 0xABCDEF);
    EXPECT_EQ(p.at(1, 0), transparent == -1 ? 0 : transparent);
    EXPECT_EQ(p.at(2, 0), 0xFFFFFF);
  }
}

TEST(PixmapConvert, FewColorsKeepTheirValuesInOrderOfFirstAppearance) {
  TestPixmap p(10, 10, VQPX_TRUECOLOR);
  for (int i = 0; i < 100; i++) vqpxmap_setpixel(&p.pm, i % 10, i / 10, 0x010203 * (i % 37) + 0x100);
  vqpxmap_setpixel(&p.pm, 9, 9, 0x00FF00);  // the transparent color
  ASSERT_TRUE(vqpxmap_convert2palette8(&p.pm, 0x00FF00));
  EXPECT_EQ(p->format, VQPX_PALETTE8);
  EXPECT_EQ(p.at(0, 0), 0);
  EXPECT_EQ(p.at(5, 0), 5);
  EXPECT_EQ(p->palette[5], 0x010203u * 5 + 0x100);
  EXPECT_EQ(p.at(7, 3), 37 % 37);  // pixel 37 repeats color 0: first equal entry
  EXPECT_EQ(p.at(9, 9), 255);
  EXPECT_EQ(p->palette[255], 0x00FF00u);
  ASSERT_TRUE(vqpxmap_convert2truecolor(&p.pm, -1));
  for (int i = 0; i < 99; i++) ASSERT_EQ(p.at(i % 10, i / 10), static_cast<int32_t>(0x010203 * (i % 37) + 0x100));
}

TEST(PixmapConvert, ThreeHundredColorsReduceToTwoBitsPerComponent) {
  TestPixmap p(20, 15, VQPX_TRUECOLOR);
  for (int i = 0; i < 300; i++) vqpxmap_setpixel(&p.pm, i % 20, i / 20, (i * 0x3F1A2B) & 0xFFFFFF);
  ASSERT_TRUE(vqpxmap_convert2palette8(&p.pm, -1));
  std::set<uint32_t> used = palette_colors_used(&p.pm);
  EXPECT_LE(used.size(), 64u);
  EXPECT_GT(used.size(), 8u);
  for (uint32_t c : used)
    for (int shift : {0, 8, 16}) {
      uint32_t v = c >> shift & 0xFF;
      EXPECT_TRUE(v == 0x00 || v == 0x40 || v == 0x80 || v == 0xC0) << std::hex << c;
    }
  // Each pixel keeps the two high bits of its components.
  for (int i = 0; i < 300; i++) {
    int index = p.at(i % 20, i / 20);
    ASSERT_EQ(p->palette[index], ((i * 0x3F1A2Bu) & 0xFFFFFF) & 0xC0C0C0u);
  }
}

TEST(PixmapConvert, ExactlyTwoHundredFiftySixColorsAreReducedToo) {
  // Index 255 is reserved, so a full palette of 256 colors cannot be kept.
  TestPixmap p(256, 1, VQPX_TRUECOLOR);
  for (int i = 0; i < 256; i++) vqpxmap_setpixel(&p.pm, i, 0, i * 0x010101);
  ASSERT_TRUE(vqpxmap_convert2palette8(&p.pm, -1));
  std::set<uint32_t> used = palette_colors_used(&p.pm);
  EXPECT_EQ(used, (std::set<uint32_t>{0x000000, 0x404040, 0x808080, 0xC0C0C0}));
  TestPixmap q(255, 1, VQPX_TRUECOLOR);
  for (int i = 0; i < 255; i++) vqpxmap_setpixel(&q.pm, i, 0, i * 0x010101);
  ASSERT_TRUE(vqpxmap_convert2palette8(&q.pm, -1));
  EXPECT_EQ(palette_colors_used(&q.pm).size(), 255u);
  EXPECT_EQ(q.at(254, 0), 254);
}

TEST(PixmapConvert, MessagesForFormatsThatCannotBeConverted) {
  TestPixmap p16(2, 2, VQPX_PALETTE16);
  TestPixmap screen(2, 2, VQPX_SCREEN);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_convert2truecolor(&p16.pm, -1));
  EXPECT_FALSE(vqpxmap_convert2palette8(&p16.pm, -1));
  EXPECT_FALSE(vqpxmap_convert2server(&screen.pm));
  EXPECT_FALSE(vqpxmap_convert(&p16.pm, 7, -1));
  EXPECT_FALSE(vqpxmap_convert(&p16.pm, 2, -1));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_convert2truecolor: wrong format\n"
            "vqpxmap_convert2palette8: wrong format 2\n"
            "vqpxmap_convert2server: unsupported format 5\n"
            "vqpxmap_convert: format 7 not supported\n"
            "vqpxmap_convert: format 2 not supported\n");
  EXPECT_EQ(p16->format, VQPX_PALETTE16);
  EXPECT_NE(p16->data, nullptr);
}

TEST(PixmapConvert, SameFormatIsNothingToDo) {
  TestPixmap t(2, 2, VQPX_TRUECOLOR);
  uint8_t* before = t->data;
  EXPECT_TRUE(vqpxmap_convert2truecolor(&t.pm, -1));
  EXPECT_EQ(t->data, before);
  TestPixmap s(2, 2, VQPX_SERVER);
  int handle = s->pixbuf;
  EXPECT_TRUE(vqpxmap_convert2server(&s.pm));
  EXPECT_EQ(s->pixbuf, handle);
}

TEST(PixmapServer, FillReadBackAndCopy) {
  TestPixmap s(6, 4, VQPX_SERVER);
  ASSERT_TRUE(vqpxmap_clear(&s.pm, 0x102030));
  vqpxmap_fillrect(&s.pm, 4, 2, 10, 10, 0x405060);
  vqpxmap_setpixel(&s.pm, 0, 3, 0x708090);
  int w = 0, h = 0;
  const uint32_t* px = vqplatform_pixbuf_pixels(s->pixbuf, &w, &h);
  ASSERT_NE(px, nullptr);
  EXPECT_EQ(px[3 * 6 + 5], 0x405060u);
  EXPECT_EQ(vqpxmap_rgbpixels(&s.pm), px);
  EXPECT_EQ(s.at(3, 2), 0x102030);
  EXPECT_EQ(s.at(0, 3), 0x708090);

  TestPixmap copy;
  ASSERT_TRUE(vqpxmap_duplicate(&copy.pm, &s.pm, 3, 1, -1, -1));
  EXPECT_EQ(copy->format, VQPX_SERVER);
  EXPECT_NE(copy->pixbuf, s->pixbuf);
  EXPECT_EQ(copy->width, 3);
  EXPECT_EQ(copy->height, 3);
  EXPECT_EQ(copy.at(2, 2), 0x405060);
  EXPECT_EQ(copy.at(0, 0), 0x102030);

  TestPixmap into(8, 8, VQPX_SERVER);
  ASSERT_TRUE(vqpxmap_merge(&into.pm, &s.pm, 1, 1, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(into.at(1 + 5, 1 + 3), 0x405060);
  EXPECT_EQ(into.at(1, 1 + 3), 0x708090);
  EXPECT_EQ(into.at(0, 0), 0);

  int old_handle = s->pixbuf;
  ASSERT_TRUE(vqpxmap_convert2truecolor(&s.pm, -1));
  EXPECT_EQ(s->format, VQPX_TRUECOLOR);
  EXPECT_EQ(s->pixbuf, 0);
  EXPECT_EQ(s.at(5, 3), 0x405060);
  EXPECT_EQ(s.at(0, 3), 0x708090);
  EXPECT_EQ(vqplatform_pixbuf_pixels(old_handle, nullptr, nullptr), nullptr);  // given back
}

TEST(PixmapServer, PalettePixmapBecomesServerThroughItsPalette) {
  TestPixmap p(2, 1, VQPX_PALETTE8);
  vqpxmap_setpixel(&p.pm, 0, 0, 12);
  vqpxmap_setpixel(&p.pm, 1, 0, 255);
  ASSERT_TRUE(vqpxmap_convert(&p.pm, VQPX_DIRECTX, -1));
  EXPECT_EQ(p->format, VQPX_DIRECTX);
  EXPECT_EQ(p->data, nullptr);
  EXPECT_EQ(p.at(0, 0), 0xFF0000);
  EXPECT_EQ(p.at(1, 0), static_cast<int32_t>(p->palette[255]));
}

TEST(PixmapScreen, ConvertingFreesThePixelsAndTakesTheWindow) {
  TestPixmap p(3, 3, VQPX_TRUECOLOR);
  vqpxmap_clear(&p.pm, 0x445566);
  ASSERT_TRUE(vqpxmap_convert2screen(&p.pm, 0));
  EXPECT_EQ(p->format, VQPX_SCREEN);
  EXPECT_EQ(p.at(1, 1), 0);
  EXPECT_EQ(p->width, 3);
}

}  // namespace
