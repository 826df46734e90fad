// BMP files: the writer's bytes, reading back, placement and clipping, the
// other target formats, and the hostile files with what each one yields.
#include "test_image_util.h"

namespace {

uint32_t pattern_at(int x, int y) { return uint32_t((x * 40 + 1) << 16 | (y * 30 + 2) << 8 | (x + y)); }

// A 24-bit bottom-up BMP made here byte by byte (not by the writer under
// test). extra: bytes between the 54-byte header and the pixels (counted as
// info header when info_size says so); trailer: bytes after the pixels,
// such as the colour profile an image editor stores there.
Bytes make_bmp(int w, int h, size_t extra = 0, size_t trailer = 0, uint32_t info_size = 40) {
  const size_t row = (size_t(w) * 3 + 3) / 4 * 4;
  Bytes b(54 + extra + row * h + trailer, 0);
  for (size_t i = b.size() - trailer; i < b.size(); ++i) b[i] = uint8_t(0x5A + i * 7);
  b[0] = 'B';
  b[1] = 'M';
  put_le32(&b, 2, uint32_t(b.size()));
  put_le32(&b, 10, uint32_t(54 + extra));
  put_le32(&b, 14, info_size);
  put_le32(&b, 18, uint32_t(w));
  put_le32(&b, 22, uint32_t(h));
  put_le16(&b, 26, 1);
  put_le16(&b, 28, 24);
  for (int y = 0; y < h; ++y) {
    uint8_t* p = b.data() + 54 + extra + row * size_t(h - 1 - y);
    for (int x = 0; x < w; ++x, p += 3) {
      const uint32_t c = pattern_at(x, y);
      p[0] = uint8_t(c);
      p[1] = uint8_t(c >> 8);
      p[2] = uint8_t(c >> 16);
    }
  }
  return b;
}

bool load(vqpxmap* pm, const Bytes& b, int x0 = 0, int y0 = 0, const char* options = "") {
  return vqpxmap_loadfrommem_bmp(pm, b.data(), b.size(), x0, y0, 0, 0, options);
}

using BmpTest = ImageFileTest;

}  // namespace

TEST_F(BmpTest, WidthFiveHasOnePaddingByteAndTheSizeFieldLeavesPaddingOut) {
  TestPixmap img(5, 3, VQPX_TRUECOLOR);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) vqpxmap_setpixel(&img.pm, x, y, int32_t(pattern_at(x, y)));
  const std::string file = path("w5.bmp");
  ASSERT_TRUE(vqpxmap_savetofile_bmp(&img.pm, file.c_str()));
  const Bytes b = read_file(file);
  ASSERT_EQ(b.size(), 54u + 3 * 16);
  const Bytes head = {'B', 'M', 99, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                      5, 0, 0, 0, 3, 0, 0, 0, 1, 0, 24, 0};
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 30), head);
  EXPECT_EQ(Bytes(b.begin() + 30, b.begin() + 54), Bytes(24, 0));
  for (int r = 0; r < 3; ++r) {  // the bottom row comes first
    const size_t at = 54 + size_t(r) * 16;
    for (int x = 0; x < 5; ++x) {
      const uint32_t c = pattern_at(x, 2 - r);
      EXPECT_EQ(b[at + 3 * x], uint8_t(c)) << r << "," << x;
      EXPECT_EQ(b[at + 3 * x + 1], uint8_t(c >> 8));
      EXPECT_EQ(b[at + 3 * x + 2], uint8_t(c >> 16));
    }
    EXPECT_EQ(b[at + 15], 0) << "padding of row " << r;
  }
  // What the writer wrote is what a hand-made file of the same picture holds.
  const Bytes hand = make_bmp(5, 3);
  EXPECT_EQ(Bytes(b.begin() + 54, b.end()), Bytes(hand.begin() + 54, hand.end()));
}

