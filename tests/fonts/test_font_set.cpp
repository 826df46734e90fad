// Every compiled-in font against its table entry, and a look at its glyphs:
// widths, running offsets, ink where a character has ink, and the baseline.
#include "font_test_util.h"
#include "fontdata.h"

#include <cstring>
#include <string>

namespace {

struct Expected {
  const char* key;
  const char* name;
  int spacing;      // 1 monospace, 2 proportional
  int xsize, ysize, chars, ascent, descent, weight;
  int mono_width;   // every glyph's width; 0 for proportional fonts
  const char* const* text;
};

const Expected kFonts[] = {
    {"builtin 6x13", "6x13", 1, 6, 13, 224, 11, 2, 0, 6, vqfontdata_6x13},
    {"builtin 6x13 bold", "6x13b", 1, 6, 13, 224, 11, 2, 2, 6, vqfontdata_6x13b},
    {"builtin 12x24", "12x24", 1, 12, 24, 223, 22, 2, 0, 12, vqfontdata_12x24},
    {"builtin 5x7", "5x7", 1, 5, 7, 224, 6, 1, 0, 5, vqfontdata_5x7},
    {"builtin 8x8", "8x8", 1, 8, 8, 224, 7, 1, 0, 8, vqfontdata_8x8},
    {"builtin 6x8", "6x8", 1, 6, 8, 224, 7, 1, 0, 6, vqfontdata_6x8},
    {"builtin 8x16", "8x16", 1, 8, 16, 223, 14, 2, 0, 8, vqfontdata_8x16},
    {"builtin 8x16 bold", "8x16b", 1, 8, 16, 223, 14, 2, 2, 8, vqfontdata_8x16b},
    {"builtin 9x15", "9x15", 1, 9, 15, 224, 12, 3, 0, 9, vqfontdata_9x15},
    {"builtin 9x15 bold", "9x15b", 1, 9, 15, 224, 12, 3, 2, 9, vqfontdata_9x15b},
    {"builtin variable 13", "var13", 2, 11, 13, 223, 11, 2, 0, 0, vqfontdata_var13},
    {"name=Arial10", "Arial10", 2, 10, 10, 224, 8, 2, 0, 0, vqfontdata_Arial10},
    {"name=Arial10b", "Arial10b", 2, 10, 10, 224, 8, 2, 2, 0, vqfontdata_Arial10b},
    {"name=Arial12", "Arial12", 2, 12, 12, 224, 9, 3, 0, 0, vqfontdata_Arial12},
    {"name=Arial12b", "Arial12b", 2, 12, 12, 224, 10, 2, 2, 0, vqfontdata_Arial12b},
    {"name=Arial14", "Arial14", 2, 14, 14, 224, 11, 3, 0, 0, vqfontdata_Arial14},
    {"name=Arial14b", "Arial14b", 2, 14, 14, 224, 11, 3, 2, 0, vqfontdata_Arial14b},
    {"name=Arial16", "Arial16", 2, 17, 16, 224, 13, 3, 0, 0, vqfontdata_Arial16},
    {"name=Arial16b", "Arial16b", 2, 16, 16, 224, 13, 3, 2, 0, vqfontdata_Arial16b},
    {"name=Arial18", "Arial18", 2, 21, 18, 224, 15, 3, 0, 0, vqfontdata_Arial18},
    {"name=Arial18b", "Arial18b", 2, 8, 18, 224, 14, 4, 0, 0, vqfontdata_Arial18b},
    {"name=Arial20", "Arial20", 2, 22, 19, 224, 15, 4, 0, 0, vqfontdata_Arial20},
    {"name=Arial20b", "Arial20b", 2, 21, 19, 224, 15, 4, 2, 0, vqfontdata_Arial20b},
    {"name=Arial22", "Arial22", 2, 25, 22, 224, 18, 4, 0, 0, vqfontdata_Arial22},
    {"name=Arial22b", "Arial22b", 2, 24, 22, 224, 18, 4, 2, 0, vqfontdata_Arial22b},
    {"name=Arial24", "Arial24", 2, 27, 24, 224, 19, 5, 0, 0, vqfontdata_Arial24},
    {"name=Arial24b", "Arial24b", 2, 25, 24, 224, 19, 5, 2, 0, vqfontdata_Arial24b},
    {"name=Arial26", "Arial26", 2, 30, 26, 224, 21, 5, 0, 0, vqfontdata_Arial26},
    {"name=Arial26b", "Arial26b", 2, 27, 26, 224, 21, 5, 2, 0, vqfontdata_Arial26b},
    {"name=Arial36", "Arial36", 2, 41, 36, 224, 29, 7, 0, 0, vqfontdata_Arial36},
    {"name=Arial36b", "Arial36b", 2, 39, 36, 224, 29, 7, 2, 0, vqfontdata_Arial36b},
    {"name=crnew10", "crnew10", 1, 5, 8, 224, 6, 2, 0, 5, vqfontdata_crnew10},
    {"name=crnew10b", "crnew10b", 1, 5, 10, 224, 7, 3, 2, 4, vqfontdata_crnew10b},
    {"name=crnew12", "crnew12", 1, 6, 12, 224, 9, 3, 0, 5, vqfontdata_crnew12},
    {"name=crnew12b", "crnew12b", 1, 7, 12, 224, 9, 3, 2, 5, vqfontdata_crnew12b},
    {"name=crnew14", "crnew14", 1, 7, 14, 224, 11, 3, 0, 7, vqfontdata_crnew14},
    {"name=crnew14b", "crnew14b", 1, 8, 14, 224, 11, 3, 2, 7, vqfontdata_crnew14b},
};

void PrintTo(const Expected& e, std::ostream* os) { *os << e.name; }

class FontSet : public ::testing::TestWithParam<Expected> {
 protected:
  void SetUp() override {
    vqfont_free_all();
    vqfont_register_builtins();
    vqfont_register_embedded_all();
  }
  void TearDown() override { vqfont_free_all(); }
};

// The value of a header line of the font text, or -1 when it is missing.
int header_number(const char* const* text, const char* prefix) {
  for (int i = 1; text[i] && strcmp(text[i], "data:") != 0; ++i)
    if (strncmp(text[i], prefix, strlen(prefix)) == 0) return atoi(text[i] + strlen(prefix));
  return -1;
}

struct Ink {
  bool any = false;
  int top = 1 << 30, bottom = -1;   // first and last row with ink
};

Ink ink_of(int handle, int code) {
  Ink ink;
  const uint8_t* bits = nullptr;
  int w = 0, h = 0;
  if (!vqfont_glyph(handle, code, &bits, &w, &h)) return ink;
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c)
      if (bits[r * w + c]) {
        ink.any = true;
        if (r < ink.top) ink.top = r;
        ink.bottom = r;
      }
  return ink;
}

