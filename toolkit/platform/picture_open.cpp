// The platform's picture decoder: the file's first bytes pick JPEG or PNG,
// which their own decoders write straight into 32-bit pixels; everything
// else goes to SDL_image. Sizes come from the header alone where the format
// has one we read.
#include "picture_decode.h"
#include "vqplatform.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

struct vqplatform_picture {
  int width = 0, height = 0;
  uint32_t* data = nullptr;   // 0xAARRGGBB, stride = width
};

namespace {

enum class picture_kind { jpeg, png, bmp, gif, other };

picture_kind kind_of(const uint8_t* bytes, size_t size) {
  if (size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return picture_kind::jpeg;
  if (size >= 8 && std::memcmp(bytes, "\x89PNG\r\n\x1A\n", 8) == 0) return picture_kind::png;
  if (size >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return picture_kind::bmp;
  if (size >= 6 && (std::memcmp(bytes, "GIF87a", 6) == 0 || std::memcmp(bytes, "GIF89a", 6) == 0))
    return picture_kind::gif;
  return picture_kind::other;
}

int32_t le32(const uint8_t* p) {
  return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                              static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

// The info header's size tells the old 16-bit core header from the later
// 32-bit ones, where a negative height means rows from the top down.
bool bmp_size(const uint8_t* bytes, size_t size, int* width, int* height) {
  if (size < 26) return false;
  const int32_t info = le32(bytes + 14);
  long long w, h;
  if (info == 12) {
    w = bytes[18] | bytes[19] << 8;
    h = bytes[20] | bytes[21] << 8;
  } else if (info >= 40) {
    w = le32(bytes + 18);
    h = le32(bytes + 22);
    if (h < 0) h = -h;
  } else {
    return false;
  }
  if (w <= 0 || h <= 0 || w > INT32_MAX || h > INT32_MAX) return false;
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
}

// The logical screen of a GIF: bytes 6 to 9, little-endian.
bool gif_size(const uint8_t* bytes, size_t size, int* width, int* height) {
  if (size < 10) return false;
  *width = bytes[6] | bytes[7] << 8;
  *height = bytes[8] | bytes[9] << 8;
  return *width > 0 && *height > 0;
}

bool read_file(const char* file, size_t limit, std::vector<uint8_t>* bytes) {
  FILE* f = std::fopen(file, "rb");
  if (f == nullptr) return false;
  bytes->clear();
  if (std::fseek(f, 0, SEEK_END) == 0) {
    const long length = std::ftell(f);
    if (length > 0) bytes->reserve(std::min(static_cast<size_t>(length), limit));
    std::rewind(f);
  }
  uint8_t chunk[65536];
  size_t got;
  while (bytes->size() < limit && (got = std::fread(chunk, 1, sizeof chunk, f)) > 0)
    bytes->insert(bytes->end(), chunk, chunk + got);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

// The text after the last dot of the file's own name, for the formats that
// SDL_image can only tell by their name (TGA).
const char* extension_of(const char* file) {
  const char* slash = std::strrchr(file, '/');
  const char* dot = std::strrchr(slash != nullptr ? slash : file, '.');
  return dot != nullptr ? dot + 1 : nullptr;
}

vqplatform_picture* decode(const uint8_t* bytes, size_t size, const char* extension, int* w, int* h) {
  int width = 0, height = 0;
  uint32_t* pixels = nullptr;
  switch (kind_of(bytes, size)) {
    case picture_kind::jpeg: pixels = picture_jpeg_decode(bytes, size, &width, &height); break;
    case picture_kind::png: pixels = picture_png_decode(bytes, size, &width, &height); break;
    default: pixels = picture_sdlimage_decode(bytes, size, extension, &width, &height); break;
  }
  if (pixels == nullptr) return nullptr;
  if (width <= 0 || height <= 0) {
    picture_pixels_delete(pixels, width, height);
    return nullptr;
  }
  auto* picture = new vqplatform_picture;
  picture->width = width;
  picture->height = height;
  picture->data = pixels;
  if (w) *w = width;
  if (h) *h = height;
  return picture;
}

}  // namespace

bool picture_size_allowed(int width, int height) {
  return width > 0 && height > 0 && static_cast<long long>(width) * height <= INT32_MAX / 4;
}

// A photograph's block comes straight from the system, in huge pages where
// it grants them: a 6000 x 4000 picture is 96 MB, and faulting that in page
// by 4 KiB page took as long as decoding it.
constexpr size_t mapped_bytes = size_t{4} << 20;

uint32_t* picture_pixels_new(int width, int height) {
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  if (bytes < mapped_bytes) return new (std::nothrow) uint32_t[bytes / 4];
  void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (block == MAP_FAILED) return nullptr;
#ifdef MADV_HUGEPAGE
  madvise(block, bytes, MADV_HUGEPAGE);
#endif
  return static_cast<uint32_t*>(block);
}

void picture_pixels_delete(uint32_t* pixels, int width, int height) {
  if (pixels == nullptr) return;
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  if (bytes < mapped_bytes) delete[] pixels;
  else munmap(pixels, bytes);
}

vqplatform_picture* vqplatform_picture_open(const char* file, int* w, int* h) {
  if (w) *w = 0;
  if (h) *h = 0;
  if (!file || !*file) return nullptr;
  std::vector<uint8_t> bytes;
  if (!read_file(file, SIZE_MAX, &bytes) || bytes.empty()) return nullptr;
  return decode(bytes.data(), bytes.size(), extension_of(file), w, h);
}

vqplatform_picture* vqplatform_picture_open_mem(const uint8_t* bytes, size_t size, int* w, int* h) {
  if (w) *w = 0;
  if (h) *h = 0;
  if (bytes == nullptr || size == 0) return nullptr;
  return decode(bytes, size, nullptr, w, h);
}

bool vqplatform_picture_size_mem(const uint8_t* bytes, size_t size, int* w, int* h) {
  int width = 0, height = 0;
  bool ok = false;
  if (bytes != nullptr && size > 0) {
    switch (kind_of(bytes, size)) {
      case picture_kind::jpeg: ok = picture_jpeg_size(bytes, size, &width, &height); break;
      case picture_kind::png: ok = picture_png_size(bytes, size, &width, &height); break;
      case picture_kind::bmp: ok = bmp_size(bytes, size, &width, &height); break;
      case picture_kind::gif: ok = gif_size(bytes, size, &width, &height); break;
      case picture_kind::other: {
        // No header we read: the decoder has to read the whole picture.
        uint32_t* pixels = picture_sdlimage_decode(bytes, size, nullptr, &width, &height);
        ok = pixels != nullptr;
        picture_pixels_delete(pixels, width, height);
        break;
      }
    }
  }
  if (w) *w = ok ? width : 0;
  if (h) *h = ok ? height : 0;
  return ok;
}

bool vqplatform_picture_size(const char* file, int* w, int* h) {
  if (w) *w = 0;
  if (h) *h = 0;
  if (!file || !*file) return false;
  // A JPEG's frame header may follow large metadata blocks (a camera's
  // preview picture); the first 256 KiB hold it in all but odd files.
  std::vector<uint8_t> bytes;
  if (!read_file(file, 256 * 1024, &bytes) || bytes.empty()) return false;
  if (kind_of(bytes.data(), bytes.size()) == picture_kind::other ||
      !vqplatform_picture_size_mem(bytes.data(), bytes.size(), w, h)) {
    // Formats without a header of ours, and the odd JPEG: read it all.
    vqplatform_picture* picture = vqplatform_picture_open(file, w, h);
    vqplatform_picture_close(picture);
    return picture != nullptr;
  }
  return true;
}

uint32_t vqplatform_picture_pixel(const vqplatform_picture* picture, int x, int y) {
  if (!picture || x < 0 || y < 0 || x >= picture->width || y >= picture->height) return 0;
  return picture->data[static_cast<size_t>(y) * picture->width + x];
}

const uint32_t* vqplatform_picture_pixels(const vqplatform_picture* picture) {
  return picture ? picture->data : nullptr;
}

void vqplatform_picture_close(vqplatform_picture* picture) {
  if (picture == nullptr) return;
  picture_pixels_delete(picture->data, picture->width, picture->height);
  delete picture;
}