TEST_F(BmpTest, RoundTripAtEveryPaddingLength) {
  for (int w : {1, 2, 3, 4, 5, 6, 7, 8, 63}) {
    for (int h : {1, 2, 5}) {
      TestPixmap img(w, h, VQPX_TRUECOLOR);
      fill_pattern(&img.pm);
      const std::string file = path("rt.bmp");
      ASSERT_TRUE(vqpxmap_savetofile_bmp(&img.pm, file.c_str()));
      EXPECT_EQ(read_file(file).size(), 54u + size_t(h) * ((w * 3 + 3) / 4 * 4));
      TestPixmap back(w, h, VQPX_TRUECOLOR);
      ASSERT_TRUE(vqpxmap_loadfromfile_bmp(&back.pm, file.c_str(), 0, 0, 0, 0, ""));
      EXPECT_EQ(pixels_of(&back.pm), pixels_of(&img.pm)) << w << "x" << h;
    }
  }
}

TEST_F(BmpTest, WriterConvertsPaletteImagesInPlaceWithTransparentAsBlack) {
  TestPixmap img(2, 1, VQPX_PALETTE8);
  vqpxmap_setpalette(&img.pm, 3, 0x123456);
  vqpxmap_setpixel(&img.pm, 0, 0, 3);
  vqpxmap_setpixel(&img.pm, 1, 0, VQPX_TRANSPARENT_INDEX);
  const std::string file = path("pal.bmp");
  ASSERT_TRUE(vqpxmap_savetofile_bmp(&img.pm, file.c_str()));
  EXPECT_EQ(img.pm.format, VQPX_TRUECOLOR);
  const Bytes b = read_file(file);
  ASSERT_EQ(b.size(), 54u + 8);
  EXPECT_EQ(Bytes(b.begin() + 54, b.end()), (Bytes{0x56, 0x34, 0x12, 0, 0, 0, 0, 0}));
}

TEST_F(BmpTest, WriterFailuresLeaveNoFile) {
  TestPixmap img(2, 2, VQPX_TRUECOLOR);
  std::string said = diagnostics_of([&] {
    EXPECT_FALSE(vqpxmap_savetofile_bmp(&img.pm, (path("no/such/dir.bmp")).c_str()));
  });
  EXPECT_EQ(said, "vqpxmap_savetofile_bmp: cannot create " + path("no/such/dir.bmp") + "\n");
  if (access("/dev/full", W_OK) == 0) {
    TestPixmap big(300, 300, VQPX_TRUECOLOR);
    said = diagnostics_of([&] { EXPECT_FALSE(vqpxmap_savetofile_bmp(&big.pm, "/dev/full")); });
    EXPECT_EQ(said, "vqpxmap_savetofile_bmp: cannot write /dev/full\n");
  }
  TestPixmap empty;
  said = diagnostics_of([&] { EXPECT_FALSE(vqpxmap_savetofile_bmp(&empty.pm, path("e.bmp").c_str())); });
  EXPECT_EQ(line_count(said), 1) << said;
  EXPECT_NE(access(path("e.bmp").c_str(), F_OK), 0);
}

TEST_F(BmpTest, ReadsAtAnOffsetClippedToThePixmap) {
  const Bytes b = make_bmp(4, 3);
  TestPixmap img(5, 4, VQPX_TRUECOLOR);
  vqpxmap_clear(&img.pm, 0x777777);
  ASSERT_TRUE(load(&img.pm, b, 2, 2));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const bool inside = x >= 2 && y >= 2;
      EXPECT_EQ(img.at(x, y), inside ? int32_t(pattern_at(x - 2, y - 2)) : 0x777777) << x << "," << y;
    }
  TestPixmap left(3, 3, VQPX_TRUECOLOR);
  ASSERT_TRUE(load(&left.pm, b, -2, -1));
  EXPECT_EQ(left.at(0, 0), int32_t(pattern_at(2, 1)));
  EXPECT_EQ(left.at(1, 1), int32_t(pattern_at(3, 2)));
  EXPECT_EQ(left.at(2, 0), 0);
  EXPECT_EQ(left.at(0, 2), 0);
}

