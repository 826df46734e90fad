// The up-down and button tests' setting: a graphic panel on a plain host
// pixmap (headless back end, virtual clock) hosts the controls, and the
// user's hand sends presses, keys and typing through the panel.
#pragma once

#include "plain_host_test_util.h"
#include "vqcontrols.h"
#include "vqfont.h"
#include "vqkeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every code the queue holds, oldest first; how often one of them came.
inline std::vector<int> controls_codes() {
  std::vector<int> out;
  for (int code; (code = vqpollevent()) != 0;) out.push_back(code);
  return out;
}
inline int controls_count(const std::vector<int>& codes, int code) {
  int n = 0;
  for (int c : codes) n += c == code;
  return n;
}

struct ControlsTest : testing::Test {
  PlainHost host{400, 200};
  vqView panel;
  void SetUp() override {
    vqcontrol_setdefaultfont(-1);
    ASSERT_TRUE(vqgraphic_create(&panel, "x=0,y=0,xs=400,ys=200,bgcolor=e0e0e0"));
    vqgraphic_select(&panel);
    controls_codes();
  }
  // The panel sits at the host's origin: host and pixmap coordinates agree.
  void to_panel(int command, int a1 = 0, int a2 = 0) { vqView::command(&panel, command, a1, a2, 0, 0, 0, 0, 0, 0); }
  void press(int x, int y) { to_panel(VQCMD_LEFTDOWN, x, y); }
  void release(int x, int y) { to_panel(VQCMD_LEFTUP, x, y); }
  void click(int x, int y) { press(x, y), release(x, y); }
  void move(int x, int y) { to_panel(VQCMD_MOUSEMOVE, x, y); }
  void key(int k) { to_panel(VQCMD_KEYDOWN, k), to_panel(VQCMD_KEYUP, k); }
  // Typed characters come as key downs only, as a window passes them on.
  void type(const std::string& text) {
    for (unsigned char ch : text) to_panel(VQCMD_KEYDOWN, ch);
  }
  uint32_t at(int x, int y) const { return static_cast<uint32_t>(vqpxmap_getpixel(&panel.pixmap, x, y)); }
  int count(int x, int y, int w, int h, uint32_t color) const { return count_color(&panel.pixmap, x, y, w, h, color); }
};
