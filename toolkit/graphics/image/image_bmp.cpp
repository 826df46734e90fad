// BMP reader: 24 bits per pixel, uncompressed, bottom-up. The rows start at
// the header's pixel offset when the file holds them all there, so a longer
// info header and a colour profile after the pixels (as image editors write
// them) read right; otherwise they are taken from the end of the file
// backwards, so a file shorter than its size fields say keeps the top rows
// it holds.
#include <vector>

#include "image_load_internal.h"
#include "vqimagefile.h"

namespace {

constexpr size_t kHeader = 54;
constexpr int kMaxReadWidth = 21844;  // the row size must fit 16 bits

// A row's bytes: three per pixel, rounded up to a multiple of four.
int64_t row_size(int width) { return (int64_t(width) * 3 + 3) & ~int64_t(3); }

bool read_header(const char* func, const uint8_t* b, size_t size, int* width, int* height) {
  if (!vqbmp_sizes(func, b, size, width, height)) return false;
  const uint32_t bits = vqimage_le16(b + 28), compression = vqimage_le32(b + 30);
  if (bits != 24 || compression != 0) {
    vqimage_report("%s: only uncompressed 24-bit pictures are read (%u bits, compression %u)\n",
                   func, bits, compression);
    return false;
  }
  if (*width > kMaxReadWidth) {
    vqimage_report("%s: width %d is more than %d\n", func, *width, kMaxReadWidth);
    return false;
  }
  return true;
}

bool decode(const char* func, const uint8_t* b, size_t size, vqpxmap* pm, int x0, int y0,
            int* rows) {
  int width = 0, height = 0;
  *rows = 0;
  if (!read_header(func, b, size, &width, &height)) return false;
  const int64_t rs = row_size(width);
  const int64_t offset = vqimage_le32(b + 10);
  const bool at_offset = offset >= int64_t(kHeader) && offset + rs * height <= int64_t(size);
  // Otherwise row r starts rs * (r + 1) bytes before the end; rows that
  // would reach into the header are not in the file.
  const int64_t present = at_offset ? height : (int64_t(size) - int64_t(kHeader)) / rs;
  const int64_t n = present < height ? present : height;
  int64_t r = 0;
  for (; r < n; ++r) {
    const int64_t y = int64_t(y0) + r;
    if (y >= pm->height) break;  // the remaining rows are all below the pixmap
    if (y < 0) continue;
    const uint8_t* p = at_offset ? b + offset + rs * (height - 1 - r) : b + size - rs * (r + 1);
    for (int64_t c = 0; c < width; ++c, p += 3)
      vqimage_put(pm, x0 + c, y, (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0]);
  }
  if (r < n || n == height) {
    *rows = height;
    return true;
  }
  *rows = static_cast<int>(n);
  vqimage_report("%s: the file holds %lld of %d rows\n", func, static_cast<long long>(n), height);
  return false;
}

const vqimage_codec kCodec = {read_header, decode};

}  // namespace

bool vqbmp_sizes(const char* func, const uint8_t* b, size_t size, int* width, int* height) {
  if (size < kHeader || b[0] != 'B' || b[1] != 'M') {
    vqimage_report("%s: not a BMP file\n", func);
    return false;
  }
  // The size fields are 32-bit, but only their low 16 bits count; a value
  // that does not fit there (or a negative, top-down height) is refused
  // rather than silently cut.
  const int32_t w = static_cast<int32_t>(vqimage_le32(b + 18));
  const int32_t h = static_cast<int32_t>(vqimage_le32(b + 22));
  if (w <= 0 || h <= 0 || w > 0xFFFF || h > 0xFFFF) {
    vqimage_report("%s: unusable size %d x %d\n", func, w, h);
    return false;
  }
  *width = w;
  *height = h;
  return true;
}

bool vqpxmap_loadfrommem_bmp(vqpxmap* pm, const uint8_t* bytes, size_t size, int x0, int y0,
                             int width, int height, const char* options) {
  return vqimage_load(kCodec, "vqpxmap_loadfrommem_bmp", bytes, size, pm, x0, y0, width, height,
                      options);
}

bool vqpxmap_loadfromfile_bmp(vqpxmap* pm, const char* filename, int x0, int y0, int width,
                              int height, const char* options) {
  return vqimage_load_file(kCodec, "vqpxmap_loadfromfile_bmp", filename, pm, x0, y0, width,
                           height, options);
}
