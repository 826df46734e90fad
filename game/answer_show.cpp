// The row of six yellow answer boxes at the top of the main panel.
#include "game_screen.h"
#include "game_state.h"
#include "quiz_flow.h"
#include "vqcolor.h"
#include "vqfont.h"
#include "vqtarget.h"

namespace {

const int32_t box_face = vqrgb(255, 255, 0);
const int32_t inner_bottom = vqrgb(200, 200, 0);
const int32_t outer_bottom = vqrgb(180, 180, 0);
const int32_t inner_top = vqrgb(255, 255, 50);
const int32_t outer_top = vqrgb(255, 255, 80);
const int32_t number_color = vqrgb(0, 0, 0);

}  // namespace

void draw_choice_frame(int x0, int x1, int y0, int y1) {
  // Darker lines at the bottom and right, lighter ones at the top and left:
  // the box seems to stand out of the picture.
  vqline(x0, y1, x1, y1, inner_bottom);
  vqline(x1, y0, x1, y1, inner_bottom);
  vqline(x0, y1 + 1, x1, y1 + 1, outer_bottom);
  vqline(x1 + 1, y0, x1 + 1, y1, outer_bottom);
  vqline(x0, y0, x0, y1, inner_top);
  vqline(x0, y0, x1, y0, inner_top);
  vqline(x0 - 1, y0, x0 - 1, y1, outer_top);
  vqline(x0, y0 - 1, x1, y0 - 1, outer_top);
}

void show_choices() {
  if (!screen_alive()) return;
  vqsetfont(vqfont_get("Courier New,points=20,bold"));
  const int s = choice_box_spacing;
  const int32_t* choices = choice_list[game_task_index];
  for (int k = 1; k <= game_choice_count && k <= 6; ++k) {
    vqfillrect(s * k + 10, 5, s - 20, 40, box_face);
    draw_choice_frame(s * k + 10, s * k + s - 10, 5, 45);
    vqprintf(s * k + 10, 10, number_color, "%4i", choices[k]);
  }
}
