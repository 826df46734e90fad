// Theme colors: asked of the desktop once, with fixed fallbacks.
#include "vqcolor.h"
#include "vqplatform.h"

static const uint32_t fallback[VQCOLOR_THEMECOUNT] = {
    0xD0D0D0, 0xE0E0E0, 0x808080, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0x787878, 0xC0C0C0, 0xC0D8FF, 0xF0F0F0};

void vqcolor_maketheme(const int32_t platform[4], int depth, uint32_t out[VQCOLOR_THEMECOUNT]) {
  uint32_t face = (uint32_t)platform[VQTHEME_FACE];
  bool low = depth <= 8;
  for (int i = 0; i < VQCOLOR_THEMECOUNT; ++i) out[i] = VQ_NOCOLOR;
  out[VQCOLOR_GREY] = vqcolor_fromplatform(face);
  out[VQCOLOR_LIGHT] = vqcolor_shade(face, 16);
  out[VQCOLOR_DARK] = vqcolor_fromplatform((uint32_t)platform[VQTHEME_SHADOW]);
  out[VQCOLOR_TEXT] = vqcolor_fromplatform((uint32_t)platform[VQTHEME_BUTTONTEXT]);
  out[VQCOLOR_TEXTGREY] = vqcolor_fromplatform((uint32_t)platform[VQTHEME_DISABLEDTEXT]);
  out[VQCOLOR_VERYLIGHT] = vqcolor_shade(face, 32);
  if (low) {
    out[VQCOLOR_TEXTSEL] = 0xFFFFFF;
    out[VQCOLOR_BLUE] = 0x000080;
  }
  for (int i = 0; i < VQCOLOR_THEMECOUNT; ++i)
    if (out[i] == VQ_NOCOLOR) out[i] = fallback[i];
}

static uint32_t theme[VQCOLOR_THEMECOUNT];
static bool theme_filled = false;

static void fill_theme() {
  if (theme_filled) return;
  int32_t platform[4];
  for (int i = 0; i < 4; ++i) platform[i] = vqplatform_theme_color(i);
  vqcolor_maketheme(platform, vqcolor_depth(), theme);
  theme_filled = true;
}

uint32_t vqcolor_system(int index) {
  if (index < 0 || index >= VQCOLOR_THEMECOUNT) return VQ_NOCOLOR;
  fill_theme();
  return theme[index];
}

void vqcolor_systemtable(uint32_t out[VQCOLOR_THEMECOUNT]) {
  fill_theme();
  for (int i = 0; i < VQCOLOR_THEMECOUNT; ++i) out[i] = theme[i];
}

int vqcolor_depth() {
  static int depth = -1;
  if (depth < 0) depth = vqplatform_display_depth();
  return depth;
}

bool vqcolor_lowdepth() { return vqcolor_depth() <= 8; }
