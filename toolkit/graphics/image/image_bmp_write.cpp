// BMP writer: 24 bits per pixel, bottom row first, each row padded with
// (width mod 4) zero bytes, which is exactly what brings 3 x width to a
// multiple of four.
#include "image_load_internal.h"
#include "vqimagefile.h"

bool vqpxmap_savetofile_bmp(vqpxmap* pm, const char* filename) {
  const char* func = "vqpxmap_savetofile_bmp";
  if (!vqimage_truecolor_for_writing(func, pm)) return false;
  vqimage_out out;
  if (!out.open(func, filename)) return false;
  const uint32_t w = static_cast<uint32_t>(pm->width), h = static_cast<uint32_t>(pm->height);
  out.text("BM");
  out.le32(w * h * 3 + 54);  // the padding is not counted
  out.le32(0);
  out.le32(54);
  out.le32(40);
  out.le32(w);
  out.le32(h);
  out.le16(1);
  out.le16(24);
  for (int i = 0; i < 6; ++i) out.le32(0);
  const uint32_t* px = reinterpret_cast<const uint32_t*>(pm->data);
  const uint8_t pad[3] = {0, 0, 0};
  for (int64_t y = int64_t(h) - 1; y >= 0; --y) {
    const uint32_t* row = px + y * w;
    for (uint32_t x = 0; x < w; ++x) {
      out.byte(uint8_t(row[x]));
      out.byte(uint8_t(row[x] >> 8));
      out.byte(uint8_t(row[x] >> 16));
    }
    out.bytes(pad, w % 4);
  }
  return out.close();
}
