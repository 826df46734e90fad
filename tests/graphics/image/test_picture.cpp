// The picture reader against pictures made here: a PPM we write, turned into
// PNG and JPEG by netpbm, and BMP files written byte by byte below.
#include "vqpicture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Rgb {
  int w = 0, h = 0;
  std::vector<uint32_t> px;   // 0x00RRGGBB
  uint32_t at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
};

Rgb pattern(int w, int h) {
  Rgb p{w, h, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.px.push_back(static_cast<uint32_t>(((x * 53 + 7) & 255) << 16 | ((y * 71 + 3) & 255) << 8 |
                                           ((x * y * 29 + 11) & 255)));
  return p;
}

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vqpicture_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
  }
  void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

  std::string path(const char* name) const { return dir + "/" + name; }

  static void write_bytes(const std::string& file, const std::vector<uint8_t>& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  void write_ppm(const std::string& file, const Rgb& p) {
    std::string head = "P6\n" + std::to_string(p.w) + " " + std::to_string(p.h) + "\n255\n";
    std::vector<uint8_t> bytes(head.begin(), head.end());
    for (uint32_t c : p.px) {
      bytes.push_back(static_cast<uint8_t>(c >> 16));
      bytes.push_back(static_cast<uint8_t>(c >> 8));
      bytes.push_back(static_cast<uint8_t>(c));
    }
    write_bytes(file, bytes);
  }

  static Rgb read_ppm(const std::string& file) {
    Rgb p;
    FILE* f = fopen(file.c_str(), "rb");
    if (!f) return p;
    int maxval = 0;
    if (fscanf(f, "P6 %d %d %d", &p.w, &p.h, &maxval) == 3 && maxval == 255) {
      fgetc(f);
      for (int i = 0; i < p.w * p.h; ++i) {
        int r = fgetc(f), g = fgetc(f), b = fgetc(f);
        p.px.push_back(static_cast<uint32_t>(r << 16 | g << 8 | b));
      }
    }
    fclose(f);
    return p;
  }

  // A netpbm converter as the independent writer (or reader) of a format.
  bool run(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str()) == 0;
  }
  static bool have(const char* tool) {
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
  }

  // 24-bit BMP; a negative height stores the rows top-down.
  static std::vector<uint8_t> bmp24(const Rgb& p, bool top_down) {
    int row = (p.w * 3 + 3) / 4 * 4;
    uint32_t size = 54 + static_cast<uint32_t>(row * p.h);
    std::vector<uint8_t> b(size, 0);
    auto put32 = [&](size_t at, uint32_t v) {
      for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(p.w));
    put32(22, static_cast<uint32_t>(top_down ? -p.h : p.h));
    b[26] = 1;
    b[28] = 24;
    for (int y = 0; y < p.h; ++y) {
      int stored = top_down ? y : p.h - 1 - y;
      for (int x = 0; x < p.w; ++x) {
        uint32_t c = p.at(x, y);
        size_t at = 54 + static_cast<size_t>(stored) * row + static_cast<size_t>(x) * 3;
        b[at] = static_cast<uint8_t>(c);
        b[at + 1] = static_cast<uint8_t>(c >> 8);
        b[at + 2] = static_cast<uint8_t>(c >> 16);
      }
    }
    return b;
  }

  static void expect_exact(const vqpicture& reader, const Rgb& p) {
    ASSERT_TRUE(reader.open);
    ASSERT_EQ(reader.width, p.w);
    ASSERT_EQ(reader.height, p.h);
    for (int y = 0; y < p.h; ++y)
      for (int x = 0; x < p.w; ++x)
        ASSERT_EQ(vqpicture_getpixel(&reader, x, y), 0xFF000000u | p.at(x, y)) << x << "," << y;
  }

  std::string dir;
};

TEST_F(PictureTest, BmpBottomUpAndTopDownGiveTheSamePixels) {
  Rgb p = pattern(5, 3);   // width 5: rows are padded by one byte
  write_bytes(path("up.bmp"), bmp24(p, false));
  write_bytes(path("down.bmp"), bmp24(p, true));
  vqpicture up, down;
  ASSERT_TRUE(vqpicture_open(&up, "%s", path("up.bmp").c_str()));
  expect_exact(up, p);
  ASSERT_TRUE(vqpicture_open(&down, "%s/%s", dir.c_str(), "down.bmp"));
  expect_exact(down, p);
}

