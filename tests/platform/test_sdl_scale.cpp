// Showing a client area scaled: the size chosen for a screen, where the
// picture lies, which client pixel a screen point shows, and the stretched
// pixels (also after a partial update).
#include "sdl/sdl_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

TEST(SdlScale, FitToRoom) {
  struct Case {
    int w, h, room_w, room_h, enlarge, out_w, out_h;
  };
  const Case cases[] = {
      {1305, 915, 1024, 600, 1, 856, 600},     // the game on a small laptop: the height limits
      {1305, 915, 1366, 740, 1, 1055, 740},    // 1366 x 768 less a title bar
      {1305, 915, 1000, 1200, 1, 1000, 701},   // the width limits
      {1305, 915, 1305, 915, 1, 1305, 915},    // exactly fits: unchanged
      {400, 300, 1600, 1200, 2, 800, 600},     // room for twice
      {400, 300, 1000, 1200, 3, 800, 600},     // asked three times, room for two
      {400, 300, 799, 1200, 2, 400, 300},      // not quite room for two
      {3000, 10, 100, 100, 1, 100, 1},         // a sliver stays at least one pixel
  };
  for (const Case& c : cases) {
    int w = 0, h = 0;
    vqsdl_fit(c.w, c.h, c.room_w, c.room_h, c.enlarge, &w, &h);
    EXPECT_EQ(w, c.out_w) << c.w << "x" << c.h << " in " << c.room_w << "x" << c.room_h;
    EXPECT_EQ(h, c.out_h) << c.w << "x" << c.h << " in " << c.room_w << "x" << c.room_h;
  }
}

TEST(SdlScale, EnlargeByAFactor) {
  struct Case {
    int w, h, room_w, room_h;
    double factor;
    int out_w, out_h;
  };
  const Case cases[] = {
      {1305, 915, 3840, 2130, 2.0, 2610, 1830},   // a 3840 x 2160 screen less a title bar
      {1305, 915, 2560, 1410, 1.33, 1736, 1217},  // fractional
      {1305, 915, 2560, 1100, 1.5, 1569, 1100},   // not room for all of it: the largest that fits
      {1305, 915, 1366, 740, 2.0, 1055, 740},     // not even room for the client: scaled down
      {400, 300, 1600, 1200, 1.0, 400, 300},
  };
  for (const Case& c : cases) {
    int w = 0, h = 0;
    vqsdl_enlarge(c.w, c.h, c.room_w, c.room_h, c.factor, &w, &h);
    EXPECT_EQ(w, c.out_w) << c.factor << " in " << c.room_w << "x" << c.room_h;
    EXPECT_EQ(h, c.out_h) << c.factor << " in " << c.room_w << "x" << c.room_h;
  }
}

TEST(SdlScale, PlaceInWindow) {
  struct Case {
    int w, h, frame_w, frame_h;
    vqsdl_rect shown;
  };
  const Case cases[] = {
      {300, 200, 300, 200, {0, 0, 300, 200}},
      {1305, 915, 856, 600, {0, 0, 856, 600}},      // made to fit: fills it
      {1305, 915, 857, 600, {0, 0, 857, 600}},      // a pixel more from the desktop: still fills it
      {1305, 915, 855, 604, {0, 2, 855, 599}},      // more than rounding: bars
      {400, 300, 1000, 300, {300, 0, 400, 300}},    // bars left and right
      {400, 300, 1000, 700, {33, 0, 933, 700}},     // grows to fill the height, centred
      {1305, 915, 1920, 1050, {211, 0, 1498, 1050}},   // maximised on a 1920 x 1080 desktop
      {1305, 915, 2610, 1830, {0, 0, 2610, 1830}},     // twice, exactly
      {1000, 500, 500, 500, {0, 125, 500, 250}},    // shrunk, bars above and below
  };
  for (const Case& c : cases) {
    vqsdl_rect s = vqsdl_place(c.w, c.h, c.frame_w, c.frame_h);
    EXPECT_EQ(s.x, c.shown.x) << c.frame_w << "x" << c.frame_h;
    EXPECT_EQ(s.y, c.shown.y) << c.frame_w << "x" << c.frame_h;
    EXPECT_EQ(s.w, c.shown.w) << c.frame_w << "x" << c.frame_h;
    EXPECT_EQ(s.h, c.shown.h) << c.frame_w << "x" << c.frame_h;
  }
}

