// PCX files: the writer's header and run-length code byte for byte, reading
// back, streams written by other encoders, and hostile files.
#include "test_image_util.h"

namespace {

// A 128-byte header for a 3-plane, 8-bit, run-length encoded picture.
Bytes pcx_header(int w, int h, int bytes_per_line) {
  Bytes b(128, 0);
  b[0] = 10;
  b[1] = 5;
  b[2] = 1;
  b[3] = 8;
  put_le16(&b, 8, uint32_t(w - 1));
  put_le16(&b, 10, uint32_t(h - 1));
  b[65] = 3;
  put_le16(&b, 66, uint32_t(bytes_per_line));
  b[68] = 1;
  return b;
}

Bytes with_data(Bytes head, const Bytes& data) {
  head.insert(head.end(), data.begin(), data.end());
  return head;
}

bool load(vqpxmap* pm, const Bytes& b, int x0 = 0, int y0 = 0) {
  return vqpxmap_loadfrommem_pcx(pm, b.data(), b.size(), x0, y0, 0, 0, "");
}

Bytes write_and_read(vqpxmap* pm, const std::string& file) {
  EXPECT_TRUE(vqpxmap_savetofile_pcx(pm, file.c_str()));
  return read_file(file);
}

using PcxTest = ImageFileTest;

}  // namespace

TEST_F(PcxTest, HeaderByteForByte) {
  TestPixmap img(3, 2, VQPX_TRUECOLOR);
  const Bytes b = write_and_read(&img.pm, path("h.pcx"));
  ASSERT_GE(b.size(), 128u);
  Bytes want(128, 0);
  const uint8_t head[] = {10, 5, 1, 8, 0, 0, 0, 0, 2, 0, 1, 0, 44, 1, 44, 1};
  std::copy(std::begin(head), std::end(head), want.begin());
  want[65] = 3;
  want[66] = 3;
  want[68] = 1;
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 128), want);
  // All black: per row three planes of one run of 3 zeros each.
  EXPECT_EQ(Bytes(b.begin() + 128, b.end()), (Bytes{0xC3, 0, 0xC3, 0, 0xC3, 0, 0xC3, 0, 0xC3, 0, 0xC3, 0}));
}

TEST_F(PcxTest, RunOfOneHundredIsSixtyThreeThenTheRest) {
  TestPixmap img(100, 1, VQPX_TRUECOLOR);
  vqpxmap_clear(&img.pm, 0x11C822);
  const Bytes b = write_and_read(&img.pm, path("run.pcx"));
  const Bytes want = {0xFF, 0x11, 0xE5, 0x11, 0xFF, 0xC8, 0xE5, 0xC8, 0xFF, 0x22, 0xE5, 0x22};
  EXPECT_EQ(Bytes(b.begin() + 128, b.end()), want);
}

TEST_F(PcxTest, SingleBytesAndRunBoundaries) {
  // Red plane: 0x05 alone, 0xC0 alone, then 64 x 0x07 (63 + 1), then 0xFF.
  TestPixmap img(67, 1, VQPX_TRUECOLOR);
  vqpxmap_setpixel(&img.pm, 0, 0, 0x050000);
  vqpxmap_setpixel(&img.pm, 1, 0, 0xC00000);
  for (int x = 2; x < 66; ++x) vqpxmap_setpixel(&img.pm, x, 0, 0x070000);
  vqpxmap_setpixel(&img.pm, 66, 0, 0xFF0000);
  const Bytes b = write_and_read(&img.pm, path("single.pcx"));
  const Bytes red = {0x05, 0xC1, 0xC0, 0xFF, 0x07, 0x07, 0xC1, 0xFF};
  ASSERT_GE(b.size(), 128 + red.size());
  EXPECT_EQ(Bytes(b.begin() + 128, b.begin() + 128 + red.size()), red);
  // Green and blue planes are 67 zeros: a run of 63, then one of 4.
  EXPECT_EQ(Bytes(b.begin() + 128 + red.size(), b.end()), (Bytes{0xFF, 0, 0xC4, 0, 0xFF, 0, 0xC4, 0}));
}