TEST_F(PictureTest, BmpWrittenByNetpbm) {
  if (!have("ppmtobmp")) GTEST_SKIP() << "ppmtobmp (netpbm) is not installed";
  Rgb p = pattern(13, 7);
  write_ppm(path("a.ppm"), p);
  ASSERT_TRUE(run("ppmtobmp -bpp=24 " + path("a.ppm") + " > " + path("a.bmp")));
  vqpicture reader;
  ASSERT_TRUE(vqpicture_open(&reader, "%s", path("a.bmp").c_str()));
  expect_exact(reader, p);
}

TEST_F(PictureTest, PngIsLosslessAndOneByOneWorks) {
  if (!have("pnmtopng")) GTEST_SKIP() << "pnmtopng (netpbm) is not installed";
  for (Rgb p : {pattern(17, 9), pattern(1, 1)}) {
    write_ppm(path("a.ppm"), p);
    ASSERT_TRUE(run("pnmtopng " + path("a.ppm") + " > " + path("a.png")));
    vqpicture reader;
    ASSERT_TRUE(vqpicture_open(&reader, "%s", path("a.png").c_str()));
    expect_exact(reader, p);
  }
}

TEST_F(PictureTest, PngAlphaReachesTheTopByte) {
  if (!have("pnmtopng")) GTEST_SKIP() << "pnmtopng (netpbm) is not installed";
  Rgb p = pattern(4, 2);
  write_ppm(path("a.ppm"), p);
  // Alpha 0x00, 0x40, 0x80, ... along the pixels.
  std::string head = "P5\n4 2\n255\n";
  std::vector<uint8_t> alpha(head.begin(), head.end());
  for (int i = 0; i < 8; ++i) alpha.push_back(static_cast<uint8_t>(i * 0x20));
  write_bytes(path("alpha.pgm"), alpha);
  ASSERT_TRUE(run("pnmtopng -alpha=" + path("alpha.pgm") + " " + path("a.ppm") + " > " +
                  path("a.png")));
  vqpicture reader;
  ASSERT_TRUE(vqpicture_open(&reader, "%s", path("a.png").c_str()));
  for (int i = 0; i < 8; ++i) {
    uint32_t got = vqpicture_getpixel(&reader, i % 4, i / 4);
    EXPECT_EQ(got >> 24, static_cast<uint32_t>(i * 0x20)) << i;
    // The colour of a fully transparent pixel is the encoder's business.
    if (i > 0) {
      EXPECT_EQ(got & 0xFFFFFF, p.at(i % 4, i / 4)) << i;
    }
  }
}

TEST_F(PictureTest, JpegMatchesNetpbmsDecoder) {
  if (!have("pnmtojpeg") || !have("jpegtopnm")) GTEST_SKIP() << "pnmtojpeg/jpegtopnm missing";
  // Flat 16x16 blocks (a whole block of subsampled colour each) survive JPEG
  // almost untouched, so the decoded colours are known.
  Rgb p{48, 16, {}};
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 48; ++x)
      p.px.push_back((x / 16) == 0 ? 0xC02010u : (x / 16) == 1 ? 0x10A040u : 0x2030E0u);
  write_ppm(path("a.ppm"), p);
  ASSERT_TRUE(run("pnmtojpeg -quality=95 " + path("a.ppm") + " > " + path("a.jpg")));
  ASSERT_TRUE(run("jpegtopnm " + path("a.jpg") + " > " + path("b.ppm")));
  Rgb peer = read_ppm(path("b.ppm"));
  ASSERT_EQ(peer.w, 48);
  ASSERT_EQ(peer.h, 16);
  vqpicture reader;
  ASSERT_TRUE(vqpicture_open(&reader, "%s", path("a.jpg").c_str()));
  ASSERT_EQ(reader.width, 48);
  ASSERT_EQ(reader.height, 16);
  auto near = [](uint32_t a, uint32_t b, int tolerance) {
    for (int s = 0; s < 24; s += 8)
      if (std::abs(static_cast<int>((a >> s) & 255) - static_cast<int>((b >> s) & 255)) > tolerance)
        return false;
    return true;
  };
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 48; ++x) {
      uint32_t got = vqpicture_getpixel(&reader, x, y);
      ASSERT_EQ(got >> 24, 0xFFu);
      // Two decoders may round the colour conversion differently by a step.
      ASSERT_TRUE(near(got, peer.at(x, y), 2)) << std::hex << got << " vs " << peer.at(x, y);
      // Chroma upsampling smears colour across block edges; inside, it is flat.
      if (x % 16 >= 3 && x % 16 <= 12) {
        ASSERT_TRUE(near(got, p.at(x, y), 12)) << std::hex << got << " vs " << p.at(x, y);
      }
    }
}