TEST_F(BmpTest, RowsComeFromTheEndOfTheFileWhateverTheHeaderLength) {
  const Bytes b = make_bmp(3, 2, 70);  // a longer info header, as newer writers emit
  TestPixmap img(3, 2, VQPX_TRUECOLOR);
  ASSERT_TRUE(load(&img.pm, b));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(img.at(x, y), int32_t(pattern_at(x, y)));
}

TEST_F(BmpTest, RowsStartAtThePixelOffsetWhenTheFileHoldsThemThere) {
  // Newer info headers of 108 and 124 bytes, with and without a profile
  // after the pixels; an offset below 54 or one that would run the rows past
  // the end of the file leaves the rows counted from the end.
  struct Case {
    uint32_t info_size;
    size_t trailer;
    uint32_t offset;  // 0: the true one
    bool from_offset;
  };
  const Case cases[] = {{108, 0, 0, true},   {108, 300, 0, true}, {124, 1024, 0, true},
                        {124, 1024, 20, false}, {124, 0, 4000, false}};
  for (const Case& c : cases) {
    Bytes b = make_bmp(5, 3, c.info_size - 40, c.trailer, c.info_size);
    if (c.offset) put_le32(&b, 10, c.offset);
    TestPixmap img(5, 3, VQPX_TRUECOLOR);
    ASSERT_TRUE(load(&img.pm, b)) << c.info_size << "/" << c.trailer;
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) {
        const uint8_t* p = b.data() + b.size() - 16 * (y + 1) + 3 * x;  // rows of 16 bytes
        const uint32_t from_end = uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        EXPECT_EQ(img.at(x, y), int32_t(c.from_offset ? pattern_at(x, y) : from_end))
            << c.info_size << "/" << c.trailer << "/" << c.offset << " at " << x << "," << y;
      }
  }
}

TEST_F(BmpTest, TransparentColorOption) {
  TestPixmap img(4, 3, VQPX_TRUECOLOR);
  ASSERT_TRUE(load(&img.pm, make_bmp(4, 3), 0, 0, "pic.bmp,transparentcolor=ff00aa"));
  EXPECT_EQ(img.pm.palette[VQPX_TRANSPARENT_INDEX], 0xFF00AAu);
  TestPixmap other(4, 3, VQPX_TRUECOLOR);
  const uint32_t before = other.pm.palette[VQPX_TRANSPARENT_INDEX];
  ASSERT_TRUE(load(&other.pm, make_bmp(4, 3), 0, 0, "pic.bmp,transparentcolor=nothex"));
  EXPECT_EQ(other.pm.palette[VQPX_TRANSPARENT_INDEX], before);
}

TEST_F(BmpTest, OtherTargetsGoThroughATruecolorCopy) {
  const Bytes b = make_bmp(4, 3);
  TestPixmap pal(6, 6, VQPX_PALETTE8);
  vqpxmap_clear(&pal.pm, 9);
  ASSERT_TRUE(load(&pal.pm, b, 1, 2));
  EXPECT_EQ(pal.at(0, 0), 9);
  EXPECT_EQ(pal.at(5, 5), 9);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      const int32_t i = pal.at(1 + x, 2 + y);
      ASSERT_GE(i, 0);
      EXPECT_TRUE(shows(&pal.pm, i, pattern_at(x, y))) << x << "," << y;
    }

  TestPixmap server(3, 3, VQPX_SERVER);
  ASSERT_TRUE(load(&server.pm, b));
  EXPECT_EQ(server.at(2, 2), int32_t(pattern_at(2, 2)));
  // A pixel of the temporary copy's transparent color arrives like any other.
  Bytes red = make_bmp(1, 1);
  red[54] = 0x00, red[55] = 0x00, red[56] = 0xF0;
  for (int format : {VQPX_SERVER, VQPX_DIRECTX}) {
    TestPixmap platform(1, 1, format);
    ASSERT_TRUE(load(&platform.pm, red));
    EXPECT_EQ(platform.at(0, 0), 0xF00000) << format;
  }
  TestPixmap directx(3, 3, VQPX_DIRECTX);
  ASSERT_TRUE(load(&directx.pm, b, 1, 0));
  EXPECT_EQ(directx.at(2, 1), int32_t(pattern_at(1, 1)));
  EXPECT_EQ(directx.at(0, 1), 0);

  // The merged rectangle can be limited.
  TestPixmap part(6, 6, VQPX_PALETTE8);
  vqpxmap_clear(&part.pm, 9);
  ASSERT_TRUE(vqpxmap_loadfrommem_bmp(&part.pm, b.data(), b.size(), 0, 0, 2, 1, ""));
  EXPECT_NE(part.at(1, 0), 9);
  EXPECT_EQ(part.at(2, 0), 9);
  EXPECT_EQ(part.at(0, 1), 9);

  TestPixmap p16(2, 2, VQPX_PALETTE16);
  const std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&p16.pm, b)); });
  EXPECT_EQ(said,
            "vqpxmap_loadfrommem_bmp: PX-Format 2 not supported (should load and copy then)\n");
  write_file(path("p.bmp"), b);
  const std::string from_file = diagnostics_of([&] {
    EXPECT_FALSE(vqpxmap_loadfromfile_bmp(&p16.pm, path("p.bmp").c_str(), 0, 0, 0, 0, ""));
  });
  EXPECT_EQ(from_file,
            "vqpxmap_loadfromfile_bmp: PX-Format 2 not supported (should load and copy then)\n");
  EXPECT_EQ(p16.at(0, 0), 0);
}

