// Input of a window: the key table, the modifier combinations, typed
// characters and the mouse, from platform messages to event codes.
#include "test_window_util.h"
#include "window_internal.h"

namespace {

class WindowInput : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // noquit: a close posts the main code and nothing else happens.
    ASSERT_TRUE(vqwindow_open(&window, "keys,x=0,y=0,xs=300,ys=200,noquit"));
    handle = window.platform.handle;
  }
  void key(int code, bool down) { vqheadless_key(handle, code, down); }
  void message(int kind, int x = 0, int y = 0, int button = 0) {
    vqplatform_msg msg{};
    msg.window = handle;
    msg.kind = kind;
    msg.x = x;
    msg.y = y;
    msg.button = button;
    vqwindow_proc(&window, &msg);
  }
  vqWindow window;
  int handle = 0;
};

TEST_F(WindowInput, EnterPostsTenThenFiveHundredTwentyTwo) {
  key(10, true);
  key(10, false);
  EXPECT_EQ(drain_events(), (std::vector<int>{10, 522}));
}

TEST_F(WindowInput, EveryKeyOfTheTablePostsItsCodeAndItsReleasePlus512) {
  std::vector<int> table = {10, 27, 32, 9};
  for (int code = 301; code <= 325; code++) table.push_back(code);
  for (int code : table) {
    SCOPED_TRACE(code);
    key(code, true);
    key(code, false);
    EXPECT_EQ(drain_events(), (std::vector<int>{code, code + 512}));
  }
  for (int code : {0, 13, 65, 300, 326, 512}) {
    SCOPED_TRACE(code);
    key(code, true);
    key(code, false);
    EXPECT_TRUE(drain_events().empty());
  }
}

// The keypad's digit keys: with NumLock on they type their digits; with it
// off they are navigation keys (the 5 none), unless the window asks for
// digits, which then come without releases.
TEST_F(WindowInput, KeypadDigitsNavigateWithoutNumLockUnlessTheWindowWantsDigits) {
  struct Case {
    int digit;
    int navigation;   // 0: the key has no code then
  };
  const Case cases[] = {{'0', 317}, {'1', 321}, {'2', 304}, {'3', 324}, {'4', 301},
                        {'5', 0},   {'6', 302}, {'7', 320}, {'8', 303}, {'9', 323}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digit - '0');
    vqheadless_keypad(handle, c.digit, true);
    EXPECT_EQ(drain_events(), (std::vector<int>{c.digit}));
    vqheadless_keypad(handle, c.digit, false);
    const std::vector<int> navigated =
        c.navigation != 0 ? std::vector<int>{c.navigation, c.navigation + 512} : std::vector<int>{};
    EXPECT_EQ(drain_events(), navigated);
    vqwindow_keypad_digits(&window, true);
    vqheadless_keypad(handle, c.digit, false);
    vqheadless_keypad(handle, c.digit, true);
    key(301, true);   // the arrow keys themselves keep their meaning
    EXPECT_EQ(drain_events(), (std::vector<int>{c.digit, c.digit, 301}));
    vqwindow_keypad_digits(&window, false);
    key(301, false);
    drain_events();
  }
}

struct Press {
  int key;
  bool down;
};
struct Combination {
  const char* what;
  std::vector<Press> presses;
  std::vector<int> expected;   // -1 stands for the window's main code
};

TEST_F(WindowInput, ShiftDeleteCutsAndAltF4Closes) {
  const Combination cases[] = {
      {"Shift+Delete cuts", {{319, true}, {322, true}, {322, false}, {319, false}}, {319, 2035, 834, 831}},
      {"Delete alone", {{322, true}, {322, false}}, {322, 834}},
      {"Control+Shift+Delete is not exactly Shift",
       {{318, true}, {319, true}, {322, true}, {319, false}, {318, false}},
       {318, 319, 322, 831, 830}},
      {"Shift released before Delete", {{319, true}, {319, false}, {322, true}}, {319, 831, 322}},
      {"Alt+F4 closes", {{325, true}, {308, true}, {325, false}}, {325, -1, 837}},
      {"Alt+Shift+F4 closes", {{325, true}, {319, true}, {308, true}, {319, false}, {325, false}},
       {325, 319, -1, 831, 837}},
      {"Control+F4 is a key", {{318, true}, {308, true}, {318, false}}, {318, 308, 830}},
  };
  for (const Combination& c : cases) {
    SCOPED_TRACE(c.what);
    for (const Press& p : c.presses) key(p.key, p.down);
    std::vector<int> expected = c.expected;
    for (int& code : expected)
      if (code == -1) code = window.events[0];
    EXPECT_EQ(drain_events(), expected);
    EXPECT_EQ(window.modifiers, 0u);
    EXPECT_TRUE(window.created);
  }
}

