// The hit-region table that panels and windows keep, and a child's request
// for a region.
#include "vqregion.h"

#include "vqcommand.h"

vqregion vqregion_of(const vqregion_request& q) {
  vqregion r{};
  r.in_use = 1;
  r.x = q.x;
  r.y = q.y;
  r.w = q.w;
  r.h = q.h;
  r.object = q.object;
  r.handler = q.handler;
  r.mouse = (q.flags & VQREGION_MOUSE) != 0;
  r.focusable = (q.flags & VQREGION_FOCUSABLE) != 0;
  r.hover = (q.flags & VQREGION_HOVER) != 0;
  r.scrollbars = (q.flags & VQREGION_SCROLLBARS) != 0;
  r.keeptab = (q.flags & VQREGION_KEEPTAB) != 0;
  return r;
}

int vqregion_ask(vqhandler host, void* host_object, const vqregion_request& q) {
  int low, high;
  vqptr_split(&q, &low, &high);
  return vqsend(host, host_object, VQCMD_ADDREGION, low, high);
}

bool vqregion_contains(const vqregion& r, int px, int py, vqregion_edge edge) {
  if (edge == VQREGION_EDGE_HOST) return r.x < px && px < r.x + r.w && r.y < py && py < r.y + r.h;
  return r.x <= px && px < r.x + r.w && r.y <= py && py < r.y + r.h;
}

vqregion* vqregion_get(const vqregion_table& t, int index) {
  if (t.slots == nullptr || index < 0 || index >= *t.count || !t.slots[index].in_use) return nullptr;
  return &t.slots[index];
}

int vqregion_hit(const vqregion_table& t, int from, int px, int py) {
  for (int i = from < 0 ? 0 : from; i < *t.count; i++) {
    const vqregion* r = vqregion_get(t, i);
    if (r != nullptr && r->mouse && vqregion_contains(*r, px, py, t.edge)) return i;
  }
  return -1;
}

int vqregion_add(const vqregion_table& t, const vqregion_request& q) {
  if (t.slots == nullptr) return -1;
  int i = 0;
  while (i < *t.count && t.slots[i].in_use) i++;
  if (i == t.capacity) return -1;
  if (i == *t.count) ++*t.count;
  t.slots[i] = vqregion_of(q);
  return i;
}

void vqregion_remove(const vqregion_table& t, void* object) {
  for (int i = 0; i < *t.count; i++)
    if (t.slots[i].in_use && t.slots[i].object == object) t.slots[i] = vqregion{};
  while (*t.count > 0 && !t.slots[*t.count - 1].in_use) --*t.count;
}

bool vqregion_move(const vqregion_table& t, int index, int x, int y, int w, int h) {
  vqregion* r = vqregion_get(t, index);
  if (r == nullptr) return false;
  r->x = x;
  r->y = y;
  r->w = w;
  r->h = h;
  return true;
}
