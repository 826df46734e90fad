// The up-down control under the user's hand: arrow presses through the
// panel, the auto-repeat on the virtual clock, the wheel, typing a number,
// focus, and where its events go.
#include "controls_test_util.h"

#include "vqtimer.h"

namespace {

// x=10,y=10,xs=40,ys=24 with a border: the arrow column is 24 / 2 + 1 = 13
// wide with its left edge at 10 + 40 - 13 + 1 - 2 = 36; each arrow box is
// (24 - 4 + 1) / 2 = 10 high, so a press from y = 20 on is on the down arrow.
constexpr int kUpX = 42, kUpY = 14, kDownX = 42, kDownY = 28, kFieldX = 20, kFieldY = 20;

struct UpDownInput : ControlsTest {
  vqUpDownControl ud;
  void make(const char* options) {
    ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,xs=40,ys=24,%s", options));
    drain();
  }
  int mine(const std::vector<int>& list) const { return count_of(list, vqupdown_event(&ud)); }
};

TEST_F(UpDownInput, ArrowsStayBetweenMinAndMax) {
  make("min=1,max=12,start=1");
  click(kDownX, kDownY);
  EXPECT_STREQ(ud.text, "1");
  EXPECT_EQ(mine(codes()), 2);   // one at the press, one at the release
  for (int i = 0; i < 12; ++i) click(kUpX, kUpY);
  EXPECT_STREQ(ud.text, "12");
  for (int i = 0; i < 3; ++i) click(kUpX, kUpY);
  EXPECT_STREQ(ud.text, "12");
  EXPECT_EQ(mine(codes()), 30);
  EXPECT_FALSE(ud.up_pressed || ud.down_pressed);
}

TEST_F(UpDownInput, WhereAPressLands) {
  struct press_case {
    int x, y;
    const char* text;   // after one press from 5
  } cases[] = {
      {kUpX, 19, "6"}, {kUpX, 20, "4"}, {kUpX, 11, "6"}, {kUpX, 33, "4"},
      {36, kUpY, "6"}, {35, kUpY, "5"},   // left of the column: the field
  };
  make("start=5");
  for (const press_case& c : cases) {
    vqupdown_setvalue(&ud, 5);
    click(c.x, c.y);
    EXPECT_STREQ(ud.text, c.text) << c.x << "," << c.y;
    key(27);   // ends any editing the field press began
  }
}

TEST_F(UpDownInput, ATypedValueStepsFromWhatWasTyped) {
  make("step=5");
  click(kFieldX, kFieldY);
  ASSERT_TRUE(ud.editing);
  key(321);  // End
  key(8);    // Backspace: the text was "0"
  type("12");
  EXPECT_STREQ(ud.text, "12");
  click(kUpX, kUpY);   // 12 + 5 = 17, onto the grid
  EXPECT_STREQ(ud.text, "15");
  // Accepted with Enter, 12 goes onto the grid first: 10, then up to 15.
  key(8);
  key(8);
  type("12");
  key(10);
  EXPECT_STREQ(ud.text, "10");
  EXPECT_FALSE(ud.editing);
  click(kUpX, kUpY);
  EXPECT_STREQ(ud.text, "15");
}

TEST_F(UpDownInput, DecimalPlacesWhenTyping) {
  make("decimal=2,start=150,max=1000");
  EXPECT_STREQ(ud.text, "1.50");
  click(kFieldX, kFieldY);
  key(321);
  for (int i = 0; i < 4; ++i) key(8);
  type("1.5");
  EXPECT_EQ(vqupdown_getvalue(&ud), 150);
  type(",");   // one point only
  EXPECT_STREQ(ud.text, "1.5");
  key(10);
  EXPECT_STREQ(ud.text, "1.50");
}

struct edit_case {
  const char* options;
  std::vector<int> keys;   // below 256 typed, else pressed
  const char* editing;     // the text before Enter
  const char* accepted;    // after Enter
};

TEST_F(UpDownInput, KeyboardEditing) {
  const edit_case cases[] = {
      {"start=123", {321, 8, '9'}, "129", "129"},
      {"start=123", {320, 322}, "23", "23"},
      {"start=123", {320, 302, '7'}, "1723", "1723"},
      {"start=123", {'x', '-', '.', ' '}, "123", "123"},
      {"start=123", {320, '-'}, "-123", "-123"},
      {"start=123", {320, '-', '-', 301, '5'}, "-123", "-123"},
      {"start=123,maxlen=4", {321, '4', '5', '6'}, "1234", "1234"},
      {"start=123,max=500", {321, '9'}, "1239", "500"},
      {"start=300,min=200", {321, 8, 8, '5'}, "35", "200"},
      {"start=123", {321, 8, 8, 8}, "", "0"},
      {"start=123,step=10", {321, 8, '9'}, "129", "120"},
      {"start=5,digits=3", {321, 8, 8, 8, '9'}, "9", "009"},
      {"start=123,password", {321, '4'}, "1234", "1234"},
  };
  for (const edit_case& c : cases) {
    make(c.options);
    click(kFieldX, kFieldY);
    ASSERT_TRUE(ud.editing) << c.options;
    for (int k : c.keys) {
      if (k < 256 && k != 8) type(std::string(1, static_cast<char>(k)));
      else key(k);
    }
    EXPECT_STREQ(ud.text, c.editing) << c.options;
    key(10);
    EXPECT_STREQ(ud.text, c.accepted) << c.options;
  }
}

TEST_F(UpDownInput, EscapeCancelsAndEnterSendsAnEventOnlyForAChange) {
  make("start=123");
  click(kFieldX, kFieldY);
  key(321);
  key(8);
  key(8);
  EXPECT_STREQ(ud.text, "1");
  key(27);
  EXPECT_STREQ(ud.text, "123");
  EXPECT_FALSE(ud.editing);
  EXPECT_EQ(mine(codes()), 0);
  click(kFieldX, kFieldY);
  key(10);   // nothing typed
  EXPECT_EQ(mine(codes()), 0);
  click(kFieldX, kFieldY);
  type("4");
  key(10);
  EXPECT_EQ(mine(codes()), 1);
}

TEST_F(UpDownInput, LosingTheFocusAcceptsTheText) {
  vqUpDownControl other;
  make("min=1,max=12,start=1");
  ASSERT_TRUE(vqupdown_create(&other, "x=100,y=10,xs=40,ys=24"));
  click(kFieldX, kFieldY);
  key(321);
  type("9");
  EXPECT_STREQ(ud.text, "19");
  drain();
  click(110, 20);   // into the other field
  EXPECT_TRUE(other.editing);
  EXPECT_FALSE(ud.editing || ud.focused);
  EXPECT_STREQ(ud.text, "12");
  EXPECT_EQ(mine(codes()), 1);
}

TEST_F(UpDownInput, CursorKeysStepAndTheWheelStepsWhenFocused) {
  make("start=5");
  to_panel(2013, kFieldX, kFieldY);   // not focused: the panel scrolls instead
  EXPECT_STREQ(ud.text, "5");
  click(kFieldX, kFieldY);
  drain();
  to_panel(2013, kFieldX, kFieldY);
  EXPECT_STREQ(ud.text, "6");
  to_panel(2014, kFieldX, kFieldY);
  to_panel(2014, kFieldX, kFieldY);
  EXPECT_STREQ(ud.text, "4");
  key(303);
  EXPECT_STREQ(ud.text, "5");
  key(304);
  EXPECT_STREQ(ud.text, "4");
  EXPECT_EQ(mine(codes()), 5);
}

TEST_F(UpDownInput, GreyedTakesNoInput) {
  make("start=5,greyed");
  click(kUpX, kUpY);
  click(kFieldX, kFieldY);
  type("7");
  EXPECT_STREQ(ud.text, "5");
  EXPECT_FALSE(ud.focused);
  EXPECT_EQ(mine(codes()), 0);
}

// Values the control shows after each stretch of holding the up arrow.
TEST_F(UpDownInput, HoldingAnArrowRepeatsAfter500msThenEvery100ms) {
  make("start=0");
  press(kUpX, kUpY);
  EXPECT_STREQ(ud.text, "1");   // one step at once
  EXPECT_EQ(mine(codes()), 1);
  struct mark {
    uint32_t after;   // ms since the press
    const char* text;
  } marks[] = {{485, "1"}, {515, "2"}, {585, "2"}, {615, "3"}, {685, "3"}, {715, "4"}, {1015, "7"}};
  const uint64_t t0 = vqheadless_now();
  for (const mark& m : marks) {
    controls_advance(static_cast<uint32_t>(t0 + m.after - vqheadless_now()));
    EXPECT_STREQ(ud.text, m.text) << m.after << " ms";
  }
  move(200, 150);      // the control holds the mouse: a move away does not end it
  release(200, 150);   // nor does a release outside it
  EXPECT_FALSE(ud.up_pressed);
  EXPECT_EQ(mine(codes()), 1);   // the steps while held sent nothing; the release one
  controls_advance(500);
  EXPECT_STREQ(ud.text, "7");
}

TEST_F(UpDownInput, DestroyedWhileHeld) {
  make("start=0");
  press(kDownX, kDownY);
  vqupdown_destroy(&ud);
  EXPECT_EQ(panel.captured_region, -1);
  for (int i = 0; i < panel.region_count; ++i) EXPECT_FALSE(panel.regions[i].in_use && panel.regions[i].object == &ud);
  controls_advance(1000);
  EXPECT_FALSE(ud.created);
  release(kDownX, kDownY);
  EXPECT_EQ(mine(codes()), 1);   // only the press
}

// The host panel going away first tells the control (2001).
TEST_F(UpDownInput, HostDestroyedFirst) {
  make("start=0");
  press(kUpX, kUpY);
  vqgraphic_destroy(&panel);
  EXPECT_FALSE(ud.created);
  controls_advance(1000);
  drain();
}

struct heard {
  std::vector<int> codes;
  int simple = 0;
};
heard g_heard;
int listen(void* object, int code, int, int) {
  static_cast<heard*>(object)->codes.push_back(code);
  return 0;
}
void simple() { g_heard.simple++; }

TEST_F(UpDownInput, EventsGoToTheCallbackInsteadOfTheQueue) {
  make("start=3");
  g_heard = heard{};
  ud.notify.callback = listen;
  ud.notify.callback_object = &g_heard;
  ud.notify.simple_callback = simple;
  click(kUpX, kUpY);
  EXPECT_EQ(g_heard.codes, (std::vector<int>{vqupdown_event(&ud), vqupdown_event(&ud)}));
  EXPECT_EQ(g_heard.simple, 2);
  EXPECT_EQ(mine(codes()), 0);
  EXPECT_EQ(ud.notify.last_code, vqupdown_event(&ud));
  EXPECT_EQ(ud.notify.last_a1, 4);
  // A code that is not the control's own skips the simple callback.
  vqcontrol_send(&ud.notify, 77, 1, 2);
  EXPECT_EQ(g_heard.simple, 2);
  EXPECT_EQ(g_heard.codes.back(), 77);
  EXPECT_EQ(ud.notify.last_a2, 2);
  ud.notify.callback = nullptr;
  ud.notify.simple_callback = nullptr;
}

}  // namespace
