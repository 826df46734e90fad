// Glyph lookup and text measurement.
#include "font_record.h"
#include "vqfont.h"

bool vqfont_glyph(int handle, int code, const uint8_t** bitmap, int* width, int* height) {
  const vqfont_record* f = vqfont_record_of(handle);
  if (!f || code < 32 || code >= 255) return false;
  int w = f->widths[code - 32], h = f->ysize;
  if (w > 10000 || h > 10000 || w < 0) return false;
  if (bitmap) *bitmap = f->glyph_data ? f->glyph_data + f->offsets[code - 32] : nullptr;
  if (width) *width = w;
  if (height) *height = h;
  return true;
}

int vqfont_textwidth(int handle, const char* text) {
  const vqfont_record* f = vqfont_record_of(handle);
  if (!f || !text) return 0;
  int sum = 0;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
    if (*p >= 32) sum += f->widths[*p - 32];
  return sum;
}

int vqfont_height(int handle) {
  const vqfont_record* f = vqfont_record_of(handle);
  return f ? f->ysize : 0;
}

int vqfont_charwidth(int handle, int code) {
  const vqfont_record* f = vqfont_record_of(handle);
  if (!f || code < 32 || code > 255) return 0;
  return f->widths[code - 32];
}

bool vqfont_describe(int handle, vqfont_info* out) {
  const vqfont_record* f = vqfont_record_of(handle);
  if (!f || !out) return false;
  *out = {f->key,    f->name,   f->xsize,  f->ysize, f->ascent,  f->descent, f->slant,
          f->weight, f->width,  f->pts,    f->id,    f->spacing, f->chars,   f->widths,
          f->offsets};
  return true;
}
