// Requests of a panel's children (embedded controls, nested panels): hit
// regions, geometry, showing rectangles, focus, mouse capture.
#include "view_internal.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

int add_region(vqView* v, const vqregion_request* q) {
  if (!q || !v->regions) return -1;
  int i = vqregion_add(vqview_regions(v), *q);
  if (i < 0) {
    auto grown = std::make_unique<vqregion[]>(v->region_capacity + VQVIEW_REGIONGROWTH);
    std::copy(v->regions.get(), v->regions.get() + v->region_count, grown.get());
    v->regions = std::move(grown);
    v->region_capacity += VQVIEW_REGIONGROWTH;
    i = vqregion_add(vqview_regions(v), *q);
  }
  if (v->nofocus) v->regions[i].focusable = 0;
  return i;
}

void release_capture(vqView* v) {
  v->captured_region = -1;
  v->mouse_captured = 0;
  vqsend(v->host_handler, v->host_object, VQCMD_RELEASE, v->child_id);
}

// The panel's marks on a region that has gone are cleared, a capture
// released.
void remove_regions_of(vqView* v, void* object) {
  vqregion_remove(vqview_regions(v), object);
  if (!vqview_region(v, v->hovered_region)) v->hovered_region = -1;
  if (!vqview_region(v, v->focused_region)) v->focused_region = -1;
  if (v->captured_region >= 0 && !vqview_region(v, v->captured_region)) release_capture(v);
}

int host_origin(vqView* v, int command) { return vqsend(v->host_handler, v->host_object, command); }

}  // namespace

void vqview_tell_regions(vqView* v, int command, int a1, int a2) {
  for (int i = 0; i < v->region_count; i++) {
    if (!v->regions[i].in_use) continue;
    vqregion r = v->regions[i];
    vqsend(r.handler, r.object, command, a1, a2);
  }
}

void vqview_free_regions(vqView* v) {
  v->regions.reset();
  v->region_count = v->region_capacity = 0;
  v->hovered_region = v->captured_region = v->focused_region = -1;
}

int vqview_request(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                   int a8) {
  vqpxmap* surface = vqview_surface(v);
  switch (command) {
    case VQCMD_ADDREGION: return add_region(v, vqptr_join<const vqregion_request>(a1, a2));
    case VQCMD_REMOVEREGIONS: remove_regions_of(v, vqptr_join(a1, a2)); return 0;
    case VQCMD_MOVEREGION: return vqregion_move(vqview_regions(v), a1, a2, a3, a4, a5) ? 1 : 0;
    case VQCMD_WIDTH: return surface ? surface->width : 0;
    case VQCMD_HEIGHT: return surface ? surface->height : 0;
    case VQCMD_ORIGINX:
      return host_origin(v, VQCMD_ORIGINX) + v->layout.x + v->centre_x - v->scroll_x;
    case VQCMD_ORIGINY:
      return host_origin(v, VQCMD_ORIGINY) + v->layout.y + v->centre_y - v->scroll_y;
    case VQCMD_SHOWRECT: vqview_refresh_rect(v, a1, a2, a3, a4); return 0;
    case VQCMD_FOCUSREGION: return vqview_focus_region(v, a1) ? 1 : 0;
    case VQCMD_FOCUSNEXT: vqview_focus_next(v); return 0;
    case VQCMD_HASSCROLLBARS:
      if (vqregion* r = vqview_region(v, a1)) r->scrollbars = a2 ? 1 : 0;
      return 0;
    case VQCMD_PASSUP: case VQCMD_PLATFORMWINDOW:
      return vqsend(v->host_handler, v->host_object, command, a1, a2, a3, a4, a5, a6, a7, a8);
    case VQCMD_CAPTURE:
      if (!vqview_region(v, a1)) return 0;
      v->captured_region = a1;
      v->mouse_captured = 1;
      vqsend(v->host_handler, v->host_object, VQCMD_CAPTURE, v->child_id);
      return 1;
    case VQCMD_RELEASE: release_capture(v); return 0;
    case VQCMD_GETPANEL:
      if (void** out = vqptr_join<void*>(a1, a2)) *out = v;
      return 1;
    case VQCMD_STOPREFRESH: v->autorefresh = 0; return 0;
    case VQCMD_BACKGROUND: return static_cast<int>(v->background);
    case VQCMD_ISHIDDEN: return v->visible ? 0 : 1;
    case VQCMD_ABSX: return host_origin(v, VQCMD_ORIGINX) + v->layout.x;
    case VQCMD_ABSY: return host_origin(v, VQCMD_ORIGINY) + v->layout.y;
    default: return 0;   // VQCMD_FIRSTREFRESH and VQCMD_SETSCROLLPOS do nothing on panels;
                         // VQCMD_CHILDSCROLLED is only news
  }
}
