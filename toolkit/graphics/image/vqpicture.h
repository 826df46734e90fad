// The picture reader: JPEG, PNG, BMP and the other formats of the platform's
// picture decoder, as 0xAARRGGBB pixels that the caller copies into its own
// pixmap. Needs no display.
#pragma once

#include <cstdint>

struct vqplatform_picture;

struct vqpicture {
  char filename[256] = {};
  bool open = false;
  vqplatform_picture* image = nullptr;
  int width = 0, height = 0;

  vqpicture() = default;
  ~vqpicture();
  vqpicture(const vqpicture&) = delete;
  vqpicture& operator=(const vqpicture&) = delete;
};

// Formats the file name and loads the picture; false (holding nothing) when
// it cannot be loaded or has a width or height of 0.
bool vqpicture_open(vqpicture* reader, const char* format, ...);
// 0xAARRGGBB of pixel x, y; 0 outside the picture.
uint32_t vqpicture_getpixel(const vqpicture* reader, int x, int y);
void vqpicture_close(vqpicture* reader);
// Width and height of a picture the reader would open, read from the file's
// header alone where the format has one (JPEG, PNG, BMP, GIF); false when it
// is no picture the reader opens.
bool vqpicture_size(const char* file, int* width, int* height);
