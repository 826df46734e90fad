// Desktop windows: creation with an exact client size, placement (scaled to
// fit when the screen is too small), and the window operations.
#include "sdl_internal.h"
#include "sdl_text.h"

#include <algorithm>
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

// 0: never scale; otherwise the whole factor to enlarge by where there is room.
int scale_mode() {
  const char* wanted = std::getenv("VQ_SCALE");
  if (wanted != nullptr && std::strcmp(wanted, "off") == 0) return 0;
  if (wanted != nullptr && wanted[0] >= '1' && wanted[0] <= '4' && wanted[1] == 0) return wanted[0] - '0';
  float dpi = 0;
  if (SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) != 0 || dpi <= 0) return 1;
  return std::clamp(static_cast<int>((dpi + 24) / 96), 1, 4);
}

struct placement {
  int x, y;      // client area's top-left on the screen
  int w, h;      // its size on the screen
};

// Where the client area of win goes for an outer top-left x, y with the
// given frame: as asked when it fits, else scaled and centred in the room.
placement place(sdl_window& win, int x, int y, int left, int top, int right, int bottom) {
  placement p{x + left, y + top, win.width, win.height};
  const bool resizable = (win.flags & VQWIN_RESIZABLE) != 0;
  win.follows = resizable;
  const int mode = scale_mode();
  if (mode == 0) return p;
  SDL_Rect room;
  bool whole = (win.flags & VQWIN_FULLSCREEN) != 0;
  if ((whole ? SDL_GetDisplayBounds(0, &room) : SDL_GetDisplayUsableBounds(0, &room)) != 0) return p;
  vqsdl_fit(win.width, win.height, room.w - left - right, room.h - top - bottom, mode, &p.w, &p.h);
  if (p.w == win.width && p.h == win.height) return p;
  win.follows = false;
  p.x = room.x + (room.w - p.w - left - right) / 2 + left;
  p.y = room.y + (room.h - p.h - top - bottom) / 2 + top;
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
  Uint32 sdl_flags = 0;
  if (flags & VQWIN_RESIZABLE) sdl_flags |= SDL_WINDOW_RESIZABLE;
  if (!framed(flags)) sdl_flags |= SDL_WINDOW_BORDERLESS;
  if (flags & VQWIN_ONTOP) sdl_flags |= SDL_WINDOW_ALWAYS_ON_TOP;
  if (flags & VQWIN_TOOL) sdl_flags |= SDL_WINDOW_UTILITY | SDL_WINDOW_SKIP_TASKBAR;
  if (flags & VQWIN_HIDDEN) sdl_flags |= SDL_WINDOW_HIDDEN;
  if (flags & VQWIN_FULLSCREEN) sdl_flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  int left = 0, top = 0, right = 0, bottom = 0;
  if (framed(flags)) left = g_left, top = g_top, right = g_right, bottom = g_bottom;
  placement p = place(win, x, y, left, top, right, bottom);
  win.window = SDL_CreateWindow(vqsdl_utf8_of_latin1(title).c_str(), p.x, p.y, p.w, p.h, sdl_flags);
  if (win.window == nullptr) {
    std::printf("vqplatform_window_create: %s\n", SDL_GetError());
    return 0;
  }
  if (framed(flags) && !(flags & VQWIN_HIDDEN)) {
    // The desktop tells the frame's size only once the window is shown; if
    // the guess was wrong, place it again with the real frame.
    int l, t, r, b;
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
