// What the up-down control and the push button share; not part of the
// toolkit's interface.
#pragma once

#include "vqcontrols.h"
#include "vqkeys.h"


// Auto-repeat of held arrows and mouserepeat buttons: a period of 100 ms,
// and the first repeat waits five periods, so that a click makes one step.
enum { VQCTL_REPEAT_MS = 100, VQCTL_REPEAT_DELAY = 5 };

// control_host.cpp: the control's side of the host vqoptions_open found.
// Registers the rectangle as a hit region (VQCMD_ADDREGION) with the region flags.
void vqcontrol_host_register(vqcontrol_host* h, vqhandler handler, void* object, int x, int y, int w,
                             int h_, unsigned flags);
// Removes the object's regions (VQCMD_REMOVEREGIONS) and forgets the host. Nothing is sent
// to a host that is no longer a registered container.
void vqcontrol_host_detach(vqcontrol_host* h, void* object);
// The pixmap to draw into, or null when the host is gone.
vqpxmap* vqcontrol_host_pixmap(const vqcontrol_host* h);
// Asks the host to bring the rectangle of its pixmap to the screen (VQCMD_SHOWRECT).
void vqcontrol_host_show(const vqcontrol_host* h, int x, int y, int w, int h_);
// Asks for the keyboard focus (VQCMD_FOCUSREGION); true when the host granted it.
bool vqcontrol_host_focus(const vqcontrol_host* h);
void vqcontrol_host_focusnext(const vqcontrol_host* h);
void vqcontrol_host_capture(const vqcontrol_host* h);
void vqcontrol_host_release(const vqcontrol_host* h);


// updown_draw.cpp: where the parts of an up-down control lie (host pixmap
// coordinates).
struct vqupdown_geometry {
  int column_x, column_w;   // the arrow column
  int box_top, box_h;       // the up box; the down box follows directly below
  int text_y;
  int text_left, text_right;   // the text stays in [text_left, text_right)
};
void vqupdown_geometry_of(const vqUpDownControl* c, vqupdown_geometry* g);
// The text as shown (stars in password mode), into out.
void vqupdown_shown(const vqUpDownControl* c, char* out, int size);
// The first character shown and the x it is drawn at.
void vqupdown_textplace(const vqUpDownControl* c, int* first, int* x);

// updown_edit.cpp: keys while the control has the focus; true when taken.
bool vqupdown_key(vqUpDownControl* c, int key);
// Editing starts (cursor at index, -1 the end) or ends: accept puts the text
// onto the grid and into range and sends an event when the value changed;
// cancel puts back the text from the start of editing.
void vqupdown_edit_begin(vqUpDownControl* c, int index);
void vqupdown_edit_accept(vqUpDownControl* c);
void vqupdown_edit_cancel(vqUpDownControl* c);
// The text index nearest to a pixmap x, for a click into the field.
int vqupdown_index_at(const vqUpDownControl* c, int px);

// button_hotkey.cpp: the buttons that answer to a key anywhere.
void vqbutton_hotkey_add(vqButton* b);
void vqbutton_hotkey_remove(vqButton* b);

// button_input.cpp: a click as the user makes one (press, release, event).
void vqbutton_click(vqButton* b);

// button_draw.cpp: the label's size as the preferred size counts it.
int vqbutton_labelwidth(const vqButton* b);
