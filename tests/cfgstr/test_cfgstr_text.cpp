#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "vqcfgstr.h"

TEST(CfgstrFormat, LiteralPercentSurvivesConversionsStay) {
  char out[VQCFGSTR_CONTROLTEXT];
  vqcfgstr_format(out, sizeof out, "x=50%,y=50%");
  EXPECT_STREQ(out, "x=50%,y=50%");
  vqcfgstr_format(out, sizeof out, "xs=%d", 300);
  EXPECT_STREQ(out, "xs=300");
  vqcfgstr_format(out, sizeof out, "a=%s,b=5%>c", "t");
  EXPECT_STREQ(out, "a=t,b=5%>c");
}

TEST(CfgstrFormat, DoubledPercentStaysOneLiteralPercent) {
  const struct {
    const char* format;
    const char* escaped;
    const char* formatted;
  } cases[] = {{"a%%b", "a%%b", "a%b"},         {"x=50%%,y=%d", "x=50%%,y=%d", "x=50%,y=7"},
               {"%%%", "%%%%", "%%"},            {"%%% %d", "%%%% %d", "%% 7"},
               {"a%%%d", "a%%%d", "a%7"},        {"w=5%,%%", "w=5%%,%%", "w=5%,%"}};
  for (const auto& c : cases) {
    char esc[64], out[64];
    ASSERT_TRUE(vqcfgstr_escape(esc, sizeof esc, c.format));
    EXPECT_STREQ(esc, c.escaped) << c.format;
    vqcfgstr_format(out, sizeof out, c.format, 7);
    EXPECT_STREQ(out, c.formatted) << c.format;
  }
}

TEST(CfgstrFormat, OverlongTextIsCutNotOverrun) {
  char out[16];
  std::string big(5000, 'a');
  int n = vqcfgstr_format(out, sizeof out, "%s", big.c_str());
  EXPECT_EQ(n, 15);
  EXPECT_EQ(strlen(out), 15u);
  char esc[4];
  EXPECT_FALSE(vqcfgstr_escape(esc, sizeof esc, "ab% "));
  EXPECT_STREQ(esc, "ab");  // never half of a doubled percent
}

TEST(CfgstrSplit, EmptyPiecesAndEmptyText) {
  char buf[VQCFGSTR_CONTROLLIST];
  char** t = vqcfgstr_split("a,,b", buf, sizeof buf);
  ASSERT_EQ(vqcfgstr_count(t), 3);
  EXPECT_STREQ(t[0], "a");
  EXPECT_STREQ(t[1], "");
  EXPECT_STREQ(t[2], "b");
  EXPECT_EQ(vqcfgstr_count(vqcfgstr_split("", buf, sizeof buf)), 0);
  t = vqcfgstr_split(" x = 1 ,", buf, sizeof buf);
  ASSERT_EQ(vqcfgstr_count(t), 2);
  EXPECT_STREQ(t[0], " x = 1 ");
}

TEST(CfgstrSplit, SmallBufferAndLongTokensStaySafe) {
  std::string text(2000, 'q');
  text += ",b";
  char** heap = vqcfgstr_splitalloc(text.c_str());
  ASSERT_EQ(vqcfgstr_count(heap), 2);
  EXPECT_EQ(strlen(heap[0]), (size_t)VQCFGSTR_TOKENMAX);
  vqcfgstr_splitfree(heap);
  char small[40];
  char** t = vqcfgstr_split("aaaa,bbbb,cccc,dddd,eeee", small, sizeof small);
  ASSERT_NE(t, nullptr);
  EXPECT_LT(vqcfgstr_count(t), 5);
  std::string exact = "k1,k2,k3";
  std::string need(vqcfgstr_splitsize(exact.c_str()), 0);
  EXPECT_EQ(vqcfgstr_count(vqcfgstr_split(exact.c_str(), need.data(), need.size())), 3);
}

