// JPEG and PNG files from outside, through the platform's own decoders:
// straight into 32-bit pixels, and the size from the header alone. Any
// bytes must be refused or decoded without a read or write outside a
// buffer; a decoded picture has the size its header gave, and every pixel
// of a JPEG was written (opaque). Every sixteenth input also goes through
// a file. Other formats are SDL_image's own business and are left out.
#include "vqplatform.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

// Fresh blocks are filled with zeros, so a pixel the decoder never wrote
// shows as transparent.
extern "C" const char* __asan_default_options() { return "malloc_fill_byte=0:max_malloc_fill_size=1048576"; }

namespace {

bool opaque(const vqplatform_picture* picture, int w, int h) {
  const uint32_t* pixels = vqplatform_picture_pixels(picture);
  uint32_t all = 0xFFFFFFFFu;
  for (size_t i = 0; i < static_cast<size_t>(w) * static_cast<size_t>(h); ++i) all &= pixels[i];
  return (all >> 24) == 0xFF;
}

void through_a_file(const uint8_t* data, size_t size, int w, int h) {
  char name[] = "/tmp/fuzz_picture_XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) return;
  const bool written = write(fd, data, size) == static_cast<ssize_t>(size);
  close(fd);
  int fw = 0, fh = 0;
  if (written && vqplatform_picture_size(name, &fw, &fh) && (fw != w || fh != h)) __builtin_trap();
  vqplatform_picture_close(vqplatform_picture_open(name, &fw, &fh));
  unlink(name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const bool jpeg = size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
  const bool png = size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1A\n", 8) == 0;
  if (!jpeg && !png) return 0;
  int w = 0, h = 0;
  const bool sized = vqplatform_picture_size_mem(data, size, &w, &h);
  // A large picture takes only longer: its rows go the same way.
  if (sized && static_cast<long long>(w) * h > 65536) return 0;
  int dw = 0, dh = 0;
  vqplatform_picture* picture = vqplatform_picture_open_mem(data, size, &dw, &dh);
  if (picture != nullptr) {
    if (!sized || dw != w || dh != h) __builtin_trap();
    if (jpeg && !opaque(picture, w, h)) __builtin_trap();
    vqplatform_picture_close(picture);
  }
  if (size % 16 == 0) through_a_file(data, size, w, h);
  return 0;
}
