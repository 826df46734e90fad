// Shared by the panel tests: a plain host (a truecolor pixmap registered as
// the current container) that records what its children ask of it, and a
// probe that stands in for an embedded control.
#pragma once

#include "vqevent.h"
#include "vqheadless.h"
#include "vqplatform.h"
#include "vqtarget.h"
#include "vqview.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

struct TestHost {
  vqpxmap pm;
  uint32_t background;
  std::vector<std::array<int, 4>> shown;   // VQCMD_SHOWRECT rectangles
  std::vector<uint64_t> shown_at;          // virtual time of each
  std::vector<vqregion_request> added;     // VQCMD_ADDREGION requests
  std::vector<std::array<int, 2>> scrollbar_news;   // VQCMD_HASSCROLLBARS (child id, flag)
  int removed = 0;                         // VQCMD_REMOVEREGIONS requests
  int scroll_news = 0;                     // VQCMD_CHILDSCROLLED notices
  int hidden = 0;                          // answer to VQCMD_ISHIDDEN
  int origin_x = 0, origin_y = 0;          // answers to VQCMD_ORIGINX, VQCMD_ORIGINY

  explicit TestHost(int w = 640, int h = 480, uint32_t bg = 0x123456) : background(bg) {
    setenv("VQ_PLATFORM", "headless", 0);
    vqplatform_start();
    vqpxmap_init(&pm);
    pm.width = w;
    pm.height = h;
    pm.format = VQPX_TRUECOLOR;
    vqpxmap_allocate(&pm);
    vqpxmap_clear(&pm, static_cast<int32_t>(bg));
    vqcontainer_register(&pm, handler, this, bg, false);
  }
  ~TestHost() {
    vqcontainer_remove(this);
    vqpxmap_free(&pm);
    vqrefresh_clear();
  }
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  uint32_t at(int x, int y) const { return static_cast<uint32_t>(vqpxmap_getpixel(&pm, x, y)); }

  static int handler(void* object, int command, int a1, int a2, int a3, int a4, int, int, int, int) {
    TestHost* h = static_cast<TestHost*>(object);
    switch (command) {
      case VQCMD_ADDREGION:
        h->added.push_back(*vqptr_join<vqregion_request>(a1, a2));
        return static_cast<int>(h->added.size()) - 1;
      case VQCMD_REMOVEREGIONS: h->removed++; return 0;
      case VQCMD_ORIGINX: return h->origin_x;
      case VQCMD_ORIGINY: return h->origin_y;
      case VQCMD_SHOWRECT:
        h->shown.push_back({a1, a2, a3, a4});
        h->shown_at.push_back(vqheadless_now());
        return 0;
      case VQCMD_HASSCROLLBARS: h->scrollbar_news.push_back({a1, a2}); return 0;
      case VQCMD_ISHIDDEN: return h->hidden;
      case VQCMD_CHILDSCROLLED: h->scroll_news++; return 0;
      default: return 0;
    }
  }
};

// An embedded control: records every command with its first two arguments.
struct Probe {
  std::vector<std::array<int, 3>> got;
  static int handler(void* object, int command, int a1, int a2, int, int, int, int, int, int) {
    static_cast<Probe*>(object)->got.push_back({command, a1, a2});
    return 0;
  }
  int count(int command) const {
    int n = 0;
    for (const auto& g : got) n += g[0] == command;
    return n;
  }
};

inline int add_region(vqView* v, Probe* p, int x, int y, int w, int h, unsigned flags) {
  vqregion_request q{Probe::handler, p, x, y, w, h, flags};
  int low, high;
  vqptr_split(&q, &low, &high);
  return vqView::command(v, VQCMD_ADDREGION, low, high, 0, 0, 0, 0, 0, 0);
}

inline int send(vqView* v, int command, int a1 = 0, int a2 = 0, int a3 = 0, int a4 = 0) {
  return vqView::command(v, command, a1, a2, a3, a4, 0, 0, 0, 0);
}

// Every code in the queue, oldest first.
inline std::vector<int> drain_codes() {
  std::vector<int> codes;
  while (vqeventpending()) codes.push_back(vqpollevent());
  return codes;
}

// Moves the virtual clock on, serving the timers as the program's loop would.
inline void run_for(uint32_t ms) {
  for (uint32_t i = 0; i < ms; i++) {
    vqheadless_advance(1);
    vqpump_nonblocking();
  }
}
