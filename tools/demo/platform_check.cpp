// A window of the platform layer alone, for scripts that look at it from
// outside: it shows a pattern of coloured squares (presented in strips),
// checks that the window reads back what was presented, and reports input
// in client pixels until Escape (released), a close request or the time is
// up. It never draws again: exposes are the back end's to answer. F2 gives
// the window a title with Latin-1 letters.
//   vqplatform_check width height [seconds]
// Square bx, by (32 pixels each) has the colour of pattern_color below.
#include "vqkeys.h"
#include "vqplatform.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

uint32_t pattern_color(int x, int y) {
  const uint32_t bx = static_cast<uint32_t>(x / 32), by = static_cast<uint32_t>(y / 32);
  return ((bx * 37 + 40) & 0xFF) << 16 | ((by * 53 + 20) & 0xFF) << 8 | (((bx + by) * 29) & 0xFF);
}

bool g_done = false;

int g_window = 0;

void proc(void*, const vqplatform_msg* msg) {
  switch (msg->kind) {
    case VQMSG_BUTTONDOWN: std::printf("button %d down at %d,%d\n", msg->button, msg->x, msg->y); break;
    case VQMSG_BUTTONUP: std::printf("button %d up at %d,%d\n", msg->button, msg->x, msg->y); break;
    case VQMSG_DOUBLECLICK: std::printf("double %d at %d,%d\n", msg->button, msg->x, msg->y); break;
    case VQMSG_WHEEL: std::printf("wheel %+d at %d,%d\n", msg->wheel, msg->x, msg->y); break;
    case VQMSG_KEYDOWN:
      std::printf("key %d down\n", msg->key);
      if (msg->key == VQKEY_F2) vqplatform_window_set_title(g_window, "Gr\xfc\xdf" "e");   // F2: a Latin-1 title
      break;
    case VQMSG_KEYUP:
      std::printf("key %d up\n", msg->key);
      g_done = g_done || msg->key == VQKEY_ESCAPE;   // on release: the sender is done with us
      break;
    case VQMSG_CHAR: std::printf("char %d\n", msg->ch); break;
    case VQMSG_MOVE: std::printf("move %d,%d\n", msg->x, msg->y); break;
    case VQMSG_SIZE: std::printf("size %dx%d\n", msg->width, msg->height); break;
    case VQMSG_ACTIVATE: std::printf("activate\n"); break;
    case VQMSG_FOCUS: std::printf("focus\n"); break;
    case VQMSG_UNFOCUS: std::printf("unfocus\n"); break;
    case VQMSG_CLOSE:
      std::printf("close request\n");
      g_done = true;
      break;
    default: break;
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::printf("usage: vqplatform_check width height [seconds]\n");
    return 2;
  }
  const int w = std::atoi(argv[1]), h = std::atoi(argv[2]);
  const double seconds = argc > 3 ? std::atof(argv[3]) : 10.0;
  if (w <= 0 || h <= 0 || !vqplatform_start()) return 2;
  int window = vqplatform_window_create("vqplatform_check", 20, 30, w, h, VQWIN_TITLE, proc, nullptr);
  if (window == 0) return 1;
  g_window = window;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) pixels[static_cast<size_t>(y) * w + x] = pattern_color(x, y);
  // In strips of uneven height, so that partial presents must join up.
  for (int y = 0; y < h; y += 77)
    vqplatform_window_present(window, pixels.data(), w, w, h, 0, y, w, 77);

  int cw = 0, ch = 0, sw = 0, sh = 0;
  vqplatform_window_client_size(window, &cw, &ch);
  vqplatform_window_shown_size(window, &sw, &sh);
  std::printf("window %dx%d shown %dx%d\n", cw, ch, sw, sh);
  std::vector<uint32_t> shown(pixels.size());
  vqplatform_window_readback(window, shown.data(), w, h);
  size_t wrong = 0;
  while (wrong < shown.size() && shown[wrong] == pixels[wrong]) wrong++;
  if (wrong == shown.size()) std::printf("readback matches\n");
  else std::printf("readback differs at %d,%d\n", static_cast<int>(wrong % w), static_cast<int>(wrong / w));
  std::fflush(stdout);

  const uint32_t until = vqplatform_ms() + static_cast<uint32_t>(seconds * 1000);
  vqplatform_msg msg;
  while (!g_done && static_cast<int32_t>(until - vqplatform_ms()) > 0)
    if (vqplatform_wait_message(&msg, 50)) vqplatform_dispatch(&msg);
  // Like every program of the toolkit it ends without stopping SDL: the
  // desktop libraries SDL unloads there would leave their own small leaks
  // behind, nameless, for the leak checker.
  vqplatform_window_destroy(window);
  return 0;
}
