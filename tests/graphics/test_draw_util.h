// Shared by the shape drawing tests: pixmaps of every format and pictures of
// pixels as rows of characters, so expectations read as drawings.
#pragma once

#include "test_pxmap_util.h"
#include "vqpxmap.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

inline const int kAllFormats[] = {VQPX_PALETTE8, VQPX_PALETTE16, VQPX_TRUECOLOR,
                                  VQPX_SERVER,   VQPX_SCREEN,    VQPX_DIRECTX};

// One character per pixel: the mark of its value, '.' for any other value.
struct Ink {
  int32_t value;
  char mark;
};
inline std::vector<std::string> picture(const vqpxmap* pm, std::initializer_list<Ink> inks) {
  std::vector<std::string> rows;
  for (int y = 0; y < pm->height; y++) {
    std::string row;
    for (int x = 0; x < pm->width; x++) {
      int32_t v = vqpxmap_getpixel(pm, x, y);
      char c = '.';
      for (const Ink& ink : inks)
        if (ink.value == v) c = ink.mark;
      row += c;
    }
    rows.push_back(row);
  }
  return rows;
}

using PixelSet = std::set<std::pair<int, int>>;
inline PixelSet pixels_of(const vqpxmap* pm, int32_t value) {
  PixelSet set;
  for (int y = 0; y < pm->height; y++)
    for (int x = 0; x < pm->width; x++)
      if (vqpxmap_getpixel(pm, x, y) == value) set.insert({x, y});
  return set;
}
