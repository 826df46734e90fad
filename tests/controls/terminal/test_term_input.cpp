// Keys into the terminal and the waits that read them, scrolling through the
// scroll-back, the log file and loading a file.
#include "term_test_util.h"

#include "vqframe.h"
#include "vqkeys.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// Types the keys one by one from inside the program's waits, 30 virtual
// milliseconds apart, as key-down events through the panel.
struct Typist {
  vqView* panel;
  std::string keys;
  size_t next = 0;
  uint64_t due = 0;
  static void hook(void* context) {
    Typist* t = static_cast<Typist*>(context);
    if (t->next >= t->keys.size() || vqheadless_now() < t->due) return;
    vqView::command(t->panel, VQCMD_KEYDOWN, static_cast<unsigned char>(t->keys[t->next++]), 0, 0, 0, 0, 0, 0, 0);
    t->due = vqheadless_now() + 30;
  }
};

struct TermInput : TermTest {
  Typist typist;
  void type(const std::string& keys) {
    typist = Typist{&panel, keys};
    vqheadless_set_idle_hook(Typist::hook, &typist);
  }
  void focus_by_click() {
    vqView::command(&panel, VQCMD_LEFTDOWN, term.x + 5, term.y + 5, 0, 0, 0, 0, 0, 0);
    vqView::command(&panel, VQCMD_LEFTUP, term.x + 5, term.y + 5, 0, 0, 0, 0, 0, 0);
  }
};

TEST_F(TermInput, AClickGivesTheFocusAndKeysReachTheRingInOrder) {
  ASSERT_TRUE(vqterm_create(&term, "x=10,y=10,columns=10,lines=3"));
  vqView::command(&panel, VQCMD_KEYDOWN, 'q', 0, 0, 0, 0, 0, 0, 0);
  EXPECT_FALSE(vqterm_keyavailable(&term));   // not focused yet
  focus_by_click();
  EXPECT_TRUE(term.focused);
  EXPECT_EQ(panel.focused_region, term.child_id);
  type("ab");
  EXPECT_EQ(vqterm_getkey(&term), 'a');
  EXPECT_EQ(vqterm_getkey(&term), 'b');
  EXPECT_FALSE(vqterm_keyavailable(&term));
  EXPECT_EQ(row(0), "");   // getkey echoes nothing
}

TEST_F(TermInput, AFullRingKeepsTheOldestKeysAndDropsTheNew) {
  ASSERT_TRUE(vqterm_create(&term, "columns=10,lines=3"));
  for (int i = 0; i < VQTERM_KEYRING + 3; ++i) send(VQCMD_KEYDOWN, 'A' + i);
  send(VQCMD_KEYDOWN, VQKEY_LEFT);   // arrows and other codes from 255 up are no ring keys
  std::string got;
  while (vqterm_keyavailable(&term)) got += static_cast<char>(vqterm_getkey(&term));
  ASSERT_EQ(got.size(), static_cast<size_t>(VQTERM_KEYRING));
  EXPECT_EQ(got.front(), 'A');
  EXPECT_EQ(got.back(), 'A' + VQTERM_KEYRING - 1);
  // Around the wrap-around of the ring.
  send(VQCMD_KEYDOWN, 'x');
  EXPECT_EQ(vqterm_getkey(&term), 'x');
}

TEST_F(TermInput, ReadlineEchoesRubsOutAndStopsAtTheBufferSize) {
  ASSERT_TRUE(vqterm_create(&term, "columns=10,lines=3"));
  focus_by_click();
  char line[8];
  type("ab\bc\n");
  EXPECT_STREQ(vqterm_readline(&term, line, sizeof line), "ac");
  EXPECT_EQ(row(0), "ac");
  EXPECT_EQ(term.cells.cursor_row, 1);
  char small[3];
  type("xyz\b\bq\n");
  EXPECT_STREQ(vqterm_readline(&term, small, sizeof small), "q");
  EXPECT_EQ(row(1), "q");
  // A rub-out at column 0 goes back to the end of the row above.
  ASSERT_TRUE(vqterm_create(&term, "columns=4,lines=3"));
  focus_by_click();
  char wide[16];
  type("abcde\b\b\n");
  EXPECT_STREQ(vqterm_readline(&term, wide, sizeof wide), "abc");
  EXPECT_EQ(row(0), "abc");
  EXPECT_EQ(row(1), "");
}

