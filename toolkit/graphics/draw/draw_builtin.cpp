// Built-in graphics: the arrow symbols of up-down controls and scrollbars
// and the markup view's bullet. Each is drawn from its shape rather than
// from a stored picture, so it stays crisp at any size: an arrow is a solid
// triangle whose rows grow by one pixel on each side (7 x 4 at its natural
// size, the classic scrollbar arrow), the bullet a disc with a margin of a
// tenth of its square (an 8-pixel disc in the natural 10 x 10).
#include "draw_internal.h"
#include "vqcfgstr.h"
#include "vqcolor.h"
#include "vqdraw.h"

#include <algorithm>
#include <cmath>
#include <strings.h>

namespace {

struct builtin {
  const char* name;
  int width, height;  // natural size
};
const builtin kBuiltins[VQGRAPHIC_COUNT] = {
    {"", 0, 0}, {"up", 7, 4}, {"down", 7, 4}, {"left", 4, 7}, {"right", 4, 7}, {"bullet", 10, 10},
};

// Every graphic is one ink on transparent ground: palette index 0 in the
// palette form, black when the caller names no ink.
constexpr int32_t kOwnInk = 0x000000;

struct box {
  int64_t x, y, w, h;
};

bool known(int id) { return id > VQGRAPHIC_NONE && id < VQGRAPHIC_COUNT; }

// A size of 0 takes the natural size of that side.
box place(int id, int x, int y, int w, int h) {
  return box{x, y, w != 0 ? w : kBuiltins[id].width, h != 0 ? h : kBuiltins[id].height};
}

// Steps k = 0..count-1 of lines at first + dir * k that lie inside 0..limit-1.
void visible_steps(int64_t first, int dir, int64_t count, int64_t limit, int64_t* lo, int64_t* hi) {
  if (dir > 0) {
    *lo = std::max<int64_t>(0, -first);
    *hi = std::min<int64_t>(count - 1, limit - 1 - first);
  } else {
    *lo = std::max<int64_t>(0, first - (limit - 1));
    *hi = std::min<int64_t>(count - 1, first);
  }
}

// A triangle t lines deep, as large as fits the box and centred in it: line
// k from the tip spans centre - k .. centre + k.
void paint_arrow(vqpxmap* pm, vqdraw_spans& ink, int id, const box& b) {
  bool vertical = id == VQGRAPHIC_UP || id == VQGRAPHIC_DOWN;
  int64_t across = vertical ? b.w : b.h, along = vertical ? b.h : b.w;
  int64_t t = std::min(along, (across + 1) / 2);
  if (t < 1) return;
  int64_t centre = (vertical ? b.x : b.y) + (across - (2 * t - 1)) / 2 + t - 1;
  int64_t near_edge = (vertical ? b.y : b.x) + (along - t) / 2;
  bool toward_start = id == VQGRAPHIC_UP || id == VQGRAPHIC_LEFT;
  int64_t tip = toward_start ? near_edge : near_edge + t - 1;
  int dir = toward_start ? 1 : -1;
  int64_t lo, hi;
  visible_steps(tip, dir, t, vertical ? pm->height : pm->width, &lo, &hi);
  for (int64_t k = lo; k <= hi; k++) {
    int64_t line = tip + dir * k;
    if (vertical) ink.span(line, centre - k, centre + k);
    else ink.column(line, centre - k, centre + k);
  }
}

// The pixels whose centres lie within d / 2 of the centre of a d x d
// square, d = the box's smaller side less a tenth on each side.
void paint_bullet(vqpxmap* pm, vqdraw_spans& ink, const box& b) {
  int64_t side = std::min(b.w, b.h);
  if (side < 1) return;
  int64_t d = side - 2 * (side / 10);
  int64_t left = b.x + (b.w - d) / 2, top = b.y + (b.h - d) / 2;
  int64_t lo, hi;
  visible_steps(top, 1, d, pm->height, &lo, &hi);
  double r = static_cast<double>(d) / 2;
  for (int64_t j = lo; j <= hi; j++) {
    double dy = static_cast<double>(j) + 0.5 - r;
    double half = std::sqrt(std::max(0.0, r * r - dy * dy));
    // Columns i with |i + 0.5 - r| <= half.
    int64_t from = static_cast<int64_t>(std::ceil(r - half - 0.5));
    int64_t to = static_cast<int64_t>(std::floor(r + half - 0.5));
    if (from <= to) ink.span(top + j, left + from, left + to);
  }
}

void paint(vqpxmap* pm, int id, const box& b, int32_t color) {
  vqdraw_spans ink(pm, color);
  if (id == VQGRAPHIC_BULLET) paint_bullet(pm, ink, b);
  else paint_arrow(pm, ink, id, b);
}

}  // namespace

