// Page placement and pixel fetching shared by the PostScript and PDF exports.
#include <cstdio>

#include "image_doc_internal.h"

namespace {

constexpr long a4_width = 595, a4_height = 842;
constexpr uint32_t paper_white = 0xFFFFFF;

}  // namespace

vqdoc_placement vqdoc_place(const vqpxmap* pm, int xoffset, int yoffset) {
  vqdoc_placement p;
  p.width = pm->width;
  p.height = pm->height;
  long right = long(xoffset) + p.width, low = long(yoffset) + p.height;
  p.page_width = right > a4_width ? right : a4_width;
  p.page_height = low > a4_height ? low : a4_height;
  p.left = xoffset;
  p.bottom = p.page_height - yoffset - p.height;
  return p;
}

bool vqdoc_rgb(const vqpxmap* pm, std::vector<uint8_t>* rgb, const char* who) {
  if (pm->width < 1 || pm->height < 1) {
    printf("%s: empty pixmap\n", who);
    return false;
  }
  const size_t n = size_t(pm->width) * size_t(pm->height);
  const uint32_t* truecolor = vqpxmap_rgbpixels(pm);
  const bool palette = pm->format == VQPX_PALETTE8 && pm->data && pm->palette;
  if (!truecolor && !palette) {
    printf("%s: unsupported format %d\n", who, pm->format);
    return false;
  }
  rgb->resize(n * 3);
  uint8_t* out = rgb->data();
  for (size_t i = 0; i < n; ++i, out += 3) {
    uint32_t color;
    if (truecolor) color = truecolor[i];
    else color = pm->data[i] == VQPX_TRANSPARENT_INDEX ? paper_white : pm->palette[pm->data[i]];
    out[0] = uint8_t(color >> 16);
    out[1] = uint8_t(color >> 8);
    out[2] = uint8_t(color);
  }
  return true;
}
