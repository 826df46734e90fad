// Mandelbrot and Julia pictures: smooth iteration counts through a cosine
// palette, lit as a relief from the direction of the orbit's derivative,
// and smoothed where neighbouring pixels differ by sampling four times.
#include <algorithm>
#include <cmath>

#include "art_paint.h"

namespace {

struct view {
  double cx, cy, radius;   // centre and half the picture's height
  int iterations;
};

// Places along the set's edge that look well at 16:9.
const view mandelbrot_views[] = {
    {-0.65, 0.0, 1.2, 300},
    {-0.743643887, 0.131825904, 0.00015, 1600},
    {0.312111929783, -0.484618264302, 0.0059, 900},
    {-1.25066, 0.02012, 0.0015, 1000},
    {-0.162490357313, -1.039868407585, 0.0042, 900},
    {-0.233991437859, -0.654521316194, 0.000198242, 1200},
    {-0.747251705908, -0.109361567197, 0.000204, 1500},
    {0.3245, 0.0479, 0.0025, 900},
    {-1.261094593970, -0.039529980903, 0.0013, 1000},
    {-0.5626, 0.6428, 0.004, 900},
    {-1.317743920531, 0.067289131427, 0.0089, 800},
    {-0.88352, -0.223996, 0.00025, 1200},
    {0.4326, 0.3393, 0.004, 900},
    {-0.695830687051, -0.348213162164, 0.0062, 900},
};
constexpr int mandelbrot_view_count = int(sizeof mandelbrot_views / sizeof mandelbrot_views[0]);

struct julia {
  double cr, ci, radius;
};
const julia julia_sets[] = {
    {-0.8, 0.156, 1.1},      {0.285, 0.01, 1.05},    {-0.4, 0.6, 1.15},     {-0.70176, -0.3842, 1.1},
    {0.355, 0.355, 1.0},     {-0.835, -0.2321, 1.05}, {-0.7269, 0.1889, 1.1}, {0.45, 0.1428, 1.0},
    {-0.75, 0.11, 0.9},      {-0.1, 0.651, 1.05},    {-0.54, 0.54, 1.05},   {-0.391, -0.587, 1.1},
    {0.3, 0.5, 1.05},        {-0.123, 0.745, 1.1},
};
constexpr int julia_count = int(sizeof julia_sets / sizeof julia_sets[0]);

struct look {
  art_palette palette;
  float frequency, phase;
  art_rgb inside, ground;
  float light_x, light_y;   // direction of the light on the relief
};

look look_for(art_rng& rng, int variant) {
  look l;
  l.palette = rng.chance(0.6f) ? art_palette_pick(variant * 5 + rng.below(3)) : art_palette_random(rng);
  l.frequency = rng.range(0.25f, 0.5f);
  l.phase = rng.unit();
  l.inside = art_mix(art_hex(0x0a0a18), l.palette.at(l.phase) * 0.25f, 0.5f);
  l.ground = art_mix(art_hex(0x101426), l.palette.at(l.phase + 0.5f), 0.35f);
  const float angle = rng.range(0.5f, 2.6f);
  l.light_x = std::cos(angle);
  l.light_y = std::sin(angle);
  return l;
}

// Iterates z := z² + c from z0 and colours the point. Written out in real
// arithmetic: the library's complex product checks for infinities on every
// step, which costs more than the iteration itself.
art_rgb shade(double zr, double zi, double cr, double ci, bool mandelbrot, int iterations, const look& l) {
  double dr = mandelbrot ? 0.0 : 1.0, di = 0.0;
  if (mandelbrot) {
    // The main cardioid and the period-2 bulb never escape.
    const double xq = cr - 0.25, q = xq * xq + ci * ci;
    if (q * (q + xq) < 0.25 * ci * ci || (cr + 1) * (cr + 1) + ci * ci < 0.0625) return l.inside;
  }
  // Brent's cycle check: an orbit that comes back to where it was some
  // steps ago is caught in a cycle and will never escape.
  double saved_r = zr, saved_i = zi;
  int period = 8;
  for (int n = 0; n < iterations; ++n) {
    if (n == period) {
      saved_r = zr, saved_i = zi;
      period *= 2;
    }
    const double ndr = 2.0 * (zr * dr - zi * di) + (mandelbrot ? 1.0 : 0.0);
    di = 2.0 * (zr * di + zi * dr);
    dr = ndr;
    const double nzr = zr * zr - zi * zi + cr;
    zi = 2.0 * zr * zi + ci;
    zr = nzr;
    const double m = zr * zr + zi * zi;
    if (std::fabs(zr - saved_r) + std::fabs(zi - saved_i) < 1e-10) return l.inside;
    if (m > 1e8) {
      const float mu = float(n) + 1.f - float(std::log2(0.5 * std::log2(m)));
      const float t = std::log(mu + 1.f) * l.frequency * 2.2f + l.phase;
      // The direction of z / dz: the normal of the potential's relief.
      const double dm = dr * dr + di * di;
      double ur = (zr * dr + zi * di) / dm, ui = (zi * dr - zr * di) / dm;
      const double len = std::sqrt(ur * ur + ui * ui);
      ur /= len;
      ui /= len;
      const float height = 1.5f;
      const float light = std::max(0.f, (float(ur) * l.light_x + float(ui) * l.light_y + height) / (1 + height));
      // Points that escape at once lie far out: they fade into a calm ground.
      const float near = art_smooth(0.8f, 2.6f, std::log(mu + 1.f));
      return art_mix(l.ground, l.palette.at(t) * (0.35f + 0.75f * light), 0.25f + 0.75f * near);
    }
  }
  return l.inside;
}

struct fractal {
  bool mandelbrot;
  double cx, cy, radius, angle;
  double cr, ci;
  int iterations;
  look l;

