// The desktop back end on SDL2: start and stop, time and the tick grid,
// and the table of operations. Windows, presenting, events and the screen
// live beside this file. Video starts only when something needs the display
// (a window, the screen size), so a program that opens no window runs
// without one.
#define SDL_MAIN_HANDLED
#include "sdl_internal.h"

#include "../backend.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// The tick grid: whole periods of the performance counter since the start.
std::atomic<uint32_t>* g_pending = nullptr;
uint32_t g_ticks_per_call = 1;
uint64_t g_grid_origin = 0;
uint64_t g_grid_period = 1;      // in performance-counter units
uint64_t g_periods_credited = 0;

bool start() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // No timer subsystem: its thread is not needed for the tick grid.
  if (SDL_Init(SDL_INIT_EVENTS) != 0) {
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

bool ticks_start(uint32_t period_ms, uint32_t ticks_per_call, std::atomic<uint32_t>* pending) {
  const uint64_t frequency = SDL_GetPerformanceFrequency();
  g_pending = pending;
  g_ticks_per_call = ticks_per_call;
  g_grid_period = frequency * (period_ms == 0 ? 1 : period_ms) / 1000;
  if (g_grid_period == 0) g_grid_period = 1;
  g_grid_origin = SDL_GetPerformanceCounter();
  g_periods_credited = 0;
  return true;
}

// A thread that woke every period only to add one would cost an idle
// program more than all its other work; the periods are counted from the
// clock instead, when the program looks. A program busy for a while finds
// all the periods it missed, as it would with a timer of its own.
void ticks_poll() {
  if (g_pending == nullptr) return;
  const uint64_t periods = (SDL_GetPerformanceCounter() - g_grid_origin) / g_grid_period;
  if (periods <= g_periods_credited) return;
  // After a suspend of hours the count would overflow; the tick service
  // forgets everything beyond 100 s anyway.
  const uint64_t fresh = std::min<uint64_t>(periods - g_periods_credited, 1000000);
  g_pending->fetch_add(static_cast<uint32_t>(fresh) * g_ticks_per_call, std::memory_order_relaxed);
  g_periods_credited = periods;
}

void ticks_stop() { g_pending = nullptr; }

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
    .ticks_poll = ticks_poll,
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
    .window_set_icon = vqsdl_window_set_icon,
};
