// PCX writer: version 5, 8 bits, 3 planes; every plane line is run-length
// encoded on its own, so no run crosses from one plane into the next.
#include <vector>

#include "image_load_internal.h"
#include "vqimagefile.h"

namespace {

// Runs of up to 63 equal bytes become (0xC0 + count, value); a single byte
// stands for itself unless it would read as a count.
void encode_line(vqimage_out* out, const uint8_t* line, int n) {
  int i = 0;
  while (i < n) {
    const uint8_t v = line[i];
    int run = 1;
    while (i + run < n && run < 63 && line[i + run] == v) ++run;
    if (run == 1 && v < 0xC0) {
      out->byte(v);
    } else {
      out->byte(uint8_t(0xC0 + run));
      out->byte(v);
    }
    i += run;
  }
}

}  // namespace

bool vqpxmap_savetofile_pcx(vqpxmap* pm, const char* filename) {
  const char* func = "vqpxmap_savetofile_pcx";
  if (!vqimage_truecolor_for_writing(func, pm)) return false;
  const int w = pm->width, h = pm->height;
  if (w > 0x10000 || h > 0x10000) {
    vqimage_report("%s: %d x %d is too large for a PCX file\n", func, w, h);
    return false;
  }
  vqimage_out out;
  if (!out.open(func, filename)) return false;
  uint8_t header[128] = {};
  header[0] = 10;  // manufacturer
  header[1] = 5;   // version
  header[2] = 1;   // run-length encoding
  header[3] = 8;   // bits per pixel and plane
  header[8] = uint8_t(w - 1);
  header[9] = uint8_t((w - 1) >> 8);
  header[10] = uint8_t(h - 1);
  header[11] = uint8_t((h - 1) >> 8);
  header[12] = 300 & 0xFF;
  header[13] = 300 >> 8;
  header[14] = 300 & 0xFF;
  header[15] = 300 >> 8;
  header[65] = 3;  // planes
  header[66] = uint8_t(w);
  header[67] = uint8_t(w >> 8);
  header[68] = 1;  // palette type
  out.bytes(header, sizeof header);
  const uint32_t* px = reinterpret_cast<const uint32_t*>(pm->data);
  std::vector<uint8_t> plane(static_cast<size_t>(w));
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = px + size_t(y) * w;
    for (int shift = 16; shift >= 0; shift -= 8) {
      for (int x = 0; x < w; ++x) plane[x] = uint8_t(row[x] >> shift);
      encode_line(&out, plane.data(), w);
    }
  }
  return out.close();
}
