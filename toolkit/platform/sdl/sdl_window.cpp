// Desktop windows: creation with an exact client size, placement (scaled to
// fit a small screen, enlarged on a large one), fullscreen, and the window
// operations.
#include "sdl_internal.h"
#include "sdl_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::vector<sdl_window> g_windows(1);   // handle 0 is never used

// Frame sizes seen on the last framed window: the best guess for the next.
int g_left = 0, g_top = 0, g_right = 0, g_bottom = 0;

bool framed(unsigned flags) {
  return (flags & (VQWIN_POPUP | VQWIN_FULLSCREEN)) == 0 && (flags & (VQWIN_TITLE | VQWIN_RESIZABLE)) != 0;
}

// The enlargement a window starts with where the work area has room.
// Programs are laid out for a desktop of about 1920 x 1080; a larger work
// area enlarges their windows in proportion, from 1.25 times on (less would
// only blur), and a factor near a whole one is taken whole (sharper).
double screen_factor(const SDL_Rect& room) {
  const double factor = std::min(room.w / 1920.0, room.h / 1080.0);
  if (factor < 1.25) return 1;
  return std::fabs(factor - std::round(factor)) <= 0.1 ? std::round(factor) : factor;
}

struct placement {
  int x, y;      // client area's top-left on the screen
  int w, h;      // its size on the screen
};

// Where the client area of win goes for an outer top-left x, y with the
// given frame: as asked when it fits and the screen is of the usual size,
// else scaled and centred in the room. VQ_SCALE=off never scales,
// VQ_SCALE=N asks for N times where there is room.
placement place(sdl_window& win, int x, int y, int left, int top, int right, int bottom) {
  placement p{x + left, y + top, win.width, win.height};
  win.follows = (win.flags & VQWIN_RESIZABLE) != 0;
  const char* wanted = std::getenv("VQ_SCALE");
  if (wanted != nullptr && std::strcmp(wanted, "off") == 0) return p;
  SDL_Rect room;
  bool whole = (win.flags & VQWIN_FULLSCREEN) != 0;
  if ((whole ? SDL_GetDisplayBounds(0, &room) : SDL_GetDisplayUsableBounds(0, &room)) != 0) return p;
  const int room_w = room.w - left - right, room_h = room.h - top - bottom;
  if (wanted != nullptr && wanted[0] >= '1' && wanted[0] <= '4' && wanted[1] == 0)
    vqsdl_fit(win.width, win.height, room_w, room_h, wanted[0] - '0', &p.w, &p.h);
  else
    vqsdl_enlarge(win.width, win.height, room_w, room_h, screen_factor(room), &p.w, &p.h);
  if (p.w == win.width && p.h == win.height) return p;
  win.follows = false;
  p.x = room.x + (room_w - p.w) / 2 + left;
  p.y = room.y + (room_h - p.h) / 2 + top;
  return p;
}

}  // namespace

sdl_window* vqsdl_window(int window) {
  if (window <= 0 || window >= static_cast<int>(g_windows.size())) return nullptr;
  sdl_window& win = g_windows[static_cast<size_t>(window)];
  return win.window != nullptr ? &win : nullptr;
}

int vqsdl_handle_of(uint32_t sdl_id) {
  SDL_Window* w = SDL_GetWindowFromID(sdl_id);
  if (w == nullptr) return 0;
  for (size_t i = 1; i < g_windows.size(); i++)
    if (g_windows[i].window == w) return static_cast<int>(i);
  return 0;
}

int vqsdl_window_slots() { return static_cast<int>(g_windows.size()) - 1; }

void vqsdl_borders(SDL_Window* window, int* left, int* top, int* right, int* bottom) {
  *left = *top = *right = *bottom = 0;
  if (SDL_GetWindowBordersSize(window, top, left, bottom, right) != 0) *left = *top = *right = *bottom = 0;
}

