// Processor time of an open window that idles in vqwaitevent while its
// timers run: a 100 ms timer object and the 200 ms deferred-refresh timer.
// First with nothing drawn, then with one point drawn on every timer event,
// so that the deferred refresh presents five times a second. Meant for the
// real back end (an X display, e.g. Xvfb).
//   bench_window_idle [seconds-per-figure]   (default 10)
#include "vqevent.h"
#include "vqframe.h"
#include "vqplatform.h"
#include "vqtarget.h"
#include "vqtimer.h"
#include "vqwindow.h"

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

double cpu_seconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double wall_seconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec + t.tv_nsec / 1e9;
}

// Waits on the queue for the given time; returns the share of one core used.
double idle(const vqTimer& timer, double seconds, bool draw, int* events) {
  *events = 0;
  double c0 = cpu_seconds(), t0 = wall_seconds();
  while (wall_seconds() - t0 < seconds && vqrunning()) {
    if (vqwaitevent() != timer.event()) continue;
    ++*events;
    if (draw) vqpoint(*events % 320, (*events / 320) % 200, 0xFFFFFF);
  }
  return 100 * (cpu_seconds() - c0) / (wall_seconds() - t0);
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

  int events = 0;
  double quiet = idle(timer, seconds, false, &events);
  std::printf("idle window, timers running: %.3f %% of one core over %.1f s (%d timer events)\n", quiet,
              seconds, events);
  double drawing = idle(timer, seconds, true, &events);
  std::printf("idle window, a point per timer event: %.3f %% of one core over %.1f s (%d timer events)\n",
              drawing, seconds, events);
  vqwindow_close(&window);
  vqframe_orderly_exit(0);
  return 0;
}
