// The panel's command handler and its drawing commands, each followed by a
// deferred refresh: what a panel does its own way (fast points and fills,
// refreshes, copies from other objects, the size within its scroll bars,
// the mouse) is here, the rest is every target's (vqdraw_command).
#include "view_internal.h"

#include "vqdraw.h"
#include "vqplatform.h"
#include "vqtarget.h"

#include <algorithm>
#include <cstring>

namespace {

// The one command drawn pixel by pixel in loops: truecolor pixels in memory
// are written here directly, everything else through the pixmap module.
inline void point(vqpxmap* pm, int x, int y, int32_t color) {
  if (pm->format == VQPX_TRUECOLOR && pm->data && !pm->mirror_to_window) {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(pm->width) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(pm->height))
      reinterpret_cast<uint32_t*>(pm->data)[static_cast<size_t>(y) * pm->width + x] =
          static_cast<uint32_t>(color);
    return;
  }
  vqpxmap_setpixel(pm, x, y, color);
}

// Filled rectangles of whole rows of a truecolor pixmap are one run.
void fill(vqpxmap* pm, int x, int y, int w, int h, int32_t color) {
  if (pm->format == VQPX_TRUECOLOR && pm->data && !pm->mirror_to_window && x <= 0 &&
      static_cast<int64_t>(x) + w >= pm->width) {
    int64_t top = std::max(y, 0), bottom = std::min<int64_t>(static_cast<int64_t>(y) + h, pm->height);
    if (bottom > top)
      vqplatform_fill_pixels(reinterpret_cast<uint32_t*>(pm->data) + top * pm->width,
                             static_cast<uint32_t>(color), static_cast<size_t>((bottom - top) * pm->width));
    return;
  }
  vqpxmap_fillrect(pm, x, y, w, h, color);
}

// Commands that leave the pixels as they are (queries, selections,
// refreshes) schedule nothing.
bool changes_nothing(int command) {
  switch (command) {
    case VQCMD_MOVETO: case VQCMD_REFRESHNOW: case VQCMD_SAVE: case VQCMD_GETPIXEL:
    case VQCMD_SETFONT: case VQCMD_LOADFONT: case VQCMD_SETFONTNAME: case VQCMD_TEXTWIDTH:
    case VQCMD_FONTHEIGHT: case VQCMD_CHARWIDTH: case VQCMD_REFRESHRECT: case VQCMD_GETPIXMAP:
    case VQCMD_GETOBJECT: case VQCMD_GETWIDTH: case VQCMD_GETHEIGHT: case VQCMD_MOUSEX:
    case VQCMD_MOUSEY: case VQCMD_SETTRANSPARENT:
      return true;
    default:
      return false;
  }
}

// The pixmap of another object: a registered container's, else the object
// is taken for a graphic panel; null means the panel itself.
const vqpxmap* pixmap_of(vqView* self, void* object) {
  if (!object || object == self) return vqview_surface(self);
  if (const vqcontainer* c = vqcontainer_find(object)) return c->pixmap;
  return vqview_surface(static_cast<vqView*>(object));
}

int copy_rect(vqView* v, vqpxmap* pm, void* from, int sx, int sy, int dx, int dy, int w, int h) {
  const vqpxmap* src = pixmap_of(v, from);
  if (!src) return 0;
  if (src == pm) {
    // Overlapping rectangles of one pixmap: the copy reads before it writes.
    vqpxmap part;
    vqpxmap_init(&part);
    if (!vqpxmap_duplicate(&part, src, sx, sy, w, h)) return 0;
    vqview_copy(pm, dx, dy, &part, 0, 0, part.width, part.height);
    vqpxmap_free(&part);
    return 0;
  }
  vqview_copy(pm, dx, dy, src, sx, sy, w, h);
  return 0;
}

}  // namespace

