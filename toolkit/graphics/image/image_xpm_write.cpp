// XPM writer: code 0 (a blank) is transparent, palette entry i has code
// i + 1; entries 0 to n - 1 are listed, where n - 1 is the highest index a
// pixel uses, so that every pixel's code is defined. Works on a copy: the
// caller's pixmap keeps its format and colours.
#include <cstdio>
#include <string>
#include <unordered_set>

#include "image_xpm_internal.h"
#include "image_load_internal.h"
#include "vqimagefile.h"

namespace {

constexpr int reduce_mask = 0xC0C0C0;

// Distinct colours of a truecolor pixmap, counted up to `limit`.
int count_colors(const vqpxmap* pm, int limit) {
  std::unordered_set<uint32_t> seen;
  const uint32_t* px = reinterpret_cast<const uint32_t*>(pm->data);
  size_t n = size_t(pm->width) * size_t(pm->height);
  for (size_t i = 0; i < n && int(seen.size()) < limit; ++i) seen.insert(px[i]);
  return int(seen.size());
}

std::string picture_name(const char* filename) {
  const char* base = filename;
  for (const char* p = filename; *p; ++p)
    if (*p == '/' || *p == '\\') base = p + 1;
  std::string name = base;
  for (char& c : name)
    if (c == '.') c = '_';
  return name;
}

std::string xpm_text(const vqpxmap* pm, const char* filename) {
  const int w = pm->width, h = pm->height;
  const size_t n_pixels = size_t(w) * size_t(h);
  int listed = 0;   // palette entries 0 .. listed - 1 are written
  for (size_t i = 0; i < n_pixels; ++i)
    if (pm->data[i] != VQPX_TRANSPARENT_INDEX && pm->data[i] + 1 > listed) listed = pm->data[i] + 1;
  const int cpp = listed > 90 ? 2 : 1;

  std::string codes[256];
  for (int v = 0; v <= listed; ++v) codes[v] = vqxpm_code(v, cpp);

  std::string out;
  out.reserve(200 + size_t(listed) * 16 + n_pixels * cpp + size_t(h) * 4);
  char line[128];
  out += "/* XPM */\nstatic char * " + picture_name(filename) + "[] = {\n";
  snprintf(line, sizeof line, "\"%d %d %d %d\",\n", w, h, listed + 1, cpp);
  out += line;
  out += "\"" + codes[0] + "\tc None\",\n";
  for (int i = 0; i < listed; ++i) {
    snprintf(line, sizeof line, "\"%s\tc #%06X\",\n", codes[i + 1].c_str(),
             unsigned(pm->palette[i] & 0xFFFFFF));
    out += line;
  }
  for (int y = 0; y < h; ++y) {
    out += '"';
    const uint8_t* row = pm->data + size_t(y) * size_t(w);
    for (int x = 0; x < w; ++x)
      out += codes[row[x] == VQPX_TRANSPARENT_INDEX ? 0 : row[x] + 1];
    out += y + 1 < h ? "\",\n" : "\"};\n";
  }
  return out;
}

}  // namespace

bool vqpxmap_savetofile_xpm(vqpxmap* pm, const char* filename) {
  if (pm->format != VQPX_PALETTE8 && pm->format != VQPX_TRUECOLOR) {
    printf("vqpxmap_savetofile_xpm: unsupported format %d\n", pm->format);
    return false;
  }
  if (!pm->data || pm->width < 1 || pm->height < 1) {
    printf("vqpxmap_savetofile_xpm: empty pixmap\n");
    return false;
  }
  vqpxmap copy;
  vqpxmap_init(&copy);
  const vqpxmap* source = pm;
  if (pm->format == VQPX_TRUECOLOR) {
    if (!vqpxmap_duplicate(&copy, pm, 0, 0, pm->width, pm->height)) return false;
    if (count_colors(&copy, 256) >= 256) {
      printf(
              "vqpxmap_savetofile_xpm warning: too many colors in truecolor-pixmap, reducing to 64\n");
      uint32_t* px = reinterpret_cast<uint32_t*>(copy.data);
      for (size_t i = 0, n = size_t(copy.width) * size_t(copy.height); i < n; ++i)
        px[i] &= reduce_mask;
    }
    if (!vqpxmap_convert2palette8(&copy, -1)) {
      vqpxmap_free(&copy);
      return false;
    }
    source = &copy;
  }
  std::string text = xpm_text(source, filename);
  vqpxmap_free(&copy);

  return vqimage_write_file("vqpxmap_savetofile_xpm", filename, text);
}
