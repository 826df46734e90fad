// Exact copies of rectangles: duplicates of a pixmap part and the raw row
// copy that snapshots use.
#include "pixmap_internal.h"

#include <cstring>

namespace {

// Start of pixel (x, y) and the bytes of one pixel, for any storage kind.
uint8_t* pixel_address(const vqpxmap* pm, int x, int y, int* bytes) {
  uint8_t* base = nullptr;
  *bytes = 0;
  if (pm->format == VQPX_PALETTE8 || pm->format == VQPX_PALETTE16) {
    base = pm->data;
    *bytes = vqpxmap_bytes_per_pixel(pm->format);
  } else if (vqpxmap_is_rgb(pm->format)) {
    base = reinterpret_cast<uint8_t*>(vqpxmap_rgbpixels(pm));
    *bytes = 4;
  }
  if (!base) return nullptr;
  size_t at = static_cast<size_t>(y) * static_cast<size_t>(pm->width) + static_cast<size_t>(x);
  return base + at * static_cast<size_t>(*bytes);
}

}  // namespace

void vqpxmap_copy_exact(vqpxmap* dst, int dx, int dy, const vqpxmap* src, int sx, int sy, int w, int h) {
  if (w <= 0 || h <= 0) return;
  int dst_bytes = 0, src_bytes = 0;
  uint8_t* to = pixel_address(dst, dx, dy, &dst_bytes);
  const uint8_t* from = pixel_address(src, sx, sy, &src_bytes);
  if (!to || !from || dst_bytes != src_bytes) return;
  size_t row = static_cast<size_t>(w) * static_cast<size_t>(dst_bytes);
  for (int y = 0; y < h; y++)
    std::memmove(to + static_cast<size_t>(y) * static_cast<size_t>(dst->width) * dst_bytes,
                 from + static_cast<size_t>(y) * static_cast<size_t>(src->width) * src_bytes, row);
  vqpxmap_rect r;
  r.x = dx;
  r.y = dy;
  r.w = w;
  r.h = h;
  vqpxmap_changed(dst, r);
}

bool vqpxmap_duplicate(vqpxmap* out, const vqpxmap* src, int x, int y, int width, int height) {
  if (!out || !src) return false;
  if (src->format < VQPX_PALETTE8 || src->format > VQPX_DIRECTX || src->format == VQPX_SCREEN) {
    vqpxmap_report("vqpxmap_duplicate: wrong format\n");
    return false;
  }
  if (out->data || out->pixbuf || out == src) {
    vqpxmap_report("vqpxmap_duplicate: target is not empty\n");
    return false;
  }
  if (x == -1) x = 0;
  if (y == -1) y = 0;
  int64_t w = width == -1 ? static_cast<int64_t>(src->width) - x : width;
  int64_t h = height == -1 ? static_cast<int64_t>(src->height) - y : height;
  vqpxmap_rect r = vqpxmap_clip(x, y, w, h, src->width, src->height);
  delete[] out->palette;
  vqpxmap_init(out);
  out->width = r.w;
  out->height = r.h;
  out->format = src->format;
  if (!vqpxmap_allocate(out)) {
    vqpxmap_free(out);
    return false;
  }
  if (src->palette) std::memcpy(out->palette, src->palette, VQPX_PALETTE_SIZE * sizeof(uint32_t));
  out->next_free_entry = src->next_free_entry;
  vqpxmap_copy_exact(out, 0, 0, src, r.x, r.y, r.w, r.h);
  return true;
}
