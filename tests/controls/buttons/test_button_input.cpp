// Push buttons: preferred size and colours, and what presses, releases,
// keys, hover, switching, hotkeys and mouserepeat do and send.
#include "controls_test_util.h"

namespace {

constexpr int kInX = 30, kInY = 20;      // inside "x=10,y=10,xs=60,ys=24"
constexpr int kOutX = 200, kOutY = 150;

struct ButtonInput : ControlsTest {
  vqButton bt;
  void make(const char* options) {
    ASSERT_TRUE(vqbutton_create(&bt, "OK,x=10,y=10,xs=60,ys=24,%s", options));
    controls_codes();
  }
  int events() { return controls_count(controls_codes(), vqbutton_event(&bt)); }
};

TEST_F(ButtonInput, PreferredSizeAndColours) {
  const struct { const char* options; int width, height; } sizes[] = {
      {"START,x=0,y=0", 30 + 20, 13 + 8},   // 6x13: five characters
      {"START,x=0,y=0,hyperlink", 30 + 1, 13 + 1},
      {",x=0,y=0", 20, 21},
      {"START,x=0,y=0,xs=70,font=12x24", 70, 32},
  };
  for (const auto& c : sizes) {
    ASSERT_TRUE(vqbutton_create(&bt, "%s", c.options));
    EXPECT_EQ(vqbutton_right(&bt), c.width) << c.options;
    EXPECT_EQ(vqbutton_bottom(&bt), c.height) << c.options;
  }
  const struct { const char* options; uint32_t text, light; } colours[] = {
      {"", 0x000000, 0xE0E0E0},
      {"bgcolor=000080", 0xFFFFFF, 0x2020A0},                   // dark: white text
      {"bgcolor=000080,textcolor=yellow", 0xFFFF00, 0x2020A0},
      {"bgcolor=7f7f80", 0xFFFFFF, 0x9F9FA0},                   // 382 is dark
      {"bgcolor=808080", 0x000000, 0xA0A0A0},                   // 384 is not
      {"bgcolor=f0e8ff", 0x000000, 0xFFFFFF},                   // each at most 255
  };
  for (const auto& c : colours) {
    make(c.options);
    EXPECT_EQ(bt.text_color, c.text) << c.options;
    EXPECT_EQ(bt.light_color, c.light) << c.options;
    EXPECT_EQ(at(40, 30), bt.background_color) << c.options;   // the face, below the label
  }
}

TEST_F(ButtonInput, PressThenReleasePostsOnce) {
  make("");
  press(kInX, kInY);
  EXPECT_TRUE(bt.mouse_held && bt.focused);
  EXPECT_EQ(events(), 0);
  release(kInX, kInY);
  release(kInX, kInY);   // a second release is no click
  EXPECT_EQ(events(), 1);
  EXPECT_EQ(vqbutton_state(&bt), 0);
  click(kInX, kInY);     // a double click as the desktop reports it: two clicks
  to_panel(VQCMD_LEFTDOUBLE, kInX, kInY);
  release(kInX, kInY);
  EXPECT_EQ(events(), 2);
  // Leaving cancels a press without an event.
  move(kInX, kInY);
  press(kInX, kInY);
  move(kOutX, kOutY);
  EXPECT_FALSE(bt.hovered || bt.mouse_held);
  move(kInX, kInY);
  release(kInX, kInY);
  EXPECT_EQ(events(), 0);
}

TEST_F(ButtonInput, SwitchSendsOnThePressAndStays) {
  make("switch");
  press(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  EXPECT_EQ(events(), 1);
  release(kInX, kInY);
  EXPECT_EQ(events(), 0);
  click(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 0);
  EXPECT_EQ(events(), 1);
  make("keeppressed,pressed");
  EXPECT_EQ(vqbutton_state(&bt), 1);
  key(VQKEY_SPACE);   // not focused yet: the key is not the button's
  click(kInX, kInY);
  key(VQKEY_SPACE);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  EXPECT_EQ(events(), 2);
}

TEST_F(ButtonInput, KeysPressAndTheReleaseSends) {
  make("");
  click(kInX, kInY);   // takes the focus
  controls_codes();
  for (int k : {VQKEY_SPACE, VQKEY_ENTER}) {
    to_panel(VQCMD_KEYDOWN, k);
    to_panel(VQCMD_KEYDOWN, k);   // the desktop's repeat of a held key
    EXPECT_TRUE(bt.key_held) << k;
    EXPECT_EQ(events(), 0) << k;
    to_panel(VQCMD_KEYUP, k);
    EXPECT_EQ(events(), 1) << k;
  }
  key('x');
  to_panel(VQCMD_KEYDOWN, VQKEY_SPACE);
  to_panel(VQCMD_KEYDOWN, VQKEY_ESCAPE);   // Escape takes the focus: the held key is dropped
  to_panel(VQCMD_KEYUP, VQKEY_SPACE);
  EXPECT_FALSE(bt.focused);
  EXPECT_EQ(events(), 0);
  for (const char* options : {"nofocus", "skip", "nokeyfocus", "greyed"}) {
    make(options);
    click(kInX, kInY);
    EXPECT_FALSE(bt.focused) << options;
    EXPECT_EQ(events(), bt.greyed ? 0 : 1) << options;
  }
}

// The state is the button's value: pressed while the mouse or Blank or
// Enter holds it, released again with the release that sends the event, and
// for a switch the side it has switched to.
TEST_F(ButtonInput, StateReadsPressedWhileHeld) {
  make("");
  EXPECT_EQ(vqbutton_state(&bt), 0);
  press(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  release(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 0);
  EXPECT_EQ(events(), 1);
  for (int k : std::initializer_list<int>{VQKEY_SPACE, VQKEY_ENTER, VQCHAR_RETURN}) {
    to_panel(VQCMD_KEYDOWN, k);
    EXPECT_EQ(vqbutton_state(&bt), 1) << k;
    to_panel(VQCMD_KEYUP, k);
    EXPECT_EQ(vqbutton_state(&bt), 0) << k;
    EXPECT_EQ(events(), 1) << k;
  }
  move(kInX, kInY);
  press(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  move(kOutX, kOutY);   // leaving cancels the press
  EXPECT_EQ(vqbutton_state(&bt), 0);
  make("switch");
  press(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  release(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  to_panel(VQCMD_KEYDOWN, VQKEY_SPACE);   // switched back off while the key is still down
  EXPECT_EQ(vqbutton_state(&bt), 0);
  to_panel(VQCMD_KEYUP, VQKEY_SPACE);
  EXPECT_EQ(vqbutton_state(&bt), 0);
}

TEST_F(ButtonInput, HotkeysAndTheDefaultButton) {
  vqButton other;
  make("hotkey=s");
  ASSERT_TRUE(vqbutton_create(&other, "Weiter,x=100,y=10,default"));
  EXPECT_TRUE(vqbutton_hotkey('s'));
  EXPECT_TRUE(vqbutton_hotkey('S'));
  EXPECT_FALSE(vqbutton_hotkey('t'));
  EXPECT_TRUE(vqbutton_hotkey(VQKEY_ENTER));
  std::vector<int> got = controls_codes();
  EXPECT_EQ(controls_count(got, vqbutton_event(&bt)), 2);
  EXPECT_EQ(controls_count(got, vqbutton_event(&other)), 1);
  click(kInX, kInY);   // a focused button takes its hotkey itself
  controls_codes();
  to_panel(VQCMD_KEYDOWN, 's');
  EXPECT_EQ(events(), 1);
  vqbutton_destroy(&bt);
  vqbutton_destroy(&other);
  EXPECT_FALSE(vqbutton_hotkey('s') || vqbutton_hotkey(VQKEY_ENTER));
}

TEST_F(ButtonInput, MouseRepeatSendsWhileHeld) {
  make("mouserepeat");
  press(kInX, kInY);
  EXPECT_EQ(events(), 1);
  run_for(485);
  EXPECT_EQ(events(), 0);
  run_for(230);   // 715: at 500, 600 and 700
  EXPECT_EQ(events(), 3);
  release(kInX, kInY);
  run_for(300);
  EXPECT_EQ(events(), 0);
}

TEST_F(ButtonInput, LinksSetTheMousePointer) {
  make("hyperlink");
  move(kInX, kInY);
  EXPECT_EQ(vqheadless_cursor(), VQCURSOR_HAND);
  move(kOutX, kOutY);
  EXPECT_EQ(vqheadless_cursor(), VQCURSOR_ARROW);
  make("hyperlink,greyed");
  move(kInX, kInY);
  EXPECT_EQ(vqheadless_cursor(), VQCURSOR_ARROW);
  make("hotkey=q");
  vqgraphic_destroy(&panel);   // the host goes first and tells the button
  EXPECT_FALSE(bt.created || vqbutton_hotkey('q'));
}

}  // namespace
