// What reaches the screen and when: nothing before the program has
// started, then everything at once; panel refreshes, paint requests, the
// deferred refreshes and windows that do not paint.
#include "test_window_util.h"
#include "vqtarget.h"
#include "vqtimer.h"

#include <cstdio>

namespace {

// Counts failed checks in a process of its own, saying which on stderr.
struct Checks {
  int failed = 0;
  void operator()(bool ok, const char* what) {
    if (!ok) {
      failed++;
      std::fprintf(stderr, "failed: %s\n", what);
    }
  }
};

// In a fresh process: the start happens once per program.
void show_at_start() {
  setenv("VQ_PLATFORM", "headless", 0);
  Checks check;
  vqWindow window;
  check(vqwindow_open(&window, "start,x=0,y=0,xs=200,ys=100,bgcolor=000080"), "opened");
  vqfillrect(10, 10, 20, 20, 0xFF0000);
  vqrefresh();   // even a refresh now waits for the start
  vqView child;
  check(vqgraphic_create(&child, "x=100,y=0,xs=50,ys=50,bgcolor=00ff00"), "child created");
  vqpoint(5, 5, 0xFFFF00);
  check(presents_of(window) == 0, "no present before the start");
  check(shown_pixel(window, 15, 15) == 0, "screen still empty");

  vqpollevent();
  check(presents_of(window) == 1, "one present at the start");
  check(shown_pixel(window, 15, 15) == 0xFF0000, "main panel drawing shown");
  check(shown_pixel(window, 50, 50) == 0x000080, "main panel background shown");
  check(shown_pixel(window, 120, 20) == 0x00FF00, "child panel shown");
  check(shown_pixel(window, 105, 5) == 0xFFFF00, "child panel drawing shown");
  check(vqrefresh_pending() == 0, "nothing left to refresh");
  std::exit(check.failed);
}

TEST(WindowStart, NothingIsShownBeforeTheProgramStartsAndEverythingAtOnceAfter) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(show_at_start(), testing::ExitedWithCode(0), "");
}

using WindowScreen = WindowTest;

TEST_F(WindowScreen, AWindowOpenedAfterTheStartShowsItselfAtOnce) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "late,x=0,y=0,xs=60,ys=40,bgcolor=336699"));
  EXPECT_EQ(presents_of(window), 1);
  EXPECT_EQ(shown_pixel(window, 59, 39), 0x336699u);
}

TEST_F(WindowScreen, APanelRefreshCopiesOnlyItsRectangle) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "rect,x=0,y=0,xs=200,ys=100,bgcolor=000000"));
  vqView child;
  ASSERT_TRUE(vqgraphic_create(&child, "x=100,y=20,xs=40,ys=30,bgcolor=ffffff"));
  // The main panel's own pixels changed behind the screen's back.
  vqpxmap_fillrect(&window.platform.pixmap, 0, 0, 10, 10, 0x00FF00);
  int before = presents_of(window);
  vqtarget_send(VQCMD_REFRESHNOW);
  EXPECT_EQ(presents_of(window), before + 1);
  EXPECT_EQ(shown_pixel(window, 120, 30), 0xFFFFFFu);
  EXPECT_EQ(shown_pixel(window, 5, 5), 0u);
  // A rectangle reaching outside the client area is cut to it.
  vqWindow::command(&window, VQCMD_SHOWRECT, -50, -50, 500, 500, 0, 0, 0, 0);
  EXPECT_EQ(presents_of(window), before + 2);
  EXPECT_EQ(shown_pixel(window, 5, 5), 0x00FF00u);
  vqWindow::command(&window, VQCMD_SHOWRECT, 300, 0, 10, 10, 0, 0, 0, 0);
  EXPECT_EQ(presents_of(window), before + 2);
}