TEST_F(TermInput, WaitsEndWhenTheProgramEnds) {
  ASSERT_TRUE(vqterm_create(&term, "columns=10,lines=3"));
  // Ending the program is for good: in a process of its own.
  EXPECT_EXIT(
      {
        vqheadless_set_idle_hook([](void*) { vqquit(); }, nullptr);
        char line[4];
        const bool ended = vqterm_getkey(&term) == 0 && vqterm_readline(&term, line, sizeof line) == nullptr;
        std::exit(ended ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
}

TEST_F(TermTest, ScrollOperationsStayInsideTheScrollback) {
  ASSERT_TRUE(vqterm_create(&term, "xs=200,lines=5,scrollback=20"));
  for (int i = 0; i < 30; ++i) vqterm_printf(&term, "%d\n", i);
  struct Step {
    void (*op)(vqTerminal*);
    int top;
  } steps[] = {
      {vqterm_lineup, 14},   {vqterm_pageup, 9},    {vqterm_pageup, 4},  {vqterm_pageup, 0},
      {vqterm_lineup, 0},    {vqterm_pagedown, 5},  {vqterm_pagedown, 10}, {vqterm_pagedown, 14},
      {vqterm_linedown, 15}, {vqterm_linedown, 15}, {vqterm_scrolltop, 0},
  };
  EXPECT_EQ(term.cells.top_line, 15);
  for (const Step& s : steps) {
    s.op(&term);
    EXPECT_EQ(term.cells.top_line, s.top);
  }
  vqterm_scrollpercent(&term, 50);
  EXPECT_EQ(term.cells.top_line, 7);
  EXPECT_EQ(term.scroll_bar.position, (7 * 100 + 100) / 15);
  send(VQCMD_WHEELDOWN);   // wheel down
  EXPECT_EQ(term.cells.top_line, 8);
  send(VQCMD_WHEELUP);
  EXPECT_EQ(term.cells.top_line, 7);
  ASSERT_TRUE(vqterm_create(&term, "lines=5,scrollback=3"));
  vqterm_write(&term, "1\n2\n3\n4\n5\n6\n");
  vqterm_pagedown(&term);
  EXPECT_EQ(term.cells.top_line, 0);
  EXPECT_EQ(term.scroll_bar.position, 0);
}

TEST_F(TermInput, TheScrollBarScrollsByLineByPageAndByDraggingTheThumb) {
  ASSERT_TRUE(vqterm_create(&term, "x=10,y=10,xs=200,lines=10,scrollback=100"));
  for (int i = 0; i < 100; ++i) vqterm_printf(&term, "%d\n", i);
  ASSERT_EQ(term.cells.top_line, 90);
  const vqterm_scrollbar& b = term.scroll_bar;
  const int mid = b.x + b.w / 2;
  auto click = [&](int y) {
    vqView::command(&panel, VQCMD_LEFTDOWN, mid, y, 0, 0, 0, 0, 0, 0);
    vqView::command(&panel, VQCMD_LEFTUP, mid, y, 0, 0, 0, 0, 0, 0);
  };
  click(b.y + 2);   // the up arrow
  EXPECT_EQ(term.cells.top_line, 89);
  click(b.y + b.h / 2);   // the trough above the thumb
  EXPECT_EQ(term.cells.top_line, 79);
  click(b.y + b.h - 2);   // the down arrow
  EXPECT_EQ(term.cells.top_line, 80);
  // At the top the thumb starts just below the up arrow. Dragged, and let go
  // below the terminal, the mouse stays with the scroll bar until then.
  vqterm_scrolltop(&term);
  vqView::command(&panel, VQCMD_LEFTDOWN, mid, b.y + b.w + 2, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(panel.captured_region, term.child_id);
  vqView::command(&panel, VQCMD_MOUSEMOVE, mid, b.y + b.w + (b.h - 2 * b.w) / 2, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(term.cells.top_line, 45);
  vqView::command(&panel, VQCMD_LEFTUP, mid, 390, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(term.cells.top_line, 90);
  EXPECT_EQ(panel.captured_region, -1);
  vqView::command(&panel, VQCMD_MOUSEMOVE, mid, b.y + b.w + 2, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(term.cells.top_line, 90);
}

TEST_F(TermTest, LogFileGetsThePrintedCharactersAndLoadfileTheEndOfAFile) {
  const char* log = "/tmp/vqterm_test_log.txt";
  const char* file = "/tmp/vqterm_test_load.txt";
  std::remove(log);
  ASSERT_TRUE(vqterm_create(&term, "columns=4,lines=2,logfile=%s", log));
  vqterm_write(&term, "ab\033[31mc\n");
  vqterm_destroy(&term);
  std::ifstream in(log, std::ios::binary);
  std::stringstream got;
  got << in.rdbuf();
  EXPECT_EQ(got.str(), "abc\n");
  {
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < 50; ++i) out << "line" << i << "\n";
  }
  ASSERT_TRUE(vqterm_create(&term, "columns=8,lines=3"));
  ASSERT_TRUE(vqterm_loadfile(&term, file));
  // The last 8 x 3 bytes, "46\nline47\nline48\nline49\n": the cut first line
  // scrolls out.
  EXPECT_EQ(row(0), "line47");
  EXPECT_EQ(row(2), "line49");
  EXPECT_FALSE(vqterm_loadfile(&term, "/nonexistent/vqterm"));
  std::remove(log);
  std::remove(file);
}

}  // namespace
