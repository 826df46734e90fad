// The window as a host: the regions its bars and main panel registered,
// mouse routing to them, and their requests (VQCMD_ADDREGION onwards).
#include "window_internal.h"

#include <cstdio>

namespace {

// The window's table: 16 fixed slots, and a region owns every pixel of its
// rectangle (the bars and the main panel meet without a gap).
enum { kChildren = 16 };

vqregion_table children_of(vqWindow* window) {
  return {window->children, &window->child_count, kChildren, VQREGION_EDGE_REGION};
}

bool valid_child(vqWindow* window, int id) { return vqregion_get(children_of(window), id) != nullptr; }

int add_child(vqWindow* window, const vqregion_request* request) {
  if (request == nullptr) return -1;
  int id = vqregion_add(children_of(window), *request);
  if (id < 0) std::printf("vqWindow: no room for another child\n");
  return id;
}

void remove_children_of(vqWindow* window, void* object) {
  vqregion_remove(children_of(window), object);
  if (!valid_child(window, window->hovered_child)) window->hovered_child = -1;
  if (window->captured_child >= 0 && !valid_child(window, window->captured_child)) {
    window->captured_child = -1;
    if (window->platform.handle != 0) vqplatform_mouse_capture(window->platform.handle, false);
  }
}

void capture(vqWindow* window, int id, bool on) {
  if (on && !valid_child(window, id)) return;
  window->captured_child = on ? id : -1;
  if (window->platform.handle != 0) vqplatform_mouse_capture(window->platform.handle, on);
}

// Where the client area's top-left lies on the screen: the outer corner
// plus the frame's left side and top (title bar included).
int client_origin(const vqWindow* window, bool vertical) {
  const vqwindow_platform& p = window->platform;
  int side = (p.outer_w - p.pixmap.width) / 2;
  return vertical ? p.y + p.outer_h - p.pixmap.height - side : p.x + side;
}

}  // namespace

int vqwindow_child_request(vqWindow* window, int command, int a1, int a2, int a3, int a4, int a5,
                           [[maybe_unused]] int a6) {
  switch (command) {
    case VQCMD_ADDREGION: return add_child(window, vqptr_join<vqregion_request>(a1, a2));
    case VQCMD_REMOVEREGIONS: remove_children_of(window, vqptr_join(a1, a2)); return 0;
    case VQCMD_MOVEREGION: vqregion_move(children_of(window), a1, a2, a3, a4, a5); return 0;
    case VQCMD_WIDTH: return window->platform.pixmap.width;
    case VQCMD_HEIGHT: return window->platform.pixmap.height;
    case VQCMD_ORIGINX: case VQCMD_ABSX: return client_origin(window, false);
    case VQCMD_ORIGINY: case VQCMD_ABSY: return client_origin(window, true);
    case VQCMD_SHOWRECT: vqwindow_copy_to_screen(window, a1, a2, a3, a4); return 0;
    case VQCMD_FIRSTREFRESH: vqwindow_update_all(window); return 0;
    case VQCMD_FOCUSREGION: return 1;   // a top-level window always grants the focus
    case VQCMD_HASSCROLLBARS:
      if (vqregion* r = vqregion_get(children_of(window), a1)) r->scrollbars = a2 != 0;
      return 0;
    case VQCMD_CAPTURE: capture(window, a1, true); return 0;
    case VQCMD_RELEASE: capture(window, a1, false); return 0;
    case VQCMD_BACKGROUND: return static_cast<int>(window->background);
    case VQCMD_ISHIDDEN: return window->draw ? 0 : 1;
    case VQCMD_PLATFORMWINDOW: return window->platform.handle;
    default: return 0;
  }
}

int vqwindow_route_mouse(vqWindow* window, int command, int x, int y) {
  int id = valid_child(window, window->captured_child) ? window->captured_child
                                                        : vqregion_hit(children_of(window), 0, x, y);
  if (command == VQCMD_MOUSEMOVE && id != window->hovered_child) {
    int left = window->hovered_child;
    window->hovered_child = id;
    if (valid_child(window, left)) {
      const vqregion& r = window->children[left];
      vqsend(r.handler, r.object, VQCMD_HOVEREND);
    }
  }
  if (id >= 0) {
    const vqregion& r = window->children[id];
    return vqsend(r.handler, r.object, command, x, y);
  }
  // Outside every child (a pixel row no bar covers): the main panel decides.
  if (window->panels[0].created) return vqView::command(&window->panels[0], command, x, y, 0, 0, 0, 0, 0, 0);
  return 0;
}
