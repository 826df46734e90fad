// Font texts handed in by a user: any bytes must be refused or registered
// without a read outside the buffer.
#include "vqfont.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int id = vqfont_register_buffer(reinterpret_cast<const char*>(data), size);
  if (id) {
    vqfont_textwidth(id, "Abc\xE4\xFF");
    // The text box measures through the drawing code, which needs the pixmap
    // operations; it joins this target once they are built.
    vqfont_free(id);
  }
  return 0;
}
