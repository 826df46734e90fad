// Opens one window on the real back end, shows four colored quarters in it
// and keeps it alive for the given seconds, so that a script can look at it
// from outside (xwd) and play the user (xdotool). Prints what it receives;
// Escape or a close request ends it early.
//   vqwindow_check [seconds]
#include "vqevent.h"
#include "vqframe.h"
#include "vqkeys.h"
#include "vqplatform.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kWidth = 200, kHeight = 120;
std::vector<uint32_t> g_pixels(kWidth * kHeight);
int g_window = 0;

void proc(void*, const vqplatform_msg* msg) {
  switch (msg->kind) {
    case VQMSG_PAINT:
      vqplatform_window_present(g_window, g_pixels.data(), kWidth, kWidth, kHeight, 0, 0, kWidth, kHeight);
      break;
    case VQMSG_BUTTONDOWN: std::printf("button %d down at %d,%d\n", msg->button, msg->x, msg->y); break;
    case VQMSG_KEYDOWN:
      std::printf("key %d down\n", msg->key);
      if (msg->key == VQKEY_ESCAPE) vqquit();
      break;
    case VQMSG_CLOSE:
      std::printf("close request\n");
      vqquit();
      break;
    default: break;
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
  vqinit(argc, argv);
  for (int y = 0; y < kHeight; y++)
    for (int x = 0; x < kWidth; x++)
      g_pixels[y * kWidth + x] = y < kHeight / 2 ? (x < kWidth / 2 ? 0xFF0000 : 0x00FF00)
                                                 : (x < kWidth / 2 ? 0x0000FF : 0xFFFF00);
  g_window = vqplatform_window_create("vqwindow_check", 50, 60, kWidth, kHeight, VQWIN_TITLE, proc, nullptr);
  if (g_window == 0) return 1;
  int w = 0, h = 0;
  vqplatform_window_client_size(g_window, &w, &h);
  std::printf("window %dx%d\n", w, h);
  std::fflush(stdout);
  vqplatform_window_present(g_window, g_pixels.data(), kWidth, kWidth, kHeight, 0, 0, kWidth, kHeight);
  vqpollevent();
  vqwait(seconds);
  vqplatform_window_destroy(g_window);
  vqframe_orderly_exit(0);
  return 0;
}
