// The picture store: the background and the avatar picture, each as three
// column-major planes of 8-bit red, green and blue, 9000 columns of 6000
// bytes. The planes are allocated once and never freed, so loading a picture
// never allocates; the system commits their pages only as pictures touch
// them, so an idle game holds just what its pictures use.
#pragma once

#include <cstdint>

constexpr int store_columns = 9000;
constexpr int store_rows = 6000;

struct picture_planes {
  // Column x of a plane starts store_rows * x bytes into its block; the
  // byte of pixel (x, y) is column[x][y].
  uint8_t* red[store_columns];
  uint8_t* green[store_columns];
  uint8_t* blue[store_columns];
  int32_t width;    // of the last picture loaded into the planes (as stored)
  int32_t height;
};

extern picture_planes background_picture;
extern picture_planes avatar_picture;

// True once build_picture_store has obtained all six planes.
bool picture_store_ready();

// The pixels (0xAARRGGBB, row after row) of [0, width) x [0, height) into
// the planes; width and height within the store.
void copy_into_planes(picture_planes& planes, const uint32_t* pixels, int stride, int width, int height);

struct vqpicture;
// Copies the open picture into the planes and stores its size; a picture
// larger than the store is cut to 9000 x 6000 (and that is the size stored).
void store_picture(picture_planes& planes, const vqpicture& reader);

// Tries the three names (a printf format each, taking the number) in order
// and opens the first that reads as a picture; false when none does.
bool open_first_picture(vqpicture& reader, const char* const names[3], int number);

// Prints the size warning and holds the game for ten seconds when the picture
// is above the limit of its kind.
void warn_if_too_large(const vqpicture& reader, int max_width, int max_height);
