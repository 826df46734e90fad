// The browser as the platform: time from the page's clocks, messages from
// the page's queue, and waits that give the thread back to the browser
// (asyncify) until input arrives or the wait is over, so that an idle tab
// sleeps between the program's timers.
#include "web_internal.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>

namespace {

std::atomic<uint32_t>* g_pending = nullptr;
uint32_t g_ticks_per_call = 0;
double g_grid_origin = 0;
double g_grid_period = 10;
uint64_t g_periods_credited = 0;

EM_ASYNC_JS(void, web_wait_input, (int ms), {
  const state = Module.vqweb.state;
  if (state.queue.length > 0) return;
  await new Promise((resolve) => {
    const timer = setTimeout(() => { state.wake = null; resolve(); }, ms);
    state.wake = () => { clearTimeout(timer); resolve(); };
  });
});

EM_JS(int, web_take, (int* out), {
  const m = Module.vqweb.state.queue.shift();
  if (!m) return 0;
  for (let i = 0; i < 11; i++) HEAP32[(out >> 2) + i] = m[i];
  return 1;
});

EM_JS(double, web_calendar_seconds, (), { return Module.vqweb.calendarSeconds(); });
EM_JS(int, web_viewport_width, (), { return Math.max(1, Math.round(window.innerWidth)); });
EM_JS(int, web_viewport_height, (), { return Math.max(1, Math.round(window.innerHeight)); });

EM_JS(void, web_infobox, (const char* title, const char* text), {
  const latin1 = (p) => { let s = ""; for (let c; (c = HEAPU8[p]) !== 0; p++) s += String.fromCharCode(c); return s; };
  alert(latin1(title) + '\n\n' + latin1(text));
});

EM_JS(int, web_sound_play, (const char* file), { return Module.vqweb.playSound(UTF8ToString(file)) ? 1 : 0; });
EM_JS(void, web_sound_stop, (), { Module.vqweb.stopSound(); });

bool start() {
  vqweb_define_keys();
  return true;
}
void stop() { web_sound_stop(); }

uint32_t ms() { return static_cast<uint32_t>(static_cast<uint64_t>(emscripten_get_now())); }
int64_t calendar_seconds() { return static_cast<int64_t>(web_calendar_seconds()); }

void sleep_ms(uint32_t ms) { emscripten_sleep(ms); }

uint32_t ticks_min_period() { return 1; }

bool ticks_start(uint32_t period_ms, uint32_t ticks_per_call, std::atomic<uint32_t>* pending) {
  g_grid_period = period_ms == 0 ? 1 : period_ms;
  g_ticks_per_call = ticks_per_call;
  g_grid_origin = emscripten_get_now();
  g_periods_credited = 0;
  g_pending = pending;
  return true;
}

// No timer runs in the page: the periods that have passed are credited
// from the clock when the program looks, as on the desktop.
void ticks_poll() {
  if (g_pending == nullptr) return;
  const uint64_t periods = static_cast<uint64_t>(std::floor((emscripten_get_now() - g_grid_origin) / g_grid_period));
  if (periods <= g_periods_credited) return;
  const uint64_t fresh = std::min<uint64_t>(periods - g_periods_credited, 1000000);
  g_pending->fetch_add(static_cast<uint32_t>(fresh) * g_ticks_per_call, std::memory_order_relaxed);
  g_periods_credited = periods;
}

void ticks_stop() { g_pending = nullptr; }

bool peek_message(vqplatform_msg* msg) {
  int fields[11];
  if (!web_take(fields)) return false;
  *msg = vqplatform_msg{};
  msg->window = fields[0];
  msg->kind = fields[1];
  msg->x = fields[2];
  msg->y = fields[3];
  msg->width = fields[4];
  msg->height = fields[5];
  msg->button = fields[6];
  msg->wheel = fields[7];
  msg->key = fields[8];
  msg->ch = fields[9];
  msg->keypad = fields[10];
  if (msg->keypad != 0) msg->key = vqplatform_keypad_navigation(msg->keypad);
  return true;
}

bool wait_message(vqplatform_msg* msg, uint32_t timeout_ms) {
  if (peek_message(msg)) return true;
  web_wait_input(static_cast<int>(std::min<uint32_t>(timeout_ms, 0x7FFFFFFF)));
  return peek_message(msg);
}

void screen_size(int* w, int* h) {
  *w = web_viewport_width();
  *h = web_viewport_height();
}

void work_area(int* x, int* y, int* w, int* h) {
  *x = 0;
  *y = 0;
  screen_size(w, h);
}

// Windows in the page have no frame of their own.
vqplatform_frame_metrics frame() { return {0, 0, 16, 0}; }
int32_t theme_color(int) { return -1; }
// A canvas holds 8 bits per channel and alpha, whatever the screen has.
int display_depth() { return 32; }
void infobox(const char* title, const char* text) { web_infobox(title ? title : "", text ? text : ""); }
bool sound_play(const char* wavfile) { return wavfile != nullptr && web_sound_play(wavfile) != 0; }
void sound_stop() { web_sound_stop(); }

}  // namespace

const vqplatform_backend vqplatform_web_backend = {
    .name = "web",
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
    .window_create = vqweb_window_create,
    .window_destroy = vqweb_window_destroy,
    .window_client_size = vqweb_window_client_size,
    .window_position = vqweb_window_position,
    .window_set_title = vqweb_window_set_title,
    .window_move = vqweb_window_move,
    .window_focus = vqweb_window_focus,
    .window_present = vqweb_window_present,
    .mouse_capture = vqweb_mouse_capture,
    .window_readback = vqweb_window_readback,
    .window_shown_size = vqweb_window_shown_size,
    .set_cursor = vqweb_set_cursor,
    .screen_size = screen_size,
    .work_area = work_area,
    .frame = frame,
    .theme_color = theme_color,
    .display_depth = display_depth,
    .infobox = infobox,
    .sound_play = sound_play,
    .sound_stop = sound_stop,
};
