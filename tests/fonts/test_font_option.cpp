// The font= and fontid= keywords of option strings.
#include "font_test_util.h"

#include <string>
#include <vector>

namespace {

class FontOption : public ::testing::Test {
 protected:
  void SetUp() override {
    vqfont_free_all();
    vqfont_register_builtins();
  }
  void TearDown() override { vqfont_free_all(); }

  // Token storage the keyword reader may blank.
  struct Tokens {
    std::vector<std::string> text;
    std::vector<char*> ptrs;
    explicit Tokens(std::vector<std::string> t) : text(std::move(t)) {
      for (std::string& s : text) ptrs.push_back(s.data());
      ptrs.push_back(nullptr);
    }
    const char* at(size_t i) const { return ptrs[i]; }
  };

  int read(Tokens& t, int first = 0, int start = -99) {
    int handle = start;
    vqfont_option(t.ptrs.data(), first, &handle);
    return handle;
  }
};

TEST_F(FontOption, AliasesByKey) {
  struct Case {
    const char* token;
    const char* key;
  };
  for (Case c : {Case{"font=6x13", "builtin 6x13"}, Case{"font=6x13B", "builtin 6x13 bold"},
                 Case{"FONT=6x13bold", "builtin 6x13 bold"}, Case{"font= 9x15 bold", "builtin 9x15 bold"},
                 Case{"font=9x15b", "builtin 9x15 bold"}, Case{"font=8x16", "builtin 8x16"},
                 Case{"font=8x16b", "builtin 8x16 bold"}, Case{"font=8x16bold", "builtin 8x16 bold"},
                 Case{"font=12x24", "builtin 12x24"}, Case{"font=5x7", "builtin 5x7"},
                 Case{"font=8x8", "builtin 8x8"}, Case{"font=var13", "builtin variable 13"},
                 Case{"font=Variable 13", "builtin variable 13"}, Case{"font=13var", "builtin variable 13"},
                 Case{"font=13variable", "builtin variable 13"}, Case{"font=\t9x15", "builtin 9x15"}}) {
    Tokens t({"", c.token});
    EXPECT_EQ(read(t), vqfont_find_key(c.key)) << c.token;
    EXPECT_STREQ(t.at(1), "") << c.token;   // consumed
  }
}

TEST_F(FontOption, NamesOfRegisteredFonts) {
  vqfont_register_markup_fonts();
  Tokens t({"", "font=arial 16b"});
  EXPECT_EQ(read(t), vqfont_find_key("name=Arial16b"));
  // "6x8" has no alias but is the name of a built-in font.
  Tokens u({"", "font=6x8"});
  EXPECT_EQ(read(u), vqfont_find_key("builtin 6x8"));
}

TEST_F(FontOption, UnknownNameLeavesTheHandle) {
  Tokens t({"", "font=No Such Font", "font=6x13"});
  std::string out = printed_by([&] { EXPECT_EQ(read(t, 0, 1234567), 1234567); });
  EXPECT_EQ(out, "font not loaded/found: NoSuchFont\n");
  EXPECT_STREQ(t.at(1), "");
  EXPECT_STREQ(t.at(2), "font=6x13");   // only the first font token is read
}

TEST_F(FontOption, FontIdAndTheFirstTokenWins) {
  Tokens t({"", "x=10", "fontid = 1000123", "font=5x7"});
  int handle = 0;
  EXPECT_TRUE(vqfont_option(t.ptrs.data(), 0, &handle));
  EXPECT_EQ(handle, 1000123);
  EXPECT_STREQ(t.at(1), "x=10");
  EXPECT_STREQ(t.at(2), "");
  EXPECT_STREQ(t.at(3), "font=5x7");
  // Tokens before `first` are not looked at.
  Tokens u({"font=8x8", "font=5x7"});
  EXPECT_EQ(read(u, 1), vqfont_find_key("builtin 5x7"));
  EXPECT_STREQ(u.at(0), "font=8x8");
  Tokens none({"", "x=1", "fonts=3"});
  handle = 7;
  EXPECT_FALSE(vqfont_option(none.ptrs.data(), 0, &handle));
  EXPECT_EQ(handle, 7);
}

TEST_F(FontOption, AliasRegistersItsBuiltinFontOnDemand) {
  vqfont_free_all();
  Tokens t({"", "font=12x24"});
  int index = read(t);
  ASSERT_GE(index, 0);
  EXPECT_EQ(index, vqfont_find_key("builtin 12x24"));
  EXPECT_EQ(vqfont_height(index), 24);
}

}  // namespace
