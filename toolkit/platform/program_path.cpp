// The running program's file, read from the kernel's link to it.
#include "vqplatform.h"

#include <unistd.h>

bool vqplatform_program_path(char* out, size_t size) {
  if (out == nullptr || size == 0) return false;
  ssize_t n = readlink("/proc/self/exe", out, size - 1);
  if (n <= 0) {
    out[0] = 0;
    return false;
  }
  out[n] = 0;
  return true;
}
