// Input of a window: the key table, the modifier combinations, typed
// characters and the mouse, from platform messages to event codes.
#include "test_window_util.h"
#include "vqkeys.h"
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
  key(VQKEY_ENTER, true);
  key(VQKEY_ENTER, false);
  EXPECT_EQ(drain_events(), (std::vector<int>{10, 522}));
}

TEST_F(WindowInput, EveryKeyOfTheTablePostsItsCodeAndItsReleasePlus512) {
  std::vector<int> table = {VQKEY_ENTER, VQKEY_ESCAPE, VQKEY_SPACE, VQKEY_TAB};
  for (int code = VQKEY_LEFT; code <= VQKEY_ALT; code++) table.push_back(code);
  for (int code : table) {
    SCOPED_TRACE(code);
    key(code, true);
    key(code, false);
    EXPECT_EQ(drain_events(), (std::vector<int>{code, code + VQKEY_RELEASED}));
  }
  const int no_keys[] = {0, VQCHAR_RETURN, 'A', VQKEY_LEFT - 1, VQKEY_ALT + 1, VQKEY_RELEASED};
  for (int code : no_keys) {
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
  enum { SHIFT = VQKEY_SHIFT, CONTROL = VQKEY_CONTROL, ALT = VQKEY_ALT, DELETE = VQKEY_DELETE, F4 = VQKEY_F4 };
  // The event codes of the releases.
  enum { SHIFT_UP = SHIFT + VQKEY_RELEASED, CONTROL_UP = CONTROL + VQKEY_RELEASED, ALT_UP = ALT + VQKEY_RELEASED,
         DELETE_UP = DELETE + VQKEY_RELEASED };
  const Combination cases[] = {
      {"Shift+Delete cuts", {{SHIFT, true}, {DELETE, true}, {DELETE, false}, {SHIFT, false}},
       {SHIFT, VQCMD_CUT, DELETE_UP, SHIFT_UP}},
      {"Delete alone", {{DELETE, true}, {DELETE, false}}, {DELETE, DELETE_UP}},
      {"Control+Shift+Delete is not exactly Shift",
       {{CONTROL, true}, {SHIFT, true}, {DELETE, true}, {SHIFT, false}, {CONTROL, false}},
       {CONTROL, SHIFT, DELETE, SHIFT_UP, CONTROL_UP}},
      {"Shift released before Delete", {{SHIFT, true}, {SHIFT, false}, {DELETE, true}}, {SHIFT, SHIFT_UP, DELETE}},
      {"Alt+F4 closes", {{ALT, true}, {F4, true}, {ALT, false}}, {ALT, -1, ALT_UP}},
      {"Alt+Shift+F4 closes", {{ALT, true}, {SHIFT, true}, {F4, true}, {SHIFT, false}, {ALT, false}},
       {ALT, SHIFT, -1, SHIFT_UP, ALT_UP}},
      {"Control+F4 is a key", {{CONTROL, true}, {F4, true}, {CONTROL, false}}, {CONTROL, F4, CONTROL_UP}},
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
  key(VQKEY_ALT, true);   // Alt goes down here, and up in another window
  EXPECT_EQ(drain_events(), (std::vector<int>{VQKEY_ALT}));
  message(VQMSG_UNFOCUS);
  key(VQKEY_F4, true);
  EXPECT_EQ(drain_events(), (std::vector<int>{window.window_events[VQWEV_UNFOCUS], VQKEY_F4}));
  key(VQKEY_ALT, true);
  drain_events();
  message(VQMSG_DEACTIVATE);
  key(VQKEY_F4, true);
  EXPECT_EQ(drain_events(), (std::vector<int>{window.window_events[VQWEV_DEACTIVATED], VQKEY_F4}));
}

struct Typed {
  int ch;
  bool control_held;
  std::vector<int> expected;
};

TEST_F(WindowInput, TypedCharactersPostTheirCodeAndControlLettersTheClipboardCommands) {
  const Typed cases[] = {
      {'0', false, {48}},
      {'9', false, {57}},
      {'A', false, {65}},
      {0xE4, false, {0xE4}},
      {VQCHAR_BACKSPACE, false, {VQCHAR_BACKSPACE}},
      {VQKEY_ENTER, false, {}},
      {VQCHAR_RETURN, false, {}},
      {VQKEY_SPACE, false, {}},
      {VQKEY_TAB, false, {}},
      {VQKEY_ESCAPE, false, {}},
      {VQCHAR_CONTROL_V, false, {VQCMD_PASTE}},
      {VQCHAR_CONTROL_C, false, {VQCMD_COPY}},
      {VQCHAR_CONTROL_X, false, {VQCMD_CUT}},
      {'v', true, {VQKEY_CONTROL, VQCMD_PASTE}},
      {'C', true, {VQKEY_CONTROL, VQCMD_COPY}},
      {'x', true, {VQKEY_CONTROL, VQCMD_CUT}},
      {'a', true, {VQKEY_CONTROL, 'a'}},
      {'v', false, {'v'}},
  };
  for (const Typed& c : cases) {
    SCOPED_TRACE(c.ch);
    if (c.control_held) key(VQKEY_CONTROL, true);
    vqheadless_char(handle, c.ch);
    EXPECT_EQ(drain_events(), c.expected);
    if (c.control_held) key(VQKEY_CONTROL, false);
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