TEST(SdlScale, ScreenPointToClientPixel) {
  const vqsdl_rect shrunk{84, 0, 856, 600};
  int x = 0, y = 0;
  vqsdl_to_client(shrunk, 1305, 915, 84, 0, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  vqsdl_to_client(shrunk, 1305, 915, 84 + 855, 599, &x, &y);
  EXPECT_EQ(x, 1304);
  EXPECT_EQ(y, 914);
  vqsdl_to_client(shrunk, 1305, 915, 83, -1, &x, &y);   // in the bar: outside the client area
  EXPECT_LT(x, 0);
  EXPECT_LT(y, 0);
  // Each screen pixel reaches the client pixel nearest to its centre.
  for (int fx = 84; fx < 84 + 856; fx++) {
    vqsdl_to_client(shrunk, 1305, 915, fx, 0, &x, &y);
    double centre = (fx - 84 + 0.5) * 1305 / 856;
    EXPECT_LE(std::fabs(x + 0.5 - centre), 0.5) << fx;
  }
  const vqsdl_rect doubled{10, 20, 800, 600};
  vqsdl_to_client(doubled, 400, 300, 10 + 401, 20 + 599, &x, &y);
  EXPECT_EQ(x, 200);
  EXPECT_EQ(y, 299);
}

// Plain bilinear sampling in floating point, for comparison.
uint32_t bilinear(const std::vector<uint32_t>& src, int w, int h, double sx, double sy) {
  sx = std::fmin(std::fmax(sx, 0), w - 1);
  sy = std::fmin(std::fmax(sy, 0), h - 1);
  int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
  int x1 = std::min(x0 + 1, w - 1), y1 = std::min(y0 + 1, h - 1);
  double fx = sx - x0, fy = sy - y0;
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    auto c = [&](int x, int y) { return static_cast<double>((src[static_cast<size_t>(y) * w + x] >> shift) & 255); };
    double v = (c(x0, y0) * (1 - fx) + c(x1, y0) * fx) * (1 - fy) + (c(x0, y1) * (1 - fx) + c(x1, y1) * fx) * fy;
    out |= static_cast<uint32_t>(std::lround(v)) << shift;
  }
  return out;
}

std::vector<uint32_t> noise(int w, int h, unsigned seed) {
  std::vector<uint32_t> p(static_cast<size_t>(w) * h);
  for (uint32_t& v : p) v = (seed = seed * 1103515245u + 12345u) >> 8 & 0xFFFFFF;
  return p;
}

std::vector<uint32_t> stretched(const std::vector<uint32_t>& src, int w, int h, const vqsdl_rect& shown) {
  std::vector<uint32_t> frame(static_cast<size_t>(shown.w) * shown.h, 0xDEAD);
  vqsdl_stretch(src.data(), w, h, shown, shown, frame.data(), shown.w);
  return frame;
}

int channel_distance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8)
    worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 255) - static_cast<int>((b >> shift) & 255)));
  return worst;
}

