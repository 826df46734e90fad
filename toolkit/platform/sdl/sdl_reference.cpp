// The reference that presenting is measured against: a frame shown the
// plainest way SDL offers, with no back buffer and no scaling.
#include "../vqplatform_bench.h"
#include "sdl_internal.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

SDL_Window* g_reference = nullptr;

}  // namespace

bool vqplatform_bench_reference_open(int x, int y, int w, int h) {
  if (!vqplatform_start() || vqplatform_is_headless() || !vqsdl_video()) {
    std::printf("vqplatform_bench_reference_open: needs the SDL back end with a display\n");
    return false;
  }
  vqplatform_bench_reference_close();
  g_reference = SDL_CreateWindow("reference", x, y, w, h, 0);
  if (g_reference == nullptr) std::printf("vqplatform_bench_reference_open: %s\n", SDL_GetError());
  return g_reference != nullptr;
}

void vqplatform_bench_reference_frame(const uint32_t* frame, int frame_w, int frame_h) {
  if (g_reference == nullptr) return;
  SDL_Surface* surface = SDL_GetWindowSurface(g_reference);
  if (surface == nullptr) return;
  const int w = std::min(frame_w, surface->w), h = std::min(frame_h, surface->h);
  for (int row = 0; row < h; row++)
    std::memcpy(static_cast<char*>(surface->pixels) + static_cast<size_t>(row) * surface->pitch,
                frame + static_cast<size_t>(row) * frame_w, static_cast<size_t>(w) * 4);
  SDL_UpdateWindowSurface(g_reference);
}

void vqplatform_bench_reference_close() {
  if (g_reference != nullptr) SDL_DestroyWindow(g_reference);
  g_reference = nullptr;
}

bool vqplatform_bench_show_at(int window, int w, int h) {
  sdl_window* win = vqsdl_window(window);
  if (vqplatform_is_headless() || win == nullptr) return false;
  SDL_SetWindowSize(win->window, w, h);
  // The desktop reports the new size back; what arrives meanwhile is handled.
  for (int wait = 0; wait < 100; wait++) {
    vqplatform_msg msg;
    while (vqplatform_peek_message(&msg)) vqplatform_dispatch(&msg);
    int fw = 0, fh = 0;
    SDL_GetWindowSizeInPixels(win->window, &fw, &fh);
    if (fw == w && fh == h) return true;
    SDL_Delay(10);
  }
  return false;
}
