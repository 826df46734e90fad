// Shapes drawn into a pixmap: what the panels' drawing commands do to their
// pixels. Every function clips to the pixmap (points outside it are not
// drawn) and takes colors as the pixmap does (0x00RRGGBB, or the palette
// index for palette pixmaps). Nothing here refreshes or presents: the
// caller decides what reaches the screen.
#pragma once

#include "vqpxmap.h"

#include <cstdint>

// A line with both end points; a floating-point DDA: the major axis steps by
// 1, the minor coordinate adds the slope and is rounded by adding 0.5 and
// truncating. The end point becomes the pixmap's pen position.
void vqdraw_line(vqpxmap* pm, int x1, int y1, int x2, int y2, int32_t color);
// A line wx x wy pixels thick: every DDA point becomes a wx x wy block
// centred on it. Three-wide lines (VQCMD_THICKLINETO) are vqdraw_wideline(.., 3, 3).
void vqdraw_wideline(vqpxmap* pm, int x1, int y1, int x2, int y2, int32_t color, int wx, int wy);

void vqdraw_rect(vqpxmap* pm, int x, int y, int w, int h, int32_t color);               // VQCMD_RECT
void vqdraw_frame(vqpxmap* pm, int x, int y, int w, int h, int32_t c1, int32_t c2);      // VQCMD_FRAME
void vqdraw_fillframe(vqpxmap* pm, int x, int y, int w, int h, int32_t fill, int32_t c1,
                      int32_t c2);                                                        // VQCMD_FILLFRAME
void vqdraw_shadowrect(vqpxmap* pm, int x, int y, int w, int h, int32_t color);          // VQCMD_SHADOWRECT

void vqdraw_circle(vqpxmap* pm, int x, int y, int r, int32_t color);
void vqdraw_fillcircle(vqpxmap* pm, int x, int y, int r, int32_t color);
void vqdraw_ellipse(vqpxmap* pm, int x, int y, int rx, int ry, int32_t color);
void vqdraw_fillellipse(vqpxmap* pm, int x, int y, int rx, int ry, int32_t color);
// Arc of the ellipse from angle start to end, in degrees counter-clockwise
// from the positive x axis (screen y grows downward, so 90 is the top).
void vqdraw_arc(vqpxmap* pm, int x, int y, int rx, int ry, int start, int end, int32_t color);
// Paints the 4-connected area of the color found at (x, y); nothing when
// that color already is the new one or (x, y) lies outside.
void vqdraw_floodfill(vqpxmap* pm, int x, int y, int32_t color);

// ---- built-in graphics (VQCMD_GRAPHIC and VQCMD_PALETTEGRAPHIC) -----------

enum vqgraphic_id {
  VQGRAPHIC_NONE = 0,
  VQGRAPHIC_UP = 1,       // arrow symbols of up-down controls and scrollbars
  VQGRAPHIC_DOWN,
  VQGRAPHIC_LEFT,
  VQGRAPHIC_RIGHT,
  VQGRAPHIC_BULLET,       // the markup view's 10 x 10 two-color disc
  VQGRAPHIC_COUNT
};

// The id of a built-in graphic by its name ("up", "down", "left", "right",
// "bullet"; any case); 0 for an unknown name.
int vqgraphic_builtin_id(const char* name);
// Draws graphic id at (x, y); w, h of 0 mean its natural size, else it is
// drawn to fit w x h. color is the ink (-1: the graphic's own); transparent
// pixels are left as they are.
bool vqdraw_builtin(vqpxmap* pm, int id, int x, int y, int w, int h, int32_t color);
// VQCMD_GRAPHIC: options "x=", "y=" replace the position, "xs=", "ys=" the
// size, "color=" the ink, "palettecode=" maps the colors.
bool vqdraw_builtin_options(vqpxmap* pm, int id, int x, int y, const char* options);
// VQCMD_PALETTEGRAPHIC: the graphic's color indexes looked up in a 256-entry
// palette.
bool vqdraw_builtin_palette(vqpxmap* pm, int id, int x, int y, const uint32_t* palette);

// The panel's minimal scrollbars: a trough with a thumb at pos percent of
// the track, size percent long (both 0..100), arrows at both ends.
void vqdraw_vscrollbar(vqpxmap* pm, int x, int y, int w, int h, int pos, int size);
void vqdraw_hscrollbar(vqpxmap* pm, int x, int y, int w, int h, int pos, int size);
// Where those scrollbars put their parts along a bar `length` long and
// `thickness` across, counted from the bar's start: an arrow button
// `button` long at each end, and the thumb (thumb_length 0 when the bar is
// too short for one). For hit tests that must agree with the drawing.
struct vqscrollbar_geometry {
  int button, thumb_start, thumb_length;
};
vqscrollbar_geometry vqdraw_scrollbar_geometry(int length, int thickness, int pos, int size);

// The drawing commands (VQCMD_POINT to VQCMD_MOUSEY) that need nothing but the target's pixmap,
// its font and the target itself: shapes and the pen, texts, saving,
// pictures and built-in graphics, palette and transparency, fonts and text
// sizes, the pixmap and the object asked for, the size. A target handles
// first what it does its own way (fast paths, refreshes, copies from other
// objects, the mouse); any other command answers 0.
int vqdraw_command(vqpxmap* pm, void* self, int* font, int command, int a1, int a2, int a3, int a4,
                   int a5, int a6, int a7, int a8);
