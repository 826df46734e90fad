// Saves what a window shows on the screen, read back from the platform at
// client resolution, as a PNG file written by the toolkit's own writer.
#include "vqimagefile.h"
#include "window_internal.h"

#include <cstdio>

bool vqwindow_screenshot(vqWindow* window, const char* file) {
  if (window == nullptr || !window->created || file == nullptr) {
    std::printf("vqwindow_screenshot: no open window\n");
    return false;
  }
  vqpxmap shot;
  vqpxmap_init(&shot);
  shot.width = window->platform.pixmap.width;
  shot.height = window->platform.pixmap.height;
  shot.format = VQPX_TRUECOLOR;
  bool ok = vqpxmap_allocate(&shot) &&
            vqplatform_window_readback(window->platform.handle, vqpxmap_rgbpixels(&shot), shot.width, shot.height);
  if (!ok) std::printf("vqwindow_screenshot: the window cannot be read back\n");
  ok = ok && vqpxmap_savetofile_png(&shot, file);
  vqpxmap_free(&shot);
  return ok;
}
