// The faces rasterized ahead of time for the page: one record per request
// the program makes, with every glyph it asked for as one bit per pixel.
#pragma once

#include "vqplatform_font.h"

#include <cstddef>
#include <cstdint>

struct vqweb_glyph {
  int code;
  int advance, left, top, width, rows;
  const uint8_t* bits;   // rows * width bits, row after row, first pixel in the high bit
};

struct vqweb_face {
  const char* face;
  int pixel_height, pixel_width;
  bool bold, italic;
  vqplatform_face_metrics metrics;
  const vqweb_glyph* glyphs;
  size_t glyph_count;
};

extern const vqweb_face vqweb_faces[];
extern const size_t vqweb_face_count;
