// PPM files: the writer's bytes, the line-by-line header, smaller maximum
// values, and the hostile headers and truncated pixel data.
#include "test_image_util.h"

namespace {

bool load(vqpxmap* pm, const Bytes& b, int x0 = 0, int y0 = 0) {
  return vqpxmap_loadfrommem_ppm(pm, b.data(), b.size(), x0, y0, 0, 0, "");
}

Bytes ppm(const std::string& header, const Bytes& pixels) {
  Bytes b = text_bytes(header);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

using PpmTest = ImageFileTest;

}  // namespace

TEST_F(PpmTest, WriterBytes) {
  TestPixmap img(2, 2, VQPX_TRUECOLOR);
  vqpxmap_setpixel(&img.pm, 0, 0, 0x010203);
  vqpxmap_setpixel(&img.pm, 1, 0, 0xFFFEFD);
  vqpxmap_setpixel(&img.pm, 0, 1, 0x0A0B0C);
  const std::string file = path("w.ppm");
  ASSERT_TRUE(vqpxmap_savetofile_ppm(&img.pm, file.c_str()));
  EXPECT_EQ(read_file(file), ppm("P6\n2 2\n255\n", {1, 2, 3, 255, 254, 253, 10, 11, 12, 0, 0, 0}));

  TestPixmap pal(1, 1, VQPX_PALETTE8);
  vqpxmap_setpalette(&pal.pm, 4, 0x334455);
  vqpxmap_setpixel(&pal.pm, 0, 0, 4);
  ASSERT_TRUE(vqpxmap_savetofile_ppm(&pal.pm, file.c_str()));
  EXPECT_EQ(pal.pm.format, VQPX_TRUECOLOR);
  EXPECT_EQ(read_file(file), ppm("P6\n1 1\n255\n", {0x33, 0x44, 0x55}));
}

TEST_F(PpmTest, RoundTripAndPlacement) {
  TestPixmap img(7, 5, VQPX_TRUECOLOR);
  fill_pattern(&img.pm);
  const std::string file = path("rt.ppm");
  ASSERT_TRUE(vqpxmap_savetofile_ppm(&img.pm, file.c_str()));
  TestPixmap back(7, 5, VQPX_TRUECOLOR);
  ASSERT_TRUE(vqpxmap_loadfromfile_ppm(&back.pm, file.c_str(), 0, 0, 0, 0, ""));
  EXPECT_EQ(pixels_of(&back.pm), pixels_of(&img.pm));

  TestPixmap shifted(4, 4, VQPX_TRUECOLOR);
  vqpxmap_clear(&shifted.pm, 0x777777);
  ASSERT_TRUE(vqpxmap_loadfromfile_ppm(&shifted.pm, file.c_str(), -3, 2, 0, 0, ""));
  EXPECT_EQ(shifted.at(0, 1), 0x777777);
  EXPECT_EQ(shifted.at(0, 2), img.at(3, 0));
  EXPECT_EQ(shifted.at(3, 3), img.at(6, 1));

  TestPixmap pal(8, 8, VQPX_PALETTE8);
  ASSERT_TRUE(vqpxmap_loadfromfile_ppm(&pal.pm, file.c_str(), 1, 0, 0, 0, ""));
  EXPECT_TRUE(shows(&pal.pm, pal.at(7, 4), uint32_t(img.at(6, 4))));
  EXPECT_EQ(pal.at(0, 0), 0);
  EXPECT_EQ(pal.at(1, 5), 0);
}

TEST_F(PpmTest, HeaderLinesCommentsAndMaximumValue) {
  TestPixmap img(2, 1, VQPX_TRUECOLOR);
  ASSERT_TRUE(load(&img.pm, ppm("P6\r\n# made by hand\n#\n2 1 trailing words\n255\n",
                                {1, 2, 3, 4, 5, 6})));
  EXPECT_EQ(pixels_of(&img.pm), (std::vector<int32_t>{0x010203, 0x040506}));
  // A smaller maximum value is scaled to 0..255; samples above it are full.
  ASSERT_TRUE(load(&img.pm, ppm("P6\n2 1\n15\n", {0, 8, 15, 1, 7, 200})));
  EXPECT_EQ(pixels_of(&img.pm), (std::vector<int32_t>{0x0088FF, 0x1177FF}));
  int w = 0, h = 0;
  const Bytes sizes = text_bytes("P6\n#c\n640 480\n");
  EXPECT_TRUE(vqgetpicturesizes_mem(VQIMG_PPM, sizes.data(), sizes.size(), &w, &h));
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 480);
}

