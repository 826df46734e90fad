// The background drawings into the main panel: the start picture fitted
// whole, with its averaging and its source limits, and the quiz picture over
// the whole picture area in full colour or washed out towards white.
#include "media_test_util.h"

#include <algorithm>
#include <functional>

namespace {

int channel(uint32_t c, int k) { return static_cast<int>(c >> (16 - 8 * k)) & 255; }

// Every pixel of the panel's 710 rows against want(x, y); -1: the panel's white.
testing::AssertionResult panel_shows(const std::function<int64_t(int, int)>& want) {
  for (int y = 0; y < 710; ++y)
    for (int x = 0; x < 1280; ++x) {
      const int64_t w = want(x, y);
      const uint32_t expected = w < 0 ? 0xFFFFFFu : static_cast<uint32_t>(w), got = pixel_of(main_panel, x, y);
      if (got != expected)
        return testing::AssertionFailure() << "(" << x << ", " << y << ") is " << std::hex << got << ", not " << expected;
    }
  return testing::AssertionSuccess();
}

class MediaDrawing : public MediaScreen {
 protected:
  void load(int w, int h) {
    ASSERT_TRUE(write_picture("Bilder/videob_1.bmp", w, h, pattern_color));
    ASSERT_TRUE(load_background(1));
    vqfillrect(0, 0, 1280, 720, 0xFFFFFF);
  }
};

TEST_F(MediaDrawing, FittedPicturesKeepTheirProportionsAndAverageWhenShrunkToHalfOrLess) {
  const struct {
    int w, h, columns, rows, n;   // n: side of the averaged block
  } rows[] = {{640, 360, 1280, 720, 1}, {1920, 1080, 1280, 720, 1}, {600, 1440, 300, 720, 2},
              {4000, 100, 1280, 32, 3}, {100, 3000, 24, 720, 4}};
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.w) + " x " + std::to_string(r.h));
    load(r.w, r.h);
    draw_background_fit();
    const double f = std::min(1280.0 / r.w, 720.0 / r.h);
    EXPECT_TRUE(panel_shows([&](int i, int j) -> int64_t {
      if (i >= r.columns || j >= r.rows) return -1;
      const int sx = static_cast<int>(i / f), sy = static_cast<int>(j / f);
      int sum[3] = {0, 0, 0};
      for (int a = 0; a < r.n * r.n; ++a)
        for (int k = 0; k < 3; ++k) sum[k] += channel(pattern_color(sx + a % r.n, sy + a / r.n), k);
      return vqrgb(sum[0] / (r.n * r.n), sum[1] / (r.n * r.n), sum[2] / (r.n * r.n));
    }));
  }
  // By hand: 4000 x 100 at f = 0.32, pixel (1, 0) averages columns 3 to 5 and
  // rows 0 to 2; blue: 21 + 24 + 15 + 28 + 17 + 6 + 35 + 46 + 57 = 249.
  load(4000, 100);
  draw_background_fit();
  EXPECT_EQ(pixel_of(main_panel, 1, 0), vqrgb(4, 1, 249 / 9));
  // Sources beyond column 5472 or row 3648 are skipped: at f = 0.16 output
  // column 875 reads 5468 and 876 would read 5475; at f = 0.12 row 437
  // reads 3641 and 438 would read 3650.
  load(8000, 100);
  draw_background_fit();
  EXPECT_NE(pixel_of(main_panel, 875, 0), 0xFFFFFFu);
  EXPECT_EQ(pixel_of(main_panel, 876, 0), 0xFFFFFFu);
  load(100, 6000);
  draw_background_fit();
  EXPECT_NE(pixel_of(main_panel, 0, 437), 0xFFFFFFu);
  EXPECT_EQ(pixel_of(main_panel, 0, 438), 0xFFFFFFu);
}

TEST_F(MediaDrawing, RevealedAndVeiledPicturesCoverTheWholeArea) {
  for (const auto& [w, h] : {std::pair{1920, 1080}, {1000, 1000}, {2000, 500}, {10, 10}}) {
    SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
    load(w, h);
    const double s = std::min(w / 1280.0, h / 720.0);
    auto source = [&](int x, int y) { return pattern_color(static_cast<int>(x * s), static_cast<int>(y * s)); };
    draw_background_revealed();
    EXPECT_TRUE(panel_shows(source));
    draw_background_veiled();
    EXPECT_TRUE(panel_shows([&](int x, int y) -> int64_t {
      int v[3];
      for (int k = 0; k < 3; ++k) v[k] = static_cast<int>((channel(source(x, y), k) - 255) * (1.0 / 1400) * y + 255);
      return vqrgb(v[0], v[1], v[2]);
    }));
  }
  // By hand: 1920 x 1080 is revealed at s = 1.5; black is veiled to
  // trunc(255 - 255 y / 1400): 255, 254.82, 127.5, 125.86 in rows 0, 1, 700, 709.
  load(1920, 1080);
  draw_background_revealed();
  EXPECT_EQ(pixel_of(main_panel, 100, 100), pattern_color(150, 150));
  ASSERT_TRUE(write_picture("Bilder/videob_2.bmp", 1280, 720, [](int, int) { return 0u; }));
  ASSERT_TRUE(load_background(2));
  draw_background_veiled();
  for (const auto& [y, v] : {std::pair{0, 255}, {1, 254}, {700, 127}, {709, 125}})
    EXPECT_EQ(pixel_of(main_panel, 640, y), vqrgb(v, v, v)) << y;
}

TEST_F(MediaDrawing, WithoutAPictureTheFitDrawsNothingAndTheOthersWhite) {
  vqfillrect(0, 0, 1280, 720, 0x123456);
  draw_background_fit();
  EXPECT_TRUE(panel_shows([](int, int) { return 0x123456; }));
  draw_background_veiled();
  EXPECT_TRUE(panel_shows([](int, int) { return -1; }));
  vqfillrect(0, 0, 1280, 720, 0x123456);
  vqgraphic_select(&time_panel);   // the revealed picture selects the main panel itself
  draw_background_revealed();
  EXPECT_TRUE(panel_shows([](int, int) { return -1; }));
}

}  // namespace
