// Laying out words and the tags that are not controls: wrapping, line
// heights, positions and named points, fonts, colors, pictures.
#include "script_test_util.h"
#include "vqimagefile.h"
#include "vqpxmap.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using ScriptLayout = ScriptTest;

constexpr uint32_t kWhite = 0xFFFFFF;

struct Picture {
  vqpxmap pm;
  Picture(int w, int h, uint32_t color) {
    vqpxmap_init(&pm);
    pm.width = w;
    pm.height = h;
    pm.format = VQPX_TRUECOLOR;
    vqpxmap_allocate(&pm);
    vqpxmap_clear(&pm, static_cast<int32_t>(color));
  }
  ~Picture() { vqpxmap_free(&pm); }
};
constexpr int kWrap = 400 - 20;   // the panel's width less the default right border

TEST_F(ScriptLayout, AWordThatDoesNotFitStartsTheNextLine) {
  const int w = width("Arial16", "Hello");
  vqscript_setmarkup(&view, "<x=%d>Hello", kWrap - w);
  EXPECT_EQ(word("Hello").x, kWrap - w);
  EXPECT_EQ(word("Hello").y, 10);
  EXPECT_EQ(view.x, kWrap - 1) << "x reached the wrap edge";

  vqscript_setmarkup(&view, "<x=%d>Hello", kWrap - w + 1);
  EXPECT_EQ(word("Hello").x, 10);
  EXPECT_EQ(word("Hello").y, 26);
}

TEST_F(ScriptLayout, AWordWiderThanTheLineIsDrawnWholeAndXStaysAtTheEdge) {
  vqscript_setmarkup(&view, "<rightborder=300>Donaudampfschifffahrt");
  const vqscript_word w = word("Donaudampfschifffahrt");
  ASSERT_GT(w.width, 90);
  EXPECT_EQ(w.x, 10);
  EXPECT_EQ(view.x, 100 - 1);
  EXPECT_GT(count(100, w.y, w.width, w.height, kWhite), 0);
  EXPECT_LT(count(100, w.y, w.width - 90, w.height, kWhite), (w.width - 90) * w.height) << "ink beyond the edge";
}

TEST_F(ScriptLayout, BlanksAndLineFeedsMoveOnAndCarriageReturnsDoNot) {
  vqscript_setmarkup(&view, " A B\nC\r D<br>E<br />F");
  const int blank = width("Arial16", " ");
  EXPECT_EQ(word("A").x, 10 + blank);
  EXPECT_EQ(word("B").x, 10 + 2 * blank + width("Arial16", "A"));
  EXPECT_EQ(word("C").x, 10);
  EXPECT_EQ(word("C").y, 26);
  EXPECT_EQ(word("D").x, 10 + width("Arial16", "C") + blank);
  EXPECT_EQ(word("E").y, 42);
  EXPECT_EQ(word("F").y, 58);
}

std::vector<uint32_t> area(const vqpxmap* pm, int x, int y, int w, int h) {
  std::vector<uint32_t> pixels;
  for (int j = y; j < y + h; j++)
    for (int i = x; i < x + w; i++) pixels.push_back(static_cast<uint32_t>(vqpxmap_getpixel(pm, i, j)));
  return pixels;
}

TEST_F(ScriptLayout, ATallerFontPushesTheDrawnLineDownToOneBottomEdge) {
  const int w = width("Arial16", "small");
  vqscript_setmarkup(&view, "small <font=Arial20>BIG");
  const int push = vqfont_height(font("Arial20")) - vqfont_height(font("Arial16"));
  ASSERT_EQ(push, 3);
  EXPECT_EQ(word("small").y + 16, word("BIG").y + 19);
  const std::vector<uint32_t> pushed = area(&panel.pixmap, 10, 0, w, 50);
  EXPECT_EQ(count(10, 10, w, push, kWhite), w * push) << "the strip left at the top is background";

  vqpxmap_clear(&panel.pixmap, kWhite);
  vqscript_setmarkup(&view, "<y=13>small");
  EXPECT_EQ(pushed, area(&panel.pixmap, 10, 0, w, 50)) << "the line moved pixel for pixel";
  EXPECT_LT(count(10, 13, w, 16, kWhite), w * 16);
}

TEST_F(ScriptLayout, ASmallerFontIsDrawnLowerOnTheLine) {
  vqscript_setmarkup(&view, "<font=Arial20>BIG <font=Arial16>small <font=Arial14>tiny");
  EXPECT_EQ(word("BIG").y, 10);
  EXPECT_EQ(word("small").y, 13);
  EXPECT_EQ(word("tiny").y + word("tiny").height, 29);
}

