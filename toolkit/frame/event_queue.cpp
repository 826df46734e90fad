// The process-wide ring of 64 event codes, and the F12 sequence that shows
// the toolkit's information box.
#include "frame_state.h"
#include "vqevent.h"
#include "vqinfo.h"
#include "vqkeys.h"

namespace {

struct event_ring {
  bool set_up = false;
  int codes[64];
  int count;
  int read;
  int write;
};
event_ring g_ring;
int g_f12_count = 0;
int g_next_code = 1000000;

void set_up() {
  if (g_ring.set_up) return;
  g_ring = event_ring{};
  g_ring.set_up = true;
  vqframe_mark_started(false);
}

void watch_f12(int code) {
  if (code > VQKEY_F12) return;
  if (code != VQKEY_F12) {
    g_f12_count = 0;
    return;
  }
  if (++g_f12_count == 5) {
    g_f12_count = 0;
    vqinfo_show();
  }
}

}  // namespace

void vqpostevent(int code) {
  set_up();
  if (g_ring.count >= 64) return;
  g_ring.codes[g_ring.write] = code;
  g_ring.write = (g_ring.write + 1) % 64;
  g_ring.count++;
  watch_f12(code);
}

// Takes the oldest code; 0 when the queue is empty.
int vqevent_take() {
  set_up();
  if (g_ring.count == 0) return 0;
  int code = g_ring.codes[g_ring.read];
  g_ring.read = (g_ring.read + 1) % 64;
  g_ring.count--;
  return code;
}

int vqeventpending() {
  set_up();
  return g_ring.count > 0 ? 1 : 0;
}

int vqevent_count() { return g_ring.set_up ? g_ring.count : 0; }

int vqnewevent() { return g_next_code++; }
