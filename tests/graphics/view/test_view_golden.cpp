// One fixed scene with every drawing command on a bordered panel, compared
// pixel for pixel with the committed picture golden/panel_scene.png
// (golden_test_util.h: VQ_GOLDEN_UPDATE=1 writes it anew).
#include "golden_test_util.h"
#include "view_test_util.h"

#include "vqcolor.h"
#include "vqdraw.h"
#include "vqfont.h"
#include "vqimagefile.h"
#include "vqpicture.h"

#include <cstdio>
#include <string>

namespace {

const std::string kBuild = VQ_BINARY_DIR;

// Two small picture files the scene reads back: one through the toolkit's
// own reader, one through the platform's decoder.
void write_pictures() {
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = 32;
  pm.height = 24;
  pm.format = VQPX_TRUECOLOR;
  ASSERT_TRUE(vqpxmap_allocate(&pm));
  for (int y = 0; y < 24; y++)
    for (int x = 0; x < 32; x++) vqpxmap_setpixel(&pm, x, y, vqrgb(x * 8, y * 10, 160));
  ASSERT_TRUE(vqpxmap_savetofile(&pm, "%s/golden_picture.ppm", kBuild.c_str()));
  vqpxmap_fillrect(&pm, 8, 6, 16, 12, 0xFFFF00);
  ASSERT_TRUE(vqpxmap_savetofile(&pm, "%s/golden_picture.png", kBuild.c_str()));
  vqpxmap_free(&pm);
}

void draw_scene(vqView* scene, vqView* child) {
  vqfont_register_builtins();
  int arial = vqfont_register_embedded("Arial16");
  ASSERT_GT(arial, 0);
  ASSERT_TRUE(vqgraphic_create(scene, "x=10,y=10,xs=400,ys=300,border,bgcolor=f4f4ec,drawoff,standardview"));
  vqclear(0xF4F4EC);
  // Shapes.
  for (int i = 0; i < 40; i++) vqpoint(10 + i * 2, 12 + (i % 5) * 3, vqrgb(i * 6, 0, 255 - i * 6));
  vqtarget_send(VQCMD_CIRCLE, 120, 35, 22, 0xCC0000);
  vqtarget_send(VQCMD_FILLCIRCLE, 175, 35, 20, 0x008800);
  vqtarget_send(VQCMD_ELLIPSE, 240, 35, 30, 15, 0x0000CC);
  vqtarget_send(VQCMD_FILLELLIPSE, 310, 35, 25, 18, 0xFF8800);
  vqtarget_send(VQCMD_ARC, 370, 40, 22, 18, 30, 240, 0x880088);
  vqtarget_send(VQCMD_RECT, 10, 70, 60, 40, 0x000000);
  vqtarget_send(VQCMD_FLOODFILL, 30, 90, 0x99CCFF);
  vqtarget_send(VQCMD_FRAME, 80, 70, 60, 40, 0xFFFFFF, 0x404040);
  vqfillrect(150, 70, 60, 40, 0x008080);
  vqtarget_send(VQCMD_FILLFRAME, 220, 70, 60, 40, 0xFFEE66, 0xFFFFFF, 0x000000);
  vqtarget_send(VQCMD_SHADOWRECT, 290, 70, 60, 40, 0x000066);
  // Lines.
  vqline(10, 140, 90, 180, 0x000000);
  vqtarget_send(VQCMD_MOVETO, 100, 180);
  vqtarget_send(VQCMD_LINETO, 140, 140, 0xCC0000);
  vqtarget_send(VQCMD_LINETO, 180, 180, 0x008800);
  vqtarget_send(VQCMD_THICKLINETO, 220, 140, 0x0000CC);
  vqtarget_send(VQCMD_WIDELINE, 240, 140, 320, 180, 0x880088, 5, 2);
  // Text in several fonts.
  vqsetfont(-1);
  vqtext(10, 190, 0x000000, "6x13: 2, 4, 8, ??");
  vqsetfontname("9x15b");
  vqprintf(10, 205, 0x000088, "9x15b %d%%", 42);
  vqsetfont(arial);
  vqtext(10, 222, 0x880000, "Arial16 Gr\xF6\xDF" "e\nzwei Zeilen");
  vqchar(340, 145, 0x000000, 'Q');
  vqchar(360, 145, 0x000000, 0xDF);
  vqsetfont(-2);
  int low, high;
  const char* box = "Ein Textkasten bricht lange Zeilen an den Wortgrenzen um.";
  vqptr_split(box, &low, &high);
  vqtarget_send(VQCMD_TEXTBOX, 200, 190, 150, 45, 0x004400, low, high);
  const char* centred = "zentriert";
  vqptr_split(centred, &low, &high);
  vqtarget_send(VQCMD_TEXTCENTRED, 248, 0x000000, low, high);
  // Pictures, built-in graphics, pixmaps and copies.
  std::string ppm = kBuild + "/golden_picture.ppm", png = kBuild + "/golden_picture.png";
  vqptr_split(ppm.c_str(), &low, &high);
  vqtarget_send(VQCMD_PICTURE, 10, 266, low, high);
  vqptr_split(png.c_str(), &low, &high);
  vqtarget_send(VQCMD_PICTURE, 50, 266, low, high);
  vqgraphicf(VQGRAPHIC_UP, "x=%d,y=%d,xs=14,ys=8,color=000000", 92, 268);
  vqgraphicf(VQGRAPHIC_DOWN, "x=%d,y=%d,xs=14,ys=8,palettecode=1", 92, 280);
  vqgraphicf(VQGRAPHIC_BULLET, "x=%d,y=%d", 112, 270);
  uint32_t palette[256] = {0xCC0000};
  vqptr_split(palette, &low, &high);
  vqtarget_send(VQCMD_PALETTEGRAPHIC, 130, 270, low, high, VQGRAPHIC_RIGHT);
  vqpxmap tile;
  vqpxmap_init(&tile);
  tile.width = tile.height = 20;
  tile.format = VQPX_TRUECOLOR;
  ASSERT_TRUE(vqpxmap_allocate(&tile));
  for (int y = 0; y < 20; y++)
    for (int x = 0; x < 20; x++) vqpxmap_setpixel(&tile, x, y, ((x / 5 + y / 5) % 2) ? 0x222222 : 0x00FFFF);
  vqpxmap_settransparent(&tile, 0x00FFFF);   // the light squares let the ground through
  vqdrawpixmap(150, 268, &tile);
  vqpxmap_free(&tile);
  vqptr_split(nullptr, &low, &high);
  vqtarget_send(VQCMD_COPYRECT, low, high, 150, 70, 180, 262, 60, 30);
  // A nested palette panel with its own palette entry and a scrollbar.
  ASSERT_TRUE(vqgraphic_create(child, "x=250,y=258,xs=60,ys=36,pys=80,palette,bgcolor=ffffff,drawoff"));
  vqtarget_send(VQCMD_SETPALETTE, 200, 0xFF8800);
  vqfillrect(4, 4, 30, 20, 200);
  vqline(0, 35, 43, 0, 12);
  vqrefresh();
  vqgraphic_select(scene);
  vqrefresh();
}

TEST(ViewGolden, EveryDrawingCommandDrawsTheCommittedScene) {
  TestHost host(420, 320, 0x336699);
  write_pictures();
  vqView scene, child;
  draw_scene(&scene, &child);
  const int w = host.pm.width, h = host.pm.height;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) pixels[static_cast<size_t>(y) * w + x] = host.at(x, y);
  EXPECT_TRUE(golden_compare("graphics", "panel_scene", pixels.data(), w, h));
}

}  // namespace
