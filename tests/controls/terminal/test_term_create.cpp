// Creating terminals: keywords, defaults, the sizes that follow from the
// font, and what destroying gives back.
#include "term_test_util.h"

#include <functional>

namespace {

TEST_F(TermTest, DefaultsAndThePreferredSize) {
  ASSERT_TRUE(vqterm_create(&term, "x=10,y=20"));
  EXPECT_EQ(vqterm_columns(&term), 80);
  EXPECT_EQ(vqterm_lines(&term), 25);
  EXPECT_EQ(term.width, 80 * 6 + 4);
  EXPECT_EQ(term.height, 25 * 13 + 4);
  EXPECT_EQ(term.border, 1);
  EXPECT_EQ(term.background_color, 0xFFFFFFu);
  EXPECT_EQ(term.text_color, 0x000040u);
  EXPECT_EQ(term.cells.scrollback, 0);
  EXPECT_FALSE(term.cursor_on || term.cells.wordbreak || term.scroll_bar.present);
  EXPECT_EQ(vqtarget_current(), &term);   // the current drawing target now
}

TEST_F(TermTest, TheGamesStatusTerminal) {
  ASSERT_TRUE(vqterm_create(&term, "xs=927,lines=5,scrollback=1000,font=12x24"));
  EXPECT_EQ(term.cell_width, 12);
  EXPECT_EQ(term.line_height, 24);
  EXPECT_EQ(term.height, 5 * 24 + 4);
  EXPECT_EQ(term.cells.visible_lines, 5);
  EXPECT_EQ(vqterm_lines(&term), 1000);
  // 923 / 12 = 76 columns, less 16 / 12 + 1 under the scroll bar.
  EXPECT_EQ(vqterm_columns(&term), 74);
  EXPECT_TRUE(term.scroll_bar.present);
  EXPECT_EQ(term.scroll_bar.size, 0);   // 5 * 100 / 1000
}

TEST_F(TermTest, Keywords) {
  struct Case {
    const char* options;
    std::function<bool(const vqTerminal&)> holds;
  } cases[] = {
      {"scrollback", [](const vqTerminal& t) { return t.cells.scrollback == 300 && t.cells.lines == 300; }},
      {"lines=3,columns=7", [](const vqTerminal& t) { return t.cells.lines == 3 && t.cells.columns == 7; }},
      {"wordbreak", [](const vqTerminal& t) { return t.cells.wordbreak == 1; }},
      {"cursor", [](const vqTerminal& t) { return t.cursor_on == 1; }},
      {"Cursor = On", [](const vqTerminal& t) { return t.cursor_on == 1; }},
      {"cursor=1", [](const vqTerminal& t) { return t.cursor_on == 1; }},
      {"cursoron", [](const vqTerminal& t) { return t.cursor_on == 1; }},
      {"cursor=off", [](const vqTerminal& t) { return t.cursor_on == 0; }},
      {"drawdirect", [](const vqTerminal& t) { return t.directdraw == 1; }},
      {"noborder", [](const vqTerminal& t) { return t.border == 0; }},
      {"border=3,border", [](const vqTerminal& t) { return t.border == 3; }},
      {"bgcolor=ff0000,textcolor=00ff00",
       [](const vqTerminal& t) { return t.background_color == 0xFF0000 && t.text_color == 0x00FF00; }},
      {"nokeyfocus,greyed", [](const vqTerminal& t) { return t.nokeyfocus == 1 && t.greyed == 1; }},
      {"logfile = /tmp/vq term.log", [](const vqTerminal& t) { return std::string(t.logfile) == "/tmp/vqterm.log"; }},
      {"font=8x16,lines=2", [](const vqTerminal& t) { return t.cell_width == 8 && t.height == 2 * 16 + 4; }},
      {"xs=100,ys=30", [](const vqTerminal& t) { return t.cells.columns == 16 && t.cells.lines == 2; }},
      {"xs=2,ys=2", [](const vqTerminal& t) { return t.cells.columns == 1 && t.cells.lines == 1; }},
      {"scrollback=3,ys=82", [](const vqTerminal& t) { return t.cells.lines == 3 && t.cells.visible_lines == 6; }},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(vqterm_create(&term, "%s", c.options)) << c.options;
    EXPECT_TRUE(c.holds(term)) << c.options;
  }
  std::remove("/tmp/vqterm.log");
}

TEST_F(TermTest, NoStandardViewLeavesTheTargetAndDestroyGivesEverythingBack) {
  vqtarget_set(vqView::command, &panel);
  ASSERT_TRUE(vqterm_create(&term, "lines=2,cursor,nostandardview"));
  EXPECT_EQ(vqtarget_current(), &panel);
  EXPECT_EQ(panel.region_count, 1);
  vqtarget_set(vqTerminal::command, &term);
  vqterm_destroy(&term);
  EXPECT_FALSE(term.created);
  EXPECT_EQ(term.cells.cells, nullptr);
  EXPECT_EQ(panel.region_count, 0);
  EXPECT_EQ(vqtarget_current(), nullptr);
  // The blink timer is gone too: ticks no longer reach the terminal.
  term.cursor_on = 1;
  run_for(600);
  EXPECT_EQ(term.blink_phase, 0);
}

}  // namespace

// The terminal's printf keeps percent signs as the drawing functions do.
TEST_F(TermTest, PrintfKeepsAPercentBeforeALowCharacter) {
  ASSERT_TRUE(vqterm_create(&term, "x=10,y=20"));
  const char* formats[] = {"50% done %d", "%d%", "%d%% sure"};
  const char* texts[] = {"50% done 7", "7%", "7% sure"};
  for (int i = 0; i < 3; ++i) {
    vqterm_printf(&term, formats[i], 7);
    vqterm_printf(&term, "\n");
    EXPECT_EQ(row(i), texts[i]) << formats[i];
  }
}