TEST_P(FontSet, MetricsAsTabled) {
  const Expected& e = GetParam();
  int index = vqfont_find_key(e.key);
  ASSERT_GE(index, 0) << e.key;
  vqfont_info f{};
  ASSERT_TRUE(vqfont_describe(index, &f));
  EXPECT_STREQ(f.name, e.name);
  EXPECT_EQ(vqfont_find_name(e.name), index);
  EXPECT_EQ(f.spacing, e.spacing);
  EXPECT_EQ(f.xsize, e.xsize);
  EXPECT_EQ(f.ysize, e.ysize);
  EXPECT_EQ(f.ascent, e.ascent);
  EXPECT_EQ(f.descent, e.descent);
  EXPECT_EQ(f.ascent + f.descent, f.ysize);
  EXPECT_EQ(f.weight, e.weight);
  EXPECT_EQ(f.chars, 224);
  EXPECT_EQ(header_number(e.text, "chars="), e.chars);
  // The weight line is there exactly in the bold fonts.
  EXPECT_EQ(header_number(e.text, "weight=") == 2, e.weight == 2);
}

TEST_P(FontSet, WidthsAndRunningOffsets) {
  const Expected& e = GetParam();
  vqfont_info f{};
  ASSERT_TRUE(vqfont_describe(vqfont_find_key(e.key), &f));
  int offset = 0;
  for (int i = 0; i < e.chars; ++i) {
    ASSERT_EQ(f.offsets[i], offset) << e.name << " glyph " << i;
    offset += f.widths[i] * f.ysize;
    if (e.mono_width) {
      ASSERT_EQ(f.widths[i], e.mono_width) << e.name << " glyph " << i;
    } else {
      ASSERT_GT(f.widths[i], 0) << e.name << " glyph " << i;
      ASSERT_LT(f.widths[i], 3 * f.ysize) << e.name << " glyph " << i;
    }
  }
  if (e.chars == 223) {
    EXPECT_EQ(f.widths[223], 0);
    EXPECT_EQ(f.offsets[223], 0);
  }
  if (!e.mono_width) {
    EXPECT_LT(f.widths['i' - 32], f.widths['W' - 32]) << e.name;
    EXPECT_LT(f.widths['.' - 32], f.widths['M' - 32]) << e.name;
  }
}

