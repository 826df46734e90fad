// The platform's JPEG and PNG decoders against netpbm's, over the picture
// fuzz target's seeds (every colour type, depth, interlacing, progressive
// and CMYK JPEG), and what damaged or cut-off files give: a picture as far
// as the data goes, or false and not a word on standard output.
#include "vqpicture.h"
#include "vqplatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

const std::string seeds = std::string(VQ_TESTS_DIR) + "/fuzz/corpus/picture/";

bool have(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// A plain (ASCII) netpbm picture, every sample scaled to 0..255.
struct Plain {
  int w = 0, h = 0, channels = 0;
  std::vector<int> samples;
};

Plain peer(const std::string& command) {
  Plain p;
  FILE* f = popen((command + " 2>/dev/null | pnmtoplainpnm").c_str(), "r");
  if (f == nullptr) return p;
  char magic[3] = {};
  int maxval = 1;
  if (std::fscanf(f, "%2s %d %d", magic, &p.w, &p.h) == 3) {
    const char kind = magic[1];
    p.channels = kind == '3' ? 3 : 1;
    if (kind != '1' && std::fscanf(f, "%d", &maxval) != 1) maxval = 0;
    for (long i = 0; maxval > 0 && i < static_cast<long>(p.w) * p.h * p.channels; ++i) {
      int v = 0;
      if (kind == '1') {
        int c;
        while ((c = std::fgetc(f)) != EOF && c != '0' && c != '1') {}
        v = c == '0' ? 255 : 0;   // 1 is black
      } else if (std::fscanf(f, "%d", &v) != 1) {
        break;
      } else {
        v = (v * 255 + maxval / 2) / maxval;
      }
      p.samples.push_back(v);
    }
  }
  pclose(f);
  return p;
}

int channel(uint32_t c, int shift) { return static_cast<int>((c >> shift) & 255); }

struct Case {
  const char* file;
  int tolerance;   // per channel, between two decoders' rounding
};

class PictureDecoders : public ::testing::TestWithParam<Case> {};

TEST_P(PictureDecoders, MatchNetpbm) {
  const Case c = GetParam();
  const bool jpeg = std::string(c.file).ends_with(".jpg");
  const char* tool = jpeg ? "jpegtopnm" : "pngtopnm";
  if (!have(tool) || !have("pnmtoplainpnm")) GTEST_SKIP() << tool << " (netpbm) is not installed";
  const std::string file = seeds + c.file;
  const Plain colour = peer(std::string(tool) + " '" + file + "'");
  ASSERT_GT(colour.w, 0) << c.file;
  ASSERT_EQ(colour.samples.size(), static_cast<size_t>(colour.w) * colour.h * colour.channels) << c.file;
  const Plain alpha = jpeg ? Plain{} : peer("pngtopnm -alpha '" + file + "'");

  int w = 0, h = 0, hw = 0, hh = 0;
  ASSERT_TRUE(vqplatform_picture_size(file.c_str(), &hw, &hh)) << c.file;
  vqplatform_picture* picture = vqplatform_picture_open(file.c_str(), &w, &h);
  ASSERT_NE(picture, nullptr) << c.file;
  EXPECT_EQ(w, colour.w);
  EXPECT_EQ(h, colour.h);
  EXPECT_EQ(hw, w) << "the header's size";
  EXPECT_EQ(hh, h) << "the header's size";
  int worst = 0;
  for (int y = 0; y < h && w == colour.w && h == colour.h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t got = vqplatform_picture_pixel(picture, x, y);
      const size_t at = static_cast<size_t>(y) * w + x;
      for (int k = 0; k < 3; ++k) {
        const int want = colour.samples[at * colour.channels + (colour.channels == 3 ? k : 0)];
        worst = std::max(worst, std::abs(channel(got, 16 - 8 * k) - want));
      }
      const int want_alpha = alpha.samples.empty() ? 255 : alpha.samples[at];
      ASSERT_LE(std::abs(channel(got, 24) - want_alpha), c.tolerance) << c.file << " alpha at " << x << "," << y;
    }
  EXPECT_LE(worst, c.tolerance) << c.file;
  vqplatform_picture_close(picture);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, PictureDecoders,
    ::testing::Values(Case{"baseline.jpg", 1}, Case{"progressive.jpg", 1}, Case{"grey.jpg", 1},
                      Case{"restart444.jpg", 1}, Case{"optimized422.jpg", 1}, Case{"cmyk.jpg", 2},
                      Case{"rgb.png", 0}, Case{"rgbtrns.png", 0}, Case{"interlaced.png", 0}, Case{"rgba.png", 0},
                      Case{"grey.png", 0}, Case{"grey2trns.png", 0}, Case{"greyalpha.png", 0}, Case{"mono.png", 0},
                      Case{"palette.png", 0}, Case{"deep16.png", 1}),
    [](const testing::TestParamInfo<Case>& info) {
      std::string name = info.param.file;
      for (char& ch : name)
        if (ch == '.') ch = '_';
      return name;
    });

// What the picture reader makes of damaged files: the JPEG decoder shows
// what arrived and fills the rest; PNG and a JPEG without its scan give
// nothing. Either way no crash, and the trace lines only for a picture.
TEST(PictureDamaged, ShownAsFarAsTheDataGoesOrRefusedQuietly) {
  const struct {
    const char* file;
    bool opens;
  } cases[] = {{"cut_half.jpg", true},     {"damaged_scan.jpg", true}, {"cut_progressive.jpg", true},
               {"cut_header.jpg", false},  {"cut_half.png", false},    {"cut_idat.png", false},
               {"bad_crc.png", false}};
  for (const auto& c : cases) {
    const std::string file = seeds + c.file;
    vqpicture reader;
    testing::internal::CaptureStdout();
    const bool opened = vqpicture_open(&reader, "%s", file.c_str());
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(opened, c.opens) << c.file;
    if (!c.opens) {
      EXPECT_EQ(said, "") << c.file;
      EXPECT_EQ(reader.image, nullptr) << c.file;
      int w = 0, h = 0;
      // The header alone still tells the size where it is whole.
      EXPECT_EQ(vqplatform_picture_size(file.c_str(), &w, &h), std::string(c.file) != "cut_header.jpg") << c.file;
      continue;
    }
    EXPECT_EQ(said.rfind("here 19x13\n", 0), 0u) << c.file << ": " << said;
    for (int y = 0; y < reader.height; ++y)
      for (int x = 0; x < reader.width; ++x) ASSERT_EQ(vqpicture_getpixel(&reader, x, y) >> 24, 0xFFu) << c.file;
    // netpbm's decoder fills in what is missing the same way.
    if (have("jpegtopnm") && have("pnmtoplainpnm")) {
      const Plain colour = peer("jpegtopnm '" + file + "'");
      ASSERT_EQ(colour.samples.size(), static_cast<size_t>(reader.width) * reader.height * 3) << c.file;
      int worst = 0;
      for (int y = 0; y < reader.height; ++y)
        for (int x = 0; x < reader.width; ++x)
          for (int k = 0; k < 3; ++k)
            worst = std::max(worst, std::abs(channel(vqpicture_getpixel(&reader, x, y), 16 - 8 * k) -
                                             colour.samples[(static_cast<size_t>(y) * reader.width + x) * 3 + k]));
      EXPECT_LE(worst, 1) << c.file;
    }
    testing::internal::CaptureStdout();
    vqpicture_close(&reader);
    testing::internal::GetCapturedStdout();
  }
}

}  // namespace
