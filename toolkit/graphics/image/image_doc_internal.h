// What the PostScript and PDF exports share: where the picture goes on the
// page, and its pixels as RGB bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "vqpxmap.h"

// One pixel is one point (1/72 inch). The page is A4 and grows to the right
// and downwards when the picture at its offset would not fit.
struct vqdoc_placement {
  long page_width, page_height;   // points
  long left, bottom;              // the picture's lower-left corner, from the page's lower-left
  long width, height;             // the picture's size in points
};
vqdoc_placement vqdoc_place(const vqpxmap* pm, int xoffset, int yoffset);

// The pixmap's pixels as red, green, blue bytes, top row first. Palette8
// pixels go through the palette; transparent ones (index 255) show the
// white of the paper. Formats without RGB pixels: one line naming `who`,
// false.
bool vqdoc_rgb(const vqpxmap* pm, std::vector<uint8_t>* rgb, const char* who);
