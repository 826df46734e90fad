// Circles, ellipses, their filled forms and elliptic arcs. All of them come
// from one pixel set: the pixels whose centres lie in the ellipse with the
// half-axes rx + 0.5 and ry + 0.5, so that a radius of r reaches exactly r
// pixels from the centre and a radius of 0 is a single pixel or a straight
// line. The outline is the border of that set: the pixels with a left,
// right, upper or lower neighbour outside it. Shapes are worked out row by
// row over the rows of the pixmap only, so a huge radius costs no more than
// a small one.
#include "draw_internal.h"
#include "vqdraw.h"

#include <algorithm>
#include <cmath>

namespace {

__extension__ typedef __int128 i128;

// Half widths of the rows of one ellipse.
class ellipse_rows {
 public:
  ellipse_rows(int64_t rx, int64_t ry) : a_(2 * rx + 1), b_(2 * ry + 1), ry_(ry) {
    // Exact integer arithmetic while a^2 b^2 (2^124 at most) fits.
    exact_ = a_ <= (int64_t{1} << 30) && b_ <= (int64_t{1} << 30);
  }
  // Largest x >= 0 with (2x)^2 b^2 + (2y)^2 a^2 <= a^2 b^2; -1 when row y
  // holds no pixel of the ellipse.
  int64_t half(int64_t y) const {
    if (y < 0) y = -y;
    if (y > ry_) return -1;
    if (!exact_) {
      long double a = static_cast<long double>(a_), t = 2.0L * static_cast<long double>(y) / b_;
      long double v = a * a / 4.0L * (1.0L - t * t);
      return v <= 0 ? 0 : static_cast<int64_t>(std::floor(std::sqrt(v)));
    }
    i128 a2 = static_cast<i128>(a_) * a_, b2 = static_cast<i128>(b_) * b_;
    i128 room = a2 * (b2 - 4 * static_cast<i128>(y) * y);
    auto fits = [&](int64_t x) { return 4 * static_cast<i128>(x) * x * b2 <= room; };
    int64_t x = static_cast<int64_t>(
        std::sqrt(static_cast<long double>(room) / (4.0L * static_cast<long double>(b2))));
    while (x > 0 && !fits(x)) x--;
    while (fits(x + 1)) x++;
    return x;
  }
  int64_t ry() const { return ry_; }

 private:
  int64_t a_, b_, ry_;
  bool exact_;
};

// The rows dy = -ry .. ry of an ellipse centred at cy that lie on the pixmap.
bool visible_rows(const vqpxmap* pm, int64_t cy, int64_t ry, int64_t* first, int64_t* last) {
  *first = std::max(-ry, -cy);
  *last = std::min(ry, static_cast<int64_t>(pm->height) - 1 - cy);
  return *first <= *last;
}

// Calls visit(dy, from, to) for the outline pixels dx = from..to of every
// visible row, once for the right side and once for the mirrored left one.
template <typename Visit>
void outline_runs(const vqpxmap* pm, int64_t cy, const ellipse_rows& rows, Visit visit) {
  int64_t first, last;
  if (!visible_rows(pm, cy, rows.ry(), &first, &last)) return;
  for (int64_t dy = first; dy <= last; dy++) {
    int64_t x = rows.half(dy);
    int64_t inner = std::min(rows.half(dy - 1), rows.half(dy + 1));
    int64_t from = std::min(x, inner + 1);
    visit(dy, from, x);
    if (from > 0) visit(dy, -x, -from);
    else visit(dy, -x, -1);
  }
}

bool radii_ok(const vqpxmap* pm, int rx, int ry) { return pm && rx >= 0 && ry >= 0; }

}  // namespace

void vqdraw_ellipse(vqpxmap* pm, int x, int y, int rx, int ry, int32_t color) {
  if (!radii_ok(pm, rx, ry)) return;
  vqdraw_spans spans(pm, color);
  outline_runs(pm, y, ellipse_rows(rx, ry), [&](int64_t dy, int64_t from, int64_t to) {
    if (from <= to) spans.span(y + dy, x + from, x + to);
  });
}

void vqdraw_fillellipse(vqpxmap* pm, int x, int y, int rx, int ry, int32_t color) {
  if (!radii_ok(pm, rx, ry)) return;
  ellipse_rows rows(rx, ry);
  int64_t first, last;
  if (!visible_rows(pm, y, ry, &first, &last)) return;
  vqdraw_spans spans(pm, color);
  for (int64_t dy = first; dy <= last; dy++) {
    int64_t half = rows.half(dy);
    spans.span(y + dy, static_cast<int64_t>(x) - half, static_cast<int64_t>(x) + half);
  }
}

void vqdraw_circle(vqpxmap* pm, int x, int y, int r, int32_t color) {
  vqdraw_ellipse(pm, x, y, r, r, color);
}

void vqdraw_fillcircle(vqpxmap* pm, int x, int y, int r, int32_t color) {
  vqdraw_fillellipse(pm, x, y, r, r, color);
}

// The arc keeps the outline pixels whose centre, seen from the ellipse's
// centre, lies at an angle from start counter-clockwise to end. Angles are
// taken modulo 360 and the arc always runs counter-clockwise, so 270 to 90
// is the right half; a difference of 360 or more is the whole ellipse.
void vqdraw_arc(vqpxmap* pm, int x, int y, int rx, int ry, int start, int end, int32_t color) {
  if (!radii_ok(pm, rx, ry)) return;
  int64_t sweep = static_cast<int64_t>(end) - start;
  if (sweep >= 360 || sweep <= -360) {
    vqdraw_ellipse(pm, x, y, rx, ry, color);
    return;
  }
  double from_angle = static_cast<double>(((start % 360) + 360) % 360);
  double span = static_cast<double>(((sweep % 360) + 360) % 360);
  const double kDegrees = 180.0 / 3.14159265358979323846, kSlack = 1e-9;
  auto inside = [&](int64_t dx, int64_t dy) {
    if (dx == 0 && dy == 0) return true;
    double angle = std::atan2(static_cast<double>(-dy), static_cast<double>(dx)) * kDegrees;
    double from_start = angle - from_angle;
    while (from_start < -kSlack) from_start += 360.0;
    while (from_start >= 360.0 - kSlack) from_start -= 360.0;
    return from_start <= span + kSlack || from_start >= 360.0 - kSlack;
  };
  vqdraw_spans spans(pm, color);
  int64_t width = pm->width;
  outline_runs(pm, y, ellipse_rows(rx, ry), [&](int64_t dy, int64_t from, int64_t to) {
    // Only the pixels on the pixmap are looked at.
    from = std::max(from, -static_cast<int64_t>(x));
    to = std::min(to, width - 1 - x);
    bool open = false;
    int64_t run = 0;
    for (int64_t dx = from; dx <= to + 1; dx++) {
      bool in = dx <= to && inside(dx, dy);
      if (in && !open) run = dx;
      if (!in && open) spans.span(y + dy, x + run, x + dx - 1);
      open = in;
    }
  });
}
