// PNG decoding through libpng, whose row transformations expand every
// colour type and depth to four bytes per pixel in the order of a
// 0xAARRGGBB word while it reads: each row lands in the picture once.
#include "picture_decode.h"

#include <cstring>
#include <new>

#include <png.h>

namespace {

struct png_source {
  const uint8_t* bytes;
  size_t size, at;
};

void read_from_memory(png_structp png, png_bytep out, size_t n) {
  auto* source = static_cast<png_source*>(png_get_io_ptr(png));
  if (n > source->size - source->at) png_error(png, "file cut short");
  std::memcpy(out, source->bytes + source->at, n);
  source->at += n;
}

[[noreturn]] void give_up(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void ignore_warning(png_structp, png_const_charp) {}

uint32_t be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 | p[3];
}

// Gray, palette, low and high depths and transparency all become 8-bit
// red, green, blue and alpha; pictures without alpha get 0xFF.
void expand_to_words(png_structp png, png_infop info) {
  const int type = png_get_color_type(png, info), depth = png_get_bit_depth(png, info);
  if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (type == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (depth == 16) png_set_scale_16(png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  png_set_swap_alpha(png);
  png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
#else
  png_set_bgr(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
#endif
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

}  // namespace

// The signature, then the IHDR chunk, which must come first: its width
// and height are bytes 16 to 23, big-endian.
bool picture_png_size(const uint8_t* bytes, size_t size, int* width, int* height) {
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (size < 24 || std::memcmp(bytes, signature, 8) != 0 || std::memcmp(bytes + 12, "IHDR", 4) != 0) return false;
  const uint32_t w = be32(bytes + 16), h = be32(bytes + 20);
  if (w == 0 || h == 0 || w > PNG_UINT_31_MAX || h > PNG_UINT_31_MAX) return false;
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
}

uint32_t* picture_png_decode(const uint8_t* bytes, size_t size, int* width, int* height) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, give_up, ignore_warning);
  if (png == nullptr) return nullptr;
  png_infop info = png_create_info_struct(png);
  png_source source{bytes, size, 0};
  // Set before setjmp and only read after it returns: kept in memory.
  uint32_t* volatile pixels = nullptr;
  png_bytep* volatile rows = nullptr;
  volatile int w = 0, h = 0;
  if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
    delete[] rows;
    picture_pixels_delete(pixels, w, h);
    png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
    return nullptr;
  }
  png_set_read_fn(png, &source, read_from_memory);
  png_read_info(png, info);
  const int across = static_cast<int>(png_get_image_width(png, info));
  const int down = static_cast<int>(png_get_image_height(png, info));
  if (!picture_size_allowed(across, down)) png_error(png, "picture too large");
  expand_to_words(png, info);
  if (png_get_rowbytes(png, info) != static_cast<size_t>(across) * 4) png_error(png, "unexpected row size");
  w = across;
  h = down;
  pixels = picture_pixels_new(w, h);
  rows = new (std::nothrow) png_bytep[static_cast<size_t>(h)];
  if (pixels == nullptr || rows == nullptr) png_error(png, "no memory");
  for (int y = 0; y < h; ++y) rows[y] = reinterpret_cast<png_bytep>(pixels + static_cast<size_t>(y) * w);
  png_read_image(png, rows);
  delete[] rows;
  png_destroy_read_struct(&png, &info, nullptr);
  *width = w;
  *height = h;
  return pixels;
}
