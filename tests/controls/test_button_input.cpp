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
    drain();
  }
  int mine() { return count_of(codes(), vqbutton_event(&bt)); }
};

TEST_F(ButtonInput, PreferredSize) {
  struct size_case {
    const char* options;
    int width, height;
  } cases[] = {
      {"START,x=0,y=0", 30 + 20, 13 + 8},        // 6x13: five characters
      {"START,x=0,y=0,hyperlink", 30 + 1, 13 + 1},
      {",x=0,y=0", 20, 21},
      {"START,x=0,y=0,xs=70", 70, 21},
      {"START,x=0,y=0,ys=30", 50, 30},
      {"START,x=0,y=0,font=12x24", 60 + 20, 24 + 8},
  };
  for (const size_case& c : cases) {
    ASSERT_TRUE(vqbutton_create(&bt, "%s", c.options));
    EXPECT_EQ(bt.width, c.width) << c.options;
    EXPECT_EQ(bt.height, c.height) << c.options;
    EXPECT_EQ(vqbutton_right(&bt), c.width);
    EXPECT_EQ(vqbutton_bottom(&bt), c.height);
  }
  EXPECT_STREQ(bt.label, "START");
}

TEST_F(ButtonInput, ColoursFromTheBackground) {
  struct colour_case {
    const char* options;
    uint32_t text, background, light;
  } cases[] = {
      {"", 0x000000, 0xD0D0D0, 0xE0E0E0},
      {"bgcolor=000080", 0xFFFFFF, 0x000080, 0x2020A0},          // dark: white text
      {"bgcolor=000080,textcolor=yellow", 0xFFFF00, 0x000080, 0x2020A0},
      {"bgcolor=7f7f80", 0xFFFFFF, 0x7F7F80, 0x9F9FA0},          // 382 is dark
      {"bgcolor=808080", 0x000000, 0x808080, 0xA0A0A0},          // 384 is not
      {"bgcolor=f0e8ff", 0x000000, 0xF0E8FF, 0xFFFFFF},          // each at most 255
  };
  for (const colour_case& c : cases) {
    make(c.options);
    EXPECT_EQ(bt.text_color, c.text) << c.options;
    EXPECT_EQ(bt.background_color, c.background) << c.options;
    EXPECT_EQ(bt.light_color, c.light) << c.options;
    EXPECT_EQ(at(40, 30), c.background) << c.options;   // the face, below the label
  }
}

TEST_F(ButtonInput, PressThenReleasePostsOnce) {
  make("");
  press(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 0);   // held, not switched
  EXPECT_TRUE(bt.mouse_held);
  EXPECT_TRUE(bt.focused);
  EXPECT_EQ(mine(), 0);
  release(kInX, kInY);
  EXPECT_EQ(mine(), 1);
  EXPECT_FALSE(bt.mouse_held);
  release(kInX, kInY);   // a second release is no click
  EXPECT_EQ(mine(), 0);
  // A double click as the desktop reports it: two clicks.
  press(kInX, kInY);
  release(kInX, kInY);
  to_panel(2006, kInX, kInY);
  release(kInX, kInY);
  EXPECT_EQ(mine(), 2);
}

TEST_F(ButtonInput, LeavingCancelsThePress) {
  make("");
  move(kInX, kInY);
  EXPECT_TRUE(bt.hovered);
  press(kInX, kInY);
  move(kOutX, kOutY);
  EXPECT_FALSE(bt.hovered);
  EXPECT_FALSE(bt.mouse_held);
  release(kOutX, kOutY);
  move(kInX, kInY);
  release(kInX, kInY);
  EXPECT_EQ(mine(), 0);
}

