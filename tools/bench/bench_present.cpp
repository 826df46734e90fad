// Presenting and idling on the real back end, each beside its reference:
//  - a full 1280 x 720 frame through vqplatform_window_present against SDL's
//    own window-surface update of a whole frame in a window of the size it
//    is shown at (on a small or a large screen ours is scaled, the reference
//    is not): the best of five rounds each, wall time and this process's
//    processor time;
//  - the same frame shown at each size asked for (a window resized, as when
//    maximised or made fullscreen) against SDL's own update of a whole
//    frame of that size in a window of that size;
//  - processor use of an open window waiting for messages with the 10 ms
//    tick source running, against a plain 10 ms sleep loop with and
//    without the tick source (not measured for 0 seconds).
//   bench_present [idle-seconds (10)] [frames per round (60)] [WxH ...]
#include "bench_measure.h"
#include "vqplatform.h"
#include "vqplatform_bench.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kWidth = 1280, kHeight = 720, kRounds = 5;

struct idle_state {
  std::atomic<uint32_t> pending{0};
  long ticks = 0;
};

// One pass of the program frame's blocking pump: a look, then a wait until
// the next tick is due.
void wait_pass(void* context) {
  idle_state* state = static_cast<idle_state*>(context);
  vqplatform_msg msg;
  if (vqplatform_peek_message(&msg) || vqplatform_wait_message(&msg, 10)) vqplatform_dispatch(&msg);
  vqplatform_ticks_poll();
  state->ticks += state->pending.exchange(0);
}

void sleep_pass(void*) { vqplatform_sleep(10); }

std::vector<uint32_t> pattern(int w, int h) {
  std::vector<uint32_t> frame(static_cast<size_t>(w) * h);
  for (size_t i = 0; i < frame.size(); i++) frame[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
  return frame;
}

}  // namespace

int main(int argc, char** argv) {
  const double idle_seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
  if (!vqplatform_start()) return 1;
  int sw = 0, sh = 0;
  vqplatform_screen_size(&sw, &sh);
  std::printf("back end %s, screen %dx%d\n", vqplatform_backend_name(), sw, sh);

  const std::vector<uint32_t> frame = pattern(kWidth, kHeight);

  // Rounds alternate so that both sides see the same machine load; each
  // window is alone on the screen while it is measured.
  double ours = 1e9, reference = 1e9, ours_cpu = 1e9, reference_cpu = 1e9, cpu = 0;
  int shown_w = kWidth, shown_h = kHeight;
  for (int round = 0; round < kRounds; round++) {
    int window = vqplatform_window_create("bench_present", 0, 0, kWidth, kHeight, VQWIN_TITLE, nullptr, nullptr);
    if (window == 0) return 1;
    vqplatform_window_shown_size(window, &shown_w, &shown_h);
    ours = std::min(ours, bench_measure_present(window, frame.data(), kWidth, kHeight, frames, &cpu));
    ours_cpu = std::min(ours_cpu, cpu);
    vqplatform_window_destroy(window);
    if (vqplatform_is_headless() || !vqplatform_bench_reference_open(0, 0, shown_w, shown_h)) continue;
    // SDL's own update of a whole frame of the window's size: what a
    // program that draws at the screen's resolution would pay.
    const std::vector<uint32_t> shown_frame = pattern(shown_w, shown_h);
    reference = std::min(reference, bench_measure_reference(shown_frame.data(), shown_w, shown_h, frames, &cpu));
    reference_cpu = std::min(reference_cpu, cpu);
    vqplatform_bench_reference_close();
  }
  std::printf("present %dx%d frame shown at %dx%d: %.3f ms; SDL window-surface update alone: %.3f ms; ratio %.2f\n",
              kWidth, kHeight, shown_w, shown_h, ours, reference, ours / reference);
  std::printf("  processor time of this process per frame: %.3f ms against %.3f ms; ratio %.2f\n", ours_cpu,
              reference_cpu, ours_cpu / reference_cpu);

  for (int arg = 3; arg < argc; arg++) {
    int want_w = 0, want_h = 0;
    if (std::sscanf(argv[arg], "%dx%d", &want_w, &want_h) != 2 || want_w <= 0 || want_h <= 0) {
      std::printf("bench_present: %s is no size WxH\n", argv[arg]);
      return 1;
    }
    ours = reference = ours_cpu = reference_cpu = 1e9;
    const std::vector<uint32_t> large = pattern(want_w, want_h);
    for (int round = 0; round < kRounds; round++) {
      int window = vqplatform_window_create("bench_present", 0, 0, kWidth, kHeight, VQWIN_TITLE, nullptr, nullptr);
      if (window == 0) return 1;
      if (!vqplatform_bench_show_at(window, want_w, want_h)) {
        std::printf("bench_present: the window could not be made %dx%d\n", want_w, want_h);
        return 1;
      }
      vqplatform_window_shown_size(window, &shown_w, &shown_h);
      ours = std::min(ours, bench_measure_present(window, frame.data(), kWidth, kHeight, frames, &cpu));
      ours_cpu = std::min(ours_cpu, cpu);
      vqplatform_window_destroy(window);
      if (!vqplatform_bench_reference_open(0, 0, want_w, want_h)) return 1;
      reference = std::min(reference, bench_measure_reference(large.data(), want_w, want_h, frames, &cpu));
      reference_cpu = std::min(reference_cpu, cpu);
      vqplatform_bench_reference_close();
    }
    std::printf("present %dx%d frame in a %dx%d window (picture %dx%d): %.3f ms; SDL update of a %dx%d window: "
                "%.3f ms; ratio %.2f; processor time %.3f ms against %.3f ms, ratio %.2f\n",
                kWidth, kHeight, want_w, want_h, shown_w, shown_h, ours, want_w, want_h, reference,
                ours / reference, ours_cpu, reference_cpu, ours_cpu / reference_cpu);
  }
  if (idle_seconds <= 0) return 0;

  int window = vqplatform_window_create("bench_present", 0, 0, kWidth, kHeight, VQWIN_TITLE, nullptr, nullptr);
  if (window == 0) return 1;
  vqplatform_window_present(window, frame.data(), kWidth, kWidth, kHeight, 0, 0, kWidth, kHeight);
  idle_state state;
  vqplatform_ticks_start(10, 1, &state.pending);
  bench_measure_idle(0.5, wait_pass, &state);   // the window's first exposes and drawing
  state.ticks = 0;
  bench_idle idle = bench_measure_idle(idle_seconds, wait_pass, &state);
  // The floor: waking every 10 ms at all, with and without the tick source.
  bench_idle ticking = bench_measure_idle(std::min(idle_seconds, 3.0), sleep_pass, nullptr);
  vqplatform_ticks_stop();
  bench_idle plain = bench_measure_idle(std::min(idle_seconds, 3.0), sleep_pass, nullptr);
  std::printf("idle window in vqplatform_wait_message, 10 ms ticks: %.3f %% of one core over %.1f s (%ld ticks); "
              "plain 10 ms sleep loop: %.3f %%, the same with the ticks running: %.3f %%\n",
              idle.percent, idle.seconds, state.ticks, plain.percent, ticking.percent);
  vqplatform_window_destroy(window);   // SDL is left running, as every toolkit program leaves it
  return 0;
}
