// Half-size images: each 2 x 2 block of a truecolor pixmap averaged into
// one pixel (used for half-scale text).
#include "pixmap_internal.h"

#include <new>

bool vqpxmap_halve_into(const vqpxmap* pm, uint32_t* out, size_t out_count, int* out_w, int* out_h) {
  if (!pm) return false;
  if (pm->format != VQPX_TRUECOLOR || (!pm->data && pm->width > 0 && pm->height > 0)) {
    vqpxmap_report("vqpxmap_halve: wrong format %d\n", pm->format);
    return false;
  }
  int w = pm->width / 2, h = pm->height / 2;
  if (out_count < static_cast<size_t>(w) * static_cast<size_t>(h) || (!out && w > 0 && h > 0)) {
    vqpxmap_report("vqpxmap_halve: output buffer too small\n");
    return false;
  }
  const uint32_t* px = reinterpret_cast<const uint32_t*>(pm->data);
  size_t stride = static_cast<size_t>(pm->width);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      const uint32_t* top = px + static_cast<size_t>(2 * y) * stride + static_cast<size_t>(2 * x);
      const uint32_t* bottom = top + stride;
      uint32_t value = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        uint32_t sum = (top[0] >> shift & 0xFF) + (top[1] >> shift & 0xFF) + (bottom[0] >> shift & 0xFF) +
                       (bottom[1] >> shift & 0xFF);
        value |= (sum >> 2) << shift;
      }
      out[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = value;
    }
  if (out_w) *out_w = w;
  if (out_h) *out_h = h;
  return true;
}

bool vqpxmap_halve(vqpxmap* pm) {
  if (!pm) return false;
  if (pm->format != VQPX_TRUECOLOR) {
    vqpxmap_report("vqpxmap_halve: wrong format %d\n", pm->format);
    return false;
  }
  size_t count = static_cast<size_t>(pm->width / 2) * static_cast<size_t>(pm->height / 2);
  uint32_t* out = new (std::nothrow) uint32_t[count > 0 ? count : 1]();
  int w = 0, h = 0;
  if (!out || !vqpxmap_halve_into(pm, out, count, &w, &h)) {
    delete[] out;
    return false;
  }
  delete[] pm->data;
  pm->data = reinterpret_cast<uint8_t*>(out);
  pm->width = w;
  pm->height = h;
  return true;
}
