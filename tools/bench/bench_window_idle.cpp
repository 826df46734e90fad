// Processor time of an open window that idles in vqwaitevent while its
// timers run: a 100 ms timer object and the 200 ms deferred-refresh timer.
// First with nothing drawn, then with one point drawn on every timer event,
// so that the deferred refresh presents five times a second. Meant for the
// real back end (an X display, e.g. Xvfb).
//   bench_window_idle [seconds-per-figure]   (default 10)
#include "bench_measure.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqplatform.h"
#include "vqtarget.h"
#include "vqtimer.h"
#include "vqwindow.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct idle_state {
  const vqTimer* timer;
  bool draw;
  int events;
};

// One wait of the application's loop; a timer event may draw a point.
void wait_pass(void* context) {
  idle_state* state = static_cast<idle_state*>(context);
  if (vqwaitevent() != state->timer->event()) return;
  ++state->events;
  if (state->draw) vqpoint(state->events % 320, (state->events / 320) % 200, 0xFFFFFF);
}

}  // namespace

int main(int argc, char** argv) {
  double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  vqinit(argc, argv);
  std::printf("back end: %s\n", vqplatform_backend_name());
  vqWindow window;
  if (!vqwindow_open(&window, "bench_window_idle,x=0,y=0,xs=320,ys=200,bgcolor=000000")) {
    vqframe_orderly_exit(1);
    return 1;
  }
  vqTimer timer(100);
  vqpollevent();   // the start: the window shows, the deferred-refresh timer runs from the first point
  vqpoint(0, 0, 0xFFFFFF);

  idle_state quiet{&timer, false, 0}, drawing{&timer, true, 0};
  bench_idle q = bench_measure_idle(seconds, wait_pass, &quiet);
  std::printf("idle window, timers running: %.3f %% of one core over %.1f s (%d timer events)\n", q.percent,
              q.seconds, quiet.events);
  bench_idle d = bench_measure_idle(seconds, wait_pass, &drawing);
  std::printf("idle window, a point per timer event: %.3f %% of one core over %.1f s (%d timer events)\n",
              d.percent, d.seconds, drawing.events);
  vqwindow_close(&window);
  vqframe_orderly_exit(0);
  return 0;
}