TEST_F(ScriptLayout, NamedPointsRestoreUnlessTheySavedZero) {
  vqscript_setmarkup(&view, "<y=0><save=top><y=50><restore=top>A");
  EXPECT_EQ(word("A").y, 50) << "a point saved at 0 leaves y";
  vqscript_setmarkup(&view, "<save=y1><y=80><restore=y1>A<xsave=x1><x=300><xrestore=x1>B");
  EXPECT_EQ(word("A").y, 10);
  EXPECT_EQ(word("B").x, 10 + width("Arial16", "A"));
  vqscript_setmarkup(&view, "<save=p><y=60><save=p><y=100><restore=p>A<restore=unknown>B");
  EXPECT_EQ(word("A").y, 60) << "saving again moves the point";
  EXPECT_EQ(word("B").y, 60);
  EXPECT_EQ(vqscript_value(&view, "p"), 60);
}

TEST_F(ScriptLayout, PositionTagsWithPercentOfTheTarget) {
  vqscript_setmarkup(&view, "<x=50%>A<y=25%>B<xinc=7>C<yinc=4><ydec=1>D<offset=20>E");
  EXPECT_EQ(word("A").x, 200);
  EXPECT_EQ(word("B").y, 50);
  EXPECT_EQ(word("C").x, word("B").x + width("Arial16", "B") + 7);
  EXPECT_EQ(word("D").y, 53);
  EXPECT_EQ(word("E").x, 10);
  EXPECT_EQ(word("E").y, 73);
  vqscript_setmarkup(&view, "<leftborder=25%>A\nB<rightborderpos=150><x=120>Wrapped<setxleftborder>C");
  EXPECT_EQ(word("A").x, 100);
  EXPECT_EQ(word("B").x, 100);
  EXPECT_EQ(word("Wrapped").x, 100) << "the wrap edge is at 150";
}

TEST_F(ScriptLayout, PercentSignsInTextAndTagsSurviveFormatting) {
  vqscript_setmarkup(&view, "<x=50%%>100%% <x=%d%%>sicher %d", 10, 7);
  EXPECT_EQ(word("100%").x, 200);
  EXPECT_EQ(word("sicher").x, 40);
  EXPECT_EQ(word("7").y, 10);
  vqscript_setmarkup(&view, "<x=50%>100% sicher");
  EXPECT_EQ(word("100%").x, 200);
  EXPECT_EQ(all_words(), "100%|sicher");
}

TEST_F(ScriptLayout, CentredTextSitsBetweenTheBorders) {
  const int w = width("Arial16", "Mitte");
  vqscript_setmarkup(&view, "<center>Mitte</center>");
  EXPECT_EQ(word("Mitte").x, 10 + (kWrap - 10 - w) / 2);
  vqscript_setmarkup(&view, "<center>Zwei\n</center>A");
  EXPECT_EQ(word("A").y, 26) << "a line feed in the centred text moves on a line";
  vqscript_setmarkup(&view, "<center>Offen");
  EXPECT_EQ(word("Offen").y, 10) << "an unterminated center still shows its words";
}

TEST_F(ScriptLayout, FontsBoldAndSizeSteps) {
  vqscript_setmarkup(&view, "<b>Wort</b> Wort <big>A<font=Arial26><big>B<font=Arial12><small>C<small>D");
  EXPECT_EQ(view.words[0].width, width("Arial16b", "Wort"));
  EXPECT_EQ(view.words[1].width, width("Arial16", "Wort"));
  EXPECT_EQ(word("A").height, 18);
  EXPECT_EQ(word("B").height, vqfont_height(font("Arial26"))) << "no step beyond the end";
  EXPECT_EQ(word("C").height, 12);
  EXPECT_EQ(word("D").height, 12);
  vqscript_setmarkup(&view, "<font=var13><b>A<pushfont><font=9x15>B<popfont>C");
  EXPECT_EQ(word("A").height, 13) << "var13 is its own bold font";
  EXPECT_EQ(word("B").height, 15);
  EXPECT_EQ(word("C").height, 13);
}

