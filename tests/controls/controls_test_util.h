// The up-down and button tests' setting: a graphic panel on a plain host
// pixmap (headless back end, virtual clock) as the controls' host, and the
// user's hand: presses, keys and typing routed through the panel as its
// host would send them.
#pragma once

#include "vqcontrols.h"
#include "vqevent.h"
#include "vqfont.h"
#include "vqheadless.h"
#include "vqplatform.h"
#include "vqtarget.h"
#include "vqview.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

struct ControlsHost {
  vqpxmap pm;
  static int handler(void*, int, int, int, int, int, int, int, int, int) { return 0; }
  ControlsHost() {
    setenv("VQ_PLATFORM", "headless", 0);
    vqplatform_start();
    vqpxmap_init(&pm);
    pm.width = 400;
    pm.height = 200;
    pm.format = VQPX_TRUECOLOR;
    vqpxmap_allocate(&pm);
    vqcontainer_register(&pm, handler, this, 0xE0E0E0, false);
  }
  ~ControlsHost() {
    vqcontainer_remove(this);
    vqpxmap_free(&pm);
    vqrefresh_clear();
  }
};

struct ControlsTest : testing::Test {
  ControlsHost host;
  vqView panel;
  void SetUp() override {
    vqcontrol_setdefaultfont(-1);
    ASSERT_TRUE(vqgraphic_create(&panel, "x=0,y=0,xs=400,ys=200,bgcolor=e0e0e0"));
    vqgraphic_select(&panel);
    drain();
  }
  void TearDown() override { drain(); }

  // The panel sits at the host's origin: host and pixmap coordinates agree.
  int to_panel(int command, int a1 = 0, int a2 = 0) {
    return vqView::command(&panel, command, a1, a2, 0, 0, 0, 0, 0, 0);
  }
  void press(int x, int y) { to_panel(2004, x, y); }
  void release(int x, int y) { to_panel(2005, x, y); }
  void click(int x, int y) {
    press(x, y);
    release(x, y);
  }
  void move(int x, int y) { to_panel(2015, x, y); }
  void key(int k) {
    to_panel(2016, k);
    to_panel(2017, k);
  }
  // Typed characters come as key downs only, as the window passes them on.
  void type(const std::string& text) {
    for (unsigned char ch : text) to_panel(2016, ch);
  }

  uint32_t at(int x, int y) const { return static_cast<uint32_t>(vqpxmap_getpixel(&panel.pixmap, x, y)); }
  int count(int x, int y, int w, int h, uint32_t color) const {
    int n = 0;
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) n += at(i, j) == color;
    return n;
  }

  static void drain() {
    while (vqeventpending()) vqpollevent();
  }
  // Every code in the queue, oldest first.
  static std::vector<int> codes() {
    std::vector<int> out;
    while (vqeventpending()) out.push_back(vqpollevent());
    return out;
  }
  static int count_of(const std::vector<int>& list, int code) {
    int n = 0;
    for (int c : list) n += c == code;
    return n;
  }
};

// Moves the virtual clock on millisecond by millisecond, serving the timers
// as the program's loop would.
inline void controls_advance(uint32_t ms) {
  for (uint32_t i = 0; i < ms; ++i) {
    vqheadless_advance(1);
    vqpump_nonblocking();
  }
}
