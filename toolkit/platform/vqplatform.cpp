// Chooses the back end and routes the display-bound operations to it.
#include "backend.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const vqplatform_backend* g_backend = nullptr;
bool g_started = false;

struct winproc_entry {
  int window;
  vqplatform_winproc proc;
  void* object;
};
std::vector<winproc_entry> g_winprocs;

#ifdef __EMSCRIPTEN__
// In the browser the page is the display; tests may still ask for headless.
const vqplatform_backend* choose_backend() {
  const char* wanted = std::getenv("VQ_PLATFORM");
  if (wanted != nullptr && std::strcmp(wanted, "headless") == 0) return &vqplatform_headless_backend;
  return &vqplatform_web_backend;
}
#else
const vqplatform_backend* choose_backend() {
  const char* wanted = std::getenv("VQ_PLATFORM");
  if (wanted == nullptr || *wanted == 0 || std::strcmp(wanted, "sdl") == 0) return &vqplatform_sdl_backend;
  if (std::strcmp(wanted, "headless") == 0) return &vqplatform_headless_backend;
  std::printf("vqplatform_start: unknown VQ_PLATFORM '%s', using sdl\n", wanted);
  return &vqplatform_sdl_backend;
}
#endif

const vqplatform_backend& backend() {
  if (g_backend == nullptr) vqplatform_start();
  return *g_backend;
}

}  // namespace

bool vqplatform_start() {
  if (g_started) return true;
  g_backend = choose_backend();
  g_started = g_backend->start();
  if (!g_started) std::printf("vqplatform_start: the %s back end did not start\n", g_backend->name);
  return g_started;
}

void vqplatform_stop() {
  if (!g_started) return;
  g_backend->stop();
  g_started = false;
}

const char* vqplatform_backend_name() { return backend().name; }
bool vqplatform_is_headless() { return &backend() == &vqplatform_headless_backend; }

uint32_t vqplatform_ms() { return backend().ms(); }
int64_t vqplatform_calendar_seconds() { return backend().calendar_seconds(); }
void vqplatform_sleep(uint32_t ms) { backend().sleep(ms); }
uint32_t vqplatform_ticks_min_period() { return backend().ticks_min_period(); }
bool vqplatform_ticks_start(uint32_t period_ms, uint32_t ticks_per_call, std::atomic<uint32_t>* pending) {
  return backend().ticks_start(period_ms, ticks_per_call, pending);
}
void vqplatform_ticks_stop() { backend().ticks_stop(); }
void vqplatform_ticks_poll() { backend().ticks_poll(); }

bool vqplatform_peek_message(vqplatform_msg* msg) { return backend().peek_message(msg); }
bool vqplatform_wait_message(vqplatform_msg* msg, uint32_t timeout_ms) {
  return backend().wait_message(msg, timeout_ms);
}

void vqplatform_register_winproc(int window, vqplatform_winproc proc, void* object) {
  vqplatform_forget_winproc(window);
  g_winprocs.push_back({window, proc, object});
}

void vqplatform_forget_winproc(int window) {
  for (size_t i = 0; i < g_winprocs.size(); i++) {
    if (g_winprocs[i].window == window) {
      g_winprocs.erase(g_winprocs.begin() + static_cast<long>(i));
      return;
    }
  }
}

void vqplatform_dispatch(const vqplatform_msg* msg) {
  // Copy first: the procedure may close its window and so change the table.
  for (const winproc_entry& entry : g_winprocs) {
    if (entry.window == msg->window) {
      winproc_entry found = entry;
      if (found.proc != nullptr) found.proc(found.object, msg);
      return;
    }
  }
}

int vqplatform_keypad_navigation(int digit) {
  // Insert, End, Down, Page down, Left, (5), Right, Home, Up, Page up.
  static const int keys[10] = {317, 321, 304, 324, 301, 0, 302, 320, 303, 323};
  return digit >= '0' && digit <= '9' ? keys[digit - '0'] : 0;
}

int vqplatform_window_create(const char* title, int x, int y, int w, int h, unsigned flags,
                             vqplatform_winproc proc, void* object) {
  int window = backend().window_create(title, x, y, w, h, flags);
  if (window > 0) vqplatform_register_winproc(window, proc, object);
  return window;
}

void vqplatform_window_destroy(int window) {
  vqplatform_forget_winproc(window);
  backend().window_destroy(window);
}

bool vqplatform_window_client_size(int window, int* w, int* h) { return backend().window_client_size(window, w, h); }
bool vqplatform_window_position(int window, int* x, int* y) { return backend().window_position(window, x, y); }
void vqplatform_window_set_title(int window, const char* title) { backend().window_set_title(window, title); }
void vqplatform_window_move(int window, int x, int y, int w, int h) { backend().window_move(window, x, y, w, h); }
void vqplatform_window_focus(int window) { backend().window_focus(window); }
void vqplatform_window_set_icon(int window, const uint32_t* argb, int w, int h) {
  if (backend().window_set_icon != nullptr && argb != nullptr && w > 0 && h > 0)
    backend().window_set_icon(window, argb, w, h);
}
void vqplatform_window_present(int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h,
                               int x, int y, int w, int h) {
  backend().window_present(window, buffer, stride, buffer_w, buffer_h, x, y, w, h);
}
void vqplatform_mouse_capture(int window, bool on) { backend().mouse_capture(window, on); }
bool vqplatform_window_readback(int window, uint32_t* out, int out_w, int out_h) {
  if (out == nullptr || out_w <= 0 || out_h <= 0) return false;
  return backend().window_readback(window, out, out_w, out_h);
}
bool vqplatform_window_shown_size(int window, int* w, int* h) { return backend().window_shown_size(window, w, h); }
void vqplatform_set_cursor(int shape) { backend().set_cursor(shape); }

void vqplatform_screen_size(int* w, int* h) { backend().screen_size(w, h); }
void vqplatform_work_area(int* x, int* y, int* w, int* h) { backend().work_area(x, y, w, h); }
vqplatform_frame_metrics vqplatform_frame() { return backend().frame(); }
int32_t vqplatform_theme_color(int which) { return backend().theme_color(which); }
int vqplatform_display_depth() { return backend().display_depth(); }
void vqplatform_infobox(const char* title, const char* text) { backend().infobox(title, text); }

bool vqplatform_sound_play(const char* wavfile) { return backend().sound_play(wavfile); }
void vqplatform_sound_stop() { backend().sound_stop(); }
