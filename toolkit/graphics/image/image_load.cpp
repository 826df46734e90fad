// The common part of every reader: taking the file into memory, choosing
// between writing a truecolor target directly and going through a
// temporary truecolor pixmap, and the transparentcolor= option.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "image_load_internal.h"
#include "vqcfgstr.h"

void vqimage_report(const char* format, ...) {
  char line[600];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof line, format, args);
  va_end(args);
  fputs(line, stdout);
  fflush(stdout);
}

bool vqimage_read_whole(const char* func, const char* filename, std::vector<uint8_t>* out) {
  FILE* f = filename ? fopen(filename, "rb") : nullptr;
  if (!f) {
    vqimage_report("%s: cannot open %s\n", func, filename ? filename : "(null)");
    return false;
  }
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  bool ok = true;
  for (;;) {
    size_t n = fread(chunk, 1, sizeof chunk, f);
    if (bytes.size() + n > VQIMAGE_MAX_FILE) {
      vqimage_report("%s: %s is larger than %zu bytes\n", func, filename, VQIMAGE_MAX_FILE);
      ok = false;
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + n);
    if (n < sizeof chunk) {
      if (ferror(f)) {
        vqimage_report("%s: cannot read %s\n", func, filename);
        ok = false;
      }
      break;
    }
  }
  fclose(f);
  if (ok) out->swap(bytes);
  return ok;
}

namespace {

// transparentcolor=RRGGBB anywhere in the options; false when absent or not
// a hexadecimal color.
bool transparent_option(const char* options, uint32_t* color) {
  if (!options) return false;
  char value[64];
  if (!vqcfgstr_value(options, "transparentcolor", value, sizeof value)) return false;
  const char* p = value;
  while (*p == ' ' || *p == '\t') ++p;
  if (*p == '#') ++p;
  if (!std::isxdigit(static_cast<unsigned char>(*p))) return false;
  errno = 0;
  char* end = nullptr;
  unsigned long v = strtoul(p, &end, 16);
  if (errno != 0 || v > 0xFFFFFFul) return false;
  *color = static_cast<uint32_t>(v);
  return true;
}

// No reader makes more than this many pixels out of one byte of its file
// (a PCX run of two bytes gives 63 bytes of one plane, a third of 63
// pixels; BMP and PPM take three bytes per pixel). Rows beyond what the file
// can hold are never decoded, so they need no room.
constexpr int64_t kMaxPixelsPerFileByte = 11;

bool through_temporary(const vqimage_codec& codec, const char* func, const uint8_t* bytes,
                       size_t size, vqpxmap* pm, int x0, int y0, int width, int height, int pw,
                       int ph) {
  const int64_t ox = std::max(x0, 0), oy = std::max(y0, 0);
  const int64_t cutx = ox - x0, cuty = oy - y0;  // picture columns/rows left of, above pm
  int64_t vw = std::min<int64_t>(pw - cutx, pm->width - ox);
  int64_t vh = std::min<int64_t>(ph - cuty, pm->height - oy);
  if (width > 0) vw = std::min<int64_t>(vw, width);
  if (height > 0) vh = std::min<int64_t>(vh, height);
  if (vw <= 0 || vh <= 0) return true;  // nothing of the picture is visible

  // A palette target gets the whole picture's colour reduction, so the
  // temporary pixmap holds all of it (as far as the file can hold rows).
  // Other targets take the pixels as they are: only the part that can land
  // in pm is kept, so the temporary pixmap is never larger than the target
  // however large the header says the picture is.
  const int64_t file_rows = int64_t(size) * kMaxPixelsPerFileByte / pw + 1;
  const int64_t whole_rows = std::min<int64_t>(ph, file_rows);
  const bool whole = pm->format == VQPX_PALETTE8 && whole_rows <= VQPX_MAX_SIDE &&
                     pw <= VQPX_MAX_SIDE;
  vqpxmap temp;
  vqpxmap_init(&temp);
  temp.width = static_cast<int>(whole ? pw : vw);
  temp.height = static_cast<int>(whole ? whole_rows : vh);
  temp.format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(&temp)) return false;
  const int64_t sx = whole ? cutx : 0, sy = whole ? cuty : 0;  // where pm's part starts in temp
  int rows = 0;
  bool ok = codec.decode(func, bytes, size, &temp, static_cast<int>(sx - cutx),
                         static_cast<int>(sy - cuty), &rows);
  if (whole) {
    // Only the rows read take part in the colour reduction.
    rows = std::clamp(rows, 0, temp.height);
    temp.height = rows;
  }
  const int64_t visible_rows = std::clamp<int64_t>(rows - cuty, 0, vh);
  const bool converted = pm->format != VQPX_PALETTE8 || vqpxmap_convert2palette8(&temp, -1);
  if (!converted) ok = false;
  // The rows read are merged also when the file ended early. A merge height
  // of 0 would mean "all rows", so an empty read merges nothing.
  if (converted && visible_rows > 0 &&
      !vqpxmap_merge(pm, &temp, static_cast<int>(ox), static_cast<int>(oy), static_cast<int>(sx),
                     static_cast<int>(sy), static_cast<int>(vw), static_cast<int>(visible_rows), 0,
                     0))
    ok = false;
  vqpxmap_free(&temp);
  return ok;
}

}  // namespace

bool vqimage_load(const vqimage_codec& codec, const char* func, const uint8_t* bytes, size_t size,
                  vqpxmap* pm, int x0, int y0, int width, int height, const char* options) {
  const int f = pm->format;
  const bool direct = f == VQPX_TRUECOLOR;
  if (!direct && f != VQPX_PALETTE8 && f != VQPX_SERVER && f != VQPX_DIRECTX) {
    vqimage_report("%s: PX-Format %d not supported (should load and copy then)\n", func, f);
    return false;
  }
  if (direct && !pm->data && pm->width > 0 && pm->height > 0) {
    vqimage_report("%s: the pixmap holds no pixels\n", func);
    return false;
  }
  int pw = 0, ph = 0;
  if (!codec.header(func, bytes, size, &pw, &ph)) return false;
  bool ok;
  if (direct) {
    int rows = 0;
    ok = codec.decode(func, bytes, size, pm, x0, y0, &rows);
  } else {
    ok = through_temporary(codec, func, bytes, size, pm, x0, y0, width, height, pw, ph);
  }
  uint32_t transparent = 0;
  if (transparent_option(options, &transparent)) vqpxmap_settransparent(pm, transparent);
  return ok;
}

bool vqimage_load_file(const vqimage_codec& codec, const char* func, const char* filename,
                       vqpxmap* pm, int x0, int y0, int width, int height, const char* options) {
  std::vector<uint8_t> bytes;
  if (!vqimage_read_whole(func, filename, &bytes)) return false;
  return vqimage_load(codec, func, bytes.data(), bytes.size(), pm, x0, y0, width, height, options);
}
