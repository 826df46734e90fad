// PCX files from outside, read in every way a program can read them.
#include "fuzz_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzzed_reader reader = {VQIMG_PCX, "x.pcx,transparentcolor=ff00ff",
                                       vqpxmap_loadfrommem_pcx, vqpxmap_loadfromfile_pcx};
  return fuzz_reader_input(reader, data, size);
}
