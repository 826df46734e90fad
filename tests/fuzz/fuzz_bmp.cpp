// BMP files from outside: every input is read into a truecolor and a
// palette pixmap, in memory and now and then through a file, and must be
// refused or read without a read or write outside a buffer.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "vqimagefile.h"

namespace {

bool load_into(int format, int x0, int y0, const uint8_t* data, size_t size) {
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = 37;
  pm.height = 23;
  pm.format = format;
  if (!vqpxmap_allocate(&pm)) return false;
  bool ok = vqpxmap_loadfrommem_bmp(&pm, data, size, x0, y0, 0, 0, "x.bmp,transparentcolor=ff00ff");
  vqpxmap_free(&pm);
  return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  load_into(VQPX_TRUECOLOR, 0, 0, data, size);
  load_into(VQPX_TRUECOLOR, -5, 3, data, size);
  load_into(VQPX_PALETTE8, 2, -1, data, size);
  int w = 0, h = 0;
  vqgetpicturesizes_mem(VQIMG_BMP, data, size, &w, &h);
  if (size % 16 == 0) {  // the file form, for a share of the inputs
    char name[] = "/tmp/fuzz_bmp_XXXXXX";
    int fd = mkstemp(name);
    if (fd >= 0) {
      FILE* f = fdopen(fd, "wb");
      fwrite(data, 1, size, f);
      fclose(f);
      vqpxmap pm;
      vqpxmap_init(&pm);
      pm.width = 16;
      pm.height = 16;
      pm.format = VQPX_SERVER;
      if (vqpxmap_allocate(&pm)) {
        vqpxmap_loadfromfile_bmp(&pm, name, 1, 1, 0, 0, "");
        vqpxmap_free(&pm);
      }
      vqgetpicturesizes(name, &w, &h);
      unlink(name);
    }
  }
  return 0;
}
