// vqTimer: posts its event code every interval, but never fills more than
// about half the queue and never disturbs a modal vqwaitfor.
#include "vqevent.h"
#include "vqtimer.h"

vqTimer::vqTimer(int interval_ms) : interval(interval_ms), code(vqnewevent()) {
  vqtimer_set(command, this, interval, 0);
}

vqTimer::~vqTimer() { vqtimer_remove(this, 0); }

int vqTimer::command(void* object, int command, int, int, int, int, int, int, int, int) {
  vqTimer* timer = static_cast<vqTimer*>(object);
  if (command == VQCMD_TIMER && !vqevent_waitfor_active() && vqevent_count() < 33) vqpostevent(timer->code);
  return 0;
}
