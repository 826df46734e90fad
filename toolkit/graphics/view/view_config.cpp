// A panel's life: construction, configuration from an option string in its
// fixed order of steps, selection as container, and destruction.
#include "view_internal.h"

#include "vqcolor.h"
#include "vqevent.h"
#include "vqfont.h"
#include "vqtarget.h"

#include <cstdarg>
#include <cstdio>

namespace {

// Everything but the event codes, which the application may already hold.
void reset_fields(vqView* v) {
  v->font = -1;
  for (uint32_t& c : v->theme) c = 0;
  v->border = 0;
  v->background = 0;
  v->transparent = 0;
  v->textcolor = 0;
  v->host_handler = nullptr;
  v->host_object = nullptr;
  v->mouse_callback = nullptr;
  v->callback_object = nullptr;
  v->main_event_function = nullptr;
  v->child_id = -1;
  v->visible = 1;
  v->greyed = v->created = v->focused = 0;
  v->enabled = 1;
  v->nofocus = v->mouse_captured = 0;
  vqgeometry_reset(&v->layout);
  v->host_pixmap = nullptr;
  v->direct = 0;
  v->hovered_region = v->captured_region = v->focused_region = -1;
  v->regions = nullptr;
  v->region_count = v->region_capacity = 0;
  v->last_mouse_x = v->last_mouse_y = 0;
  v->autorefresh = 1;
  v->inner_view = nullptr;
  vqpxmap_init(&v->pixmap);
  v->scroll_x = v->scroll_y = 0;
  v->centre_x = v->centre_y = 0;
  v->vscroll_allowed = v->hscroll_allowed = 1;
  v->nokeyscroll = v->wheelalways = v->autofocus = 0;
  v->vscroll_shown = v->hscroll_shown = 0;
}

// A palette pixmap is cleared with the entry that holds the color; a color
// it lacks takes the next free entry.
int32_t clear_value(vqpxmap* pm, uint32_t color) {
  if (pm->format != VQPX_PALETTE8 && pm->format != VQPX_PALETTE16) return static_cast<int32_t>(color);
  int index = vqpxmap_findcolor(pm, static_cast<int32_t>(color));
  if (index >= 0 && index != VQPX_TRANSPARENT_INDEX) return index;
  index = pm->next_free_entry;
  vqpxmap_setpalette(pm, index, static_cast<int32_t>(color));
  pm->next_free_entry = index > 1 ? index - 1 : 254;
  return index;
}

struct option_list {
  char text[VQCFGSTR_CONTROLTEXT];
  alignas(char*) unsigned char buffer[VQCFGSTR_CONTROLLIST];
  char** tokens = nullptr;
};

}  // namespace

vqView::vqView() {
  for (int& code : events) code = vqnewevent();
  reset_fields(this);
}

vqView::~vqView() {
  vqgraphic_destroy(this);
  vqrefresh_forget(this);
  inner_view = nullptr;   // the markup view owns itself; nothing is drawn through it yet
}

