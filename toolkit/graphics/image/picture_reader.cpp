// The picture reader: the platform decodes the whole picture once into
// 0xAARRGGBB pixels, and the caller copies what it wants into its own pixmap.
#include "vqpicture.h"

#include "vqcfgstr.h"

#include "vqplatform.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>

vqpicture::~vqpicture() { vqpicture_close(this); }

bool vqpicture_open(vqpicture* reader, const char* format, ...) {
  if (!reader) return false;
  vqpicture_close(reader);   // a reader holds at most one picture
  if (!format) {
    reader->filename[0] = 0;
    return false;
  }
  va_list args;
  va_start(args, format);
  vqcfgstr_vformat(reader->filename, sizeof reader->filename, format, args);
  va_end(args);

  int w = 0, h = 0;
  vqplatform_picture* image = vqplatform_picture_open(reader->filename, &w, &h);
  if (!image) return false;
  if (w <= 0 || h <= 0) {
    vqplatform_picture_close(image);
    return false;
  }
  reader->image = image;
  reader->width = w;
  reader->height = h;
  reader->open = true;
  // The decoder's own numbers, for whoever follows a picture that shows wrong.
  printf("here %dx%d\n", w, h);
  printf("bitmapData %x\n", static_cast<unsigned>(reinterpret_cast<uintptr_t>(image)));
  printf("lbb %d\n", 0);
  printf("pixels %x\n",
         static_cast<unsigned>(reinterpret_cast<uintptr_t>(vqplatform_picture_pixels(image))));
  return true;
}

uint32_t vqpicture_getpixel(const vqpicture* reader, int x, int y) {
  if (!reader || !reader->open || x < 0 || y < 0 || x >= reader->width || y >= reader->height)
    return 0;
  return vqplatform_picture_pixels(reader->image)[static_cast<size_t>(y) * reader->width + x];
}

void vqpicture_close(vqpicture* reader) {
  if (!reader || !reader->open) return;
  printf("close %s %dx%d\n", reader->filename, reader->width, reader->height);
  vqplatform_picture_close(reader->image);
  reader->image = nullptr;
  reader->open = false;
  reader->width = reader->height = 0;
}

bool vqpicture_size(const char* file, int* width, int* height) {
  int w = 0, h = 0;
  const bool ok = vqplatform_picture_size(file, &w, &h);
  if (width) *width = w;
  if (height) *height = h;
  return ok;
}
