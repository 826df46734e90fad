// The font text parser on texts that are right, and on texts that lie.
#include "font_test_util.h"

#include <cstring>

namespace {

class FontParse : public ::testing::Test {
 protected:
  void SetUp() override { vqfont_free_all(); }
  void TearDown() override { vqfont_free_all(); }

  // The text is refused with one diagnostic line and leaves no trace.
  void expect_refused(FontText& text, const char* why) {
    int before = vqfont_count();
    int id = -1;
    std::string out = printed_by([&] { id = vqfont_register(text.pointers(), "hostile"); });
    EXPECT_EQ(id, 0) << why;
    EXPECT_EQ(vqfont_count(), before) << why;
    EXPECT_EQ(vqfont_find_key("hostile"), -1) << why;
    EXPECT_EQ(count_lines(out), 1) << why << ": " << out;
    EXPECT_EQ(out.rfind("vqfont_register: ", 0), 0u) << why << ": " << out;
  }
};

int width_of(int i) { return i % 4; }   // glyphs of width 0 to 3
bool diagonal(int i, int r, int c) { return (i + r) % 4 == c; }

TEST_F(FontParse, GlyphBitsWidthsAndOffsets) {
  FontText f = make_font("Diag", 5, 224, width_of, diagonal);
  int id = vqfont_register_text(f.pointers());
  vqfont_info info{};
  ASSERT_TRUE(vqfont_describe(id, &info));
  EXPECT_STREQ(info.key, "name=Diag");
  EXPECT_STREQ(info.name, "Diag");
  EXPECT_EQ(info.spacing, 2);
  EXPECT_EQ(info.xsize, 8);
  EXPECT_EQ(info.ysize, 5);
  EXPECT_EQ(info.ascent, 3);
  EXPECT_EQ(info.descent, 2);
  EXPECT_EQ(info.weight, 0);
  for (int i = 0; i < 224; ++i) {
    ASSERT_EQ(info.widths[i], width_of(i));
    const uint8_t* bits = nullptr;
    int w = 0, h = 0;
    if (i == 223) break;   // code 255 has no glyph
    ASSERT_TRUE(vqfont_glyph(id, 32 + i, &bits, &w, &h));
    ASSERT_EQ(w, width_of(i));
    ASSERT_EQ(h, 5);
    for (int r = 0; r < h; ++r)
      for (int c = 0; c < w; ++c) ASSERT_EQ(bits[r * w + c], diagonal(i, r, c) ? 1 : 0) << i;
  }
  EXPECT_EQ(vqfont_textwidth(id, "!\"#$"), 1 + 2 + 3 + 0);
}

TEST_F(FontParse, HeaderItems) {
  FontText f = make_font("Items", 3, 224, [](int) { return 2; }, diagonal);
  f.replace("proportional", "monospace");
  f.replace("xsize=", "xsize=abc");      // no digits: 0
  f.lines.insert(f.lines.begin() + 3, "weight=2");
  f.lines.insert(f.lines.begin() + 3, "slant=1");
  f.lines.insert(f.lines.begin() + 3, "width=7x");
  f.lines.insert(f.lines.begin() + 3, "pts=12");
  f.lines.insert(f.lines.begin() + 3, "foundry=nobody");
  f.lines.insert(f.lines.begin() + 3, "Weight=9");   // case matters: ignored
  f.lines.insert(f.lines.begin() + 3, "desiredxs=99");
  int id = vqfont_register_text(f.pointers());
  vqfont_info info{};
  ASSERT_TRUE(vqfont_describe(id, &info));
  EXPECT_EQ(info.spacing, 1);
  EXPECT_EQ(info.xsize, 0);
  EXPECT_EQ(info.weight, 2);
  EXPECT_EQ(info.slant, 1);
  EXPECT_EQ(info.width, 7);
  EXPECT_EQ(info.pts, 12);
}

TEST_F(FontParse, ShortRowsArePaddedAndLongRowsCut) {
  FontText f = make_font("Rows", 2, 224, [](int) { return 3; }, [](int, int, int) { return false; });
  int data = f.find("data:");
  f.lines[static_cast<size_t>(data + 1)] = "*";         // glyph 0 row 0: one ink pixel
  f.lines[static_cast<size_t>(data + 2)] = "x*.**";     // row 1: 'x' is background, tail ignored
  f.lines[static_cast<size_t>(data + 3)] = "";          // glyph 1 row 0: empty
  int id = vqfont_register_text(f.pointers());
  const uint8_t* bits = nullptr;
  int w = 0, h = 0;
  ASSERT_TRUE(vqfont_glyph(id, ' ', &bits, &w, &h));
  const uint8_t expect[6] = {1, 0, 0, 0, 1, 0};
  EXPECT_EQ(memcmp(bits, expect, 6), 0);
  ASSERT_TRUE(vqfont_glyph(id, '!', &bits, &w, &h));
  EXPECT_EQ(bits[0] | bits[1] | bits[2], 0);
}

TEST_F(FontParse, LaterCharsOf223EmptiesTheLastEntry) {
  FontText f = make_font("Late", 3, 224, [](int) { return 2; }, diagonal);
  f.lines.insert(f.lines.begin() + f.find("data:"), "chars=223");
  f.lines.resize(f.lines.size() - 3);   // the rows of glyph 223 are not needed now
  int id = vqfont_register_text(f.pointers());
  vqfont_info info{};
  ASSERT_TRUE(vqfont_describe(id, &info));
  EXPECT_EQ(info.widths[223], 0);
  EXPECT_EQ(info.offsets[223], 0);
  EXPECT_EQ(info.widths[222], 2);
}

TEST_F(FontParse, CharsOfTwoHundredTwentyThree) {
  FontText f = make_font("Short", 3, 223, [](int) { return 2; }, diagonal);
  int id = vqfont_register_text(f.pointers());
  vqfont_info info{};
  ASSERT_TRUE(vqfont_describe(id, &info));
  EXPECT_EQ(info.chars, 224);
  EXPECT_EQ(info.widths[222], 2);
  EXPECT_EQ(info.widths[223], 0);
  EXPECT_EQ(info.offsets[223], 0);
}

TEST_F(FontParse, FromOneBufferWithEitherLineEnd) {
  FontText f = make_font("Buf", 3, 224, width_of, diagonal);
  std::string unix_text = f.text();
  std::string dos_text;
  for (char c : unix_text) dos_text += c == '\n' ? std::string("\r\n") : std::string(1, c);
  int id = vqfont_register_buffer(unix_text.data(), unix_text.size());
  ASSERT_NE(id, 0);
  vqfont_free(id);
  int again = vqfont_register_buffer(dos_text.data(), dos_text.size());
  ASSERT_NE(again, 0);
  const uint8_t* bits = nullptr;
  int w = 0, h = 0;
  ASSERT_TRUE(vqfont_glyph(again, 35, &bits, &w, &h));
  EXPECT_EQ(w, 3);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(bits[r * 3 + c], diagonal(3, r, c) ? 1 : 0);
  // The buffer need not end in a zero byte.
  std::string cut = unix_text.substr(0, unix_text.size() - 1);
  vqfont_free(again);
  EXPECT_NE(vqfont_register_buffer(cut.data(), cut.size()), 0);
  EXPECT_EQ(printed_by([] { EXPECT_EQ(vqfont_register_buffer(nullptr, 5), 0); }),
            "vqfont_register_buffer: no font text\n");
}

TEST_F(FontParse, HostileTextsAreRefused) {
  auto base = [] { return make_font("H", 4, 224, [](int) { return 2; }, diagonal); };
  {
    FontText f = base();
    std::string xs = f.lines[static_cast<size_t>(f.find("propxs="))];
    f.replace("propxs=", xs.substr(0, 40));
    expect_refused(f, "short width list");
  }
  {
    FontText f = base();
    f.replace("propdataoffset=", "propdataoffset=0 8 16");
    expect_refused(f, "short offset list");
  }
  {
    FontText f = base();
    std::string offs = f.lines[static_cast<size_t>(f.find("propdataoffset="))];
    f.replace("propdataoffset=", offs.substr(0, offs.rfind(' ')) + " 1785");
    expect_refused(f, "last offset one past the data");
  }
  {
    FontText f = base();
    std::string offs = "propdataoffset=4294967296";
    for (int i = 1; i < 224; ++i) offs += " 0";
    f.replace("propdataoffset=", offs);
    expect_refused(f, "offset beyond 32 bits");
  }
  {
    FontText f = base();
    f.lines.pop_back();
    expect_refused(f, "last glyph row missing");
  }
  {
    FontText f = base();
    f.lines.resize(static_cast<size_t>(f.find("data:")));
    expect_refused(f, "no data line");
  }
  {
    FontText f = base();
    f.replace("ysize=", "ysize=0");
    expect_refused(f, "ysize 0");
  }
  {
    FontText f = base();
    f.replace("ysize=", "ysize=99999999999999999999");
    expect_refused(f, "ysize that overflows");
  }
  {
    FontText f = base();
    f.replace("chars=", "chars=225");
    expect_refused(f, "chars 225");
  }
  {
    FontText f = base();
    f.replace("chars=", "chars=0");
    expect_refused(f, "chars 0");
  }
  {
    // The lists come before the glyph count they need.
    FontText f = base();
    std::string chars = f.lines[static_cast<size_t>(f.find("chars="))];
    f.lines.erase(f.lines.begin() + f.find("chars="));
    f.lines.insert(f.lines.begin() + f.find("data:"), chars);
    expect_refused(f, "chars after the lists");
  }
  {
    FontText f = base();
    f.lines.erase(f.lines.begin() + f.find("propdataoffset="));
    expect_refused(f, "no offset list");
  }
  {
    // A glyph count changed after the lists were read would leave widths
    // and offsets unchecked against the (smaller) glyph data.
    FontText f = base();
    f.lines.insert(f.lines.begin() + f.find("data:"), "chars=2");
    expect_refused(f, "chars after the lists");
  }
  {
    FontText f = make_font("Z", 4, 224, [](int) { return 0; }, diagonal);
    expect_refused(f, "no glyph has a width");
  }
  {
    // 224 glyphs of 1000 x 1000 would be 224 MB of glyph data.
    FontText f;
    f.lines = {"header:", "name=Big", "ysize=1000", "chars=224"};
    std::string xs = "propxs=", offs = "propdataoffset=";
    for (int i = 0; i < 224; ++i) {
      if (i) {
        xs += ' ';
        offs += ' ';
      }
      xs += "1000";
      offs += std::to_string(i * 1000000);
    }
    f.lines.push_back(xs);
    f.lines.push_back(offs);
    f.lines.push_back("data:");
    expect_refused(f, "glyph data far too large");
  }
}

TEST_F(FontParse, GlyphsUpToTenThousandPixelsAreDrawnLargerOnesMissing) {
  const struct {
    int ysize;
    int width_of_bang;  // glyph 1, '!'; glyph 2 is 1 pixel wide
    bool drawn;
    int measured;
  } cases[] = {{1001, 3, true, 3}, {10000, 1, true, 1}, {10001, 1, false, 1},
               {2, 5000, true, 5000}, {1, 10000, true, 10000}, {1, 10001, false, 0}};
  for (const auto& c : cases) {
    FontText f = make_font("Big", c.ysize, 223,
                           [&](int i) { return i == 1 ? c.width_of_bang : i == 2 ? 1 : 0; },
                           diagonal);
    const int id = vqfont_register_text(f.pointers());
    ASSERT_NE(id, 0) << c.ysize << "x" << c.width_of_bang;
    const uint8_t* bits = nullptr;
    int w = 0, h = 0;
    const bool drawn = vqfont_glyph(id, '!', &bits, &w, &h) && w > 0;
    EXPECT_EQ(drawn, c.drawn) << c.ysize << "x" << c.width_of_bang;
    if (drawn) {
      EXPECT_EQ(bits[(h - 1) * w + w - 1], diagonal(1, h - 1, w - 1) ? 1 : 0);
    }
    EXPECT_EQ(vqfont_textwidth(id, "!\""), c.measured + 1) << c.ysize << "x" << c.width_of_bang;
    EXPECT_EQ(vqfont_height(id), c.ysize);
    vqfont_free(id);
  }
}

TEST_F(FontParse, ARefusedTextLeavesTheKeyFree) {
  FontText bad = make_font("Later", 4, 224, [](int) { return 2; }, diagonal);
  bad.lines.pop_back();
  EXPECT_EQ(printed_by([&] { EXPECT_EQ(vqfont_register_text(bad.pointers()), 0); }).empty(), false);
  FontText good = make_font("Later", 4, 224, [](int) { return 2; }, diagonal);
  EXPECT_NE(vqfont_register_text(good.pointers()), 0);
  EXPECT_EQ(vqfont_count(), 1);
}

TEST_F(FontParse, TextsWithoutLines) {
  EXPECT_EQ(printed_by([] { EXPECT_EQ(vqfont_register(nullptr, "k"), 0); }),
            "vqfont_register: no font text\n");
  const char* only_header[] = {"header:", nullptr};
  EXPECT_EQ(printed_by([&] { EXPECT_EQ(vqfont_register_text(only_header), 0); }),
            "vqfont_register_text: font text without a name line\n");
  EXPECT_EQ(vqfont_count(), 0);
}

}  // namespace
