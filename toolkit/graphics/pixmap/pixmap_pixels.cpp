// Pixel access: clearing, single pixels, rectangles and point lists, in
// every format that holds pixels.
#include "pixmap_internal.h"

#include <algorithm>
#include <cstring>

uint32_t* vqpxmap_rgbpixels(const vqpxmap* pm) {
  if (!pm) return nullptr;
  if (pm->format == VQPX_TRUECOLOR || pm->format == VQPX_SCREEN)
    return reinterpret_cast<uint32_t*>(pm->data);
  return vqpxmap_pixbuf_of(pm);
}

namespace {

// Writes one already clipped row span; false for a format without pixels.
bool fill_span(vqpxmap* pm, int x, int y, int count, int32_t color) {
  size_t at = static_cast<size_t>(y) * static_cast<size_t>(pm->width) + static_cast<size_t>(x);
  if (pm->format == VQPX_PALETTE8) {
    if (!pm->data) return false;
    std::memset(pm->data + at, static_cast<uint8_t>(color), static_cast<size_t>(count));
    return true;
  }
  if (pm->format == VQPX_PALETTE16) {
    if (!pm->data) return false;
    uint16_t value = static_cast<uint16_t>(color);
    uint8_t* p = pm->data + at * 2;
    for (int i = 0; i < count; i++) std::memcpy(p + 2 * static_cast<size_t>(i), &value, 2);
    return true;
  }
  uint32_t* rgb = vqpxmap_is_rgb(pm->format) ? vqpxmap_rgbpixels(pm) : nullptr;
  if (!rgb) return false;
  std::fill_n(rgb + at, count, static_cast<uint32_t>(color));
  return true;
}

bool holds_pixels(const vqpxmap* pm) {
  switch (pm->format) {
    case VQPX_PALETTE8:
    case VQPX_PALETTE16: return pm->data != nullptr;
    default: return vqpxmap_is_rgb(pm->format) && vqpxmap_rgbpixels(pm) != nullptr;
  }
}

bool fill(vqpxmap* pm, const vqpxmap_rect& r, int32_t color) {
  if (r.empty()) return true;
  for (int y = r.y; y < r.y + r.h; y++)
    if (!fill_span(pm, r.x, y, r.w, color)) return false;
  vqpxmap_changed(pm, r);
  return true;
}

}  // namespace

bool vqpxmap_clear(vqpxmap* pm, int32_t color) {
  if (!pm) return false;
  if (pm->format < VQPX_PALETTE8 || pm->format > VQPX_DIRECTX) {
    vqpxmap_report("vqpxmap_clear: wrong format\n");
    return false;
  }
  if (pm->width > 0 && pm->height > 0 && !holds_pixels(pm)) return false;
  return fill(pm, vqpxmap_clip(0, 0, pm->width, pm->height, pm->width, pm->height), color);
}

bool vqpxmap_setpixel(vqpxmap* pm, int x, int y, int32_t color) {
  if (!pm || x < 0 || y < 0 || x >= pm->width || y >= pm->height) return false;
  if (pm->format < VQPX_PALETTE8 || pm->format > VQPX_DIRECTX) {
    vqpxmap_report("vqpxmap_setpixel: wrong format %d\n", pm->format);
    return false;
  }
  vqpxmap_rect r;
  r.x = x;
  r.y = y;
  r.w = r.h = 1;
  return fill(pm, r, color);
}

int32_t vqpxmap_getpixel(const vqpxmap* pm, int x, int y) {
  if (!pm || x < 0 || y < 0 || x >= pm->width || y >= pm->height) return -1;
  size_t at = static_cast<size_t>(y) * static_cast<size_t>(pm->width) + static_cast<size_t>(x);
  switch (pm->format) {
    case VQPX_PALETTE8: return pm->data ? pm->data[at] : -1;
    case VQPX_PALETTE16: {
      if (!pm->data) return -1;
      int16_t value;
      std::memcpy(&value, pm->data + at * 2, 2);
      return value;
    }
    case VQPX_TRUECOLOR:
    case VQPX_SERVER:
    case VQPX_SCREEN:
    case VQPX_DIRECTX: {
      const uint32_t* rgb = vqpxmap_rgbpixels(pm);
      return rgb ? static_cast<int32_t>(rgb[at]) : -1;
    }
    default:
      vqpxmap_report("vqpxmap_getpixel: wrong format\n");
      return -1;
  }
}

bool vqpxmap_fillrect(vqpxmap* pm, int x, int y, int width, int height, int32_t color) {
  if (!pm) return false;
  if (pm->format < VQPX_PALETTE8 || pm->format > VQPX_DIRECTX) return false;
  return fill(pm, vqpxmap_clip(x, y, width, height, pm->width, pm->height), color);
}

bool vqpxmap_setpoints(vqpxmap* pm, int count, const int* xs, const int* ys, int32_t color) {
  if (!pm || count <= 0 || !xs || !ys) return false;
  if (pm->format < VQPX_PALETTE8 || pm->format > VQPX_DIRECTX) {
    vqpxmap_report("vqpxmap_setpixel: wrong format %d\n", pm->format);
    return false;
  }
  if (!holds_pixels(pm)) return false;
  // The points are written first and shown once, over their bounding box.
  int x0 = pm->width, y0 = pm->height, x1 = -1, y1 = -1;
  for (int i = 0; i < count; i++) {
    int x = xs[i], y = ys[i];
    if (x < 0 || y < 0 || x >= pm->width || y >= pm->height) continue;
    fill_span(pm, x, y, 1, color);
    x0 = std::min(x0, x);
    y0 = std::min(y0, y);
    x1 = std::max(x1, x);
    y1 = std::max(y1, y);
  }
  if (x1 >= 0) vqpxmap_changed(pm, vqpxmap_clip(x0, y0, x1 - x0 + 1, y1 - y0 + 1, pm->width, pm->height));
  return true;
}
