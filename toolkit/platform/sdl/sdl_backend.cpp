// The desktop back end on SDL2. Video starts only when something needs the
// display (a window, the screen size), so a program that opens no window
// runs without one.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "../backend.h"
#include "sdl_keys.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

struct sdl_window {
  SDL_Window* window = nullptr;
};

std::vector<sdl_window> g_windows{1};   // handle 0 is never used
bool g_video = false;
bool g_video_failed = false;
SDL_TimerID g_tick_timer = 0;
std::atomic<uint32_t>* g_pending = nullptr;
uint32_t g_ticks_per_call = 1;
uint32_t g_tick_period = 10;
uint64_t g_next_tick = 0;   // performance-counter time of the next tick

bool ensure_video() {
  if (g_video) return true;
  if (g_video_failed) return false;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::printf("vqplatform: no display (%s)\n", SDL_GetError());
    g_video_failed = true;
    return false;
  }
  g_video = true;
  return true;
}

SDL_Window* find(int window) {
  if (window <= 0 || window >= static_cast<int>(g_windows.size())) return nullptr;
  return g_windows[static_cast<size_t>(window)].window;
}

int handle_of(uint32_t sdl_id) {
  SDL_Window* w = SDL_GetWindowFromID(sdl_id);
  if (w == nullptr) return 0;
  for (size_t i = 1; i < g_windows.size(); i++)
    if (g_windows[i].window == w) return static_cast<int>(i);
  return 0;
}

bool start() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    std::printf("vqplatform: SDL_Init failed (%s)\n", SDL_GetError());
    return false;
  }
  return true;
}

void stop() {
  for (size_t i = 1; i < g_windows.size(); i++) {
    if (g_windows[i].window != nullptr) SDL_DestroyWindow(g_windows[i].window);
    g_windows[i].window = nullptr;
  }
  SDL_Quit();
  g_video = false;
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
  g_next_tick = SDL_GetPerformanceCounter();
  g_tick_timer = SDL_AddTimer(g_tick_period, tick_callback, nullptr);
  if (g_tick_timer == 0) std::printf("vqplatform_ticks_start: %s\n", SDL_GetError());
  return g_tick_timer != 0;
}

void ticks_stop() {
  if (g_tick_timer != 0) SDL_RemoveTimer(g_tick_timer);
  g_tick_timer = 0;
}

int latin1_of_utf8(const char* text) {
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
  if (s[0] < 0x80) return s[0];
  if ((s[0] & 0xE0) == 0xC0 && (s[1] & 0xC0) == 0x80) {
    int code = ((s[0] & 0x1F) << 6) | (s[1] & 0x3F);
    return code < 256 ? code : -1;
  }
  return -1;
}

