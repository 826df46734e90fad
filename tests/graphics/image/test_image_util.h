// Shared pieces of the BMP, PCX, PPM and dispatch tests: a temporary
// folder, byte files, test pictures, and the diagnostic lines a call prints.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "test_pxmap_util.h"
#include "vqimagefile.h"

using Bytes = std::vector<uint8_t>;

class ImageFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vqimagefile_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string path(const std::string& name) const { return dir_ + "/" + name; }

 private:
  std::string dir_;
};

inline Bytes read_file(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

inline void write_file(const std::string& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

inline Bytes text_bytes(const std::string& s) { return Bytes(s.begin(), s.end()); }

inline void put_le16(Bytes* b, size_t at, uint32_t v) {
  (*b)[at] = uint8_t(v);
  (*b)[at + 1] = uint8_t(v >> 8);
}
inline void put_le32(Bytes* b, size_t at, uint32_t v) {
  put_le16(b, at, v & 0xFFFF);
  put_le16(b, at + 2, v >> 16);
}
inline uint32_t le32(const Bytes& b, size_t at) {
  return b[at] | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16) |
         (uint32_t(b[at + 3]) << 24);
}
inline uint32_t le16(const Bytes& b, size_t at) { return b[at] | (uint32_t(b[at + 1]) << 8); }

// A colourful truecolor picture in which neighbouring pixels differ.
inline void fill_pattern(vqpxmap* pm) {
  for (int y = 0; y < pm->height; ++y)
    for (int x = 0; x < pm->width; ++x)
      vqpxmap_setpixel(pm, x, y,
                       int32_t(((x * 53 + 7) & 255) << 16 | ((y * 71 + 3) & 255) << 8 |
                               ((x * y * 29 + 11) & 255)));
}

// Every pixel of a truecolor pixmap, row after row.
inline std::vector<int32_t> pixels_of(const vqpxmap* pm) {
  std::vector<int32_t> v;
  for (int y = 0; y < pm->height; ++y)
    for (int x = 0; x < pm->width; ++x) v.push_back(vqpxmap_getpixel(pm, x, y));
  return v;
}

// What a call printed as diagnostics.
inline std::string diagnostics_of(const std::function<void()>& call) {
  testing::internal::CaptureStdout();
  call();
  return testing::internal::GetCapturedStdout();
}

// A palette pixmap's index shows the color, exactly or as the nearest of
// the 64 colors a merge falls back to (components masked with 0xC0).
inline bool shows(const vqpxmap* pm, int32_t index, uint32_t color) {
  if (index < 0 || index > 255) return false;
  return pm->palette[index] == color || pm->palette[index] == (color & 0xC0C0C0);
}

inline int line_count(const std::string& s) {
  int n = 0;
  for (char c : s) n += c == '\n';
  return n;
}
