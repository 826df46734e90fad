// Small font texts made in the tests, and capture of the diagnostic lines.
#pragma once

#include "vqfont.h"
#include "vqpxmap.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// A white truecolor drawing surface that frees itself.
struct Surface {
  vqpxmap pm;
  explicit Surface(int w, int h, int32_t fill = 0xFFFFFF) {
    vqpxmap_init(&pm);
    pm.width = w;
    pm.height = h;
    pm.format = VQPX_TRUECOLOR;
    EXPECT_TRUE(vqpxmap_allocate(&pm));
    vqpxmap_clear(&pm, fill);
  }
  ~Surface() { vqpxmap_free(&pm); }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  int32_t at(int x, int y) const { return vqpxmap_getpixel(&pm, x, y); }
  bool same(const Surface& o) const {
    for (int y = 0; y < pm.height; ++y)
      for (int x = 0; x < pm.width; ++x)
        if (at(x, y) != o.at(x, y)) return false;
    return true;
  }
  int count(int32_t color) const {
    int n = 0;
    for (int y = 0; y < pm.height; ++y)
      for (int x = 0; x < pm.width; ++x) n += at(x, y) == color;
    return n;
  }
  bool blank() const { return count(0xFFFFFF) == pm.width * pm.height; }
};

// A font text as lines; pointers() gives the null-terminated array the
// registration functions take (valid while the FontText lives).
struct FontText {
  std::vector<std::string> lines;
  std::vector<const char*> ptrs;

  const char* const* pointers() {
    ptrs.clear();
    for (const std::string& l : lines) ptrs.push_back(l.c_str());
    ptrs.push_back(nullptr);
    return ptrs.data();
  }
  // Index of the first line that starts with prefix, or -1.
  int find(const std::string& prefix) const {
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].compare(0, prefix.size(), prefix) == 0) return static_cast<int>(i);
    return -1;
  }
  void replace(const std::string& prefix, const std::string& line) {
    int at = find(prefix);
    ASSERT_GE(at, 0) << prefix;
    lines[static_cast<size_t>(at)] = line;
  }
  std::string text() const {
    std::string all;
    for (const std::string& l : lines) all += l + "\n";
    return all;
  }
};

// A proportional font whose glyph i is width(i) wide; ink(i, row, column)
// decides each pixel. Offsets are the running sums.
inline FontText make_font(const std::string& name, int ysize, int chars,
                          const std::function<int(int)>& width,
                          const std::function<bool(int, int, int)>& ink) {
  FontText f;
  f.lines = {"header:", "name=" + name, "proportional", "xsize=8", "ysize=" + std::to_string(ysize),
             "chars=" + std::to_string(chars), "ascent=" + std::to_string(ysize - 2), "descent=2",
             "colors=1"};
  std::string xs = "propxs=", offs = "propdataoffset=";
  int offset = 0;
  for (int i = 0; i < chars; ++i) {
    if (i) {
      xs += ' ';
      offs += ' ';
    }
    xs += std::to_string(width(i));
    offs += std::to_string(offset);
    offset += width(i) * ysize;
  }
  f.lines.push_back(xs);
  f.lines.push_back(offs);
  f.lines.push_back("data:");
  for (int i = 0; i < chars; ++i)
    for (int r = 0; r < ysize; ++r) {
      std::string row;
      for (int c = 0; c < width(i); ++c) row += ink(i, r, c) ? '*' : '.';
      f.lines.push_back(row);
    }
  return f;
}

// Runs fn with standard output captured; returns what it printed.
inline std::string printed_by(const std::function<void()>& fn) {
  testing::internal::CaptureStdout();
  fn();
  return testing::internal::GetCapturedStdout();
}

inline int count_lines(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}
