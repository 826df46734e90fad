// Measures, on the real back end, how exact vqwait is and how much processor
// time an idle vqwaitevent loop takes. Prints one line per figure.
//   bench_frame [seconds-of-idle]   (default 5)
#include "vqevent.h"
#include "vqframe.h"
#include "vqplatform.h"
#include "vqtimer.h"

#include <sys/resource.h>

#include <cmath>
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

}  // namespace

int main(int argc, char** argv) {
  double idle = argc > 1 ? std::atof(argv[1]) : 5.0;
  vqinit(argc, argv);
  std::printf("back end: %s\n", vqplatform_backend_name());

  double worst = 0;
  for (int i = 0; i < 5; i++) {
    double t0 = wall_seconds();
    vqwait(0.5);
    double took = wall_seconds() - t0;
    std::printf("vqwait(0.5) took %.1f ms\n", took * 1000);
    worst = std::fmax(worst, std::fabs(took - 0.5));
  }
  std::printf("vqwait worst deviation: %.1f ms\n", worst * 1000);

  // An idle loop: one timer object posts every 1000 ms, the loop waits.
  vqTimer timer(1000);
  double c0 = cpu_seconds(), t0 = wall_seconds();
  int events = 0;
  while (wall_seconds() - t0 < idle) {
    if (vqwaitevent() == timer.event()) events++;
  }
  double cpu = cpu_seconds() - c0, wall = wall_seconds() - t0;
  std::printf("idle vqwaitevent loop: %.2f %% of one core over %.1f s (%d timer events)\n", 100 * cpu / wall, wall,
              events);
  vqframe_orderly_exit(0);
  return worst <= 0.020 ? 0 : 1;
}