TEST(SdlScale, StretchCopiesRepeatsAndBlends) {
  const int w = 61, h = 37;
  const std::vector<uint32_t> src = noise(w, h, 7);
  EXPECT_EQ(stretched(src, w, h, {0, 0, w, h}), src);

  const std::vector<uint32_t> doubled = stretched(src, w, h, {0, 0, 2 * w, 2 * h});
  for (int y = 0; y < 2 * h; y++)
    for (int x = 0; x < 2 * w; x++) ASSERT_EQ(doubled[static_cast<size_t>(y) * 2 * w + x], src[(y / 2) * w + x / 2]);

  // About two thirds, like the game on a small screen; 1.46 times, like the
  // game maximised on a 1920 x 1080 desktop; wider by a whole factor but
  // taller by a fraction.
  const vqsdl_rect blended[] = {{0, 0, 40, 24}, {0, 0, 89, 54}, {0, 0, 3 * w, 90}};
  for (const vqsdl_rect& shown : blended) {
    const std::vector<uint32_t> out = stretched(src, w, h, shown);
    int worst = 0;
    for (int y = 0; y < shown.h; y++)
      for (int x = 0; x < shown.w; x++) {
        double sx = (x + 0.5) * w / shown.w - 0.5, sy = (y + 0.5) * h / shown.h - 0.5;
        if (shown.w % w == 0) sx = x / (shown.w / w);   // whole: repeated
        uint32_t expected = bilinear(src, w, h, sx, sy);
        worst = std::max(worst, channel_distance(out[static_cast<size_t>(y) * shown.w + x], expected));
      }
    EXPECT_LE(worst, 3) << shown.w << "x" << shown.h;   // fixed-point weights
  }
}

TEST(SdlScale, ThinLineSurvivesShrinking) {
  const int w = 1305, h = 20, sw = 856, sh = 13;
  std::vector<uint32_t> src(static_cast<size_t>(w) * h, 0xFFFFFF);
  for (int x = 0; x < w; x++) src[10 * w + x] = 0;   // a one-pixel black line
  const std::vector<uint32_t> shrunk = stretched(src, w, h, {0, 0, sw, sh});
  for (int x = 0; x < sw; x++) {
    uint32_t darkest = 0xFF;
    for (int y = 0; y < sh; y++) darkest = std::min(darkest, shrunk[static_cast<size_t>(y) * sw + x] & 0xFF);
    ASSERT_LT(darkest, 0xC0u) << "column " << x;   // dropped rows would leave it white
  }
}

TEST(SdlScale, PartialUpdateMatchesWholeRedraw) {
  const int w = 1305, h = 915;
  const vqsdl_rect cases[] = {{0, 0, 856, 600}, {50, 0, 856, 600}, {0, 0, 2610, 1830}, {211, 0, 1498, 1050},
                              {0, 0, 3001, 2104}};
  const vqsdl_rect rects[] = {{0, 0, 1, 1}, {1304, 914, 1, 1}, {100, 200, 77, 3}, {640, 0, 2, 915}, {0, 450, 1305, 1}};
  for (const vqsdl_rect& shown : cases) {
    std::vector<uint32_t> picture = noise(w, h, 1);
    const int frame_w = shown.x + shown.w;
    std::vector<uint32_t> frame(static_cast<size_t>(frame_w) * (shown.y + shown.h), 0);
    vqsdl_stretch(picture.data(), w, h, shown, shown, frame.data() + shown.x, frame_w);
    for (const vqsdl_rect& r : rects) {
      const std::vector<uint32_t> fresh = noise(r.w, r.h, static_cast<unsigned>(r.x + r.y));
      for (int y = 0; y < r.h; y++)
        for (int x = 0; x < r.w; x++) picture[static_cast<size_t>(r.y + y) * w + r.x + x] = fresh[y * r.w + x];
      vqsdl_rect part = vqsdl_shown_part(shown, w, h, r.x, r.y, r.w, r.h);
      vqsdl_stretch(picture.data(), w, h, shown, part, frame.data() + static_cast<size_t>(part.y) * frame_w + part.x,
                    frame_w);
    }
    std::vector<uint32_t> whole(frame.size(), 0);
    vqsdl_stretch(picture.data(), w, h, shown, shown, whole.data() + shown.x, frame_w);
    EXPECT_EQ(frame, whole) << "shown " << shown.w << "x" << shown.h << " at " << shown.x;
  }
}

}  // namespace
