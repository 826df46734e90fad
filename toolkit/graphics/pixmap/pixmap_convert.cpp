// Conversions between the pixel formats.
#include "pixmap_internal.h"
#include "vqplatform.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <unordered_map>
#include <unordered_set>

namespace {

// Counting stops early: all that matters is whether there are more than 256.
constexpr size_t count_limit = 1000;
constexpr uint32_t reduce_mask = 0xC0C0C0;

size_t count_distinct(const uint32_t* px, size_t n) {
  std::unordered_set<uint32_t> seen;
  for (size_t i = 0; i < n && seen.size() < count_limit; i++) seen.insert(px[i]);
  return seen.size();
}

void reduce(uint32_t* px, size_t n) {
  for (size_t i = 0; i < n; i++) px[i] &= reduce_mask;
}

// Palette of the distinct colors in order of first appearance; false once it
// would reach 256 entries.
bool build_palette(const uint32_t* px, size_t n, uint32_t* palette,
                   std::unordered_map<uint32_t, int>* index_of) {
  index_of->clear();
  for (size_t i = 0; i < n; i++) {
    if (index_of->count(px[i])) continue;
    int next = static_cast<int>(index_of->size());
    if (next + 1 >= VQPX_PALETTE_SIZE) return false;
    (*index_of)[px[i]] = next;
    palette[next] = px[i];
  }
  return true;
}

size_t pixel_count(const vqpxmap* pm) {
  return static_cast<size_t>(pm->width) * static_cast<size_t>(pm->height);
}

}  // namespace

bool vqpxmap_convert2truecolor(vqpxmap* pm, int32_t transparent) {
  if (!pm) return false;
  if (pm->format == VQPX_TRUECOLOR) return true;
  size_t n = pixel_count(pm);
  if (pm->format == VQPX_PALETTE8 && pm->data && pm->palette) {
    uint32_t* out = new (std::nothrow) uint32_t[n > 0 ? n : 1]();
    if (!out) return false;
    uint32_t none = transparent == -1 ? 0 : static_cast<uint32_t>(transparent);
    for (size_t i = 0; i < n; i++)
      out[i] = pm->data[i] < VQPX_TRANSPARENT_INDEX ? pm->palette[pm->data[i]] : none;
    vqpxmap_release_pixels(pm);
    pm->data = reinterpret_cast<uint8_t*>(out);
    pm->format = VQPX_TRUECOLOR;
    return true;
  }
  if (vqpxmap_is_platform(pm->format)) {
    const uint32_t* from = vqpxmap_pixbuf_of(pm);
    if (!from && n > 0) return false;
    uint32_t* out = new (std::nothrow) uint32_t[n > 0 ? n : 1]();
    if (!out) return false;
    if (n > 0) std::memcpy(out, from, n * 4);
    vqpxmap_release_pixels(pm);
    pm->data = reinterpret_cast<uint8_t*>(out);
    pm->format = VQPX_TRUECOLOR;
    return true;
  }
  vqpxmap_report("vqpxmap_convert2truecolor: wrong format\n");
  return false;
}

bool vqpxmap_convert2palette8(vqpxmap* pm, int32_t transparent) {
  if (!pm) return false;
  if (pm->format == VQPX_PALETTE8) return true;
  if (pm->format != VQPX_TRUECOLOR || !pm->data || !pm->palette) {
    vqpxmap_report("vqpxmap_convert2palette8: wrong format %d\n", pm->format);
    return false;
  }
  size_t n = pixel_count(pm);
  uint8_t* out = new (std::nothrow) uint8_t[n > 0 ? n : 1]();
  if (!out) return false;
  uint32_t* px = reinterpret_cast<uint32_t*>(pm->data);
  if (count_distinct(px, n) > 256) reduce(px, n);
  std::unordered_map<uint32_t, int> index_of;
  if (!build_palette(px, n, pm->palette, &index_of)) {
    reduce(px, n);
    build_palette(px, n, pm->palette, &index_of);
  }
  for (size_t i = 0; i < n; i++)
    out[i] = px[i] == static_cast<uint32_t>(transparent) ? static_cast<uint8_t>(VQPX_TRANSPARENT_INDEX)
                                                          : static_cast<uint8_t>(index_of[px[i]]);
  // Index 255 has to show the color it stands for when converted back.
  if (transparent != -1) pm->palette[VQPX_TRANSPARENT_INDEX] = static_cast<uint32_t>(transparent);
  delete[] pm->data;
  pm->data = out;
  pm->format = VQPX_PALETTE8;
  return true;
}

bool vqpxmap_convert2server(vqpxmap* pm) {
  if (!pm) return false;
  if (vqpxmap_is_platform(pm->format)) return true;
  if ((pm->format != VQPX_PALETTE8 && pm->format != VQPX_TRUECOLOR) || !pm->data || !pm->palette) {
    vqpxmap_report("vqpxmap_convert2server: unsupported format %d\n", pm->format);
    return false;
  }
  int buffer = vqplatform_pixbuf_create(pm->width, pm->height);
  int w = 0, h = 0;
  uint32_t* to = buffer ? vqplatform_pixbuf_pixels(buffer, &w, &h) : nullptr;
  size_t n = pixel_count(pm);
  if (!buffer || (!to && n > 0)) {
    if (buffer) vqplatform_pixbuf_destroy(buffer);
    vqpxmap_report("vqpxmap_convert2server: no platform buffer\n");
    return false;
  }
  if (pm->format == VQPX_TRUECOLOR) {
    if (n > 0) std::memcpy(to, pm->data, n * 4);
  } else {
    for (size_t i = 0; i < n; i++) to[i] = pm->palette[pm->data[i]];
  }
  vqpxmap_release_pixels(pm);
  pm->pixbuf = buffer;
  pm->format = VQPX_SERVER;
  return true;
}

bool vqpxmap_convert2screen(vqpxmap* pm, int window) {
  if (!pm) return false;
  if (!vqpxmap_size_ok(pm->width, pm->height)) return false;
  size_t n = pixel_count(pm);
  uint8_t* back = new (std::nothrow) uint8_t[n > 0 ? n * 4 : 1]();
  if (!back) return false;
  vqpxmap_release_pixels(pm);
  if (!pm->palette) {
    pm->palette = new uint32_t[VQPX_PALETTE_SIZE];
    vqpxmap_default_palette(pm->palette);
  }
  pm->data = back;
  pm->format = VQPX_SCREEN;
  pm->window = window;
  return true;
}

bool vqpxmap_convert(vqpxmap* pm, int format, int32_t transparent) {
  if (!pm) return false;
  switch (format) {
    case VQPX_PALETTE8: return vqpxmap_convert2palette8(pm, transparent);
    case VQPX_TRUECOLOR: return vqpxmap_convert2truecolor(pm, transparent);
    case VQPX_SERVER: return vqpxmap_convert2server(pm);
    case VQPX_SCREEN: return vqpxmap_convert2screen(pm, pm->window);
    case VQPX_DIRECTX:
      // The accelerated format keeps its pixels the way a server pixmap does.
      if (!vqpxmap_convert2server(pm)) return false;
      pm->format = VQPX_DIRECTX;
      return true;
    default:
      vqpxmap_report("vqpxmap_convert: format %d not supported\n", format);
      return false;
  }
}
