// Glyphs and strings drawn into truecolor surfaces, pixel for pixel against
// the glyph bitmaps, and the calls that carry the ink.
#include "font_test_util.h"
#include "setpoints_probe.h"
#include "vqcolor.h"
#include "vqpxmap.h"

#include <string>

namespace {

constexpr int32_t kWhite = 0xFFFFFF, kInk = 0x102030, kBack = 0xC0C0C0, kOutline = 0xFF0000;


struct Glyph {
  const uint8_t* bits = nullptr;
  int w = 0, h = 0;
  bool ink(int c, int r) const { return c >= 0 && r >= 0 && c < w && r < h && bits[r * w + c]; }
};

Glyph glyph(int handle, int code) {
  Glyph g;
  EXPECT_TRUE(vqfont_glyph(handle, code, &g.bits, &g.w, &g.h));
  return g;
}

// A monospace font of width 5 whose glyphs differ, for the ellipsis;
// its dense ink also reaches the border rows of the box.
int five_wide_font() {
  static FontText f = make_font("Five", 7, 224, [](int) { return 5; },
                                [](int i, int r, int c) { return (i * 7 + r * 3 + c) % 4 == 0; });
  return vqfont_register_text(f.pointers());
}

class FontDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    vqfont_free_all();
    vqfont_register_builtins();
    vqfont_set_outline(-1);
    vqfont_set_halfscale(false, 0);
    setpoints_calls().clear();
  }
  void TearDown() override {
    vqfont_set_outline(-1);
    vqfont_set_halfscale(false, 0);
    vqfont_free_all();
  }
};

TEST_F(FontDraw, InkOnlyInOneCall) {
  Surface s(40, 30);
  Glyph g = glyph(-1, 'A');
  vqfont_drawchar(&s.pm, -1, 5, 7, kInk, false, false, -1, 'A', -1, -1);
  int inked = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      bool ink = g.ink(x - 5, y - 7);
      ASSERT_EQ(s.at(x, y), ink ? kInk : kWhite) << x << "," << y;
      inked += ink;
    }
  ASSERT_EQ(setpoints_calls().size(), 1u);
  EXPECT_EQ(setpoints_calls()[0].color, kInk);
  EXPECT_EQ(setpoints_calls()[0].count, inked);
}

TEST_F(FontDraw, BackgroundFillsTheBoxInASecondCall) {
  Surface s(40, 30);
  Glyph g = glyph(-1, 'g');
  vqfont_drawchar(&s.pm, -1, 3, 2, kInk, false, false, kBack, 'g', -1, -1);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      bool inside = x >= 3 && x < 3 + g.w && y >= 2 && y < 2 + g.h;
      int32_t want = !inside ? kWhite : g.ink(x - 3, y - 2) ? kInk : kBack;
      ASSERT_EQ(s.at(x, y), want) << x << "," << y;
    }
  ASSERT_EQ(setpoints_calls().size(), 2u);
  EXPECT_EQ(setpoints_calls()[0].color, kBack);
  EXPECT_EQ(setpoints_calls()[1].color, kInk);
}

TEST_F(FontDraw, EngravedLightBelowRightShadowOnTop) {
  Surface s(40, 30);
  Glyph g = glyph(-1, 'W');
  int32_t light = static_cast<int32_t>(vqcolor_system(3)), shadow = static_cast<int32_t>(vqcolor_system(2));
  ASSERT_NE(light, shadow);
  vqfont_drawchar(&s.pm, -1, 4, 4, kInk, true, true, kBack, 'W', -1, -1);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      int32_t want = kWhite;
      if (x >= 4 && x < 4 + g.w && y >= 4 && y < 4 + g.h) want = kBack;
      if (g.ink(x - 5, y - 5)) want = light;
      if (g.ink(x - 4, y - 4)) want = shadow;
      ASSERT_EQ(s.at(x, y), want) << x << "," << y;
    }
  EXPECT_EQ(s.count(kInk), 0);   // neither the color nor an underline
  ASSERT_EQ(setpoints_calls().size(), 2u);
  EXPECT_EQ(setpoints_calls()[0].color, light);
  EXPECT_EQ(setpoints_calls()[1].color, shadow);
  // Given colors replace the theme's.
  Surface t(40, 30);
  vqfont_drawchar(&t.pm, -1, 4, 4, kInk, true, false, -1, 'W', 0x00FF00, 0x0000FF);
  EXPECT_GT(t.count(0x00FF00), 0);
  EXPECT_GT(t.count(0x0000FF), 0);
  EXPECT_EQ(t.count(kBack), 0);
}

