// vqwait: a pause during which windows keep repainting and timers keep running.
#include "frame_state.h"
#include "vqevent.h"
#include "vqplatform.h"
#include "vqtimer.h"

namespace {

struct wait_state {
  bool waiting = false;
};

int end_wait(void* object, int, int, int, int, int, int, int, int, int) {
  static_cast<wait_state*>(object)->waiting = false;
  return 0;
}

}  // namespace

void vqwait(double seconds) {
  if (!(seconds > 0)) return;
  vqframe_mark_started(true);
  // Each wait has its own flag and timer, so a handler may wait too.
  wait_state state;
  state.waiting = true;
  double whole = 1000.0 * seconds;
  int ms = whole >= 2e9 ? 2000000000 : static_cast<int>(whole);
  vqtimer_set(end_wait, &state, ms < 1 ? 1 : ms, 0);
  while (state.waiting && vqframe().running) {
    vqpump_nonblocking();
    if (!state.waiting) break;
    vqplatform_sleep(10);
  }
  vqtimer_remove(&state, 0);
}
