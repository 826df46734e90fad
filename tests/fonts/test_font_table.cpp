// The font table: keys parse once, freed slots are reused, handles of every
// kind resolve, and the default fonts come back on demand.
#include "font_test_util.h"
#include "fontdata.h"

#include <cstring>

namespace {

class FontTable : public ::testing::Test {
 protected:
  void SetUp() override { vqfont_free_all(); }
  void TearDown() override { vqfont_free_all(); }
};

FontText square_font(const std::string& name) {
  return make_font(name, 4, 224, [](int i) { return 1 + i % 3; },
                   [](int i, int r, int c) { return (i + r + c) % 2 == 0; });
}

TEST_F(FontTable, SameKeyTwiceReturnsTheSameIdWithoutParsing) {
  FontText a = square_font("Tiny");
  int id = vqfont_register_text(a.pointers());
  ASSERT_GE(id, 1000000);
  EXPECT_EQ(vqfont_count(), 1);
  // The second text carries the same key but would be refused if parsed:
  // the table answers from the key alone.
  FontText broken;
  broken.lines = {"header:", "name=Tiny", "chars=7"};
  std::string out = printed_by([&] {
    EXPECT_EQ(vqfont_register_text(broken.pointers()), id);
    EXPECT_EQ(vqfont_register(a.pointers(), "name=Tiny"), id);
  });
  EXPECT_EQ(out, "");
  EXPECT_EQ(vqfont_count(), 1);
  // Keys compare case-sensitively: another case is another font.
  int other = vqfont_register(a.pointers(), "name=tiny");
  EXPECT_NE(other, id);
  EXPECT_EQ(vqfont_count(), 2);
}

TEST_F(FontTable, KeysAreExactNamesIgnoreCase) {
  FontText a = square_font("MixedCase");
  vqfont_register(a.pointers(), "key one");
  EXPECT_EQ(vqfont_find_key("key one"), 0);
  EXPECT_EQ(vqfont_find_key("Key one"), -1);
  EXPECT_EQ(vqfont_find_key("key one "), -1);
  EXPECT_EQ(vqfont_find_key(nullptr), -1);
  EXPECT_EQ(vqfont_find_name("mixedcase"), 0);
  EXPECT_EQ(vqfont_find_name("MIXEDCASE"), 0);
  EXPECT_EQ(vqfont_find_name("mixed"), -1);
}

TEST_F(FontTable, FreedSlotIsReusedBeforeTheTableGrows) {
  FontText a = square_font("A"), b = square_font("B"), c = square_font("C");
  int id_a = vqfont_register_text(a.pointers());
  int id_b = vqfont_register_text(b.pointers());
  ASSERT_EQ(vqfont_resolve(id_a), 0);
  ASSERT_EQ(vqfont_resolve(id_b), 1);
  vqfont_free(id_a);
  EXPECT_EQ(vqfont_resolve(id_a), -1);   // the old id names nothing now
  EXPECT_EQ(vqfont_resolve(0), -1);      // nor does the free slot's index
  EXPECT_EQ(vqfont_height(id_a), 0);
  EXPECT_EQ(vqfont_find_name("A"), -1);
  int id_c = vqfont_register_text(c.pointers());
  EXPECT_EQ(vqfont_resolve(id_c), 0);
  EXPECT_EQ(vqfont_count(), 2);
  EXPECT_NE(id_c, id_a);
  // A freed font can be registered again under its key.
  int again = vqfont_register_text(a.pointers());
  EXPECT_EQ(vqfont_resolve(again), 2);
  EXPECT_EQ(vqfont_count(), 3);
}

TEST_F(FontTable, HandlesOfEveryKind) {
  vqfont_register_builtins();
  ASSERT_EQ(vqfont_count(), 11);
  int id = vqfont_id_at(2);
  vqfont_info by_id{}, by_index{};
  ASSERT_TRUE(vqfont_describe(id, &by_id));
  ASSERT_TRUE(vqfont_describe(2, &by_index));
  EXPECT_STREQ(by_id.key, "builtin 12x24");
  EXPECT_STREQ(by_index.key, "builtin 12x24");
  EXPECT_EQ(vqfont_resolve(id), 2);
  // Values that are neither ids of registered fonts nor indexes in use.
  for (int bad : {-4, -100, 11, 12, 999999, id + 100000, 2000000000}) {
    EXPECT_EQ(vqfont_resolve(bad), -1) << bad;
    EXPECT_EQ(vqfont_height(bad), 0) << bad;
    EXPECT_EQ(vqfont_textwidth(bad, "abc"), 0) << bad;
    EXPECT_EQ(vqfont_charwidth(bad, 'a'), 0) << bad;
    EXPECT_FALSE(vqfont_glyph(bad, 'a', nullptr, nullptr, nullptr)) << bad;
  }
}

TEST_F(FontTable, DefaultFontsResolveAndRegisterOnDemand) {
  ASSERT_EQ(vqfont_count(), 0);
  vqfont_info info{};
  for (int handle : {-1, -3}) {
    int index = vqfont_resolve(handle);
    ASSERT_GE(index, 0);
    ASSERT_TRUE(vqfont_describe(handle, &info));
    EXPECT_STREQ(info.key, "builtin 6x13");
    EXPECT_EQ(vqfont_height(handle), 13);
  }
  EXPECT_EQ(vqfont_count(), 1);   // -3 found what -1 registered
  ASSERT_TRUE(vqfont_describe(-2, &info));
  EXPECT_STREQ(info.key, "builtin variable 13");
  EXPECT_STREQ(info.name, "var13");
  EXPECT_EQ(vqfont_count(), 2);
  // Freed, the default comes back as a new record.
  int old = info.id;
  vqfont_free(-2);
  ASSERT_TRUE(vqfont_describe(-2, &info));
  EXPECT_NE(info.id, old);
  EXPECT_STREQ(info.key, "builtin variable 13");
}

TEST_F(FontTable, TwoHundredTwentyThreeGlyphs) {
  vqfont_register_builtins();
  int handle = vqfont_id_at(vqfont_find_key("builtin 12x24"));
  vqfont_info info{};
  ASSERT_TRUE(vqfont_describe(handle, &info));
  EXPECT_EQ(info.chars, 224);              // whatever the text said
  EXPECT_EQ(info.widths[223], 0);
  EXPECT_EQ(info.offsets[223], 0);
  const uint8_t *space = nullptr, *last = nullptr;
  int w = 0, h = 0;
  ASSERT_TRUE(vqfont_glyph(handle, 32, &space, &w, &h));
  ASSERT_TRUE(vqfont_glyph(handle, 254, &last, &w, &h));
  EXPECT_EQ(last - space, info.offsets[222] - info.offsets[0]);
  EXPECT_EQ(w, info.widths[222]);
  EXPECT_EQ(w, 12);
  EXPECT_EQ(h, 24);
  EXPECT_FALSE(vqfont_glyph(handle, 255, &last, &w, &h));
  EXPECT_FALSE(vqfont_glyph(handle, 31, &last, &w, &h));
  EXPECT_FALSE(vqfont_glyph(handle, -1, &last, &w, &h));
  // Code 255 is measured with entry 223, which is empty here.
  EXPECT_EQ(vqfont_charwidth(handle, 255), 0);
  EXPECT_EQ(vqfont_textwidth(handle, "a\xff" "b"), 24);
  // Control characters count nothing.
  EXPECT_EQ(vqfont_textwidth(handle, "a\n\x01" "b"), 24);
  EXPECT_EQ(vqfont_textwidth(handle, nullptr), 0);
}

TEST_F(FontTable, GlyphsOfAFontOfTwoHundredTwentyFourLeaveTheLastCodeDrawable) {
  vqfont_register_builtins();
  int handle = vqfont_id_at(vqfont_find_key("builtin 6x13"));
  int w = 0;
  EXPECT_FALSE(vqfont_glyph(handle, 255, nullptr, &w, nullptr));
  EXPECT_EQ(vqfont_charwidth(handle, 255), 6);   // entry 223 exists here
  EXPECT_EQ(vqfont_charwidth(handle, 256), 0);
}

TEST_F(FontTable, MarkupFontsAreFoundByNameNotRasterized) {
  vqfont_register_builtins();
  vqfont_register_markup_fonts();
  int count = vqfont_count();
  ASSERT_EQ(count, 19);
  int id = vqfont_get("Arial%d", 16);
  vqfont_info info{};
  ASSERT_TRUE(vqfont_describe(id, &info));
  EXPECT_STREQ(info.key, "name=Arial16");
  EXPECT_STREQ(info.name, "Arial16");
  EXPECT_EQ(info.xsize, 17);
  EXPECT_EQ(vqfont_get("arial16B"), vqfont_id_at(vqfont_find_key("name=Arial16b")));
  EXPECT_EQ(vqfont_count(), count);
  // Registering the markup fonts again adds nothing.
  vqfont_register_markup_fonts();
  EXPECT_EQ(vqfont_count(), count);
}

TEST_F(FontTable, EmbeddedFontsByName) {
  EXPECT_EQ(vqfont_register_embedded("NoSuchFont"), 0);
  EXPECT_EQ(vqfont_register_embedded(nullptr), 0);
  int id = vqfont_register_embedded("crnew12b");
  ASSERT_NE(id, 0);
  EXPECT_EQ(vqfont_register_embedded("CRNEW12B"), id);
  EXPECT_EQ(vqfont_count(), 1);
  vqfont_register_embedded_all();
  EXPECT_EQ(vqfont_count(), 26);
}

TEST_F(FontTable, FreeAllEmptiesTheTable) {
  vqfont_register_builtins();
  int id = vqfont_id_at(0);
  vqfont_free_all();
  EXPECT_EQ(vqfont_count(), 0);
  EXPECT_EQ(vqfont_resolve(id), -1);
  EXPECT_EQ(vqfont_find_key("builtin 6x13"), -1);
  vqfont_free_all();   // twice is harmless
  EXPECT_EQ(vqfont_count(), 0);
}

}  // namespace
