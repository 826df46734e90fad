// What the picture decoders share inside the platform layer: each writes
// the whole picture once into a block of 0xAARRGGBB words (stride = width)
// from picture_pixels_new, which the caller gives back to
// picture_pixels_delete.
#pragma once

#include <cstddef>
#include <cstdint>

// Larger pictures are refused before anything is allocated: their pixels
// would not fit the 2 GiB that one block of 32-bit words may span.
bool picture_size_allowed(int width, int height);
// Null when there is no memory for it.
uint32_t* picture_pixels_new(int width, int height);
void picture_pixels_delete(uint32_t* pixels, int width, int height);

// JPEG through the decoder's own row interface, straight into 32-bit rows.
bool picture_jpeg_size(const uint8_t* bytes, size_t size, int* width, int* height);
uint32_t* picture_jpeg_decode(const uint8_t* bytes, size_t size, int* width, int* height);

// PNG, expanded to four bytes per pixel by the decoder as it reads.
bool picture_png_size(const uint8_t* bytes, size_t size, int* width, int* height);
uint32_t* picture_png_decode(const uint8_t* bytes, size_t size, int* width, int* height);

// Every other format SDL_image reads (BMP, GIF, TGA, ...), by its content or,
// failing that, by the extension (without the dot; may be null).
uint32_t* picture_sdlimage_decode(const uint8_t* bytes, size_t size, const char* extension, int* width,
                                  int* height);
