// Shared by the shape drawing tests: pictures of pixels as text, so that
// expectations read as drawings.
#pragma once

#include "test_pxmap_util.h"
#include "vqpxmap.h"

#include <set>
#include <string>
#include <utility>

inline const int kAllFormats[] = {VQPX_PALETTE8, VQPX_PALETTE16, VQPX_TRUECOLOR,
                                  VQPX_SERVER,   VQPX_SCREEN,    VQPX_DIRECTX};

// One character per pixel, rows separated by blanks: the mark of the
// pixel's value, '.' for any other value.
struct Ink {
  int32_t value;
  char mark;
};
inline std::string picture(const vqpxmap* pm, std::initializer_list<Ink> inks) {
  std::string text;
  for (int y = 0; y < pm->height; y++) {
    if (y > 0) text += ' ';
    for (int x = 0; x < pm->width; x++) {
      char c = '.';
      for (const Ink& ink : inks)
        if (ink.value == vqpxmap_getpixel(pm, x, y)) c = ink.mark;
      text += c;
    }
  }
  return text;
}

using PixelSet = std::set<std::pair<int, int>>;
inline PixelSet pixels_of(const vqpxmap* pm, int32_t value) {
  PixelSet set;
  for (int y = 0; y < pm->height; y++)
    for (int x = 0; x < pm->width; x++)
      if (vqpxmap_getpixel(pm, x, y) == value) set.insert({x, y});
  return set;
}
