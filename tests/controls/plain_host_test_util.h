// Shared by the control and terminal tests: a plain host pixmap registered
// as the current container (headless back end, virtual clock), the clock
// moved on as the program's loop would, and pixels counted by colour.
#pragma once

#include "vqevent.h"
#include "vqheadless.h"
#include "vqplatform.h"
#include "vqtarget.h"
#include "vqview.h"

#include <cstdlib>

struct PlainHost {
  vqpxmap pm;
  static int handler(void*, int, int, int, int, int, int, int, int, int) { return 0; }
  PlainHost(int w, int h) {
    setenv("VQ_PLATFORM", "headless", 0);
    vqplatform_start();
    vqpxmap_init(&pm);
    pm.width = w;
    pm.height = h;
    pm.format = VQPX_TRUECOLOR;
    vqpxmap_allocate(&pm);
    vqcontainer_register(&pm, handler, this, 0xE0E0E0, false);
  }
  ~PlainHost() {
    vqcontainer_remove(this);
    vqpxmap_free(&pm);
    vqrefresh_clear();
  }
  PlainHost(const PlainHost&) = delete;
  PlainHost& operator=(const PlainHost&) = delete;
};

// Moves the virtual clock on by milliseconds, serving the timers.
inline void run_for(uint32_t ms) {
  for (uint32_t i = 0; i < ms; ++i) {
    vqheadless_advance(1);
    vqpump_nonblocking();
  }
}

// Pixels of one colour inside a rectangle of the pixmap.
inline int count_color(const vqpxmap* pm, int x, int y, int w, int h, uint32_t color) {
  int n = 0;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) n += static_cast<uint32_t>(vqpxmap_getpixel(pm, i, j)) == color;
  return n;
}
