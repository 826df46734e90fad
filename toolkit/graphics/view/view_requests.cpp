// Requests of a panel's children (embedded controls, nested panels): hit
// regions, geometry, showing rectangles, focus, mouse capture.
#include "view_internal.h"

#include <algorithm>

namespace {

constexpr int kGrowth = 100;

bool valid(const vqView* v, int i) { return i >= 0 && i < v->region_count && v->regions[i].in_use; }

int add_region(vqView* v, const vqregion_request* q) {
  if (!q || !v->regions) return -1;
  int i = 0;
  while (i < v->region_count && v->regions[i].in_use) i++;
  if (i == v->region_count) {
    if (v->region_count == v->region_capacity) {
      vqregion* grown = new vqregion[v->region_capacity + kGrowth]();
      std::copy(v->regions, v->regions + v->region_count, grown);
      delete[] v->regions;
      v->regions = grown;
      v->region_capacity += kGrowth;
    }
    v->region_count++;
  }
  vqregion& r = v->regions[i];
  r = vqregion_of(*q);
  if (v->nofocus) r.focusable = 0;
  return i;
}

void release_capture(vqView* v) {
  v->captured_region = -1;
  v->mouse_captured = 0;
  vqsend(v->host_handler, v->host_object, VQCMD_RELEASE, v->child_id);
}

void remove_regions_of(vqView* v, void* object) {
  for (int i = 0; i < v->region_count; i++) {
    if (!v->regions[i].in_use || v->regions[i].object != object) continue;
    v->regions[i] = vqregion{};
    if (v->hovered_region == i) v->hovered_region = -1;
    if (v->focused_region == i) v->focused_region = -1;
    if (v->captured_region == i) release_capture(v);
  }
  while (v->region_count > 0 && !v->regions[v->region_count - 1].in_use) v->region_count--;
}

int host_origin(vqView* v, int command) { return vqsend(v->host_handler, v->host_object, command); }

}  // namespace

vqregion vqregion_of(const vqregion_request& q) {
  vqregion r{};
  r.in_use = 1;
  r.x = q.x;
  r.y = q.y;
  r.w = q.w;
  r.h = q.h;
  r.object = q.object;
  r.handler = q.handler;
  r.mouse = (q.flags & VQREGION_MOUSE) != 0;
  r.focusable = (q.flags & VQREGION_FOCUSABLE) != 0;
  r.hover = (q.flags & VQREGION_HOVER) != 0;
  r.scrollbars = (q.flags & VQREGION_SCROLLBARS) != 0;
  r.keeptab = (q.flags & VQREGION_KEEPTAB) != 0;
  return r;
}

bool vqview_region_contains(const vqregion& r, int px, int py) {
  // Strictly inside: the region's border pixels belong to its host.
  return r.x < px && px < r.x + r.w && r.y < py && py < r.y + r.h;
}

void vqview_tell_regions(vqView* v, int command, int a1, int a2) {
  for (int i = 0; i < v->region_count; i++) {
    if (!v->regions[i].in_use) continue;
    vqregion r = v->regions[i];
    vqsend(r.handler, r.object, command, a1, a2);
  }
}

void vqview_free_regions(vqView* v) {
  delete[] v->regions;
  v->regions = nullptr;
  v->region_count = v->region_capacity = 0;
  v->hovered_region = v->captured_region = v->focused_region = -1;
}

int vqview_request(vqView* v, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                   int a8) {
  vqpxmap* surface = vqview_surface(v);
  switch (command) {
    case VQCMD_ADDREGION: return add_region(v, vqptr_join<const vqregion_request>(a1, a2));
    case VQCMD_REMOVEREGIONS: remove_regions_of(v, vqptr_join(a1, a2)); return 0;
    case VQCMD_MOVEREGION:
      if (!valid(v, a1)) return 0;
      v->regions[a1].x = a2;
      v->regions[a1].y = a3;
      v->regions[a1].w = a4;
      v->regions[a1].h = a5;
      return 1;
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
      if (valid(v, a1)) v->regions[a1].scrollbars = a2 ? 1 : 0;
      return 0;
    case VQCMD_PASSUP: case VQCMD_PLATFORMWINDOW:
      return vqsend(v->host_handler, v->host_object, command, a1, a2, a3, a4, a5, a6, a7, a8);
    case VQCMD_CAPTURE:
      if (!valid(v, a1)) return 0;
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
