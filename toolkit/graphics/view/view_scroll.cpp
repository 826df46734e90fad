// Scrolling a panel whose pixmap is larger than the panel: which scrollbars
// it needs, the scroll offsets, the bars the panel draws itself inside its
// rectangle, and presses on them.
#include "view_internal.h"

#include "vqcolor.h"
#include "vqdraw.h"

#include <algorithm>

namespace {

constexpr int kBar = VQVIEW_SCROLLBAR;
// A pixmap up to this much larger than the panel is not worth a scrollbar.
constexpr int kSlack = 21;

// Thumb position and size in percent of the track, as the bars draw them.
int thumb_pos(int offset, int range) {
  if (range <= 0) return 0;
  return std::clamp((offset * 100 + 100) / range, 0, 100);
}
int thumb_size(int shown, int whole) { return whole > 0 ? std::clamp(shown * 100 / whole, 0, 100) : 100; }

int range_x(const vqView* v) { return std::max(0, v->pixmap.width - vqview_shown_width(v)); }
int range_y(const vqView* v) { return std::max(0, v->pixmap.height - vqview_shown_height(v)); }

// A press at `at` along a bar of `length` pixels whose thumb sits at pos
// percent, size percent long: -1 line back, 1 line on, -2 page back, 2 page
// on, 0 on the thumb. The geometry is the one vqdraw_vscrollbar draws:
// square arrow buttons while there is room, a thumb of at least half a button.
int bar_hit(int at, int length, int pos, int size) {
  int button = std::min(kBar, length / 2);
  if (at < button) return -1;
  if (at >= length - button) return 1;
  int track = length - 2 * button;
  int thumb = std::max(track * size / 100, std::min(track, std::max(button / 2, 4)));
  int top = button + (track - thumb) * pos / 100;
  if (at < top) return -2;
  if (at >= top + thumb) return 2;
  return 0;
}

int step_for(int hit, int line, int page) {
  switch (hit) {
    case -1: return -line;
    case 1: return line;
    case -2: return -page;
    case 2: return page;
    default: return 0;
  }
}

}  // namespace

int vqview_shown_width(const vqView* v) { return v->layout.width - (v->vscroll_shown ? kBar : 0); }
int vqview_shown_height(const vqView* v) { return v->layout.height - (v->hscroll_shown ? kBar : 0); }

void vqview_layout_scrollbars(vqView* v) {
  v->vscroll_shown = v->hscroll_shown = 0;
  v->scroll_x = v->scroll_y = 0;
  v->centre_x = v->centre_y = 0;
  if (!v->direct) {
    int pw = v->pixmap.width, ph = v->pixmap.height;
    int w = v->layout.width, h = v->layout.height;
    bool vbar = v->vscroll_allowed && ph > h + kSlack;
    bool hbar = v->hscroll_allowed && pw > w + kSlack;
    // One bar takes room from the panel, which may make the other needed.
    if (vbar && !hbar) hbar = v->hscroll_allowed && pw > w - kBar + kSlack;
    if (hbar && !vbar) vbar = v->vscroll_allowed && ph > h - kBar + kSlack;
    v->vscroll_shown = vbar;
    v->hscroll_shown = hbar;
    if (pw < w) v->centre_x = (w - pw) / 2;
    if (ph < h) v->centre_y = (h - ph) / 2;
  }
  vqsend(v->host_handler, v->host_object, VQCMD_HASSCROLLBARS, v->child_id,
         (v->vscroll_shown || v->hscroll_shown) ? 1 : 0);
}

void vqview_scroll_to(vqView* v, int x, int y) {
  int nx = v->hscroll_shown ? std::clamp(x, 0, range_x(v)) : v->scroll_x;
  int ny = v->vscroll_shown ? std::clamp(y, 0, range_y(v)) : v->scroll_y;
  if (nx != v->scroll_x || ny != v->scroll_y) {
    v->scroll_x = nx;
    v->scroll_y = ny;
    vqgraphic_refresh(v);
    vqview_tell_regions(v, VQCMD_SCROLLED, v->scroll_x, v->scroll_y);
  }
  vqsend(v->host_handler, v->host_object, VQCMD_CHILDSCROLLED, v->child_id);
}

void vqview_scroll_by(vqView* v, int dx, int dy) {
  vqview_scroll_to(v, v->scroll_x + dx, v->scroll_y + dy);
}

void vqview_draw_scrollbars(vqView* v) {
  vqpxmap* host = v->host_pixmap;
  if (!host || (!v->vscroll_shown && !v->hscroll_shown)) return;
  const vqgeometry& g = v->layout;
  int sw = vqview_shown_width(v), sh = vqview_shown_height(v);
  if (v->vscroll_shown)
    vqdraw_vscrollbar(host, g.x + sw, g.y, kBar, sh, thumb_pos(v->scroll_y, range_y(v)),
                      thumb_size(sh, v->pixmap.height));
  if (v->hscroll_shown)
    vqdraw_hscrollbar(host, g.x, g.y + sh, sw, kBar, thumb_pos(v->scroll_x, range_x(v)),
                      thumb_size(sw, v->pixmap.width));
  if (v->vscroll_shown && v->hscroll_shown)
    vqpxmap_fillrect(host, g.x + sw, g.y + sh, kBar, kBar, static_cast<int32_t>(v->theme[VQCOLOR_GREY]));
}

bool vqview_scrollbar_press(vqView* v, int x, int y) {
  int sw = vqview_shown_width(v), sh = vqview_shown_height(v);
  int h = v->layout.height, w = v->layout.width;
  if (v->vscroll_shown && x >= sw && x < w && y >= 0 && y < sh) {
    int hit = bar_hit(y, sh, thumb_pos(v->scroll_y, range_y(v)), thumb_size(sh, v->pixmap.height));
    vqview_scroll_by(v, 0, step_for(hit, std::max(1, h / 20), std::max(1, h / 5)));
    return true;
  }
  if (v->hscroll_shown && y >= sh && y < h && x >= 0 && x < sw) {
    int hit = bar_hit(x, sw, thumb_pos(v->scroll_x, range_x(v)), thumb_size(sw, v->pixmap.width));
    vqview_scroll_by(v, step_for(hit, std::max(1, w / 20), std::max(1, w / 5)), 0);
    return true;
  }
  return false;
}