TEST_F(ScriptLayout, DoubleSizeDrawsAtHalfTheSize) {
  vqscript_setmarkup(&view, "<antialias_doublesize>Doppelt Text</antialias_doublesize>Voll");
  EXPECT_EQ(word("Doppelt").width, width("Arial16", "Doppelt") / 2);
  EXPECT_EQ(word("Doppelt").height, 8);
  EXPECT_EQ(word("Text").x, 10 + width("Arial16", "Doppelt") / 2 + width("Arial16", " ") / 2);
  EXPECT_EQ(word("Voll").width, width("Arial16", "Voll"));
}

TEST_F(ScriptLayout, RulesRectanglesAndBackground) {
  vqscript_setmarkup(&view, "<hline><fillrect=20,10,ff0000><y=100><fillrect=0,0,00ff00>");
  EXPECT_EQ(count(10, 15, kWrap - 10, 1, 0xD0D0D0), kWrap - 10);
  EXPECT_EQ(count(10, 16, kWrap - 10, 1, 0xF0F0F0), kWrap - 10);
  EXPECT_EQ(count(10, 22, 20, 10, 0xFF0000), 200) << "the rectangle stands at x, y after the rule";
  EXPECT_EQ(count(10, 100, kWrap - 10, 200 - 10 - 100, 0x00FF00), (kWrap - 10) * 90);
  EXPECT_EQ(at(kWrap, 100), kWhite);
  EXPECT_EQ(at(10, 190), kWhite) << "the bottom border is left";

  vqscript_setmarkup(&view, "Erst <backgroundcolor=0000ff>");
  EXPECT_EQ(at(0, 9), kWhite);
  EXPECT_EQ(at(0, 10), 0x0000FFu) << "filled from where the markup began";
  EXPECT_EQ(at(399, 199), 0x0000FFu);
}

TEST_F(ScriptLayout, PicturesFromFilesAndTheirNotFoundText) {
  Picture picture(8, 6, 0xC00000);
  const std::string file = std::string(VQ_BINARY_DIR) + "/script_picture.bmp";
  ASSERT_TRUE(vqpxmap_savetofile(&picture.pm, "%s", file.c_str()));
  vqscript_setmarkup(&view, "<x=30><image=%s>A", file.c_str());
  EXPECT_EQ(count(30, 10, 8, 6, 0xC00000), 48);
  EXPECT_EQ(word("A").x, 10);
  EXPECT_EQ(word("A").y, 16);
  std::remove(file.c_str());

  testing::internal::CaptureStdout();
  vqscript_setmarkup(&view, "<image=nosuch.bmp,x=5>");
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(all_words(), "####|IMAGE|NOT|FOUND:|nosuch.|bmp|####");
}

TEST_F(ScriptLayout, PicturesInMemoryOnlyWhenTheProgramAnnouncedThem) {
  Picture picture(4, 4, 0x00C000);
  const unsigned long long address = reinterpret_cast<unsigned long long>(&picture.pm);
  vqscript_setmarkup(&view, "<memimage=%llu><memimage=12345>", address);
  EXPECT_EQ(count(10, 10, 4, 4, 0x00C000), 0) << "an address typed into the markup is not followed";
  ASSERT_TRUE(vqscript_addimage(&picture.pm));
  vqscript_setmarkup(&view, "<image_xpm=%llu>", address);
  EXPECT_EQ(count(10, 10, 4, 4, 0x00C000), 16);
  vqscript_removeimage(&picture.pm);
}

TEST_F(ScriptLayout, BulletsAndCharacters) {
  vqscript_setmarkup(&view, "<bullet=1>A<bullet=2><char=Z><achar=BcQ>");
  EXPECT_EQ(word("A").x, 22);
  EXPECT_LT(count(10, 14, 10, 10, kWhite), 100) << "the bullet is drawn 4 below y";
  const int x = 22 + width("Arial16", "A") + width("Arial16", "Z");
  EXPECT_EQ(view.x, x + width("Arial16b", "Q"));
  EXPECT_EQ(view.text_color, 0xFF0000u) << "achar's digit c is red";
  EXPECT_GT(count(x, 10, width("Arial16b", "Q"), 16, 0xFF0000), 0);
}

TEST_F(ScriptLayout, EmptyMarkupBuildsNothingAndUnknownTagsDoNothing) {
  EXPECT_EQ(vqscript_setmarkup(&view, ""), 0);
  EXPECT_EQ(view.built, 0);
  EXPECT_EQ(vqscript_setmarkup(&view, "%s", ""), 0);
  EXPECT_EQ(vqscript_setmarkup(&view, "<blink=3><none>A\n"), 26);
  EXPECT_EQ(word("A").x, 10);
}

}  // namespace