TEST_F(PcxTest, RoundTripOddSizesAndManyColors) {
  for (int w : {1, 2, 3, 7, 64, 65, 130}) {
    for (int h : {1, 3}) {
      TestPixmap img(w, h, VQPX_TRUECOLOR);
      fill_pattern(&img.pm);
      const std::string file = path("rt.pcx");
      write_and_read(&img.pm, file);
      TestPixmap back(w, h, VQPX_TRUECOLOR);
      ASSERT_TRUE(vqpxmap_loadfromfile_pcx(&back.pm, file.c_str(), 0, 0, 0, 0, ""));
      EXPECT_EQ(pixels_of(&back.pm), pixels_of(&img.pm)) << w << "x" << h;
    }
  }
}

TEST_F(PcxTest, ReadsRunsAcrossPlaneLinesAndPaddedLines) {
  // 3 x 1: one run of 6 covers the red and green plane lines, then blue.
  TestPixmap img(3, 1, VQPX_TRUECOLOR);
  ASSERT_TRUE(load(&img.pm, with_data(pcx_header(3, 1, 3), {0xC6, 0x40, 1, 2, 3})));
  EXPECT_EQ(pixels_of(&img.pm), (std::vector<int32_t>{0x404001, 0x404002, 0x404003}));

  // Lines padded to an even length (bytes per line 4 for width 3): the pad
  // bytes are passed over.
  TestPixmap padded(3, 2, VQPX_TRUECOLOR);
  const Bytes data = {1, 2, 3, 0x2E, 4, 5, 6, 0x2E, 7, 8, 9, 0x2E,
                      0xC4, 0x10, 0xC4, 0x20, 0xC3, 0x30, 0x99};
  ASSERT_TRUE(load(&padded.pm, with_data(pcx_header(3, 2, 4), data)));
  EXPECT_EQ(pixels_of(&padded.pm),
            (std::vector<int32_t>{0x010407, 0x020508, 0x030609, 0x102030, 0x102030, 0x102030}));

  // A bytes-per-line field below the width is not used: a plane line is
  // width bytes. A run count of 0 yields nothing.
  TestPixmap zero(2, 1, VQPX_TRUECOLOR);
  ASSERT_TRUE(load(&zero.pm, with_data(pcx_header(2, 1, 0), {0xC0, 0x55, 1, 2, 3, 4, 5, 6})));
  EXPECT_EQ(pixels_of(&zero.pm), (std::vector<int32_t>{0x010305, 0x020406}));
}

TEST_F(PcxTest, PlacementAndOtherTargets) {
  TestPixmap src(4, 3, VQPX_TRUECOLOR);
  fill_pattern(&src.pm);
  const Bytes b = write_and_read(&src.pm, path("src.pcx"));
  TestPixmap img(3, 3, VQPX_TRUECOLOR);
  vqpxmap_clear(&img.pm, 0x777777);
  ASSERT_TRUE(load(&img.pm, b, 1, -1));
  EXPECT_EQ(img.at(0, 0), 0x777777);
  EXPECT_EQ(img.at(1, 0), src.at(0, 1));
  EXPECT_EQ(img.at(2, 1), src.at(1, 2));
  EXPECT_EQ(img.at(1, 2), 0x777777);

  TestPixmap pal(5, 5, VQPX_PALETTE8);
  vqpxmap_clear(&pal.pm, 9);
  ASSERT_TRUE(load(&pal.pm, b, 1, 1));
  EXPECT_EQ(pal.at(0, 0), 9);
  EXPECT_TRUE(shows(&pal.pm, pal.at(4, 3), uint32_t(src.at(3, 2))));

  TestPixmap p16(2, 2, VQPX_PALETTE16);
  std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&p16.pm, b)); });
  EXPECT_EQ(said, "vqpxmap_loadfrommem_pcx: PX-Format 2 not supported (should load and copy then)\n");
  said = diagnostics_of([&] {
    EXPECT_FALSE(vqpxmap_loadfromfile_pcx(&p16.pm, path("src.pcx").c_str(), 0, 0, 0, 0, ""));
  });
  EXPECT_EQ(said, "vqpxmap_loadfromfile_pcx: PX-Format 2 not supported (should load and copy then)\n");
}