TEST_F(ButtonInput, SwitchSendsOnThePressAndStays) {
  make("switch");
  press(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  EXPECT_EQ(mine(), 1);
  release(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  EXPECT_EQ(mine(), 0);
  click(kInX, kInY);
  EXPECT_EQ(vqbutton_state(&bt), 0);
  EXPECT_EQ(mine(), 1);
  make("keeppressed,pressed");
  EXPECT_EQ(vqbutton_state(&bt), 1);
  key(32);
  EXPECT_EQ(vqbutton_state(&bt), 1);   // not focused yet: the key is not the button's
  click(kInX, kInY);
  drain();
  key(32);
  EXPECT_EQ(vqbutton_state(&bt), 1);
  EXPECT_EQ(mine(), 1);
}

TEST_F(ButtonInput, KeysPressAndTheReleaseSends) {
  make("");
  click(kInX, kInY);   // takes the focus
  drain();
  for (int k : {32, 10}) {
    to_panel(2016, k);
    EXPECT_TRUE(bt.key_held) << k;
    to_panel(2016, k);   // the desktop's repeat of a held key
    EXPECT_EQ(mine(), 0) << k;
    to_panel(2017, k);
    EXPECT_FALSE(bt.key_held);
    EXPECT_EQ(mine(), 1) << k;
  }
  to_panel(2016, 'x');
  to_panel(2017, 'x');
  EXPECT_EQ(mine(), 0);
  // Escape takes the focus away; a pressed key is dropped without an event.
  to_panel(2016, 32);
  to_panel(2016, 27);
  to_panel(2017, 32);
  EXPECT_FALSE(bt.focused);
  EXPECT_EQ(mine(), 0);
}

TEST_F(ButtonInput, NoFocusButtonsAreNotFocused) {
  for (const char* options : {"nofocus", "skip", "nokeyfocus", "focus=no"}) {
    make(options);
    click(kInX, kInY);
    EXPECT_FALSE(bt.focused) << options;
    EXPECT_EQ(mine(), 1) << options;   // still a button
  }
}

TEST_F(ButtonInput, GreyedTakesNothing) {
  make("greyed");
  move(kInX, kInY);
  click(kInX, kInY);
  EXPECT_FALSE(bt.focused);
  EXPECT_FALSE(vqbutton_hotkey(10));
  EXPECT_EQ(mine(), 0);
}

TEST_F(ButtonInput, HotkeysAndTheDefaultButton) {
  vqButton other;
  make("hotkey=s");
  ASSERT_TRUE(vqbutton_create(&other, "Weiter,x=100,y=10,default"));
  drain();
  EXPECT_TRUE(vqbutton_hotkey('s'));
  EXPECT_TRUE(vqbutton_hotkey('S'));
  EXPECT_FALSE(vqbutton_hotkey('t'));
  EXPECT_EQ(mine(), 2);
  EXPECT_TRUE(vqbutton_hotkey(10));
  EXPECT_EQ(count_of(codes(), vqbutton_event(&other)), 1);
  // A focused button takes its hotkey itself.
  click(kInX, kInY);
  drain();
  to_panel(2016, 's');
  EXPECT_EQ(mine(), 1);
  vqbutton_destroy(&bt);
  EXPECT_FALSE(vqbutton_hotkey('s'));
}

TEST_F(ButtonInput, MouseRepeatSendsWhileHeld) {
  make("mouserepeat");
  press(kInX, kInY);
  EXPECT_EQ(mine(), 1);
  controls_advance(485);
  EXPECT_EQ(mine(), 0);
  controls_advance(30);    // 515
  EXPECT_EQ(mine(), 1);
  controls_advance(200);   // 715: 600 and 700
  EXPECT_EQ(mine(), 2);
  release(kInX, kInY);
  controls_advance(300);
  EXPECT_EQ(mine(), 0);
}

TEST_F(ButtonInput, LinksSetTheMousePointer) {
  make("hyperlink");
  move(kInX, kInY);
  EXPECT_EQ(vqheadless_cursor(), VQCURSOR_HAND);
  EXPECT_EQ(bt.text_color, 0x000080u);
  move(kOutX, kOutY);
  EXPECT_EQ(vqheadless_cursor(), VQCURSOR_ARROW);
  make("hyperlink,greyed");
  move(kInX, kInY);
  EXPECT_EQ(vqheadless_cursor(), VQCURSOR_ARROW);
}

TEST_F(ButtonInput, DestroyedByItsHost) {
  make("hotkey=q");
  vqgraphic_destroy(&panel);
  EXPECT_FALSE(bt.created);
  EXPECT_FALSE(vqbutton_hotkey('q'));
}

}  // namespace
