// Containers that draw nothing to the screen until the program has started
// ask here for one refresh (VQCMD_FIRSTREFRESH) at that moment.
#include "frame_state.h"
#include "vqframe.h"

namespace {

struct waiting_container {
  vqhandler handler;
  void* object;
};
waiting_container g_waiting[100];
int g_waiting_count = 0;

}  // namespace

void vqframe_defer_first_refresh(vqhandler handler, void* object) {
  if (g_waiting_count < 100) g_waiting[g_waiting_count++] = {handler, object};
}

void vqframe_forget_first_refresh(void* object) {
  for (int i = 0; i < g_waiting_count; i++) {
    if (g_waiting[i].object == object) {
      for (int j = i + 1; j < g_waiting_count; j++) g_waiting[j - 1] = g_waiting[j];
      g_waiting_count--;
      i--;
    }
  }
}

void vqframe_mark_started(bool send_refresh) {
  vqframe_state& f = vqframe();
  if (f.started) return;
  f.started = 1;
  if (!send_refresh) return;
  // A refresh may register or forget containers: work on a copy.
  waiting_container copy[100];
  int count = g_waiting_count;
  for (int i = 0; i < count; i++) copy[i] = g_waiting[i];
  g_waiting_count = 0;
  for (int i = 0; i < count; i++) vqsend(copy[i].handler, copy[i].object, VQCMD_FIRSTREFRESH);
}
