// The markup text before layout: preparation with literal percent signs,
// the cutting into tags and words, and the parts of tags.
#include "vqscript.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using tokens = std::vector<std::pair<char, std::string>>;   // 'T' tag, 'W' word

tokens cut(const char* text) {
  tokens out;
  size_t pos = 0;
  for (;;) {
    vqscript_token t = vqscript_nexttoken(text, &pos);
    if (t.kind == VQSCRIPT_END) break;
    out.push_back({t.kind == VQSCRIPT_TAG ? 'T' : 'W', std::string(t.text, t.length)});
  }
  return out;
}

struct token_case {
  const char* name;
  const char* text;
  tokens expected;
};

class TokenCases : public ::testing::TestWithParam<token_case> {};

TEST_P(TokenCases, CutsTheText) {
  const token_case& c = GetParam();
  EXPECT_EQ(cut(c.text), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Markup, TokenCases,
    ::testing::Values(
        token_case{"words keep their blank", " Level: x", {{'W', " "}, {'W', "Level:"}, {'W', " "}, {'W', "x"}}},
        token_case{"every break character ends a word and stays with it", "a-b.c?d!e,f;g:h\ri\nj",
                   {{'W', "a-"}, {'W', "b."}, {'W', "c?"}, {'W', "d!"}, {'W', "e,"}, {'W', "f;"},
                    {'W', "g:"}, {'W', "h\r"}, {'W', "i\n"}, {'W', "j"}}},
        token_case{"a tag ends a word", "ab<b>cd</b>", {{'W', "ab"}, {'T', "b"}, {'W', "cd"}, {'T', "/b"}}},
        token_case{"a > followed by > belongs to the tag", "<a>>b>c", {{'T', "a>"}, {'W', "b>c"}}},
        token_case{"each > before another > is kept", "<x>>>y", {{'T', "x>>"}, {'W', "y"}}},
        token_case{"line feeds between tags are words", "<save=y1>\n\n <x=10>",
                   {{'T', "save=y1"}, {'W', "\n"}, {'W', "\n"}, {'W', " "}, {'T', "x=10"}}},
        token_case{"an unterminated tag runs to the end", "ab <button=b,OK", {{'W', "ab "}, {'T', "button=b,OK"}}},
        token_case{"a lone < is an empty tag", "<", {{'T', ""}}},
        token_case{"an empty tag", "<>x", {{'T', ""}, {'W', "x"}}},
        token_case{"nothing", "", {}}));

TEST(MarkupTag, NameUpToBlankOrEqualsAndValueAfterTheFirstEquals) {
  struct {
    const char* tag;
    const char* name;
    const char* value;
  } cases[] = {
      {"x=10", "x", "10"},         {"br /", "br", ""},
      {"center", "center", ""},    {"font=Arial 16", "font", "Arial 16"},
      {"a b=c=d", "a", "c=d"},     {"=5", "", "5"},
  };
  for (const auto& c : cases) {
    char name[64];
    std::string value;
    vqscript_splittag(c.tag, strlen(c.tag), name, sizeof name, &value);
    EXPECT_STREQ(name, c.name) << c.tag;
    EXPECT_EQ(value, c.value) << c.tag;
  }
  std::string longname(200, 'n');
  char name[8];
  vqscript_splittag(longname.c_str(), longname.size(), name, sizeof name, nullptr);
  EXPECT_STREQ(name, "nnnnnnn");
}

TEST(MarkupTag, ControlNameUpToCommaOrLineFeedWithDoubledCommas) {
  struct {
    const char* value;
    const char* name;
    const char* options;
  } cases[] = {
      {"udStufe,min=1,max=12", "udStufe", "min=1,max=12"},
      {"a,,b,c", "a,b", "c"},
      {"term\nxs=10", "term", "xs=10"},
      {"alone", "alone", ""},
      {",OK", "", "OK"},
      {"a,,", "a,", ""},
  };
  for (const auto& c : cases) {
    char name[VQSCRIPT_NAMESIZE];
    std::string options;
    vqscript_splitcontrol(c.value, name, sizeof name, &options);
    EXPECT_STREQ(name, c.name) << c.value;
    EXPECT_EQ(options, c.options) << c.value;
  }
  // A name longer than the record's field keeps what fits.
  std::string value = std::string(60, 'k') + ",,x,OK";
  char name[VQSCRIPT_NAMESIZE];
  std::string options;
  vqscript_splitcontrol(value, name, sizeof name, &options);
  EXPECT_EQ(std::string(name), std::string(VQSCRIPT_NAMESIZE - 1, 'k'));
  EXPECT_EQ(options, "OK");
}

std::string prepared(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char* text = vqscript_prepare(format, args);
  va_end(args);
  std::string s = text;
  delete[] text;
  return s;
}

TEST(MarkupPreparation, PercentSignsSurviveAndConversionsAreFormatted) {
  EXPECT_EQ(prepared("<terminal=t,x=50%,xs=%d>", 300), "<terminal=t,x=50%,xs=300>");
  EXPECT_EQ(prepared("<x=50%>"), "<x=50%>");
  EXPECT_EQ(prepared("100% sicher"), "100% sicher");
  EXPECT_EQ(prepared("%d%%", 3), "3%");
  EXPECT_EQ(prepared("%s", "<b>%d</b>"), "<b>%d</b>");
}

TEST(MarkupPreparation, ALongArgumentIsKeptWhole) {
  std::string arg(5000, 'a');
  EXPECT_EQ(prepared("%s", arg.c_str()), arg);
  EXPECT_EQ(prepared("%s%s", "xy", "z"), "xyz");
}

}  // namespace
