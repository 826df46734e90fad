// PPM writer: binary P6 with maximum value 255.
#include <cstdio>

#include "image_load_internal.h"
#include "vqimagefile.h"

bool vqpxmap_savetofile_ppm(vqpxmap* pm, const char* filename) {
  const char* func = "vqpxmap_savetofile_ppm";
  if (!vqimage_truecolor_for_writing(func, pm)) return false;
  vqimage_out out;
  if (!out.open(func, filename)) return false;
  char header[64];
  snprintf(header, sizeof header, "P6\n%d %d\n255\n", pm->width, pm->height);
  out.text(header);
  const uint32_t* px = reinterpret_cast<const uint32_t*>(pm->data);
  const size_t n = size_t(pm->width) * size_t(pm->height);
  for (size_t i = 0; i < n; ++i) {
    out.byte(uint8_t(px[i] >> 16));
    out.byte(uint8_t(px[i] >> 8));
    out.byte(uint8_t(px[i]));
  }
  return out.close();
}