TEST_F(PcxTest, HostileFiles) {
  struct Case {
    const char* name;
    Bytes file;
  };
  Bytes palette_kind = pcx_header(2, 2, 2);
  palette_kind[65] = 1;
  Bytes not_pcx = pcx_header(2, 2, 2);
  not_pcx[0] = 0x0B;
  Bytes uncompressed = pcx_header(2, 2, 2);
  uncompressed[2] = 0;
  Bytes four_bits = pcx_header(2, 2, 2);
  four_bits[3] = 4;
  Bytes short_header = pcx_header(2, 2, 2);
  short_header.resize(127);
  const Case refused[] = {
      {"short header", short_header},
      {"empty", {}},
      {"manufacturer", not_pcx},
      {"one plane", palette_kind},
      {"uncompressed", uncompressed},
      {"4 bits", four_bits},
  };
  for (const Case& c : refused) {
    TestPixmap img(2, 2, VQPX_TRUECOLOR);
    vqpxmap_clear(&img.pm, 0x777777);
    const std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&img.pm, c.file)) << c.name; });
    EXPECT_EQ(line_count(said), 1) << c.name << ": " << said;
    EXPECT_EQ(pixels_of(&img.pm), std::vector<int32_t>(4, 0x777777)) << c.name;
  }

  // Data that end inside the second row: the first row stays, the second
  // is not written at all (its red plane alone is no picture row).
  TestPixmap img(2, 2, VQPX_TRUECOLOR);
  vqpxmap_clear(&img.pm, 0x777777);
  const Bytes cut = with_data(pcx_header(2, 2, 2), {0xC2, 1, 0xC2, 2, 0xC2, 3, 0xC2, 9, 0xC2});
  std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&img.pm, cut)); });
  EXPECT_EQ(said, "vqpxmap_loadfrommem_pcx: the data end in row 2 of 2\n");
  EXPECT_EQ(pixels_of(&img.pm), (std::vector<int32_t>{0x010203, 0x010203, 0x777777, 0x777777}));

  // The largest size the header can state, with almost no data: a short,
  // bounded read, also into a palette target (whose temporary copy is no
  // larger than the target).
  const Bytes huge = with_data(pcx_header(65536, 65536, 65535), {0xFF, 1, 0xFF, 2});
  TestPixmap small(3, 3, VQPX_TRUECOLOR);
  said = diagnostics_of([&] { EXPECT_FALSE(load(&small.pm, huge)); });
  EXPECT_EQ(said, "vqpxmap_loadfrommem_pcx: the data end in row 1 of 65536\n");
  TestPixmap pal(3, 3, VQPX_PALETTE8);
  said = diagnostics_of([&] { EXPECT_FALSE(load(&pal.pm, huge)); });
  EXPECT_EQ(line_count(said), 1);
  int w = 0, h = 0;
  EXPECT_TRUE(vqgetpicturesizes_mem(VQIMG_PCX, huge.data(), huge.size(), &w, &h));
  EXPECT_EQ(w, 65536);
  EXPECT_EQ(h, 65536);

  // Rows below the pixmap are not decoded, so a file whose tail is missing
  // still reads completely into a pixmap that shows only its top.
  TestPixmap top(2, 1, VQPX_TRUECOLOR);
  EXPECT_TRUE(load(&top.pm, cut));
  EXPECT_EQ(top.at(1, 0), 0x010203);
}
