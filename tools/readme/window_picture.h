// What a headless window shows, written as a PNG file with the toolkit's own
// writer; shared by the tools that play the game headless and keep pictures
// of it (the README's pictures, the browser test's reference screens).
#pragma once

#include "vqheadless.h"
#include "vqimagefile.h"
#include "vqpxmap.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

inline bool window_picture_png(int window, const std::string& file) {
  const std::vector<uint32_t>* screen = vqheadless_screen(window);
  vqheadless_window_info info;
  if (screen == nullptr || !vqheadless_window(window, &info)) return false;
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = info.width;
  pm.height = info.height;
  pm.format = VQPX_TRUECOLOR;
  bool saved = false;
  if (vqpxmap_allocate(&pm)) {
    std::memcpy(vqpxmap_rgbpixels(&pm), screen->data(), screen->size() * sizeof(uint32_t));
    saved = vqpxmap_savetofile_png(&pm, file.c_str());
  }
  vqpxmap_free(&pm);
  return saved;
}
