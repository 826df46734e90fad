// Avatars: one round face whose features follow the number, from glum (1)
// to beaming (100). Every feature is a distance to a shape, so that edges
// are smooth at this small size, and every feature moves continuously with
// the number: neighbouring avatars differ a little, far ones a lot.
#include <algorithm>

#include "art_paint.h"

namespace {

float length(float x, float y) { return std::sqrt(x * x + y * y); }

// Signed distance (pixels; negative inside) to an ellipse, approximately.
float ellipse(float x, float y, float rx, float ry) {
  return (length(x / rx, y / ry) - 1) * std::min(rx, ry);
}

float segment(float px, float py, float ax, float ay, float bx, float by) {
  const float vx = bx - ax, vy = by - ay;
  const float t = art_clamp(((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy));
  return length(px - ax - vx * t, py - ay - vy * t);
}

// Distance to a quadratic curve from a over control c to b, as a polyline.
float curve(float px, float py, float ax, float ay, float cx, float cy, float bx, float by) {
  float best = 1e9f, lx = ax, ly = ay;
  for (int i = 1; i <= 12; ++i) {
    const float t = float(i) / 12, s = 1 - t;
    const float x = s * s * ax + 2 * s * t * cx + t * t * bx, y = s * s * ay + 2 * s * t * cy + t * t * by;
    best = std::min(best, segment(px, py, lx, ly, x, y));
    lx = x, ly = y;
  }
  return best;
}

float cover(float distance) { return art_clamp(0.5f - distance); }

struct face {
  float t;                       // 0 glum ... 1 beaming
  float cx = 66, cy = 90, radius = 54;
  float eye_dx = 19, eye_y = 80;
  float mouth_y = 114, mouth_half;
  float bend, open;              // mouth: corners above (+) or below (-) the middle; opening

  explicit face(float mood) : t(mood) {
    mouth_half = art_mix(13.f, 25.f, t);
    bend = art_mix(-9.f, 13.f, t);
    open = 17.f * art_smooth(0.55f, 1.f, t);
  }

  // Distance to an eye (side -1 left, +1 right): an ellipse under a lid that
  // droops at its outer end when glum, and cut from below into a smiling
  // arch when beaming.
  float eye(float x, float y, float side) const {
    const float ex = cx + side * eye_dx, ey = eye_y;
    const float ry = 9.5f, rx = 6.5f;
    float d = ellipse(x - ex, y - ey, rx, ry);
    const float droop = ry * 0.95f * (1 - art_smooth(0.f, 0.5f, t));
    const float lid = ey - ry + droop + (x - ex) * side * 0.45f * droop / ry;
    d = std::max(d, lid - y);
    const float smile = art_smooth(0.6f, 0.97f, t);
    const float cut_r = ry * 1.5f, cut_y = ey + ry * art_mix(3.2f, 1.15f, smile);
    d = std::max(d, cut_r - length(x - ex, y - cut_y));
    return d;
  }

  float brow(float x, float y, float side) const {
    const float ex = cx + side * eye_dx;
    const float worry = 1 - art_smooth(0.f, 0.55f, t), joy = art_smooth(0.5f, 1.f, t);
    const float inner_x = ex - side * 7.5f, outer_x = ex + side * 8.5f;
    const float inner_y = eye_y - 17 - 6 * worry - 4 * joy, outer_y = eye_y - 15 + 3 * worry - 4 * joy;
    const float arch = -2 - 5 * joy + 2 * worry;
    return curve(x, y, inner_x, inner_y, (inner_x + outer_x) / 2, (inner_y + outer_y) / 2 + arch, outer_x,
                 outer_y) - 1.6f;
  }

  // The mouth's lips as rows: the upper and lower edge at a horizontal offset.
  float upper(float dx) const {
    const float k = 1 - (dx / mouth_half) * (dx / mouth_half);
    return mouth_y - bend / 2 + (bend - open * 0.15f) * k;
  }
  float lower(float dx) const {
    const float k = 1 - (dx / mouth_half) * (dx / mouth_half);
    return mouth_y - bend / 2 + (bend + open) * k;
  }
  float lips(float x, float y) const {
    float best = 1e9f;
    float ux = -mouth_half, uy = upper(ux), lx = ux, ly = lower(lx);
    for (int i = 1; i <= 16; ++i) {
      const float dx = -mouth_half + 2 * mouth_half * float(i) / 16;
      best = std::min(best, segment(x, y, cx + ux, uy, cx + dx, upper(dx)));
      best = std::min(best, segment(x, y, cx + lx, ly, cx + dx, lower(dx)));
      ux = lx = dx, uy = upper(dx), ly = lower(dx);
    }
    return best - 1.5f;
  }
};

}  // namespace

void art_paint_avatar(art_canvas& canvas, int number) {
  const float t = art_clamp(float(number - 1) / 99.f);
  const face f(t);
  // Cool blue for the glum, through green to warm gold for the beaming.
  const float hue = art_mix(212.f, 38.f, t);
  const art_rgb top = art_hsv(hue, 0.28f + 0.1f * t, 0.97f), bottom = art_hsv(hue, 0.5f + 0.1f * t, 0.78f + 0.12f * t);
  const art_rgb skin = art_mix(art_hex(0xd9cc9a), art_hex(0xffd23c), 0.35f + 0.65f * t);
  const art_rgb ink = art_hex(0x4a2e14), mouth = art_hex(0x8a2430), tongue = art_hex(0xf07884);
  const art_rgb cheek = art_hex(0xff6f7f), white = art_hex(0xffffff);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      const float px = float(x) + 0.5f, py = float(y) + 0.5f;
      art_rgb c = art_mix(top, bottom, py / float(canvas.height));
      // A halo that grows with the mood.
      const float r = length(px - f.cx, py - f.cy);
      c = art_mix(c, white, (0.15f + 0.4f * t) * std::exp(-std::max(0.f, r - f.radius) / 9.f) * (r > f.radius - 2));
      // Sparkles around the happiest faces.
      if (t > 0.8f) {
        static const float stars[4][3] = {{16, 26, 7}, {116, 34, 6}, {112, 142, 5}, {18, 136, 4}};
        for (const auto& s : stars) {
          const float sx = std::fabs(px - s[0]), sy = std::fabs(py - s[1]);
          const float d = std::min(sx * 3 + sy, sy * 3 + sx) - s[2] * 1.2f;
          c = art_mix(c, white, cover(d) * art_smooth(0.8f, 1.f, t));
        }
      }
      // Face: lit from the upper left, a darker rim, an outline.
      const float face_d = r - f.radius;
      const float light = 0.86f + 0.2f * std::exp(-(length(px - f.cx + 18, py - f.cy + 22) / 30.f));
      art_rgb skin_here = skin * (light - 0.1f * art_smooth(f.radius - 14, f.radius, r));
      const float cheek_a = (0.08f + 0.5f * t * t);
      for (float side : {-1.f, 1.f}) {
        const float d = length((px - (f.cx + side * 25)) / 10.f, (py - (f.eye_y + 18)) / 6.5f);
        skin_here = art_mix(skin_here, cheek, cheek_a * std::exp(-d * d * 1.3f));
      }
      c = art_mix(c, skin_here, cover(face_d));
      c = art_mix(c, ink, cover(std::fabs(face_d) - 1.3f));
      for (float side : {-1.f, 1.f}) {
        const float e = f.eye(px, py, side);
        c = art_mix(c, ink, cover(e));
        // The shine in the eye fades as the eye narrows.
        const float shine = length(px - (f.cx + side * f.eye_dx - 2), py - (f.eye_y - 4)) - 2.2f;
        c = art_mix(c, white, cover(std::max(shine, e + 1.f)) * 0.9f * (1 - art_smooth(0.62f, 0.8f, t)));
        c = art_mix(c, ink, cover(f.brow(px, py, side)));
      }
      // Mouth: its inside when open (tongue below, teeth along the top), then the lips.
      const float dx = px - f.cx;
      if (std::fabs(dx) < f.mouth_half && f.open > 0.5f) {
        const float up = f.upper(dx), low = f.lower(dx);
        if (py > up && py < low) {
          art_rgb inside = mouth;
          const float tongue_d = length(dx / (f.mouth_half * 0.55f), (py - low) / (f.open * 0.5f + 1)) - 1;
          inside = art_mix(inside, tongue, cover(tongue_d * 6));
          if (f.open > 6 && py < up + f.open * 0.28f) inside = white;
          c = art_mix(c, inside, art_clamp(std::min(py - up, low - py) + 0.5f));
        }
      }
      c = art_mix(c, ink, cover(f.lips(px, py)));
      canvas.at(x, y) = c;
    }
}
