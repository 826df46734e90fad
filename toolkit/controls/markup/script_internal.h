// What the files of the markup view share; not part of the toolkit's
// interface.
#pragma once

#include "vqscript.h"

#include <string>

// Coordinates and distances are kept inside this range, so that markup
// numbers of any size add up without overflow.
enum { VQSCRIPT_COORDMAX = 1000000 };
int vqscript_clamp(long long v);
// A decimal number at the start of text (blanks and a sign allowed),
// saturated to the coordinate range; *percent tells whether a '%' follows.
int vqscript_number(const char* text, bool* percent = nullptr);

// ---- script_words.cpp ------------------------------------------------------

int vqscript_wrap_edge(const vqGUIScript* v);
// Lays out one word as the word placement does.
void vqscript_place_word(vqGUIScript* v, const char* word, size_t length);
// Cuts text into words and places each.
void vqscript_place_text(vqGUIScript* v, const char* text);
// Draws the words collected since `center`, centred on the line.
void vqscript_flush_center(vqGUIScript* v);
// Pixels of a height (or width) as drawn: halved in double-size mode.
inline int vqscript_shown(const vqGUIScript* v, int pixels) {
  return v->double_size ? pixels / 2 : pixels;
}

// ---- script_tags_layout.cpp, script_tags_draw.cpp ---------------------------

// Each handles the tags it knows and returns false for any other name.
bool vqscript_layout_tag(vqGUIScript* v, const char* name, const std::string& value);
bool vqscript_drawing_tag(vqGUIScript* v, const char* name, const std::string& value);
// Sets normal and bold font as the font tag does.
void vqscript_setfont(vqGUIScript* v, const char* name);

// ---- script_controls.cpp ---------------------------------------------------

// Grows the table by 100 records when more than capacity - 10 are in use.
void vqscript_grow(vqGUIScript* v);
// The first free record (the table grows when none is free), zeroed and
// marked in use with this name and type.
vqscript_record* vqscript_newrecord(vqGUIScript* v, const char* name, const char* type);
// A named point of this type, or null.
vqscript_record* vqscript_point(vqGUIScript* v, const char* name, const char* type);
// Destroys every control and empties every record.
void vqscript_clear(vqGUIScript* v);
// A control tag (or table): false for any other name.
bool vqscript_control_tag(vqGUIScript* v, const char* name, const std::string& value);
// The table tags.
void vqscript_table_begin(vqGUIScript* v, const std::string& value);
void vqscript_table_end(vqGUIScript* v);
// Draws every control again (after a line was pushed down under them).
void vqscript_redraw_controls(vqGUIScript* v);

// ---- script_kinds.cpp ------------------------------------------------------

// What the view does with a control of one tag keyword. Any function may be
// null where the kind has nothing to say.
struct vqscript_kind {
  const char* type;
  int y_shift;                 // added to y when the control is placed
  const char* extra;           // appended to the position ("nostandardview")
  bool line_below;             // afterwards: next line below the control, else x at its right edge
  void* (*make)(vqGUIScript* v, const char* options);   // null when it cannot be created
  void (*destroy)(void* control);
  int (*right)(const void* control);
  int (*bottom)(const void* control);
  int (*value)(const void* control);
  bool (*owns)(const void* control, int code);
  void (*write)(void* control, const char* text);
  void (*redraw)(void* control);
  bool fontid_option = false;  // takes the markup's font as fontid=, not as the default control font
};
const vqscript_kind* vqscript_kind_of(const char* type);
