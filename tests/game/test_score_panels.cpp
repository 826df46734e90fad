// The progress, time, right and wrong panels: their labels, the bars'
// lengths by the counts, and the time panel's green bar and time over.
#include "media_test_util.h"

#include "game_state.h"

namespace {

const uint32_t label_grey = vqrgb(240, 240, 255);
const uint32_t label_blue = vqrgb(250, 250, 255);
const uint32_t progress_blue = vqrgb(0, 0, 255);
const uint32_t time_green = vqrgb(0, 100, 0);
const uint32_t time_red = vqrgb(200, 0, 0);
const uint32_t right_green = vqrgb(100, 255, 100);
const uint32_t wrong_orange = vqrgb(255, 100, 0);

// How far a bar of colour c reaches from the left edge, read in the bottom
// row, which no label text touches.
int bar_length(const vqView& panel, uint32_t c) {
  int x = 0;
  while (x < panel.pixmap.width && pixel_of(panel, x, 23) == c) ++x;
  return x;
}

// Black text pixels of the panel.
int ink(const vqView& panel) {
  int n = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < panel.pixmap.width; ++x) n += pixel_of(panel, x, y) == 0;
  return n;
}

class ScorePanels : public MediaScreen {
 protected:
  void SetUp() override {
    MediaScreen::SetUp();
    draw_panel_labels();
  }
};

TEST_F(ScorePanels, LabelsFillEachPanelAndWipeTheBars) {
  update_time_panel(10, 5);
  game_task_total = 2;
  game_right_count = 2;
  update_bars(2);
  draw_panel_labels();
  const struct {
    const vqView* panel;
    int width;
    uint32_t background;
  } rows[] = {{&progress_panel, 515, label_blue},
              {&time_panel, 196, label_grey},
              {&right_panel, 196, label_grey},
              {&wrong_panel, 196, label_grey}};
  for (const auto& r : rows) {
    EXPECT_EQ(bar_length(*r.panel, r.background), r.width);
    EXPECT_GT(ink(*r.panel), 20);
    // The label starts at (10, 5): nothing is written left of it or above.
    for (int y = 0; y < 24; ++y) EXPECT_EQ(pixel_of(*r.panel, 9, y), r.background);
    for (int x = 0; x < r.width; ++x) EXPECT_EQ(pixel_of(*r.panel, x, 4), r.background);
  }
  EXPECT_EQ(vqtarget_current(), &main_panel);
}

TEST_F(ScorePanels, BarLengthsFollowTheCounts) {
  const struct {
    int n, right, wrong, t;
    int right_px, wrong_px, progress_px;
  } rows[] = {
      {12, 2, 1, 3, 32, 16, 128},     // 32.67, 16.33, 128.75
      {24, 24, 0, 24, 196, 0, 515},   // the last task fills the progress panel
      {7, 1, 5, 6, 28, 140, 441},     // 28, 140, 441.43
      {2, 0, 1, 1, 0, 98, 257},       // 257.5
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.n);
    draw_panel_labels();
    game_task_total = r.n;
    game_right_count = r.right;
    game_wrong_count = r.wrong;
    update_bars(r.t);
    EXPECT_EQ(bar_length(right_panel, right_green), r.right_px);
    EXPECT_EQ(bar_length(wrong_panel, wrong_orange), r.wrong_px);
    EXPECT_EQ(bar_length(progress_panel, progress_blue), r.progress_px);
    // An empty bar leaves the label as it was.
    if (r.wrong_px == 0) {
      EXPECT_EQ(bar_length(wrong_panel, label_grey), 196);
    }
  }
}

TEST_F(ScorePanels, TheTimeBarGrowsWithTheElapsedSecondsAndTurnsRedWhenTimeIsOver) {
  const struct {
    int elapsed, budget;
    int green_px;
  } rows[] = {{0, 100, 0}, {1, 3, 65}, {50, 100, 98}, {100, 100, 196}};
  for (const auto& r : rows) {
    draw_panel_labels();
    update_time_panel(r.elapsed, r.budget);
    EXPECT_EQ(bar_length(time_panel, time_green), r.green_px) << r.elapsed << " of " << r.budget;
    if (r.green_px == 0) {
      EXPECT_EQ(bar_length(time_panel, label_grey), 196);
    }
  }
  // A bar only ever grows within a quiz.
  draw_panel_labels();
  update_time_panel(50, 100);
  update_time_panel(20, 100);
  EXPECT_EQ(bar_length(time_panel, time_green), 98);
  // One second over the budget: the whole panel red, with the black text.
  update_time_panel(101, 100);
  EXPECT_EQ(bar_length(time_panel, time_red), 196);
  EXPECT_GT(ink(time_panel), 40);
  EXPECT_EQ(vqtarget_current(), &main_panel);
}

}  // namespace
