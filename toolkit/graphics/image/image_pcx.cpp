// PCX reader: 8 bits, 3 planes, run-length encoded. The data after the
// 128-byte header is one continuous stream: a run may carry over from one
// plane line into the next, as some writers emit it.
#include <vector>

#include "image_load_internal.h"
#include "vqimagefile.h"

namespace {

constexpr size_t kHeader = 128;

bool read_header(const char* func, const uint8_t* b, size_t size, int* width, int* height) {
  if (!vqpcx_sizes(func, b, size, width, height)) return false;
  if (b[2] != 1 || b[3] != 8 || b[65] != 3) {
    vqimage_report("%s: only run-length encoded 8-bit pictures with 3 planes are read "
                   "(encoding %d, %d bits, %d planes)\n", func, b[2], b[3], b[65]);
    return false;
  }
  return true;
}

// The decoded byte stream.
class rle_stream {
 public:
  rle_stream(const uint8_t* b, size_t size) : b_(b), size_(size), pos_(kHeader) {}
  // Next decoded byte; false at the end of the data.
  bool next(uint8_t* out) {
    while (count_ == 0) {
      if (pos_ >= size_) return false;
      const uint8_t c = b_[pos_++];
      if (c < 0xC0) {
        *out = c;
        return true;
      }
      if (pos_ >= size_) return false;
      value_ = b_[pos_++];
      count_ = c & 0x3F;  // a count of 0 yields nothing and is passed over
    }
    --count_;
    *out = value_;
    return true;
  }

 private:
  const uint8_t* b_;
  size_t size_, pos_;
  unsigned count_ = 0;
  uint8_t value_ = 0;
};

bool decode(const char* func, const uint8_t* b, size_t size, vqpxmap* pm, int x0, int y0,
            int* rows) {
  int width = 0, height = 0;
  *rows = 0;
  if (!read_header(func, b, size, &width, &height)) return false;
  // A plane line is width bytes. Writers that pad a line to an even length
  // say so in bytes per line; those extra bytes are passed over.
  const unsigned per_line = vqimage_le16(b + 66);
  const unsigned pad = per_line > unsigned(width) ? per_line - unsigned(width) : 0;
  rle_stream in(b, size);
  std::vector<uint8_t> line(size_t(width) * 3);
  for (int r = 0; r < height; ++r) {
    const int64_t y = int64_t(y0) + r;
    if (y >= pm->height) break;  // the remaining rows are all below the pixmap
    for (int plane = 0; plane < 3; ++plane) {
      uint8_t* dst = line.data() + size_t(plane) * width;
      for (int i = 0; i < width; ++i)
        if (!in.next(dst + i)) {
          vqimage_report("%s: the data end in row %d of %d\n", func, r + 1, height);
          return false;
        }
      uint8_t skip;
      for (unsigned i = 0; i < pad; ++i)
        if (!in.next(&skip)) break;  // the last line's padding may be missing
    }
    const uint8_t *red = line.data(), *green = red + width, *blue = green + width;
    for (int c = 0; c < width; ++c)
      vqimage_put(pm, int64_t(x0) + c, y,
                  (uint32_t(red[c]) << 16) | (uint32_t(green[c]) << 8) | blue[c]);
    *rows = r + 1;
  }
  *rows = height;
  return true;
}

const vqimage_codec kCodec = {read_header, decode};

}  // namespace

bool vqpcx_sizes(const char* func, const uint8_t* b, size_t size, int* width, int* height) {
  if (size < kHeader || b[0] != 10) {
    vqimage_report("%s: not a PCX file\n", func);
    return false;
  }
  *width = int(vqimage_le16(b + 8)) + 1;
  *height = int(vqimage_le16(b + 10)) + 1;
  return true;
}

bool vqpxmap_loadfrommem_pcx(vqpxmap* pm, const uint8_t* bytes, size_t size, int x0, int y0,
                             int width, int height, const char* options) {
  return vqimage_load(kCodec, "vqpxmap_loadfrommem_pcx", bytes, size, pm, x0, y0, width, height,
                      options);
}

bool vqpxmap_loadfromfile_pcx(vqpxmap* pm, const char* filename, int x0, int y0, int width,
                              int height, const char* options) {
  return vqimage_load_file(kCodec, "vqpxmap_loadfromfile_pcx", filename, pm, x0, y0, width,
                           height, options);
}
