// The main window carries the game's icon: pixel for pixel the 64 x 64 PNG
// that the installation puts into the icon theme (both come from one SVG),
// with a see-through margin and an opaque balloon, from the moment the
// window shows.
#include "flow_player.h"
#include "vqheadless.h"
#include "vqplatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void check_icon(player& p) {
  int w = 0, h = 0;
  const std::vector<uint32_t>* icon = vqheadless_window_icon(main_window_handle(), &w, &h);
  if (icon == nullptr) return p.fail("the window has no icon");
  int png_w = 0, png_h = 0;
  const std::string png_file = std::string(VQ_BINARY_DIR) + "/icons/64x64/quorila.png";
  vqplatform_picture* png = vqplatform_picture_open(png_file.c_str(), &png_w, &png_h);
  if (png == nullptr) return p.fail("the build made no icons/64x64/quorila.png");
  if (w != png_w || h != png_h) {
    p.fail("icon " + std::to_string(w) + "x" + std::to_string(h) + ", the PNG " + std::to_string(png_w) + "x" +
           std::to_string(png_h));
  } else {
    int differ = 0;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((*icon)[static_cast<size_t>(y) * w + x] != vqplatform_picture_pixel(png, x, y)) ++differ;
    if (differ != 0) p.fail(std::to_string(differ) + " icon pixels differ from the PNG's");
    const uint32_t corner = (*icon)[0], centre = (*icon)[static_cast<size_t>(h / 2) * w + w / 2 + w / 8];
    if ((corner >> 24) != 0) p.fail("the icon's corner is not see-through");
    // The balloon: opaque, more red than blue (orange).
    if ((centre >> 24) != 0xFF || ((centre >> 16) & 0xFF) <= (centre & 0xFF)) p.fail("no orange balloon mid-icon");
  }
  vqplatform_picture_close(png);
}

TEST(WindowIcon, TheMainWindowShowsTheInstalledIconArt) {
  player p;
  p.probe = check_icon;
  p.script = {pause_ms(100), probe(), close_window()};
  run_scenario(&p, nullptr, 1700000000);
}

}  // namespace
