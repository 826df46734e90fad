// Packing and the color syntax of option values.
#include "vqcolor.h"

#include <cctype>
#include <cstring>
#include <strings.h>

uint32_t vqrgb(int r, int g, int b) {
  return ((uint32_t)(r & 255) << 16) | ((uint32_t)(g & 255) << 8) | (uint32_t)(b & 255);
}

struct named_color {
  const char* name;
  uint32_t value;
};
static const named_color color_names[] = {
    {"none", VQ_NOCOLOR},      {"off", VQ_NOCOLOR},         {"black", 0x000000},
    {"blue", 0x000080},        {"green", 0x008000},         {"cyan", 0x008080},
    {"red", 0x800000},         {"magenta", 0x800080},       {"brown", 0x808000},
    {"lightgrey", 0xC0C0C0},   {"darkgrey", 0x808080},      {"lightblue", 0x0000FF},
    {"lightgreen", 0x00FF00},  {"lightcyan", 0x00FFFF},     {"lightred", 0xFF0000},
    {"lightmagenta", 0xFF00FF}, {"yellow", 0xFFFF00},       {"white", 0xFFFFFF},
    {"transparent", 0x0000FF}, {"grey", 0xD0D0D0},
};

// Hex digits up to the first other character, wrapping like an unsigned
// 32-bit reader; false when there is no digit at all.
static bool read_hex(const char* p, uint32_t* out) {
  if (!isxdigit((unsigned char)*p)) return false;
  uint32_t v = 0;
  for (; isxdigit((unsigned char)*p); ++p)
    v = v * 16 + (uint32_t)(isdigit((unsigned char)*p) ? *p - '0' : tolower(*p) - 'a' + 10);
  *out = v;
  return true;
}

bool vqcolor_parse(const char* token, uint32_t* color) {
  if (!token || !*token) return false;
  const char* eq = strchr(token, '=');
  const char* v = eq ? eq + 1 : token;
  if (!*v) return false;
  if (v[0] == '0' && v[1] == 'x') return read_hex(v + 2, color);
  for (const named_color& c : color_names)
    if (strcasecmp(v, c.name) == 0) {
      *color = c.value;
      return true;
    }
  return read_hex(v, color);
}

uint32_t vqcolor_fromplatform(uint32_t c) {
  if (c == VQ_NOCOLOR) return VQ_NOCOLOR;
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

uint32_t vqcolor_shade(uint32_t platform, int delta) {
  if (platform == VQ_NOCOLOR) return VQ_NOCOLOR;
  uint32_t c = vqcolor_fromplatform(platform);
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    long ch = (long)((c >> shift) & 0xFF) + delta;
    if (ch < 0) ch = 0;
    if (ch > 255) ch = 255;
    out |= (uint32_t)ch << shift;
  }
  return out;
}
