// Filling runs of 0x00RRGGBB pixels, the one pixel loop that every fill of a
// picture, panel or window ends in.
#include "vqplatform.h"

#include <cwchar>

#ifdef __EMSCRIPTEN__

#include <emscripten.h>

// The page's own fill of its memory array: a typed array's fill runs as the
// browser's compiled native code, at the memory's speed.
EM_JS(void, web_fill_pixels, (uint32_t* pixels, uint32_t value, size_t count), {
  const first = pixels >>> 2;
  HEAPU32.fill(value >>> 0, first, first + count);
});

// A compiled loop in the browser stores four bytes at a time, at a fraction
// of the desktop's speed, so long runs go to the page's fill; short ones (the
// spans of shapes and glyphs) stay a loop, cheaper than the call.
void vqplatform_fill_pixels(uint32_t* pixels, uint32_t value, size_t count) {
  constexpr size_t kLoopRun = 256;
  if (count < kLoopRun) {
    for (size_t i = 0; i < count; i++) pixels[i] = value;
    return;
  }
  web_fill_pixels(pixels, value, count);
}

#else

// The C library's wide fill runs at the memory's speed whatever the
// alignment; a compiled loop of the same stores ran twice as fast or as slow
// depending on where the code happened to land.
void vqplatform_fill_pixels(uint32_t* pixels, uint32_t value, size_t count) {
  static_assert(sizeof(wchar_t) == sizeof(uint32_t), "a pixel is one wide character");
  std::wmemset(reinterpret_cast<wchar_t*>(pixels), static_cast<wchar_t>(value), count);
}

#endif