TEST_P(FontSet, PrintableCharactersHaveInkAndTheBlankHasNone) {
  const Expected& e = GetParam();
  int handle = vqfont_id_at(vqfont_find_key(e.key));
  EXPECT_FALSE(ink_of(handle, ' ').any) << e.name;
  EXPECT_FALSE(ink_of(handle, 0xA0).any) << e.name;   // no-break space
  for (int code = 33; code <= 126; ++code) EXPECT_TRUE(ink_of(handle, code).any) << e.name << " " << code;
  // Latin-1 signs and letters, the German ones among them.
  for (int code = 0xA1; code <= 0xFE; ++code) {
    if (code == 0xAD) continue;   // soft hyphen: some fonts leave it blank
    EXPECT_TRUE(ink_of(handle, code).any) << e.name << " " << code;
  }
}

TEST_P(FontSet, LettersSitOnTheBaseline) {
  const Expected& e = GetParam();
  int handle = vqfont_id_at(vqfont_find_key(e.key));
  // A bitmap source of the exact cell keeps its own baseline, which may sit
  // one row above the stated ascent; rendered fonts sit exactly on it.
  int baseline = ink_of(handle, 'H').bottom;
  EXPECT_GE(baseline, e.ascent - 2) << e.name;
  EXPECT_LE(baseline, e.ascent - 1) << e.name;
  for (int code : {int('A'), int('E'), int('x'), int('z'), 0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC})
    EXPECT_EQ(ink_of(handle, code).bottom, baseline) << e.name << " " << code;
  for (int code : {'g', 'p', 'y'}) EXPECT_GT(ink_of(handle, code).bottom, baseline) << e.name << " " << code;
  // Umlauts and accents reach above the plain letter (capitals may share
  // the top row in the smallest cells).
  struct Pair {
    int plain, marked;
    bool capital;
  };
  for (Pair p : {Pair{'A', 0xC4, true}, Pair{'O', 0xD6, true}, Pair{'a', 0xE4, false},
                 Pair{'u', 0xFC, false}, Pair{'e', 0xE9, false}}) {
    int plain = ink_of(handle, p.plain).top, marked = ink_of(handle, p.marked).top;
    if (p.capital) {
      EXPECT_LE(marked, plain) << e.name << " " << p.marked;
    } else {
      EXPECT_LT(marked, plain) << e.name << " " << p.marked;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllCompiledIn, FontSet, ::testing::ValuesIn(kFonts),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                           std::string name = info.param.name;
                           return name;
                         });

TEST(FontSetOrder, BuiltinsInTheirOrder) {
  vqfont_free_all();
  vqfont_register_builtins();
  ASSERT_EQ(vqfont_count(), 11);
  for (int i = 0; i < 11; ++i) {
    vqfont_info f{};
    ASSERT_TRUE(vqfont_describe(i, &f));
    EXPECT_STREQ(f.key, kFonts[i].key);
  }
  vqfont_free_all();
}

}  // namespace
