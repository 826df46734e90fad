// Helpers shared by the shape drawing files; not part of the toolkit's
// interface.
#pragma once

#include "pixmap_internal.h"
#include "vqpxmap.h"

#include <cstdint>

// The value vqpxmap_getpixel reads back after `color` was written: palette
// pixmaps keep only the low 8 or 16 bits (palette16 read as signed).
int32_t vqdraw_stored(const vqpxmap* pm, int32_t color);

// Writes many row spans of one color straight into the pixel rows and tells
// the pixmap module about the changed box once, when it goes out of scope:
// a shape of a thousand spans costs one presentation on a screen pixmap.
// Every span is clipped here, in 64 bits. Pixmaps without row memory go
// through vqpxmap_fillrect span by span.
class vqdraw_spans {
 public:
  vqdraw_spans(vqpxmap* pm, int32_t color);
  ~vqdraw_spans();
  vqdraw_spans(const vqdraw_spans&) = delete;
  vqdraw_spans& operator=(const vqdraw_spans&) = delete;

  // Pixels x0..x1 (both included) of row y.
  void span(int64_t y, int64_t x0, int64_t x1);
  // Pixels y0..y1 (both included) of column x.
  void column(int64_t x, int64_t y0, int64_t y1);

 private:
  vqpxmap* pm_;
  int32_t color_;
  bool direct_;
  int x0_, y0_, x1_, y1_;  // changed box, empty while x1_ < x0_
};

// Reads pixels of the memory formats without a call per pixel; for flood
// fills. Holds nothing once the pixmap has no readable rows.
class vqdraw_reader {
 public:
  explicit vqdraw_reader(const vqpxmap* pm);
  bool ok() const { return ok_; }
  int32_t at(int x, int y) const;  // inside the pixmap only

 private:
  const vqpxmap* pm_;
  const uint8_t* bytes_;
  const uint32_t* rgb_;
  bool ok_;
};

// A rectangle given by position and size in 64 bits, cut to the pixmap and
// filled with vqpxmap_fillrect; sizes below 1 draw nothing.
void vqdraw_fill64(vqpxmap* pm, int64_t x, int64_t y, int64_t w, int64_t h, int32_t color);

// The steps of a line as the DDA walks them: step i (0..steps) lies at
// major(i), minor(i). The major axis is x when |dx| >= |dy|.
struct vqdraw_dda {
  bool xmajor;
  int64_t a1, b1;     // start on the major and minor axis
  int64_t steps;      // |major delta|
  int sa;             // +1 or -1 along the major axis
  int64_t db;         // signed minor delta
  int64_t major(int64_t i) const { return a1 + sa * i; }
  int64_t minor(int64_t i) const;
};
vqdraw_dda vqdraw_dda_make(int x1, int y1, int x2, int y2);
// The steps whose point can lie inside a major_limit x minor_limit area
// (a little generous; callers still test each point). False when none.
bool vqdraw_dda_range(const vqdraw_dda& d, int64_t major_limit, int64_t minor_limit, int64_t* first,
                      int64_t* last);

// The value that shows `rgb` on this pixmap: the color itself on the
// 0x00RRGGBB formats, the nearest of palette entries 0 to 254 on palette
// pixmaps (for theme colors drawn by the toolkit itself).
int32_t vqdraw_ink(const vqpxmap* pm, uint32_t rgb);
