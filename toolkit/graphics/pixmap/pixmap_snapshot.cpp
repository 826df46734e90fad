// Background snapshots: what lay under a cursor is saved before it is drawn
// and put back to erase it.
#include "pixmap_internal.h"

bool vqpxmap_snapshot_save(vqpxmap_snapshot* snap, vqpxmap* pm, int x, int y, int width, int height) {
  if (!snap || !pm) return false;
  if (pm->format < VQPX_PALETTE8 || pm->format > VQPX_DIRECTX) {
    vqpxmap_report("vqpxmap_snapshot_save: wrong format %d\n", pm->format);
    return false;
  }
  vqpxmap_rect r = vqpxmap_clip(x, y, width, height, pm->width, pm->height);
  vqpxmap& saved = snap->saved;
  if (saved.width != r.w || saved.height != r.h || saved.format != pm->format || !saved.palette) {
    vqpxmap_free(&saved);
    saved.width = r.w;
    saved.height = r.h;
    saved.format = pm->format;
    if (!vqpxmap_allocate(&saved)) {
      vqpxmap_free(&saved);
      snap->source = nullptr;
      return false;
    }
  }
  vqpxmap_copy_exact(&saved, 0, 0, pm, r.x, r.y, r.w, r.h);
  snap->source = pm;
  snap->x = r.x;
  snap->y = r.y;
  return true;
}

bool vqpxmap_snapshot_restore(vqpxmap_snapshot* snap) {
  if (!snap || !snap->source || !snap->saved.palette) return false;
  vqpxmap* pm = snap->source;
  if (pm->format != snap->saved.format) return false;
  // The source may have shrunk since the save; only what still fits goes back.
  vqpxmap_rect r = vqpxmap_clip(snap->x, snap->y, snap->saved.width, snap->saved.height, pm->width, pm->height);
  if (r.empty()) return true;
  vqpxmap_copy_exact(pm, r.x, r.y, &snap->saved, r.x - snap->x, r.y - snap->y, r.w, r.h);
  return true;
}

void vqpxmap_snapshot_free(vqpxmap_snapshot* snap) {
  if (!snap) return;
  vqpxmap_free(&snap->saved);
  snap->source = nullptr;
  snap->x = snap->y = 0;
}
