// System fonts rasterized through the platform: a face found by name, sized
// in points at 96 dots per inch, cut into the toolkit's bitmap form. The
// faces are the tree's (tree_fonts.h), so these cases run and give the same
// answers on every machine with fonts-liberation.
#include "font_test_util.h"
#include "tree_fonts.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The face the font matcher gives for "Courier New" under the tree's
// configuration (Liberation Mono when fonts-liberation is installed), or ""
// when there is no matcher.
std::string matched_family(const char* name) {
  std::string command = std::string("fc-match -f '%{family}' '") + name + "' 2>/dev/null";
  FILE* p = popen(command.c_str(), "r");
  if (!p) return "";
  char buf[256] = {};
  size_t n = fread(buf, 1, sizeof buf - 1, p);
  pclose(p);
  return std::string(buf, n);
}

class SystemFont : public ::testing::Test {
 protected:
  void SetUp() override {
    if (matched_family("Courier New").find("Liberation Mono") == std::string::npos)
      GTEST_SKIP() << "no metric-compatible face for Courier New (fonts-liberation missing)";
    vqfont_free_all();
    vqfont_register_builtins();
  }
  void TearDown() override { vqfont_free_all(); }
};

bool has_ink(int handle, int code) {
  const uint8_t* bits = nullptr;
  int w = 0, h = 0;
  if (!vqfont_glyph(handle, code, &bits, &w, &h)) return false;
  for (int i = 0; i < w * h; ++i)
    if (bits[i]) return true;
  return false;
}

TEST_F(SystemFont, CourierNewBoldTwentyPoints) {
  int count = vqfont_count();
  int id = vqfont_get("Courier New,points=%d,bold", 20);
  ASSERT_GE(id, 1000000);
  EXPECT_EQ(vqfont_count(), count + 1);
  vqfont_info f{};
  ASSERT_TRUE(vqfont_describe(id, &f));
  EXPECT_STREQ(f.key, "system font Courier New 20");
  EXPECT_STREQ(f.name, "Courier New,points=20,bold");
  EXPECT_EQ(f.spacing, 1);
  EXPECT_GE(f.ysize, 26);
  EXPECT_LE(f.ysize, 32);
  EXPECT_EQ(f.ascent + f.descent, f.ysize);
  EXPECT_EQ(f.pts, 20);
  EXPECT_EQ(f.xsize, f.widths['x' - 32]);
  for (int d = '0'; d <= '9'; ++d) {
    EXPECT_EQ(vqfont_charwidth(id, d), vqfont_charwidth(id, '0')) << char(d);
    EXPECT_TRUE(has_ink(id, d)) << char(d);
  }
  EXPECT_EQ(vqfont_textwidth(id, "0123456789"), 10 * f.xsize);
  EXPECT_TRUE(has_ink(id, 0xC4));
  EXPECT_TRUE(has_ink(id, 0xDF));
  // Offsets are the running sums of what was rendered; a code the face has
  // no glyph for borrows glyph 32's width and bitmap instead.
  int running = 0;
  for (int i = 0; i < 223; ++i) {
    if (f.offsets[i] == running) {
      running += f.widths[i] * f.ysize;
    } else {
      ASSERT_EQ(f.offsets[i], f.offsets[32]) << i;
      ASSERT_EQ(f.widths[i], f.widths[32]) << i;
    }
  }
  // A code without a character (127) takes the width and bitmap of glyph 32.
  EXPECT_EQ(f.widths[127 - 32], f.widths[32]);
  EXPECT_EQ(f.offsets[127 - 32], f.offsets[32]);
  // Asked again, by its name in any case: the same font, nothing rasterized.
  EXPECT_EQ(vqfont_get("courier new,POINTS=20,bold"), id);
  EXPECT_EQ(vqfont_count(), count + 1);
}

TEST_F(SystemFont, EighteenPointsIsSmaller) {
  int big = vqfont_get("Courier New,points=20,bold");
  int small = vqfont_get("Courier New,points=18,bold");
  ASSERT_NE(big, 0);
  ASSERT_NE(small, 0);
  ASSERT_NE(big, small);
  EXPECT_LT(vqfont_height(small), vqfont_height(big));
  EXPECT_LE(vqfont_charwidth(small, '0'), vqfont_charwidth(big, '0'));
  vqfont_info f{};
  ASSERT_TRUE(vqfont_describe(small, &f));
  EXPECT_EQ(f.spacing, 1);
  EXPECT_STREQ(f.key, "system font Courier New 18");
}