TEST(CfgstrMatch, KeysFlagsAndTables) {
  EXPECT_TRUE(vqcfgstr_match("BGColor = E0E0E0", "bgcolor="));
  EXPECT_TRUE(vqcfgstr_match("NoSysMenu", "nosysmenu"));
  EXPECT_FALSE(vqcfgstr_match("nosysmenux", "nosysmenu"));
  EXPECT_TRUE(vqcfgstr_match("no\tsys menu", "nosysmenu"));
  std::string longtok(3000, 'z');
  EXPECT_FALSE(vqcfgstr_match(longtok.c_str(), "z"));
  static const vqcfgstr_keyword table[] = {{"xs=", 1}, {"x=", 2}};
  EXPECT_EQ(vqcfgstr_lookup("xs=4", table), 1);
  EXPECT_EQ(vqcfgstr_lookup("X = 4", table), 2);
  EXPECT_EQ(vqcfgstr_lookup("xsize=5", table), -1);
}

TEST(CfgstrNumber, ValuesAndUnits) {
  double v;
  int u;
  EXPECT_TRUE(vqcfgstr_numvalue("X = 50 %", &v, &u));
  EXPECT_EQ(v, 50.0);
  EXPECT_EQ(u, VQUNIT_PERCENT);
  vqcfgstr_numvalue("xs=5abc", &v, &u);
  EXPECT_EQ(v, 5.0);
  EXPECT_EQ(u, VQUNIT_NONE);
  vqcfgstr_numvalue("xs=-2.5e1pixel", &v, &u);
  EXPECT_EQ(v, -25.0);
  EXPECT_EQ(u, VQUNIT_PIXEL);
  vqcfgstr_numvalue("xs=12percent", &v, &u);
  EXPECT_EQ(u, VQUNIT_PERCENT);
  EXPECT_FALSE(vqcfgstr_numvalue("xs=%", &v, &u));
  EXPECT_EQ(v, 0.0);
  EXPECT_EQ(u, VQUNIT_NONE);
  EXPECT_FALSE(vqcfgstr_numvalue("xs=inf", &v, &u));
  EXPECT_EQ(vqcfgstr_intvalue("x=-7.9"), -7);
  EXPECT_EQ(vqcfgstr_intvalue("x=1e300"), INT32_MAX);  // saturates, no undefined cast
}

TEST(CfgstrWholeString, HasNumberValue) {
  EXPECT_TRUE(vqcfgstr_has("a,maxxs=3", "xs"));
  EXPECT_TRUE(vqcfgstr_has("OwnPxmap", "ownpxmap"));
  EXPECT_FALSE(vqcfgstr_has("a,b", "c"));
  EXPECT_EQ(vqcfgstr_number("t,MaxXS=-40x,b", "maxxs", 9), -40);
  EXPECT_EQ(vqcfgstr_number("t,b", "maxxs", 9), 9);
  EXPECT_EQ(vqcfgstr_number("maxxs=99999999999999", "maxxs", 0), INT32_MAX);
  char out[8];
  EXPECT_TRUE(vqcfgstr_value("a,font=courier 12,b", "font", out, sizeof out));
  EXPECT_STREQ(out, "courier");  // cut to the buffer
  EXPECT_FALSE(vqcfgstr_value("a,b", "font", out, sizeof out));
}

TEST(CfgstrPasses, FlagBorderRest) {
  char buf[VQCFGSTR_CONTROLLIST];
  char** t = vqcfgstr_split("title,border=3,border,Skip,a,b", buf, sizeof buf);
  int border = 7;
  vqcfgstr_border(t, 1, &border);
  EXPECT_EQ(border, 3);  // first wins
  EXPECT_STREQ(t[2], "border");
  uint8_t flag = 0;
  EXPECT_FALSE(vqcfgstr_flag(t, 1, "missing", &flag));
  EXPECT_EQ(flag, 0);
  EXPECT_TRUE(vqcfgstr_flag(t, 1, "skip", &flag));
  EXPECT_EQ(flag, 1);
  char rest[64];
  EXPECT_TRUE(vqcfgstr_rest(t, rest, sizeof rest));
  EXPECT_STREQ(rest, ",border,a,b");
  EXPECT_FALSE(vqcfgstr_rest(t, rest, 5));
  EXPECT_STREQ(rest, "");  // cut at a whole token
  t = vqcfgstr_split("noborder,border=9", buf, sizeof buf);
  vqcfgstr_border(t, 0, &border);
  EXPECT_EQ(border, 0);
}
