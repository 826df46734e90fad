// Closing a top-level window, and what the application reads of an open one.
#include "vqframe.h"
#include "vqtarget.h"
#include "window_internal.h"

vqWindow::~vqWindow() { vqwindow_close(this); }

void vqwindow_close(vqWindow* window) {
  if (window == nullptr || !window->created) return;
  // Cleared first: the panels unregister from the window while they go,
  // and nothing may reach the screen any more.
  window->created = 0;
  for (vqView& panel : window->panels) vqgraphic_destroy(&panel);
  vqgraphic_destroy(&window->toolbar);
  vqgraphic_destroy(&window->menubar);
  vqgraphic_destroy(&window->statusbar);

  vqwindow_platform& p = window->platform;
  if (window->captured_child >= 0) vqplatform_mouse_capture(p.handle, false);
  vqplatform_window_destroy(p.handle);
  p.handle = 0;
  vqpxmap_free(&p.pixmap);
  vqcontainer_remove(window);
  vqframe_forget_first_refresh(window);
  vqrefresh_forget(window);

  window->child_count = 0;
  window->captured_child = -1;
  window->hovered_child = -1;
  window->modifiers = 0;
  window->keypad_digits = 0;
  window->batching = 0;
  vqframe_window_closed();
}

int vqwindow_mousex(vqWindow* window) {
  return window != nullptr && window->created ? vqView::command(&window->panels[0], VQCMD_MOUSEX, 0, 0, 0, 0, 0, 0, 0, 0)
                                              : 0;
}

int vqwindow_mousey(vqWindow* window) {
  return window != nullptr && window->created ? vqView::command(&window->panels[0], VQCMD_MOUSEY, 0, 0, 0, 0, 0, 0, 0, 0)
                                              : 0;
}
