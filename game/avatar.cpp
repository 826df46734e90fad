// The avatar beside the score panels: a picture chosen by the share of
// right answers, drawn 1:1 into the avatar panel.
#include "game_io.h"
#include "game_screen.h"
#include "picture_store.h"
#include "vqcolor.h"
#include "vqpicture.h"
#include "vqtarget.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const avatar_names[3] = {"avatar/videob_%d.bmp", "avatar/videob_%d.jpg",
                                     "avatar/videob_%d.png"};

// At 1:1 from the top left. The panel clips whatever lies beyond it; not
// visiting those pixels at all spares a large avatar millions of dropped
// points.
void draw_avatar() {
  const picture_planes& p = avatar_picture;
  const int width = std::min<int>(p.width, std::max(vqtargetwidth(), 0));
  const int height = std::min<int>(p.height, std::max(vqtargetheight(), 0));
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < height; ++y)
      vqpoint(x, y, static_cast<int32_t>(vqrgb(p.red[x][y], p.green[x][y], p.blue[x][y])));
}

}  // namespace

void show_avatar(double success_ratio) {
  vqgraphic_select(&avatar_panel);
  int number = static_cast<int>(success_ratio * 100);
  if (number == 0) number = 1;
  vqpicture reader;
  if (open_first_picture(reader, avatar_names, number)) {
    warn_if_too_large(reader, store_columns, store_rows);
    store_picture(avatar_picture, reader);
  } else {
    char text[80];
    std::snprintf(text, sizeof text, "\n!!! NO Frame avatar %d !!!!", number);
    game_term_print(text);
  }
  vqpicture_close(&reader);
  // Not into whatever panel was the target before, should the avatar
  // panel be gone.
  if (vqtarget_current() == &avatar_panel) {
    draw_avatar();
    vqgraphic_refresh(&avatar_panel);
  }
  vqgraphic_select(&main_panel);
}
