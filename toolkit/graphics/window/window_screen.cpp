// What reaches the screen: the window pixmap is copied there only through
// the window's handler, and only once the program has started, so that a
// window shows all drawing done before its first wait at once.
#include "vqframe.h"
#include "window_internal.h"

#include <algorithm>

void vqwindow_copy_to_screen(vqWindow* window, int x, int y, int w, int h) {
  if (!window->created || !window->draw || window->batching || !vqframe_started()) return;
  const vqpxmap& pm = window->platform.pixmap;
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + w, pm.width), y1 = std::min(y + h, pm.height);
  const uint32_t* pixels = vqpxmap_rgbpixels(&pm);
  if (x1 <= x0 || y1 <= y0 || pixels == nullptr) return;
  vqplatform_window_present(window->platform.handle, pixels, pm.width, pm.width, pm.height, x0, y0, x1 - x0,
                            y1 - y0);
}

void vqwindow_update_all(vqWindow* window) {
  if (!window->created || !window->draw || !vqframe_started()) return;
  window->batching = 1;
  // Redraw-all reaches the panels and controls inside the main panel too,
  // which hold drawing of their own that has not been copied out yet; each
  // panel's refresh takes it off the deferred-refresh list.
  vqView* main = &window->panels[0];
  if (main->created) vqView::command(main, VQCMD_REDRAWALL, 0, 0, 0, 0, 0, 0, 0, 0);
  for (vqView* bar : {&window->menubar, &window->toolbar, &window->statusbar})
    if (bar->created) vqgraphic_refresh(bar);
  window->batching = 0;
  vqwindow_copy_to_screen(window, 0, 0, window->platform.pixmap.width, window->platform.pixmap.height);
}
