// The up-down control under the user's hand: arrow presses through the
// panel, the auto-repeat on the virtual clock, the wheel, typing a number,
// focus, and where its events go.
#include "controls_test_util.h"

namespace {

// x=10,y=10,xs=40,ys=24 with a border: the arrow column is 24 / 2 + 1 = 13
// wide with its left edge at 10 + 40 - 13 + 1 - 2 = 36; each arrow box is
// (24 - 4 + 1) / 2 = 10 high, so a press from y = 20 on is on the down arrow.
constexpr int kUpX = 42, kUpY = 14, kDownY = 28, kFieldX = 20, kFieldY = 20;
// The keys the tables below press, and the characters typed as keys.
enum { LEFT = VQKEY_LEFT, RIGHT = VQKEY_RIGHT, UP = VQKEY_UP, HOME = VQKEY_HOME, END = VQKEY_END,
       DEL = VQKEY_DELETE, ENTER = VQKEY_ENTER, ESC = VQKEY_ESCAPE, BACK = VQCHAR_BACKSPACE };

struct UpDownInput : ControlsTest {
  vqUpDownControl ud;
  void make(const char* options) {
    ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,xs=40,ys=24,%s", options));
    controls_codes();
  }
  int events() { return controls_count(controls_codes(), vqupdown_event(&ud)); }
  // Keys below 256 are typed characters, the others (and Backspace, Enter,
  // Escape) pressed keys.
  void keys(const std::vector<int>& list) {
    for (int k : list)
      (k < 256 && k != BACK && k != ENTER && k != ESC) ? type(std::string(1, char(k))) : key(k);
  }
};

TEST_F(UpDownInput, ArrowsStayBetweenMinAndMax) {
  make("min=1,max=12,start=1");
  click(kUpX, kDownY);
  EXPECT_STREQ(ud.text, "1");
  EXPECT_EQ(events(), 2);   // one at the press, one at the release
  for (int i = 0; i < 15; ++i) click(kUpX, kUpY);
  EXPECT_STREQ(ud.text, "12");
  EXPECT_EQ(events(), 30);
}

TEST_F(UpDownInput, WhereAPressLands) {
  const struct { int x, y; const char* text; } cases[] = {
      {kUpX, 19, "6"}, {kUpX, 20, "4"}, {36, kUpY, "6"}, {35, kUpY, "5"},   // 35: the field
  };
  make("start=5");
  for (const auto& c : cases) {
    vqupdown_setvalue(&ud, 5);
    click(c.x, c.y);
    EXPECT_STREQ(ud.text, c.text) << c.x << "," << c.y;
    key(ESC);
  }
}

TEST_F(UpDownInput, ATypedValueStepsFromWhatWasTyped) {
  make("step=5");
  click(kFieldX, kFieldY);
  keys({END, BACK, '1', '2'});   // End, Backspace over "0", then 12
  click(kUpX, kUpY);          // 12 + 5 = 17, onto the grid
  EXPECT_STREQ(ud.text, "15");
  keys({BACK, BACK, '1', '2', ENTER}); // accepted with Enter, 12 goes onto the grid: 10
  EXPECT_STREQ(ud.text, "10");
  click(kUpX, kUpY);
  EXPECT_STREQ(ud.text, "15");
  make("decimal=2,start=150,max=1000");
  click(kFieldX, kFieldY);
  keys({END, BACK, BACK, BACK, BACK, '1', '.', '5', ','});   // one point only
  EXPECT_STREQ(ud.text, "1.5");
  EXPECT_EQ(vqupdown_getvalue(&ud), 150);
  key(ENTER);
  EXPECT_STREQ(ud.text, "1.50");
}

// Keys into the field, then Enter (accept: grid and range) or Escape.
TEST_F(UpDownInput, KeyboardEditing) {
  const struct { const char* options; std::vector<int> keys; const char* editing; int last; const char* after; } cases[] = {
      {"start=123", {END, BACK, '9'}, "129", ENTER, "129"},
      {"start=123", {HOME, DEL}, "23", ENTER, "23"},              // Home, Delete
      {"start=123", {HOME, RIGHT, '7'}, "1723", ENTER, "1723"},     // Home, Right
      {"start=123", {'x', '-', '.', ' '}, "123", ENTER, "123"},  // refused where they are
      {"start=123", {HOME, '-', '-', LEFT, '5'}, "-123", ENTER, "-123"},
      {"start=123,maxlen=4", {END, '4', '5'}, "1234", ENTER, "1234"},
      {"start=123,max=500", {END, '9'}, "1239", ENTER, "500"},
      {"start=300,min=200", {END, BACK, BACK, '5'}, "35", ENTER, "200"},
      {"start=123", {END, BACK, BACK, BACK}, "", ENTER, "0"},
      {"start=123,step=10", {END, BACK, '9'}, "129", ENTER, "120"},
      {"start=5,digits=3", {END, BACK, BACK, BACK, '9'}, "9", ENTER, "009"},
      {"start=123", {END, BACK, BACK}, "1", ESC, "123"},
  };
  for (const auto& c : cases) {
    make(c.options);
    click(kFieldX, kFieldY);
    ASSERT_TRUE(ud.editing) << c.options;
    keys(c.keys);
    EXPECT_STREQ(ud.text, c.editing) << c.options;
    key(c.last);
    EXPECT_STREQ(ud.text, c.after) << c.options;
    EXPECT_FALSE(ud.editing);
  }
}

TEST_F(UpDownInput, LosingTheFocusAcceptsTheText) {
  vqUpDownControl other;
  make("min=1,max=12,start=1");
  ASSERT_TRUE(vqupdown_create(&other, "x=100,y=10,xs=40,ys=24"));
  click(kFieldX, kFieldY);
  key(ENTER);          // accepted without a change: no event
  EXPECT_EQ(events(), 0);
  click(kFieldX, kFieldY);
  keys({END, '9'});
  click(110, 20);   // into the other field
  EXPECT_TRUE(other.editing);
  EXPECT_FALSE(ud.editing || ud.focused);
  EXPECT_STREQ(ud.text, "12");
  EXPECT_EQ(events(), 1);
}

TEST_F(UpDownInput, CursorKeysAndTheWheelStepWhenFocused) {
  make("start=5");
  to_panel(VQCMD_WHEELUP, kFieldX, kFieldY);   // not focused: the panel scrolls instead
  click(kFieldX, kFieldY);
  controls_codes();
  to_panel(VQCMD_WHEELUP, kFieldX, kFieldY);
  to_panel(VQCMD_WHEELDOWN, kFieldX, kFieldY);
  to_panel(VQCMD_WHEELDOWN, kFieldX, kFieldY);
  key(UP);
  key(UP);
  EXPECT_STREQ(ud.text, "6");
  EXPECT_EQ(events(), 5);
  make("start=5,greyed");
  click(kUpX, kUpY);
  click(kFieldX, kFieldY);
  keys({'7', UP});
  EXPECT_STREQ(ud.text, "5");
  EXPECT_EQ(events(), 0);
}

TEST_F(UpDownInput, HoldingAnArrowRepeatsAfter500msThenEvery100ms) {
  make("start=0");
  press(kUpX, kUpY);
  EXPECT_STREQ(ud.text, "1");   // one step at once
  EXPECT_EQ(events(), 1);
  const struct { uint32_t after; const char* text; } marks[] = {
      {485, "1"}, {515, "2"}, {585, "2"}, {615, "3"}, {685, "3"}, {715, "4"}, {1015, "7"}};
  const uint64_t t0 = vqheadless_now();
  for (const auto& m : marks) {
    run_for(static_cast<uint32_t>(t0 + m.after - vqheadless_now()));
    EXPECT_STREQ(ud.text, m.text) << m.after << " ms after the press";
  }
  release(200, 150);   // the control holds the mouse: a release outside still ends it
  EXPECT_EQ(events(), 1);
  run_for(500);
  EXPECT_STREQ(ud.text, "7");
}

TEST_F(UpDownInput, DestroyedWhileHeld) {
  make("start=0");
  press(kUpX, kDownY);
  vqupdown_destroy(&ud);
  EXPECT_EQ(panel.captured_region, -1);
  run_for(1000);
  release(kUpX, kDownY);
  EXPECT_EQ(events(), 1);   // only the press
  make("start=0");
  press(kUpX, kUpY);
  vqgraphic_destroy(&panel);   // the host goes first and tells the control
  EXPECT_FALSE(ud.created);
  run_for(1000);
}

std::vector<int> g_heard;
int g_simple = 0;
int listen(void*, int code, int, int) { return g_heard.push_back(code), 0; }
void simple() { g_simple++; }

TEST_F(UpDownInput, EventsGoToTheCallbackInsteadOfTheQueue) {
  make("start=3");
  ud.notify.callback = listen;
  ud.notify.simple_callback = simple;
  click(kUpX, kUpY);
  EXPECT_EQ(g_heard, (std::vector<int>{vqupdown_event(&ud), vqupdown_event(&ud)}));
  EXPECT_EQ(g_simple, 2);
  EXPECT_EQ(events(), 0);
  EXPECT_EQ(ud.notify.last_a1, 4);   // the value of the last event
  vqcontrol_send(&ud.notify, 77, 1, 2);   // not its own code: no simple callback
  EXPECT_EQ(g_simple, 2);
  EXPECT_EQ(g_heard.back(), 77);
}

}  // namespace
