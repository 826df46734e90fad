// What the application asks of a laid-out markup: controls by name, which
// control an event came from, values, and text printed into a control.
#include "script_internal.h"

#include "vqcfgstr.h"

#include <cstring>

namespace {

// A name longer than the record's field matches the record that holds as
// much of it as fits.
bool same_name(const char* record_name, const char* name) {
  return strncmp(record_name, name, VQSCRIPT_NAMESIZE - 1) == 0;
}

const vqscript_kind* kind(const vqscript_record& r) {
  return r.in_use && r.control ? vqscript_kind_of(r.type) : nullptr;
}

}  // namespace

const vqscript_record* vqscript_findrecord(const vqGUIScript* v, const char* name) {
  if (!v || !v->controls || !name) return nullptr;
  for (int i = 0; i < v->control_capacity; i++) {
    const vqscript_record& r = v->controls[i];
    if (r.in_use && same_name(r.name, name)) return &r;
  }
  return nullptr;
}

void* vqscript_findcontrol(const vqGUIScript* v, const char* name) {
  const vqscript_record* r = vqscript_findrecord(v, name);
  return r ? r->control : nullptr;
}

bool vqscript_is(const vqGUIScript* v, int code, const char* name) {
  if (!v || !v->controls || !name) return false;
  for (int i = 0; i < v->control_capacity; i++) {
    const vqscript_record& r = v->controls[i];
    const vqscript_kind* k = kind(r);
    if (k && k->owns && k->owns(r.control, code)) return same_name(r.name, name);
  }
  return false;
}

int vqscript_value(const vqGUIScript* v, const char* name) {
  const vqscript_record* r = vqscript_findrecord(v, name);
  if (!r) return 0;
  if (strcmp(r->type, "ypoint") == 0 || strcmp(r->type, "xpoint") == 0) return r->value;
  const vqscript_kind* k = kind(*r);
  return k && k->value ? k->value(r->control) : 0;
}

bool vqscript_printf(const vqGUIScript* v, const char* name, const char* format, ...) {
  if (!v || !v->controls || !name) return false;
  const vqscript_record* r = nullptr;
  const vqscript_kind* k = nullptr;
  for (int i = 0; i < v->control_capacity && !r; i++) {
    const vqscript_record& c = v->controls[i];
    k = kind(c);
    if (k && k->write && same_name(c.name, name)) r = &c;
  }
  if (!r) return false;
  static char text[VQSCRIPT_PRINTMAX + 1];
  va_list args;
  va_start(args, format);
  vqcfgstr_vformat(text, sizeof text, format, args);
  va_end(args);
  k->write(r->control, text);
  return true;
}
