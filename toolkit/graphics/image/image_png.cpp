// PNG writer: 8-bit RGB in a zlib stream of stored (uncompressed) deflate
// blocks. Rows are gathered into blocks of at most 32768 bytes; a row never
// spans two blocks, so the block layout, and with it the IDAT length, follows
// from width and height alone and is written before the data.
#include <cstdio>
#include <vector>

#include "image_load_internal.h"
#include "vqimagefile.h"

namespace {

constexpr size_t block_capacity = 32768;
constexpr int max_width = (block_capacity - 1) / 3;   // one row must fit a block

void put_be32(uint8_t* out, uint32_t v) {
  out[0] = uint8_t(v >> 24);
  out[1] = uint8_t(v >> 16);
  out[2] = uint8_t(v >> 8);
  out[3] = uint8_t(v);
}

// Keeps the CRC of the chunk being written.
struct png_out {
  vqimage_out file;
  uint32_t crc = 0;

  void raw(const uint8_t* bytes, size_t n) { file.bytes(bytes, n); }
  void body(const uint8_t* bytes, size_t n) {
    crc = vqpng_crc32(crc, bytes, n);
    raw(bytes, n);
  }
  void begin_chunk(const char* type, uint32_t length) {
    uint8_t head[4];
    put_be32(head, length);
    raw(head, 4);
    crc = 0;
    body(reinterpret_cast<const uint8_t*>(type), 4);
  }
  void end_chunk() {
    uint8_t tail[4];
    put_be32(tail, crc);
    raw(tail, 4);
  }
};

void write_stored_block(png_out& out, const std::vector<uint8_t>& block, size_t used, bool last) {
  uint8_t head[5] = {uint8_t(last ? 1 : 0), uint8_t(used & 0xFF), uint8_t(used >> 8),
                     uint8_t(~used & 0xFF), uint8_t((~used >> 8) & 0xFF)};
  out.body(head, 5);
  out.body(block.data(), used);
}

}  // namespace

bool vqpxmap_savetofile_png(vqpxmap* pm, const char* filename) {
  if (pm->format != VQPX_TRUECOLOR && pm->format != VQPX_SCREEN &&
      !vqpxmap_convert2truecolor(pm, -1))
    return false;
  const uint32_t* pixels = vqpxmap_rgbpixels(pm);
  const int w = pm->width, h = pm->height;
  if (!pixels || w < 1 || h < 1) {
    printf("vqpxmap_savetofile_png: empty pixmap\n");
    return false;
  }
  if (w > max_width) {
    printf("vqpxmap_savetofile_png: width %d too large (at most %d)\n", w, max_width);
    return false;
  }
  png_out out;
  if (!out.file.open("vqpxmap_savetofile_png", filename)) return false;
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  out.raw(signature, 8);

  uint8_t ihdr[13] = {};
  put_be32(ihdr, uint32_t(w));
  put_be32(ihdr + 4, uint32_t(h));
  ihdr[8] = 8;   // bits per component
  ihdr[9] = 2;   // RGB
  out.begin_chunk("IHDR", 13);
  out.body(ihdr, 13);
  out.end_chunk();

  const size_t row_bytes = size_t(w) * 3 + 1;
  const size_t rows_per_block = block_capacity / row_bytes;
  const size_t blocks = (size_t(h) + rows_per_block - 1) / rows_per_block;
  const size_t idat_length = 2 + blocks * 5 + size_t(h) * row_bytes + 4;
  out.begin_chunk("IDAT", uint32_t(idat_length));
  static const uint8_t zlib_header[2] = {0x78, 0xDA};
  out.body(zlib_header, 2);

  std::vector<uint8_t> block(block_capacity);
  size_t used = 0;
  uint32_t adler = 1;
  for (int y = 0; y < h; ++y) {
    if (used + row_bytes > block_capacity) {
      write_stored_block(out, block, used, false);
      used = 0;
    }
    uint8_t* row = block.data() + used;
    row[0] = 0;   // filter: none
    const uint32_t* src = pixels + size_t(y) * w;
    for (int x = 0; x < w; ++x) {
      row[1 + 3 * x] = uint8_t(src[x] >> 16);
      row[2 + 3 * x] = uint8_t(src[x] >> 8);
      row[3 + 3 * x] = uint8_t(src[x]);
    }
    adler = vqpng_adler32(adler, row, row_bytes);
    used += row_bytes;
  }
  write_stored_block(out, block, used, true);
  uint8_t adler_bytes[4];
  put_be32(adler_bytes, adler);
  out.body(adler_bytes, 4);
  out.end_chunk();

  out.begin_chunk("IEND", 0);
  out.end_chunk();

  return out.file.close();
}
