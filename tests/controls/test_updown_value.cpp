// The up-down control's value: the text it is stored as, the number read
// back from it, the step grid and the clamping, and the preferred size.
#include "controls_test_util.h"

#include <climits>

namespace {

struct format_case {
  int value, digits, decimal;
  const char* text;
};

TEST(UpDownFormat, DigitsAndDecimalPoint) {
  const format_case cases[] = {
      {7, 3, 0, "007"},     {42, 0, 0, "42"},      {42, 1, 0, "42"},     {7, 10, 0, "0000000007"},
      {7, 11, 0, "7"},      {150, 3, 2, "1.50"},   {1234, 0, 2, "12.34"}, {5, 3, 2, "0.05"},
      {5, 1, 2, "0.05"},    {-5, 3, 2, "-0.05"},   {-150, 3, 2, "-1.50"}, {0, 2, 1, "0.0"},
      {-7, 3, 0, "-07"},    {INT_MIN, 0, 0, "-2147483648"},
  };
  for (const format_case& c : cases) {
    char out[64];
    vqupdown_format(c.value, c.digits, c.decimal, out, sizeof out);
    EXPECT_STREQ(out, c.text) << c.value << " digits " << c.digits << " decimal " << c.decimal;
  }
}

struct parse_case {
  const char* text;
  int decimal;
  int value;
};

TEST(UpDownParse, ScaledByTheDecimalPlaces) {
  const parse_case cases[] = {
      {"12", 0, 12},         {"12abc", 0, 12},   {"", 0, 0},          {"-3", 0, -3},
      {" 8", 0, 8},          {"1.9", 0, 1},      {"1.5", 2, 150},     {"1,5", 2, 150},
      {"1.50", 2, 150},      {"2", 2, 200},      {"2.5", 2, 250},     {"-0.05", 2, -5},
      {".5", 2, 50},         {"1.", 2, 100},     {"", 2, 0},
      // More places than the control keeps are cut off.
      {"1.505", 2, 150},
      // Numbers beyond the int range stay at its ends.
      {"99999999999", 0, INT_MAX}, {"-99999999999", 0, INT_MIN}, {"9999999999.99", 2, INT_MAX},
  };
  for (const parse_case& c : cases)
    EXPECT_EQ(vqupdown_parse(c.text, c.decimal), c.value) << '"' << c.text << "\" decimal " << c.decimal;
}

struct UpDownValue : ControlsTest {
  vqUpDownControl ud;
};

struct store_case {
  const char* options;
  int value;
  const char* text;
};

TEST_F(UpDownValue, SetValueTruncatesOntoTheGridThenClampsMaxThenMin) {
  const store_case cases[] = {
      {"step=5", 12, "10"},          {"step=5", -12, "-10"},           {"step=5,max=12", 14, "10"},
      {"step=5,max=12", 100, "12"},  {"min=1,max=12", 0, "1"},         {"min=1,max=12", 13, "12"},
      {"min=10,max=5", 7, "10"},     {"step=0", 7, "7"},               {"", 200000, "100000"},
      {"", -200000, "-100000"},      {"digits=3", 7, "007"},           {"decimal=2", 150, "1.50"},
      {"decimal=2,digits=1", 5, "0.05"}, {"step=-5", 12, "10"},        {"min=-2147483648,step=-1", INT_MIN, "-2147483648"},
  };
  for (const store_case& c : cases) {
    ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,%s", c.options));
    vqupdown_setvalue(&ud, c.value);
    EXPECT_STREQ(ud.text, c.text) << c.options << " value " << c.value;
  }
}

TEST_F(UpDownValue, StartValueAndKeywords) {
  ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,min=1,max= 24,start=12"));
  EXPECT_EQ(ud.max, 24);
  EXPECT_STREQ(ud.text, "12");
  EXPECT_EQ(vqupdown_getvalue(&ud), 12);
  ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,def=7,password,keepfocus,maxlen=4"));
  EXPECT_STREQ(ud.text, "7");
  EXPECT_TRUE(ud.password && ud.keepfocus);
  EXPECT_EQ(ud.maxlen, 4);
  ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,default=3,nofocusswitchwithenter,greyed,noborder"));
  EXPECT_STREQ(ud.text, "3");
  EXPECT_TRUE(ud.keepfocus && ud.greyed);
  EXPECT_EQ(ud.border, 0);
  // Defaults of a control without options.
  ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10"));
  EXPECT_EQ(ud.min, -100000);
  EXPECT_EQ(ud.max, 100000);
  EXPECT_EQ(ud.step, 1);
  EXPECT_EQ(ud.border, 1);
  EXPECT_EQ(ud.repeat_rate, 100);
  EXPECT_EQ(ud.maxlen, 1000);
  EXPECT_TRUE(ud.align_right);
  EXPECT_EQ(ud.background_color, 0xFFFFFFu);
  EXPECT_STREQ(ud.text, "0");
  // decimal without digits gives one digit more than the places.
  ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,decimal=2"));
  EXPECT_EQ(ud.digits, 3);
  EXPECT_STREQ(ud.text, "0.00");
}

TEST_F(UpDownValue, MarkupValueIsTheTextTruncated) {
  ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,decimal=2,start=199"));
  EXPECT_STREQ(ud.text, "1.99");
  EXPECT_EQ(vqupdown_getvalue(&ud), 199);
  EXPECT_EQ(vqupdown_intvalue(&ud), 1);
}

TEST_F(UpDownValue, PreferredSizeFromTheWidestValueAndTheFont) {
  struct size_case {
    const char* options;
    int width, height;
  } cases[] = {
      // 6x13: "100000" is 36 wide; + 13 + 8.
      {"x=0,y=0", 36 + 13 + 8, 13 + 8},
      {"x=0,y=0,max=12", 12 + 21, 21},
      {"x=0,y=0,max=12,decimal=2", 24 + 21, 21},       // "0.12"
      {"x=0,y=0,max=7,digits=3", 18 + 21, 21},          // "007"
      {"x=0,y=0,max=12,xs=35", 35, 21},
      {"x=0,y=0,max=12,ys=30", 33, 30},
      {"x=0,y=0,max=12,font=12x24", 24 + 24 + 8, 32},
  };
  for (const size_case& c : cases) {
    ASSERT_TRUE(vqupdown_create(&ud, "%s", c.options));
    EXPECT_EQ(ud.width, c.width) << c.options;
    EXPECT_EQ(ud.height, c.height) << c.options;
    EXPECT_EQ(vqupdown_right(&ud), ud.x + c.width);
    EXPECT_EQ(vqupdown_bottom(&ud), ud.y + c.height);
  }
}

TEST_F(UpDownValue, DefaultFontOfNewControls) {
  const int big = vqfont_get("12x24");
  vqcontrol_setdefaultfont(big);
  ASSERT_TRUE(vqupdown_create(&ud, "x=0,y=0,max=12"));
  EXPECT_EQ(ud.font, big);
  EXPECT_EQ(ud.height, vqfont_height(big) + 8);
  vqcontrol_setdefaultfont(-1);
}

TEST_F(UpDownValue, NeedsAContainer) {
  vqcontainer_remove(&panel);
  vqcontainer_remove(&host);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqupdown_create(&ud, "x=0,y=0"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "vqupdown_create: no container to place the control in\n");
  EXPECT_FALSE(ud.created);
}

}  // namespace
