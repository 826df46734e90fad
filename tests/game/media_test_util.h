// What the picture, sound and score tests share: the main screen's window
// and its six panels made the way the game makes them, inside a temporary
// working folder that holds the picture files a test writes.
#pragma once

#include "game_io.h"
#include "game_screen.h"
#include "picture_store.h"
#include "vqcolor.h"
#include "vqevent.h"
#include "vqfont.h"
#include "vqheadless.h"
#include "vqimagefile.h"
#include "vqplatform.h"
#include "vqtarget.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

// A picture whose every pixel tells where it lies (up to 4095 x 4095 apart),
// so that a test sees which source pixel a drawing took.
inline uint32_t pattern_color(int x, int y) {
  return vqrgb(x & 255, y & 255, ((x >> 8) & 15) << 4 | ((y >> 8) & 15));
}

// Writes a w x h picture as BMP or PNG (by the name's extension) with the
// toolkit's own writers; color(x, y) gives each pixel.
template <typename F>
bool write_picture(const std::string& file, int w, int h, F color) {
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = w;
  pm.height = h;
  pm.format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(&pm)) return false;
  uint32_t* pixels = vqpxmap_rgbpixels(&pm);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) pixels[static_cast<size_t>(y) * w + x] = color(x, y);
  const bool ok = file.size() > 4 && file.substr(file.size() - 4) == ".png"
                      ? vqpxmap_savetofile_png(&pm, file.c_str())
                      : vqpxmap_savetofile_bmp(&pm, file.c_str());
  vqpxmap_free(&pm);
  return ok;
}

inline bool write_pattern(const std::string& file, int w, int h) { return write_picture(file, w, h, pattern_color); }

inline uint32_t pixel_of(const vqView& panel, int x, int y) {
  return static_cast<uint32_t>(vqpxmap_getpixel(&panel.pixmap, x, y)) & 0xFFFFFFu;
}

class MediaScreen : public testing::Test {
 protected:
  std::filesystem::path home;
  std::filesystem::path folder;

  void SetUp() override {
    setenv("VQ_PLATFORM", "headless", 0);
    ASSERT_TRUE(vqplatform_start());
    vqfont_register_builtins();
    build_picture_store();
    ASSERT_TRUE(picture_store_ready());
    background_picture.width = background_picture.height = 0;
    avatar_picture.width = avatar_picture.height = 0;

    home = std::filesystem::current_path();
    char name[] = "/tmp/quorila-media-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder = name;
    std::filesystem::create_directories(folder / "Bilder");
    std::filesystem::create_directories(folder / "avatar");
    std::filesystem::current_path(folder);

    vqheadless_set_screen_size(1920, 1080);
    ASSERT_TRUE(vqwindow_open(&main_window, "media,x=0,y=0,xs=1305,ys=915,bgcolor=e0e0e0"));
    vqgraphic_select(&main_window.panels[0]);
    const struct {
      vqView* panel;
      const char* options;
    } panels[] = {{&main_panel, "x=10,y=200,xs=1280,ys=710,backgroundcolor=white"},
                  {&progress_panel, "x=630,y=7,xs=515,ys=24,backgroundcolor=white"},
                  {&avatar_panel, "x=1160,y=7,xs=132,ys=162,backgroundcolor=white"},
                  {&time_panel, "x=950,y=40,xs=196,ys=24,backgroundcolor=white"},
                  {&right_panel, "x=950,y=70,xs=196,ys=24,backgroundcolor=white"},
                  {&wrong_panel, "x=950,y=100,xs=196,ys=24,backgroundcolor=white"}};
    for (const auto& p : panels) ASSERT_TRUE(vqgraphic_create(p.panel, "%s", p.options));
    picture_area_width = 1280;
    picture_area_height = 720;
    vqgraphic_select(&main_panel);
    vqpollevent();   // the program has started: refreshes reach the screen
    game_io_term_clear();
    vqheadless_clear_records();
  }

  void TearDown() override {
    for (vqView* p : {&main_panel, &progress_panel, &avatar_panel, &time_panel, &right_panel, &wrong_panel})
      vqgraphic_destroy(p);
    vqwindow_close(&main_window);
    std::filesystem::current_path(home);
    std::filesystem::remove_all(folder);
  }
};
