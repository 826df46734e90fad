// Bringing a panel's pixmap to its host: the border, the background around
// a centred pixmap, the visible part of the pixmap, the scrollbars, and the
// host's request to show the rectangle.
#include "view_internal.h"

#include "vqcolor.h"
#include "vqdraw.h"
#include "vqtarget.h"

#include <algorithm>

namespace {

bool showing(const vqView* v) { return v->created && v->enabled && v->visible; }

// The two-pixel sunken frame around the panel, in the host pixmap.
void draw_border(vqView* v, vqpxmap* host) {
  const vqgeometry& g = v->layout;
  vqdraw_frame(host, g.x - 2, g.y - 2, g.width + 4, g.height + 4, v->theme[VQCOLOR_DARK],
               v->theme[VQCOLOR_WHITE]);
  vqdraw_frame(host, g.x - 1, g.y - 1, g.width + 2, g.height + 2, v->theme[VQCOLOR_BLACK],
               v->theme[VQCOLOR_GREY]);
}

// The part of the pixmap the panel shows, in pixmap coordinates.
struct area {
  int x, y, w, h;
};
area shown_part(const vqView* v) {
  const vqpxmap& pm = v->pixmap;
  area a{v->scroll_x, v->scroll_y, 0, 0};
  a.w = std::min(pm.width - v->scroll_x, vqview_shown_width(v) - v->centre_x);
  a.h = std::min(pm.height - v->scroll_y, vqview_shown_height(v) - v->centre_y);
  return a;
}

area intersect(area a, area b) {
  int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  return area{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

// Host coordinates of a pixmap point.
int host_x(const vqView* v, int px) { return v->layout.x + v->centre_x + px - v->scroll_x; }
int host_y(const vqView* v, int py) { return v->layout.y + v->centre_y + py - v->scroll_y; }

void ask_host_to_show(vqView* v, int x, int y, int w, int h) {
  vqsend(v->host_handler, v->host_object, VQCMD_SHOWRECT, x, y, w, h);
}

}  // namespace

void vqgraphic_refresh(vqView* v) {
  if (!v || !showing(v)) return;
  const vqgeometry& g = v->layout;
  if (vqpxmap* host = v->host_pixmap) {
    if (v->border) draw_border(v, host);
    if (v->centre_x || v->centre_y) {
      uint32_t bg = v->background == VQ_NOCOLOR ? 0 : v->background;
      vqpxmap_fillrect(host, g.x, g.y, g.width, g.height, static_cast<int32_t>(bg));
    }
    if (!v->direct) {
      area a = shown_part(v);
      vqview_copy(host, host_x(v, a.x), host_y(v, a.y), &v->pixmap, a.x, a.y, a.w, a.h);
    }
    vqview_draw_scrollbars(v);
  }
  // Up to date now: a refresh still listed would only repeat this one.
  vqrefresh_forget(v);
  ask_host_to_show(v, g.x - 2, g.y - 2, g.width + 4, g.height + 4);
}

void vqview_refresh_rect(vqView* v, int x, int y, int w, int h) {
  if (!v || !showing(v) || w <= 0 || h <= 0) return;
  const vqgeometry& g = v->layout;
  if (v->direct) {
    // The pixmap is the host's: its coordinates are the host's.
    area a = intersect(area{x, y, w, h}, area{g.x, g.y, g.width, g.height});
    if (a.w > 0 && a.h > 0) ask_host_to_show(v, a.x, a.y, a.w, a.h);
    return;
  }
  area a = intersect(area{x, y, w, h}, shown_part(v));
  if (a.w <= 0 || a.h <= 0) return;
  int hx = host_x(v, a.x), hy = host_y(v, a.y);
  if (v->host_pixmap) vqview_copy(v->host_pixmap, hx, hy, &v->pixmap, a.x, a.y, a.w, a.h);
  ask_host_to_show(v, hx, hy, a.w, a.h);
}
