// Word-wrapped text boxes with the 6 x 13 default font (every glyph 6 wide).
#include "font_test_util.h"
#include "setpoints_probe.h"
#include "vqpxmap.h"

#include <string>
#include <vector>

namespace {

constexpr int32_t kWhite = 0xFFFFFF, kInk = 0x000080;


struct Placed {
  int code, x, y;
};

class TextBox : public ::testing::Test {
 protected:
  void SetUp() override {
    vqfont_free_all();
    vqfont_register_builtins();
  }
  void TearDown() override { vqfont_free_all(); }

  // Draws the text in a box at (bx, by) and the expected characters one by
  // one on a second surface; both must agree pixel for pixel.
  void expect_layout(const char* text, int bx, int by, int bw, int bh, const std::vector<Placed>& want,
                     int want_height) {
    Surface got(200, 120), ref(200, 120);
    int h = vqfont_drawtextbox(&got.pm, -1, bx, by, bw, bh, kInk, text, false);
    for (const Placed& p : want) vqfont_drawchar(&ref.pm, -1, p.x, p.y, kInk, false, false, -1, p.code, -1, -1);
    EXPECT_TRUE(got.same(ref)) << text;
    EXPECT_EQ(h, want_height) << text;
    // Measuring gives the same height and draws nothing.
    Surface measured(200, 120);
    EXPECT_EQ(vqfont_drawtextbox(&measured.pm, -1, bx, by, bw, bh, kInk, text, true), want_height);
    EXPECT_TRUE(measured.blank());
    if (bx == 0 && by == 0 && bh >= 10000) {
      EXPECT_EQ(vqfont_textboxheight(bw, text, -1), want_height);
    }
  }
};

TEST_F(TextBox, WordsWrapBeforeTheRightEdge) {
  // Box 40 wide: "ab cd" fits (0..30), "efg" at 30 would reach 48 >= 40.
  expect_layout("ab cd efg", 10, 5, 40, 100,
                {{'a', 10, 5}, {'b', 16, 5}, {'c', 28, 5}, {'d', 34, 5}, {'e', 10, 18}, {'f', 16, 18},
                 {'g', 22, 18}},
                26);
  // A word that ends exactly on the edge wraps too ("reaches or passes").
  expect_layout("abc defg", 0, 0, 48, 10000,
                {{'a', 0, 0}, {'b', 6, 0}, {'c', 12, 0}, {'d', 0, 13}, {'e', 6, 13}, {'f', 12, 13},
                 {'g', 18, 13}},
                26);
}

TEST_F(TextBox, LongWordIsSplitAtTheEdge) {
  // Ten characters (60 pixels) in a box 20 wide: the word wraps first, then
  // four characters fit on a line before x reaches the edge.
  std::vector<Placed> want;
  const char* word = "ABCDEFGHIJ";
  for (int i = 0; i < 10; ++i) want.push_back({word[i], (i % 4) * 6, 13 + (i / 4) * 13});
  expect_layout(word, 0, 0, 20, 10000, want, 52);
}

TEST_F(TextBox, HyphenEndsAWord) {
  // "abc-" (24) fits, "defghij" (42) would reach 66 >= 60 and wraps.
  expect_layout("abc-defghij", 0, 0, 60, 10000,
                {{'a', 0, 0}, {'b', 6, 0}, {'c', 12, 0}, {'-', 18, 0}, {'d', 0, 13}, {'e', 6, 13},
                 {'f', 12, 13}, {'g', 18, 13}, {'h', 24, 13}, {'i', 30, 13}, {'j', 36, 13}},
                26);
  // Without the hyphen the whole word (66) wraps first and is then split.
  Surface a(200, 120);
  EXPECT_EQ(vqfont_drawtextbox(&a.pm, -1, 0, 0, 60, 10000, kInk, "abcxdefghij", false), 39);
}

TEST_F(TextBox, ControlCharactersAreSkipped) {
  Surface plain(200, 120), with(200, 120), leading(200, 120);
  int h1 = vqfont_drawtextbox(&plain.pm, -1, 0, 0, 100, 100, kInk, "abcd ef", false);
  int h2 = vqfont_drawtextbox(&with.pm, -1, 0, 0, 100, 100, kInk, "ab\x01" "cd \x02" "ef\r", false);
  int h3 = vqfont_drawtextbox(&leading.pm, -1, 0, 0, 100, 100, kInk, "\x01\x1f" "abcd ef", false);
  EXPECT_TRUE(plain.same(with));
  EXPECT_TRUE(plain.same(leading));
  EXPECT_EQ(h1, 13);
  EXPECT_EQ(h2, 13);
  EXPECT_EQ(h3, 13);
}

TEST_F(TextBox, TabNewlineAndBlanks) {
  expect_layout("\tX\nY  Z", 2, 3, 150, 100, {{'X', 26, 3}, {'Y', 2, 16}, {'Z', 20, 16}}, 26);
  // Blanks wrap like characters: five of them in a box 30 wide.
  expect_layout("     Q", 0, 0, 30, 10000, {{'Q', 0, 13}}, 26);
}

TEST_F(TextBox, NothingBelowTheBottom) {
  // Box of one line: the second line is measured but not drawn.
  expect_layout("one two", 0, 0, 30, 13, {{'o', 0, 0}, {'n', 6, 0}, {'e', 12, 0}}, 26);
  EXPECT_EQ(vqfont_textboxheight(30, "", -1), 13);
  EXPECT_EQ(vqfont_textboxheight(30, nullptr, -1), 13);
  EXPECT_EQ(vqfont_textboxheight(30, "abc", 424242), 0);   // no font: height 0
}

TEST_F(TextBox, InkReachesTheSurfaceOncePerCharacter) {
  Surface s(200, 120);
  setpoints_calls().clear();
  vqfont_drawtextbox(&s.pm, -1, 0, 0, 200, 100, kInk, "a b", false);
  // 'a', the blank (no ink, no call), 'b'.
  ASSERT_EQ(setpoints_calls().size(), 2u);
  for (const SetpointsCall& c : setpoints_calls()) EXPECT_EQ(c.color, kInk);
}

}  // namespace
