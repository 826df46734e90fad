// The window's handler: window events as codes, closing with and without
// quit and close allowed, and the requests its children make.
#include "test_window_util.h"
#include "window_internal.h"

#include <cstdio>

namespace {

using WindowHandler = WindowTest;

int send(vqWindow* window, int command, int a1 = 0) {
  return vqWindow::command(window, command, a1, 0, 0, 0, 0, 0, 0, 0);
}

TEST_F(WindowHandler, PlatformEventsPostTheWindowsEventCodes) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "events,xs=100,ys=100,noquit"));
  const struct {
    int command, index;
  } own[] = {
      {VQCMD_SIZE, VQWEV_RESIZED},         {VQCMD_MAXIMISED, VQWEV_RESIZED},
      {VQCMD_RESTORED, VQWEV_RESIZED},     {VQCMD_FOCUSIN, VQWEV_FOCUS},
      {VQCMD_FOCUSOUT, VQWEV_UNFOCUS},     {VQCMD_MINIMISED, VQWEV_MINIMISED},
      {VQCMD_MENU, VQWEV_MENU},            {VQCMD_DROPPED, VQWEV_DROPPED},
      {VQCMD_MOVED, VQWEV_MOVED},          {VQCMD_ACTIVATED, VQWEV_ACTIVATED},
      {VQCMD_DEACTIVATED, VQWEV_DEACTIVATED}, {VQCMD_REPAINT, VQWEV_REPAINT},
  };
  for (const auto& c : own) {
    SCOPED_TRACE(c.command);
    send(&window, c.command);
    EXPECT_EQ(drain_events(), (std::vector<int>{window.window_events[c.index]}));
  }
  for (int command : {VQCMD_ASIS1, VQCMD_ASIS2, VQCMD_ASIS3, VQCMD_ASIS4, VQCMD_TASKBARCREATED}) {
    send(&window, command);
    EXPECT_EQ(drain_events(), (std::vector<int>{command}));
  }
  for (int session = 0; session <= 10; session++) {
    SCOPED_TRACE(session);
    send(&window, VQCMD_SESSIONCHANGE, session);
    std::vector<int> expected;
    if (session >= 1 && session <= 9) expected.push_back(VQCMD_SESSIONEVENT + session - 1);
    EXPECT_EQ(drain_events(), expected);
  }
  // The ten window codes are the window's own.
  for (int i = 0; i < 10; i++)
    for (int j = 0; j < 16; j++) EXPECT_NE(window.window_events[i], window.events[j]);
}

TEST_F(WindowHandler, PlatformMessagesOfSizeMoveAndDropArriveAsWindowEvents) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "messages,x=5,y=6,xs=100,ys=100,noquit"));
  vqplatform_msg msg{};
  msg.window = window.platform.handle;
  msg.kind = VQMSG_MOVE;
  msg.x = 40;
  msg.y = 50;
  vqwindow_proc(&window, &msg);
  EXPECT_EQ(window.platform.x, 40);
  EXPECT_EQ(window.platform.y, 50);
  msg.kind = VQMSG_MINIMIZE;
  vqwindow_proc(&window, &msg);
  msg.kind = VQMSG_DROPFILE;
  std::snprintf(msg.text, sizeof msg.text, "/tmp/dropped.bmp");
  vqwindow_proc(&window, &msg);
  const int* codes = window.window_events;
  EXPECT_EQ(drain_events(),
            (std::vector<int>{codes[VQWEV_MOVED], codes[VQWEV_RESIZED], codes[VQWEV_MINIMISED], codes[VQWEV_DROPPED]}));
  EXPECT_STREQ(window.dropped_file, "/tmp/dropped.bmp");
}

TEST_F(WindowHandler, NoquitClosingPostsOnlyTheMainCode) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "stays,xs=100,ys=100,noquit"));
  vqheadless_close_request(window.platform.handle);
  EXPECT_EQ(drain_events(), (std::vector<int>{window.events[0]}));
  EXPECT_TRUE(window.created);
  EXPECT_TRUE(platform_window_open(window.platform.handle));
  EXPECT_TRUE(vqrunning());
}

// Closing quits: the running flag never comes back, so these run in a
// process of their own and end with 0 when all went as it should.
void close_and_quit() {
  vqWindow window;
  vqwindow_open(&window, "closes,xs=100,ys=100");
  int open = vqframe_open_windows();
  int handle = window.platform.handle;
  vqheadless_close_request(handle);
  std::vector<int> codes = drain_events();
  bool ok = codes == std::vector<int>{window.events[0]} && !window.created && !platform_window_open(handle) &&
            vqframe_open_windows() == open - 1 && !vqrunning() && vqwaitevent() == 0;
  std::exit(ok ? 0 : 1);
}