// One SDL event into one platform message; false for events we do not pass on.
bool translate(const SDL_Event& ev, vqplatform_msg* msg) {
  *msg = vqplatform_msg{};
  switch (ev.type) {
    case SDL_MOUSEMOTION:
      msg->window = handle_of(ev.motion.windowID);
      msg->kind = VQMSG_MOUSEMOVE;
      msg->x = ev.motion.x;
      msg->y = ev.motion.y;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      int button = ev.button.button == SDL_BUTTON_LEFT ? 1 : ev.button.button == SDL_BUTTON_MIDDLE ? 2
                   : ev.button.button == SDL_BUTTON_RIGHT ? 3 : 0;
      if (button == 0) return false;
      msg->window = handle_of(ev.button.windowID);
      msg->kind = ev.type == SDL_MOUSEBUTTONUP ? VQMSG_BUTTONUP
                  : ev.button.clicks == 2  ? VQMSG_DOUBLECLICK : VQMSG_BUTTONDOWN;
      msg->x = ev.button.x;
      msg->y = ev.button.y;
      msg->button = button;
      break;
    }
    case SDL_MOUSEWHEEL: {
      if (ev.wheel.y == 0) return false;
      msg->window = handle_of(ev.wheel.windowID);
      msg->kind = VQMSG_WHEEL;
      msg->wheel = ev.wheel.y > 0 ? 1 : -1;
      SDL_GetMouseState(&msg->x, &msg->y);
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      int key = vqsdl_keycode(ev.key.keysym.sym);
      if (key == 0) return false;
      msg->window = handle_of(ev.key.windowID);
      msg->kind = ev.type == SDL_KEYDOWN ? VQMSG_KEYDOWN : VQMSG_KEYUP;
      msg->key = key;
      break;
    }
    case SDL_TEXTINPUT: {
      int ch = latin1_of_utf8(ev.text.text);
      if (ch < 0) return false;
      msg->window = handle_of(ev.text.windowID);
      msg->kind = VQMSG_CHAR;
      msg->ch = ch;
      break;
    }
    case SDL_DROPFILE:
      msg->window = handle_of(ev.drop.windowID);
      msg->kind = VQMSG_DROPFILE;
      if (ev.drop.file != nullptr) {
        std::snprintf(msg->text, sizeof msg->text, "%s", ev.drop.file);
        SDL_free(ev.drop.file);
      }
      break;
    case SDL_WINDOWEVENT:
      msg->window = handle_of(ev.window.windowID);
      switch (ev.window.event) {
        case SDL_WINDOWEVENT_CLOSE: msg->kind = VQMSG_CLOSE; break;
        case SDL_WINDOWEVENT_EXPOSED:
          msg->kind = VQMSG_PAINT;
          if (SDL_Window* w = find(msg->window)) SDL_GetWindowSize(w, &msg->width, &msg->height);
          break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          msg->kind = VQMSG_SIZE;
          msg->width = ev.window.data1;
          msg->height = ev.window.data2;
          break;
        case SDL_WINDOWEVENT_MOVED: msg->kind = VQMSG_MOVE; break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: msg->kind = VQMSG_FOCUS; break;
        case SDL_WINDOWEVENT_FOCUS_LOST: msg->kind = VQMSG_UNFOCUS; break;
        default: return false;
      }
      break;
    default:
      return false;
  }
  return msg->window != 0 || msg->kind == VQMSG_CLOSE;
}

bool peek_message(vqplatform_msg* msg) {
  SDL_Event ev;
  while (SDL_PollEvent(&ev) != 0)
    if (translate(ev, msg)) return true;
  return false;
}

bool wait_message(vqplatform_msg* msg, uint32_t timeout_ms) {
  // Without video SDL would poll every millisecond while it waits; a plain
  // sleep is cheaper, and no input can arrive anyway.
  if (!g_video) {
    if (peek_message(msg)) return true;
    SDL_Delay(timeout_ms);
    return peek_message(msg);
  }
  uint32_t until = SDL_GetTicks() + timeout_ms;
  SDL_Event ev;
  for (;;) {
    int32_t left = static_cast<int32_t>(until - SDL_GetTicks());
    if (left <= 0) return peek_message(msg);
    if (SDL_WaitEventTimeout(&ev, left) == 0) return false;
    if (translate(ev, msg)) return true;
  }
}

int window_create(const char* title, int x, int y, int w, int h, unsigned flags) {
  if (!ensure_video()) return 0;
  Uint32 sdl_flags = 0;
  if (flags & VQWIN_RESIZABLE) sdl_flags |= SDL_WINDOW_RESIZABLE;
  if (flags & VQWIN_POPUP) sdl_flags |= SDL_WINDOW_BORDERLESS;
  if (flags & VQWIN_ONTOP) sdl_flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  if (flags & VQWIN_HIDDEN) sdl_flags |= SDL_WINDOW_HIDDEN;
  if (flags & VQWIN_FULLSCREEN) sdl_flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  SDL_Window* window = SDL_CreateWindow(title != nullptr ? title : "", x, y, std::max(w, 1), std::max(h, 1), sdl_flags);
  if (window == nullptr) {
    std::printf("vqplatform_window_create: %s\n", SDL_GetError());
    return 0;
  }
  g_windows.push_back({window});
  return static_cast<int>(g_windows.size() - 1);
}

void window_destroy(int window) {
  SDL_Window* w = find(window);
  if (w == nullptr) return;
  SDL_DestroyWindow(w);
  g_windows[static_cast<size_t>(window)].window = nullptr;
}

bool window_client_size(int window, int* w, int* h) {
  SDL_Window* win = find(window);
  if (win == nullptr) return false;
  SDL_GetWindowSize(win, w, h);
  return true;
}