void vqsdl_client_point(int window, int fx, int fy, int* x, int* y) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr) {
    *x = fx;
    *y = fy;
    return;
  }
  vqsdl_layout(*win);
  // Mouse positions come in window units, the picture is laid out in pixels.
  int units_w = 0, units_h = 0;
  SDL_GetWindowSize(win->window, &units_w, &units_h);
  if (units_w > 0 && units_w != win->frame_w) fx = static_cast<int>(int64_t{fx} * win->frame_w / units_w);
  if (units_h > 0 && units_h != win->frame_h) fy = static_cast<int>(int64_t{fy} * win->frame_h / units_h);
  vqsdl_to_client(win->shown, win->width, win->height, fx, fy, x, y);
}

int vqsdl_window_create(const char* title, int x, int y, int w, int h, unsigned flags) {
  if (!vqsdl_video()) return 0;
  sdl_window win;
  win.flags = flags;
  win.width = std::max(w, 1);
  win.height = std::max(h, 1);
  win.back.assign(static_cast<size_t>(win.width) * static_cast<size_t>(win.height), 0);
  // Created hidden: it is shown once it has its place, so that the desktop
  // never sees it jump. Every framed window can be resized and maximised:
  // where the client size is fixed the picture follows the window.
  Uint32 sdl_flags = SDL_WINDOW_HIDDEN;
  if (framed(flags)) sdl_flags |= SDL_WINDOW_RESIZABLE;
  if (!framed(flags)) sdl_flags |= SDL_WINDOW_BORDERLESS;
  if (flags & VQWIN_ONTOP) sdl_flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  if (flags & VQWIN_TOOL) sdl_flags |= SDL_WINDOW_UTILITY | SDL_WINDOW_SKIP_TASKBAR;
  if (flags & VQWIN_FULLSCREEN) sdl_flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  int left = 0, top = 0, right = 0, bottom = 0;
  if (framed(flags)) left = g_left, top = g_top, right = g_right, bottom = g_bottom;
  placement p = place(win, x, y, left, top, right, bottom);
  // Until it is shown SDL places the frame's corner, not the client's.
  win.window = SDL_CreateWindow(vqsdl_utf8_of_latin1(title).c_str(), p.x - left, p.y - top, p.w, p.h, sdl_flags);
  if (win.window == nullptr) {
    std::printf("vqplatform_window_create: %s\n", SDL_GetError());
    return 0;
  }
  int l = 0, t = 0, r = 0, b = 0;
  const bool frame_known = framed(flags) && vqsdl_x11_frame(win.window, &l, &t, &r, &b);
  if (frame_known && (l != left || t != top || r != right || b != bottom)) {
    g_left = l, g_top = t, g_right = r, g_bottom = b;
    left = l, top = t, right = r, bottom = b;
    p = place(win, x, y, left, top, right, bottom);
    SDL_SetWindowSize(win.window, p.w, p.h);
    SDL_SetWindowPosition(win.window, p.x - left, p.y - top);
  }
  if (framed(flags) && (flags & VQWIN_RESIZABLE) == 0)
    SDL_SetWindowMinimumSize(win.window, std::max(win.width / 4, 1), std::max(win.height / 4, 1));
  if (!(flags & VQWIN_HIDDEN)) SDL_ShowWindow(win.window);
  if (framed(flags) && !frame_known && !(flags & VQWIN_HIDDEN)) {
    // Where the desktop could not tell the frame before, it does once the
    // window is shown; if the guess was wrong, place it again.
    vqsdl_borders(win.window, &l, &t, &r, &b);
    if (l != left || t != top || r != right || b != bottom) {
      g_left = l, g_top = t, g_right = r, g_bottom = b;
      placement again = place(win, x, y, l, t, r, b);
      if (again.w != p.w || again.h != p.h) SDL_SetWindowSize(win.window, again.w, again.h);
      if (again.x != p.x || again.y != p.y) SDL_SetWindowPosition(win.window, again.x, again.y);
    }
  }
  g_windows.push_back(std::move(win));
  return static_cast<int>(g_windows.size() - 1);
}

