// The background drawings into the main panel: the start picture fitted
// whole (with its averaging and its source limits), and the quiz picture
// covering the picture area in full colour or washed out towards white.
#include "media_test_util.h"

#include <algorithm>
#include <functional>

namespace {

constexpr int panel_rows = 710;   // the area's rows 710 to 719 lie below the panel

int channel(uint32_t c, int shift) { return static_cast<int>(c >> shift) & 255; }

// Compares every pixel of the main panel with want(x, y); -1 means the pixel
// keeps the panel's white. Names the first pixel that differs.
testing::AssertionResult panel_shows(const std::function<int64_t(int, int)>& want) {
  int wrong = 0;
  std::string first;
  for (int y = 0; y < panel_rows; ++y)
    for (int x = 0; x < 1280; ++x) {
      const int64_t w = want(x, y);
      const uint32_t expected = w < 0 ? 0xFFFFFFu : static_cast<uint32_t>(w);
      const uint32_t got = pixel_of(main_panel, x, y);
      if (got != expected && wrong++ == 0) {
        char text[96];
        std::snprintf(text, sizeof text, "(%d, %d) is %06X, not %06X", x, y, got, expected);
        first = text;
      }
    }
  if (wrong == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure() << wrong << " pixels differ, first " << first;
}

class MediaDrawing : public MediaScreen {
 protected:
  void load(int w, int h) {
    ASSERT_TRUE(write_pattern("Bilder/videob_1.bmp", w, h));
    ASSERT_TRUE(load_background(1));
    vqgraphic_select(&main_panel);
    vqfillrect(0, 0, 1280, 720, 0xFFFFFF);
  }
};

TEST_F(MediaDrawing, FittedPicturesKeepTheirProportionsAndAverageWhenShrunkToHalfOrLess) {
  const struct {
    int w, h;
    int columns, rows;   // of the fitted drawing
    int n;               // side of the averaged block, 1: none
  } rows[] = {
      {640, 360, 1280, 720, 1},   // enlarged twice
      {1920, 1080, 1280, 720, 1}, // f = 0.6667
      {600, 1440, 300, 720, 2},   // f = 0.5 exactly averages
      {4000, 100, 1280, 32, 3},   // f = 0.32
      {100, 3000, 24, 720, 4},    // f = 0.24
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(std::to_string(r.w) + " x " + std::to_string(r.h));
    load(r.w, r.h);
    draw_background_fit();
    const double f = std::min(1280.0 / r.w, 720.0 / r.h);
    EXPECT_EQ(static_cast<int>(r.w * f), r.columns);
    EXPECT_EQ(static_cast<int>(r.h * f), r.rows);
    EXPECT_TRUE(panel_shows([&](int i, int j) -> int64_t {
      if (i >= r.columns || j >= r.rows) return -1;
      const int sx = static_cast<int>(i / f), sy = static_cast<int>(j / f);
      int sum[3] = {0, 0, 0};
      for (int a = 0; a < r.n; ++a)
        for (int b = 0; b < r.n; ++b)
          for (int k = 0; k < 3; ++k) sum[k] += channel(pattern_color(sx + a, sy + b), 16 - 8 * k);
      const int count = r.n * r.n;
      return vqrgb(sum[0] / count, sum[1] / count, sum[2] / count);
    }));
  }
  // Worked by hand: 4000 x 100 at f = 0.32, pixel (1, 0) averages columns
  // 3 to 5 and rows 0 to 2: red (3 + 4 + 5) / 3, green (0 + 1 + 2) / 3.
  load(4000, 100);
  draw_background_fit();
  EXPECT_EQ(pixel_of(main_panel, 1, 0), vqrgb(4, 1, 0));
}

TEST_F(MediaDrawing, FittingSkipsSourcesBeyondColumn5472AndRow3648) {
  // f = 0.16: output column 875 reads column 5468, 876 would read 5475.
  load(8000, 100);
  draw_background_fit();
  EXPECT_NE(pixel_of(main_panel, 875, 0), 0xFFFFFFu);
  EXPECT_EQ(pixel_of(main_panel, 876, 0), 0xFFFFFFu);
  EXPECT_EQ(pixel_of(main_panel, 1279, 15), 0xFFFFFFu);
  // f = 0.12: row 437 reads row 3641, 438 would read 3650.
  load(100, 6000);
  draw_background_fit();
  EXPECT_NE(pixel_of(main_panel, 0, 437), 0xFFFFFFu);
  EXPECT_EQ(pixel_of(main_panel, 0, 438), 0xFFFFFFu);
  EXPECT_EQ(pixel_of(main_panel, 11, 709), 0xFFFFFFu);
}

TEST_F(MediaDrawing, RevealedAndVeiledPicturesCoverTheWholeArea) {
  const struct {
    int w, h;
  } sizes[] = {{1920, 1080}, {1000, 1000}, {2000, 500}, {10, 10}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(std::to_string(size.w) + " x " + std::to_string(size.h));
    load(size.w, size.h);
    const double s = std::min(size.w / 1280.0, size.h / 720.0);
    auto source = [&](int x, int y) { return pattern_color(static_cast<int>(x * s), static_cast<int>(y * s)); };
    draw_background_revealed();
    EXPECT_TRUE(panel_shows(source));
    draw_background_veiled();
    EXPECT_TRUE(panel_shows([&](int x, int y) -> int64_t {
      const uint32_t c = source(x, y);
      int v[3];
      for (int k = 0; k < 3; ++k) v[k] = static_cast<int>((channel(c, 16 - 8 * k) - 255) * (1.0 / 1400) * y + 255);
      return vqrgb(v[0], v[1], v[2]);
    }));
  }
  // Worked by hand: 1920 x 1080 is revealed at s = 1.5.
  load(1920, 1080);
  draw_background_revealed();
  EXPECT_EQ(pixel_of(main_panel, 100, 100), pattern_color(150, 150));
}

TEST_F(MediaDrawing, TheVeilFadesFromWhiteAtTheTopRow) {
  ASSERT_TRUE(write_picture("Bilder/videob_2.bmp", 1280, 720, [](int, int) { return 0u; }));
  ASSERT_TRUE(load_background(2));
  draw_background_veiled();
  // trunc(-255 / 1400 * y + 255): 255 at row 0, 254.82 at row 1, 127.5 at
  // row 700, 125.86 at the panel's last row 709.
  const struct {
    int y, value;
  } rows[] = {{0, 255}, {1, 254}, {700, 127}, {709, 125}};
  for (const auto& r : rows) EXPECT_EQ(pixel_of(main_panel, 640, r.y), vqrgb(r.value, r.value, r.value)) << r.y;
}

TEST_F(MediaDrawing, WithoutAPictureTheFitDrawsNothingAndTheOthersWhite) {
  vqfillrect(0, 0, 1280, 720, 0x123456);
  draw_background_fit();
  EXPECT_TRUE(panel_shows([](int, int) { return 0x123456; }));
  draw_background_veiled();
  EXPECT_TRUE(panel_shows([](int, int) { return -1; }));
  vqfillrect(0, 0, 1280, 720, 0x123456);
  // The revealed picture selects the main panel itself.
  vqgraphic_select(&time_panel);
  draw_background_revealed();
  EXPECT_EQ(vqtarget_current(), &main_panel);
  EXPECT_TRUE(panel_shows([](int, int) { return -1; }));
}

}  // namespace
