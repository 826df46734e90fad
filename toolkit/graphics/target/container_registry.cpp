// The containers new objects are placed in: 100 entries and the index of
// the current one.
#include "vqframe.h"
#include "vqtarget.h"

namespace {

constexpr int kEntries = 100;
vqcontainer g_entries[kEntries];
int g_current = -1;
int g_saved = -1;

int index_of(void* object) {
  if (!object) return -1;
  for (int i = 0; i < kEntries; i++)
    if (g_entries[i].in_use && g_entries[i].object == object) return i;
  return -1;
}

int used_entries() {
  int used = 0;
  for (const vqcontainer& e : g_entries) used += e.in_use;
  return used;
}

// The entry a new object takes: the first free one, but a registration that
// would fill the last free entry wraps around to entry 0 instead, so the
// table never runs out (a silent limit, as every table of the toolkit).
int entry_for_new() {
  if (used_entries() + 1 >= kEntries) return 0;
  for (int i = 0; i < kEntries; i++)
    if (!g_entries[i].in_use) return i;
  return 0;
}

}  // namespace

int vqcontainer_register(vqpxmap* pixmap, vqhandler handler, void* object, uint32_t background,
                         bool deferred_first_refresh) {
  int i = index_of(object);
  if (i < 0) {
    i = entry_for_new();
    // An entry taken over by the wrap-around no longer waits for the start.
    if (g_entries[i].in_use && g_entries[i].deferred_first_refresh)
      vqframe_forget_first_refresh(g_entries[i].object);
  }
  vqcontainer& e = g_entries[i];
  bool was_waiting = e.in_use && e.object == object && e.deferred_first_refresh;
  e.in_use = 1;
  e.pixmap = pixmap;
  e.handler = handler;
  e.object = object;
  e.background = background;
  e.deferred_first_refresh = deferred_first_refresh ? 1 : 0;
  if (deferred_first_refresh && !was_waiting) vqframe_defer_first_refresh(handler, object);
  if (!deferred_first_refresh && was_waiting) vqframe_forget_first_refresh(object);
  g_current = i;
  return i;
}

void vqcontainer_remove(void* object) {
  int i = index_of(object);
  if (i < 0) return;
  if (g_entries[i].deferred_first_refresh) vqframe_forget_first_refresh(object);
  g_entries[i] = vqcontainer{};
  if (g_saved == i) g_saved = -1;
  if (g_current != i) return;
  g_current = -1;
  for (int k = i - 1; k > 0; k--) {
    if (g_entries[k].in_use) {
      g_current = k;
      break;
    }
  }
}

const vqcontainer* vqcontainer_current() {
  if (g_current < 0 || !g_entries[g_current].in_use) return nullptr;
  return &g_entries[g_current];
}

const vqcontainer* vqcontainer_find(void* object) {
  int i = index_of(object);
  return i < 0 ? nullptr : &g_entries[i];
}

void vqcontainer_save() { g_saved = g_current; }

void vqcontainer_restore() {
  if (g_saved >= 0 && g_entries[g_saved].in_use) g_current = g_saved;
}