int vqgraphic_builtin_id(const char* name) {
  if (!name) return 0;
  for (int id = VQGRAPHIC_UP; id < VQGRAPHIC_COUNT; id++)
    if (strcasecmp(name, kBuiltins[id].name) == 0) return id;
  return 0;
}

bool vqdraw_builtin(vqpxmap* pm, int id, int x, int y, int w, int h, int32_t color) {
  if (!pm || !known(id)) return false;
  paint(pm, id, place(id, x, y, w, h), color == -1 ? kOwnInk : color);
  return true;
}

bool vqdraw_builtin_palette(vqpxmap* pm, int id, int x, int y, const uint32_t* palette) {
  if (!pm || !known(id) || !palette) return false;
  paint(pm, id, place(id, x, y, 0, 0), static_cast<int32_t>(palette[0]));
  return true;
}

// Palette codes: 0 draws the ink as it is; 1 draws the engraved look of a
// disabled control (the shape in the theme's dark grey over a white copy
// one pixel to the lower right), in the theme colors nearest on a palette
// pixmap. A transparent color (transcolor= and its synonyms) paints the
// graphic's box first, so the ground is no longer left as it was.
bool vqdraw_builtin_options(vqpxmap* pm, int id, int x, int y, const char* options) {
  if (!pm || !known(id)) return false;
  int w = 0, h = 0, code = 0;
  uint32_t ink = static_cast<uint32_t>(kOwnInk), ground = VQ_NOCOLOR;
  char** list = vqcfgstr_splitalloc(options ? options : "");
  if (list) {
    static const vqcfgstr_keyword keys[] = {{"xs=", 0}, {"ys=", 1}, {"x=", 2}, {"y=", 3}};
    for (int i = 0; list[i]; i++) {
      switch (vqcfgstr_lookup(list[i], keys)) {
        case 0: w = vqcfgstr_intvalue(list[i]); break;
        case 1: h = vqcfgstr_intvalue(list[i]); break;
        case 2: x = vqcfgstr_intvalue(list[i]); break;
        case 3: y = vqcfgstr_intvalue(list[i]); break;
        default: continue;
      }
      vqcfgstr_consume(list[i]);
    }
    vqcfgstr_color(list, 0, &ink);
    vqcfgstr_transcolor(list, 0, &ground);
    vqcfgstr_palettecode(list, 0, &code);
  }
  vqcfgstr_splitfree(list);
  if (code != 0 && code != 1) {
    vqpxmap_report("vqdraw_builtin_options: wrong palette code %d\n", code);
    return false;
  }
  box b = place(id, x, y, w, h);
  if (ground != VQ_NOCOLOR) vqdraw_fill64(pm, b.x, b.y, b.w, b.h, static_cast<int32_t>(ground));
  if (code == 1) {
    paint(pm, id, box{b.x + 1, b.y + 1, b.w, b.h}, vqdraw_ink(pm, vqcolor_system(VQCOLOR_WHITE)));
    paint(pm, id, b, vqdraw_ink(pm, vqcolor_system(VQCOLOR_DARK)));
  } else {
    paint(pm, id, b, static_cast<int32_t>(ink));
  }
  return true;
}
