// What the BMP, PCX and PPM fuzz targets share: every input is read into a
// truecolor and a palette pixmap at several places, in memory and, for a
// share of the inputs, through a file into a platform-held pixmap, and its
// size is read both ways. A reader must refuse or read it without a read or
// write outside a buffer.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "vqimagefile.h"

struct fuzzed_reader {
  int type;   // vqimage_type
  const char* options;
  bool (*from_memory)(vqpxmap*, const uint8_t*, size_t, int, int, int, int, const char*);
  bool (*from_file)(vqpxmap*, const char*, int, int, int, int, const char*);
};

inline void fuzz_read_into(const fuzzed_reader& r, int format, int w, int h, int x0, int y0,
                           const uint8_t* data, size_t size, const char* file) {
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = w;
  pm.height = h;
  pm.format = format;
  if (!vqpxmap_allocate(&pm)) return;
  if (file != nullptr) r.from_file(&pm, file, x0, y0, 0, 0, "");
  else r.from_memory(&pm, data, size, x0, y0, 0, 0, r.options);
  vqpxmap_free(&pm);
}

inline int fuzz_reader_input(const fuzzed_reader& r, const uint8_t* data, size_t size) {
  fuzz_read_into(r, VQPX_TRUECOLOR, 37, 23, 0, 0, data, size, nullptr);
  fuzz_read_into(r, VQPX_TRUECOLOR, 37, 23, -5, 3, data, size, nullptr);
  fuzz_read_into(r, VQPX_PALETTE8, 37, 23, 2, -1, data, size, nullptr);
  int w = 0, h = 0;
  vqgetpicturesizes_mem(r.type, data, size, &w, &h);
  if (size % 16 != 0) return 0;
  char name[] = "/tmp/fuzz_reader_XXXXXX";
  const int fd = mkstemp(name);
  if (fd < 0) return 0;
  FILE* f = fdopen(fd, "wb");
  if (f == nullptr) {
    close(fd);
    unlink(name);
    return 0;
  }
  fwrite(data, 1, size, f);
  fclose(f);
  fuzz_read_into(r, VQPX_SERVER, 16, 16, 1, 1, nullptr, 0, name);
  vqgetpicturesizes(name, &w, &h);
  unlink(name);
  return 0;
}
