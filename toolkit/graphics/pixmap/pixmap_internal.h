// Helpers shared by the pixmap source files; not part of the toolkit's
// interface.
#pragma once

#include "vqpxmap.h"

#include <cstdint>

// Every pixmap diagnostic goes through here: one line, printed at once.
void vqpxmap_report(const char* format, ...) __attribute__((format(printf, 1, 2)));

// True for a width and height a pixmap may have (0 to VQPX_MAX_SIDE).
bool vqpxmap_size_ok(int width, int height);

// A rectangle cut to 0 <= x < limit_w, 0 <= y < limit_h. Arithmetic is done
// in 64 bits so that absurd arguments cannot wrap around.
struct vqpxmap_rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
};
vqpxmap_rect vqpxmap_clip(int64_t x, int64_t y, int64_t w, int64_t h, int limit_w, int limit_h);

// After pixels of pm changed inside r: a screen pixmap presents them, a
// mirrored pixmap shows them on its window too.
void vqpxmap_changed(const vqpxmap* pm, const vqpxmap_rect& r);

// Pixels of a platform-held pixmap (formats 4 and 6), or null.
uint32_t* vqpxmap_pixbuf_of(const vqpxmap* pm);

// True for the formats whose pixels are 0x00RRGGBB words: 3, 4, 5, 6.
inline bool vqpxmap_is_rgb(int format) {
  return format == VQPX_TRUECOLOR || format == VQPX_SERVER || format == VQPX_SCREEN ||
         format == VQPX_DIRECTX;
}
inline bool vqpxmap_is_platform(int format) {
  return format == VQPX_SERVER || format == VQPX_DIRECTX;
}

// Drops the pixel storage (memory or platform buffer) but keeps size,
// format and palette.
void vqpxmap_release_pixels(vqpxmap* pm);

// Copies a rectangle between two pixmaps of the same storage kind without
// any transparency (snapshots, duplicates). The rectangle must already lie
// inside both.
void vqpxmap_copy_exact(vqpxmap* dst, int dx, int dy, const vqpxmap* src, int sx, int sy, int w, int h);
