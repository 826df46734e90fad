// Pumping platform input into window procedures while the program waits.
#include "frame_state.h"
#include "vqevent.h"
#include "vqplatform.h"
#include "vqtimer.h"

#include <cstdarg>
#include <vector>

int vqevent_take();

namespace {

bool g_waitfor_active = false;

// The longest wait for input while no timer is due: nothing but input can
// make work then, and the platform wakes at once on input anyway.
constexpr uint32_t kIdleWaitMs = 1000;

void serve_due() {
  vqticks_serve();
  // Finished child processes would be polled here; the toolkit starts none yet.
}

}  // namespace

void vqpump_blocking() {
  vqplatform_msg msg;
  for (;;) {
    serve_due();
    if (vqeventpending()) return;
    if (vqplatform_peek_message(&msg)) {
      vqplatform_dispatch(&msg);
      return;
    }
    // Wait for input until the next timer is due (timers are the only other
    // thing that can make work); the platform wakes at once on input. Waking
    // for every 10 ms tick instead would cost an idle window more than all
    // the rest of its work.
    if (vqplatform_wait_message(&msg, vqticks_wait_ms(kIdleWaitMs))) {
      vqplatform_dispatch(&msg);
      return;
    }
    if (vqeventpending() || !vqframe().running) return;
  }
}

void vqpump_nonblocking() {
  serve_due();
  vqplatform_msg msg;
  while (vqplatform_peek_message(&msg)) vqplatform_dispatch(&msg);
}

int vqwaitevent() {
  vqframe_state& f = vqframe();
  f.loop_entered = 1;
  vqframe_mark_started(true);
  for (;;) {
    if (!f.running) return 0;
    if (vqeventpending()) return vqevent_take();
    vqpump_blocking();
  }
}

int vqpollevent() {
  vqframe().loop_entered = 1;
  vqframe_mark_started(true);
  vqpump_nonblocking();
  return vqevent_take();
}

int vqwaitfor_list(int count, const int* codes) {
  if (count > 1000) count = 1000;
  std::vector<int> wanted(codes, codes + (count > 0 ? count : 0));
  int found = 0;
  g_waitfor_active = true;
  vqeventpending();   // sets up the queue
  while (vqframe().running) {
    if (vqeventpending()) {
      int code = vqevent_take();
      bool hit = false;
      for (int w : wanted) hit = hit || w == code;
      if (hit) {
        found = code;
        break;
      }
    } else {
      vqpump_blocking();
    }
  }
  g_waitfor_active = false;
  return found;
}

int vqwaitfor(int count, ...) {
  if (count > 1000) count = 1000;
  std::vector<int> codes;
  va_list args;
  va_start(args, count);
  for (int i = 0; i < count; i++) codes.push_back(va_arg(args, int));
  va_end(args);
  return vqwaitfor_list(static_cast<int>(codes.size()), codes.data());
}

bool vqevent_waitfor_active() { return g_waitfor_active; }
