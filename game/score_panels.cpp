// The four small panels above the task area: progress, time, right and
// wrong answers, each a label under a bar that grows from the left edge.
#include "game_screen.h"
#include "game_state.h"
#include "vqcolor.h"
#include "vqtarget.h"

namespace {

constexpr int bar_height = 24;
constexpr int progress_length = 515;
constexpr int score_length = 196;

struct panel_label {
  vqView* panel;
  int width;
  int red, green, blue;   // behind the label
  const char* text;
};

// In the order they are drawn.
const panel_label labels[] = {
    {&progress_panel, progress_length, 250, 250, 255, "F O R T S C H R I T T"},
    {&time_panel, score_length, 240, 240, 255, " Z E I T"},
    {&right_panel, score_length, 240, 240, 255, "AUFGABEN richtig"},
    {&wrong_panel, score_length, 240, 240, 255, "AUFGABEN falsch"},
};

void draw_text(const char* text) { vqprintf(10, 5, static_cast<int32_t>(vqrgb(0, 0, 0)), "%s", text); }

// A bar from the left edge over whatever the panel shows. Only into that
// panel: should it be gone, selecting it leaves another one the target.
void draw_bar(vqView* panel, int length, uint32_t color, const char* text = nullptr) {
  vqgraphic_select(panel);
  if (vqtarget_current() != panel) return;
  vqfillrect(0, 0, length, bar_height, static_cast<int32_t>(color));
  if (text != nullptr) draw_text(text);
  vqgraphic_refresh(panel);
}

}  // namespace

void draw_panel_labels() {
  for (const panel_label& l : labels) draw_bar(l.panel, l.width, vqrgb(l.red, l.green, l.blue), l.text);
  vqgraphic_select(&main_panel);
}

void update_time_panel(int elapsed_seconds, int time_budget) {
  const int e = elapsed_seconds, b = time_budget;
  if (e != 0 && b >= e) draw_bar(&time_panel, static_cast<int>(static_cast<double>(e) / b * score_length), vqrgb(0, 100, 0));
  if (b < e) draw_bar(&time_panel, score_length, vqrgb(200, 0, 0), " !  T I M E    O V E R  !");
  vqgraphic_select(&main_panel);
}

void update_bars(int task_index) {
  const int n = game_task_total;
  if (n <= 0) return;
  draw_bar(&right_panel, static_cast<int>(game_right_count * static_cast<double>(score_length) / n),
           vqrgb(100, 255, 100));
  draw_bar(&wrong_panel, static_cast<int>(game_wrong_count * static_cast<double>(score_length) / n),
           vqrgb(255, 100, 0));
  draw_bar(&progress_panel, static_cast<int>(task_index * static_cast<double>(progress_length) / n),
           vqrgb(0, 0, 255));
}
