#include <gtest/gtest.h>

#include "vqcolor.h"

TEST(Color, PackingAndParsing) {
  EXPECT_EQ(vqrgb(255, 0, 0), 0xFF0000u);
  EXPECT_EQ(vqrgb(0, 0, 255), 0x0000FFu);
  EXPECT_EQ(vqrgb(256 + 1, -1, 0), 0x01FF00u);
  uint32_t c = 5;
  EXPECT_TRUE(vqcolor_parse("E0E0E0", &c));
  EXPECT_EQ(c, 0xE0E0E0u);
  c = 5;
  EXPECT_TRUE(vqcolor_parse("bgcolor=0xe0e0e0", &c));
  EXPECT_EQ(c, 0xE0E0E0u);
  EXPECT_TRUE(vqcolor_parse("WHITE", &c));
  EXPECT_EQ(c, 0xFFFFFFu);
  uint32_t a = 0, b = 1;
  vqcolor_parse("transparent", &a);
  vqcolor_parse("lightblue", &b);
  EXPECT_EQ(a, b);
  EXPECT_TRUE(vqcolor_parse("col=none", &c));
  EXPECT_EQ(c, VQ_NOCOLOR);
  c = 42;
  EXPECT_FALSE(vqcolor_parse("greyish", &c));
  EXPECT_FALSE(vqcolor_parse("color=", &c));
  EXPECT_FALSE(vqcolor_parse("", &c));
  EXPECT_EQ(c, 42u);
}

TEST(Color, ShadeAndPlatformOrder) {
  EXPECT_EQ(vqcolor_fromplatform(0x00112233), 0x332211u);
  EXPECT_EQ(vqcolor_shade(0x000AFA0A, 32), 0x2AFF2Au);
  EXPECT_EQ(vqcolor_shade(0x000AFA0A, -32), 0x00DA00u);
}

TEST(Color, ThemeFallbacksAndDepth) {
  const int32_t none[4] = {-1, -1, -1, -1};
  uint32_t t[VQCOLOR_THEMECOUNT];
  vqcolor_maketheme(none, 32, t);
  const uint32_t expect[] = {0xD0D0D0, 0xE0E0E0, 0x808080, 0xFFFFFF, 0x000000, 0x000000,
                             0x000000, 0x787878, 0xC0C0C0, 0xC0D8FF, 0xF0F0F0};
  for (int i = 0; i < VQCOLOR_THEMECOUNT; ++i) EXPECT_EQ(t[i], expect[i]) << i;
  const int32_t desk[4] = {0x00F0E8F8, 0x00404040, 0x00000010, 0x00606060};
  vqcolor_maketheme(desk, 8, t);
  EXPECT_EQ(t[VQCOLOR_GREY], 0xF8E8F0u);
  EXPECT_EQ(t[VQCOLOR_LIGHT], 0xFFF8FFu);
  EXPECT_EQ(t[VQCOLOR_TEXT], 0x100000u);
  EXPECT_EQ(t[VQCOLOR_TEXTSEL], 0xFFFFFFu);
  EXPECT_EQ(t[VQCOLOR_BLUE], 0x000080u);
  EXPECT_EQ(vqcolor_system(11), VQ_NOCOLOR);
  EXPECT_EQ(vqcolor_system(-1), VQ_NOCOLOR);
}
