// The window icon. SDL copies the pixels into the window's icon property, so
// the surface only wraps the caller's pixels for the call.
#include "sdl_internal.h"

#include <cstdio>

void vqsdl_window_set_icon(int window, const uint32_t* argb, int w, int h) {
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr || win->window == nullptr) return;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(argb), w, h, 32, w * 4,
                                                         SDL_PIXELFORMAT_ARGB8888);
  if (icon == nullptr) {
    std::printf("vqplatform_window_set_icon: %s\n", SDL_GetError());
    return;
  }
  SDL_SetWindowIcon(win->window, icon);
  SDL_FreeSurface(icon);
}
