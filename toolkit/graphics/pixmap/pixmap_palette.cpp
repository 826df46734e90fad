// Palette entries: the transparent color, looking colors up, setting them.
#include "pixmap_internal.h"

void vqpxmap_settransparent(vqpxmap* pm, int32_t color) {
  // A platform buffer takes its transparent color from entry 255 as well.
  if (pm && pm->palette) pm->palette[VQPX_TRANSPARENT_INDEX] = static_cast<uint32_t>(color);
}

int vqpxmap_findcolor(const vqpxmap* pm, int32_t color) {
  if (!pm || !pm->palette) return -1;
  for (int i = 0; i < VQPX_PALETTE_SIZE; i++)
    if (pm->palette[i] == static_cast<uint32_t>(color)) return i;
  return -1;
}

void vqpxmap_setpalette(vqpxmap* pm, int index, int32_t color) {
  if (pm && pm->palette && index >= 0 && index < VQPX_PALETTE_SIZE)
    pm->palette[index] = static_cast<uint32_t>(color);
}
