// What the markup view does with each kind of control: how a tag creates
// it, where the line goes on afterwards, its value, the event codes it
// owns, text written into it, and how it is destroyed.
#include "script_internal.h"

#include "vqcontrols.h"
#include "vqminor.h"
#include "vqterminal.h"
#include "vqview.h"

#include <cstdio>
#include <strings.h>

namespace {

// ---- terminal ----------------------------------------------------------------

void* make_terminal(vqGUIScript*, const char* options) {
  vqTerminal* t = new vqTerminal;
  if (vqterm_create(t, "%s", options)) return t;
  delete t;
  return nullptr;
}
void destroy_terminal(void* c) { delete static_cast<vqTerminal*>(c); }
int terminal_right(const void* c) {
  const vqTerminal* t = static_cast<const vqTerminal*>(c);
  return t->x + t->width;
}
int terminal_bottom(const void* c) {
  const vqTerminal* t = static_cast<const vqTerminal*>(c);
  return t->y + t->height;
}
void terminal_write(void* c, const char* text) { vqterm_write(static_cast<vqTerminal*>(c), text); }
void terminal_redraw(void* c) { vqterm_redraw(static_cast<vqTerminal*>(c)); }

// ---- up-down control and push button -------------------------------------------

void* make_updown(vqGUIScript*, const char* options) {
  vqUpDownControl* c = new vqUpDownControl;
  if (vqupdown_create(c, "%s", options)) return c;
  delete c;
  return nullptr;
}
void destroy_updown(void* c) { delete static_cast<vqUpDownControl*>(c); }
int updown_right(const void* c) { return vqupdown_right(static_cast<const vqUpDownControl*>(c)); }
int updown_bottom(const void* c) { return vqupdown_bottom(static_cast<const vqUpDownControl*>(c)); }
int updown_value(const void* c) { return vqupdown_intvalue(static_cast<const vqUpDownControl*>(c)); }
bool updown_owns(const void* c, int code) {
  return vqupdown_event(static_cast<const vqUpDownControl*>(c)) == code;
}
void updown_redraw(void* c) { vqupdown_redraw(static_cast<vqUpDownControl*>(c)); }

void* make_button(vqGUIScript*, const char* options) {
  vqButton* b = new vqButton;
  if (vqbutton_create(b, "%s", options)) return b;
  delete b;
  return nullptr;
}
void destroy_button(void* c) { delete static_cast<vqButton*>(c); }
int button_right(const void* c) { return vqbutton_right(static_cast<const vqButton*>(c)); }
int button_bottom(const void* c) { return vqbutton_bottom(static_cast<const vqButton*>(c)); }
int button_value(const void* c) { return vqbutton_state(static_cast<const vqButton*>(c)); }
bool button_owns(const void* c, int code) { return vqbutton_event(static_cast<const vqButton*>(c)) == code; }
void button_redraw(void* c) { vqbutton_redraw(static_cast<vqButton*>(c)); }

// ---- graphic panel -------------------------------------------------------------

void* make_view(vqGUIScript*, const char* options) {
  vqView* p = new vqView;
  if (vqgraphic_create(p, "%s", options)) return p;
  delete p;
  return nullptr;
}
void destroy_view(void* c) { delete static_cast<vqView*>(c); }
int view_right(const void* c) {
  const vqView* p = static_cast<const vqView*>(c);
  return p->layout.x + p->layout.width;
}
int view_bottom(const void* c) {
  const vqView* p = static_cast<const vqView*>(c);
  return p->layout.y + p->layout.height;
}
bool view_owns(const void* c, int code) {
  for (int e : static_cast<const vqView*>(c)->events)
    if (e == code) return true;
  return false;
}
void view_redraw(void* c) { vqgraphic_refresh(static_cast<vqView*>(c)); }

// ---- the small controls: all keep a vqminor_box as `box` -------------------------

template <typename T>
int box_right(const void* c) {
  const vqminor_box& b = static_cast<const T*>(c)->box;
  return b.x + b.width;
}
template <typename T>
int box_bottom(const void* c) {
  const vqminor_box& b = static_cast<const T*>(c)->box;
  return b.y + b.height;
}
template <typename T>
bool box_owns(const void* c, int code) {
  return static_cast<const T*>(c)->box.event == code;
}
template <typename T>
void destroy(void* c) {
  delete static_cast<T*>(c);
}

// A link takes the view's link colors unless its options name others: they
// go right after the label, and the last color keyword wins.
void* make_link(vqGUIScript* v, const char* options) {
  std::string text = options;
  size_t comma = text.find(',');
  char colors[96];
  std::snprintf(colors, sizeof colors, ",textcolor=%06x,bgcolor=%06x,highlightcolor=%06x,activecolor=%06x",
                v->link_color & 0xFFFFFF, v->link_background & 0xFFFFFF, v->link_highlight & 0xFFFFFF,
                v->link_active & 0xFFFFFF);
  text.insert(comma == std::string::npos ? text.size() : comma, colors);
  vqLink* c = new vqLink;
  if (vqlink_create(c, "%s", text.c_str())) return c;
  delete c;
  return nullptr;
}
void link_redraw(void* c) { vqlink_draw(static_cast<vqLink*>(c)); }

template <int Style>
void* make_toggle(vqGUIScript*, const char* options) {
  vqToggle* c = new vqToggle;
  if (vqtoggle_create(c, Style, "%s", options)) return c;
  delete c;
  return nullptr;
}
int toggle_value(const void* c) { return static_cast<const vqToggle*>(c)->state; }
void toggle_redraw(void* c) { vqtoggle_draw(static_cast<vqToggle*>(c)); }

void* make_lineinput(vqGUIScript*, const char* options) {
  vqLineInput* c = new vqLineInput;
  if (vqlineinput_create(c, "%s", options)) return c;
  delete c;
  return nullptr;
}
int lineinput_value(const void* c) { return vqlineinput_value(static_cast<const vqLineInput*>(c)); }
void lineinput_redraw(void* c) { vqlineinput_draw(static_cast<vqLineInput*>(c)); }

template <int Style>
void* make_choice(vqGUIScript*, const char* options) {
  vqChoice* c = new vqChoice;
  if (vqchoice_create(c, Style, "%s", options)) return c;
  delete c;
  return nullptr;
}
int choice_value(const void* c) { return static_cast<const vqChoice*>(c)->selected; }
void choice_redraw(void* c) { vqchoice_draw(static_cast<vqChoice*>(c)); }

template <int Style>
void* make_range(vqGUIScript*, const char* options) {
  vqRange* c = new vqRange;
  if (vqrange_create(c, Style, "%s", options)) return c;
  delete c;
  return nullptr;
}
int range_value(const void* c) { return static_cast<const vqRange*>(c)->value; }
void range_redraw(void* c) { vqrange_draw(static_cast<vqRange*>(c)); }

template <bool Rich>
void* make_editor(vqGUIScript*, const char* options) {
  vqEditor* c = new vqEditor;
  if (vqeditor_create(c, Rich, "%s", options)) return c;
  delete c;
  return nullptr;
}
void editor_write(void* c, const char* text) { vqeditor_append(static_cast<vqEditor*>(c), text); }
void editor_redraw(void* c) { vqeditor_draw(static_cast<vqEditor*>(c)); }

void* make_table(vqGUIScript*, const char* options) {
  vqTable* c = new vqTable;
  if (vqtable_create(c, "%s", options)) return c;
  delete c;
  return nullptr;
}
int table_bottom(const void* c) { return vqtable_bottom(static_cast<const vqTable*>(c)); }
int table_value(const void* c) { return static_cast<int>(static_cast<const vqTable*>(c)->cells.size()); }
void table_redraw(void* c) { vqtable_draw(static_cast<vqTable*>(c)); }

// The terminal and the panel take no default control font: theirs is named
// in their options (fontid= after the position).
const vqscript_kind kKinds[] = {
    {"button", -2, "", false, make_button, destroy_button, button_right, button_bottom, button_value,
     button_owns, nullptr, button_redraw},
    {"updowncontrol", -4, "", false, make_updown, destroy_updown, updown_right, updown_bottom,
     updown_value, updown_owns, nullptr, updown_redraw},
    {"terminal", -2, ",nostandardview", true, make_terminal, destroy_terminal, terminal_right,
     terminal_bottom, nullptr, nullptr, terminal_write, terminal_redraw, true},
    {"view", 0, "", false, make_view, destroy_view, view_right, view_bottom, nullptr, view_owns, nullptr,
     view_redraw, true},
    {"link", 0, "", false, make_link, destroy<vqLink>, box_right<vqLink>, box_bottom<vqLink>, nullptr,
     box_owns<vqLink>, nullptr, link_redraw},
    {"checkbox", 0, "", false, make_toggle<VQTOGGLE_CHECKBOX>, destroy<vqToggle>, box_right<vqToggle>,
     box_bottom<vqToggle>, toggle_value, box_owns<vqToggle>, nullptr, toggle_redraw},
    {"switchbutton", -2, "", false, make_toggle<VQTOGGLE_SWITCH>, destroy<vqToggle>, box_right<vqToggle>,
     box_bottom<vqToggle>, toggle_value, box_owns<vqToggle>, nullptr, toggle_redraw},
    {"lineinput", -4, "", false, make_lineinput, destroy<vqLineInput>, box_right<vqLineInput>,
     box_bottom<vqLineInput>, lineinput_value, box_owns<vqLineInput>, nullptr, lineinput_redraw},
    {"listbox", 0, "", false, make_choice<VQCHOICE_LIST>, destroy<vqChoice>, box_right<vqChoice>,
     box_bottom<vqChoice>, choice_value, box_owns<vqChoice>, nullptr, choice_redraw},
    {"combobox", -4, "", false, make_choice<VQCHOICE_COMBO>, destroy<vqChoice>, box_right<vqChoice>,
     box_bottom<vqChoice>, choice_value, box_owns<vqChoice>, nullptr, choice_redraw},
    {"tabbar", 0, "", false, make_choice<VQCHOICE_TABS>, destroy<vqChoice>, box_right<vqChoice>,
     box_bottom<vqChoice>, choice_value, box_owns<vqChoice>, nullptr, choice_redraw},
    {"slide", 0, "", false, make_range<VQRANGE_SLIDER>, destroy<vqRange>, box_right<vqRange>,
     box_bottom<vqRange>, range_value, box_owns<vqRange>, nullptr, range_redraw},
    {"progressbar", 0, "", false, make_range<VQRANGE_PROGRESS>, destroy<vqRange>, box_right<vqRange>,
     box_bottom<vqRange>, range_value, nullptr, nullptr, range_redraw},
    {"editor", 0, "", true, make_editor<false>, destroy<vqEditor>, box_right<vqEditor>,
     box_bottom<vqEditor>, nullptr, nullptr, editor_write, editor_redraw},
    {"rtfeditor", 0, "", true, make_editor<true>, destroy<vqEditor>, box_right<vqEditor>,
     box_bottom<vqEditor>, nullptr, nullptr, editor_write, editor_redraw},
    // Made by the table tag, not as a control tag of its own.
    {"table", 0, "", true, make_table, destroy<vqTable>, box_right<vqTable>, table_bottom, table_value,
     nullptr, nullptr, table_redraw},
};

}  // namespace

const vqscript_kind* vqscript_kind_of(const char* type) {
  if (!type) return nullptr;
  for (const vqscript_kind& k : kKinds)
    if (strcasecmp(k.type, type) == 0) return &k;
  return nullptr;
}
