// Loading pictures into the picture store: which of the three names is
// taken, what "term" says, the size limits and their hold, pictures larger
// than the store, and the avatar chosen by the share of right answers.
#include "media_test_util.h"

#include <vector>

namespace {

uint32_t stored_at(const picture_planes& p, int x, int y) { return vqrgb(p.red[x][y], p.green[x][y], p.blue[x][y]); }

std::string warning(const char* size) {
  return std::string("\n WARNUNG Bild zu gro\xDF  ") + size + "  maximal erlaubt 6000/4000 Pixel";
}

using MediaPictures = MediaScreen;

TEST_F(MediaPictures, BackgroundFilesAreTriedInOrderWithTheirMessagesAndLimits) {
  struct row {
    std::vector<std::pair<std::string, int>> files;   // name and width; the first is the one taken
    int number, h;                                     // h: the height of every file
    int stored_w, stored_h;
    std::string printed;
  } rows[] = {
      {{{"Bilder/videob_5.bmp", 30}, {"Bilder/videob_5.png", 8}}, 5, 20, 30, 20, "\n TEST - bmp bld 5  30/20"},
      {{{"Bilder/videob_7.jpg", 12}, {"Bilder/videob_7.png", 8}}, 7, 9, 12, 9, ""},
      {{{"Bilder/videob_0.png", 6000}}, 0, 2, 6000, 2, ""},
      // BMP files are held to the store's 9000 x 6000, the others to 6000 x 4000.
      {{{"Bilder/videob_3.bmp", 6500}}, 3, 1, 6500, 1, "\n TEST - bmp bld 3  6500/1"},
      {{{"Bilder/videob_3.png", 6500}}, 3, 1, 6500, 1, warning("6500/1")},
      {{{"Bilder/videob_4.png", 1}}, 4, 4001, 1, 4001, warning("1/4001")},
      {{{"Bilder/videob_6.bmp", 9001}}, 6, 2, 9000, 2, "\n TEST - bmp bld 6  9001/2" + warning("9001/2")},
      {{{"Bilder/videob_6.bmp", 2}}, 6, 6001, 2, 6000, "\n TEST - bmp bld 6  2/6001" + warning("2/6001")},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.files[0].first + " " + std::to_string(r.files[0].second) + "/" + std::to_string(r.h));
    std::filesystem::remove_all("Bilder");
    std::filesystem::create_directory("Bilder");
    // The files of a row differ in size and colours.
    for (const auto& [name, w] : r.files)
      ASSERT_TRUE(write_picture(name, w, r.h, [w = w](int x, int y) { return pattern_color(x + w, y); }));
    game_io_term_clear();
    const uint64_t before = vqheadless_now();
    EXPECT_TRUE(load_background(r.number));
    const uint64_t held = vqheadless_now() - before;
    EXPECT_EQ(game_io_term_text(), r.printed);
    const bool warned = r.printed.find("WARNUNG") != std::string::npos;
    EXPECT_TRUE(warned ? held >= 10000 && held < 10100 : held < 100) << held << " ms";
    EXPECT_EQ(background_picture.width, r.stored_w);
    EXPECT_EQ(background_picture.height, r.stored_h);
    int wrong = 0;
    for (int x = 0; x < r.stored_w; ++x)
      for (int y = 0; y < r.stored_h; ++y) wrong += stored_at(background_picture, x, y) != pattern_color(x + r.files[0].second, y);
    EXPECT_EQ(wrong, 0);
  }
  // No file at all: the message, and the previous picture stays.
  game_io_term_clear();
  EXPECT_FALSE(load_background(9));
  EXPECT_EQ(game_io_term_text(), "\n!!! NO Frame 9 !!!!");
  EXPECT_EQ(background_picture.height, 6000);
  EXPECT_EQ(stored_at(background_picture, 1, 5999), pattern_color(3, 5999));
}

TEST_F(MediaPictures, TheAvatarFollowsTheShareOfRightAnswersAndIsDrawnOneToOne) {
  const struct {
    double ratio;
    int number;
  } rows[] = {{0.0, 1}, {1.0 / 12, 8}, {4.0 / 12, 33}, {11.0 / 12, 91}, {1.0, 100}};
  for (const auto& r : rows) {
    game_io_term_clear();
    show_avatar(r.ratio);
    EXPECT_EQ(game_io_term_text(), "\n!!! NO Frame avatar " + std::to_string(r.number) + " !!!!") << r.ratio;
  }
  // The first name that opens is taken; a picture larger than the panel is
  // cut by it, and nothing of it reaches the screen beside the panel.
  ASSERT_TRUE(write_picture("avatar/videob_8.jpg", 200, 300, pattern_color));
  ASSERT_TRUE(write_picture("avatar/videob_8.png", 3, 2, [](int, int) { return 0x010203u; }));
  game_io_term_clear();
  show_avatar(1.0 / 12);
  EXPECT_EQ(game_io_term_text(), "");
  EXPECT_EQ(vqtarget_current(), &main_panel);
  int wrong = 0;
  for (int y = 0; y < 162; ++y)
    for (int x = 0; x < 132; ++x) wrong += pixel_of(avatar_panel, x, y) != pattern_color(x, y);
  EXPECT_EQ(wrong, 0);
  vqpollevent();
  EXPECT_EQ(vqheadless_pixel(main_window.platform.handle, 1160 + 131, 7 + 161), pattern_color(131, 161));
  EXPECT_EQ(vqheadless_pixel(main_window.platform.handle, 1160 + 132, 7 + 161), 0xE0E0E0u);
  EXPECT_EQ(pixel_of(main_panel, 0, 0), 0xFFFFFFu);
  // A missing avatar leaves the previous one, drawn again.
  vqgraphic_select(&avatar_panel);
  vqfillrect(0, 0, 132, 162, 0);
  show_avatar(0.5);
  EXPECT_EQ(game_io_term_text(), "\n!!! NO Frame avatar 50 !!!!");
  EXPECT_EQ(pixel_of(avatar_panel, 131, 161), pattern_color(131, 161));
}

}  // namespace
