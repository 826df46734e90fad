// The 10 ms tick service. The platform's tick grid adds the periods that
// have passed to the pending count when polled; the pump turns pending ticks
// into calls of the tick function here, on the program thread, and waits for
// input only until the next timer is due.
#include "vqframe.h"
#include "vqplatform.h"
#include "vqtimer.h"

#include <atomic>

namespace {

std::atomic<uint32_t> g_pending{0};
bool g_active = false;
void (*g_tick_function)() = nullptr;
uint32_t g_period = 10;   // ms per platform period
uint32_t g_credit = 1;    // ticks per platform period

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
  g_period = period;
  g_credit = credit;
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
  vqplatform_ticks_poll();
  uint32_t pending = g_pending.load(std::memory_order_relaxed);
  if (pending > kMaxPending) g_pending.fetch_sub(pending - kMaxPending, std::memory_order_relaxed);
  for (int i = 0; i < kTicksPerPass; i++) {
    if (g_pending.load(std::memory_order_relaxed) == 0) return;
    g_pending.fetch_sub(1, std::memory_order_relaxed);
    if (g_tick_function != nullptr) g_tick_function();
  }
}

uint32_t vqticks_wait_ms(uint32_t cap_ms) {
  if (!g_active) return cap_ms;
  // Ticks left over by the catch-up limit are due now.
  if (g_pending.load(std::memory_order_relaxed) != 0) return 0;
  int due = vqtimer_next_due_ms();
  if (due < 0) return cap_ms;
  // Right after serving less than a period has passed since the last tick,
  // so waiting whole periods from now never ends before the due one.
  uint32_t ticks = static_cast<uint32_t>(due) / 10;
  uint32_t periods = (ticks + g_credit - 1) / g_credit;
  uint64_t wait = static_cast<uint64_t>(periods) * g_period;
  return wait < cap_ms ? static_cast<uint32_t>(wait) : cap_ms;
}
