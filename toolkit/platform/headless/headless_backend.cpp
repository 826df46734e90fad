// The in-memory back end: a virtual clock, a message queue fed by tests,
// windows that hold real pixels, and records of boxes and sounds.
#include "../backend.h"
#include "headless_internal.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>

headless_state& headless_get() {
  static headless_state state;
  return state;
}

namespace {

void credit_ticks() {
  headless_state& s = headless_get();
  if (s.pending == nullptr || s.tick_period == 0) return;
  uint64_t periods = (s.now - s.tick_origin) / s.tick_period;
  if (periods > s.periods_credited) {
    uint64_t fresh = periods - s.periods_credited;
    s.pending->fetch_add(static_cast<uint32_t>(fresh * s.ticks_per_call));
    s.periods_credited = periods;
  }
}

void run_idle_hook() {
  headless_state& s = headless_get();
  if (s.hook == nullptr || s.in_hook) return;
  s.in_hook = true;   // a hook that itself waits must not re-enter
  s.hook(s.hook_context);
  s.in_hook = false;
}

}  // namespace

void headless_advance(uint32_t ms) {
  headless_state& s = headless_get();
  s.now += ms;
  credit_ticks();
  if (s.now > s.limit) {
    std::printf("headless: virtual clock passed %llu ms with the program still waiting\n",
                static_cast<unsigned long long>(s.limit));
    std::fflush(stdout);
    std::abort();
  }
}

headless_window* headless_find_window(int window) {
  headless_state& s = headless_get();
  if (window <= 0 || window >= static_cast<int>(s.windows.size())) return nullptr;
  headless_window& w = s.windows[static_cast<size_t>(window)];
  return w.open ? &w : nullptr;
}

void headless_push(vqplatform_msg msg) { headless_get().messages.push_back(msg); }

vqplatform_msg headless_make(int window, int kind) {
  vqplatform_msg msg{};
  msg.window = window;
  msg.kind = kind;
  return msg;
}

// The window takes the new size, keeping what still fits of its picture,
// and says so like a desktop would.
void headless_resize(int window, headless_window* win, int w, int h) {
  w = std::max(w, 0);
  h = std::max(h, 0);
  if (w == win->width && h == win->height) return;
  std::vector<uint32_t> resized(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  for (int row = 0; row < std::min(h, win->height); row++)
    for (int col = 0; col < std::min(w, win->width); col++)
      resized[static_cast<size_t>(row) * w + col] = win->pixels[static_cast<size_t>(row) * win->width + col];
  win->pixels.swap(resized);
  win->width = w;
  win->height = h;
  vqplatform_msg msg = headless_make(window, VQMSG_SIZE);
  msg.width = w;
  msg.height = h;
  headless_push(msg);
}

void headless_reposition(int window, headless_window* win, int x, int y) {
  if (x == win->x && y == win->y) return;
  win->x = x;
  win->y = y;
  vqplatform_msg msg = headless_make(window, VQMSG_MOVE);
  msg.x = x;
  msg.y = y;
  headless_push(msg);
}

namespace {

bool start() {
  headless_get().calendar_start = static_cast<int64_t>(std::time(nullptr));
  return true;
}
void stop() {}

uint32_t ms() { return static_cast<uint32_t>(headless_get().now); }
int64_t calendar_seconds() { return headless_get().calendar_start + static_cast<int64_t>(headless_get().now / 1000); }

void sleep_ms(uint32_t ms) {
  run_idle_hook();
  headless_advance(ms);
}

uint32_t ticks_min_period() { return 1; }

bool ticks_start(uint32_t period_ms, uint32_t ticks_per_call, std::atomic<uint32_t>* pending) {
  headless_state& s = headless_get();
  s.tick_period = period_ms == 0 ? 1 : period_ms;
  s.ticks_per_call = ticks_per_call;
  s.pending = pending;
  s.tick_origin = s.now;
  s.periods_credited = 0;
  return true;
}

void ticks_stop() { headless_get().pending = nullptr; }
// The clock credits as it advances; a poll finds nothing new.
void ticks_poll() { credit_ticks(); }

bool peek_message(vqplatform_msg* msg) {
  headless_state& s = headless_get();
  if (s.messages.empty()) return false;
  *msg = s.messages.front();
  s.messages.pop_front();
  return true;
}

bool wait_message(vqplatform_msg* msg, uint32_t timeout_ms) {
  if (peek_message(msg)) return true;
  run_idle_hook();
  if (peek_message(msg)) return true;
  headless_advance(timeout_ms);
  return peek_message(msg);
}

int window_create(const char* title, int x, int y, int w, int h, unsigned flags) {
  headless_state& s = headless_get();
  headless_window win;
  win.open = true;
  win.title = title != nullptr ? title : "";
  win.x = x;
  win.y = y;
  win.width = std::max(w, 0);
  win.height = std::max(h, 0);
  win.flags = flags;
  win.pixels.assign(static_cast<size_t>(win.width) * static_cast<size_t>(win.height), 0);
  s.windows.push_back(win);
  return static_cast<int>(s.windows.size() - 1);
}

void window_destroy(int window) {
  headless_window* w = headless_find_window(window);
  if (w == nullptr) return;
  w->open = false;
  w->pixels.clear();
  std::deque<vqplatform_msg>& q = headless_get().messages;
  q.erase(std::remove_if(q.begin(), q.end(), [&](const vqplatform_msg& m) { return m.window == window; }), q.end());
}

bool window_client_size(int window, int* w, int* h) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr) return false;
  *w = win->width;
  *h = win->height;
  return true;
}

