// PPM reader: binary P6. The header is read line by line: the magic, any
// comment lines, "width height", then the line of the maximum value.
#include <cctype>
#include <cstring>
#include <vector>

#include "image_load_internal.h"
#include "vqimagefile.h"

namespace {

constexpr size_t kMaxHeaderLine = 1024;

struct ppm_header {
  int width = 0, height = 0, maxval = 0;
  size_t pixels = 0;  // offset of the first pixel byte
};

// The line that starts at *pos, without its line feed; *pos moves behind it.
// False at the end of the data or when a line has no line feed.
bool next_line(const uint8_t* b, size_t size, size_t* pos, const char** text, size_t* len) {
  if (*pos >= size) return false;
  const void* lf = memchr(b + *pos, '\n', size - *pos);
  if (!lf) return false;
  const size_t end = static_cast<const uint8_t*>(lf) - b;
  *text = reinterpret_cast<const char*>(b + *pos);
  *len = end - *pos;
  *pos = end + 1;
  return true;
}

// A decimal number of at most 9 digits, so that it fits an int.
const char* read_number(const char* p, const char* end, int* out) {
  while (p < end && (*p == ' ' || *p == '\t')) ++p;
  int digits = 0;
  int64_t v = 0;
  for (; p < end && std::isdigit(static_cast<unsigned char>(*p)); ++p)
    if (++digits <= 9) v = v * 10 + (*p - '0');
  if (digits == 0 || digits > 9) return nullptr;
  *out = static_cast<int>(v);
  return p;
}

bool parse(const char* func, const uint8_t* b, size_t size, ppm_header* h, bool need_maxval) {
  size_t pos = 0, len = 0;
  const char* line = nullptr;
  if (!next_line(b, size, &pos, &line, &len) || len < 2 || line[0] != 'P' || line[1] != '6' ||
      (len > 2 && !std::isspace(static_cast<unsigned char>(line[2])))) {
    vqimage_report("%s: not a binary PPM file (P6)\n", func);
    return false;
  }
  do {
    if (!next_line(b, size, &pos, &line, &len)) {
      vqimage_report("%s: the header ends before the size\n", func);
      return false;
    }
  } while (len > 0 && line[0] == '#');
  const char* end = line + len;
  const char* p = len <= kMaxHeaderLine ? read_number(line, end, &h->width) : nullptr;
  if (p && (p == end || (*p != ' ' && *p != '\t'))) p = nullptr;
  if (p) p = read_number(p, end, &h->height);
  if (!p || h->width <= 0 || h->height <= 0) {
    vqimage_report("%s: unusable size line\n", func);
    return false;
  }
  if (!need_maxval) return true;
  if (!next_line(b, size, &pos, &line, &len)) {
    vqimage_report("%s: the header ends before the maximum value\n", func);
    return false;
  }
  if (len > kMaxHeaderLine || !read_number(line, line + len, &h->maxval) || h->maxval < 1 ||
      h->maxval > 255) {
    vqimage_report("%s: only maximum values from 1 to 255 are read\n", func);
    return false;
  }
  h->pixels = pos;
  return true;
}

bool read_header(const char* func, const uint8_t* b, size_t size, int* width, int* height) {
  ppm_header h;
  if (!parse(func, b, size, &h, true)) return false;
  *width = h.width;
  *height = h.height;
  return true;
}

bool decode(const char* func, const uint8_t* b, size_t size, vqpxmap* pm, int x0, int y0,
            int* rows) {
  ppm_header h;
  *rows = 0;
  if (!parse(func, b, size, &h, true)) return false;
  // Samples of a smaller maximum value are scaled to 0..255.
  uint8_t scale[256];
  for (int v = 0; v < 256; ++v)
    scale[v] = uint8_t(v >= h.maxval ? 255 : (v * 255 + h.maxval / 2) / h.maxval);
  const uint64_t available = (size - h.pixels) / 3;  // whole pixels in the file
  const uint64_t wanted = uint64_t(h.width) * uint64_t(h.height);
  const uint64_t count = available < wanted ? available : wanted;
  const uint8_t* p = b + h.pixels;
  for (uint64_t i = 0; i < count; ++i, p += 3) {
    const int64_t y = int64_t(y0) + int64_t(i / h.width);
    if (y >= pm->height) {  // the remaining pixels are all below the pixmap
      *rows = h.height;
      return true;
    }
    vqimage_put(pm, int64_t(x0) + int64_t(i % h.width), y,
                (uint32_t(scale[p[0]]) << 16) | (uint32_t(scale[p[1]]) << 8) | scale[p[2]]);
  }
  *rows = static_cast<int>(count / h.width);
  if (count == wanted) return true;
  vqimage_report("%s: the file holds %d of %d rows\n", func, *rows, h.height);
  return false;
}

const vqimage_codec kCodec = {read_header, decode};

}  // namespace

bool vqppm_sizes(const char* func, const uint8_t* b, size_t size, int* width, int* height) {
  ppm_header h;
  if (!parse(func, b, size, &h, false)) return false;
  *width = h.width;
  *height = h.height;
  return true;
}

bool vqpxmap_loadfrommem_ppm(vqpxmap* pm, const uint8_t* bytes, size_t size, int x0, int y0,
                             int width, int height, const char* options) {
  return vqimage_load(kCodec, "vqpxmap_loadfrommem_ppm", bytes, size, pm, x0, y0, width, height,
                      options);
}

bool vqpxmap_loadfromfile_ppm(vqpxmap* pm, const char* filename, int x0, int y0, int width,
                              int height, const char* options) {
  return vqimage_load_file(kCodec, "vqpxmap_loadfromfile_ppm", filename, pm, x0, y0, width,
                           height, options);
}
