// Screenshots: what the window shows, read back from the platform and
// written as PNG by the toolkit, read again by the platform's decoder.
#include "test_window_util.h"
#include "vqtarget.h"

#include <unistd.h>

#include <string>

namespace {

using WindowScreenshot = WindowTest;

TEST_F(WindowScreenshot, SavesWhatTheScreenShowsNotWhatIsStillToCome) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "shot,x=0,y=0,xs=37,ys=23,bgcolor=204060"));
  vqpoint(3, 4, 0xFF8000);
  vqrefresh();
  vqpoint(30, 20, 0x00FF00);   // drawn, but waiting for its deferred refresh
  std::string file = std::string(VQ_BINARY_DIR) + "/window_shot_" + std::to_string(getpid()) + ".png";
  ASSERT_TRUE(vqwindow_screenshot(&window, file.c_str()));

  int w = 0, h = 0;
  vqplatform_picture* picture = vqplatform_picture_open(file.c_str(), &w, &h);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(w, 37);
  EXPECT_EQ(h, 23);
  int differing = 0;
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++)
      differing += (vqplatform_picture_pixel(picture, x, y) & 0xFFFFFF) != shown_pixel(window, x, y);
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(vqplatform_picture_pixel(picture, 3, 4) & 0xFFFFFF, 0xFF8000u);
  EXPECT_EQ(vqplatform_picture_pixel(picture, 30, 20) & 0xFFFFFF, 0x204060u);
  vqplatform_picture_close(picture);
  std::remove(file.c_str());
}

TEST_F(WindowScreenshot, AClosedWindowHasNothingToSave) {
  vqWindow window;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqwindow_screenshot(&window, "/tmp/never.png"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "vqwindow_screenshot: no open window\n");
  EXPECT_NE(access("/tmp/never.png", F_OK), 0);
}

}  // namespace
