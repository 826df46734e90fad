// Windows as canvases in the page: vqweb.js creates and places them; here
// the program's side keeps their sizes and positions.
#include "web_internal.h"

#include <emscripten.h>

#include <vector>

namespace {

struct web_window {
  bool open = false;
  int x = 0, y = 0, width = 0, height = 0;
};

std::vector<web_window> g_windows(1);   // handle 0 is never used

web_window* find(int window) {
  if (window <= 0 || window >= static_cast<int>(g_windows.size())) return nullptr;
  web_window& w = g_windows[static_cast<size_t>(window)];
  return w.open ? &w : nullptr;
}

// Titles are Latin-1; every byte is its own code point.
EM_JS(void, web_set_title, (const char* title), {
  let s = "";
  for (let p = title, c; (c = HEAPU8[p]) !== 0; p++) s += String.fromCharCode(c);
  document.title = s;
});

EM_JS(int, web_create, (int x, int y, int w, int h, unsigned flags),
      { return Module.vqweb.createWindow("", x, y, w, h, flags); });
EM_JS(void, web_destroy, (int window), { Module.vqweb.destroyWindow(window); });
EM_JS(void, web_move, (int window, int x, int y, int w, int h), { Module.vqweb.moveWindow(window, x, y, w, h); });
EM_JS(void, web_focus, (int window), {
  const win = Module.vqweb.state.windows.get(window);
  if (win) Module.vqweb.focusWindow(window);
});
EM_JS(void, web_present, (int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h, int x, int y,
                          int w, int h),
      { Module.vqweb.present(window, buffer, stride, buffer_w, buffer_h, x, y, w, h); });
EM_JS(int, web_readback, (int window, uint32_t* out, int out_w, int out_h),
      { return Module.vqweb.readback(window, out, out_w, out_h) ? 1 : 0; });
EM_JS(void, web_shown_size, (int handle, int* w, int* h), {
  const win = Module.vqweb.state.windows.get(handle);
  const r = win ? win.canvas.getBoundingClientRect() : { width: 0, height: 0 };
  const ratio = window.devicePixelRatio || 1;
  HEAP32[w >> 2] = Math.round(r.width * ratio);
  HEAP32[h >> 2] = Math.round(r.height * ratio);
});
EM_JS(void, web_cursor, (int shape), {
  const names = ['default', 'pointer', 'text', 'wait', 'ew-resize', 'ns-resize', 'crosshair'];
  for (const win of Module.vqweb.state.windows.values()) win.canvas.style.cursor = names[shape] || 'default';
});

}  // namespace

int vqweb_window_create(const char* title, int x, int y, int w, int h, unsigned flags) {
  const int handle = web_create(x, y, w, h, flags);
  if (handle <= 0) return 0;
  if (static_cast<int>(g_windows.size()) <= handle) g_windows.resize(static_cast<size_t>(handle) + 1);
  g_windows[static_cast<size_t>(handle)] = web_window{true, x, y, w < 0 ? 0 : w, h < 0 ? 0 : h};
  // The first window is the page's: its title is the document's.
  if (handle == 1) vqweb_window_set_title(handle, title);
  return handle;
}

void vqweb_window_destroy(int window) {
  web_window* win = find(window);
  if (win == nullptr) return;
  win->open = false;
  web_destroy(window);
}

bool vqweb_window_client_size(int window, int* w, int* h) {
  web_window* win = find(window);
  if (win == nullptr) return false;
  *w = win->width;
  *h = win->height;
  return true;
}

bool vqweb_window_position(int window, int* x, int* y) {
  web_window* win = find(window);
  if (win == nullptr) return false;
  *x = win->x;
  *y = win->y;
  return true;
}

void vqweb_window_set_title(int window, const char* title) {
  if (window == 1 && find(window) != nullptr) web_set_title(title != nullptr ? title : "");
}

void vqweb_window_move(int window, int x, int y, int w, int h) {
  web_window* win = find(window);
  if (win == nullptr) return;
  win->x = x;
  win->y = y;
  win->width = w < 0 ? 0 : w;
  win->height = h < 0 ? 0 : h;
  web_move(window, x, y, win->width, win->height);
}

void vqweb_window_focus(int window) {
  if (find(window) != nullptr) web_focus(window);
}

void vqweb_window_present(int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h, int x, int y,
                          int w, int h) {
  if (find(window) == nullptr || buffer == nullptr || w <= 0 || h <= 0) return;
  web_present(window, buffer, stride, buffer_w, buffer_h, x, y, w, h);
}

// A canvas gets every pointer event of a press that began on it anyway.
void vqweb_mouse_capture(int, bool) {}

bool vqweb_window_readback(int window, uint32_t* out, int out_w, int out_h) {
  return find(window) != nullptr && web_readback(window, out, out_w, out_h) != 0;
}

bool vqweb_window_shown_size(int window, int* w, int* h) {
  if (find(window) == nullptr) return false;
  web_shown_size(window, w, h);
  return true;
}

void vqweb_set_cursor(int shape) { web_cursor(shape); }
