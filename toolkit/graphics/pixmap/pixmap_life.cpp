// Pixmap life cycle: allocation in each format, release, resizing, the
// format keywords and the default palette.
#include "pixmap_internal.h"
#include "vqcfgstr.h"
#include "vqplatform.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>

void vqpxmap_report(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::fflush(stdout);
}

bool vqpxmap_size_ok(int width, int height) {
  return width >= 0 && height >= 0 && width <= VQPX_MAX_SIDE && height <= VQPX_MAX_SIDE;
}

vqpxmap_rect vqpxmap_clip(int64_t x, int64_t y, int64_t w, int64_t h, int limit_w, int limit_h) {
  if (x < 0) {
    w += x;
    x = 0;
  }
  if (y < 0) {
    h += y;
    y = 0;
  }
  w = std::min<int64_t>(w, static_cast<int64_t>(limit_w) - x);
  h = std::min<int64_t>(h, static_cast<int64_t>(limit_h) - y);
  vqpxmap_rect r;
  if (w <= 0 || h <= 0) return r;
  r.x = static_cast<int>(x);
  r.y = static_cast<int>(y);
  r.w = static_cast<int>(w);
  r.h = static_cast<int>(h);
  return r;
}

uint32_t* vqpxmap_pixbuf_of(const vqpxmap* pm) {
  if (!pm || !vqpxmap_is_platform(pm->format) || pm->pixbuf == 0) return nullptr;
  int w = 0, h = 0;
  uint32_t* pixels = vqplatform_pixbuf_pixels(pm->pixbuf, &w, &h);
  // A buffer of another size would be read out of bounds; treat it as gone.
  if (w != pm->width || h != pm->height) return nullptr;
  return pixels;
}

void vqpxmap_init(vqpxmap* pm) {
  if (pm) *pm = vqpxmap{};
}

int vqpxmap_bytes_per_pixel(int format) {
  switch (format) {
    case VQPX_PALETTE8: return 1;
    case VQPX_PALETTE16: return 2;
    case VQPX_TRUECOLOR:
    case VQPX_SCREEN: return 4;
    default: return 0;
  }
}

void vqpxmap_default_palette(uint32_t* palette) {
  static const uint32_t first16[16] = {
      0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
      0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
  };
  if (!palette) return;
  std::memcpy(palette, first16, sizeof first16);
  static const uint32_t level[4] = {0x00, 0x55, 0xAA, 0xFF};
  for (int i = 0; i < 64; i++)
    palette[16 + i] = level[i >> 4] << 16 | level[(i >> 2) & 3] << 8 | level[i & 3];
  for (uint32_t k = 0; k < 128; k++) palette[80 + k] = k * 0x020202u;
  for (uint32_t k = 0; k < 16; k++) {
    palette[208 + k] = k * 0x10u;
    palette[224 + k] = k * 0x1000u;
    palette[240 + k] = k * 0x100000u;
  }
}

void vqpxmap_release_pixels(vqpxmap* pm) {
  delete[] pm->data;
  pm->data = nullptr;
  if (pm->pixbuf) vqplatform_pixbuf_destroy(pm->pixbuf);
  pm->pixbuf = 0;
}

// Zeroed storage for the pixmap's size and format; the palette is left alone.
static bool allocate_pixels(vqpxmap* pm) {
  size_t count = static_cast<size_t>(pm->width) * static_cast<size_t>(pm->height);
  if (vqpxmap_is_platform(pm->format)) {
    pm->pixbuf = vqplatform_pixbuf_create(pm->width, pm->height);
    return pm->pixbuf != 0;
  }
  size_t bytes = count * static_cast<size_t>(vqpxmap_bytes_per_pixel(pm->format));
  pm->data = new (std::nothrow) uint8_t[bytes > 0 ? bytes : 1]();
  return pm->data != nullptr;
}

bool vqpxmap_allocate(vqpxmap* pm) {
  if (!pm) return false;
  if (pm->format < VQPX_PALETTE8 || pm->format > VQPX_DIRECTX) {
    vqpxmap_report("vqpxmap_allocate: wrong format\n");
    return false;
  }
  if (!vqpxmap_size_ok(pm->width, pm->height)) {
    vqpxmap_report("vqpxmap_allocate: wrong size %d x %d\n", pm->width, pm->height);
    return false;
  }
  vqpxmap_release_pixels(pm);
  if (!pm->palette) pm->palette = new (std::nothrow) uint32_t[VQPX_PALETTE_SIZE];
  if (!pm->palette || !allocate_pixels(pm)) {
    vqpxmap_report("vqpxmap_allocate: out of memory\n");
    vqpxmap_release_pixels(pm);
    return false;
  }
  vqpxmap_default_palette(pm->palette);
  pm->next_free_entry = 254;
  return true;
}

void vqpxmap_free(vqpxmap* pm) {
  if (!pm) return;
  vqpxmap_release_pixels(pm);
  delete[] pm->palette;
  vqpxmap_init(pm);
}

bool vqpxmap_resize(vqpxmap* pm, int width, int height) {
  if (!pm) return false;
  int format = pm->format;
  if (format != VQPX_TRUECOLOR && format != VQPX_SCREEN && !vqpxmap_is_platform(format)) {
    vqpxmap_report("vqpxmap_resize: wrong format %d\n", format);
    return false;
  }
  if (!vqpxmap_size_ok(width, height)) {
    vqpxmap_report("vqpxmap_resize: wrong size %d x %d\n", width, height);
    return false;
  }
  vqpxmap old = *pm;
  pm->data = nullptr;
  pm->pixbuf = 0;
  pm->width = width;
  pm->height = height;
  if (!allocate_pixels(pm)) {
    vqpxmap_report("vqpxmap_resize: out of memory\n");
    *pm = old;
    return false;
  }
  // Memory formats keep the overlapping top-left part; a platform buffer is
  // simply made anew.
  if (old.data && pm->data) {
    const uint32_t* from = reinterpret_cast<const uint32_t*>(old.data);
    uint32_t* to = reinterpret_cast<uint32_t*>(pm->data);
    int w = std::min(width, old.width), h = std::min(height, old.height);
    for (int y = 0; y < h; y++)
      std::memcpy(to + static_cast<size_t>(y) * width, from + static_cast<size_t>(y) * old.width,
                  static_cast<size_t>(w) * 4);
  }
  old.palette = nullptr;
  vqpxmap_release_pixels(&old);
  if (format == VQPX_SCREEN) vqpxmap_changed(pm, vqpxmap_clip(0, 0, width, height, width, height));
  return true;
}

int vqpxmap_format_from_options(const char* options, int default_format) {
  int format = default_format;
  if (!options) return format;
  char** list = vqcfgstr_splitalloc(options);
  if (list) vqcfgstr_pxmaptype(list, 0, &format);
  vqcfgstr_splitfree(list);
  return format;
}
