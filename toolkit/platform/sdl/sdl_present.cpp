// Showing windows: every present lands in the window's back buffer, so
// that an expose is answered at once (before the toolkit repaints) and a
// scaled window's picture can be stretched from the whole client area. The
// copy into it happens while the screen is drawn (sdl_rows.h), not in a
// pass of its own.
#include "sdl_internal.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr vqsdl_fresh kNothingFresh{nullptr, 0, {0, 0, 0, 0}};

// Copies fresh pixels into the back buffer where nothing is drawn.
void keep(sdl_window& win, const vqsdl_fresh& fresh) {
  vqsdl_stretch_fresh(win.back.data(), win.width, win.height, fresh, win.shown, {0, 0, 0, 0}, nullptr, 0);
}

bool direct_format(const SDL_Surface* surface) {
  const SDL_PixelFormat* f = surface->format;
  return f->BytesPerPixel == 4 && f->Rmask == 0xFF0000 && f->Gmask == 0x00FF00 && f->Bmask == 0x0000FF;
}

// Draws the window pixels of `part` from the back buffer into the surface,
// taking the fresh pixels into the back buffer on the way.
void draw_part(sdl_window& win, SDL_Surface* surface, const vqsdl_rect& part, const vqsdl_fresh& fresh) {
  if (part.w <= 0 || part.h <= 0) return keep(win, fresh);
  if (direct_format(surface)) {
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return keep(win, fresh);
    const int stride = surface->pitch / 4;
    uint32_t* at = static_cast<uint32_t*>(surface->pixels) + static_cast<size_t>(part.y) * stride + part.x;
    vqsdl_stretch_fresh(win.back.data(), win.width, win.height, fresh, win.shown, part, at, stride);
    if (surface->format->Amask != 0)
      for (int row = 0; row < part.h; row++)
        for (int col = 0; col < part.w; col++) at[static_cast<size_t>(row) * stride + col] |= surface->format->Amask;
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    return;
  }
  // Some other screen format: stretch into our own, let SDL convert.
  static std::vector<uint32_t> staging;
  staging.resize(static_cast<size_t>(part.w) * static_cast<size_t>(part.h));
  vqsdl_stretch_fresh(win.back.data(), win.width, win.height, fresh, win.shown, part, staging.data(), part.w);
  SDL_Surface* source =
      SDL_CreateRGBSurfaceWithFormatFrom(staging.data(), part.w, part.h, 32, part.w * 4, SDL_PIXELFORMAT_RGB888);
  if (source == nullptr) return;
  SDL_Rect dest{part.x, part.y, part.w, part.h};
  SDL_BlitSurface(source, nullptr, surface, &dest);
  SDL_FreeSurface(source);
}

}  // namespace

bool vqsdl_layout(sdl_window& win) {
  int fw = 0, fh = 0;
  SDL_GetWindowSizeInPixels(win.window, &fw, &fh);
  if (fw == win.frame_w && fh == win.frame_h && fw > 0) return false;
  win.frame_w = fw;
  win.frame_h = fh;
  win.shown = vqsdl_place(win.width, win.height, fw, fh);
  return true;
}

namespace {

void repaint(sdl_window& win, const vqsdl_fresh& fresh) {
  vqsdl_layout(win);
  SDL_Surface* surface = SDL_GetWindowSurface(win.window);
  if (surface == nullptr) return keep(win, fresh);
  const vqsdl_rect& s = win.shown;
  // The bars around a letterboxed picture.
  const SDL_Rect bars[4] = {{0, 0, surface->w, s.y},
                            {0, s.y + s.h, surface->w, surface->h - s.y - s.h},
                            {0, s.y, s.x, s.h},
                            {s.x + s.w, s.y, surface->w - s.x - s.w, s.h}};
  for (const SDL_Rect& bar : bars)
    if (bar.w > 0 && bar.h > 0) SDL_FillRect(surface, &bar, SDL_MapRGB(surface->format, 0, 0, 0));
  vqsdl_rect part = s;
  part.w = std::min(part.w, surface->w - part.x);
  part.h = std::min(part.h, surface->h - part.y);
  draw_part(win, surface, part, fresh);
  SDL_UpdateWindowSurface(win.window);
}

// Shows the client rectangle `fresh` brings.
void show(sdl_window& win, const vqsdl_fresh& fresh) {
  SDL_Surface* surface = SDL_GetWindowSurface(win.window);
  if (surface == nullptr) return keep(win, fresh);
  if (vqsdl_layout(win) || surface->w != win.frame_w || surface->h != win.frame_h) return repaint(win, fresh);
  const vqsdl_rect& r = fresh.rect;
  vqsdl_rect part = vqsdl_shown_part(win.shown, win.width, win.height, r.x, r.y, r.w, r.h);
  part.w = std::min(part.w, surface->w - part.x);
  part.h = std::min(part.h, surface->h - part.y);
  if (part.w <= 0 || part.h <= 0) return keep(win, fresh);
  draw_part(win, surface, part, fresh);
  SDL_Rect rect{part.x, part.y, part.w, part.h};
  SDL_UpdateWindowSurfaceRects(win.window, &rect, 1);
}

}  // namespace

void vqsdl_repaint(sdl_window& win) { repaint(win, kNothingFresh); }

void vqsdl_resize_back(sdl_window& win, int w, int h) {
  std::vector<uint32_t> resized(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  for (int row = 0; row < std::min(h, win.height); row++)
    std::memcpy(&resized[static_cast<size_t>(row) * w], &win.back[static_cast<size_t>(row) * win.width],
                static_cast<size_t>(std::min(w, win.width)) * 4);
  win.back.swap(resized);
  win.width = w;
  win.height = h;
  win.frame_w = win.frame_h = 0;   // lay out again
}

void vqsdl_window_present(int window, const uint32_t* buffer, int stride, int buffer_w, int buffer_h, int x, int y,
                          int w, int h) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr || buffer == nullptr) return;
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min({x + w, win->width, buffer_w}), y1 = std::min({y + h, win->height, buffer_h});
  if (x1 <= x0 || y1 <= y0) return;
  show(*win, {buffer, stride, {x0, y0, x1 - x0, y1 - y0}});
}

bool vqsdl_window_readback(int window, uint32_t* out, int out_w, int out_h) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr) return false;
  for (int row = 0; row < out_h; row++)
    for (int col = 0; col < out_w; col++)
      out[static_cast<size_t>(row) * out_w + col] =
          row < win->height && col < win->width ? win->back[static_cast<size_t>(row) * win->width + col] : 0;
  return true;
}

bool vqsdl_window_shown_size(int window, int* w, int* h) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr) return false;
  vqsdl_layout(*win);
  *w = win->shown.w;
  *h = win->shown.h;
  return true;
}
