// Golden images: what a test drew, compared pixel for pixel with a committed
// PNG under tests/FOLDER/golden/. VQ_GOLDEN_UPDATE=1 writes the reference
// instead (on purpose only: look at it before committing; it may be
// recompressed, only its pixels count). On a mismatch the drawn image and a
// difference image (differing pixels red, the rest faded) are written into
// the build directory, and the first differing pixel is named.
#pragma once

#include "picture_write_util.h"
#include "vqimagefile.h"
#include "vqpicture.h"
#include "vqpxmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// tests/FOLDER/golden/NAME.png (an absolute path, so that tests which
// change their working folder still find it).
inline std::string golden_path(const char* folder, const char* name) {
  return std::string(VQ_TESTS_DIR) + "/" + folder + "/golden/" + name + ".png";
}

// Writes w x h pixels (0x00RRGGBB) as a PNG with the toolkit's writer.
inline bool golden_write(const std::string& file, const uint32_t* pixels, int w, int h) {
  return write_picture(file, w, h, [&](int x, int y) { return pixels[static_cast<size_t>(y) * w + x] & 0xFFFFFFu; });
}

// Compares w x h pixels (0x00RRGGBB, stride w) with tests/FOLDER/golden/NAME.png;
// the files a mismatch leaves in the build directory are named after NAME.
inline ::testing::AssertionResult golden_compare(const char* folder, const char* name, const uint32_t* pixels,
                                                 int w, int h) {
  const std::string reference = golden_path(folder, name);
  const char* update = std::getenv("VQ_GOLDEN_UPDATE");
  if (update && std::string(update) == "1") {
    if (!golden_write(reference, pixels, w, h)) return ::testing::AssertionFailure() << "cannot write " << reference;
    return ::testing::AssertionSuccess() << "wrote " << reference;
  }
  vqpicture picture;
  if (!vqpicture_open(&picture, "%s", reference.c_str()))
    return ::testing::AssertionFailure() << "no reference " << reference << " (VQ_GOLDEN_UPDATE=1 makes one)";
  if (picture.width != w || picture.height != h)
    return ::testing::AssertionFailure() << "reference is " << picture.width << " x " << picture.height
                                         << ", drawn " << w << " x " << h;
  std::string first;
  int differing = 0;
  std::vector<uint32_t> diff(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      const uint32_t got = pixels[y * w + x] & 0xFFFFFF, want = vqpicture_getpixel(&picture, x, y) & 0xFFFFFF;
      if (got == want) {
        const uint32_t grey = (((got >> 16 & 0xFF) + (got >> 8 & 0xFF) + (got & 0xFF)) / 3) / 2 + 128;
        diff[y * w + x] = grey << 16 | grey << 8 | grey;
        continue;
      }
      diff[y * w + x] = 0xFF0000;
      if (differing++ == 0) {
        char text[96];
        std::snprintf(text, sizeof text, "(%d, %d): drawn %06x, reference %06x", x, y, got, want);
        first = text;
      }
    }
  if (differing == 0) return ::testing::AssertionSuccess();
  const std::string out = std::string(VQ_BINARY_DIR) + "/" + name;
  golden_write(out + ".actual.png", pixels, w, h);
  golden_write(out + ".diff.png", diff.data(), w, h);
  return ::testing::AssertionFailure() << differing << " pixels differ from " << reference << ", first at "
                                       << first << "; see " << out << ".actual.png and " << out << ".diff.png";
}
