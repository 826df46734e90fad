// Loading pictures into the picture store: which file of the three names is
// taken, what "term" says, the size limits and their pause, pictures larger
// than the store, and the avatar chosen by the share of right answers.
#include "media_test_util.h"

#include "vqevent.h"
#include "vqheadless.h"

namespace {

// What the picture store holds at x, y, as a colour.
uint32_t stored_at(const picture_planes& p, int x, int y) { return vqrgb(p.red[x][y], p.green[x][y], p.blue[x][y]); }

using MediaPictures = MediaScreen;

TEST_F(MediaPictures, BackgroundFilesAreTriedInOrderWithTheirMessages) {
  struct file {
    const char* name;
    int w, h;
  };
  struct row {
    const char* what;
    std::vector<file> files;
    int number;
    bool loaded;
    int w, h;              // stored size afterwards
    const char* printed;   // exactly what "term" receives
    bool pauses;           // the ten-second hold after the size warning
  } rows[] = {
      {"bmp", {{"Bilder/videob_5.bmp", 30, 20}, {"Bilder/videob_5.png", 8, 8}}, 5, true, 30, 20,
       "\n TEST - bmp bld 5  30/20", false},
      {"jpg name before png", {{"Bilder/videob_7.jpg", 12, 9}, {"Bilder/videob_7.png", 8, 8}}, 7, true, 12, 9, "",
       false},
      {"png", {{"Bilder/videob_0.png", 4, 3}}, 0, true, 4, 3, "", false},
      {"none", {{"Bilder/videob_8.png", 4, 3}}, 9, false, 0, 0, "\n!!! NO Frame 9 !!!!", false},
      // BMP files are held to the store's 9000 x 6000, the others to 6000 x 4000.
      {"bmp 6500 wide", {{"Bilder/videob_3.bmp", 6500, 1}}, 3, true, 6500, 1, "\n TEST - bmp bld 3  6500/1", false},
      {"png 6500 wide", {{"Bilder/videob_3.png", 6500, 1}}, 3, true, 6500, 1,
       "\n WARNUNG Bild zu gro\xDF  6500/1  maximal erlaubt 6000/4000 Pixel", true},
      {"png 6000 wide", {{"Bilder/videob_3.png", 6000, 2}}, 3, true, 6000, 2, "", false},
      {"png 4001 high", {{"Bilder/videob_4.png", 1, 4001}}, 4, true, 1, 4001,
       "\n WARNUNG Bild zu gro\xDF  1/4001  maximal erlaubt 6000/4000 Pixel", true},
      {"bmp wider than the store", {{"Bilder/videob_6.bmp", 9001, 2}}, 6, true, 9000, 2,
       "\n TEST - bmp bld 6  9001/2\n WARNUNG Bild zu gro\xDF  9001/2  maximal erlaubt 6000/4000 Pixel", true},
      {"bmp higher than the store", {{"Bilder/videob_6.bmp", 2, 6001}}, 6, true, 2, 6000,
       "\n TEST - bmp bld 6  2/6001\n WARNUNG Bild zu gro\xDF  2/6001  maximal erlaubt 6000/4000 Pixel", true},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.what);
    std::filesystem::remove_all("Bilder");
    std::filesystem::create_directory("Bilder");
    // Each file of a row is told apart by its size and its colours.
    for (const file& f : r.files)
      ASSERT_TRUE(write_picture(f.name, f.w, f.h, [&](int x, int y) { return pattern_color(x + f.w, y); }));
    background_picture.width = background_picture.height = 0;
    game_io_term_clear();
    const uint64_t before = vqheadless_now();
    EXPECT_EQ(load_background(r.number), r.loaded);
    const uint64_t held = vqheadless_now() - before;
    EXPECT_EQ(game_io_term_text(), r.printed);
    EXPECT_EQ(background_picture.width, r.w);
    EXPECT_EQ(background_picture.height, r.h);
    if (r.pauses) {
      EXPECT_GE(held, 10000u);
      EXPECT_LT(held, 10100u);
    } else {
      EXPECT_LT(held, 100u);
    }
    // Every stored pixel is that of the file taken (the first of the row),
    // up to the store's edge.
    const int offset = r.files[0].w;
    int wrong = 0;
    for (int x = 0; x < r.w; ++x)
      for (int y = 0; y < r.h; ++y) wrong += stored_at(background_picture, x, y) != pattern_color(x + offset, y);
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(MediaPictures, AMissingPictureKeepsThePreviousOne) {
  ASSERT_TRUE(write_pattern("Bilder/videob_1.png", 20, 10));
  ASSERT_TRUE(load_background(1));
  EXPECT_FALSE(load_background(2));
  EXPECT_EQ(background_picture.width, 20);
  EXPECT_EQ(background_picture.height, 10);
  EXPECT_EQ(stored_at(background_picture, 19, 9), pattern_color(19, 9));
}

TEST_F(MediaPictures, TheStoreIsColumnMajorInBlocksOfNineThousandColumns) {
  for (const picture_planes* p : {&background_picture, &avatar_picture}) {
    EXPECT_EQ(p->red[1] - p->red[0], 6000);
    EXPECT_EQ(p->green[8999] - p->green[0], 6000 * 8999);
    EXPECT_EQ(p->blue[4500] - p->blue[0], 6000 * 4500);
  }
  // Six planes of their own, none overlapping another.
  const uint8_t* starts[] = {background_picture.red[0], background_picture.green[0], background_picture.blue[0],
                             avatar_picture.red[0],     avatar_picture.green[0],     avatar_picture.blue[0]};
  for (const uint8_t* a : starts)
    for (const uint8_t* b : starts)
      if (a != b) {
        EXPECT_TRUE(a + 54000000 <= b || b + 54000000 <= a);
      }
}

TEST_F(MediaPictures, TheAvatarNumberFollowsTheShareOfRightAnswers) {
  const struct {
    double ratio;
    int number;
  } rows[] = {{0.0, 1}, {1.0 / 12, 8}, {4.0 / 12, 33}, {0.5, 50}, {11.0 / 12, 91}, {1.0, 100}};
  for (const auto& r : rows) {
    game_io_term_clear();
    show_avatar(r.ratio);
    EXPECT_EQ(game_io_term_text(), "\n!!! NO Frame avatar " + std::to_string(r.number) + " !!!!") << r.ratio;
  }
  // The first of the three names that opens is the one drawn.
  ASSERT_TRUE(write_picture("avatar/videob_50.jpg", 3, 2, [](int, int) { return vqrgb(9, 8, 7); }));
  ASSERT_TRUE(write_picture("avatar/videob_50.png", 3, 2, [](int, int) { return vqrgb(1, 2, 3); }));
  game_io_term_clear();
  show_avatar(0.5);
  EXPECT_EQ(game_io_term_text(), "");
  EXPECT_EQ(pixel_of(avatar_panel, 2, 1), vqrgb(9, 8, 7));
  EXPECT_EQ(vqtarget_current(), &main_panel);
}

TEST_F(MediaPictures, TheAvatarIsDrawnOneToOneAndClippedByItsPanel) {
  ASSERT_TRUE(write_pattern("avatar/videob_8.bmp", 200, 300));
  show_avatar(1.0 / 12);
  EXPECT_EQ(game_io_term_text(), "");
  EXPECT_EQ(avatar_picture.width, 200);
  int wrong = 0;
  for (int y = 0; y < 162; ++y)
    for (int x = 0; x < 132; ++x) wrong += pixel_of(avatar_panel, x, y) != pattern_color(x, y);
  EXPECT_EQ(wrong, 0);
  // Nothing of it reached the main panel or the screen beside the avatar panel.
  EXPECT_EQ(pixel_of(main_panel, 0, 0), 0xFFFFFFu);
  vqpollevent();
  EXPECT_EQ(vqheadless_pixel(main_window.platform.handle, 1160 + 131, 7 + 161), pattern_color(131, 161));
  EXPECT_EQ(vqheadless_pixel(main_window.platform.handle, 1160 + 132, 7 + 100), 0xE0E0E0u);

  // A missing avatar leaves the previous one standing, drawn again.
  vqgraphic_select(&avatar_panel);
  vqfillrect(0, 0, 132, 162, 0);
  show_avatar(0.5);
  EXPECT_EQ(game_io_term_text(), "\n!!! NO Frame avatar 50 !!!!");
  EXPECT_EQ(pixel_of(avatar_panel, 131, 161), pattern_color(131, 161));
}

}  // namespace
