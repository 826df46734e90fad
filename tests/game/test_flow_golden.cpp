// The screen during the first task of a seeded quiz at level 1, difficulty
// 1, pixel for pixel against the committed picture golden/first_task.png
// (VQ_GOLDEN_UPDATE=1 writes it anew; a difference leaves the screen and a
// difference picture in the build folder and names the first pixel). The
// task line is in the system font "Courier New,points=20,bold": the test
// program draws with the tree's fonts (tree_fonts.h), not the machine's.
#include "flow_checks.h"
#include "game_screen.h"
#include "golden_test_util.h"
#include "tree_fonts.h"
#include "vqheadless.h"
#include "vqimagefile.h"
#include "vqpicture.h"
#include "vqpxmap.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int64_t calendar = 1700000000;

// Pictures for every number: a landscape for the backgrounds and a face
// for the avatars, so that the screen shows what a player would see.
void write_scene_picture(const char* file, int w, int h, uint32_t (*color)(int, int, int, int)) {
  write_picture(file, w, h, [&](int x, int y) { return color(x, y, w, h); });
}

uint32_t landscape(int x, int y, int w, int h) {
  const int horizon = h * 3 / 5;
  const int hill = horizon - static_cast<int>(h / 8.0 * (1 + std::sin(x * 6.28 / w * 2)));
  const int dx = x - w * 3 / 4, dy = y - h / 5;
  if (y < hill && dx * dx + dy * dy < (h / 10) * (h / 10)) return 0xFFD040;
  if (y < hill) return static_cast<uint32_t>(90 + 100 * y / hill) << 16 | static_cast<uint32_t>(150 + 80 * y / hill) << 8 | 255u;
  const int depth = 100 * (y - hill) / (h - hill);
  return static_cast<uint32_t>(60 + depth) << 16 | static_cast<uint32_t>(170 - depth / 2) << 8 | 40u;
}

uint32_t face(int x, int y, int w, int h) {
  const int dx = x - w / 2, dy = y - h / 2;
  if (dx * dx * 4 + dy * dy * 3 > w * w) return 0x4060A0;
  if ((dy + 20) * (dy + 20) + (dx - 22) * (dx - 22) < 64 || (dy + 20) * (dy + 20) + (dx + 22) * (dx + 22) < 64)
    return 0x202020;
  if (dy > 25 && dy < 32 && dx > -30 && dx < 30) return 0xB03030;
  return 0xF0C8A0;
}

void furnish() {
  write_scene_picture("Bilder/videob_0.bmp", 1920, 1080, landscape);
  write_scene_picture("avatar/videob_1.bmp", 132, 162, face);
  for (int n = 1; n <= 100; ++n) {
    std::string name = "videob_" + std::to_string(n) + ".bmp";
    symlink("videob_0.bmp", ("Bilder/" + name).c_str());
    if (n > 1) symlink("videob_1.bmp", ("avatar/" + name).c_str());
  }
}

void compare_with_golden(player& p) {
  // What the window shows, also as the toolkit's own screenshot to look at.
  vqwindow_screenshot(&main_window, (std::string(VQ_BINARY_DIR) + "/first_task.screenshot.png").c_str());
  const std::vector<uint32_t>* pixels = vqheadless_screen(main_window_handle());
  if (pixels == nullptr) {
    p.fail("no window to look at");
    return;
  }
  const testing::AssertionResult same =
      golden_compare("game", "first_task", pixels->data(), main_window.layout.width, main_window.layout.height);
  if (!same) p.fail(same.message());
}

TEST(FlowGolden, TheFirstTaskOfASeededQuiz) {
  ASSERT_TRUE(tree_fonts_in_use);
  ASSERT_TRUE(std::filesystem::exists("/usr/share/fonts/truetype/liberation/LiberationMono-Bold.ttf"))
      << "the golden scene is drawn with the Liberation fonts (fonts-liberation)";
  player p;
  step first = answer_only(answer_kind::none);
  first.delay_ms = 500;   // the deferred refresh has shown everything
  p.script = {ready(), start(), first, probe(), close_window()};
  p.probe = compare_with_golden;
  run_scenario(&p, nullptr, calendar, furnish);
}

}  // namespace
