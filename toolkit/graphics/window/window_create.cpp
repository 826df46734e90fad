// The platform window under a top-level window: its frame, its outer size
// worked out from the client size, and its position.
#include "window_internal.h"

vqwindow_frame vqwindow_frame_for(const vqWindow* window, const vqwindow_options& options, int w, int h) {
  vqwindow_frame frame{0, w, h};
  if (options.modal) frame.flags |= VQWIN_ONTOP;
  if (options.invisible) frame.flags |= VQWIN_HIDDEN;
  if (options.fullscreen) {
    frame.flags |= VQWIN_FULLSCREEN | VQWIN_POPUP;
    return frame;
  }
  const bool bare = options.popup || options.notitle;
  const bool titlebar = window->title[0] != 0 && !bare;
  const bool sizeable = options.resize && !bare;
  if (titlebar) frame.flags |= VQWIN_TITLE;
  if (sizeable) frame.flags |= VQWIN_RESIZABLE;
  if (bare) frame.flags |= VQWIN_POPUP;
  if (options.notitle) frame.flags |= VQWIN_TOOL;

  const int border = vqscreen_metric("windowbordersize");
  if (titlebar || sizeable) {
    frame.outer_w += 2 * border;
    frame.outer_h += 2 * border;
  }
  if (titlebar) frame.outer_h += vqscreen_metric("windowcaptionheight");
  // A fixed frame is one pixel thinner on each side than a sizeable one.
  if (titlebar && !sizeable) {
    frame.outer_w -= 2;
    frame.outer_h -= 2;
  }
  return frame;
}

bool vqwindow_create_platform(vqWindow* window, const vqwindow_options& options, int w, int h) {
  vqgeometry& g = window->layout;
  if (!options.x_given) {
    int wx, wy, ww, wh;
    vqplatform_work_area(&wx, &wy, &ww, &wh);
    g.x = wx;
    g.y = wy;
  }
  vqwindow_frame frame = vqwindow_frame_for(window, options, w, h);
  int handle = vqplatform_window_create(window->title, g.x, g.y, w, h, frame.flags, vqwindow_proc, window);
  if (handle == 0) return false;
  // Some desktops hand out another client size than asked for; the
  // toolkit's pixmap is exactly the requested one, so the window follows it.
  int cw = 0, ch = 0;
  if (!options.fullscreen && vqplatform_window_client_size(handle, &cw, &ch) && (cw != w || ch != h))
    vqplatform_window_move(handle, g.x, g.y, w, h);

  vqwindow_platform& p = window->platform;
  p.handle = handle;
  p.handler = vqWindow::command;
  p.object = window;
  p.x = g.x;
  p.y = g.y;
  p.outer_w = frame.outer_w;
  p.outer_h = frame.outer_h;
  return true;
}
