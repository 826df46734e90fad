// The up-down control's value: the text it is stored as, the number read
// back from it, the step grid, the clamping, and the preferred size.
#include "controls_test_util.h"

#include <climits>

namespace {

TEST(UpDownFormat, DigitsAndDecimalPoint) {
  const struct { int value, digits, decimal; const char* text; } cases[] = {
      {7, 3, 0, "007"},      {42, 1, 0, "42"},        {7, 10, 0, "0000000007"}, {7, 11, 0, "7"},
      {150, 3, 2, "1.50"},   {1234, 0, 2, "12.34"},   {5, 1, 2, "0.05"},        {-5, 3, 2, "-0.05"},
      {-7, 3, 0, "-07"},     {INT_MIN, 0, 0, "-2147483648"},
  };
  for (const auto& c : cases) {
    char out[64];
    vqupdown_format(c.value, c.digits, c.decimal, out, sizeof out);
    EXPECT_STREQ(out, c.text) << c.value << " digits " << c.digits << " decimal " << c.decimal;
  }
}

TEST(UpDownParse, ScaledByTheDecimalPlaces) {
  const struct { const char* text; int decimal, value; } cases[] = {
      {"12abc", 0, 12}, {"", 0, 0},       {"-3", 0, -3},     {"1.9", 0, 1},    {"1.5", 2, 150},
      {"1,5", 2, 150},  {"2", 2, 200},    {"-0.05", 2, -5},  {".5", 2, 50},    {"1.", 2, 100},
      {"1.505", 2, 150},   // places beyond the control's are cut off, not taken as 1505
      {"99999999999", 0, INT_MAX}, {"-99999999999", 0, INT_MIN}, {"9999999999.99", 2, INT_MAX},
  };
  for (const auto& c : cases)
    EXPECT_EQ(vqupdown_parse(c.text, c.decimal), c.value) << '"' << c.text << "\" decimal " << c.decimal;
}

using UpDownValue = ControlsTest;

// kShown: the text right after creation (the start value), no setvalue.
constexpr int kShown = INT_MAX;

TEST_F(UpDownValue, StoredOntoTheGridThenClampedToMaxThenMin) {
  const struct { const char* options; int value; const char* text; } cases[] = {
      {"", kShown, "0"},                {"start=12", kShown, "12"},      {"def=7", kShown, "7"},
      {"default=3", kShown, "3"},       {"min=1,max= 24,start=30", kShown, "24"},
      {"decimal=2", kShown, "0.00"},    {"step=5", 12, "10"},            {"step=5", -12, "-10"},
      {"step=5,max=12", 14, "10"},      {"step=5,max=12", 100, "12"},    {"min=1,max=12", 0, "1"},
      {"min=10,max=5", 7, "10"},        {"", 200000, "100000"},          {"", -200000, "-100000"},
      {"digits=3", 7, "007"},           {"decimal=2", 150, "1.50"},      {"step=-5", 12, "10"},
      {"step=0", 7, "7"},               // no division by zero
      {"min=-2147483648,step=-1", INT_MIN, "-2147483648"},
  };
  for (const auto& c : cases) {
    vqUpDownControl ud;
    ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,%s", c.options));
    if (c.value != kShown) vqupdown_setvalue(&ud, c.value);
    EXPECT_STREQ(ud.text, c.text) << c.options << " value " << c.value;
  }
  vqUpDownControl ud;
  ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,decimal=2,start=199"));
  EXPECT_EQ(vqupdown_getvalue(&ud), 199);
  EXPECT_EQ(vqupdown_intvalue(&ud), 1);   // what a markup view reads: "1.99" truncated
}

TEST_F(UpDownValue, PreferredSizeFromTheWidestValueAndTheFont) {
  const struct { const char* options; int width, height; } cases[] = {
      {"", 36 + 13 + 8, 13 + 8},      // 6x13: "100000" is 36 wide
      {"max=12", 12 + 21, 21},
      {"max=12,decimal=2", 24 + 21, 21},   // "0.12"
      {"max=12,xs=35", 35, 21},
      {"max=12,ys=30", 33, 30},
      {"max=12,font=12x24", 24 + 24 + 8, 32},
  };
  for (const auto& c : cases) {
    vqUpDownControl ud;
    ASSERT_TRUE(vqupdown_create(&ud, "x=5,y=7,%s", c.options));
    EXPECT_EQ(vqupdown_right(&ud), 5 + c.width) << c.options;
    EXPECT_EQ(vqupdown_bottom(&ud), 7 + c.height) << c.options;
  }
  // A markup view hands its current font to the controls it creates.
  vqcontrol_setdefaultfont(vqfont_get("12x24"));
  vqUpDownControl ud;
  ASSERT_TRUE(vqupdown_create(&ud, "x=0,y=0,max=12"));
  EXPECT_EQ(vqupdown_bottom(&ud), 32);
  vqcontrol_setdefaultfont(-1);
}

}  // namespace
