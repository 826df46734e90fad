// The timer table, served by the 10 ms tick service, and timer objects.
#pragma once

#include "vqhandler.h"

#include <atomic>
#include <cstdint>

void vqtimer_set(vqhandler handler, void* object, int interval, int tag);
void vqtimer_remove(void* object, int tag);
void vqtimer_setinterval(int interval, void* object, int tag);

// Milliseconds until the next timer of the table fires, counted from the
// last tick and rounded up to whole 10 ms ticks; -1 when no timer is set.
int vqtimer_next_due_ms();

// Tick service: serves at most 10 pending ticks per call.
void vqticks_serve();
bool vqticks_running();
// How long the program may wait for input after serving before a timer
// needs the pump again: 0 while ticks are left over, at most cap_ms.
uint32_t vqticks_wait_ms(uint32_t cap_ms);

// Posts its event code every interval while it exists.
class vqTimer {
 public:
  explicit vqTimer(int interval_ms);
  ~vqTimer();
  vqTimer(const vqTimer&) = delete;
  vqTimer& operator=(const vqTimer&) = delete;

  int event() const { return code; }
  static int command(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7, int a8);

  int interval;
  int code;
};
