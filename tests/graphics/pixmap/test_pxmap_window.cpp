// Pixmaps on a window (screen format and mirroring), duplicates and
// background snapshots. Windows are the headless back end's, whose pixels
// the tests read back.
#include "test_pxmap_util.h"
#include "vqheadless.h"
#include "vqplatform.h"

#include <cstdlib>

namespace {

class PixmapWindow : public testing::Test {
 protected:
  void SetUp() override {
    setenv("VQ_PLATFORM", "headless", 0);
    ASSERT_TRUE(vqplatform_start());
    ASSERT_TRUE(vqplatform_is_headless());
    window = vqplatform_window_create("pixmap", 0, 0, 8, 6, VQWIN_TITLE, nullptr, nullptr);
    ASSERT_GT(window, 0);
  }
  void TearDown() override { vqplatform_window_destroy(window); }
  int presents() {
    vqheadless_window_info info{};
    EXPECT_TRUE(vqheadless_window(window, &info));
    return info.presents;
  }
  int window = 0;
};

TEST_F(PixmapWindow, ScreenPixmapShowsEveryChangeAtOnce) {
  TestPixmap p(8, 6, VQPX_SCREEN);
  vqpxmap_attach_window(&p.pm, window);
  ASSERT_TRUE(vqpxmap_clear(&p.pm, 0x203040));
  EXPECT_EQ(vqheadless_pixel(window, 7, 5), 0x203040u);
  vqpxmap_setpixel(&p.pm, 2, 3, 0xFF0000);
  EXPECT_EQ(vqheadless_pixel(window, 2, 3), 0xFF0000u);
  vqpxmap_fillrect(&p.pm, 6, 4, 10, 10, 0x00FF00);
  EXPECT_EQ(vqheadless_pixel(window, 7, 5), 0x00FF00u);
  EXPECT_EQ(vqheadless_pixel(window, 5, 5), 0x203040u);
  EXPECT_EQ(p.at(6, 4), 0x00FF00);  // the back buffer reads back too

  int before = presents();
  int xs[] = {0, 1, 7, 40};
  int ys[] = {0, 1, 0, 0};
  vqpxmap_setpoints(&p.pm, 4, xs, ys, 0x0000FF);
  EXPECT_EQ(presents(), before + 1);  // the whole list in one presentation
  EXPECT_EQ(vqheadless_pixel(window, 1, 1), 0x0000FFu);
  EXPECT_EQ(vqheadless_pixel(window, 7, 0), 0x0000FFu);

  TestPixmap src(3, 2, VQPX_TRUECOLOR);
  vqpxmap_clear(&src.pm, 0x999999);
  ASSERT_TRUE(vqpxmap_merge(&p.pm, &src.pm, 6, 5, 0, 0, 0, 0, 0, 0));
  EXPECT_EQ(vqheadless_pixel(window, 6, 5), 0x999999u);
  EXPECT_EQ(vqheadless_pixel(window, 7, 5), 0x999999u);
  EXPECT_EQ(vqheadless_pixel(window, 5, 5), 0x203040u);
}

TEST_F(PixmapWindow, ConvertToScreenDrawsOnTheGivenWindow) {
  TestPixmap p(4, 4, VQPX_TRUECOLOR);
  ASSERT_TRUE(vqpxmap_convert(&p.pm, VQPX_SCREEN, -1));
  ASSERT_TRUE(vqpxmap_convert2screen(&p.pm, window));
  vqpxmap_setpixel(&p.pm, 3, 3, 0x123456);
  EXPECT_EQ(vqheadless_pixel(window, 3, 3), 0x123456u);
}

TEST_F(PixmapWindow, MirroredPalettePixmapIsShownThroughItsPalette) {
  TestPixmap p(8, 6, VQPX_PALETTE8);
  vqpxmap_attach_window(&p.pm, window);
  vqpxmap_clear(&p.pm, 3);
  EXPECT_EQ(vqheadless_pixel(window, 0, 0), 0u);  // not mirrored yet
  p->mirror_to_window = true;
  vqpxmap_fillrect(&p.pm, 1, 2, 2, 2, 12);
  EXPECT_EQ(vqheadless_pixel(window, 2, 3), 0xFF0000u);
  EXPECT_EQ(vqheadless_pixel(window, 0, 0), 0u);
  vqpxmap_present(&p.pm, 0, 0, 100, 100);
  EXPECT_EQ(vqheadless_pixel(window, 0, 0), 0x008080u);
  EXPECT_EQ(vqheadless_pixel(window, 7, 5), 0x008080u);
}

TEST_F(PixmapWindow, SnapshotRestoresWhatLayUnderACursor) {
  TestPixmap p(8, 6, VQPX_SCREEN);
  vqpxmap_attach_window(&p.pm, window);
  for (int y = 0; y < 6; y++)
    for (int x = 0; x < 8; x++) vqpxmap_setpixel(&p.pm, x, y, 0x010000 * x + y);
  vqpxmap_snapshot snap;
  ASSERT_TRUE(vqpxmap_snapshot_save(&snap, &p.pm, 5, 3, 6, 6));  // cut to 3 x 3
  EXPECT_EQ(snap.saved.width, 3);
  EXPECT_EQ(snap.saved.height, 3);
  vqpxmap_fillrect(&p.pm, 4, 2, 4, 4, 0xFFFFFF);
  EXPECT_EQ(vqheadless_pixel(window, 6, 4), 0xFFFFFFu);
  ASSERT_TRUE(vqpxmap_snapshot_restore(&snap));
  EXPECT_EQ(vqheadless_pixel(window, 6, 4), 0x060004u);
  EXPECT_EQ(vqheadless_pixel(window, 5, 3), 0x050003u);
  EXPECT_EQ(vqheadless_pixel(window, 4, 2), 0xFFFFFFu);  // outside the saved part
  uint8_t* kept = snap.saved.data;
  ASSERT_TRUE(vqpxmap_snapshot_save(&snap, &p.pm, 0, 0, 3, 3));
  EXPECT_EQ(snap.saved.data, kept);  // same size: storage reused
  vqpxmap_snapshot_free(&snap);
  EXPECT_EQ(snap.saved.data, nullptr);
  EXPECT_FALSE(vqpxmap_snapshot_restore(&snap));
}

TEST(PixmapSnapshot, PalettePixmapKeepsIndexesExactlyIncludingTransparent) {
  TestPixmap p(4, 4, VQPX_PALETTE8);
  vqpxmap_setpixel(&p.pm, 1, 1, 255);
  vqpxmap_setpixel(&p.pm, 2, 1, 9);
  vqpxmap_snapshot snap;
  ASSERT_TRUE(vqpxmap_snapshot_save(&snap, &p.pm, 1, 1, 2, 1));
  vqpxmap_clear(&p.pm, 4);
  ASSERT_TRUE(vqpxmap_snapshot_restore(&snap));
  EXPECT_EQ(p.at(1, 1), 255);
  EXPECT_EQ(p.at(2, 1), 9);
  EXPECT_EQ(p.at(3, 1), 4);
  vqpxmap_snapshot_free(&snap);
}

TEST(PixmapDuplicate, RectangleAndPaletteAreCopied) {
  TestPixmap src(5, 4, VQPX_PALETTE8);
  for (int y = 0; y < 4; y++)
    for (int x = 0; x < 5; x++) vqpxmap_setpixel(&src.pm, x, y, 10 * y + x);
  vqpxmap_setpalette(&src.pm, 77, 0xABCDEF);
  TestPixmap out;
  ASSERT_TRUE(vqpxmap_duplicate(&out.pm, &src.pm, 2, 1, 2, -1));
  EXPECT_EQ(out->format, VQPX_PALETTE8);
  EXPECT_EQ(out->width, 2);
  EXPECT_EQ(out->height, 3);
  EXPECT_EQ(out.at(0, 0), 12);
  EXPECT_EQ(out.at(1, 2), 33);
  EXPECT_EQ(out->palette[77], 0xABCDEFu);
  EXPECT_NE(out->palette, src->palette);

  TestPixmap whole;
  ASSERT_TRUE(vqpxmap_duplicate(&whole.pm, &src.pm, -1, -1, -1, -1));
  EXPECT_EQ(whole->width, 5);
  EXPECT_EQ(whole->height, 4);
  EXPECT_EQ(whole.at(4, 3), 34);

  TestPixmap cut;
  ASSERT_TRUE(vqpxmap_duplicate(&cut.pm, &src.pm, 3, 3, 100, 100));
  EXPECT_EQ(cut->width, 2);
  EXPECT_EQ(cut->height, 1);
  EXPECT_EQ(cut.at(1, 0), 34);
}

TEST(PixmapDuplicate, RefusesScreenAndUnknownFormatsAndAFilledTarget) {
  TestPixmap screen(2, 2, VQPX_SCREEN), full(2, 2, VQPX_TRUECOLOR), src(2, 2, VQPX_TRUECOLOR);
  vqpxmap bad;
  vqpxmap_init(&bad);
  bad.format = 7;
  TestPixmap out;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_duplicate(&out.pm, &screen.pm, 0, 0, -1, -1));
  EXPECT_FALSE(vqpxmap_duplicate(&out.pm, &bad, 0, 0, -1, -1));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_duplicate: wrong format\nvqpxmap_duplicate: wrong format\n");
  uint8_t* before = full->data;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_duplicate(&full.pm, &src.pm, 0, 0, -1, -1));
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(full->data, before);
}

}  // namespace
