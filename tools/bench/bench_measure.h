// Measuring tools that benchmarks share: processor and wall time, an idle
// loop's processor use, the time to present a frame, and the median.
#pragma once

#include <cstdint>
#include <vector>

double bench_cpu_seconds();    // user + system time of this process
double bench_wall_seconds();   // monotonic
// The calling thread's own processor time, in milliseconds: a machine shared
// with other work preempts this process, and wall time would count the
// others' turns.
double bench_thread_ms();
// The middle of the measured values (the upper one of an even count).
double bench_median(std::vector<double> values);

struct bench_idle {
  double percent;     // processor use, percent of one core
  double seconds;     // wall time measured
  long passes;        // calls of the pass function
};

// Calls pass(context) again and again for the given wall time and reports
// how much processor time that took. The pass should block the way the
// program under test blocks (a wait for a message, vqwaitevent, ...).
bench_idle bench_measure_idle(double seconds, void (*pass)(void* context), void* context);

// Milliseconds per frame for presenting the whole frame (w x h) to the
// window `frames` times; the messages that arrive meanwhile are dispatched.
// cpu_ms, if given, gets this process's processor milliseconds per frame
// (the X server's share is not in it; it is in the wall time).
double bench_measure_present(int window, const uint32_t* frame, int w, int h, int frames, double* cpu_ms = nullptr);
// The same through SDL's own window-surface update into the reference
// window, which the caller opens (vqplatform_bench.h) at the size to compare.
double bench_measure_reference(const uint32_t* frame, int w, int h, int frames, double* cpu_ms = nullptr);
