// Refreshes caused by drawing: objects are listed once and get
// VQCMD_REFRESHDUE on the next 200 ms tick, so a burst of drawing reaches
// the screen at most five times a second.
#include "vqtarget.h"
#include "vqtimer.h"

namespace {

constexpr int kSlots = 25;
constexpr int kInterval = 200;

struct listed {
  vqhandler handler;
  void* object;
};
listed g_list[kSlots];
int g_count = 0;
bool g_timer_started = false;
int g_timer_object;   // the service's identity in the timer table

int serve(void*, int command, int, int, int, int, int, int, int, int) {
  if (command != VQCMD_TIMER || g_count == 0) return 0;
  // A refresh may list objects again (or forget others): serve a copy.
  listed due[kSlots];
  int count = g_count;
  for (int i = 0; i < count; i++) due[i] = g_list[i];
  g_count = 0;
  vqrefresh_last_listed = nullptr;
  vqtarget_pointpixmap = nullptr;
  for (int i = 0; i < count; i++) vqsend(due[i].handler, due[i].object, VQCMD_REFRESHDUE);
  return 0;
}

}  // namespace

void* vqrefresh_last_listed = nullptr;

void vqrefresh_defer(vqhandler handler, void* object) {
  if (!object) return;
  // Drawing comes in bursts from one object: the newest entry is the
  // likeliest match, so look from the end.
  for (int i = g_count - 1; i >= 0; i--) {
    if (g_list[i].object == object) {
      vqrefresh_last_listed = object;
      return;
    }
  }
  if (g_count == kSlots) return;
  g_list[g_count++] = {handler, object};
  vqrefresh_last_listed = object;
  if (!g_timer_started) {
    g_timer_started = true;
    vqtimer_set(serve, &g_timer_object, kInterval, 0);
  }
}

void vqrefresh_forget(void* object) {
  int kept = 0;
  for (int i = 0; i < g_count; i++)
    if (g_list[i].object != object) g_list[kept++] = g_list[i];
  g_count = kept;
  if (vqrefresh_last_listed == object) vqrefresh_last_listed = nullptr;
  vqtarget_pointpixmap = nullptr;
}

void vqrefresh_clear() {
  g_count = 0;
  vqrefresh_last_listed = nullptr;
  vqtarget_pointpixmap = nullptr;
}

int vqrefresh_pending() { return g_count; }
