#include <gtest/gtest.h>

#include "vqcfgstr.h"
#include "vqcolor.h"

static vqgeometry layout(const char* text, int parent = 1000) {
  static char buf[VQCFGSTR_CONTROLLIST];
  char** t = vqcfgstr_split(text, buf, sizeof buf);
  vqgeometry g;
  vqgeometry_reset(&g);
  g.parentwidth = g.parentheight = parent;
  vqcfgstr_geometry(t, 0, &g);
  vqgeometry_compute(&g);
  return g;
}

TEST(CfgstrGeometry, PercentCentringClampsAndLastWins) {
  vqgeometry g = layout("x=50%,xs=20%");
  EXPECT_EQ(g.width, 200);
  EXPECT_EQ(g.x, 400);
  g = layout("x=0,xs=20%");
  EXPECT_EQ(g.width, 200);
  EXPECT_EQ(g.x, 0);
  EXPECT_EQ(layout("xs=150%").width, 1000);
  EXPECT_EQ(layout("minxs=300,xs=10%").width, 300);
  EXPECT_EQ(layout("maxxs=50,xs=10%").width, 50);
  EXPECT_EQ(layout("xs=100,xs=200").width, 200);
  EXPECT_EQ(layout("xsize=5").width, 0);
  g = layout("x=10,xs=80%");
  EXPECT_EQ(g.x, 10);
  EXPECT_EQ(g.width, 800);
  g = layout("x=2.05%,xs=101");  // pixel width: subtract before truncating
  EXPECT_EQ(g.x, -29);
  EXPECT_EQ(layout("x=1e300,xs=1e300pix").width, 1000);  // saturated, no overflow
}

TEST(CfgstrGeometry, ReturnsWhetherXGiven) {
  char buf[VQCFGSTR_CONTROLLIST];
  vqgeometry g;
  vqgeometry_reset(&g);
  EXPECT_EQ(vqcfgstr_geometry(vqcfgstr_split("y=3,xs=4", buf, sizeof buf), 0, &g), 0);
  EXPECT_EQ(g.xvalue, 0.0);
  EXPECT_EQ(vqcfgstr_geometry(vqcfgstr_split("X = 50 %", buf, sizeof buf), 0, &g), 1);
  EXPECT_EQ(g.xpixel, 0);
  EXPECT_EQ(g.xedge, 0);
}

TEST(CfgstrVocab, ColorValuesIgnoreBlanksAndTabs) {
  const struct {
    const char* text;
    uint32_t want;
  } cases[] = {{"BGColor = E0E0E0", 0xE0E0E0}, {"bgcolor= red", 0x800000},
               {"bgcolor=red ", 0x800000},     {"bgcolor=\tlight grey", 0xC0C0C0},
               {"bgcolor = 0x 12 34 56", 0x123456}};
  for (const auto& c : cases) {
    char buf[VQCFGSTR_CONTROLLIST];
    char** t = vqcfgstr_split(c.text, buf, sizeof buf);
    uint32_t bg = 7;
    vqcfgstr_bgcolor(t, 0, &bg);
    EXPECT_EQ(bg, c.want) << c.text;
    EXPECT_STREQ(t[0], "") << c.text;
  }
}

TEST(CfgstrVocab, ColorsFocusPixmapDefault) {
  char buf[VQCFGSTR_CONTROLLIST];
  char** t = vqcfgstr_split("bgcolor=red,bgcolor=blue,color=red,NoFocus,no focus,showposition,"
                            "pxs=200,pys=100,palette,colors=1000,def=2.5,right,palettecode=3",
                            buf, sizeof buf);
  uint32_t bg = 0, text = 0, plain = 7;
  vqcfgstr_bgcolor(t, 0, &bg);
  EXPECT_EQ(bg, 0x000080u);
  EXPECT_TRUE(vqcfgstr_textcolor(t, 0, &text));
  EXPECT_EQ(text, 0x800000u);
  vqcfgstr_color(t, 0, &plain);  // already taken by the text color
  EXPECT_EQ(plain, 7u);
  uint8_t nofocus = 0, showpos = 0, right = 0;
  vqcfgstr_focus(t, 0, &nofocus);
  EXPECT_EQ(nofocus, 1);
  EXPECT_STREQ(t[4], "");
  int type = 3, w = 0, h = 0, colors = 0, code = 0;
  vqcfgstr_pxmaptype(t, 0, &type);
  vqcfgstr_pxmap(t, 0, &w, &h, &colors, &type);
  EXPECT_EQ(w, 200);
  EXPECT_EQ(h, 100);
  EXPECT_EQ(type, 2);
  double value = 0;
  vqcfgstr_default(t, 0, &value, &showpos);
  EXPECT_EQ(value, 2.5);
  EXPECT_EQ(showpos, 1);
  vqcfgstr_align(t, 0, &right);
  EXPECT_EQ(right, 1);
  vqcfgstr_palettecode(t, 0, &code);
  EXPECT_EQ(code, 3);
  for (char** p = t; *p; ++p) EXPECT_STREQ(*p, "");
}
