// Filling runs of 0x00RRGGBB pixels, the one pixel loop that every fill of a
// picture, panel or window ends in.
#include "vqplatform.h"

#include <cstring>
#include <cwchar>

#ifdef __EMSCRIPTEN__

// A compiled loop in the browser stores four bytes at a time, a tenth of the
// desktop's speed; the C library's block copy of 512 bytes and more is the
// browser's own (a copy inside its memory array). So a first stretch is
// filled by the loop and then doubled by copies of itself: 2^k pixels cost
// k copies. Short runs (the spans of shapes and glyphs) stay a plain loop.
void vqplatform_fill_pixels(uint32_t* pixels, uint32_t value, size_t count) {
  constexpr size_t kStretch = 256;
  const size_t first = count < kStretch ? count : kStretch;
  for (size_t i = 0; i < first; i++) pixels[i] = value;
  for (size_t done = first; done < count;) {
    const size_t next = done < count - done ? done : count - done;
    std::memcpy(pixels + done, pixels, next * sizeof(uint32_t));
    done += next;
  }
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
