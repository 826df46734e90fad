// PNG output. With zlib the rows are filtered (the filter per row that
// leaves the smallest differences, the usual heuristic) and deflated, which
// keeps a smooth 1280 x 720 picture near a tenth of its raw size; without
// zlib the toolkit's own writer stores the rows uncompressed.
#include "art_png.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef ART_HAVE_ZLIB
#include <zlib.h>
#else
#include "vqimagefile.h"
#include "vqpxmap.h"
#endif

namespace {

#ifdef ART_HAVE_ZLIB

int paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Filter type byte and filtered row, for each of the five filters; keeps
// the one whose bytes, read as signed, sum smallest.
void filter_row(const uint8_t* row, const uint8_t* above, size_t n, std::vector<uint8_t>& out) {
  static thread_local std::vector<uint8_t> trial[5];
  long best_sum = -1;
  int best = 0;
  for (int f = 0; f < 5; ++f) {
    std::vector<uint8_t>& t = trial[f];
    t.resize(n);
    long sum = 0;
    for (size_t i = 0; i < n; ++i) {
      const int a = i >= 3 ? row[i - 3] : 0, b = above ? above[i] : 0, c = i >= 3 && above ? above[i - 3] : 0;
      const int predicted = f == 0 ? 0 : f == 1 ? a : f == 2 ? b : f == 3 ? (a + b) / 2 : paeth(a, b, c);
      t[i] = uint8_t(row[i] - predicted);
      sum += t[i] < 128 ? t[i] : 256 - t[i];
    }
    if (best_sum < 0 || sum < best_sum) best_sum = sum, best = f;
  }
  out.push_back(uint8_t(best));
  out.insert(out.end(), trial[best].begin(), trial[best].end());
}

void put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(uint8_t(x >> s));
}

void chunk(std::vector<uint8_t>& file, const char* type, const uint8_t* data, size_t size) {
  put32(file, uint32_t(size));
  const size_t start = file.size();
  file.insert(file.end(), type, type + 4);
  file.insert(file.end(), data, data + size);
  put32(file, uint32_t(crc32(0, file.data() + start, uInt(size + 4))));
}

bool encode(const uint8_t* rgb, int w, int h, std::vector<uint8_t>& file) {
  const size_t stride = size_t(w) * 3;
  std::vector<uint8_t> filtered;
  filtered.reserve((stride + 1) * size_t(h));
  for (int y = 0; y < h; ++y)
    filter_row(rgb + stride * size_t(y), y > 0 ? rgb + stride * size_t(y - 1) : nullptr, stride, filtered);
  uLongf packed_size = compressBound(uLong(filtered.size()));
  std::vector<uint8_t> packed(packed_size);
  if (compress2(packed.data(), &packed_size, filtered.data(), uLong(filtered.size()), 6) != Z_OK) return false;
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  file.assign(signature, signature + 8);
  std::vector<uint8_t> header;
  put32(header, uint32_t(w));
  put32(header, uint32_t(h));
  header.insert(header.end(), {8, 2, 0, 0, 0});   // 8 bits, RGB, deflate, adaptive filters, no interlace
  chunk(file, "IHDR", header.data(), header.size());
  chunk(file, "IDAT", packed.data(), packed_size);
  chunk(file, "IEND", nullptr, 0);
  return true;
}

bool write_bytes(const char* file, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(file, "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

#endif

}  // namespace

bool art_png_write(const char* file, const uint8_t* rgb, int width, int height) {
  const std::string part = std::string(file) + ".part";
  bool ok;
#ifdef ART_HAVE_ZLIB
  std::vector<uint8_t> bytes;
  ok = encode(rgb, width, height, bytes) && write_bytes(part.c_str(), bytes);
#else
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = width;
  pm.height = height;
  pm.format = VQPX_TRUECOLOR;
  ok = vqpxmap_allocate(&pm);
  if (ok) {
    uint32_t* px = reinterpret_cast<uint32_t*>(pm.data);
    for (size_t i = 0; i < size_t(width) * size_t(height); ++i)
      px[i] = uint32_t(rgb[3 * i]) << 16 | uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    ok = vqpxmap_savetofile_png(&pm, part.c_str());
  }
  vqpxmap_free(&pm);
#endif
  if (ok && std::rename(part.c_str(), file) == 0) return true;
  std::remove(part.c_str());
  std::printf("art_png_write: cannot write %s\n", file);
  return false;
}
