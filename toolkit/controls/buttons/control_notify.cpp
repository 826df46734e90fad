// Control events: a control's own code goes to its callback or into the
// event queue, then to its parameterless callback.
#include "vqcontrols.h"

#include "vqevent.h"

namespace {

int g_default_font = -1;

}  // namespace

void vqcontrol_init(vqcontrol* c) {
  c->event = vqnewevent();
  c->callback = nullptr;
  c->callback_object = nullptr;
  c->simple_callback = nullptr;
  c->last_code = c->last_a1 = c->last_a2 = 0;
}

void vqcontrol_send(vqcontrol* c, int code, int a1, int a2) {
  if (c == nullptr) return;
  // Stored first, so that a callback that asks the control sees this event.
  c->last_code = code;
  c->last_a1 = a1;
  c->last_a2 = a2;
  if (c->callback != nullptr)
    c->callback(c->callback_object, code, a1, a2);
  else
    vqpostevent(code);
  if (c->simple_callback != nullptr && code == c->event) c->simple_callback();
}

void vqcontrol_notify(vqcontrol* c, int a1, int a2) {
  if (c != nullptr) vqcontrol_send(c, c->event, a1, a2);
}

void vqcontrol_setdefaultfont(int font) { g_default_font = font; }

int vqcontrol_defaultfont() { return g_default_font; }