TEST_F(PpmTest, RefusedHeaders) {
  const char* const headers[] = {
      "P3\n2 1\n255\n",           // ASCII samples
      "P5\n2 1\n255\n",           // grey
      "P6 2 1 255\n",             // all on one line
      "P66\n2 1\n255\n",
      "P6\n2 1\n65535\n",         // two bytes per sample
      "P6\n2 1\n0\n",
      "P6\n2 1\n",                // no maximum value line
      "P6\n0 1\n255\n",
      "P6\n2 -1\n255\n",
      "P6\n2\n255\n",
      "P6\n2x1\n255\n",
      "P6\n99999999999 1\n255\n",  // does not fit
      "P6\n# only comments\n",
      "",
      "P6",
  };
  for (const char* header : headers) {
    TestPixmap img(2, 1, VQPX_TRUECOLOR);
    vqpxmap_clear(&img.pm, 0x777777);
    const Bytes b = ppm(header, {1, 2, 3, 4, 5, 6});
    const std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&img.pm, b)) << header; });
    EXPECT_EQ(line_count(said), 1) << header << ": " << said;
    EXPECT_EQ(said.rfind("vqpxmap_loadfrommem_ppm: ", 0), 0u) << said;
    EXPECT_EQ(pixels_of(&img.pm), std::vector<int32_t>(2, 0x777777)) << header;
  }
}

TEST_F(PpmTest, TruncatedPixelsKeepWhatWasRead) {
  // 3 x 2 with the data ending inside the second pixel of row 2.
  const Bytes b = ppm("P6\n3 2\n255\n", {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5});
  TestPixmap img(3, 2, VQPX_TRUECOLOR);
  vqpxmap_clear(&img.pm, 0x777777);
  std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&img.pm, b)); });
  EXPECT_EQ(said, "vqpxmap_loadfrommem_ppm: the file holds 1 of 2 rows\n");
  EXPECT_EQ(pixels_of(&img.pm),
            (std::vector<int32_t>{0x010101, 0x020202, 0x030303, 0x040404, 0x777777, 0x777777}));

  // A huge size with no pixels: nothing is read, nothing is allocated for it.
  const Bytes huge = ppm("P6\n999999999 999999999\n255\n", {});
  TestPixmap pal(2, 2, VQPX_PALETTE8);
  vqpxmap_clear(&pal.pm, 9);
  said = diagnostics_of([&] { EXPECT_FALSE(load(&pal.pm, huge)); });
  EXPECT_EQ(said, "vqpxmap_loadfrommem_ppm: the file holds 0 of 999999999 rows\n");
  EXPECT_EQ(pixels_of(&pal.pm), std::vector<int32_t>(4, 9));

  // Only rows that can reach the pixmap are needed.
  TestPixmap top(3, 1, VQPX_TRUECOLOR);
  EXPECT_TRUE(load(&top.pm, b));
  EXPECT_EQ(top.at(2, 0), 0x030303);
}

TEST_F(PpmTest, MissingFileAndUnsupportedTarget) {
  TestPixmap img(2, 2, VQPX_TRUECOLOR);
  const std::string file = path("absent.ppm");
  std::string said = diagnostics_of([&] {
    EXPECT_FALSE(vqpxmap_loadfromfile_ppm(&img.pm, file.c_str(), 0, 0, 0, 0, ""));
  });
  EXPECT_EQ(said, "vqpxmap_loadfromfile_ppm: cannot open " + file + "\n");
  write_file(file, ppm("P6\n1 1\n255\n", {1, 2, 3}));
  TestPixmap p16(2, 2, VQPX_PALETTE16);
  said = diagnostics_of([&] {
    EXPECT_FALSE(vqpxmap_loadfromfile_ppm(&p16.pm, file.c_str(), 0, 0, 0, 0, ""));
  });
  EXPECT_EQ(said, "vqpxmap_loadfromfile_ppm: PX-Format 2 not supported (should load and copy then)\n");
}
