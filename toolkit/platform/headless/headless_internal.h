// The headless back end's state, shared by the back end itself and the test
// handle (vqheadless.h) that only tests and tools link.
#pragma once

#include "../backend.h"
#include "vqheadless.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct headless_window {
  bool open = false;
  std::string title;
  int x = 0, y = 0, width = 0, height = 0;
  unsigned flags = 0;
  bool captured = false;
  int presents = 0;
  std::vector<uint32_t> pixels;
  int icon_w = 0, icon_h = 0;
  std::vector<uint32_t> icon;   // 0xAARRGGBB, as the program set it
};

struct headless_state {
  uint64_t now = 0;
  uint64_t limit = 3600ull * 1000;
  int64_t calendar_start = 0;
  uint32_t tick_period = 0;
  uint32_t ticks_per_call = 0;
  uint64_t tick_origin = 0;
  uint64_t periods_credited = 0;
  std::atomic<uint32_t>* pending = nullptr;
  std::deque<vqplatform_msg> messages;
  std::vector<headless_window> windows{1};   // handle 0 is never used
  int screen_w = 1280, screen_h = 1024;
  std::vector<std::string> infoboxes;
  std::vector<std::string> sounds;
  int cursor = 0;
  vqheadless_hook hook = nullptr;
  void* hook_context = nullptr;
  bool in_hook = false;
};

headless_state& headless_get();
// Moves the virtual clock on, crediting timer ticks; past the time limit
// the process prints one line and aborts.
void headless_advance(uint32_t ms);
headless_window* headless_find_window(int window);   // null unless open
void headless_push(vqplatform_msg msg);
vqplatform_msg headless_make(int window, int kind);
// The window changes as a desktop would change it and reports VQMSG_SIZE or
// VQMSG_MOVE (nothing when nothing changes).
void headless_resize(int window, headless_window* win, int w, int h);
void headless_reposition(int window, headless_window* win, int x, int y);