  art_rgb at(const art_canvas& canvas, float x, float y) const {
    const double scale = 2.0 * radius / canvas.height;
    const double dx = (x - canvas.width * 0.5) * scale, dy = (canvas.height * 0.5 - y) * scale;
    const double rx = dx * std::cos(angle) - dy * std::sin(angle), ry = dx * std::sin(angle) + dy * std::cos(angle);
    const double pr = cx + rx, pi = cy + ry;
    return mandelbrot ? shade(0, 0, pr, pi, true, iterations, l) : shade(pr, pi, cr, ci, false, iterations, l);
  }
};

float difference(art_rgb a, art_rgb b) {
  return std::max({std::fabs(a.r - b.r), std::fabs(a.g - b.g), std::fabs(a.b - b.b)});
}

void render(art_canvas& canvas, const fractal& f) {
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) canvas.at(x, y) = f.at(canvas, float(x) + 0.5f, float(y) + 0.5f);
  // Where a pixel differs much from a neighbour, two more samples towards its
  // corners join the one: edges and fine filaments stop glittering. (Four
  // would be smoother still, at twice the cost on the busiest views.)
  std::vector<uint8_t> rough(canvas.px.size());
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const art_rgb& p = canvas.at(x, y);
      const bool right = x + 1 < canvas.width && difference(p, canvas.at(x + 1, y)) > 0.08f;
      const bool below = y + 1 < canvas.height && difference(p, canvas.at(x, y + 1)) > 0.08f;
      if (right || below) rough[size_t(y) * canvas.width + x] = 1;
    }
  static const float offsets[2][2] = {{0.2f, 0.3f}, {0.8f, 0.7f}};
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      if (!rough[size_t(y) * canvas.width + x]) continue;
      art_rgb sum = canvas.at(x, y);
      for (const auto& o : offsets) sum = sum + f.at(canvas, float(x) + o[0], float(y) + o[1]);
      canvas.at(x, y) = sum * (1.f / 3.f);
    }
}

}  // namespace

void art_paint_mandelbrot(art_canvas& canvas, art_rng& rng, int variant) {
  const view& v = mandelbrot_views[variant % mandelbrot_view_count];
  fractal f{true, v.cx, v.cy, v.radius, 0.0, 0, 0, v.iterations, look_for(rng, variant)};
  render(canvas, f);
}

void art_paint_julia(art_canvas& canvas, art_rng& rng, int variant) {
  const julia& j = julia_sets[variant % julia_count];
  fractal f{false, 0.0, 0.0, j.radius, rng.range(-0.6f, 0.6f), j.cr, j.ci, 400, look_for(rng, variant + 3)};
  render(canvas, f);
}
