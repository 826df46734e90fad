// Shared measuring tools of the benchmarks.
#include "bench_measure.h"

#include "vqplatform.h"
#include "vqplatform_bench.h"

#include <sys/resource.h>

#include <algorithm>
#include <ctime>

double bench_cpu_seconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double bench_wall_seconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double bench_thread_ms() {
  timespec t{};
#ifdef __EMSCRIPTEN__
  // A page has no processor-time clock; its one thread is measured by the wall.
  clock_gettime(CLOCK_MONOTONIC, &t);
#else
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
#endif
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double bench_median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

bench_idle bench_measure_idle(double seconds, void (*pass)(void* context), void* context) {
  bench_idle result{0, 0, 0};
  const double c0 = bench_cpu_seconds(), t0 = bench_wall_seconds();
  while (bench_wall_seconds() - t0 < seconds) {
    pass(context);
    result.passes++;
  }
  result.seconds = bench_wall_seconds() - t0;
  result.percent = 100 * (bench_cpu_seconds() - c0) / result.seconds;
  return result;
}

namespace {

void pump() {
  vqplatform_msg msg;
  while (vqplatform_peek_message(&msg)) vqplatform_dispatch(&msg);
}

}  // namespace

double bench_measure_present(int window, const uint32_t* frame, int w, int h, int frames, double* cpu_ms) {
  pump();
  const double t0 = bench_wall_seconds(), c0 = bench_cpu_seconds();
  for (int i = 0; i < frames; i++) {
    vqplatform_window_present(window, frame, w, w, h, 0, 0, w, h);
    pump();
  }
  if (cpu_ms != nullptr) *cpu_ms = 1000 * (bench_cpu_seconds() - c0) / frames;
  return 1000 * (bench_wall_seconds() - t0) / frames;
}

double bench_measure_reference(const uint32_t* frame, int w, int h, int frames, double* cpu_ms) {
  pump();
  const double t0 = bench_wall_seconds(), c0 = bench_cpu_seconds();
  for (int i = 0; i < frames; i++) {
    vqplatform_bench_reference_frame(frame, w, h);
    pump();
  }
  if (cpu_ms != nullptr) *cpu_ms = 1000 * (bench_cpu_seconds() - c0) / frames;
  return 1000 * (bench_wall_seconds() - t0) / frames;
}
