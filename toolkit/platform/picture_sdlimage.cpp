// The formats that SDL_image decodes for us (BMP, GIF, TGA and the rest),
// converted to 32-bit pixels. Surfaces need neither a window nor SDL's
// video system, so this serves both back ends and runs headless.
#include "picture_decode.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>

uint32_t* picture_sdlimage_decode(const uint8_t* bytes, size_t size, const char* extension, int* width,
                                  int* height) {
  static bool started = false;
  if (!started) {
    started = true;
    IMG_Init(0);
  }
  if (size > static_cast<size_t>(INT32_MAX)) return nullptr;
  SDL_RWops* source = SDL_RWFromConstMem(bytes, static_cast<int>(size));
  if (source == nullptr) return nullptr;
  SDL_Surface* loaded = IMG_LoadTyped_RW(source, 1, extension);
  if (loaded == nullptr) return nullptr;
  // ARGB8888 is 0xAARRGGBB in a native-endian 32-bit word; pictures without
  // alpha come out opaque.
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (argb == nullptr) return nullptr;
  uint32_t* pixels = nullptr;
  const int w = argb->w, h = argb->h;
  if (picture_size_allowed(w, h) && SDL_LockSurface(argb) == 0) {
    pixels = picture_pixels_new(w, h);
    const auto* row = static_cast<const uint8_t*>(argb->pixels);
    for (int y = 0; pixels != nullptr && y < h; ++y, row += argb->pitch)
      std::memcpy(pixels + static_cast<size_t>(y) * w, row, static_cast<size_t>(w) * 4);
    SDL_UnlockSurface(argb);
  }
  SDL_FreeSurface(argb);
  if (pixels != nullptr) {
    *width = w;
    *height = h;
  }
  return pixels;
}