int vqView::command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                    int a7, int a8) {
  vqView* v = static_cast<vqView*>(object);
  if (!v) return 0;
  // Points come by the hundred thousand, other drawing by the thousand:
  // they are looked at first, in that order.
  if (command == VQCMD_POINT) {
    vqpxmap* pm = vqview_surface(v);
    if (pm) point(pm, a1, a2, a3);
    bool listed = true;
    if (v->created && v->visible && v->autorefresh) {
      vqrefresh_defer_burst(vqView::command, v);
      listed = vqrefresh_last_listed == v;
    }
    // The next points need only their pixels: vqpoint may write them itself.
    if (listed && v->created && !v->direct) vqtarget_arm_points(v, pm);
    return 0;
  }
  if (command >= VQCMD_POINT && command <= VQCMD_MOUSEY) {
    int result = vqview_draw(v, command, a1, a2, a3, a4, a5, a6, a7, a8);
    if (v->created && v->visible && v->autorefresh && !changes_nothing(command))
      vqrefresh_defer_burst(vqView::command, v);
    return result;
  }
  return vqview_event(v, command, a1, a2, a3, a4, a5, a6, a7, a8);
}

int vqview_draw(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                int a8) {
  vqpxmap* pm = vqview_surface(v);
  if (!pm) return 0;
  switch (command) {
    case VQCMD_FILLRECT: fill(pm, a1, a2, a3, a4, a5); return 0;
    case VQCMD_REFRESHNOW: vqgraphic_refresh(v); return 0;
    case VQCMD_SETTRANSPARENT:
      vqpxmap_settransparent(pm, a1);
      v->transparent = static_cast<uint32_t>(a1);
      return 0;
    case VQCMD_COPYRECT: return copy_rect(v, pm, vqptr_join(a1, a2), a3, a4, a5, a6, a7, a8);
    case VQCMD_REFRESHRECT: vqview_refresh_rect(v, a1, a2, a3, a4); return 0;
    case VQCMD_GETWIDTH:
      return pm->width - (v->vscroll_shown ? static_cast<int>(VQVIEW_SCROLLBAR) : 0);
    case VQCMD_GETHEIGHT:
      return pm->height - (v->hscroll_shown ? static_cast<int>(VQVIEW_SCROLLBAR) : 0);
    case VQCMD_MOUSEX: return v->last_mouse_x;
    case VQCMD_MOUSEY: return v->last_mouse_y;
    default: return vqdraw_command(pm, v, &v->font, command, a1, a2, a3, a4, a5, a6, a7, a8);
  }
}

void vqview_copy(vqpxmap* dst, int dx, int dy, const vqpxmap* src, int sx, int sy, int w, int h) {
  if (w <= 0 || h <= 0) return;
  // Words in memory are copied as they are: a panel's pixels never turn
  // transparent on their way to the host. Screens and mirrored pixmaps go
  // through the merge, which shows what changed.
  auto plain = [](const vqpxmap* pm) {
    return (pm->format == VQPX_TRUECOLOR || pm->format == VQPX_SERVER ||
            pm->format == VQPX_DIRECTX) && !pm->mirror_to_window;
  };
  uint32_t* to = plain(dst) ? vqpxmap_rgbpixels(dst) : nullptr;
  const uint32_t* from = plain(src) ? vqpxmap_rgbpixels(src) : nullptr;
  if (!to || !from) {
    vqpxmap_merge(dst, src, dx, dy, sx, sy, w, h, 0, 0);
    return;
  }
  // Cut to both pixmaps; a corner outside moves the other corner along.
  if (sx < 0) { w += sx; dx -= sx; sx = 0; }
  if (sy < 0) { h += sy; dy -= sy; sy = 0; }
  if (dx < 0) { w += dx; sx -= dx; dx = 0; }
  if (dy < 0) { h += dy; sy -= dy; dy = 0; }
  w = std::min({w, src->width - sx, dst->width - dx});
  h = std::min({h, src->height - sy, dst->height - dy});
  if (w <= 0 || h <= 0) return;
  for (int row = 0; row < h; row++)
    std::memmove(to + static_cast<size_t>(dy + row) * dst->width + dx,
                 from + static_cast<size_t>(sy + row) * src->width + sx, static_cast<size_t>(w) * 4);
}
