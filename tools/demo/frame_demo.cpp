// Runs the program frame with no window: a 250 ms timer object posts its
// event code, and the loop prints each event for two seconds, then quits.
#include "vqevent.h"
#include "vqframe.h"
#include "vqplatform.h"
#include "vqtimer.h"

#include <cstdio>

void game_main() {
  vqTimer timer(250);
  uint32_t start = vqplatform_ms();
  std::printf("frame demo: timer event code %d, back end %s\n", timer.event(), vqplatform_backend_name());
  while (vqrunning()) {
    int code = vqwaitevent();
    uint32_t elapsed = vqplatform_ms() - start;
    std::printf("%5u ms: event %d\n", elapsed, code);
    if (elapsed >= 2000) break;
  }
  std::printf("frame demo: done\n");
}