TEST_F(BmpTest, APaletteTargetGetsTheWholePicturesColourReduction) {
  // 20 x 20 distinct colours; the 4 x 4 at the top left are greys that the
  // default palette holds exactly. Converted alone they would keep their
  // values; as part of the 400-colour picture they are masked to 0xC0C0C0.
  Bytes b = make_bmp(20, 20);
  auto color_at = [](int x, int y) {
    return x < 4 && y < 4 ? uint32_t(0x424242 + 0x020202 * (y * 4 + x))
                          : uint32_t(0x100000 * (x % 16) + 0x1000 * y + 0x10 * x + 1);
  };
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      uint8_t* p = b.data() + 54 + 60 * size_t(19 - y) + 3 * x;
      p[0] = uint8_t(color_at(x, y)), p[1] = uint8_t(color_at(x, y) >> 8),
      p[2] = uint8_t(color_at(x, y) >> 16);
    }
  TestPixmap pal(4, 4, VQPX_PALETTE8);
  ASSERT_TRUE(load(&pal.pm, b));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(pal->palette[pal.at(x, y)], color_at(x, y) & 0xC0C0C0) << x << "," << y;

  // A header that promises far more rows than the file holds costs no more
  // room than the file's bytes can describe.
  b.resize(54 + 60);
  put_le32(&b, 18, 20000);
  put_le32(&b, 22, 30000);
  const std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&pal.pm, b)); });
  EXPECT_EQ(said, "vqpxmap_loadfrommem_bmp: the file holds 0 of 30000 rows\n");
}

