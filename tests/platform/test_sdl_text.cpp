// Titles go to the desktop as UTF-8; typed UTF-8 comes back as Latin-1,
// with what Latin-1 cannot hold and broken sequences dropped.
#include "sdl/sdl_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> latin1(const char* text) {
  int out[32];
  size_t count = vqsdl_latin1_of_utf8(text, out, 32);
  return std::vector<int>(out, out + count);
}

TEST(SdlText, Utf8ToLatin1) {
  struct Case {
    const char* name;
    const char* utf8;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"ascii", "a9", {97, 57}},
      {"two-byte Latin-1", "\xC3\xA4\xC3\xBF\xC2\xA0", {228, 255, 160}},
      {"beyond Latin-1 dropped", "a\xE2\x82\xAC" "b\xF0\x9F\x98\x80" "c\xC4\x80", {97, 98, 99}},
      {"overlong ASCII dropped", "\xC1\x81x", {120}},
      {"cut sequence dropped, next kept", "\xC3" "a", {97}},
      {"cut at the end", "x\xE2\x82", {120}},
      {"stray continuation and bad lead bytes", "\x80\xBF\xFFz", {122}},
      {"empty", "", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(latin1(c.utf8), c.expected) << c.name;
}

TEST(SdlText, StopsAtTheRoomGiven) {
  int out[2] = {-1, -1};
  EXPECT_EQ(vqsdl_latin1_of_utf8("\xC3\xA4" "bc", out, 2), 2u);
  EXPECT_EQ(out[0], 228);
  EXPECT_EQ(out[1], 98);
}

TEST(SdlText, EveryLatin1LetterRoundTrips) {
  char text[256];
  for (int i = 1; i < 256; i++) text[i - 1] = static_cast<char>(i);
  text[255] = 0;
  std::string utf8 = vqsdl_utf8_of_latin1(text);
  EXPECT_EQ(utf8.size(), 127u + 2 * 128u);
  int back[300];
  ASSERT_EQ(vqsdl_latin1_of_utf8(utf8.c_str(), back, 300), 255u);
  for (int i = 1; i < 256; i++) EXPECT_EQ(back[i - 1], i);
  EXPECT_EQ(vqsdl_utf8_of_latin1("Gr\xFC\xDF" "e"), "Gr\xC3\xBC\xC3\x9F" "e");
  EXPECT_EQ(vqsdl_utf8_of_latin1(nullptr), "");
}

}  // namespace
