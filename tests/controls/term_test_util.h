// The terminal tests' setting: a graphic panel on a plain host pixmap (the
// headless back end, its virtual clock), and a terminal created on it.
#pragma once

#include "vqevent.h"
#include "vqheadless.h"
#include "vqplatform.h"
#include "vqtarget.h"
#include "vqterminal.h"
#include "vqview.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

struct TermHost {
  vqpxmap pm;
  static int handler(void*, int, int, int, int, int, int, int, int, int) { return 0; }
  TermHost() {
    setenv("VQ_PLATFORM", "headless", 0);
    vqplatform_start();
    vqpxmap_init(&pm);
    pm.width = 1000;
    pm.height = 400;
    pm.format = VQPX_TRUECOLOR;
    vqpxmap_allocate(&pm);
    vqcontainer_register(&pm, handler, this, 0xE0E0E0, false);
  }
  ~TermHost() {
    vqcontainer_remove(this);
    vqpxmap_free(&pm);
    vqrefresh_clear();
  }
};

struct TermTest : testing::Test {
  TermHost host;
  vqView panel;
  vqTerminal term;
  void SetUp() override {
    ASSERT_TRUE(vqgraphic_create(&panel, "x=0,y=0,xs=1000,ys=400,bgcolor=e0e0e0"));
    vqgraphic_select(&panel);
  }
  void TearDown() override { vqheadless_set_idle_hook(nullptr, nullptr); }
  // What the panel's pixmap (the terminal's drawing surface) shows.
  uint32_t at(int x, int y) const { return static_cast<uint32_t>(vqpxmap_getpixel(&panel.pixmap, x, y)); }
  // Pixels of one colour inside a rectangle of the surface.
  int count(int x, int y, int w, int h, uint32_t color) const {
    int n = 0;
    for (int j = y; j < y + h; ++j)
      for (int i = x; i < x + w; ++i) n += at(i, j) == color;
    return n;
  }
  std::string row(int r) const {
    std::string s;
    for (int c = 0; c < term.cells.columns; ++c) s += static_cast<char>(vqtermcells_at(&term.cells, c, r)->ch);
    return s.substr(0, s.find_last_not_of(' ') + 1);
  }
  int send(int command, int a1 = 0, int a2 = 0) { return vqTerminal::command(&term, command, a1, a2, 0, 0, 0, 0, 0, 0); }
};

// Moves the virtual clock on, serving the timers as the program's loop would.
inline void run_for(uint32_t ms) {
  for (uint32_t i = 0; i < ms; ++i) {
    vqheadless_advance(1);
    vqpump_nonblocking();
  }
}
