// Showing pixmaps on a platform window: screen pixmaps present every
// change at once, mirrored pixmaps copy their changes there as well.
#include "pixmap_internal.h"
#include "vqplatform.h"

#include <vector>

void vqpxmap_attach_window(vqpxmap* pm, int window) {
  if (pm) pm->window = window;
}

void vqpxmap_present(const vqpxmap* pm, int x, int y, int width, int height) {
  if (!pm || pm->window == 0) return;
  vqpxmap_rect r = vqpxmap_clip(x, y, width, height, pm->width, pm->height);
  if (r.empty()) return;
  if (vqpxmap_is_rgb(pm->format)) {
    const uint32_t* rgb = vqpxmap_rgbpixels(pm);
    if (rgb) vqplatform_window_present(pm->window, rgb, pm->width, pm->width, pm->height, r.x, r.y, r.w, r.h);
    return;
  }
  if (pm->format != VQPX_PALETTE8 || !pm->data || !pm->palette) return;
  // The window takes 0x00RRGGBB words laid out like the pixmap, so the
  // rectangle is looked up through the palette into a scratch buffer that
  // keeps the pixmap's row stride; only the rectangle in it is filled.
  static std::vector<uint32_t> scratch;
  size_t stride = static_cast<size_t>(pm->width);
  size_t needed = stride * static_cast<size_t>(r.y + r.h);
  if (scratch.size() < needed) scratch.resize(needed);
  for (int row = r.y; row < r.y + r.h; row++)
    for (int col = r.x; col < r.x + r.w; col++) {
      size_t at = static_cast<size_t>(row) * stride + static_cast<size_t>(col);
      scratch[at] = pm->palette[pm->data[at]];
    }
  vqplatform_window_present(pm->window, scratch.data(), pm->width, pm->width, r.y + r.h, r.x, r.y, r.w, r.h);
}

void vqpxmap_changed(const vqpxmap* pm, const vqpxmap_rect& r) {
  if (r.empty() || pm->window == 0) return;
  if (pm->format == VQPX_SCREEN || pm->mirror_to_window) vqpxmap_present(pm, r.x, r.y, r.w, r.h);
}
