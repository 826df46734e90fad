// The in-memory back end: a virtual clock, a message queue fed by tests,
// windows that hold real pixels, and records of boxes and sounds.
#include "../backend.h"
#include "vqheadless.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>

namespace {

struct window_state {
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
  std::vector<window_state> windows{1};   // handle 0 is never used
  int screen_w = 1280, screen_h = 1024;
  std::vector<std::string> infoboxes;
  std::vector<std::string> sounds;
  int cursor = 0;
  vqheadless_hook hook = nullptr;
  void* hook_context = nullptr;
  bool in_hook = false;
};

headless_state& hs() {
  static headless_state state;
  return state;
}

void credit_ticks() {
  headless_state& s = hs();
  if (s.pending == nullptr || s.tick_period == 0) return;
  uint64_t periods = (s.now - s.tick_origin) / s.tick_period;
  if (periods > s.periods_credited) {
    uint64_t fresh = periods - s.periods_credited;
    s.pending->fetch_add(static_cast<uint32_t>(fresh * s.ticks_per_call));
    s.periods_credited = periods;
  }
}

void run_idle_hook() {
  headless_state& s = hs();
  if (s.hook == nullptr || s.in_hook) return;
  s.in_hook = true;   // a hook that itself waits must not re-enter
  s.hook(s.hook_context);
  s.in_hook = false;
}

void advance(uint32_t ms) {
  headless_state& s = hs();
  s.now += ms;
  credit_ticks();
  if (s.now > s.limit) {
    std::printf("headless: virtual clock passed %llu ms with the program still waiting\n",
                static_cast<unsigned long long>(s.limit));
    std::fflush(stdout);
    std::abort();
  }
}

window_state* find_window(int window) {
  headless_state& s = hs();
  if (window <= 0 || window >= static_cast<int>(s.windows.size())) return nullptr;
  window_state& w = s.windows[static_cast<size_t>(window)];
  return w.open ? &w : nullptr;
}

void push(vqplatform_msg msg) { hs().messages.push_back(msg); }

vqplatform_msg make(int window, int kind) {
  vqplatform_msg msg{};
  msg.window = window;
  msg.kind = kind;
  return msg;
}

bool start() {
  hs().calendar_start = static_cast<int64_t>(std::time(nullptr));
  return true;
}
void stop() {}

uint32_t ms() { return static_cast<uint32_t>(hs().now); }
int64_t calendar_seconds() { return hs().calendar_start + static_cast<int64_t>(hs().now / 1000); }

void sleep_ms(uint32_t ms) {
  run_idle_hook();
  advance(ms);
}

uint32_t ticks_min_period() { return 1; }

bool ticks_start(uint32_t period_ms, uint32_t ticks_per_call, std::atomic<uint32_t>* pending) {
  headless_state& s = hs();
  s.tick_period = period_ms == 0 ? 1 : period_ms;
  s.ticks_per_call = ticks_per_call;
  s.pending = pending;
  s.tick_origin = s.now;
  s.periods_credited = 0;
  return true;
}

void ticks_stop() { hs().pending = nullptr; }
// The clock credits as it advances; a poll finds nothing new.
void ticks_poll() { credit_ticks(); }

bool peek_message(vqplatform_msg* msg) {
  headless_state& s = hs();
  if (s.messages.empty()) return false;
  *msg = s.messages.front();
  s.messages.pop_front();
  return true;
}

bool wait_message(vqplatform_msg* msg, uint32_t timeout_ms) {
  if (peek_message(msg)) return true;
  run_idle_hook();
  if (peek_message(msg)) return true;
  advance(timeout_ms);
  return peek_message(msg);
}

int window_create(const char* title, int x, int y, int w, int h, unsigned flags) {
  headless_state& s = hs();
  window_state win;
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
  window_state* w = find_window(window);
  if (w == nullptr) return;
  w->open = false;
  w->pixels.clear();
  std::deque<vqplatform_msg>& q = hs().messages;
  q.erase(std::remove_if(q.begin(), q.end(), [&](const vqplatform_msg& m) { return m.window == window; }), q.end());
}

bool window_client_size(int window, int* w, int* h) {
  window_state* win = find_window(window);
  if (win == nullptr) return false;
  *w = win->width;
  *h = win->height;
  return true;
}

bool window_position(int window, int* x, int* y) {
  window_state* win = find_window(window);
  if (win == nullptr) return false;
  *x = win->x;
  *y = win->y;
  return true;
}

void window_set_title(int window, const char* title) {
  if (window_state* win = find_window(window)) win->title = title != nullptr ? title : "";
}

// The window takes the new size, keeping what still fits of its picture,
// and says so like a desktop would.
void resize(int window, window_state* win, int w, int h) {
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
  vqplatform_msg msg = make(window, VQMSG_SIZE);
  msg.width = w;
  msg.height = h;
  push(msg);
}

void reposition(int window, window_state* win, int x, int y) {
  if (x == win->x && y == win->y) return;
  win->x = x;
  win->y = y;
  vqplatform_msg msg = make(window, VQMSG_MOVE);
  msg.x = x;
  msg.y = y;
  push(msg);
}

void window_move(int window, int x, int y, int w, int h) {
  window_state* win = find_window(window);
  if (win == nullptr) return;
  reposition(window, win, x, y);
  resize(window, win, w, h);
}

void window_set_icon(int window, const uint32_t* argb, int w, int h) {
  window_state* win = find_window(window);
  if (win == nullptr) return;
  win->icon.assign(argb, argb + static_cast<size_t>(w) * static_cast<size_t>(h));
  win->icon_w = w;
  win->icon_h = h;
}

void window_focus(int window) {
  if (find_window(window) != nullptr) push(make(window, VQMSG_FOCUS));
}

void window_present(int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h, int x, int y,
                    int w, int h) {
  window_state* win = find_window(window);
  if (win == nullptr || buffer == nullptr) return;
  win->presents++;
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min({x + w, win->width, buffer_w}), y1 = std::min({y + h, win->height, buffer_h});
  for (int row = y0; row < y1; row++)
    for (int col = x0; col < x1; col++)
      win->pixels[static_cast<size_t>(row) * win->width + col] = buffer[static_cast<size_t>(row) * stride + col];
}

bool window_readback(int window, uint32_t* out, int out_w, int out_h) {
  window_state* win = find_window(window);
  if (win == nullptr) return false;
  for (int row = 0; row < out_h; row++)
    for (int col = 0; col < out_w; col++)
      out[static_cast<size_t>(row) * out_w + col] =
          row < win->height && col < win->width ? win->pixels[static_cast<size_t>(row) * win->width + col] : 0;
  return true;
}

void mouse_capture(int window, bool on) {
  if (window_state* win = find_window(window)) win->captured = on;
}

void set_cursor(int shape) { hs().cursor = shape; }

void screen_size(int* w, int* h) {
  *w = hs().screen_w;
  *h = hs().screen_h;
}

void work_area(int* x, int* y, int* w, int* h) {
  *x = 0;
  *y = 0;
  *w = hs().screen_w;
  *h = hs().screen_h;
}

vqplatform_frame_metrics frame() { return {4, 20, 16, 20}; }
int32_t theme_color(int) { return -1; }   // no desktop scheme: the fallbacks apply
int display_depth() { return 32; }

void infobox(const char* title, const char* text) {
  hs().infoboxes.push_back(std::string(title ? title : "") + "\n" + (text ? text : ""));
}

// Every sound asked for is recorded, heard or not, so that a test needs no
// sound files to follow what the program plays; the answer is the desktop's:
// a file that cannot be read does not play.
bool sound_play(const char* wavfile) {
  if (wavfile == nullptr) return false;
  hs().sounds.push_back(wavfile);
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

void vqheadless_advance(uint32_t ms) { advance(ms); }
uint64_t vqheadless_now() { return hs().now; }
void vqheadless_set_calendar(int64_t seconds) { hs().calendar_start = seconds - static_cast<int64_t>(hs().now / 1000); }
void vqheadless_set_time_limit(uint64_t ms) { hs().limit = ms; }

void vqheadless_set_idle_hook(vqheadless_hook hook, void* context) {
  hs().hook = hook;
  hs().hook_context = context;
}

void vqheadless_mouse_move(int window, int x, int y) {
  vqplatform_msg msg = make(window, VQMSG_MOUSEMOVE);
  msg.x = x;
  msg.y = y;
  push(msg);
}

void vqheadless_button(int window, int x, int y, int button, bool down) {
  vqplatform_msg msg = make(window, down ? VQMSG_BUTTONDOWN : VQMSG_BUTTONUP);
  msg.x = x;
  msg.y = y;
  msg.button = button;
  push(msg);
}

void vqheadless_click(int window, int x, int y) {
  vqheadless_button(window, x, y, 1, true);
  vqheadless_button(window, x, y, 1, false);
}

void vqheadless_double_click(int window, int x, int y, int button) {
  vqheadless_button(window, x, y, button, true);
  vqheadless_button(window, x, y, button, false);
  vqplatform_msg msg = make(window, VQMSG_DOUBLECLICK);
  msg.x = x;
  msg.y = y;
  msg.button = button;
  push(msg);
  vqheadless_button(window, x, y, button, false);
}

void vqheadless_wheel(int window, int x, int y, int delta) {
  vqplatform_msg msg = make(window, VQMSG_WHEEL);
  msg.x = x;
  msg.y = y;
  msg.wheel = delta;
  push(msg);
}

void vqheadless_key(int window, int key, bool down) {
  vqplatform_msg msg = make(window, down ? VQMSG_KEYDOWN : VQMSG_KEYUP);
  msg.key = key;
  push(msg);
}

void vqheadless_char(int window, int ch) {
  vqplatform_msg msg = make(window, VQMSG_CHAR);
  msg.ch = ch;
  push(msg);
}

void vqheadless_keypad(int window, int digit, bool numlock) {
  if (numlock) {
    vqheadless_char(window, digit);
    return;
  }
  for (bool down : {true, false}) {
    vqplatform_msg msg = make(window, down ? VQMSG_KEYDOWN : VQMSG_KEYUP);
    msg.key = vqplatform_keypad_navigation(digit);
    msg.keypad = digit;
    push(msg);
  }
}

void vqheadless_close_request(int window) { push(make(window, VQMSG_CLOSE)); }

void vqheadless_focus(int window, bool gained) {
  push(make(window, gained ? VQMSG_ACTIVATE : VQMSG_DEACTIVATE));
  push(make(window, gained ? VQMSG_FOCUS : VQMSG_UNFOCUS));
}

void vqheadless_user_resize(int window, int w, int h) {
  if (window_state* win = find_window(window)) resize(window, win, w, h);
}

void vqheadless_user_move(int window, int x, int y) {
  if (window_state* win = find_window(window)) reposition(window, win, x, y);
}

void vqheadless_show_state(int window, int kind) {
  window_state* win = find_window(window);
  if (win == nullptr || (kind != VQMSG_MINIMIZE && kind != VQMSG_MAXIMIZE && kind != VQMSG_RESTORE)) return;
  vqplatform_msg msg = make(window, kind);
  msg.width = win->width;
  msg.height = win->height;
  push(msg);
}

void vqheadless_expose(int window) {
  window_state* win = find_window(window);
  if (win == nullptr) return;
  vqplatform_msg msg = make(window, VQMSG_PAINT);
  msg.width = win->width;
  msg.height = win->height;
  push(msg);
}

void vqheadless_drop_file(int window, const char* name) {
  vqplatform_msg msg = make(window, VQMSG_DROPFILE);
  std::snprintf(msg.text, sizeof msg.text, "%s", name != nullptr ? name : "");
  push(msg);
}
size_t vqheadless_pending_messages() { return hs().messages.size(); }

bool vqheadless_window(int window, vqheadless_window_info* info) {
  window_state* win = find_window(window);
  if (win == nullptr) return false;
  *info = {win->open, win->title, win->x, win->y, win->width, win->height, win->flags, win->captured, win->presents};
  return true;
}

int vqheadless_last_window() {
  headless_state& s = hs();
  for (size_t i = s.windows.size() - 1; i > 0; i--)
    if (s.windows[i].open) return static_cast<int>(i);
  return 0;
}

const std::vector<uint32_t>* vqheadless_window_icon(int window, int* w, int* h) {
  window_state* win = find_window(window);
  if (win == nullptr || win->icon.empty()) return nullptr;
  if (w != nullptr) *w = win->icon_w;
  if (h != nullptr) *h = win->icon_h;
  return &win->icon;
}

uint32_t vqheadless_pixel(int window, int x, int y) {
  window_state* win = find_window(window);
  if (win == nullptr || x < 0 || y < 0 || x >= win->width || y >= win->height) return 0;
  return win->pixels[static_cast<size_t>(y) * win->width + x];
}

const std::vector<uint32_t>* vqheadless_screen(int window) {
  window_state* win = find_window(window);
  return win != nullptr ? &win->pixels : nullptr;
}

void vqheadless_set_screen_size(int w, int h) {
  hs().screen_w = w;
  hs().screen_h = h;
}

const std::vector<std::string>& vqheadless_infoboxes() { return hs().infoboxes; }
const std::vector<std::string>& vqheadless_sounds() { return hs().sounds; }
int vqheadless_cursor() { return hs().cursor; }

void vqheadless_clear_records() {
  hs().infoboxes.clear();
  hs().sounds.clear();
}
