// The main screen: the window, its line of controls and terminals, and the
// six graphic panels the quiz draws into.
#include "game_screen.h"

#include "game_desktop.h"
#include "game_io.h"
#include "game_state.h"
#include "quiz_flow.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqtarget.h"

vqWindow main_window;
vqGUIScript main_markup;
vqView main_panel;
vqView progress_panel;
vqView avatar_panel;
vqView time_panel;
vqView right_panel;
vqView wrong_panel;

int32_t picture_area_width = 1280;
int32_t picture_area_height = 720;
int32_t click_offset_x = 10;
int32_t click_offset_y = 180;
int32_t choice_box_spacing = 120;

namespace {

const char window_options[] = "QUORILA screen %dx%d;,x=50%,y=50%,xs=1305,ys=915,bgcolor=e0e0e0";

const char markup_line[] =
    " Level: <updowncontrol=udStufe,min=1,max=12,start=1,xs=35> Stufe: "
    "<updowncontrol=udSchwierigkeit,min=1,max=3,start=1,xs=30> Anzahl Aufgaben: "
    "<updowncontrol=udAnzahlAufgaben,min=1,max= 24,start=12,xs=40>  <button=btEdit,Aufgabenauswahl?,xs=130>   "
    "<button=btStart,START,xs=70> <button=btEnde,ENDE,xs=70> <save=y1>\n\n\n "
    "<x=10><terminal=term,xs=927,lines=5,scrollback=1000,font=12x24><restore=y1>\n\n\n\n\n\n\n\n"
    "<x=950><terminal=term1,xs=195,lines=2,scrollback=1000,font=12x24> ";

struct panel_option {
  vqView* panel;
  const char* options;
};
// In the order they are created.
const panel_option panels[] = {
    {&main_panel, "x=10,y=200,xs=1280,ys=710,backgroundcolor=white"},
    {&progress_panel, "x=630,y=7,xs=515,ys=24,backgroundcolor=white"},
    {&avatar_panel, "x=1160,y=7,xs=132,ys=162,backgroundcolor=white"},
    {&time_panel, "x=950,y=40,xs=196,ys=24,backgroundcolor=white"},
    {&right_panel, "x=950,y=70,xs=196,ys=24,backgroundcolor=white"},
    {&wrong_panel, "x=950,y=100,xs=196,ys=24,backgroundcolor=white"},
};

}  // namespace

bool open_main_screen() {
  const int width = vqscreen_metric("screenxs");
  const int height = vqscreen_metric("screenys");
  if (!vqwindow_open(&main_window, window_options, width, height)) return false;
  game_set_window_icon();
  vqscript_setmarkup(&main_markup, markup_line);
  game_io_connect(&main_markup);
  return true;
}

void setup_screen() {
  game_choice_count = 6;
  // The markup has placed its controls; the panels belong to the window's
  // own main panel, beside them.
  vqgraphic_select(&main_window.panels[0]);
  for (const panel_option& p : panels) vqgraphic_create(p.panel, "%s", p.options);
  draw_panel_labels();
  picture_area_width = 1280;
  picture_area_height = 720;
  click_offset_x = 10;
  click_offset_y = 180;
  game_right_count = 0;
  game_wrong_count = 0;
  vqgraphic_select(&main_panel);
  init_task_tables();
  vqsetfontname("arial28");
}

bool screen_alive() { return vqrunning() && main_window.created; }

void close_main_screen() {
  // Whatever the close left standing goes now, while the toolkit's tables
  // still exist (the objects themselves live until the process ends).
  game_io_connect(nullptr);
  for (const panel_option& p : panels) vqgraphic_destroy(p.panel);
  vqscript_destroy(&main_markup);
  vqwindow_close(&main_window);
}
