// A window with two graphic panels that shows every kind of drawing command
// and text in several fonts, and puts a red cross where the mouse clicks.
//   panel_demo [--window OPTIONS] [--shot FILE]
// Prints "window W H" once the window shows, then "click X Y" (client
// pixels) for every left click; with --shot it first saves what the window
// shows as FILE (PNG). Escape or the close button end it with status 0; a
// window that cannot open ends it with status 1.
#include "vqcolor.h"
#include "vqdraw.h"
#include "vqevent.h"
#include "vqfont.h"
#include "vqframe.h"
#include "vqtarget.h"
#include "vqwindow.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kDefaultWindow = "vqkit panel demo,x=50%,y=50%,xs=640,ys=480,bgcolor=d8d8d8";
enum : int32_t { kRed = 0xFF0000, kInk = 0x000000 };

int send_text(int command, int a1, int a2, int a3, const char* text) {
  int low, high;
  vqptr_split(text, &low, &high);
  if (command == VQCMD_TEXTCENTRED) return vqtarget_send(command, a1, a2, low, high);
  if (command == VQCMD_SAVE) return vqtarget_send(command, low, high);
  return vqtarget_send(command, a1, a2, low, high, a3);
}

// A small picture of the demo's own, shown as a pixmap (VQCMD_DRAWPIXMAP).
void make_gradient(vqpxmap* pm) {
  vqpxmap_init(pm);
  pm->width = pm->height = 24;
  pm->format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(pm)) return;
  for (int y = 0; y < 24; y++)
    for (int x = 0; x < 24; x++) vqpxmap_setpixel(pm, x, y, static_cast<int32_t>(vqrgb(x * 10, y * 10, 160)));
}

void draw_shapes(vqView* panel, const vqpxmap* gradient, const char* picture) {
  vqtarget_set(vqView::command, panel);
  vqclear(0xFFFFFF);
  for (int i = 0; i < 40; i++) vqpoint(10 + 2 * i, 8, static_cast<int32_t>(vqrgb(6 * i, 0, 255 - 6 * i)));
  vqtarget_send(VQCMD_CIRCLE, 35, 45, 22, 0x0000C0);
  vqtarget_send(VQCMD_FILLCIRCLE, 90, 45, 18, 0xC00000);
  vqtarget_send(VQCMD_RECT, 120, 22, 46, 40, 0x008000);
  vqtarget_send(VQCMD_FRAME, 174, 22, 40, 40, 0x909090, 0x303030);
  vqfillrect(222, 22, 40, 40, 0xFFC000);
  vqtarget_send(VQCMD_FILLFRAME, 10, 80, 60, 30, 0xC0C0C0, 0xFFFFFF, 0x404040);
  vqtarget_send(VQCMD_SHADOWRECT, 80, 80, 50, 30, kInk);
  vqline(140, 80, 200, 110, 0x800080);
  vqtarget_send(VQCMD_LINETO, 250, 80, 0x800080);
  vqtarget_send(VQCMD_MOVETO, 205, 115);
  vqtarget_send(VQCMD_THICKLINETO, 270, 115, 0x006060);
  vqtarget_send(VQCMD_RECT, 10, 130, 60, 40, kInk);
  vqtarget_send(VQCMD_FLOODFILL, 30, 150, 0x80FF80);
  vqtarget_send(VQCMD_ARC, 110, 155, 30, 20, 0, 180, 0xC00000);
  vqtarget_send(VQCMD_ELLIPSE, 175, 150, 28, 16, 0x0000C0);
  vqtarget_send(VQCMD_FILLELLIPSE, 240, 150, 28, 16, 0x00A0A0);
  vqtarget_send(VQCMD_WIDELINE, 10, 190, 110, 215, 0xA05000, 5, 2);
  vqgraphicf(VQGRAPHIC_UP, "x=125,y=190");
  vqgraphicf(VQGRAPHIC_DOWN, "x=145,y=190");
  vqgraphicf(VQGRAPHIC_BULLET, "x=165,y=190");
  static uint32_t palette[VQPX_PALETTE_SIZE];
  vqpxmap_default_palette(palette);
  int low, high;
  vqptr_split(palette, &low, &high);
  vqtarget_send(VQCMD_PALETTEGRAPHIC, 185, 190, low, high, VQGRAPHIC_BULLET);
  vqdrawpixmap(205, 185, gradient);
  // The row of points, copied from the panel into itself.
  vqptr_split(panel, &low, &high);
  vqtarget_send(VQCMD_COPYRECT, low, high, 10, 8, 10, 225, 80, 1);
  if (picture != nullptr) send_text(VQCMD_PICTURE, 240, 185, 0, picture);
  vqrefresh();
}

