// Pixmaps: the toolkit's in-memory images in several pixel formats, with a
// 256-entry palette whose entry 255 is the transparent color.
//
// Pixel (x, y) of the memory formats lives at y * width + x; every
// operation clips to the pixmap, so callers may pass coordinates outside it.
// Colors are 0x00RRGGBB values; a palette pixmap takes the value unchanged
// as its palette index. -1 means "no color".
//
// A refused operation returns false (or -1) and prints one line on standard
// output, "function: problem", leaving the pixmap as it was.
#pragma once

#include <cstddef>
#include <cstdint>

enum vqpxmap_format {
  VQPX_NONE = 0,
  VQPX_PALETTE8 = 1,   // 1 byte per pixel, index into the palette; 255 = transparent
  VQPX_PALETTE16 = 2,  // 2 bytes per pixel (read back as signed 16-bit)
  VQPX_TRUECOLOR = 3,  // 4 bytes per pixel, 0x00RRGGBB
  VQPX_SERVER = 4,     // a pixel buffer held by the platform layer
  VQPX_SCREEN = 5,     // a window's back buffer; every change is presented at once
  VQPX_DIRECTX = 6,    // behaves as VQPX_SERVER
};

enum { VQPX_PALETTE_SIZE = 256, VQPX_TRANSPARENT_INDEX = 255 };

// Largest width or height any pixmap may have; keeps every byte count of a
// truecolor pixmap inside 32 bits and refuses absurd sizes from files.
enum { VQPX_MAX_SIDE = 32767 };

struct vqpxmap {
  int32_t width = 0, height = 0;
  int32_t format = 0;
  // Formats 1, 2, 3: the pixel rows, back to back. Format 5: the window's
  // back buffer (uint32_t 0x00RRGGBB per pixel). Formats 4, 6: null.
  uint8_t* data = nullptr;
  uint32_t* palette = nullptr;      // 256 entries once allocated
  int32_t next_free_entry = 254;    // next palette entry handed out by a merge
  int32_t pen_x = 0, pen_y = 0;     // current point of line drawing
  bool mirror_to_window = false;    // clears and pixel writes also reach `window`
  int pixbuf = 0;                   // formats 4 and 6: platform pixel buffer handle
  int window = 0;                   // format 5 and mirroring: platform window handle
};

// ---- life cycle -------------------------------------------------------------

void vqpxmap_init(vqpxmap* pm);                 // all fields 0, next_free_entry 254
// Allocates zeroed pixels for pm->width x pm->height in pm->format and sets
// the default palette; pixels held before are released. Sizes outside
// 0..VQPX_MAX_SIDE are refused. Format 5 gets a zeroed back buffer that
// reaches a window once pm->window is set (see vqpxmap_attach_window).
bool vqpxmap_allocate(vqpxmap* pm);
void vqpxmap_free(vqpxmap* pm);                 // releases everything, re-initialises
bool vqpxmap_resize(vqpxmap* pm, int width, int height);
// Format from an option string's keywords ("palette", "palette8", "palette_8",
// "indexed", "palette16", "palette_16", "truecolor", "server", "screen",
// "directx"; any case, blanks ignored); the default when none is given.
int vqpxmap_format_from_options(const char* options, int default_format);
// Bytes per pixel of the memory formats 1, 2, 3 and 5; 0 for the others.
int vqpxmap_bytes_per_pixel(int format);

// Fills the 256 entries of the default palette.
void vqpxmap_default_palette(uint32_t* palette);

// ---- pixel access -----------------------------------------------------------

bool vqpxmap_clear(vqpxmap* pm, int32_t color);
bool vqpxmap_setpixel(vqpxmap* pm, int x, int y, int32_t color);
int32_t vqpxmap_getpixel(const vqpxmap* pm, int x, int y);   // -1 outside or on failure
bool vqpxmap_fillrect(vqpxmap* pm, int x, int y, int width, int height, int32_t color);
// Sets each (xs[i], ys[i]) in one color, as vqpxmap_setpixel would, with one
// presentation for a screen pixmap.
bool vqpxmap_setpoints(vqpxmap* pm, int count, const int* xs, const int* ys, int32_t color);
// The 0x00RRGGBB pixels of formats 3, 4, 5, 6 (stride = width); null otherwise.
uint32_t* vqpxmap_rgbpixels(const vqpxmap* pm);

