// The engraved look of a disabled picture: dark parts become grey with a
// white edge at their lower right, light parts become transparent.
#include "pixmap_internal.h"

#include <new>

namespace {

constexpr uint32_t grey = 0x808080, white = 0xFFFFFF;

bool dark(uint32_t color) {
  uint32_t sum = (color >> 16 & 0xFF) + (color >> 8 & 0xFF) + (color & 0xFF);
  return sum < 3 * 129;   // mean of the three components below 129
}

}  // namespace

bool vqpxmap_makegreyed(vqpxmap* pm) {
  if (!pm) return false;
  if (pm->format != VQPX_PALETTE8) {
    int32_t key = pm->palette ? static_cast<int32_t>(pm->palette[VQPX_TRANSPARENT_INDEX]) : -1;
    if (!vqpxmap_convert2palette8(pm, key)) return false;
  }
  if (!pm->data || !pm->palette || pm->width >= VQPX_MAX_SIDE || pm->height >= VQPX_MAX_SIDE) return false;
  int w = pm->width, h = pm->height, ow = w + 1, oh = h + 1;
  size_t count = static_cast<size_t>(ow) * static_cast<size_t>(oh);
  uint32_t* out = new (std::nothrow) uint32_t[count];
  if (!out) return false;
  const uint32_t transparent = pm->palette[VQPX_TRANSPARENT_INDEX];
  const uint8_t* src = pm->data;
  auto index = [&](int x, int y) { return src[static_cast<size_t>(y) * w + x]; };
  auto grey_at = [&](int x, int y) {
    uint8_t i = index(x, y);
    return i != VQPX_TRANSPARENT_INDEX && dark(pm->palette[i]);
  };
  for (size_t i = 0; i < count; i++) out[i] = transparent;
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) out[static_cast<size_t>(y) * ow + x] = grey_at(x, y) ? grey : transparent;
  // The white edge only lands where the source shows nothing, so it never
  // covers a grey pixel; the scan runs from the lower right all the same.
  for (int y = h - 1; y >= 0; y--)
    for (int x = w - 1; x >= 0; x--) {
      if (!grey_at(x, y)) continue;
      bool open = x + 1 >= w || y + 1 >= h || index(x + 1, y + 1) == VQPX_TRANSPARENT_INDEX;
      if (open) out[static_cast<size_t>(y + 1) * ow + x + 1] = white;
    }
  delete[] pm->data;
  pm->data = reinterpret_cast<uint8_t*>(out);
  pm->width = ow;
  pm->height = oh;
  pm->format = VQPX_TRUECOLOR;
  return true;
}