void draw_texts(vqView* panel) {
  vqtarget_set(vqView::command, panel);
  vqclear(0xFFFFF0);
  const struct {
    const char* label;
    int font;
  } fonts[] = {
      {"builtin 6x13", -1},
      {"builtin variable 13", -2},
      {"builtin 8x16 bold", vqfont_find_key("builtin 8x16 bold")},
      {"builtin 12x24", vqfont_find_key("builtin 12x24")},
      {"Arial14", vqfont_register_embedded("Arial14")},
      {"Arial20b", vqfont_register_embedded("Arial20b")},
      {"crnew12", vqfont_register_embedded("crnew12")},
  };
  int y = 6;
  for (const auto& f : fonts) {
    vqsetfont(f.font);
    vqprintf(8, y, kInk, "%s: 2 4 8 16 ??", f.label);
    y += vqfontheight() + 3;
  }
  vqsetfont(-1);
  vqtext(8, y, 0x000080, "Erste Zeile\nzweite Zeile, eine Schrifth\xF6he tiefer");
  y += 2 * vqfontheight() + 4;
  int low, high;
  const char* wrapped = "Ein l\xE4ngerer Text, der am Rand des Kastens umbricht und darin bleibt.";
  vqptr_split(wrapped, &low, &high);
  int height = vqtarget_send(VQCMD_TEXTBOX, 8, y, 170, 60, 0x600000, low, high);
  y += height + 4;
  send_text(VQCMD_TEXTCENTRED, y, 0x006000, 0, "zentriert");
  y += vqfontheight() + 4;
  for (int i = 0; i < 6; i++) vqchar(8 + 10 * i, y, 0x800080, "\xC4\xD6\xDC\xE4\xF6\xFC"[i] & 0xFF);
  vqprintf(80, y, kInk, "\"Breite\" ist %d Pixel breit", vqtextwidth("Breite"));
  vqrefresh();
}

// The panel under a client position; the main panel where no other is.
vqView* panel_at(vqWindow* window, vqView* const* panels, int count, int x, int y, int* px, int* py) {
  for (int i = 0; i < count; i++) {
    const vqView* p = panels[i];
    const vqgeometry& g = p->layout;
    if (x >= g.x && x < g.x + g.width && y >= g.y && y < g.y + g.height) {
      *px = x - g.x - p->centre_x + p->scroll_x;
      *py = y - g.y - p->centre_y + p->scroll_y;
      return panels[i];
    }
  }
  *px = x;
  *py = y;
  return &window->panels[0];
}

void mark(vqView* panel, int x, int y) {
  vqtarget_set(vqView::command, panel);
  vqline(x - 5, y, x + 5, y, kRed);
  vqline(x, y - 5, x, y + 5, kRed);
  vqrefresh();
}

}  // namespace

void game_main() {
  const char* options = kDefaultWindow;
  const char* shot = nullptr;
  char** argv = vqframe_argv();
  for (int i = 1; i + 1 < vqframe_argc(); i += 2) {
    if (std::strcmp(argv[i], "--window") == 0) options = argv[i + 1];
    else if (std::strcmp(argv[i], "--shot") == 0) shot = argv[i + 1];
  }

  static vqWindow window;
  if (!vqwindow_open(&window, options)) vqexit(1);
  const int w = window.layout.width, h = window.layout.height;
  vqsetfontname("8x16b");
  vqtext(10, 6, kInk, "vqkit: zwei Panels, alle Zeichenbefehle");
  vqsetfont(-1);
  vqtext(10, h - 18, kInk, "Klick: rotes Kreuz    Esc oder Schlie\xDF" "en: Ende");

  const int side = (w - 30) / 2;
  static vqView shapes, texts;
  vqgraphic_create(&shapes, "x=10,y=30,xs=%d,ys=%d,border,bgcolor=ffffff", side, h - 60);
  vqgraphic_create(&texts, "x=%d,y=30,xs=%d,ys=%d,border,bgcolor=fffff0", 20 + side, side, h - 60);

  // The text panel, written to a file (VQCMD_SAVE), comes back as a picture in
  // the shapes panel (VQCMD_PICTURE).
  draw_texts(&texts);
  char picture[64];
  std::snprintf(picture, sizeof picture, "/tmp/panel_demo_%d.bmp", static_cast<int>(getpid()));
  bool saved = send_text(VQCMD_SAVE, 0, 0, 0, picture) == 1;
  if (saved) vqframe_tempfile_add(picture, nullptr);
  vqpxmap gradient;
  make_gradient(&gradient);
  draw_shapes(&shapes, &gradient, saved ? picture : nullptr);

  vqpollevent();   // the program starts: the window shows what was drawn
  std::printf("window %d %d\n", w, h);
  std::fflush(stdout);

  vqView* const panels[] = {&shapes, &texts};
  while (vqrunning()) {
    int code = vqwaitevent();
    if (code == 27) break;
    if (code != window.events[VQEV_LEFTDOWN]) continue;
    int x = 0, y = 0, px = 0, py = 0;
    vqgraphic_lastevent(&x, &y);   // the main panel's pixmap is the client area
    vqView* panel = panel_at(&window, panels, 2, x, y, &px, &py);
    mark(panel, px, py);
    if (shot != nullptr) vqwindow_screenshot(&window, shot);
    std::printf("click %d %d\n", x, y);
    std::fflush(stdout);
  }
  vqpxmap_free(&gradient);
  vqwindow_close(&window);
}
