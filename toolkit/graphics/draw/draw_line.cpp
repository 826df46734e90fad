// Lines: the floating-point DDA of the drawing commands, thin and wide.
// Both are clipped to the pixmap on the DDA's own step range first, so a
// line from -2e9 to 2e9 costs no more than one across the pixmap.
#include "draw_internal.h"
#include "vqdraw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// The minor coordinate is worked out from the start at every step instead
// of being summed up step by step: the same values the summing DDA aims
// at, without the drift that would make a clipped line differ from the
// whole one. Rounding adds 0.5 and takes the floor, so that a line at
// y = -1 stays off the pixmap instead of being pulled onto row 0.
int64_t vqdraw_dda::minor(int64_t i) const {
  if (steps == 0) return b1;
  double offset = static_cast<double>(i) * static_cast<double>(db) / static_cast<double>(steps);
  return b1 + static_cast<int64_t>(std::floor(offset + 0.5));
}

vqdraw_dda vqdraw_dda_make(int x1, int y1, int x2, int y2) {
  int64_t dx = static_cast<int64_t>(x2) - x1, dy = static_cast<int64_t>(y2) - y1;
  vqdraw_dda d;
  d.xmajor = std::llabs(dx) >= std::llabs(dy);
  d.a1 = d.xmajor ? x1 : y1;
  d.b1 = d.xmajor ? y1 : x1;
  int64_t da = d.xmajor ? dx : dy;
  d.db = d.xmajor ? dy : dx;
  d.steps = std::llabs(da);
  d.sa = da < 0 ? -1 : 1;
  return d;
}

bool vqdraw_dda_range(const vqdraw_dda& d, int64_t major_limit, int64_t minor_limit, int64_t* first,
                      int64_t* last) {
  // Major axis: a1 + sa * i inside 0..major_limit-1, exactly.
  int64_t lo = d.sa > 0 ? -d.a1 : d.a1 - (major_limit - 1);
  int64_t hi = d.sa > 0 ? major_limit - 1 - d.a1 : d.a1;
  lo = std::max<int64_t>(lo, 0);
  hi = std::min<int64_t>(hi, d.steps);
  if (lo > hi) return false;
  // Minor axis: b1 + i * db / steps inside -0.5 .. minor_limit - 0.5, one
  // step of slack on each side against rounding.
  if (d.db == 0) {
    if (d.b1 < 0 || d.b1 >= minor_limit) return false;
  } else {
    double scale = static_cast<double>(d.steps) / static_cast<double>(d.db);
    double e1 = (-0.5 - static_cast<double>(d.b1)) * scale;
    double e2 = (static_cast<double>(minor_limit) - 0.5 - static_cast<double>(d.b1)) * scale;
    double mlo = std::floor(std::min(e1, e2)) - 1, mhi = std::ceil(std::max(e1, e2)) + 1;
    if (mlo > static_cast<double>(hi) || mhi < static_cast<double>(lo)) return false;
    if (mlo > static_cast<double>(lo)) lo = static_cast<int64_t>(mlo);
    if (mhi < static_cast<double>(hi)) hi = static_cast<int64_t>(mhi);
  }
  *first = lo;
  *last = hi;
  return lo <= hi;
}

namespace {

// Points are handed to the pixmap in batches: one presentation per batch.
class point_batch {
 public:
  point_batch(vqpxmap* pm, int32_t color) : pm_(pm), color_(color) {}
  ~point_batch() { flush(); }
  void add(int64_t x, int64_t y) {
    if (x < 0 || y < 0 || x >= pm_->width || y >= pm_->height) return;
    xs_[count_] = static_cast<int>(x);
    ys_[count_] = static_cast<int>(y);
    if (++count_ == kSize) flush();
  }

 private:
  void flush() {
    if (count_ > 0) vqpxmap_setpoints(pm_, count_, xs_, ys_, color_);
    count_ = 0;
  }
  static constexpr int kSize = 512;
  vqpxmap* pm_;
  int32_t color_;
  int count_ = 0;
  int xs_[kSize], ys_[kSize];
};

}  // namespace

void vqdraw_line(vqpxmap* pm, int x1, int y1, int x2, int y2, int32_t color) {
  if (!pm) return;
  pm->pen_x = x2;
  pm->pen_y = y2;
  vqdraw_dda d = vqdraw_dda_make(x1, y1, x2, y2);
  int64_t major_limit = d.xmajor ? pm->width : pm->height;
  int64_t minor_limit = d.xmajor ? pm->height : pm->width;
  int64_t first, last;
  if (!vqdraw_dda_range(d, major_limit, minor_limit, &first, &last)) return;
  point_batch points(pm, color);
  for (int64_t i = first; i <= last; i++) {
    int64_t a = d.major(i), b = d.minor(i);
    if (d.xmajor) points.add(a, b);
    else points.add(b, a);
  }
}

// Every DDA point stands for a wx x wy block. Along the major axis the
// blocks of neighbouring steps overlap, and the minor coordinate moves by
// at most one per step, so the blocks covering one pixel column (x-major)
// or row (y-major) always join into a single run: one run per column or
// row, bounded by the pixmap however thick the line is.
void vqdraw_wideline(vqpxmap* pm, int x1, int y1, int x2, int y2, int32_t color, int wx, int wy) {
  if (!pm) return;
  pm->pen_x = x2;
  pm->pen_y = y2;
  int64_t tx = std::max(wx, 1), ty = std::max(wy, 1);
  vqdraw_dda d = vqdraw_dda_make(x1, y1, x2, y2);
  // Thickness along the major and minor axes, and how far a block reaches
  // before (lead) and after (trail) its point.
  int64_t tmaj = d.xmajor ? tx : ty, tmin = d.xmajor ? ty : tx;
  int64_t lead_maj = (tmaj - 1) / 2, trail_maj = tmaj - 1 - lead_maj;
  int64_t lead_min = (tmin - 1) / 2, trail_min = tmin - 1 - lead_min;
  int64_t major_limit = d.xmajor ? pm->width : pm->height;
  int64_t amin = std::min(d.major(0), d.major(d.steps)) - lead_maj;
  int64_t amax = std::max(d.major(0), d.major(d.steps)) + trail_maj;
  amin = std::max<int64_t>(amin, 0);
  amax = std::min<int64_t>(amax, major_limit - 1);
  vqdraw_spans spans(pm, color);
  for (int64_t c = amin; c <= amax; c++) {
    // Steps whose block covers c: major(i) within c - trail .. c + lead.
    int64_t p = c - trail_maj - d.a1, q = c + lead_maj - d.a1;
    int64_t ia = d.sa > 0 ? p : -q, ib = d.sa > 0 ? q : -p;
    ia = std::max<int64_t>(ia, 0);
    ib = std::min<int64_t>(ib, d.steps);
    if (ia > ib) continue;
    int64_t ma = d.minor(ia), mb = d.minor(ib);
    int64_t from = std::min(ma, mb) - lead_min, to = std::max(ma, mb) + trail_min;
    if (d.xmajor) spans.column(c, from, to);
    else spans.span(c, from, to);
  }
}
