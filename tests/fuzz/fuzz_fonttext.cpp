// Font texts handed in by a user: any bytes must be refused or registered
// without a read outside the buffer, and a registered font must measure and
// draw within its glyph data.
#include "vqfont.h"
#include "vqpxmap.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int id = vqfont_register_buffer(reinterpret_cast<const char*>(data), size);
  if (id) {
    static const char kText[] = "Abc \xE4\xFF-long\twords\n\x01xyz";
    vqfont_textwidth(id, kText);
    vqfont_textboxheight(17, kText, id);
    vqpxmap surface;
    vqpxmap_init(&surface);
    surface.width = 40;
    surface.height = 24;
    surface.format = VQPX_TRUECOLOR;
    if (vqpxmap_allocate(&surface)) {
      vqfont_drawstring(&surface, id, -3, 2, 0x112233, false, true, 0x445566, 30, 1, kText, -1, -1);
      vqfont_drawtextbox(&surface, id, 1, 1, 30, 20, 0x778899, kText, false);
      vqfont_set_outline(0xFF0000);
      vqfont_drawchar(&surface, id, 2, 2, 0, true, false, 0xFFFFFF, 'W', -1, -1);
      vqfont_drawchar(&surface, id, 2, 2, 0, false, false, -1, 0xFE, -1, -1);
      vqfont_set_outline(-1);
      vqpxmap_free(&surface);
    }
    vqfont_free(id);
  }
  return 0;
}
