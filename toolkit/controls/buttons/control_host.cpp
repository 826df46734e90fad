// A control's side of the panel protocol: the hit region, showing
// rectangles, focus and mouse capture.
#include "controls_internal.h"

#include "vqtarget.h"
#include "vqview.h"

namespace {

// A host that was destroyed without telling its regions (it is no longer a
// registered container) gets nothing more from us.
bool alive(const vqcontrol_host* h) {
  return h->handler != nullptr && vqcontainer_find(h->object) != nullptr;
}

int ask(const vqcontrol_host* h, int command, int a1 = 0, int a2 = 0, int a3 = 0, int a4 = 0) {
  if (!alive(h)) return 0;
  return vqsend(h->handler, h->object, command, a1, a2, a3, a4);
}

}  // namespace

void vqcontrol_host_register(vqcontrol_host* h, vqhandler handler, void* object, int x, int y, int w,
                             int h_, unsigned flags) {
  h->region = alive(h) ? vqregion_ask(h->handler, h->object, {handler, object, x, y, w, h_, flags}) : -1;
}

void vqcontrol_host_detach(vqcontrol_host* h, void* object) {
  int low, high;
  vqptr_split(object, &low, &high);
  ask(h, VQCMD_REMOVEREGIONS, low, high);
  *h = vqcontrol_host{nullptr, nullptr, nullptr, -1};
}

vqpxmap* vqcontrol_host_pixmap(const vqcontrol_host* h) { return alive(h) ? h->pixmap : nullptr; }

void vqcontrol_host_show(const vqcontrol_host* h, int x, int y, int w, int h_) {
  ask(h, VQCMD_SHOWRECT, x, y, w, h_);
}

bool vqcontrol_host_focus(const vqcontrol_host* h) {
  return h->region >= 0 && ask(h, VQCMD_FOCUSREGION, h->region) != 0;
}

void vqcontrol_host_focusnext(const vqcontrol_host* h) { ask(h, VQCMD_FOCUSNEXT); }

void vqcontrol_host_capture(const vqcontrol_host* h) {
  if (h->region >= 0) ask(h, VQCMD_CAPTURE, h->region);
}

void vqcontrol_host_release(const vqcontrol_host* h) {
  if (h->region >= 0) ask(h, VQCMD_RELEASE, h->region);
}