TEST_F(PictureTest, UnreadableFilesGiveFalseAndHoldNothing) {
  write_bytes(path("empty.png"), {});
  std::vector<uint8_t> garbage;
  for (int i = 0; i < 300; ++i) garbage.push_back(static_cast<uint8_t>(i * 37 + 5));
  write_bytes(path("garbage.jpg"), garbage);
  // A PNG signature and nothing after it.
  write_bytes(path("cut.png"), {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13});
  // A BMP header that promises a 0 x 0 picture.
  Rgb none{0, 0, {}};
  write_bytes(path("zero.bmp"), bmp24(none, false));
  for (const char* name : {"missing.png", "empty.png", "garbage.jpg", "cut.png", "zero.bmp"}) {
    vqpicture reader;
    EXPECT_FALSE(vqpicture_open(&reader, "%s", path(name).c_str())) << name;
    EXPECT_FALSE(reader.open) << name;
    EXPECT_EQ(reader.image, nullptr) << name;
    EXPECT_EQ(reader.width, 0) << name;
    EXPECT_EQ(vqpicture_getpixel(&reader, 0, 0), 0u) << name;
  }
}

TEST_F(PictureTest, TraceLinesAndReopening) {
  Rgb a = pattern(5, 3), b = pattern(2, 6);
  write_bytes(path("a.bmp"), bmp24(a, false));
  write_bytes(path("b.bmp"), bmp24(b, false));
  std::string out;
  {
    vqpicture reader;
    testing::internal::CaptureStdout();
    bool first = vqpicture_open(&reader, "%s/a.%s", dir.c_str(), "bmp");
    // Opening again releases the first picture.
    bool second = vqpicture_open(&reader, "%s", path("b.bmp").c_str());
    EXPECT_EQ(vqpicture_getpixel(&reader, 1, 5), 0xFF000000u | b.at(1, 5));
    EXPECT_EQ(vqpicture_getpixel(&reader, 2, 0), 0u);    // outside
    EXPECT_EQ(vqpicture_getpixel(&reader, -1, 0), 0u);
    EXPECT_EQ(vqpicture_getpixel(&reader, 0, 6), 0u);
    out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
    testing::internal::CaptureStdout();
  }   // the destructor closes
  std::string at_end = testing::internal::GetCapturedStdout();

  std::string a_file = path("a.bmp"), b_file = path("b.bmp");
  size_t here = out.find("here 5x3\n");
  ASSERT_EQ(here, 0u) << out;
  size_t bitmap = out.find("bitmapData ", here);
  size_t lbb = out.find("lbb 0\n", bitmap);
  size_t pixels = out.find("pixels ", lbb);
  size_t close_a = out.find("close " + a_file + " 5x3\n", pixels);
  size_t here_b = out.find("here 2x6\n", close_a);
  EXPECT_NE(bitmap, std::string::npos) << out;
  EXPECT_NE(lbb, std::string::npos) << out;
  EXPECT_NE(pixels, std::string::npos) << out;
  EXPECT_NE(close_a, std::string::npos) << out;
  EXPECT_NE(here_b, std::string::npos) << out;
  EXPECT_EQ(at_end, "close " + b_file + " 2x6\n");
}

TEST_F(PictureTest, CloseTwiceAndFailedOpenPrintNothing) {
  vqpicture reader;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpicture_open(&reader, "%s", path("none.bmp").c_str()));
  vqpicture_close(&reader);
  vqpicture_close(&reader);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
