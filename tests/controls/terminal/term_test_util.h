// The terminal tests' setting: a graphic panel on a plain host pixmap (the
// headless back end, its virtual clock), and a terminal created on it.
#pragma once

#include "plain_host_test_util.h"
#include "vqterminal.h"

#include <gtest/gtest.h>

#include <string>

struct TermTest : testing::Test {
  PlainHost host{1000, 400};
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
  int count(int x, int y, int w, int h, uint32_t color) const { return count_color(&panel.pixmap, x, y, w, h, color); }
  std::string row(int r) const {
    std::string s;
    for (int c = 0; c < term.cells.columns; ++c) s += static_cast<char>(vqtermcells_at(&term.cells, c, r)->ch);
    return s.substr(0, s.find_last_not_of(' ') + 1);
  }
  int send(int command, int a1 = 0, int a2 = 0) { return vqTerminal::command(&term, command, a1, a2, 0, 0, 0, 0, 0, 0); }
};
