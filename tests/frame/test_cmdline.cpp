#include "vqframe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const char* text) {
  int argc = -1;
  char** argv = vqcmdline_split(text, &argc);
  std::vector<std::string> out;
  for (int i = 0; i < argc; i++) out.push_back(argv[i]);
  EXPECT_EQ(argv[argc], nullptr) << "the vector must end with a null entry";
  vqcmdline_free(argv);
  return out;
}

using args = std::vector<std::string>;

TEST(CommandLine, EmptyTextGivesOnlyTheEmptyArgumentZero) {
  EXPECT_EQ(split(""), args{""});
  EXPECT_EQ(split("     "), args{""});
  EXPECT_EQ(split(nullptr), args{""});
}

TEST(CommandLine, QuotesGroupBlanksAndAreDropped) {
  EXPECT_EQ(split("one \"a b\" three"), (args{"", "one", "a b", "three"}));
  // letter, quote, letter, blank, letter, quote, letter: one argument of five characters
  EXPECT_EQ(split("a\"b c\"d"), (args{"", "ab cd"}));
}

TEST(CommandLine, TextDirectlyBehindAClosingQuoteIsTheNextArgument) {
  EXPECT_EQ(split("\"ab\"c"), (args{"", "ab", "c"}));
  EXPECT_EQ(split("\"\"x"), (args{"", "", "x"}));
}

TEST(CommandLine, UnclosedQuoteTakesTheRestOfTheText) {
  EXPECT_EQ(split("x \"rest of  it"), (args{"", "x", "rest of  it"}));
  EXPECT_EQ(split("x y\"z w"), (args{"", "x", "yz w"}));
}

TEST(CommandLine, RunsOfBlanksMakeNoEmptyArguments) {
  EXPECT_EQ(split("  a    b   "), (args{"", "a", "b"}));
  // Only the space is a blank: a tab belongs to the argument.
  EXPECT_EQ(split("a\tb c"), (args{"", "a\tb", "c"}));
}

TEST(CommandLine, LimitsCutLongArgumentsAndLongVectors) {
  std::string huge(5000, 'q');
  args got = split((huge + " next").c_str());
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[1].size(), 2047u);
  EXPECT_EQ(got[2], "next");

  std::string many;
  for (int i = 0; i < 1500; i++) many += "w ";
  EXPECT_EQ(split(many.c_str()).size(), 1000u);
}

}  // namespace
