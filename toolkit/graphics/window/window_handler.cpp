// The window's command handler: closing, keys and window events become
// event codes; mouse commands go to the child under the pointer; what the
// window does not handle itself goes on to its main panel.
#include "vqevent.h"
#include "vqframe.h"
#include "window_internal.h"

namespace {

void post(int code) {
  if (code != 0) vqpostevent(code);
}

int pass_to_main(vqWindow* window, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7, int a8) {
  if (!window->panels[0].created) return 0;
  return vqView::command(&window->panels[0], command, a1, a2, a3, a4, a5, a6, a7, a8);
}

// The window event code a platform event posts, as an index into
// window_events; -1 for the others.
int window_event_index(int command) {
  switch (command) {
    case 2003: case 2060: case 2065: return VQWEV_RESIZED;
    case 2018: return VQWEV_FOCUS;
    case 2019: return VQWEV_UNFOCUS;
    case 2055: return VQWEV_MINIMISED;
    case 2056: return VQWEV_MENU;
    case 2061: return VQWEV_DROPPED;
    case 2062: return VQWEV_MOVED;
    case 2063: return VQWEV_ACTIVATED;
    case 2064: return VQWEV_DEACTIVATED;
    case 2066: return VQWEV_REPAINT;
    default: return -1;
  }
}

void close_request(vqWindow* window) {
  post(window->events[0]);
  const bool quit = window->quit_allowed != 0;
  if (window->close_allowed) vqwindow_close(window);
  if (quit) vqquit();
}

}  // namespace

int vqWindow::command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7, int a8) {
  vqWindow* window = static_cast<vqWindow*>(object);
  if (window == nullptr) return 0;
  if (command >= 8001 && command <= 8099) return vqwindow_child_request(window, command, a1, a2, a3, a4, a5, a6);
  if (!window->created) return 0;
  if (command >= 2004 && command <= 2015) return vqwindow_route_mouse(window, command, a1, a2);
  switch (command) {
    case 2001: close_request(window); return 0;
    case 2002: vqwindow_update_all(window); return 0;
    case 2016:
      post(a1);
      return pass_to_main(window, command, a1, a2, a3, a4, a5, a6, a7, a8);
    case 2017:
      post(a1 + 512);
      return pass_to_main(window, command, a1, a2, a3, a4, a5, a6, a7, a8);
    case 2067: case 2068: case 2069: case 2070: case 2082:
      vqpostevent(command);
      return 0;
    case 2071:
      if (a1 >= 1 && a1 <= 9) vqpostevent(2071 + a1);
      return 0;
    default: break;
  }
  int index = window_event_index(command);
  if (index < 0) return pass_to_main(window, command, a1, a2, a3, a4, a5, a6, a7, a8);
  post(window->window_events[index]);
  // The main panel keeps its own focus mark.
  if (command == 2018 || command == 2019) pass_to_main(window, command, a1, a2, a3, a4, a5, a6, a7, a8);
  return 0;
}
