// Command-line splitting on arbitrary text: every argument must be a
// zero-terminated copy within the limits, and the vector must end in null.
#include "vqframe.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  int argc = 0;
  char** argv = vqcmdline_split(text.c_str(), &argc);
  if (argc < 1 || argc > 1000 || argv[argc] != nullptr || argv[0][0] != 0) std::abort();
  for (int i = 1; i < argc; i++)
    if (std::strlen(argv[i]) > 2047) std::abort();
  vqcmdline_free(argv);
  return 0;
}
