// The desktop back end on SDL2: start and stop, time and the tick source,
// and the table of operations. Windows, presenting, events and the screen
// live beside this file. Video starts only when something needs the display
// (a window, the screen size), so a program that opens no window runs
// without one.
#define SDL_MAIN_HANDLED
#include "sdl_internal.h"

#include "../backend.h"

#include <cstdio>
#include <ctime>

namespace {

SDL_TimerID g_tick_timer = 0;
std::atomic<uint32_t>* g_pending = nullptr;
uint32_t g_ticks_per_call = 1;
uint32_t g_tick_period = 10;
uint64_t g_next_tick = 0;   // performance-counter time of the next tick

bool start() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::printf("vqplatform: SDL_Init failed (%s)\n", SDL_GetError());
    return false;
  }
  return true;
}

void stop() {
  vqsdl_sound_close();
  vqsdl_window_destroy_all();
  vqsdl_forget_messages();
  SDL_Quit();
  vqsdl_video_stop();
}

uint32_t ms() { return SDL_GetTicks(); }
int64_t calendar_seconds() { return static_cast<int64_t>(std::time(nullptr)); }
void sleep_ms(uint32_t ms) { SDL_Delay(ms); }
uint32_t ticks_min_period() { return 1; }

// Runs on SDL's timer thread: only adds to the pending count. SDL schedules
// each call relative to the last one, so the next interval is worked out
// from a fixed grid of deadlines to keep the rate at exactly one per period.
Uint32 tick_callback(Uint32, void*) {
  if (g_pending != nullptr) g_pending->fetch_add(g_ticks_per_call, std::memory_order_relaxed);
  const uint64_t frequency = SDL_GetPerformanceFrequency();
  const uint64_t period = frequency * g_tick_period / 1000;
  const uint64_t now = SDL_GetPerformanceCounter();
  g_next_tick += period;
  if (g_next_tick + 10 * period < now) g_next_tick = now + period;   // after a long stall
  if (g_next_tick <= now) return 1;
  uint64_t left_ms = (g_next_tick - now) * 1000 / frequency;
  return left_ms == 0 ? 1 : static_cast<Uint32>(left_ms);
}

bool ticks_start(uint32_t period_ms, uint32_t ticks_per_call, std::atomic<uint32_t>* pending) {
  if (g_tick_timer != 0) SDL_RemoveTimer(g_tick_timer);
  g_pending = pending;
  g_ticks_per_call = ticks_per_call;
  g_tick_period = period_ms == 0 ? 1 : period_ms;
  // The first tick is due one period from now; a grid that started at now
  // would count its first deadline as missed and credit it twice.
  g_next_tick = SDL_GetPerformanceCounter() + SDL_GetPerformanceFrequency() * g_tick_period / 1000;
  g_tick_timer = SDL_AddTimer(g_tick_period, tick_callback, nullptr);
  if (g_tick_timer == 0) std::printf("vqplatform_ticks_start: %s\n", SDL_GetError());
  return g_tick_timer != 0;
}

void ticks_stop() {
  if (g_tick_timer != 0) SDL_RemoveTimer(g_tick_timer);
  g_tick_timer = 0;
}

}  // namespace

const vqplatform_backend vqplatform_sdl_backend = {
    .name = "sdl",
    .start = start,
    .stop = stop,
    .ms = ms,
    .calendar_seconds = calendar_seconds,
    .sleep = sleep_ms,
    .ticks_min_period = ticks_min_period,
    .ticks_start = ticks_start,
    .ticks_stop = ticks_stop,
    .peek_message = vqsdl_peek_message,
    .wait_message = vqsdl_wait_message,
    .window_create = vqsdl_window_create,
    .window_destroy = vqsdl_window_destroy,
    .window_client_size = vqsdl_window_client_size,
    .window_position = vqsdl_window_position,
    .window_set_title = vqsdl_window_set_title,
    .window_move = vqsdl_window_move,
    .window_focus = vqsdl_window_focus,
    .window_present = vqsdl_window_present,
    .mouse_capture = vqsdl_mouse_capture,
    .window_readback = vqsdl_window_readback,
    .window_shown_size = vqsdl_window_shown_size,
    .set_cursor = vqsdl_set_cursor,
    .screen_size = vqsdl_screen_size,
    .work_area = vqsdl_work_area,
    .frame = vqsdl_frame,
    .theme_color = vqsdl_theme_color,
    .display_depth = vqsdl_display_depth,
    .infobox = vqsdl_infobox,
    .sound_play = vqsdl_sound_play,
    .sound_stop = vqsdl_sound_stop,
};
