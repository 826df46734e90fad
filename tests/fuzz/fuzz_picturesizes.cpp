// Picture sizes from outside: the first byte picks the file type, the rest
// is the file; the size readers must never read outside the buffer.
#include <cstdint>

#include "vqimagefile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  int w = -1, h = -1;
  const int type = data[0] % 10;
  const bool ok = vqgetpicturesizes_mem(type, data + 1, size - 1, &w, &h);
  // The BMP, PCX and PPM size readers refuse what is not at least 1 x 1.
  if (ok && type != VQIMG_XPM && (w < 1 || h < 1)) __builtin_trap();
  return 0;
}
