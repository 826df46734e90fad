// Picture decoding by the browser: the file is fetched when the program
// asks for it and decoded by the page's own decoders (PNG exactly, JPEG as
// the browser does it), then copied into the program's memory as 0xAARRGGBB.
#include "vqplatform.h"

#include <emscripten.h>

#include <cstdlib>

struct vqplatform_picture {
  int width = 0, height = 0;
  uint32_t* data = nullptr;   // malloc'd by the page, stride = width
};

namespace {

// Null when the file is not among the data or cannot be decoded.
EM_ASYNC_JS(uint32_t*, web_decode, (const char* file, int* size), {
  const image = await Module.vqweb.decodePicture(UTF8ToString(file));
  if (!image || image.width <= 0 || image.height <= 0) return 0;
  const count = image.width * image.height;
  const out = _malloc(count * 4);
  if (!out) return 0;
  const rgba = new Uint32Array(image.data.buffer);
  const base = out >> 2;
  for (let i = 0; i < count; i++) {
    const v = rgba[i];   // bytes R, G, B, A
    HEAPU32[base + i] = ((v & 0xFF) << 16) | (v & 0xFF00FF00) | ((v >>> 16) & 0xFF);
  }
  HEAP32[size >> 2] = image.width;
  HEAP32[(size >> 2) + 1] = image.height;
  return out;
});

}  // namespace

vqplatform_picture* vqplatform_picture_open(const char* file, int* w, int* h) {
  if (w) *w = 0;
  if (h) *h = 0;
  if (file == nullptr || *file == 0) return nullptr;
  int size[2] = {0, 0};
  uint32_t* data = web_decode(file, size);
  if (data == nullptr) return nullptr;
  auto* picture = new vqplatform_picture;
  picture->width = size[0];
  picture->height = size[1];
  picture->data = data;
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
  std::free(picture->data);
  delete picture;
}

// The page offers no header-only size: the size comes from decoding the
// picture, as for a format without a header of ours on the desktop.
bool vqplatform_picture_size(const char* file, int* w, int* h) {
  vqplatform_picture* picture = vqplatform_picture_open(file, w, h);
  vqplatform_picture_close(picture);
  return picture != nullptr;
}