void quit_but_keep() {
  vqWindow window;
  vqwindow_open(&window, "keeps,xs=100,ys=100,noclose");
  vqheadless_close_request(window.platform.handle);
  std::vector<int> codes = drain_events();
  std::exit(codes == std::vector<int>{window.events[0]} && window.created && !vqrunning() ? 0 : 1);
}

void close_before_any_loop() {
  setenv("VQ_PLATFORM", "headless", 0);
  vqWindow window;
  vqwindow_open(&window, "first,xs=100,ys=100");
  vqplatform_msg msg{};
  msg.window = window.platform.handle;
  msg.kind = VQMSG_CLOSE;
  vqwindow_proc(&window, &msg);
  std::fprintf(stderr, "still running");
  std::exit(4);
}

// An application that opens a window which closes without quitting, and
// returns: once the window is gone the program ends instead of waiting on.
vqWindow* g_leaving = nullptr;
void open_window_that_closes_without_quitting() {
  static vqWindow window;
  vqwindow_open(&window, "leaves,xs=100,ys=100");
  window.quit_allowed = 0;
  g_leaving = &window;
  vqheadless_set_time_limit(60000);
  vqheadless_set_idle_hook(
      [](void*) {
        if (vqheadless_now() >= 1000 && g_leaving->created && vqheadless_pending_messages() == 0)
          vqheadless_close_request(g_leaving->platform.handle);
      },
      nullptr);
}

void run_until_the_window_is_gone() {
  setenv("VQ_PLATFORM", "headless", 0);
  static char name[] = "leaves";
  static char* argv[] = {name, nullptr};
  vqframe_run(1, argv, open_window_that_closes_without_quitting);
  std::fprintf(stderr, "returned at %llu", static_cast<unsigned long long>(vqheadless_now()));
  std::exit(vqframe_open_windows() == 0 ? 0 : 1);
}

TEST(WindowKeepAlive, EndsWhenTheLastWindowClosedWithoutQuitting) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(run_until_the_window_is_gone(), testing::ExitedWithCode(0), "returned at 10[0-9][0-9]$");
}

TEST_F(WindowHandler, ClosingClosesAndQuits) { EXPECT_EXIT(close_and_quit(), testing::ExitedWithCode(0), ""); }

TEST_F(WindowHandler, NocloseQuitsButKeepsTheWindow) {
  EXPECT_EXIT(quit_but_keep(), testing::ExitedWithCode(0), "");
}

TEST(WindowClose, ClosingBeforeAnyLoopEndsTheProgramAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(close_before_any_loop(), testing::ExitedWithCode(0), "^$");
}

TEST_F(WindowHandler, AnswersTheRequestsOfItsChildren) {
  vqWindow painting, quiet;
  ASSERT_TRUE(vqwindow_open(&painting, "paints,xs=120,ys=80,bgcolor=123456"));
  ASSERT_TRUE(vqwindow_open(&quiet, "quiet,xs=120,ys=80,noredraw"));
  EXPECT_EQ(send(&painting, VQCMD_FOCUSREGION), 1);
  EXPECT_EQ(send(&painting, VQCMD_ISHIDDEN), 0);
  EXPECT_EQ(send(&quiet, VQCMD_ISHIDDEN), 1);
  EXPECT_FALSE(quiet.panels[0].visible);
  EXPECT_EQ(send(&painting, VQCMD_PLATFORMWINDOW), painting.platform.handle);
  EXPECT_EQ(send(&painting, VQCMD_WIDTH), 120);
  EXPECT_EQ(send(&painting, VQCMD_HEIGHT), 80);
  EXPECT_EQ(send(&painting, VQCMD_BACKGROUND), 0x123456);
  // The main panel is the window's one child; capture keeps the mouse on it.
  ASSERT_EQ(painting.child_count, 1);
  EXPECT_EQ(painting.children[0].object, &painting.panels[0]);
  send(&painting, VQCMD_CAPTURE, 0);
  EXPECT_TRUE(window_info(painting).captured);
  send(&painting, VQCMD_RELEASE, 0);
  EXPECT_FALSE(window_info(painting).captured);
}

}  // namespace