TEST_F(FontDraw, OutlineRingsTheInkInsideTheBox) {
  vqfont_set_outline(kOutline);
  for (int handle : {-1, five_wide_font()}) {
    Surface s(40, 30);
    setpoints_calls().clear();
    int code = handle == -1 ? 'O' : 'A';
    Glyph g = glyph(handle, code);
    vqfont_drawchar(&s.pm, handle, 6, 6, kInk, false, false, -1, code, -1, -1);
    int rings = 0;
    for (int r = 0; r < g.h; ++r)
      for (int c = 0; c < g.w; ++c) {
        bool border = r == 0 || c == 0 || r == g.h - 1 || c == g.w - 1;
        bool next_to_ink = g.ink(c - 1, r) || g.ink(c + 1, r) || g.ink(c, r - 1) || g.ink(c, r + 1);
        int32_t want = g.ink(c, r) ? kInk : (!border && next_to_ink) ? kOutline : kWhite;
        ASSERT_EQ(s.at(6 + c, 6 + r), want) << handle << " " << c << "," << r;
        rings += want == kOutline;
      }
    EXPECT_GT(rings, 0);
    EXPECT_EQ(s.count(kOutline), rings);
    ASSERT_EQ(setpoints_calls().size(), 2u);
    EXPECT_EQ(setpoints_calls()[1].color, kOutline);
  }
}

TEST_F(FontDraw, UnderlineOnTheLastRowInTheInkCall) {
  Surface s(20, 20);
  Glyph g = glyph(-1, 'o');
  vqfont_drawchar(&s.pm, -1, 2, 1, kInk, false, true, -1, 'o', -1, -1);
  for (int c = 0; c < g.w; ++c) EXPECT_EQ(s.at(2 + c, 1 + g.h - 1), kInk) << c;
  EXPECT_EQ(s.at(1, g.h), kWhite);
  EXPECT_EQ(s.at(2 + g.w, g.h), kWhite);
  ASSERT_EQ(setpoints_calls().size(), 1u);
}

TEST_F(FontDraw, ClippedAtEveryEdgeAndNothingForMissingGlyphs) {
  Surface s(10, 10);
  for (int x : {-4, 7})
    for (int y : {-8, 5}) vqfont_drawchar(&s.pm, -1, x, y, kInk, false, true, kBack, 'M', -1, -1);
  for (const SetpointsCall& c : setpoints_calls()) EXPECT_FALSE(c.outside);
  EXPECT_GT(s.count(kInk), 0);
  setpoints_calls().clear();
  Surface t(10, 10);
  for (int code : {0, 10, 31, 255, -5, 300})
    vqfont_drawchar(&t.pm, -1, 0, 0, kInk, false, false, kBack, code, -1, -1);
  vqfont_drawchar(&t.pm, 123456, 0, 0, kInk, false, false, kBack, 'A', -1, -1);
  vqfont_drawchar(&t.pm, 2000000000, 0, 0, kInk, false, false, kBack, 'A', -1, -1);
  vqfont_drawchar(nullptr, -1, 0, 0, kInk, false, false, kBack, 'A', -1, -1);
  EXPECT_TRUE(setpoints_calls().empty());
  EXPECT_EQ(t.count(kWhite), 100);
}

