// The window's command handler: closing, keys and window events become
// event codes; mouse commands go to the child under the pointer; what the
// window does not handle itself goes on to its main panel.
#include "vqevent.h"
#include "vqframe.h"
#include "vqkeys.h"
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
    case VQCMD_SIZE: case VQCMD_MAXIMISED: case VQCMD_RESTORED: return VQWEV_RESIZED;
    case VQCMD_FOCUSIN: return VQWEV_FOCUS;
    case VQCMD_FOCUSOUT: return VQWEV_UNFOCUS;
    case VQCMD_MINIMISED: return VQWEV_MINIMISED;
    case VQCMD_MENU: return VQWEV_MENU;
    case VQCMD_DROPPED: return VQWEV_DROPPED;
    case VQCMD_MOVED: return VQWEV_MOVED;
    case VQCMD_ACTIVATED: return VQWEV_ACTIVATED;
    case VQCMD_DEACTIVATED: return VQWEV_DEACTIVATED;
    case VQCMD_REPAINT: return VQWEV_REPAINT;
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
  if (command >= VQCMD_ADDREGION && command <= VQCMD_REQUEST_LAST)
    return vqwindow_child_request(window, command, a1, a2, a3, a4, a5, a6);
  if (!window->created) return 0;
  if (command >= VQCMD_LEFTDOWN && command <= VQCMD_MOUSEMOVE) return vqwindow_route_mouse(window, command, a1, a2);
  switch (command) {
    case VQCMD_CLOSE: close_request(window); return 0;
    case VQCMD_PAINT: vqwindow_update_all(window); return 0;
    case VQCMD_KEYDOWN:
      post(a1);
      return pass_to_main(window, command, a1, a2, a3, a4, a5, a6, a7, a8);
    case VQCMD_KEYUP:
      post(a1 + VQKEY_RELEASED);
      return pass_to_main(window, command, a1, a2, a3, a4, a5, a6, a7, a8);
    case VQCMD_ASIS1: case VQCMD_ASIS2: case VQCMD_ASIS3: case VQCMD_ASIS4:
    case VQCMD_TASKBARCREATED:
      vqpostevent(command);
      return 0;
    case VQCMD_SESSIONCHANGE:
      if (a1 >= 1 && a1 <= 9) vqpostevent(VQCMD_SESSIONEVENT + a1 - 1);
      return 0;
    default: break;
  }
  int index = window_event_index(command);
  if (index < 0) return pass_to_main(window, command, a1, a2, a3, a4, a5, a6, a7, a8);
  post(window->window_events[index]);
  // The main panel keeps its own focus mark.
  if (command == VQCMD_FOCUSIN || command == VQCMD_FOCUSOUT) pass_to_main(window, command, a1, a2, a3, a4, a5, a6, a7, a8);
  return 0;
}
