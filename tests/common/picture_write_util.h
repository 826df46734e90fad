// Test pictures written with the toolkit's own writers: w x h pixels, each
// 0x00RRGGBB from color(x, y); a PNG when the name ends in .png, else a BMP.
#pragma once

#include "vqimagefile.h"
#include "vqpxmap.h"

#include <cstddef>
#include <string>

template <typename F>
bool write_picture(const std::string& file, int w, int h, F color) {
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = w;
  pm.height = h;
  pm.format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(&pm)) return false;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) vqpxmap_rgbpixels(&pm)[static_cast<size_t>(y) * w + x] = color(x, y);
  const bool ok = file.ends_with(".png") ? vqpxmap_savetofile_png(&pm, file.c_str())
                                         : vqpxmap_savetofile_bmp(&pm, file.c_str());
  vqpxmap_free(&pm);
  return ok;
}
