// Colors of the toolkit: one 32-bit value 0x00RRGGBB everywhere, the color
// syntax of option values, and the eleven theme colors that follow the
// desktop's color scheme.
#pragma once

#include <cstdint>

// Stands where a color may be absent (unpainted text background, option
// value "none" or "off", a theme color the desktop does not supply).
constexpr uint32_t VQ_NOCOLOR = 0xFFFFFFFFu;

// Indexes of the theme colors.
enum vqcolor_themeindex {
  VQCOLOR_GREY = 0,      // button face
  VQCOLOR_LIGHT,         // button face brightened by 16
  VQCOLOR_DARK,          // button shadow
  VQCOLOR_WHITE,
  VQCOLOR_BLACK,
  VQCOLOR_TEXTSEL,       // selected text
  VQCOLOR_TEXT,          // button text
  VQCOLOR_TEXTGREY,      // disabled text
  VQCOLOR_DARKC0,
  VQCOLOR_BLUE,          // selection background
  VQCOLOR_VERYLIGHT,     // button face brightened by 32
  VQCOLOR_THEMECOUNT     // 11
};

// red * 65536 + green * 256 + blue, each argument taken as its low 8 bits.
uint32_t vqrgb(int red, int green, int blue);

// Theme color by index (0 to 10); VQ_NOCOLOR for any other index. The first
// call asks the platform and fills all eleven for the rest of the run.
uint32_t vqcolor_system(int index);

// Copies all eleven theme colors into out (same filling as vqcolor_system).
void vqcolor_systemtable(uint32_t out[VQCOLOR_THEMECOUNT]);

// The theme computed from given desktop answers, without touching the
// process-wide table: platform[] holds the 0x00BBGGRR (or -1) answers for
// VQTHEME_FACE, VQTHEME_SHADOW, VQTHEME_BUTTONTEXT, VQTHEME_DISABLEDTEXT;
// depth is the display depth in bits per pixel.
void vqcolor_maketheme(const int32_t platform[4], int depth, uint32_t out[VQCOLOR_THEMECOUNT]);

// Parses a color option value: a whole token "key=value" or a bare value.
// Accepts 0x-prefixed hex, the color names, or plain hex digits. Returns true
// and stores into *color when a color was read; leaves *color unchanged and
// returns false when the value is empty or unreadable.
bool vqcolor_parse(const char* token, uint32_t* color);

// The desktop's 0x00BBGGRR to 0x00RRGGBB. VQ_NOCOLOR stays VQ_NOCOLOR.
uint32_t vqcolor_fromplatform(uint32_t platform);

// As vqcolor_fromplatform, then delta added to each channel, limited to
// 0..255. VQ_NOCOLOR stays VQ_NOCOLOR.
uint32_t vqcolor_shade(uint32_t platform, int delta);

// Bits per pixel times color planes of the screen, asked once and kept.
int vqcolor_depth();
// True on a display of 8 bits per pixel or fewer.
bool vqcolor_lowdepth();