bool vqgraphic_create(vqView* v, const char* format, ...) {
  if (!v) return false;
  // A reconfigured panel keeps its border unless the options name one.
  int previous_border = v->border;
  if (v->created) vqgraphic_destroy(v);
  v->border = previous_border;
  const vqcontainer* host = vqcontainer_current();
  if (!host || !host->pixmap) {
    printf("vqgraphic_create: no container\n");
    return false;
  }
  // Step 2: default font, host, theme.
  v->font = -1;
  v->host_handler = host->handler;
  v->host_object = host->object;
  v->host_pixmap = host->pixmap;
  v->transparent = host->background;
  vqcolor_systemtable(v->theme);
  v->background = v->theme[VQCOLOR_GREY];
  v->textcolor = v->theme[VQCOLOR_TEXT];

  option_list* o = new option_list;
  va_list args;
  va_start(args, format);
  vqcfgstr_vformat(o->text, sizeof o->text, format ? format : "", args);
  va_end(args);
  char** t = o->tokens = vqcfgstr_split(o->text, o->buffer, sizeof o->buffer);

  vqgeometry_reset(&v->layout);
  v->layout.parentwidth = v->host_pixmap->width;
  v->layout.parentheight = v->host_pixmap->height;
  vqcfgstr_geometry(t, 0, &v->layout);

  vqcfgstr_border(t, 0, &v->border);
  vqfont_option(t, 0, &v->font);
  vqcfgstr_focus(t, 0, &v->nofocus);
  vqcfgstr_greyed(t, 0, &v->greyed);
  vqcfgstr_bgcolor(t, 0, &v->background);
  vqcfgstr_textcolor(t, 0, &v->textcolor);
  vqcfgstr_transcolor(t, 0, &v->transparent);

  int type = VQPX_TRUECOLOR, pw = 0, ph = 0, colors = 0;
  uint8_t nostandardview = 0, standardview = 0, nohorizontal = 0, novertical = 0;
  vqcfgstr_pxmaptype(t, 0, &type);
  vqcfgstr_pxmap(t, 0, &pw, &ph, &colors, &type);
  vqcfgstr_refresh(t, 0, &v->autorefresh, &v->direct, &nostandardview);
  vqcfgstr_scrollbars(t, 0, &nohorizontal, &novertical);
  v->hscroll_allowed = !nohorizontal;
  v->vscroll_allowed = !novertical;
  vqcfgstr_flag(t, 0, "nokeyscroll", &v->nokeyscroll);
  vqcfgstr_flag(t, 0, "scrollwheelalways", &v->wheelalways);
  vqcfgstr_flag(t, 0, "autofocus", &v->autofocus);
  vqcfgstr_flag(t, 0, "standardview", &standardview);
  delete o;

  vqgeometry_compute(&v->layout);
  vqpxmap* surface = vqview_surface(v);
  if (!v->direct) {
    v->pixmap.format = type;
    v->pixmap.width = pw > 0 ? pw : v->layout.width;
    v->pixmap.height = ph > 0 ? ph : v->layout.height;
    if (!vqpxmap_allocate(&v->pixmap)) vqpxmap_init(&v->pixmap);
  }
  if (!nostandardview) vqtarget_set(vqView::command, v);
  if (surface->format != VQPX_SCREEN) {
    uint32_t bg = v->background == VQ_NOCOLOR ? 0 : v->background;
    vqpxmap_clear(surface, clear_value(surface, bg));
  }

  v->regions = new vqregion[5]();
  v->region_capacity = 5;
  v->region_count = 0;
  v->created = 1;

  vqregion_request request{vqView::command, v, v->layout.x, v->layout.y, v->layout.width,
                           v->layout.height, 0};
  request.flags = VQREGION_MOUSE | (v->nofocus ? 0u : VQREGION_FOCUSABLE) | VQREGION_HOVER |
                  VQREGION_SCROLLBARS;
  int low, high;
  vqptr_split(&request, &low, &high);
  v->child_id = vqsend(v->host_handler, v->host_object, VQVIEW_ADDREGION, low, high);

  vqview_layout_scrollbars(v);
  v->visible = vqsend(v->host_handler, v->host_object, VQVIEW_ISHIDDEN) ? 0 : 1;
  if (v->visible) vqgraphic_refresh(v);
  if (standardview) vqgraphic_select(v);
  return true;
}

void vqgraphic_select(vqView* v) {
  if (!v || !v->created) return;
  vqcontainer_register(vqview_surface(v), vqView::command, v, v->background, false);
  vqtarget_set(vqView::command, v);
}

void vqgraphic_destroy(vqView* v) {
  if (!v || !v->created) return;
  v->inner_view = nullptr;
  vqview_tell_regions(v, VQVIEW_DESTROY);
  vqview_free_regions(v);
  vqpxmap_free(&v->pixmap);
  int low, high;
  vqptr_split(v, &low, &high);
  vqsend(v->host_handler, v->host_object, VQVIEW_REMOVEREGIONS, low, high);
  vqtarget_clear(vqView::command, v);
  vqcontainer_remove(v);
  vqrefresh_forget(v);
  reset_fields(v);
}
