// What the picture, sound and score tests share: the main screen's window
// and its six panels made as the game makes them, in a temporary working
// folder for the picture files a test writes.
#pragma once

#include "game_io.h"
#include "game_screen.h"
#include "picture_store.h"
#include "picture_write_util.h"
#include "vqcolor.h"
#include "vqevent.h"
#include "vqfont.h"
#include "vqheadless.h"
#include "vqimagefile.h"
#include "vqplatform.h"
#include "vqtarget.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

// Red and green tell where a pixel lies, so a test sees which source pixel a
// drawing took; blue is not linear in either, so that an average of a block
// differs from its first pixel.
inline uint32_t pattern_color(int x, int y) { return vqrgb(x, y, (x * 7) ^ (y * 13)); }

inline uint32_t pixel_of(const vqView& panel, int x, int y) {
  return static_cast<uint32_t>(vqpxmap_getpixel(&panel.pixmap, x, y)) & 0xFFFFFFu;
}

class MediaScreen : public testing::Test {
 protected:
  std::filesystem::path home, folder;

  void SetUp() override {
    setenv("VQ_PLATFORM", "headless", 0);
    ASSERT_TRUE(vqplatform_start());
    vqfont_register_builtins();
    build_picture_store();
    ASSERT_TRUE(picture_store_ready());
    background_picture.width = background_picture.height = avatar_picture.width = avatar_picture.height = 0;
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
    ASSERT_TRUE(vqgraphic_create(&main_panel, "x=10,y=200,xs=1280,ys=710,backgroundcolor=white"));
    ASSERT_TRUE(vqgraphic_create(&progress_panel, "x=630,y=7,xs=515,ys=24,backgroundcolor=white"));
    ASSERT_TRUE(vqgraphic_create(&avatar_panel, "x=1160,y=7,xs=132,ys=162,backgroundcolor=white"));
    ASSERT_TRUE(vqgraphic_create(&time_panel, "x=950,y=40,xs=196,ys=24,backgroundcolor=white"));
    ASSERT_TRUE(vqgraphic_create(&right_panel, "x=950,y=70,xs=196,ys=24,backgroundcolor=white"));
    ASSERT_TRUE(vqgraphic_create(&wrong_panel, "x=950,y=100,xs=196,ys=24,backgroundcolor=white"));
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
