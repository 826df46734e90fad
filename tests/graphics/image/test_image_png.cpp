// The PNG writer and its checksums. The checks decode what was written with
// references of their own (a bit-by-bit CRC, a plain Adler-32, a reader of
// stored deflate blocks), so a fault in the writer's tables shows up here.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "test_pxmap_util.h"
#include "vqimagefile.h"

namespace {

using bytes = std::vector<uint8_t>;

uint32_t reference_crc(const uint8_t* p, size_t n) {
  uint32_t c = 0xFFFFFFFFu;
  for (size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

uint32_t reference_adler(const uint8_t* p, size_t n) {
  uint32_t a = 1, b = 0;
  for (size_t i = 0; i < n; ++i) {
    a = (a + p[i]) % 65521;
    b = (b + a) % 65521;
  }
  return b << 16 | a;
}

uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

bytes read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return bytes(std::istreambuf_iterator<char>(in), {});
}

std::string temp_path(const char* name) {
  return std::string(VQ_BINARY_DIR) + "/imgB_png_" + name;
}

using pixmap = TestPixmap;

uint32_t pattern(int x, int y) {
  return uint32_t((x * 37 + y * 11) & 0xFF) << 16 | uint32_t(y * 3 & 0xFF) << 8 | uint32_t((x ^ y) & 0xFF);
}

struct decoded {
  uint32_t width = 0, height = 0;
  std::vector<std::string> chunk_types;
  bytes rows;                   // the zlib stream's uncompressed bytes
  std::vector<size_t> blocks;   // the length of each stored block
};

// Walks the chunks, checks every CRC, and unpacks the stored blocks.
decoded decode_png(const bytes& file) {
  decoded out;
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  EXPECT_GE(file.size(), 8u);
  EXPECT_EQ(memcmp(file.data(), signature, 8), 0);
  bytes zlib;
  size_t at = 8;
  while (at + 12 <= file.size()) {
    uint32_t length = be32(&file[at]);
    std::string type(reinterpret_cast<const char*>(&file[at + 4]), 4);
    EXPECT_LE(at + 12 + length, file.size());
    if (at + 12 + length > file.size()) return out;
    EXPECT_EQ(be32(&file[at + 8 + length]), reference_crc(&file[at + 4], length + 4)) << type;
    out.chunk_types.push_back(type);
    if (type == "IHDR") {
      out.width = be32(&file[at + 8]);
      out.height = be32(&file[at + 12]);
      EXPECT_EQ(file[at + 16], 8);
      EXPECT_EQ(file[at + 17], 2);
    }
    if (type == "IDAT") zlib.insert(zlib.end(), &file[at + 8], &file[at + 8 + length]);
    at += 12 + length;
  }
  EXPECT_EQ(at, file.size());
  EXPECT_GE(zlib.size(), 6u);
  if (zlib.size() < 6) return out;
  EXPECT_EQ(zlib[0], 0x78);
  EXPECT_EQ(zlib[1], 0xDA);
  size_t p = 2;
  bool last = false;
  while (!last && p + 5 <= zlib.size()) {
    last = zlib[p] == 1;
    EXPECT_TRUE(zlib[p] == 0 || zlib[p] == 1);
    size_t len = zlib[p + 1] | zlib[p + 2] << 8;
    size_t nlen = zlib[p + 3] | zlib[p + 4] << 8;
    EXPECT_EQ(len ^ 0xFFFF, nlen);
    EXPECT_LE(p + 5 + len, zlib.size());
    if (p + 5 + len > zlib.size()) return out;
    out.rows.insert(out.rows.end(), &zlib[p + 5], &zlib[p + 5 + len]);
    out.blocks.push_back(len);
    p += 5 + len;
  }
  EXPECT_TRUE(last);
  EXPECT_EQ(p + 4, zlib.size());
  if (p + 4 <= zlib.size()) {
    EXPECT_EQ(be32(&zlib[p]), reference_adler(out.rows.data(), out.rows.size()));
  }
  return out;
}

}  // namespace

TEST(PngChecksum, KnownValuesAndPieces) {
  const uint8_t digits[] = "123456789";
  EXPECT_EQ(vqpng_crc32(0, digits, 9), 0xCBF43926u);
  EXPECT_EQ(vqpng_crc32(0, reinterpret_cast<const uint8_t*>("IEND"), 4), 0xAE426082u);
  EXPECT_EQ(vqpng_crc32(vqpng_crc32(0, digits, 4), digits + 4, 5), 0xCBF43926u);
  EXPECT_EQ(vqpng_crc32(0, digits, 0), 0u);
  const char* wiki = "Wikipedia";
  EXPECT_EQ(vqpng_adler32(1, reinterpret_cast<const uint8_t*>(wiki), 9), 0x11E60398u);
  EXPECT_EQ(vqpng_adler32(1, digits, 0), 1u);
}

// Long runs of 0xFF make the sums wrap many times; feeding odd pieces checks
// that the running value carries over between calls.
TEST(PngChecksum, LongInputsMatchReferences) {
  bytes data(200000);
  for (size_t i = 0; i < data.size(); ++i) data[i] = i < 100000 ? 0xFF : uint8_t(i * 7919 >> 3);
  EXPECT_EQ(vqpng_adler32(1, data.data(), data.size()), reference_adler(data.data(), data.size()));
  EXPECT_EQ(vqpng_crc32(0, data.data(), data.size()), reference_crc(data.data(), data.size()));
  uint32_t a = 1, c = 0;
  for (size_t at = 0, step = 1; at < data.size(); at += step, step = step * 3 + 1) {
    size_t n = std::min(step, data.size() - at);
    a = vqpng_adler32(a, &data[at], n);
    c = vqpng_crc32(c, &data[at], n);
  }
  EXPECT_EQ(a, reference_adler(data.data(), data.size()));
  EXPECT_EQ(c, reference_crc(data.data(), data.size()));
}

TEST(PngWriter, OneWhitePixelByteForByte) {
  pixmap white(1, 1, VQPX_TRUECOLOR);
  vqpxmap_setpixel(&white.pm, 0, 0, 0xFFFFFF);
  std::string path = temp_path("white.png");
  ASSERT_TRUE(vqpxmap_savetofile_png(&white.pm, path.c_str()));
  bytes idat_data = {0x78, 0xDA, 0x01, 0x04, 0x00, 0xFB, 0xFF, 0x00, 0xFF, 0xFF, 0xFF,
                     0x05, 0xFE, 0x02, 0xFE};
  bytes idat_crc_input = {'I', 'D', 'A', 'T'};
  idat_crc_input.insert(idat_crc_input.end(), idat_data.begin(), idat_data.end());
  uint32_t idat_crc = reference_crc(idat_crc_input.data(), idat_crc_input.size());
  bytes expect = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                  0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 1, 0, 0, 0, 1, 8, 2, 0, 0, 0,
                  0x90, 0x77, 0x53, 0xDE,
                  0, 0, 0, 15, 'I', 'D', 'A', 'T'};
  expect.insert(expect.end(), idat_data.begin(), idat_data.end());
  for (int shift = 24; shift >= 0; shift -= 8) expect.push_back(uint8_t(idat_crc >> shift));
  const uint8_t iend[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  expect.insert(expect.end(), iend, iend + 12);
  EXPECT_EQ(read_file(path), expect);
  std::remove(path.c_str());
}

// Rows never span blocks: 10922 pixels make a row of 32767 bytes (one per
// block); 5461 pixels make 16384 bytes (two per block, the buffer exactly full).
TEST(PngWriter, BlocksHoldWholeRowsAndPixelsSurvive) {
  struct shape { int w, h; size_t rows_per_block; };
  for (shape s : {shape{10922, 3, 1}, shape{5461, 5, 2}, shape{7, 5, 32768 / 22}, shape{1, 40000 / 4, 32768 / 4}}) {
    pixmap img(s.w, s.h, VQPX_TRUECOLOR);
    for (int y = 0; y < s.h; ++y)
      for (int x = 0; x < s.w; ++x) vqpxmap_setpixel(&img.pm, x, y, int32_t(pattern(x, y)));
    std::string path = temp_path("blocks.png");
    ASSERT_TRUE(vqpxmap_savetofile_png(&img.pm, path.c_str())) << s.w;
    decoded d = decode_png(read_file(path));
    std::remove(path.c_str());
    EXPECT_EQ(d.chunk_types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(d.width, uint32_t(s.w));
    EXPECT_EQ(d.height, uint32_t(s.h));
    size_t row_bytes = size_t(s.w) * 3 + 1;
    ASSERT_EQ(d.rows.size(), row_bytes * s.h);
    size_t expect_blocks = (s.h + s.rows_per_block - 1) / s.rows_per_block;
    EXPECT_EQ(d.blocks.size(), expect_blocks) << s.w;
    for (size_t i = 0; i < d.blocks.size(); ++i) {
      EXPECT_LE(d.blocks[i], 32768u);
      EXPECT_EQ(d.blocks[i] % row_bytes, 0u);
      if (i + 1 < d.blocks.size()) {
        EXPECT_EQ(d.blocks[i], row_bytes * s.rows_per_block);
      }
    }
    int wrong = 0;
    for (int y = 0; y < s.h; ++y) {
      const uint8_t* row = &d.rows[row_bytes * y];
      wrong += row[0] != 0;
      for (int x = 0; x < s.w; ++x) {
        uint32_t rgb = uint32_t(row[1 + 3 * x]) << 16 | row[2 + 3 * x] << 8 | row[3 + 3 * x];
        wrong += rgb != pattern(x, y);
      }
    }
    EXPECT_EQ(wrong, 0) << s.w << "x" << s.h;
  }
}

TEST(PngWriter, PalettePixmapIsConvertedInPlace) {
  pixmap pal(3, 1, VQPX_PALETTE8);
  vqpxmap_setpalette(&pal.pm, 4, 0x123456);
  vqpxmap_setpixel(&pal.pm, 0, 0, 4);
  vqpxmap_setpixel(&pal.pm, 1, 0, 255);   // transparent: black in the file
  vqpxmap_setpixel(&pal.pm, 2, 0, 15);    // default palette: white
  std::string path = temp_path("pal.png");
  ASSERT_TRUE(vqpxmap_savetofile_png(&pal.pm, path.c_str()));
  EXPECT_EQ(pal.pm.format, VQPX_TRUECOLOR);
  decoded d = decode_png(read_file(path));
  std::remove(path.c_str());
  EXPECT_EQ(d.rows, (bytes{0, 0x12, 0x34, 0x56, 0, 0, 0, 0xFF, 0xFF, 0xFF}));
}

TEST(PngWriter, RefusesWhatItCannotWrite) {
  pixmap wide(10923, 1, VQPX_TRUECOLOR);
  std::string path = temp_path("wide.png");
  std::remove(path.c_str());
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_savetofile_png(&wide.pm, path.c_str()));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_savetofile_png: width 10923 too large (at most 10922)\n");
  EXPECT_EQ(fopen(path.c_str(), "rb"), nullptr);

  pixmap one(1, 1, VQPX_TRUECOLOR);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_savetofile_png(&one.pm, "/nonexistent-dir/x.png"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_savetofile_png: cannot create /nonexistent-dir/x.png\n");
}
