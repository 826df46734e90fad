// The table of 100 timers, each (handler, object, interval, elapsed, tag),
// advanced by 10 ms on every tick.
#include "vqtimer.h"

#include <cstdio>

void vqticks_start(void (*tick_function)());

namespace {

struct timer_slot {
  vqhandler handler;
  void* object;   // null: slot free
  int interval;
  int elapsed;
  int tag;
};

constexpr int kSlots = 100;
timer_slot g_slots[kSlots];
int g_high_water = 0;
bool g_set_up = false;

timer_slot* find(void* object, int tag) {
  for (int i = 0; i < g_high_water; i++)
    if (g_slots[i].object == object && g_slots[i].tag == tag) return &g_slots[i];
  return nullptr;
}

void tick() {
  for (int i = 0; i < g_high_water; i++) {
    timer_slot& slot = g_slots[i];
    if (slot.object == nullptr) continue;
    slot.elapsed += 10;
    // A handler may remove its own slot (or reuse it): check after each call.
    void* object = slot.object;
    while (slot.object == object && slot.object != nullptr && slot.interval > 0 && slot.interval <= slot.elapsed) {
      slot.elapsed -= slot.interval;
      vqsend(slot.handler, slot.object, VQCMD_TIMER, slot.tag);
    }
  }
}

}  // namespace

void vqtimer_set(vqhandler handler, void* object, int interval, int tag) {
  if (object == nullptr) return;
  if (!g_set_up) {
    g_set_up = true;
    for (timer_slot& slot : g_slots) slot = timer_slot{};
    g_high_water = 0;
    vqticks_start(tick);
  }
  if (interval < 1) interval = 1;   // the tick loop needs a positive interval
  if (timer_slot* slot = find(object, tag)) {
    slot->interval = interval;
    slot->elapsed = 0;
    return;
  }
  for (int i = 0; i < kSlots; i++) {
    if (g_slots[i].object == nullptr) {
      g_slots[i] = {handler, object, interval, 0, tag};
      if (i + 1 > g_high_water) g_high_water = i + 1;
      return;
    }
  }
  std::printf("too many timers !\n");
}

void vqtimer_remove(void* object, int tag) {
  if (timer_slot* slot = find(object, tag)) *slot = timer_slot{};
}

void vqtimer_setinterval(int interval, void* object, int tag) {
  if (timer_slot* slot = find(object, tag)) slot->interval = interval < 1 ? 1 : interval;
}

int vqtimer_next_due_ms() {
  int soonest = -1;
  for (int i = 0; i < g_high_water; i++) {
    const timer_slot& slot = g_slots[i];
    if (slot.object == nullptr) continue;
    // A slot fires on the first tick that brings elapsed up to its
    // interval; one whose interval was lowered below elapsed, on the next.
    int left = slot.interval - slot.elapsed;
    int due = left <= 10 ? 10 : (left + 9) / 10 * 10;
    if (soonest < 0 || due < soonest) soonest = due;
  }
  return soonest;
}
