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
// How far the colour channels of `pixel` lie from plain bilinear sampling
// at source point sx, sy, computed in floating point (the largest distance).
double distance_from_bilinear(uint32_t pixel, const std::vector<uint32_t>& src, int w, int h, double sx, double sy) {
  sx = std::fmin(std::fmax(sx, 0), w - 1);
  sy = std::fmin(std::fmax(sy, 0), h - 1);
  int x0 = static_cast<int>(sx), y0 = static_cast<int>(sy);
  int x1 = std::min(x0 + 1, w - 1), y1 = std::min(y0 + 1, h - 1);
  double fx = sx - x0, fy = sy - y0, worst = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    auto c = [&](int x, int y) { return static_cast<double>((src[static_cast<size_t>(y) * w + x] >> shift) & 255); };
    double v = (c(x0, y0) * (1 - fx) + c(x1, y0) * fx) * (1 - fy) + (c(x0, y1) * (1 - fx) + c(x1, y1) * fx) * fy;
    worst = std::fmax(worst, std::fabs(static_cast<double>((pixel >> shift) & 255) - v));
  }
  return worst;
}

std::vector<uint32_t> noise(int w, int h, unsigned seed) {
  std::vector<uint32_t> p(static_cast<size_t>(w) * h);
  for (uint32_t& v : p) {
    v = (seed = seed * 1103515245u + 12345u) >> 8;
    v |= (seed = seed * 1103515245u + 12345u) >> 8 << 24;   // a stray alpha must not leak into mixed pixels
  }
  return p;
}

std::vector<uint32_t> stretched(const std::vector<uint32_t>& src, int w, int h, const vqsdl_rect& shown) {
  std::vector<uint32_t> frame(static_cast<size_t>(shown.w) * shown.h, 0xDEAD);
  vqsdl_stretch(src.data(), w, h, shown, shown, frame.data(), shown.w);
  return frame;
}

TEST(SdlScale, StretchCopiesAndRepeats) {
  const int w = 61, h = 37;
  const std::vector<uint32_t> src = noise(w, h, 7);
  EXPECT_EQ(stretched(src, w, h, {0, 0, w, h}), src);
  const std::vector<uint32_t> doubled = stretched(src, w, h, {0, 0, 2 * w, 2 * h});
  for (int y = 0; y < 2 * h; y++)
    for (int x = 0; x < 2 * w; x++) ASSERT_EQ(doubled[static_cast<size_t>(y) * 2 * w + x], src[(y / 2) * w + x / 2]);
}