// ---- palette ------------------------------------------------------------------

void vqpxmap_settransparent(vqpxmap* pm, int32_t color);   // palette entry 255
int vqpxmap_findcolor(const vqpxmap* pm, int32_t color);    // first equal entry or -1
void vqpxmap_setpalette(vqpxmap* pm, int index, int32_t color);

// ---- copies and conversions -------------------------------------------------

// A new pixmap in `out` (which must hold nothing) of the source's format with
// the rectangle x, y, width, height (x, y of -1 mean 0; width, height of -1
// reach the source's edge) and a copy of its palette.
bool vqpxmap_duplicate(vqpxmap* out, const vqpxmap* src, int x, int y, int width, int height);
bool vqpxmap_convert(vqpxmap* pm, int format, int32_t transparent);
bool vqpxmap_convert2truecolor(vqpxmap* pm, int32_t transparent);
// Pixels equal to `transparent` become index 255, and palette entry 255
// takes that color (unless it is -1). More than 255 colors are reduced to
// two bits per component.
bool vqpxmap_convert2palette8(vqpxmap* pm, int32_t transparent);
bool vqpxmap_convert2server(vqpxmap* pm);
// Frees the pixels and makes pm a screen pixmap of `window` at its size.
bool vqpxmap_convert2screen(vqpxmap* pm, int window);
// Copies a rectangle of src at (sx, sy) to dst at (dx, dy) with transparency.
// width or height 0 or -1 mean the source's full width or height.
// palette_code (palette8 into palette8): 0 map colors, 1 copy indexes and skip
// 255, 2 not supported, 3 copy indexes including 255 and take the palette.
// flag is accepted for the callers' sake and has no effect.
// Into a server or directx pixmap, palette8 and truecolor sources keep their
// transparency and platform-held sources are copied as they are; into a
// screen pixmap, truecolor and platform-held sources are copied as they are.
// The source is never changed (a directx destination takes any source as a
// server one would).
bool vqpxmap_merge(vqpxmap* dst, const vqpxmap* src, int dx, int dy, int sx, int sy, int width,
                   int height, int palette_code, int flag);
// Halves a truecolor pixmap in place by averaging 2 x 2 blocks (an odd last
// row or column is dropped).
bool vqpxmap_halve(vqpxmap* pm);
// The same into a caller's buffer of at least (width/2) * (height/2) values;
// the pixmap is left as it is. Returns false for a non-truecolor source.
bool vqpxmap_halve_into(const vqpxmap* pm, uint32_t* out, size_t out_count, int* out_w, int* out_h);
// Replaces the pixmap by the engraved truecolor image of a disabled picture,
// one pixel wider and higher.
bool vqpxmap_makegreyed(vqpxmap* pm);

// ---- window hook (formats 5 and mirroring) ---------------------------------

// Makes pm draw onto the platform window: for a screen pixmap the window
// whose back buffer it is; for any other format, the window that
// mirror_to_window copies to. Pixmap pixel (0, 0) is the client area's (0, 0).
void vqpxmap_attach_window(vqpxmap* pm, int window);
// Shows the rectangle of the pixmap on its window (clipped; formats 1, 3, 4,
// 5, 6). Palette pixmaps are shown through their palette.
void vqpxmap_present(const vqpxmap* pm, int x, int y, int width, int height);

// ---- background snapshots (cursors) ----------------------------------------

struct vqpxmap_snapshot {
  vqpxmap saved;
  vqpxmap* source = nullptr;
  int x = 0, y = 0;
};
// Saves the rectangle of pm into the snapshot's private pixmap of the same
// format (re-allocated only when the size or format changes).
bool vqpxmap_snapshot_save(vqpxmap_snapshot* snap, vqpxmap* pm, int x, int y, int width, int height);
// Copies the saved rectangle back to where it came from.
bool vqpxmap_snapshot_restore(vqpxmap_snapshot* snap);
void vqpxmap_snapshot_free(vqpxmap_snapshot* snap);