TEST_F(WindowScreen, PaintRequestAndFirstRefreshRedrawEverythingInOnePresent) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "paint,x=0,y=0,xs=200,ys=100,menu,statusbar"));
  vqView child;
  ASSERT_TRUE(vqgraphic_create(&child, "x=10,y=10,xs=40,ys=30,bgcolor=ffffff"));
  vqpoint(1, 1, 0xFF00FF);   // deferred: not on the screen yet
  EXPECT_NE(shown_pixel(window, 10 + 1, 20 + 10 + 1), 0xFF00FFu);
  vqWindow direct;
  ASSERT_TRUE(vqwindow_open(&direct, "direct,x=0,y=0,xs=200,ys=100"));
  for (int command : {VQCMD_PAINT, VQCMD_FIRSTREFRESH}) {
    SCOPED_TRACE(command);
    int before = presents_of(window);
    vqtarget_set(vqView::command, &child);
    vqpoint(2, 2, command);
    EXPECT_EQ(vqrefresh_pending(), 1);
    vqWindow::command(&window, command, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(presents_of(window), before + 1);
    EXPECT_EQ(shown_pixel(window, 11, 31), 0xFF00FFu);   // the child, below the 20-pixel menu bar
    EXPECT_EQ(shown_pixel(window, 12, 32), static_cast<uint32_t>(command));
    EXPECT_EQ(vqrefresh_pending(), 0);
    // The main panel drawing straight into the window pixmap: all of it is copied.
    vqpxmap_fillrect(&direct.platform.pixmap, 190, 90, 10, 10, 0x0000FF + command);
    vqWindow::command(&direct, command, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(shown_pixel(direct, 199, 99), 0x0000FFu + command);
  }
  // Through the platform: a paint message from an exposed window.
  int before = presents_of(window);
  vqplatform_msg msg{};
  msg.window = window.platform.handle;
  msg.kind = VQMSG_PAINT;
  msg.width = 200;
  msg.height = 100;
  vqplatform_dispatch(&msg);
  EXPECT_EQ(presents_of(window), before + 1);
}

TEST_F(WindowScreen, DrawingReachesTheScreenAtMostOncePer200Milliseconds) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "burst,x=0,y=0,xs=200,ys=100,bgcolor=000000"));
  int before = presents_of(window);
  for (int i = 0; i < 2000; i++) vqpoint(i % 200, i / 200, 0xFFFFFF);
  EXPECT_EQ(presents_of(window), before);
  EXPECT_EQ(shown_pixel(window, 199, 9), 0u);
  // 200 ms of ticks, served at most 100 ms per pump pass.
  vqheadless_advance(200);
  for (int pass = 0; pass < 3; pass++) vqpollevent();
  EXPECT_EQ(presents_of(window), before + 1);
  EXPECT_EQ(shown_pixel(window, 199, 9), 0xFFFFFFu);
  vqheadless_advance(400);
  for (int pass = 0; pass < 5; pass++) vqpollevent();
  EXPECT_EQ(presents_of(window), before + 1) << "nothing new was drawn";
}

TEST_F(WindowScreen, ACopyForOnePanelKeepsTheWaitingRefreshOfAnother) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "two,x=0,y=0,xs=200,ys=100,bgcolor=000000"));
  vqView left, right;
  ASSERT_TRUE(vqgraphic_create(&left, "x=0,y=0,xs=50,ys=50,bgcolor=000000"));
  ASSERT_TRUE(vqgraphic_create(&right, "x=100,y=0,xs=50,ys=50,bgcolor=000000"));
  vqtarget_set(vqView::command, &left);
  vqpoint(5, 5, 0xFF0000);
  vqtarget_set(vqView::command, &right);
  vqpoint(5, 5, 0x00FF00);
  vqtarget_set(vqView::command, &left);
  vqrefresh();
  EXPECT_EQ(shown_pixel(window, 5, 5), 0xFF0000u);
  EXPECT_EQ(shown_pixel(window, 105, 5), 0u);
  EXPECT_EQ(vqrefresh_pending(), 1);
  vqheadless_advance(200);
  for (int pass = 0; pass < 3; pass++) vqpollevent();
  EXPECT_EQ(shown_pixel(window, 105, 5), 0x00FF00u);
}

TEST_F(WindowScreen, AWindowThatDoesNotPaintShowsNothing) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "quiet,x=0,y=0,xs=50,ys=50,bgcolor=ff0000,nopaint"));
  vqfillrect(0, 0, 50, 50, 0x00FF00);
  vqrefresh();
  vqWindow::command(&window, VQCMD_PAINT, 0, 0, 0, 0, 0, 0, 0, 0);
  vqWindow::command(&window, VQCMD_SHOWRECT, 0, 0, 50, 50, 0, 0, 0, 0);
  EXPECT_EQ(presents_of(window), 0);
  EXPECT_EQ(shown_pixel(window, 25, 25), 0u);
}

}  // namespace
