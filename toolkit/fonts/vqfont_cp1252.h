// The character set of the toolkit's text: Latin-1 with the Windows
// punctuation (euro sign, quotes, dashes) in the codes 128 to 159.
#pragma once

// Unicode code point of a text byte; 0 for the codes that carry no character.
inline int vqfont_unicode_of(int code) {
  static const unsigned short upper_controls[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  if (code < 32 || code == 127 || code > 255) return 0;
  if (code >= 128 && code < 160) return upper_controls[code - 128];
  return code;
}
