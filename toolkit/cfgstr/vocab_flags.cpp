// Flag vocabularies: focus, greyed, scrollbars, refresh, alignment, value.
#include "vqcfgstr.h"

static void flags(char** list, int first, const char* const* names, uint8_t* flag) {
  uint8_t dummy = 0;
  for (const char* const* n = names; *n; ++n) vqcfgstr_flag(list, first, *n, flag ? flag : &dummy);
}

void vqcfgstr_focus(char** list, int first, uint8_t* nofocus) {
  static const char* const names[] = {"nokeyfocus", "nofocus",    "skip",        "focus=0",
                                      "focus=no",   "keyfocus=0", "keyfocus=no", nullptr};
  flags(list, first, names, nofocus);
}

void vqcfgstr_greyed(char** list, int first, uint8_t* greyed) {
  static const char* const names[] = {"grey", "greyed", nullptr};
  flags(list, first, names, greyed);
}

void vqcfgstr_scrollbars(char** list, int first, uint8_t* nohorizontal, uint8_t* novertical) {
  uint8_t dummy = 0;
  vqcfgstr_flag(list, first, "nohorizontalscrollbar", nohorizontal ? nohorizontal : &dummy);
  vqcfgstr_flag(list, first, "noverticalscrollbar", novertical ? novertical : &dummy);
}

void vqcfgstr_refresh(char** list, int first, uint8_t* autorefresh, uint8_t* direct,
                      uint8_t* nostandardview) {
  static const char* const off[] = {"drawoff",   "noredraw",   "norefresh",   "redraw=0",
                                    "refresh=0", "redraw=off", "refresh=off", nullptr};
  uint8_t hit = 0;
  flags(list, first, off, &hit);
  if (hit && autorefresh) *autorefresh = 0;
  static const char* const drawdirect[] = {"directdraw", "opengl", nullptr};
  flags(list, first, drawdirect, direct);
  uint8_t nsv = 0;
  vqcfgstr_flag(list, first, "nostandardview", &nsv);
  if (nsv) {
    if (direct) *direct = 1;
    if (nostandardview) *nostandardview = 1;
  }
}

void vqcfgstr_align(char** list, int first, uint8_t* right) {
  static const char* const names[] = {"right", "align=right", "rightaligned", nullptr};
  flags(list, first, names, right);
}

void vqcfgstr_default(char** list, int first, double* value, uint8_t* showpos) {
  for (int i = first; list && list[i]; ++i) {
    char* t = list[i];
    if (vqcfgstr_match(t, "default=") || vqcfgstr_match(t, "def=") || vqcfgstr_match(t, "start=")) {
      double v;
      vqcfgstr_numvalue(t, &v, nullptr);
      if (value) *value = v;
    } else if (vqcfgstr_matchprefix(t, "showpos")) {
      if (showpos) *showpos = 1;
    } else {
      continue;
    }
    vqcfgstr_consume(t);
  }
}

void vqcfgstr_palettecode(char** list, int first, int* code) {
  for (int i = first; list && list[i]; ++i)
    if (vqcfgstr_match(list[i], "palettecode=")) {
      *code = vqcfgstr_intvalue(list[i]);
      vqcfgstr_consume(list[i]);
    }
}
