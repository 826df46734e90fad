// The test handle on the headless back end: what tests and tools do with it
// (vqheadless.h). Linked only into them, never into the program.
#include "headless_internal.h"

#include <cstdio>

void vqheadless_advance(uint32_t ms) { headless_advance(ms); }
uint64_t vqheadless_now() { return headless_get().now; }
void vqheadless_set_calendar(int64_t seconds) { headless_get().calendar_start = seconds - static_cast<int64_t>(headless_get().now / 1000); }
void vqheadless_set_time_limit(uint64_t ms) { headless_get().limit = ms; }

void vqheadless_set_idle_hook(vqheadless_hook hook, void* context) {
  headless_get().hook = hook;
  headless_get().hook_context = context;
}

void vqheadless_mouse_move(int window, int x, int y) {
  vqplatform_msg msg = headless_make(window, VQMSG_MOUSEMOVE);
  msg.x = x;
  msg.y = y;
  headless_push(msg);
}

void vqheadless_button(int window, int x, int y, int button, bool down) {
  vqplatform_msg msg = headless_make(window, down ? VQMSG_BUTTONDOWN : VQMSG_BUTTONUP);
  msg.x = x;
  msg.y = y;
  msg.button = button;
  headless_push(msg);
}

void vqheadless_click(int window, int x, int y) {
  vqheadless_button(window, x, y, 1, true);
  vqheadless_button(window, x, y, 1, false);
}

void vqheadless_double_click(int window, int x, int y, int button) {
  vqheadless_button(window, x, y, button, true);
  vqheadless_button(window, x, y, button, false);
  vqplatform_msg msg = headless_make(window, VQMSG_DOUBLECLICK);
  msg.x = x;
  msg.y = y;
  msg.button = button;
  headless_push(msg);
  vqheadless_button(window, x, y, button, false);
}

void vqheadless_wheel(int window, int x, int y, int delta) {
  vqplatform_msg msg = headless_make(window, VQMSG_WHEEL);
  msg.x = x;
  msg.y = y;
  msg.wheel = delta;
  headless_push(msg);
}

void vqheadless_key(int window, int key, bool down) {
  vqplatform_msg msg = headless_make(window, down ? VQMSG_KEYDOWN : VQMSG_KEYUP);
  msg.key = key;
  headless_push(msg);
}

void vqheadless_char(int window, int ch) {
  vqplatform_msg msg = headless_make(window, VQMSG_CHAR);
  msg.ch = ch;
  headless_push(msg);
}

void vqheadless_keypad(int window, int digit, bool numlock) {
  if (numlock) {
    vqheadless_char(window, digit);
    return;
  }
  for (bool down : {true, false}) {
    vqplatform_msg msg = headless_make(window, down ? VQMSG_KEYDOWN : VQMSG_KEYUP);
    msg.key = vqplatform_keypad_navigation(digit);
    msg.keypad = digit;
    headless_push(msg);
  }
}

void vqheadless_close_request(int window) { headless_push(headless_make(window, VQMSG_CLOSE)); }

void vqheadless_focus(int window, bool gained) {
  headless_push(headless_make(window, gained ? VQMSG_ACTIVATE : VQMSG_DEACTIVATE));
  headless_push(headless_make(window, gained ? VQMSG_FOCUS : VQMSG_UNFOCUS));
}

void vqheadless_user_resize(int window, int w, int h) {
  if (headless_window* win = headless_find_window(window)) headless_resize(window, win, w, h);
}

void vqheadless_user_move(int window, int x, int y) {
  if (headless_window* win = headless_find_window(window)) headless_reposition(window, win, x, y);
}

void vqheadless_show_state(int window, int kind) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr || (kind != VQMSG_MINIMIZE && kind != VQMSG_MAXIMIZE && kind != VQMSG_RESTORE)) return;
  vqplatform_msg msg = headless_make(window, kind);
  msg.width = win->width;
  msg.height = win->height;
  headless_push(msg);
}

void vqheadless_expose(int window) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr) return;
  vqplatform_msg msg = headless_make(window, VQMSG_PAINT);
  msg.width = win->width;
  msg.height = win->height;
  headless_push(msg);
}

void vqheadless_drop_file(int window, const char* name) {
  vqplatform_msg msg = headless_make(window, VQMSG_DROPFILE);
  std::snprintf(msg.text, sizeof msg.text, "%s", name != nullptr ? name : "");
  headless_push(msg);
}
size_t vqheadless_pending_messages() { return headless_get().messages.size(); }

bool vqheadless_window(int window, vqheadless_window_info* info) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr) return false;
  *info = {win->open, win->title, win->x, win->y, win->width, win->height, win->flags, win->captured, win->presents};
  return true;
}

int vqheadless_last_window() {
  headless_state& s = headless_get();
  for (size_t i = s.windows.size() - 1; i > 0; i--)
    if (s.windows[i].open) return static_cast<int>(i);
  return 0;
}

const std::vector<uint32_t>* vqheadless_window_icon(int window, int* w, int* h) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr || win->icon.empty()) return nullptr;
  if (w != nullptr) *w = win->icon_w;
  if (h != nullptr) *h = win->icon_h;
  return &win->icon;
}

uint32_t vqheadless_pixel(int window, int x, int y) {
  headless_window* win = headless_find_window(window);
  if (win == nullptr || x < 0 || y < 0 || x >= win->width || y >= win->height) return 0;
  return win->pixels[static_cast<size_t>(y) * win->width + x];
}

const std::vector<uint32_t>* vqheadless_screen(int window) {
  headless_window* win = headless_find_window(window);
  return win != nullptr ? &win->pixels : nullptr;
}

void vqheadless_set_screen_size(int w, int h) {
  headless_get().screen_w = w;
  headless_get().screen_h = h;
}

const std::vector<std::string>& vqheadless_infoboxes() { return headless_get().infoboxes; }
const std::vector<std::string>& vqheadless_sounds() { return headless_get().sounds; }
int vqheadless_cursor() { return headless_get().cursor; }

void vqheadless_clear_records() {
  headless_get().infoboxes.clear();
  headless_get().sounds.clear();
}
