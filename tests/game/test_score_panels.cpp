// The progress, time, right and wrong panels: labels, the bars' lengths by
// the counts, and the time panel's green bar and time over.
#include "media_test_util.h"

#include "game_state.h"

namespace {

// How far a bar of colour c reaches from the left edge, read in the bottom
// row, which no label text touches.
int bar_length(const vqView& panel, uint32_t c) {
  int x = 0;
  while (x < panel.pixmap.width && pixel_of(panel, x, 23) == c) ++x;
  return x;
}

// Black text pixels.
int ink(const vqView& panel) {
  int n = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < panel.pixmap.width; ++x) n += pixel_of(panel, x, y) == 0;
  return n;
}

using ScorePanels = MediaScreen;

TEST_F(ScorePanels, LabelsFillEachPanelAndWipeTheBars) {
  update_time_panel(10, 5);
  game_task_total = game_right_count = 2;
  update_bars(2);
  draw_panel_labels();
  const uint32_t grey = vqrgb(240, 240, 255);
  for (const auto& [panel, width, background] : {std::tuple{&progress_panel, 515, vqrgb(250, 250, 255)},
                                                 {&time_panel, 196, grey}, {&right_panel, 196, grey},
                                                 {&wrong_panel, 196, grey}}) {
    EXPECT_EQ(bar_length(*panel, background), width);
    EXPECT_GT(ink(*panel), 20);
    // The text starts at (10, 5).
    for (int y = 0; y < 24; ++y) EXPECT_EQ(pixel_of(*panel, 9, y), background);
    for (int x = 0; x < width; ++x) EXPECT_EQ(pixel_of(*panel, x, 4), background);
  }
  EXPECT_EQ(vqtarget_current(), &main_panel);
}

TEST_F(ScorePanels, BarLengthsFollowTheCounts) {
  const struct {
    int n, right, wrong, t, right_px, wrong_px, progress_px;
  } rows[] = {
      {12, 2, 1, 3, 32, 16, 128},     // 32.67, 16.33, 128.75
      {24, 24, 0, 24, 196, 0, 515},   // the last task fills the progress panel
      {7, 1, 5, 6, 28, 140, 441},     // 441.43
      {2, 0, 1, 1, 0, 98, 257},       // 257.5
  };
  for (const auto& r : rows) {
    draw_panel_labels();
    game_task_total = r.n;
    game_right_count = r.right;
    game_wrong_count = r.wrong;
    update_bars(r.t);
    EXPECT_EQ(bar_length(right_panel, vqrgb(100, 255, 100)), r.right_px) << r.n;
    EXPECT_EQ(bar_length(wrong_panel, vqrgb(255, 100, 0)), r.wrong_px) << r.n;
    EXPECT_EQ(bar_length(progress_panel, vqrgb(0, 0, 255)), r.progress_px) << r.n;
  }
}

TEST_F(ScorePanels, TheTimeBarGrowsWithTheElapsedSecondsAndTurnsRedWhenTimeIsOver) {
  const uint32_t green = vqrgb(0, 100, 0);
  for (const auto& [elapsed, budget, length] : {std::tuple{0, 100, 0}, {1, 3, 65}, {50, 100, 98}, {100, 100, 196}}) {
    draw_panel_labels();
    update_time_panel(elapsed, budget);
    EXPECT_EQ(bar_length(time_panel, green), length) << elapsed << " of " << budget;
  }
  // A bar only ever grows within a quiz; one second over the budget turns
  // the whole panel red, with the black text.
  draw_panel_labels();
  update_time_panel(50, 100);
  update_time_panel(20, 100);
  EXPECT_EQ(bar_length(time_panel, green), 98);
  const int label_ink = ink(time_panel);
  update_time_panel(101, 100);
  EXPECT_EQ(bar_length(time_panel, vqrgb(200, 0, 0)), 196);
  EXPECT_GT(ink(time_panel), label_ink);
  EXPECT_EQ(vqtarget_current(), &main_panel);
}

}  // namespace