// Every blended size against bilinear sampling computed the slow way, on
// noise (the largest steps between neighbours), with each width of
// registers the processor has and with the plain loops; all must also agree
// to the bit, wherever the picture lands in its frame (the wide loops align
// their stores to it).
TEST(SdlScale, StretchBlendsWithinOneStep) {
  struct Case {
    int w, h;
    vqsdl_rect shown;
    int frame_w;
  };
  const Case cases[] = {
      {61, 37, {0, 0, 40, 24}, 40},             // about two thirds, like the game on a small screen
      {1305, 915, {3, 0, 856, 600}, 861},       // the game on a 1024 x 600 screen, off the frame's alignment
      {128, 72, {26, 0, 187, 105}, 240},        // 1.46 times, like a window maximised on 1920 x 1080
      {128, 72, {0, 1, 192, 108}, 192},         // 1.5 times
      {128, 72, {5, 0, 379, 213}, 389},         // 2.96 times, like a window maximised on 3840 x 2160
      {61, 37, {0, 0, 183, 90}, 183},           // wider by a whole factor, taller by a fraction
      {61, 37, {1, 0, 100, 74}, 101},           // taller by a whole factor, wider by a fraction
      {20, 9, {0, 0, 23, 11}, 23},              // barely larger, fewer columns than two loads
      {300, 10, {0, 0, 163, 7}, 163},           // shrunk to just over half
      {300, 10, {0, 0, 100, 4}, 100},           // shrunk to a third
  };
  for (const Case& c : cases) {
    const std::vector<uint32_t> src = noise(c.w, c.h, static_cast<unsigned>(c.w));
    std::vector<uint32_t> pictures[3];
    for (int wide = 0; wide < 3; wide++) {
      vqsdl_stretch_allow_wide(wide * 256);
      std::vector<uint32_t> frame(static_cast<size_t>(c.frame_w) * (c.shown.y + c.shown.h), 0xDEAD);
      uint32_t* at = frame.data() + static_cast<size_t>(c.shown.y) * c.frame_w + c.shown.x;
      vqsdl_stretch(src.data(), c.w, c.h, c.shown, c.shown, at, c.frame_w);
      for (int y = 0; y < c.shown.h; y++)
        pictures[wide].insert(pictures[wide].end(), at + static_cast<size_t>(y) * c.frame_w,
                              at + static_cast<size_t>(y) * c.frame_w + c.shown.w);
    }
    vqsdl_stretch_allow_wide(512);
    EXPECT_TRUE(pictures[0] == pictures[1]) << "AVX2 and plain differ at " << c.shown.w << "x" << c.shown.h;
    EXPECT_TRUE(pictures[0] == pictures[2]) << "AVX-512 and plain differ at " << c.shown.w << "x" << c.shown.h;
    const bool whole_x = c.shown.w % c.w == 0, whole_y = c.shown.h % c.h == 0;
    double worst = 0;
    for (int y = 0; y < c.shown.h; y++)
      for (int x = 0; x < c.shown.w; x++) {
        ASSERT_EQ(pictures[0][static_cast<size_t>(y) * c.shown.w + x] >> 24, 0u) << x << "," << y;
        double sx = (x + 0.5) * c.w / c.shown.w - 0.5, sy = (y + 0.5) * c.h / c.shown.h - 0.5;
        if (whole_x) sx = x / (c.shown.w / c.w);   // whole: repeated
        if (whole_y) sy = y / (c.shown.h / c.h);
        worst = std::fmax(worst, distance_from_bilinear(pictures[0][static_cast<size_t>(y) * c.shown.w + x], src,
                                                        c.w, c.h, sx, sy));
      }
    // Rounded to within a hair of half a step, so never more than one step
    // from the exact value rounded (and not cut off, which is a step away).
    EXPECT_LE(worst, 0.5 + 1.0 / 32) << c.shown.w << "x" << c.shown.h;
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

// Pixels that arrive with a present are copied into the kept picture while
// it is stretched: the window pixels and the kept picture must be what a
// copy first and a stretch after give, for fresh rows that span the width
// (read where they are) or not, whether the drawn part reaches them or not.
TEST(SdlScale, FreshPixelsMatchCopyThenStretch) {
  const int w = 131, h = 75;
  struct Case {
    vqsdl_rect shown, fresh;
    bool clipped;      // the drawn part is `part`, not all that the fresh pixels change
    vqsdl_rect part;
  };
  const Case cases[] = {
      {{0, 0, 131, 75}, {0, 0, 131, 75}, false, {}},      // the same size
      {{0, 0, 262, 150}, {0, 10, 131, 20}, false, {}},    // whole factor
      {{2, 0, 192, 110}, {0, 0, 131, 75}, false, {}},     // fractional, whole rows
      {{2, 0, 192, 110}, {17, 30, 40, 9}, false, {}},     // fractional, part of some rows
      {{0, 0, 100, 57}, {0, 40, 131, 35}, false, {}},     // shrunk
      {{2, 0, 192, 110}, {0, 0, 131, 75}, true, {2, 0, 192, 50}},   // rows below the drawn part
      {{2, 0, 192, 110}, {5, 5, 20, 60}, true, {0, 0, 0, 0}},       // nothing drawn at all
  };
  for (const Case& c : cases) {
    const std::vector<uint32_t> old_picture = noise(w, h, 3), incoming = noise(w, h, 4);
    const int frame_w = c.shown.x + c.shown.w;
    const vqsdl_rect part =
        c.clipped ? c.part : vqsdl_shown_part(c.shown, w, h, c.fresh.x, c.fresh.y, c.fresh.w, c.fresh.h);
    std::vector<uint32_t> expected_back = old_picture;
    for (int y = c.fresh.y; y < c.fresh.y + c.fresh.h; y++)
      for (int x = c.fresh.x; x < c.fresh.x + c.fresh.w; x++)
        expected_back[static_cast<size_t>(y) * w + x] = incoming[static_cast<size_t>(y) * w + x];
    for (int wide = 0; wide < 3; wide++) {
      vqsdl_stretch_allow_wide(wide * 256);
      std::vector<uint32_t> expected(static_cast<size_t>(frame_w) * (c.shown.y + c.shown.h), 0xDEAD);
      std::vector<uint32_t> frame = expected, back = old_picture;
      const size_t at = static_cast<size_t>(part.y) * frame_w + part.x;
      vqsdl_stretch(expected_back.data(), w, h, c.shown, part, expected.data() + at, frame_w);
      vqsdl_stretch_fresh(back.data(), w, h, {incoming.data(), w, c.fresh}, c.shown, part, frame.data() + at,
                          frame_w);
      EXPECT_TRUE(back == expected_back) << "kept picture, fresh " << c.fresh.x << "," << c.fresh.y;
      EXPECT_TRUE(frame == expected) << "window pixels, shown " << c.shown.w << "x" << c.shown.h << ", fresh "
                                     << c.fresh.x << "," << c.fresh.y;
    }
    vqsdl_stretch_allow_wide(512);
  }
}
