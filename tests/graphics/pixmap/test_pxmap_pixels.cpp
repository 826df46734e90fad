// Pixel access in the memory formats: bounds, clipping and the stored values.
#include "test_pxmap_util.h"
#include "vqpxmap.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Pixmap = TestPixmap;

TEST(PixmapPixels, EdgeOfTheImageReadsMinusOneAndWritesNothing) {
  for (int format : {VQPX_PALETTE8, VQPX_PALETTE16, VQPX_TRUECOLOR, VQPX_SERVER, VQPX_DIRECTX}) {
    SCOPED_TRACE(format);
    Pixmap p(4, 3, format);
    ASSERT_TRUE(vqpxmap_clear(&p.pm, 7));
    EXPECT_EQ(vqpxmap_getpixel(&p.pm, 4, 0), -1);
    EXPECT_EQ(vqpxmap_getpixel(&p.pm, 0, 3), -1);
    EXPECT_EQ(vqpxmap_getpixel(&p.pm, -1, 0), -1);
    EXPECT_EQ(vqpxmap_getpixel(&p.pm, 3, 2), 7);
    vqpxmap_setpixel(&p.pm, 4, 0, 9);   // would land on (0, 1) if unchecked
    vqpxmap_setpixel(&p.pm, -1, 1, 9);  // would land on (3, 0)
    for (int y = 0; y < 3; y++)
      for (int x = 0; x < 4; x++) EXPECT_EQ(vqpxmap_getpixel(&p.pm, x, y), 7) << x << "," << y;
  }
}

TEST(PixmapPixels, StoredValuesByFormat) {
  Pixmap p8(2, 2, VQPX_PALETTE8);
  vqpxmap_setpixel(&p8.pm, 1, 1, 0x1234);  // a palette pixmap keeps the low byte as index
  EXPECT_EQ(vqpxmap_getpixel(&p8.pm, 1, 1), 0x34);
  EXPECT_EQ(p8.pm.data[3], 0x34);
  Pixmap p16(2, 2, VQPX_PALETTE16);
  vqpxmap_setpixel(&p16.pm, 1, 0, 0xFFFE);
  EXPECT_EQ(vqpxmap_getpixel(&p16.pm, 1, 0), -2);  // read back as signed 16-bit
  vqpxmap_setpixel(&p16.pm, 0, 1, 300);
  EXPECT_EQ(vqpxmap_getpixel(&p16.pm, 0, 1), 300);
  Pixmap tc(3, 2, VQPX_TRUECOLOR);
  vqpxmap_setpixel(&tc.pm, 2, 1, 0x123456);
  EXPECT_EQ(vqpxmap_rgbpixels(&tc.pm)[1 * 3 + 2], 0x123456u);
  EXPECT_EQ(vqpxmap_rgbpixels(&p8.pm), nullptr);
}

TEST(PixmapPixels, FillrectClipsNegativeAndOversizedRectangles) {
  Pixmap p(5, 4, VQPX_TRUECOLOR);
  vqpxmap_fillrect(&p.pm, -2, -1, 4, 3, 0xAA);  // becomes (0,0) 2x2
  for (int y = 0; y < 4; y++)
    for (int x = 0; x < 5; x++)
      EXPECT_EQ(vqpxmap_getpixel(&p.pm, x, y), (x < 2 && y < 2) ? 0xAA : 0) << x << "," << y;
  vqpxmap_fillrect(&p.pm, 3, 2, 2147483647, 2147483647, 0xBB);
  EXPECT_EQ(vqpxmap_getpixel(&p.pm, 4, 3), 0xBB);
  EXPECT_EQ(vqpxmap_getpixel(&p.pm, 2, 3), 0);
  vqpxmap_fillrect(&p.pm, -2147483647, -2147483647, 2147483647, 2147483647, 0xCC);
  EXPECT_EQ(vqpxmap_getpixel(&p.pm, 0, 0), 0xAA);  // the rectangle ends before the pixmap
  vqpxmap_fillrect(&p.pm, 1, 1, 0, 5, 0xDD);
  vqpxmap_fillrect(&p.pm, 1, 1, -3, 5, 0xDD);
  EXPECT_EQ(vqpxmap_getpixel(&p.pm, 1, 1), 0xAA);
}

TEST(PixmapPixels, SetpointsSkipsPointsOutside) {
  Pixmap p(3, 3, VQPX_PALETTE8);
  int xs[] = {0, 2, 3, -1, 1};
  int ys[] = {0, 2, 0, 1, 3};
  EXPECT_TRUE(vqpxmap_setpoints(&p.pm, 5, xs, ys, 12));
  int set = 0;
  for (int y = 0; y < 3; y++)
    for (int x = 0; x < 3; x++) set += vqpxmap_getpixel(&p.pm, x, y) == 12;
  EXPECT_EQ(set, 2);
  EXPECT_EQ(vqpxmap_getpixel(&p.pm, 2, 2), 12);
}

TEST(PixmapPixels, WrongFormatMessages) {
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = pm.height = 2;
  pm.format = 9;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_allocate(&pm));
  EXPECT_FALSE(vqpxmap_clear(&pm, 0));
  EXPECT_FALSE(vqpxmap_setpixel(&pm, 1, 1, 0));
  EXPECT_EQ(vqpxmap_getpixel(&pm, 1, 1), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_allocate: wrong format\n"
            "vqpxmap_clear: wrong format\n"
            "vqpxmap_setpixel: wrong format 9\n"
            "vqpxmap_getpixel: wrong format\n");
}

TEST(PixmapPixels, AbsurdSizesAreRefused) {
  for (auto [w, h] : {std::pair{-1, 4}, std::pair{4, -5}, std::pair{VQPX_MAX_SIDE + 1, 1}}) {
    vqpxmap pm;
    vqpxmap_init(&pm);
    pm.width = w;
    pm.height = h;
    pm.format = VQPX_TRUECOLOR;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(vqpxmap_allocate(&pm));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("vqpxmap_allocate: ", 0), 0u) << out;
    EXPECT_EQ(pm.data, nullptr);
    vqpxmap_free(&pm);
  }
}

}  // namespace