bool window_position(int window, int* x, int* y) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr) return false;
  *x = win->x;
  *y = win->y;
  return true;
}

void window_set_title(int window, const char* title) {
  if (headless_window* win = headless_find_window(window)) win->title = title != nullptr ? title : "";
}

void window_move(int window, int x, int y, int w, int h) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr) return;
  headless_reposition(window, win, x, y);
  headless_resize(window, win, w, h);
}

void window_set_icon(int window, const uint32_t* argb, int w, int h) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr) return;
  win->icon.assign(argb, argb + static_cast<size_t>(w) * static_cast<size_t>(h));
  win->icon_w = w;
  win->icon_h = h;
}

void window_focus(int window) {
  if (headless_find_window(window) != nullptr) headless_push(headless_make(window, VQMSG_FOCUS));
}

void window_present(int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h, int x, int y,
                    int w, int h) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr || buffer == nullptr) return;
  win->presents++;
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min({x + w, win->width, buffer_w}), y1 = std::min({y + h, win->height, buffer_h});
  for (int row = y0; row < y1; row++)
    for (int col = x0; col < x1; col++)
      win->pixels[static_cast<size_t>(row) * win->width + col] = buffer[static_cast<size_t>(row) * stride + col];
}

bool window_readback(int window, uint32_t* out, int out_w, int out_h) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr) return false;
  for (int row = 0; row < out_h; row++)
    for (int col = 0; col < out_w; col++)
      out[static_cast<size_t>(row) * out_w + col] =
          row < win->height && col < win->width ? win->pixels[static_cast<size_t>(row) * win->width + col] : 0;
  return true;
}

void mouse_capture(int window, bool on) {
  if (headless_window* win = headless_find_window(window)) win->captured = on;
}

void set_cursor(int shape) { headless_get().cursor = shape; }

void screen_size(int* w, int* h) {
  *w = headless_get().screen_w;
  *h = headless_get().screen_h;
}

void work_area(int* x, int* y, int* w, int* h) {
  *x = 0;
  *y = 0;
  *w = headless_get().screen_w;
  *h = headless_get().screen_h;
}

vqplatform_frame_metrics frame() { return {4, 20, 16, 20}; }
int32_t theme_color(int) { return -1; }   // no desktop scheme: the fallbacks apply
int display_depth() { return 32; }

void infobox(const char* title, const char* text) {
  headless_get().infoboxes.push_back(std::string(title ? title : "") + "\n" + (text ? text : ""));
}

// Every sound asked for is recorded, heard or not, so that a test needs no
// sound files to follow what the program plays; the answer is the desktop's:
// a file that cannot be read does not play.
bool sound_play(const char* wavfile) {
  if (wavfile == nullptr) return false;
  headless_get().sounds.push_back(wavfile);
  std::FILE* f = std::fopen(wavfile, "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

void sound_stop() {}

}  // namespace

const vqplatform_backend vqplatform_headless_backend = {
    .name = "headless",
    .start = start,
    .stop = stop,
    .ms = ms,
    .calendar_seconds = calendar_seconds,
    .sleep = sleep_ms,
    .ticks_min_period = ticks_min_period,
    .ticks_start = ticks_start,
    .ticks_stop = ticks_stop,
    .ticks_poll = ticks_poll,
    .peek_message = peek_message,
    .wait_message = wait_message,
    .window_create = window_create,
    .window_destroy = window_destroy,
    .window_client_size = window_client_size,
    .window_position = window_position,
    .window_set_title = window_set_title,
    .window_move = window_move,
    .window_focus = window_focus,
    .window_present = window_present,
    .mouse_capture = mouse_capture,
    .window_readback = window_readback,
    .window_shown_size = window_client_size,
    .set_cursor = set_cursor,
    .screen_size = screen_size,
    .work_area = work_area,
    .frame = frame,
    .theme_color = theme_color,
    .display_depth = display_depth,
    .infobox = infobox,
    .sound_play = sound_play,
    .sound_stop = sound_stop,
    .window_set_icon = window_set_icon,
};

