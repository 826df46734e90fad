// The main window's icon: the same art as the icon the installation puts
// into the desktop's icon theme, rendered by the build into a pixel table.
#include "game_desktop.h"
#include "game_screen.h"
#include "vqplatform.h"

#include <cstdint>

extern const int quorila_icon_width;
extern const int quorila_icon_height;
extern const uint32_t quorila_icon_pixels[];

void game_set_window_icon() {
  if (!main_window.created || main_window.platform.handle == 0) return;
  vqplatform_window_set_icon(main_window.platform.handle, quorila_icon_pixels, quorila_icon_width,
                             quorila_icon_height);
}