TEST_F(FontDraw, StringAdvancesAndNewlineReturns) {
  Surface s(80, 40), ref(80, 40);
  vqfont_drawstring(&s.pm, -1, 3, 2, kInk, false, false, -1, 0, 1, "AB\nCD", -1, -1);
  vqfont_drawchar(&ref.pm, -1, 3, 2, kInk, false, false, -1, 'A', -1, -1);
  vqfont_drawchar(&ref.pm, -1, 9, 2, kInk, false, true, -1, 'B', -1, -1);   // index 1 underlined
  vqfont_drawchar(&ref.pm, -1, 3, 15, kInk, false, false, -1, 'C', -1, -1);
  vqfont_drawchar(&ref.pm, -1, 9, 15, kInk, false, false, -1, 'D', -1, -1);
  EXPECT_TRUE(s.same(ref));
  // The same string with the underline flag: every character underlined.
  Surface u(80, 40), uref(80, 40);
  vqfont_drawstring(&u.pm, -1, 0, 0, kInk, false, true, -1, 0, -1, "xy", -1, -1);
  vqfont_drawchar(&uref.pm, -1, 0, 0, kInk, false, true, -1, 'x', -1, -1);
  vqfont_drawchar(&uref.pm, -1, 6, 0, kInk, false, true, -1, 'y', -1, -1);
  EXPECT_TRUE(u.same(uref));
}

TEST_F(FontDraw, MaximumWidthEndsInAnEllipsis) {
  int font = five_wide_font();
  const char* text = "ABCDEFGHIJKLMNOP";   // 16 x 5 = 80 pixels
  ASSERT_EQ(vqfont_textwidth(font, text), 80);
  ASSERT_EQ(vqfont_textwidth(font, "... "), 20);
  Surface s(120, 10), ref(120, 10);
  vqfont_drawstring(&s.pm, font, 10, 1, kInk, false, false, -1, 50, -1, text, -1, -1);
  // 10 + 50 - 20 = 40: six characters end there, then "...".
  vqfont_drawstring(&ref.pm, font, 10, 1, kInk, false, false, -1, 0, -1, "ABCDEF...", -1, -1);
  EXPECT_TRUE(s.same(ref));
  for (int y = 0; y < 10; ++y)
    for (int x = 55; x < 120; ++x) ASSERT_EQ(s.at(x, y), kWhite) << x;
  // A text that fits is drawn whole.
  Surface fit(120, 10), fit_ref(120, 10);
  vqfont_drawstring(&fit.pm, font, 0, 0, kInk, false, false, -1, 50, -1, "ABCDEFGHIJ", -1, -1);
  vqfont_drawstring(&fit_ref.pm, font, 0, 0, kInk, false, false, -1, 0, -1, "ABCDEFGHIJ", -1, -1);
  EXPECT_TRUE(fit.same(fit_ref));
}

TEST_F(FontDraw, HalfScaleAveragesBlocks) {
  Surface s(40, 20, kBack);
  Glyph g = glyph(-1, 'H');
  vqfont_set_halfscale(true, kBack);
  vqfont_drawstring(&s.pm, -1, 4, 3, 0x000000, false, false, -1, 0, -1, "HH\nH", -1, -1);
  vqfont_set_halfscale(false, 0);
  auto expected = [&](int c, int r) {
    int32_t v = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      int sum = 0;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) sum += g.ink(2 * c + dx, 2 * r + dy) ? 0 : (kBack >> shift & 255);
      v |= (sum >> 2) << shift;
    }
    return v;
  };
  int hw = g.w / 2, hh = g.h / 2;
  for (int r = 0; r < hh; ++r)
    for (int c = 0; c < hw; ++c) {
      ASSERT_EQ(s.at(4 + c, 3 + r), expected(c, r)) << c << "," << r;
      ASSERT_EQ(s.at(4 + hw + c, 3 + r), expected(c, r)) << c << "," << r;        // x + width / 2
      ASSERT_EQ(s.at(4 + c, 3 + g.h / 2 + r), expected(c, r)) << c << "," << r;   // y + height / 2
    }
  EXPECT_EQ(s.at(4 + 2 * hw, 3), kBack);
  EXPECT_EQ(s.at(4, 3 + 2 * hh + 1), kBack);
}

}  // namespace
