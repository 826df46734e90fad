// The 10 ms tick service. The platform's periodic source only adds to the
// pending count from its own thread; the pump turns pending ticks into calls
// of the tick function here, on the program thread.
#include "vqframe.h"
#include "vqplatform.h"
#include "vqtimer.h"

#include <atomic>

namespace {

std::atomic<uint32_t> g_pending{0};
bool g_active = false;
void (*g_tick_function)() = nullptr;

constexpr uint32_t kMaxPending = 10000;   // 100 s; missed time beyond is forgotten
constexpr int kTicksPerPass = 10;         // a busy program catches up 100 ms per pass

void shutdown() {
  if (!g_active) return;
  vqplatform_ticks_stop();
  g_active = false;
}

}  // namespace

void vqticks_start(void (*tick_function)()) {
  if (g_active) return;
  g_tick_function = tick_function;
  uint32_t smallest = vqplatform_ticks_min_period();
  uint32_t period = 10, credit = 1;
  if (smallest > 10 && smallest <= 40) {
    period = 20;
    credit = 2;
  } else if (smallest > 40) {
    period = 50;
    credit = 5;
  }
  g_pending.store(0);
  g_active = vqplatform_ticks_start(period, credit, &g_pending);
  static bool registered = false;
  if (!registered) {
    registered = true;
    vqatexit(shutdown);
  }
}

bool vqticks_running() { return g_active; }

void vqticks_serve() {
  if (!g_active) return;
  uint32_t pending = g_pending.load(std::memory_order_relaxed);
  if (pending > kMaxPending) g_pending.fetch_sub(pending - kMaxPending, std::memory_order_relaxed);
  for (int i = 0; i < kTicksPerPass; i++) {
    if (g_pending.load(std::memory_order_relaxed) == 0) return;
    g_pending.fetch_sub(1, std::memory_order_relaxed);
    if (g_tick_function != nullptr) g_tick_function();
  }
}