void vqsdl_window_destroy(int window) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr) return;
  SDL_DestroyWindow(win->window);
  *win = sdl_window{};
}

void vqsdl_window_destroy_all() {
  for (size_t i = 1; i < g_windows.size(); i++) vqsdl_window_destroy(static_cast<int>(i));
}

bool vqsdl_window_client_size(int window, int* w, int* h) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr) return false;
  *w = win->width;
  *h = win->height;
  return true;
}

bool vqsdl_window_position(int window, int* x, int* y) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr) return false;
  int left, top, right, bottom;
  vqsdl_borders(win->window, &left, &top, &right, &bottom);
  SDL_GetWindowPosition(win->window, x, y);
  *x -= left;
  *y -= top;
  return true;
}

void vqsdl_window_set_title(int window, const char* title) {
  if (sdl_window* win = vqsdl_window(window)) SDL_SetWindowTitle(win->window, vqsdl_utf8_of_latin1(title).c_str());
}

void vqsdl_window_move(int window, int x, int y, int w, int h) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr) return;
  w = std::max(w, 1);
  h = std::max(h, 1);
  if (w != win->width || h != win->height) {
    vqsdl_resize_back(*win, w, h);
    vqplatform_msg msg{};
    msg.window = window;
    msg.kind = VQMSG_SIZE;
    msg.width = w;
    msg.height = h;
    vqsdl_post(msg);
  }
  int left, top, right, bottom;
  vqsdl_borders(win->window, &left, &top, &right, &bottom);
  placement p = place(*win, x, y, left, top, right, bottom);
  SDL_SetWindowSize(win->window, p.w, p.h);
  SDL_SetWindowPosition(win->window, p.x, p.y);
  vqsdl_repaint(*win);
}

void vqsdl_window_focus(int window) {
  if (sdl_window* win = vqsdl_window(window)) SDL_RaiseWindow(win->window);
}

void vqsdl_mouse_capture(int, bool on) { SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE); }

void vqsdl_set_cursor(int shape) {
  static SDL_Cursor* cursors[7] = {};
  static const SDL_SystemCursor kinds[7] = {SDL_SYSTEM_CURSOR_ARROW,  SDL_SYSTEM_CURSOR_HAND,
                                            SDL_SYSTEM_CURSOR_IBEAM,  SDL_SYSTEM_CURSOR_WAIT,
                                            SDL_SYSTEM_CURSOR_SIZEWE, SDL_SYSTEM_CURSOR_SIZENS,
                                            SDL_SYSTEM_CURSOR_CROSSHAIR};
  if (shape < 0 || shape >= 7 || !vqsdl_video()) return;
  if (cursors[shape] == nullptr) cursors[shape] = SDL_CreateSystemCursor(kinds[shape]);
  if (cursors[shape] != nullptr) SDL_SetCursor(cursors[shape]);
}

void vqsdl_toggle_fullscreen(int window) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr || !framed(win->flags)) return;
  // Under a window manager its own fullscreen state is the one to switch,
  // so that the key and the manager's menu agree.
  if (vqsdl_x11_toggle_fullscreen(win->window)) return;
  if (win->fullscreen) {
    SDL_SetWindowSize(win->window, win->windowed.w, win->windowed.h);
    SDL_SetWindowPosition(win->window, win->windowed.x, win->windowed.y);
    win->fullscreen = false;
    return;
  }
  SDL_Rect screen;
  if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(win->window), &screen) != 0) return;
  SDL_GetWindowPosition(win->window, &win->windowed.x, &win->windowed.y);
  SDL_GetWindowSize(win->window, &win->windowed.w, &win->windowed.h);
  SDL_SetWindowPosition(win->window, screen.x, screen.y);
  SDL_SetWindowSize(win->window, screen.w, screen.h);
  SDL_RaiseWindow(win->window);
  win->fullscreen = true;
}