TEST_F(WindowInput, LosingTheFocusForgetsHeldModifiers) {
  key(325, true);   // Alt goes down here, and up in another window
  EXPECT_EQ(drain_events(), (std::vector<int>{325}));
  message(VQMSG_UNFOCUS);
  key(308, true);
  EXPECT_EQ(drain_events(), (std::vector<int>{window.window_events[VQWEV_UNFOCUS], 308}));
  key(325, true);
  drain_events();
  message(VQMSG_DEACTIVATE);
  key(308, true);
  EXPECT_EQ(drain_events(), (std::vector<int>{window.window_events[VQWEV_DEACTIVATED], 308}));
}

struct Typed {
  int ch;
  bool control_held;
  std::vector<int> expected;
};

TEST_F(WindowInput, TypedCharactersPostTheirCodeAndControlLettersTheClipboardCommands) {
  const Typed cases[] = {
      {'0', false, {48}},         {'9', false, {57}},        {'A', false, {65}},
      {0xE4, false, {0xE4}},      {8, false, {8}},           {10, false, {}},
      {13, false, {}},            {32, false, {}},           {9, false, {}},
      {27, false, {}},            {22, false, {2033}},       {3, false, {2034}},
      {24, false, {2035}},        {'v', true, {318, 2033}},  {'C', true, {318, 2034}},
      {'x', true, {318, 2035}},   {'a', true, {318, 'a'}},   {'v', false, {'v'}},
  };
  for (const Typed& c : cases) {
    SCOPED_TRACE(c.ch);
    if (c.control_held) key(318, true);
    vqheadless_char(handle, c.ch);
    EXPECT_EQ(drain_events(), c.expected);
    if (c.control_held) key(318, false);
    drain_events();
  }
}

struct Mouse {
  int kind, button;
  int event;   // index into the main panel's event codes
};

TEST_F(WindowInput, MouseMessagesReachTheMainPanelWhichPostsItsCodes) {
  const Mouse cases[] = {
      {VQMSG_BUTTONDOWN, 1, VQEV_LEFTDOWN},    {VQMSG_BUTTONUP, 1, VQEV_LEFTUP},
      {VQMSG_DOUBLECLICK, 1, VQEV_LEFTDOUBLE}, {VQMSG_BUTTONDOWN, 2, VQEV_MIDDLEDOWN},
      {VQMSG_BUTTONUP, 2, VQEV_MIDDLEUP},      {VQMSG_BUTTONDOWN, 3, VQEV_RIGHTDOWN},
      {VQMSG_BUTTONUP, 3, VQEV_RIGHTUP},       {VQMSG_DOUBLECLICK, 3, VQEV_RIGHTDOUBLE},
      {VQMSG_MOUSEMOVE, 0, VQEV_MOVE},
  };
  for (const Mouse& c : cases) {
    SCOPED_TRACE(c.event);
    message(c.kind, 30, 40, c.button);
    EXPECT_EQ(drain_events(), (std::vector<int>{window.panels[0].events[c.event]}));
  }
  message(VQMSG_DOUBLECLICK, 30, 40, 2);   // a middle double click is ignored
  message(VQMSG_BUTTONDOWN, 30, 40, 4);    // a button the toolkit does not know
  EXPECT_TRUE(drain_events().empty());
  vqheadless_wheel(handle, 30, 40, 1);
  vqheadless_wheel(handle, 30, 40, -1);
  EXPECT_EQ(drain_events(), (std::vector<int>{window.panels[0].events[VQEV_WHEELUP],
                                              window.panels[0].events[VQEV_WHEELDOWN]}));
}

TEST_F(WindowInput, ClicksGoToTheBarUnderThePointer) {
  vqWindow bars;
  ASSERT_TRUE(vqwindow_open(&bars, "bars,x=0,y=0,xs=300,ys=200,menu,toolbar"));
  vqheadless_click(bars.platform.handle, 10, 5);    // menu bar
  vqheadless_click(bars.platform.handle, 10, 25);   // toolbar
  vqheadless_click(bars.platform.handle, 10, 45);   // main panel
  EXPECT_EQ(drain_events(),
            (std::vector<int>{bars.menubar.events[VQEV_LEFTDOWN], bars.menubar.events[VQEV_LEFTUP],
                              bars.toolbar.events[VQEV_LEFTDOWN], bars.toolbar.events[VQEV_LEFTUP],
                              bars.panels[0].events[VQEV_LEFTDOWN], bars.panels[0].events[VQEV_LEFTUP]}));
}

}  // namespace
