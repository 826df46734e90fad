// The reference that loading a picture is measured against: SDL_image's own
// decode of the file into a surface, with nothing of ours around it; and a
// JPEG writer, so that a benchmark can make the large photographs it loads.
#include "vqplatform_bench.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>

bool vqplatform_bench_decode(const char* file, int* w, int* h) {
  IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
  SDL_Surface* loaded = IMG_Load(file);
  if (loaded == nullptr) return false;
  if (w) *w = loaded->w;
  if (h) *h = loaded->h;
  SDL_FreeSurface(loaded);
  return true;
}

bool vqplatform_bench_write_jpeg(const char* file, const uint32_t* pixels, int w, int h, int quality) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), w, h, 32, w * 4,
                                                            SDL_PIXELFORMAT_RGB888);
  if (surface == nullptr) {
    std::printf("vqplatform_bench_write_jpeg: %s\n", SDL_GetError());
    return false;
  }
  const bool ok = IMG_SaveJPG(surface, file, quality) == 0;
  if (!ok) std::printf("vqplatform_bench_write_jpeg: %s\n", SDL_GetError());
  SDL_FreeSurface(surface);
  return ok;
}
