// XPM texts handed in by a user, in both forms the toolkit reads: a file's
// bytes, and a string array (the input cut at line feeds). Any bytes must be
// refused or read without a read or write outside a buffer; a picture that
// reads completely must have the size its header gives.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "image_xpm_internal.h"
#include "vqimagefile.h"

namespace {

void check_picture(const vqpxmap* pm, bool complete, const uint8_t* data, size_t size) {
  if (!pm->data) return;
  // Every pixel must be an index the reader can have written.
  long sum = 0;
  for (int y = 0; y < pm->height; ++y)
    for (int x = 0; x < pm->width; ++x) sum += vqpxmap_getpixel(pm, x, y);
  if (sum < 0) __builtin_trap();
  int w = 0, h = 0;
  if (complete && data && (!vqxpm_read_sizes(data, size, &w, &h) || w != pm->width || h != pm->height))
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int w = 0, h = 0;
  vqxpm_read_sizes(data, size, &w, &h);

  vqpxmap pm;
  vqpxmap_init(&pm);
  bool complete = vqpxmap_loadfrommem_xpm(&pm, data, size);
  check_picture(&pm, complete, data, size);
  vqpxmap_free(&pm);

  std::vector<std::string> lines(1);
  for (size_t i = 0; i < size && lines.size() < 5000; ++i) {
    if (data[i] == '\n') lines.emplace_back();
    else if (data[i] != 0) lines.back().push_back(char(data[i]));
  }
  std::vector<const char*> strings;
  for (const std::string& line : lines) strings.push_back(line.c_str());
  vqpxmap_init(&pm);
  vqpxmap_createfrommem_xpm(&pm, strings.data(), int(strings.size()));
  check_picture(&pm, false, nullptr, 0);
  vqpxmap_free(&pm);
  return 0;
}
