// What a terminal shows on its panel: cells in palette colours, the frame,
// the background pixmap under the text, the blinking cursor, suspended
// drawing, and the buffer and view of a long scroll-back.
#include "term_test_util.h"

#include "vqcolor.h"

namespace {

// Terminal at (10, 20): cell (c, r) starts at (12 + 6c, 22 + 13r).
constexpr int kX = 10, kY = 20;
int cx(int c) { return kX + 2 + 6 * c; }
int cy(int r) { return kY + 2 + 13 * r; }

TEST_F(TermTest, Sgr31IsStoredAsIndexOneAndDrawnInC00000) {
  ASSERT_TRUE(vqterm_create(&term, "x=%d,y=%d,columns=10,lines=3", kX, kY));
  vqterm_write(&term, "\033[31mA\033[30mB\033[42mC");
  const vqterm_cell* a = vqtermcells_at(&term.cells, 0, 0);
  EXPECT_EQ(a->ch, 'A');
  EXPECT_EQ(a->fg, 1);
  EXPECT_EQ(a->bg, 0);
  EXPECT_EQ(vqtermcells_at(&term.cells, 1, 0)->fg, 0);
  EXPECT_GT(count(cx(0), cy(0), 6, 13, 0xC00000), 5);
  EXPECT_EQ(count(cx(0), cy(0), 6, 13, 0xC00000) + count(cx(0), cy(0), 6, 13, 0xFFFFFF), 6 * 13);
  // Index 0 is the text colour; a background index fills the whole cell.
  EXPECT_GT(count(cx(1), cy(0), 6, 13, 0x000040), 5);
  EXPECT_EQ(count(cx(1), cy(0), 6, 13, 0xC00000), 0);
  EXPECT_EQ(count(cx(2), cy(0), 6, 13, 0x00FF00) + count(cx(2), cy(0), 6, 13, 0x000040), 6 * 13);
  // A reset after colour draws in the text colour again.
  vqterm_write(&term, "\033[31m\033[mD");
  EXPECT_GT(count(cx(3), cy(0), 6, 13, 0x000040), 5);
  EXPECT_EQ(count(cx(3), cy(0), 6, 13, 0xC00000), 0);
}

TEST_F(TermTest, SunkenFrameAroundTheTextArea) {
  ASSERT_TRUE(vqterm_create(&term, "x=%d,y=%d,columns=4,lines=2", kX, kY));
  EXPECT_EQ(at(kX - 2, kY - 2), vqcolor_system(VQCOLOR_DARK));
  EXPECT_EQ(at(kX - 1, kY - 1), vqcolor_system(VQCOLOR_BLACK));
  EXPECT_EQ(at(kX + term.width + 1, kY + term.height + 1), vqcolor_system(VQCOLOR_WHITE));
  EXPECT_EQ(at(kX + term.width, kY + term.height), vqcolor_system(VQCOLOR_LIGHT));
  EXPECT_EQ(at(kX, kY), 0xFFFFFFu);
  ASSERT_TRUE(vqterm_create(&term, "x=%d,y=%d,columns=4,lines=2,noborder,bgcolor=ff0000", kX + 100, kY));
  EXPECT_EQ(at(kX + 98, kY - 2), 0xE0E0E0u);
  EXPECT_EQ(at(kX + 100, kY), 0xFF0000u);
}

TEST_F(TermTest, DrawingCommandsGoUnderTheText) {
  ASSERT_TRUE(vqterm_create(&term, "x=%d,y=%d,columns=4,lines=2", kX, kY));
  vqterm_write(&term, "\033[31mAA");
  vqfillrect(0, 0, 4 + 12, 4 + 26, 0x0000FF);
  EXPECT_EQ(vqgetpixel(1, 1), 0x0000FF);
  EXPECT_EQ(vqtargetwidth(), term.width);
  EXPECT_EQ(vqtargetpixmap(), &term.background);
  EXPECT_EQ(at(kX + 1, kY + 1), 0x0000FFu);          // shown at once
  EXPECT_GT(count(cx(0), cy(0), 12, 13, 0xC00000), 10);   // the text stays on top
  EXPECT_EQ(count(cx(0), cy(0), 12, 13, 0xFFFFFF), 0);
  // Writing over a cell puts the background under the new character back.
  vqterm_write(&term, "\033[H\033[39m  ");
  EXPECT_EQ(count(cx(0), cy(0), 12, 13, 0x0000FF), 12 * 13);
}

TEST_F(TermTest, CursorBlinksEvery250msWithTheFocusAndIsAnOutlineWithout) {
  ASSERT_TRUE(vqterm_create(&term, "x=%d,y=%d,columns=4,lines=2,cursor", kX, kY));
  vqterm_write(&term, "a");
  const uint64_t start = vqheadless_now();
  auto foot = [&] { return count(cx(1), cy(0) + 11, 6, 2, 0x000040); };
  auto outline = [&] { return count(cx(1), cy(0), 6, 13, 0x000040); };
  EXPECT_EQ(send(VQCMD_FOCUSIN), 1);
  int flips = 0, last = foot();
  while (vqheadless_now() - start < 1000) {
    run_for(10);
    if (foot() != last) ++flips, last = foot();
  }
  EXPECT_EQ(flips, 4);
  send(VQCMD_FOCUSOUT);
  EXPECT_EQ(outline(), 2 * 6 + 2 * 11);
  run_for(250);
  EXPECT_EQ(outline(), 2 * 6 + 2 * 11);
}

TEST_F(TermTest, SuspendedDrawingChangesCellsOnlyUntilResumed) {
  ASSERT_TRUE(vqterm_create(&term, "x=%d,y=%d,columns=4,lines=2", kX, kY));
  vqterm_suspend(&term);
  vqterm_putc(&term, 'X');
  vqterm_write(&term, "\033[31mY");
  EXPECT_EQ(row(0), "XY");
  EXPECT_EQ(count(cx(0), cy(0), 12, 13, 0xFFFFFF), 12 * 13);
  vqterm_resume(&term);
  EXPECT_GT(count(cx(1), cy(0), 6, 13, 0xC00000), 5);
}

TEST_F(TermTest, ScrollbackOf1000With5VisibleLinesKeepsTheBufferAndFollowsTheCursor) {
  ASSERT_TRUE(vqterm_create(&term, "x=%d,y=%d,xs=200,lines=5,scrollback=1000", kX, kY));
  std::string text;
  for (int i = 1; i <= 1003; ++i) text += std::to_string(i) + "\n";
  vqterm_write(&term, text.c_str());
  EXPECT_EQ(row(0), "4");
  EXPECT_EQ(row(999), "1003");
  EXPECT_EQ(term.cells.top_line, 995);
  EXPECT_EQ(term.scroll_bar.position, 100);
  // Only the last lines are on the panel: the view follows the cursor.
  EXPECT_GT(count(cx(0), cy(4), 24, 13, 0x000040), 10);
  vqterm_scrolltop(&term);
  EXPECT_EQ(term.scroll_bar.position, 0);
  vqterm_write(&term, "x");
  EXPECT_EQ(term.cells.top_line, 995);
}

}  // namespace
