// Picture decoding through SDL_image. Surfaces need neither a window nor
// SDL's video system, so this serves both back ends and runs headless.
#include "vqplatform.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <vector>

struct vqplatform_picture {
  int width = 0, height = 0;
  // The converted surface itself, locked, when its rows lie without gaps
  // (they do for 4-byte pixels): a large photograph is not copied once more.
  SDL_Surface* surface = nullptr;
  const uint32_t* data = nullptr;   // 0xAARRGGBB, stride = width
  std::vector<uint32_t> copy;       // only for a surface with padded rows
};

// The decoders for JPEG and PNG are loaded once per process; BMP needs none.
static void start_decoders() {
  static bool started = false;
  if (started) return;
  started = true;
  IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
}

vqplatform_picture* vqplatform_picture_open(const char* file, int* w, int* h) {
  if (w) *w = 0;
  if (h) *h = 0;
  if (!file || !*file) return nullptr;
  start_decoders();
  SDL_Surface* loaded = IMG_Load(file);
  if (!loaded) return nullptr;
  // ARGB8888 is 0xAARRGGBB in a native-endian 32-bit word, exactly what the
  // toolkit hands out; pictures without alpha come out opaque.
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!argb) return nullptr;
  if (argb->w <= 0 || argb->h <= 0) {
    SDL_FreeSurface(argb);
    return nullptr;
  }
  if (SDL_LockSurface(argb) != 0) {
    SDL_FreeSurface(argb);
    return nullptr;
  }
  auto* picture = new vqplatform_picture;
  picture->width = argb->w;
  picture->height = argb->h;
  if (argb->pitch == argb->w * 4) {
    picture->surface = argb;
    picture->data = static_cast<const uint32_t*>(argb->pixels);
  } else {
    picture->copy.resize(static_cast<size_t>(argb->w) * static_cast<size_t>(argb->h));
    const auto* row = static_cast<const uint8_t*>(argb->pixels);
    for (int y = 0; y < argb->h; ++y, row += argb->pitch) {
      const auto* src = reinterpret_cast<const uint32_t*>(row);
      uint32_t* dst = picture->copy.data() + static_cast<size_t>(y) * argb->w;
      for (int x = 0; x < argb->w; ++x) dst[x] = src[x];
    }
    SDL_UnlockSurface(argb);
    SDL_FreeSurface(argb);
    picture->data = picture->copy.data();
  }
  if (w) *w = picture->width;
  if (h) *h = picture->height;
  return picture;
}

uint32_t vqplatform_picture_pixel(const vqplatform_picture* picture, int x, int y) {
  if (!picture || x < 0 || y < 0 || x >= picture->width || y >= picture->height) return 0;
  return picture->data[static_cast<size_t>(y) * picture->width + x];
}

const uint32_t* vqplatform_picture_pixels(const vqplatform_picture* picture) {
  return picture ? picture->data : nullptr;
}

void vqplatform_picture_close(vqplatform_picture* picture) {
  if (picture == nullptr) return;
  if (picture->surface != nullptr) {
    SDL_UnlockSurface(picture->surface);
    SDL_FreeSurface(picture->surface);
  }
  delete picture;
}
