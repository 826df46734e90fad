// The window as a host: the regions its bars and main panel registered,
// mouse routing to them, and their requests (8001 to 8028).
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
    case 8001: return add_child(window, vqptr_join<vqregion_request>(a1, a2));
    case 8002: remove_children_of(window, vqptr_join(a1, a2)); return 0;
    case 8003: vqregion_move(children_of(window), a1, a2, a3, a4, a5); return 0;
    case 8004: return window->platform.pixmap.width;
    case 8005: return window->platform.pixmap.height;
    case 8006: case 8026: return client_origin(window, false);
    case 8007: case 8027: return client_origin(window, true);
    case 8008: vqwindow_copy_to_screen(window, a1, a2, a3, a4); return 0;
    case 8009: vqwindow_update_all(window); return 0;
    case 8010: return 1;   // a top-level window always grants the focus
    case 8013:
      if (vqregion* r = vqregion_get(children_of(window), a1)) r->scrollbars = a2 != 0;
      return 0;
    case 8015: capture(window, a1, true); return 0;
    case 8016: capture(window, a1, false); return 0;
    case 8019: return static_cast<int>(window->background);
    case 8021: return window->draw ? 0 : 1;
    case 8025: return window->platform.handle;
    default: return 0;
  }
}

int vqwindow_route_mouse(vqWindow* window, int command, int x, int y) {
  int id = valid_child(window, window->captured_child) ? window->captured_child
                                                        : vqregion_hit(children_of(window), 0, x, y);
  if (command == 2015 && id != window->hovered_child) {
    int left = window->hovered_child;
    window->hovered_child = id;
    if (valid_child(window, left)) {
      const vqregion& r = window->children[left];
      vqsend(r.handler, r.object, 2024);
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
