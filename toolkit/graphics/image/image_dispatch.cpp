// Reading, sizing and writing image files by their type.
#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "image_load_internal.h"
#include "image_xpm_internal.h"
#include "vqcfgstr.h"
#include "vqimagefile.h"

namespace {

// The option text cut into tokens; token 0 is the file name.
struct option_tokens {
  char** list = nullptr;
  explicit option_tokens(const char* text) : list(vqcfgstr_splitalloc(text ? text : "")) {}
  ~option_tokens() { vqcfgstr_splitfree(list); }
  option_tokens(const option_tokens&) = delete;
  option_tokens& operator=(const option_tokens&) = delete;
  const char* filename() const { return list && list[0] ? list[0] : ""; }
};

// The integer of the last token matching key ("x=" ...), if any.
bool last_number(char** list, const char* key, int* out) {
  bool found = false;
  for (int i = 1; list && list[i]; ++i)
    if (vqcfgstr_match(list[i], key)) {
      *out = vqcfgstr_intvalue(list[i]);
      found = true;
    }
  return found;
}

// An XPM picture placed into a pixmap that already holds pixels: read into
// a pixmap of its own and merged, so that its transparent pixels stay out.
bool load_xpm_into(vqpxmap* pm, const char* filename, int x, int y, int width, int height) {
  if (!pm->data && pm->format == VQPX_NONE) return vqpxmap_loadfromfile_xpm(pm, filename);
  vqpxmap picture;
  vqpxmap_init(&picture);
  if (!vqpxmap_loadfromfile_xpm(&picture, filename)) return false;
  const bool ok = vqpxmap_merge(pm, &picture, x, y, 0, 0, width, height, 0, 0);
  vqpxmap_free(&picture);
  return ok;
}

}  // namespace

bool vqgraphic_gloadintern_file(vqpxmap* pm, int x, int y, int width, int height,
                                const char* options) {
  option_tokens t(options);
  const char* filename = t.filename();
  last_number(t.list, "x=", &x);
  last_number(t.list, "y=", &y);
  last_number(t.list, "xs=", &width);
  last_number(t.list, "ys=", &height);
  x = std::max(x, 0);
  y = std::max(y, 0);
  switch (vqimage_type_of(filename)) {
    case VQIMG_BMP:
      return vqpxmap_loadfromfile_bmp(pm, filename, x, y, width, height, options);
    case VQIMG_PCX:
      return vqpxmap_loadfromfile_pcx(pm, filename, x, y, width, height, options);
    case VQIMG_PPM:
      return vqpxmap_loadfromfile_ppm(pm, filename, x, y, width, height, options);
    case VQIMG_XPM:
      return load_xpm_into(pm, filename, x, y, width, height);
    default:
      vqimage_report("vqgraphic_gloadintern_file: unsupported format (%s)\n", filename);
      return false;
  }
}

bool vqgetpicturesizes_mem(int type, const uint8_t* bytes, size_t size, int* width, int* height) {
  const char* func = "vqgetpicturesizes";
  int w = 0, h = 0;
  bool ok;
  switch (type) {
    case VQIMG_BMP: ok = vqbmp_sizes(func, bytes, size, &w, &h); break;
    case VQIMG_PCX: ok = vqpcx_sizes(func, bytes, size, &w, &h); break;
    case VQIMG_PPM: ok = vqppm_sizes(func, bytes, size, &w, &h); break;
    case VQIMG_XPM:
      ok = vqxpm_read_sizes(bytes, size, &w, &h);
      if (!ok) vqimage_report("%s: no usable XPM header\n", func);
      break;
    default:
      vqimage_report("%s: unsupported format (type %d)\n", func, type);
      return false;
  }
  if (ok) {
    *width = w;
    *height = h;
  }
  return ok;
}

bool vqgetpicturesizes(const char* filename, int* width, int* height) {
  const int type = vqimage_type_of(filename);
  if (type != VQIMG_BMP && type != VQIMG_PCX && type != VQIMG_PPM && type != VQIMG_XPM) {
    vqimage_report("vqgetpicturesizes: unsupported format (%s)\n", filename ? filename : "");
    return false;
  }
  std::vector<uint8_t> bytes;
  if (!vqimage_read_whole("vqgetpicturesizes", filename, &bytes)) return false;
  return vqgetpicturesizes_mem(type, bytes.data(), bytes.size(), width, height);
}

bool vqpxmap_savetofile(vqpxmap* pm, const char* options, ...) {
  char text[VQCFGSTR_CONTROLTEXT];
  va_list args;
  va_start(args, options);
  vqcfgstr_vformat(text, sizeof text, options ? options : "", args);
  va_end(args);
  option_tokens t(text);
  const std::string filename = t.filename();
  int xoffset = 0, yoffset = 0;
  last_number(t.list, "xoffset=", &xoffset);
  last_number(t.list, "yoffset=", &yoffset);
  const char* name = filename.c_str();
  switch (vqimage_type_of(name)) {
    case VQIMG_PNG: return vqpxmap_savetofile_png(pm, name);
    case VQIMG_BMP: return vqpxmap_savetofile_bmp(pm, name);
    case VQIMG_XPM: return vqpxmap_savetofile_xpm(pm, name);
    case VQIMG_PPM: return vqpxmap_savetofile_ppm(pm, name);
    case VQIMG_PCX: return vqpxmap_savetofile_pcx(pm, name);
    case VQIMG_PS: return vqpxmap_savetofile_ps(pm, name, xoffset, yoffset);
    case VQIMG_PDF: return vqpxmap_savetofile_pdf(pm, name, xoffset, yoffset);
    default:
      vqimage_report("vqpxmap_savetofile: unsupported format (%s)\n", name);
      return false;
  }
}
