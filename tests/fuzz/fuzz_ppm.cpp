// PPM files from outside, read in every way a program can read them.
#include "fuzz_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzzed_reader reader = {VQIMG_PPM, "x.ppm,transparentcolor=ff00ff",
                                       vqpxmap_loadfrommem_ppm, vqpxmap_loadfromfile_ppm};
  return fuzz_reader_input(reader, data, size);
}
