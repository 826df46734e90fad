// Controls in a real top-level window on the headless back end: clicks and
// typing travel from platform messages through the window and its main
// panel to the controls, and what they draw reaches the window's screen.
#include "controls_test_util.h"

#include "vqwindow.h"

namespace {

TEST(ControlsInWindow, InputReachesThemAndTheirDrawingTheScreen) {
  setenv("VQ_PLATFORM", "headless", 0);
  ASSERT_TRUE(vqplatform_start());
  vqheadless_set_screen_size(1024, 768);
  vqcontrol_setdefaultfont(-1);
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "Steuerung,x=0,y=0,xs=300,ys=100,bgcolor=e0e0e0"));
  const int w = window.platform.handle;
  vqUpDownControl ud;
  vqButton start;
  ASSERT_TRUE(vqupdown_create(&ud, "x=10,y=10,xs=40,ys=24,min=1,max=12,start=1"));
  ASSERT_TRUE(vqbutton_create(&start, "START,x=100,y=10,xs=70"));
  controls_codes();
  for (int i = 0; i < 3; ++i) vqheadless_click(w, 42, 14);
  vqheadless_click(w, 120, 20);
  std::vector<int> got = controls_codes();
  EXPECT_STREQ(ud.text, "4");
  EXPECT_EQ(controls_count(got, vqupdown_event(&ud)), 6);
  EXPECT_EQ(controls_count(got, vqbutton_event(&start)), 1);
  // Into the field: End, Backspace, "9", Enter.
  vqheadless_click(w, 20, 20);
  vqheadless_key(w, VQKEY_END, true);
  vqheadless_char(w, VQCHAR_BACKSPACE);
  vqheadless_char(w, '9');
  vqheadless_key(w, VQKEY_ENTER, true);
  vqheadless_key(w, VQKEY_ENTER, false);
  EXPECT_EQ(controls_count(controls_codes(), vqupdown_event(&ud)), 1);
  EXPECT_EQ(vqupdown_getvalue(&ud), 9);
  // The down arrow held: its box sunken on the screen, the up box raised.
  vqheadless_button(w, 42, 28, 1, true);
  controls_codes();
  EXPECT_EQ(vqheadless_pixel(w, 10, 10), 0x808080u);
  EXPECT_EQ(vqheadless_pixel(w, 36, 22), 0x808080u);
  EXPECT_EQ(vqheadless_pixel(w, 36, 12), 0xE0E0E0u);
  EXPECT_EQ(vqheadless_pixel(w, 169, 30), 0x000000u);   // START's raised frame
  vqheadless_button(w, 42, 28, 1, false);
  controls_codes();
  EXPECT_EQ(vqheadless_pixel(w, 36, 22), 0xE0E0E0u);
  vqwindow_close(&window);
  EXPECT_FALSE(ud.created || start.created);
}

}  // namespace