// Each hostile file: refused (pixmap untouched) or read as far as it is
// sound; false and exactly one diagnostic line either way.
TEST_F(BmpTest, HostileFilesAreRefusedWithOneLine) {
  const Bytes good = make_bmp(4, 3);
  struct Case {
    const char* name;
    std::function<void(Bytes*)> spoil;
  };
  const Case cases[] = {
      {"shorter than a header", [](Bytes* b) { b->resize(53); }},
      {"empty", [](Bytes* b) { b->clear(); }},
      {"no BM", [](Bytes* b) { (*b)[0] = 'X'; }},
      {"8 bits", [](Bytes* b) { put_le16(b, 28, 8); }},
      {"compressed", [](Bytes* b) { put_le32(b, 30, 1); }},
      {"width 0", [](Bytes* b) { put_le32(b, 18, 0); }},
      {"height 0", [](Bytes* b) { put_le32(b, 22, 0); }},
      {"top-down", [](Bytes* b) { put_le32(b, 22, uint32_t(-3)); }},
      {"width beyond 16 bits", [](Bytes* b) { put_le32(b, 18, 0x10004); }},
      {"height beyond 16 bits", [](Bytes* b) { put_le32(b, 22, 0x10003); }},
      {"row size beyond 16 bits", [](Bytes* b) { put_le32(b, 18, 21845); }},
      {"header alone, huge size", [](Bytes* b) {
         b->resize(54);
         put_le32(b, 18, 21844);
         put_le32(b, 22, 65535);
       }},
  };
  for (const Case& c : cases) {
    Bytes b = good;
    c.spoil(&b);
    TestPixmap img(4, 3, VQPX_TRUECOLOR);
    vqpxmap_clear(&img.pm, 0x777777);
    const std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&img.pm, b)) << c.name; });
    EXPECT_EQ(line_count(said), 1) << c.name << ": " << said;
    EXPECT_EQ(said.rfind("vqpxmap_loadfrommem_bmp: ", 0), 0u) << said;
    EXPECT_EQ(pixels_of(&img.pm), std::vector<int32_t>(12, 0x777777)) << c.name;
    // The size alone is refused for the files whose size fields are unsound.
    int w = -5, h = -5;
    bool sized = false;
    diagnostics_of([&] { sized = vqgetpicturesizes_mem(VQIMG_BMP, b.data(), b.size(), &w, &h); });
    if (sized) {
      EXPECT_TRUE(w > 0 && h > 0 && w <= 0xFFFF && h <= 0xFFFF) << c.name;
    } else {
      EXPECT_EQ(w, -5) << c.name;
    }
  }
}

TEST_F(BmpTest, ShortFileFillsTheTopRowsFromItsEnd) {
  Bytes b = make_bmp(4, 3);  // rows of 12 bytes, the picture's bottom row first
  b.resize(b.size() - 12);   // cut one row's worth off the end
  // Rows are counted from the end of the file: the two rows left after the
  // header become picture rows 0 and 1, and row 2 would lie inside the
  // header, so it is not read.
  TestPixmap img(4, 3, VQPX_TRUECOLOR);
  vqpxmap_clear(&img.pm, 0x777777);
  std::string said = diagnostics_of([&] { EXPECT_FALSE(load(&img.pm, b)); });
  EXPECT_EQ(said, "vqpxmap_loadfrommem_bmp: the file holds 2 of 3 rows\n");
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(img.at(x, 0), int32_t(pattern_at(x, 1)));
    EXPECT_EQ(img.at(x, 1), int32_t(pattern_at(x, 2)));
    EXPECT_EQ(img.at(x, 2), 0x777777);
  }

  // Through a temporary copy only the rows read reach the target.
  TestPixmap pal(4, 3, VQPX_PALETTE8);
  vqpxmap_clear(&pal.pm, 9);
  said = diagnostics_of([&] { EXPECT_FALSE(load(&pal.pm, b)); });
  EXPECT_EQ(line_count(said), 1);
  EXPECT_TRUE(shows(&pal.pm, pal.at(2, 1), pattern_at(2, 2)));
  EXPECT_EQ(pal.at(2, 2), 9);

  // Less than one row after the header: nothing is read, nothing before the
  // start of the file is touched.
  b.resize(54 + 11);
  TestPixmap none(4, 3, VQPX_TRUECOLOR);
  said = diagnostics_of([&] { EXPECT_FALSE(load(&none.pm, b)); });
  EXPECT_EQ(said, "vqpxmap_loadfrommem_bmp: the file holds 0 of 3 rows\n");
  EXPECT_EQ(pixels_of(&none.pm), std::vector<int32_t>(12, 0));
}

TEST_F(BmpTest, MissingFile) {
  TestPixmap img(2, 2, VQPX_TRUECOLOR);
  const std::string file = path("absent.bmp");
  const std::string said = diagnostics_of([&] {
    EXPECT_FALSE(vqpxmap_loadfromfile_bmp(&img.pm, file.c_str(), 0, 0, 0, 0, ""));
  });
  EXPECT_EQ(said, "vqpxmap_loadfromfile_bmp: cannot open " + file + "\n");
}
