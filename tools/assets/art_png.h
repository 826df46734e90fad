// Writing the generated pictures as PNG files.
#pragma once

#include <cstdint>

// Writes 8-bit RGB rows (3 bytes a pixel, no padding) as a PNG file. The
// file appears whole or not at all: it is written beside its name first
// and then renamed. False with one diagnostic line on failure.
bool art_png_write(const char* file, const uint8_t* rgb, int width, int height);