TEST_F(SystemFont, BoldHasMoreInkThanRegular) {
  int bold = vqfont_get("Courier New,points=20,bold");
  int regular = vqfont_get("Courier New , points = 20");
  ASSERT_NE(regular, 0);
  ASSERT_NE(regular, bold);
  auto ink = [](int handle) {
    int sum = 0;
    for (int code = 'A'; code <= 'Z'; ++code) {
      const uint8_t* bits = nullptr;
      int w = 0, h = 0;
      if (vqfont_glyph(handle, code, &bits, &w, &h))
        for (int i = 0; i < w * h; ++i) sum += bits[i];
    }
    return sum;
  };
  EXPECT_GT(ink(bold), ink(regular) * 5 / 4);
}

TEST_F(SystemFont, ProportionalFaceAndUnderline) {
  int sans = vqfont_get("Arial,points=12");
  ASSERT_NE(sans, 0);
  vqfont_info f{};
  ASSERT_TRUE(vqfont_describe(sans, &f));
  EXPECT_EQ(f.spacing, 2);
  EXPECT_LT(vqfont_charwidth(sans, 'i'), vqfont_charwidth(sans, 'W'));
  EXPECT_EQ(f.ysize, vqfont_height(sans));
  // Underlined: every letter carries the line just below the baseline.
  int under = vqfont_get("Arial,points=12,underlined");
  ASSERT_NE(under, 0);
  vqfont_info u{};
  ASSERT_TRUE(vqfont_describe(under, &u));
  const uint8_t* bits = nullptr;
  int w = 0, h = 0;
  ASSERT_TRUE(vqfont_glyph(under, 'o', &bits, &w, &h));
  int line = u.ascent + 1;
  ASSERT_LT(line, h);
  int inked = 0;
  for (int c = 0; c < w; ++c) inked += bits[line * w + c];
  EXPECT_GE(inked, w - 2);
}

// The glyphs of a few letters, to tell which face a font was cut from.
std::string glyphs(int handle) {
  std::string all;
  for (int code : {'W', 'g', 'R', '1', 'a'}) {
    const uint8_t* bits = nullptr;
    int w = 0, h = 0;
    if (!vqfont_glyph(handle, code, &bits, &w, &h)) return "";
    all += std::to_string(w) + "x" + std::to_string(h) + ":" + std::string(reinterpret_cast<const char*>(bits), w * h);
  }
  return all;
}

// A face the machine does not have is never refused: it is cut from the
// closest installed face, the one fontconfig names (fc-match is the peer),
// with a size run into the name ("arial28") taken off first; and nothing
// is said about it.
TEST_F(SystemFont, UnknownFacesTakeTheClosestInstalledFace) {
  const std::string stand_in = matched_family("Qzxv Nonexistent Face");
  ASSERT_FALSE(stand_in.empty());
  const struct {
    std::string asked, same_as;
  } cases[] = {
      {"arial28", "Liberation Sans"},
      {"Arial,points=12", "Liberation Sans,points=12"},
      {"Times New Roman,points=14", "Liberation Serif,points=14"},
      {"Courier New,points=20,bold", "Liberation Mono,points=20,bold"},
      {"Qzxv Nonexistent Face,points=12", stand_in + ",points=12"},
      {"Qzxv Nonexistent Face,points=12,bold", stand_in + ",points=12,bold"},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStdout();
    const int asked = vqfont_get("%s", c.asked.c_str());
    const std::string said = testing::internal::GetCapturedStdout();
    ASSERT_NE(asked, 0) << c.asked;
    EXPECT_EQ(said, "") << c.asked;
    EXPECT_TRUE(has_ink(asked, 'W')) << c.asked;
    const int peer = vqfont_get("%s", c.same_as.c_str());
    ASSERT_NE(peer, 0) << c.same_as;
    EXPECT_EQ(glyphs(asked), glyphs(peer)) << c.asked << " is not cut from " << c.same_as;
  }
  // Not every face is the same: the stand-ins really differ.
  EXPECT_NE(glyphs(vqfont_get("arial28")), glyphs(vqfont_get("Liberation Serif")));
  EXPECT_EQ(vqfont_get(nullptr), 0);
}

}  // namespace