bool window_position(int window, int* x, int* y) {
  SDL_Window* win = find(window);
  if (win == nullptr) return false;
  SDL_GetWindowPosition(win, x, y);
  return true;
}

void window_set_title(int window, const char* title) {
  if (SDL_Window* win = find(window)) SDL_SetWindowTitle(win, title != nullptr ? title : "");
}

void window_move(int window, int x, int y, int w, int h) {
  SDL_Window* win = find(window);
  if (win == nullptr) return;
  SDL_SetWindowPosition(win, x, y);
  SDL_SetWindowSize(win, std::max(w, 1), std::max(h, 1));
}

void window_focus(int window) {
  if (SDL_Window* win = find(window)) SDL_RaiseWindow(win);
}

void window_present(int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h, int x, int y,
                    int w, int h) {
  SDL_Window* win = find(window);
  if (win == nullptr || buffer == nullptr) return;
  SDL_Surface* target = SDL_GetWindowSurface(win);
  if (target == nullptr) return;
  SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(buffer), buffer_w, buffer_h, 32,
                                                           stride * 4, SDL_PIXELFORMAT_RGB888);
  if (source == nullptr) return;
  SDL_Rect rect{x, y, w, h};
  SDL_Rect dest = rect;
  SDL_BlitSurface(source, &rect, target, &dest);
  SDL_FreeSurface(source);
  SDL_UpdateWindowSurfaceRects(win, &dest, 1);
}

void mouse_capture(int, bool on) { SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE); }

void set_cursor(int shape) {
  static SDL_Cursor* cursors[7] = {};
  static const SDL_SystemCursor kinds[7] = {SDL_SYSTEM_CURSOR_ARROW,  SDL_SYSTEM_CURSOR_HAND,
                                            SDL_SYSTEM_CURSOR_IBEAM,  SDL_SYSTEM_CURSOR_WAIT,
                                            SDL_SYSTEM_CURSOR_SIZEWE, SDL_SYSTEM_CURSOR_SIZENS,
                                            SDL_SYSTEM_CURSOR_CROSSHAIR};
  if (shape < 0 || shape >= 7 || !ensure_video()) return;
  if (cursors[shape] == nullptr) cursors[shape] = SDL_CreateSystemCursor(kinds[shape]);
  if (cursors[shape] != nullptr) SDL_SetCursor(cursors[shape]);
}

void screen_size(int* w, int* h) {
  SDL_DisplayMode mode;
  if (ensure_video() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    *w = mode.w;
    *h = mode.h;
    return;
  }
  *w = 1024;
  *h = 768;
}

void work_area(int* x, int* y, int* w, int* h) {
  SDL_Rect rect;
  if (ensure_video() && SDL_GetDisplayUsableBounds(0, &rect) == 0) {
    *x = rect.x;
    *y = rect.y;
    *w = rect.w;
    *h = rect.h;
    return;
  }
  *x = 0;
  *y = 0;
  screen_size(w, h);
}

vqplatform_frame_metrics frame() { return {4, 22, 16, 20}; }

// SDL knows no desktop color scheme: the toolkit's fallbacks apply.
int32_t theme_color(int) { return -1; }

int display_depth() {
  SDL_DisplayMode mode;
  if (ensure_video() && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    int bits = SDL_BITSPERPIXEL(mode.format);
    return bits == 24 ? 32 : bits;
  }
  return 32;
}

void infobox(const char* title, const char* text) {
  if (!ensure_video() ||
      SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title ? title : "", text ? text : "", nullptr) != 0) {
    std::printf("%s\n%s\n", title ? title : "", text ? text : "");
  }
}

bool sound_play(const char*) { return false; }
void sound_stop() {}

}  // namespace

const vqplatform_backend vqplatform_sdl_backend = {
    "sdl",        start,        stop,         ms,          calendar_seconds, sleep_ms,
    ticks_min_period, ticks_start, ticks_stop, peek_message, wait_message,  window_create,
    window_destroy, window_client_size, window_position, window_set_title, window_move, window_focus,
    window_present, mouse_capture, set_cursor, screen_size, work_area,      frame,
    theme_color,  display_depth, infobox,     sound_play,  sound_stop,
};
